# 32-bit Windows, built by clang: a check that the code compiles and links. Its programs are not run:
# on 32-bit Windows clang and GCC pop empty arguments differently, and these mix with GCC's libstdc++
# (see scripts/test.sh).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(pbw_triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-clang.cmake)
