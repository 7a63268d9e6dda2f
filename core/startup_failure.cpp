#include "core/startup_failure.h"

#include <cstdio>

#include "core/settings.h"

namespace {
bool failed = false;
// Long enough for the longest setting name, the file, the error words and a 255-character value.
char message[512];
}  // namespace

bool HasStartupFailure() { return failed; }

void RecordStartupFailure(const char* section, const char* key, const char* error,
                          const char* value) {
  if (failed) return;
  failed = true;
  std::snprintf(message, sizeof message,
                "Plugin {AA5555}'Velomark' {FFFFFF}did not start: %s.%s in %s: %s (value \"%s\")",
                section, key, kSettingsFile, error, value);
}

const char* StartupFailureMessage() { return failed ? message : ""; }
