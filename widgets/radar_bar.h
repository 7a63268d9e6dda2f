// The radar bar: health, and beside it armour or oxygen, drawn from filled boxes.
#pragma once

void DrawRadarBar();
