# 64-bit Windows (PE32+) with Debian's g++-mingw-w64-x86-64.
set(ORVI_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
