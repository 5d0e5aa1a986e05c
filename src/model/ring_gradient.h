// The shading of a painted ring: a light grey at its lit edge that runs into the ring's colour.
#pragma once

#include "model/ring_colours.h"

// A ring is painted in this many overlapping passes, each starting one step further from the
// lit edge; the last pass covers the rest of the ring.
constexpr int kRingGradientPasses = 51;

// Pass 0 is (210, 210, 210); the last pass is the ring colour, except that the single-precision
// step and the truncation end a component 255 at 254 and a component 136 at 135.
RingRgb RingGradientColour(const RingRgb& colour, int pass);
