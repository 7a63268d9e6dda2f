#include "standard/standard_components.h"

#include <cstdint>

#include "core/settings.h"
#include "platform/host_framework.h"

namespace {

struct StandardComponent {
  const char* key;
  int32_t component;  // the game display's own number for it
};

constexpr StandardComponent kStandardComponents[] = {
    {"bHP", 2},      {"bAP", 4},      {"bOP", 3},       {"bRadar", 8},       {"bRadio", 10},
    {"bStats", 14},  {"bMoney", 5},   {"bAmmo", 0},     {"bWeapon", 1},      {"bWanted", 11},
    {"bClock", 9},   {"bCrosshair", 12}, {"bVehicleName", 6}, {"bAreaName", 7}, {"bHelpText", 15},
};

}  // namespace

void ApplyStandardComponents() {
  for (const StandardComponent& row : kStandardComponents) {
    CGame* game = GAME;
    CDisplay* display = game != nullptr ? game->gameDisplay() : nullptr;
    const bool shown = ReadBoolSetting("Standart", row.key);
    if (display != nullptr) display->displaySetComponent(row.component, shown);
  }
}
