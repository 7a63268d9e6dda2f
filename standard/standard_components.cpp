#include "standard/standard_components.h"

#include "core/settings.h"
#include "platform/host_framework.h"

void ApplyStandardComponents() {
  for (const StandardComponent& row : kStandardComponents) {
    CGame* game = GAME;
    CDisplay* display = game != nullptr ? game->gameDisplay() : nullptr;
    const bool shown = ReadBoolSetting(kStandardSection, row.key);
    if (display != nullptr) display->displaySetComponent(row.component, shown);
  }
}
