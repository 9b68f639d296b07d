# Windows from Linux with clang instead of GCC: a second compiler over the same sources, against
# mingw-w64's headers, GCC's libstdc++ and the posix thread library (tests run under Wine). The
# toolchain file of each architecture names `pbw_triple` and the processor, then includes this.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${pbw_triple})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${pbw_triple})
set(CMAKE_RC_COMPILER ${pbw_triple}-windres)
set(CMAKE_SYSROOT /usr/${pbw_triple})

# clang does not find the libstdc++ of Debian's mingw GCC by itself ("12-posix" is no version it
# recognises): its headers and its library folder are named here.
file(GLOB pbw_gcc_dirs LIST_DIRECTORIES true /usr/lib/gcc/${pbw_triple}/*-posix)
list(GET pbw_gcc_dirs -1 pbw_gcc_dir)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${pbw_gcc_dir}/include/c++ -isystem ${pbw_gcc_dir}/include/c++/${pbw_triple}")
# -pthread puts winpthread after libgcc_eh, whose thread-local emulation needs it in a static link.
# lld, because GNU ld warns about every type name that clang and GCC pad differently (harmless).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${pbw_gcc_dir} -pthread -fuse-ld=lld")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-L${pbw_gcc_dir} -pthread -fuse-ld=lld")

set(CMAKE_FIND_ROOT_PATH /usr/${pbw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
