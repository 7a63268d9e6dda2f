# Cross build for 32-bit Windows (the shipped plug-in) with Debian's MinGW-w64.
# Usage: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake ...
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# x87 keeps intermediates in 80-bit registers; SSE makes float arithmetic round to single
# precision at every step, as on the 64-bit and Linux builds.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
