# 32-bit Windows, built by clang.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(pbw_triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-clang.cmake)
