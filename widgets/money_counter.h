// The money counter: a balance that rolls toward the player's money, and the amount of the last
// change for 4000 ms after it.
#pragma once

#include <cstdint>

// The change indicator is showing; the ammo counter moves out of its way meanwhile.
extern bool bShowMoneyDelta;

// Stamps the time of the last change with the tick at load.
void StampMoneyDeltaTick();

void UpdateMoneyCounter();
void DrawMoneyCounter();
