# Cross build for 64-bit Windows with Debian's MinGW-w64; the results run under wine64.
# Usage: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake ...
#
# The posix thread variant is used because the win32 variant of GCC 12 has no
# std::mutex / std::thread. Everything is linked with -static so no
# libstdc++-6.dll, libgcc_s_seh-1.dll or libwinpthread-1.dll has to be found at run time.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

# Look for headers and libraries only in the target tree, for tools only on the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Lets ctest (and gtest_discover_tests) run the test executables.
# Set WINEPREFIX to a scratch directory and WINEDEBUG=-all in the environment.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
