// Shows or hides the game's own display components as the [Standart] section says, once.
#pragma once

#include <cstdint>

inline constexpr const char* kStandardSection = "Standart";

struct StandardComponent {
  const char* key;
  int32_t component;  // the game display's own number for it
};

// In the order they are read and applied.
inline constexpr StandardComponent kStandardComponents[] = {
    {"bHP", 2},      {"bAP", 4},      {"bOP", 3},       {"bRadar", 8},       {"bRadio", 10},
    {"bStats", 14},  {"bMoney", 5},   {"bAmmo", 0},     {"bWeapon", 1},      {"bWanted", 11},
    {"bClock", 9},   {"bCrosshair", 12}, {"bVehicleName", 6}, {"bAreaName", 7}, {"bHelpText", 15},
};

void ApplyStandardComponents();
