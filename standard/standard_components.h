// Shows or hides the game's own display components as the [Standart] section says, once.
#pragma once

void ApplyStandardComponents();
