# 64-bit Windows, built by mingw-w64's GCC.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(pbw_triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-gcc.cmake)
