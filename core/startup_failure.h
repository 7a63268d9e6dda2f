// The first setting that could not be read. A module with such a failure tells the player once,
// in the chat, and then stays inert instead of drawing from half-read settings.
#pragma once

bool HasStartupFailure();
// Keeps only the first failure: the setting ("Money.fX"), the error words and the value found.
void RecordStartupFailure(const char* section, const char* key, const char* error,
                          const char* value);
// The chat line naming the failure; empty when there is none.
const char* StartupFailureMessage();
