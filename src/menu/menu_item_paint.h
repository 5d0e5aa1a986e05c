// Measuring and drawing one owner-drawn menu item in the XP-like or the classic look.
#pragma once

#include "menu/new_menu.h"

void MeasureMenuItem(const CMenuItemData& item, const CMenuPaintTools& tools, MEASUREITEMSTRUCT& mis);
void DrawMenuItem(const CMenuItemData& item, const CMenuPaintTools& tools, const DRAWITEMSTRUCT& dis);
