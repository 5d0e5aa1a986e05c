// Where the parts of a combination's drawing lie, in grid units: each resistor a box with its
// value under it, in a row when in series, stacked between two rails when in parallel, and a
// terminal line at each end; and that grid fitted into an area of pixels.
#pragma once

#include "model/combination_arrangement.h"
#include "model/resistor_layout.h"

#include <array>
#include <cstddef>
#include <span>

// A straight wire, horizontal or vertical, from one grid point to another.
struct GridWire
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Two leads a resistor; a parallel group's two rails, its two ends and two wires a narrower
// branch: four resistors need at most 24.
inline constexpr std::size_t kMaxArrangementWires = 24;

struct ArrangementDrawing
{
    int width = 0;
    int height = 0;
    int resistors = 0;
    // By slot, up to the resistor count: each resistor's box and the place of its value below.
    std::array<LayoutBox, kMaxCombinationResistors> boxes{};
    std::array<LayoutBox, kMaxCombinationResistors> labels{};
    // The wires joining the boxes, then the terminal lines: the left one and the right one.
    std::array<GridWire, kMaxArrangementWires> wires{};
    std::size_t wireCount = 0;
    std::array<GridWire, 2> terminals{};

    std::span<const GridWire> Wires() const { return std::span(wires).first(wireCount); }
};

ArrangementDrawing LayOutArrangement(Arrangement arrangement);

// The grid scaled to fit the area and centred in it: grid point (x, y) lies at pixel
// (left + x * scale, top + y * scale). A small drawing is not blown up past the scale of one
// kFitLeastUnits units high, so that one resistor does not fill the area.
inline constexpr int kFitLeastUnits = 10;
struct DrawingFit
{
    double left = 0.0;
    double top = 0.0;
    double scale = 0.0;

    int X(int x) const;
    int Y(int y) const;
};

DrawingFit FitDrawing(const LayoutBox& area, int width, int height);
