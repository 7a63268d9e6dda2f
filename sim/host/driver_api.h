// Linkage of the driver's side of the simulated host (host.h, module_loader.h). On Windows the
// host is a DLL, as the real host framework is, and velomark-sim.exe imports these from it;
// elsewhere the host is linked into the program that drives it.
#pragma once

#if defined(_WIN32)
#  if defined(VELOMARK_BUILDING_HOST)
#    define VELOMARK_HOST_DRIVER_API __declspec(dllexport)
#  else
#    define VELOMARK_HOST_DRIVER_API __declspec(dllimport)
#  endif
#else
#  define VELOMARK_HOST_DRIVER_API
#endif
