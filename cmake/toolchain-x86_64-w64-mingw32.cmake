# Cross build for 64-bit Windows with Debian's MinGW-w64; the results run under wine64.
# Usage: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake ...
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Lets ctest (and gtest_discover_tests) run the test executables.
# Set WINEPREFIX to a scratch directory and WINEDEBUG=-all in the environment.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
