# 32-bit Windows (PE32) with Debian's g++-mingw-w64-i686.
set(ORVI_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
