#pragma once
// GXDiscardNcActivate: while a grid cell's drop-down list is open, the window that holds the
// grid should not change its frame's active look (the list takes the activation for a moment).
// The grid's view says when a list opens and closes.
#include "platform/mfc/afxtypes.h"

BOOL GXDiscardNcActivate();
void GXSetDropDownOpen(BOOL open);
