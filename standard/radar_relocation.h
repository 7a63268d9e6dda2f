// Moves the game's radar to the configured position by patching the game's memory, once.
#pragma once

void RelocateRadar();
