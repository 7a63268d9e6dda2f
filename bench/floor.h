// The floors: the host calls the module must make for one frame, one main-loop call and one
// settings load in the busy state of busy_hud.h, made one after another with constant arguments
// and nothing else. What the module costs beyond its floor is its own work.
#pragma once

void FloorFrame();
void FloorMainLoop();
void FloorSettingsLoad();
