// An item of the quiz's colour lists: a swatch of the ring's colour before its name, so that the
// list reads as the rings look.
#pragma once

#include <windows.h>

// Draws item.itemID of the owner-drawn list of ring slot; item -1 (nothing chosen) shows only
// the background and the focus.
void DrawColourListItem(const DRAWITEMSTRUCT& item, int slot);
