// Windows only: points a loaded module's import of a system function at a function of the host.
#pragma once

#if defined(_WIN32)
#  ifndef WIN32_LEAN_AND_MEAN
#    define WIN32_LEAN_AND_MEAN
#  endif
#  include <windows.h>

// Overwrites the module's import address table slot for function, imported by name from dll
// (compared without regard to case), with replacement. A module that does not import it is left
// as it is. False when the slot cannot be made writable.
bool RedirectImport(HMODULE module, const char* dll, const char* function, FARPROC replacement);
#endif
