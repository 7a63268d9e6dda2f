// Linkage of the symbols that cross between the module and the host that loads it.
//
// The host defines the framework's members, its two exported pointers and (off Windows) the
// tick and the game-memory calls; the module only declares them. On Windows they travel through
// a DLL's import table, elsewhere through the dynamic symbols of the host executable or library.
#pragma once

#if defined(_WIN32)
#  if defined(VELOMARK_BUILDING_HOST)
#    define VELOMARK_HOST_API __declspec(dllexport)
#  else
#    define VELOMARK_HOST_API __declspec(dllimport)
#  endif
#  define VELOMARK_MODULE_EXPORT __declspec(dllexport)
#else
#  define VELOMARK_HOST_API __attribute__((visibility("default")))
#  define VELOMARK_MODULE_EXPORT __attribute__((visibility("default")))
#endif

// Callbacks handed to the host: the Direct3D hook convention on 32-bit Windows is stdcall.
#if defined(_WIN32) && defined(__i386__)
#  define VELOMARK_CALLBACK __stdcall
#else
#  define VELOMARK_CALLBACK
#endif
