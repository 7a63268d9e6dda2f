// The wanted stars: a full star per wanted level, empty stars filling the row up to six.
#pragma once

void DrawWantedStars();
