// The two callbacks through which the host drives the module.
#pragma once

#include <cstdint>

#include "platform/host_api.h"

// Called by the host over and over: waits for the game, starts the module once, then moves the
// money and ammo state on.
void MainLoop();

// Called for every presented frame once registered: draws the widgets in one pass.
bool VELOMARK_CALLBACK OnPresent(uint32_t, uint32_t, uint32_t, uint32_t);

inline constexpr const char* kLoadedMessage =
    "Plugin {AA5555}'Velomark' {FFFFFF}was loaded! Author: {AA5555}Quendril";
inline constexpr uint32_t kChatWhite = 0xFFFFFFFFu;
