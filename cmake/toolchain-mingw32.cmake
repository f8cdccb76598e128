# 32-bit Windows with MinGW-w64. Built, not run: the tests run on the 64-bit
# build.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TIDYSET_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
