// The ammo counter: the current weapon's ammunition outside the clip and, to its left, the clip;
// or the weapon's whole total alone for weapons without a clip readout.
#pragma once

void UpdateAmmoCounter();
void DrawAmmoCounter();
