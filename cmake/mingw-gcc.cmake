# Windows from Linux with mingw-w64's GCC (posix thread model); tests run under Wine. The toolchain
# file of each architecture names `pbw_triple` and the processor, then includes this.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${pbw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${pbw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${pbw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${pbw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
