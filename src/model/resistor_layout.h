// Where the parts of a resistor drawn at any size lie in a rectangle: the leads, the end caps,
// the body between them and the six ring places along the body, in the rectangle's own pixels.
#pragma once

#include "model/resistor_state.h"
#include "model/ring_colours.h"

#include <array>

struct LayoutBox
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const LayoutBox&) const = default;
};

struct ResistorLayout
{
    // Lying: along x, the first lead on the left; upright: along y, the first lead at the top.
    bool horizontal = true;
    // Centred in the area, at the proportions of a real resistor whatever the area's shape.
    LayoutBox whole;
    LayoutBox leads;
    std::array<LayoutBox, 2> caps;
    LayoutBox body;
    // By slot: the digits, the multiplier, the tolerance and the temperature coefficient.
    std::array<LayoutBox, kRingSlotCount> rings;
};

// An area too small for the parts to stay apart gets an empty layout: every box at 0, 0.
ResistorLayout LayOutResistor(const LayoutBox& area, bool horizontal);

// The offset, from the ring's lit edge, where pass n of the ring's shading starts: the main
// picture's rule (one pixel a pass across its 63 pixels) scaled to the ring's thickness.
int RingPassOffset(int thickness, int pass);

// A ring of this colour is hard to tell from the body's colour: it gets an outline.
bool IsCloseColour(const RingRgb& a, const RingRgb& b);
