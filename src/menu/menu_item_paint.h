// Measuring and drawing one owner-drawn menu item in the XP-like or the classic look.
#pragma once

#include "menu/new_menu.h"

// The system's menu font, its bold form and the "Marlett" glyphs, for one showing of a menu.
CMenuPaintTools CreateMenuPaintTools(bool bClassic);

void MeasureMenuItem(const CMenuItemData& item, const CMenuPaintTools& tools, MEASUREITEMSTRUCT& mis);
void DrawMenuItem(const CMenuItemData& item, const CMenuPaintTools& tools, const DRAWITEMSTRUCT& dis);
