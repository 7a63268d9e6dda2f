// The crosshair: while the right mouse button is held, a texture chosen by the weapon, in the
// ready or the reload colour.
#pragma once

void DrawCrosshair();
