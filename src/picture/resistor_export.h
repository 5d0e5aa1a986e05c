// The picture that is copied, saved and printed: a small resistor drawn from its own artwork
// with flat rings, not a copy of the window.
#pragma once

#include "framework/handles.h"
#include "model/resistor_state.h"

#include <windows.h>

// Ring nBande (0 to 5) of the small resistor, as Rectangle takes it with the null pen.
RECT ExportRingRect(int nBande, bool bHorizontal);

// A bitmap compatible with hReference (null: the screen); nothing when the artwork or the
// memory is missing. Rings that the ring count leaves out keep their place empty.
CBitmapHandle RenderResistorPicture(HDC hReference, const ResistorState& state, bool bHorizontal);
