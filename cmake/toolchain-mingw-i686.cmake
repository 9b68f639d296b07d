# 32-bit Windows, built by mingw-w64's GCC.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(pbw_triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-gcc.cmake)
