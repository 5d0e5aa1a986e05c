// Drawing pieces that the side bar's looks share: fonts, the chevron and text flags.
#pragma once

#include "framework/handles.h"
#include "framework/paint_helpers.h"

#include <windows.h>

// Title and row texts: one line, centred vertically, cut with an ellipsis.
constexpr UINT kSideBarTextFlags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

// The stock ANSI variable font in bold, for title bars.
CFontHandle CreateSideBarBoldFont();

// Two chevrons in the box with the current pen: pointing up while open, down while collapsed.
void DrawChevron(HDC hDC, const RECT& rcBox, BOOL bCollapsed);
