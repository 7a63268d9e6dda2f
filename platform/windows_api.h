// The few Windows services the module uses. Built for Windows they are the real ones; elsewhere
// the module carries its own profile reader and the host answers the tick and game memory.
#pragma once

#include <cstdint>

#include "platform/host_api.h"

#if defined(_WIN32)
#  ifndef WIN32_LEAN_AND_MEAN
#    define WIN32_LEAN_AND_MEAN
#  endif
#  include <windows.h>
#else
using BOOL = int;
using DWORD = uint32_t;
using HINSTANCE = void*;
using LPVOID = void*;
#  define TRUE 1
#  define FALSE 0
#  define WINAPI
#  define DLL_PROCESS_DETACH 0
#  define DLL_PROCESS_ATTACH 1
#  define DLL_THREAD_ATTACH 2
#  define DLL_THREAD_DETACH 3

// The 32-bit millisecond tick; it wraps after about 49.7 days. Answered by the host.
extern "C" VELOMARK_HOST_API DWORD GetTickCount();

// The profile reader, with Windows' own rules (see profile_reader.cpp).
extern "C" DWORD GetPrivateProfileStringA(const char* section, const char* key,
                                          const char* defaultValue, char* out, DWORD outSize,
                                          const char* fileName);
#endif

// Plain 32-bit reads and stores at fixed addresses of the game's image. On Windows they touch
// the process's memory directly; elsewhere the host keeps the game's memory.
#if defined(_WIN32)
int32_t ReadGameInt32(uint32_t address);
void WriteGameWord(uint32_t address, uint32_t value);
#else
extern "C" VELOMARK_HOST_API int32_t ReadGameInt32(uint32_t address);
extern "C" VELOMARK_HOST_API void WriteGameWord(uint32_t address, uint32_t value);
#endif
