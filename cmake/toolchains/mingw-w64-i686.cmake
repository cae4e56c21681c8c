# 32-bit Windows (PE32) with Debian's g++-mingw-w64-i686.
set(ORVI_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
# SSE2 arithmetic: the x87 unit's 80-bit intermediates would let 1E308 * 10 pass as
# finite and round some 15th digits differently from every other build.
set(ORVI_MINGW_CXX_FLAGS "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
