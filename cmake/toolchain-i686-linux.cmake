# 32-bit x86 Linux build on a 64-bit Debian machine (g++-multilib), so that the module's
# arithmetic is proven with 32-bit pointers, int and long as the shipped DLL has them.
# Usage: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-linux.cmake ...
#
# The machine cannot run 32-bit code itself: ctest runs the tests under qemu-i386 (qemu-user).
# Build with -DVELOMARK_BUILD_SIM=OFF: the 64-bit machine has no 32-bit libpng, and the module's
# tests need neither the renderer nor velomark-sim. GoogleTest is built from /usr/src/googletest.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)

# SSE arithmetic, as in the Windows build: x87 excess precision would change float results.
set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-m32")

set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-i386)
