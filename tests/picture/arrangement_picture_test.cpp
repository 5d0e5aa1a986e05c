// A combination's diagram painted into memory: the boxes' outlines and the wires where the
// layout puts them, the chosen resistor and its value in the highlight colour, nothing outside.
#include "canvas.h"

#include "model/combination_drawing.h"
#include "picture/arrangement_picture.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr COLORREF kUntouched = RGB(1, 2, 3);

struct DrawnCase
{
    Arrangement arrangement;
    std::vector<double> ohms;
    int highlight;
};

TEST(DrawArrangement, BoxesWiresAndValuesWhereTheLayoutSays)
{
    const DrawnCase cases[] = {
        {Arrangement::Series2, {4700.0, 1000.0}, 1},
        {Arrangement::SeriesInParallel3, {4700.0, 1000.0, 10'000.0}, 2},
        {Arrangement::NestedParallelFirst4, {1.0, 2.2, 470.0, 1e6}, 0},
        {Arrangement::Parallel4, {10.0, 22.0, 33.0, 47.0}, -1},
    };
    const COLORREF crInk = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF crBack = ::GetSysColor(COLOR_WINDOW);
    for (const DrawnCase& c : cases)
    {
        const int n = static_cast<int>(c.arrangement);
        CCanvas canvas(240, 130, kUntouched);
        const RECT rc{10, 5, 230, 125};
        DrawArrangement(canvas.dc(), rc, c.arrangement, c.ohms, c.highlight);
        const ArrangementDrawing drawing = LayOutArrangement(c.arrangement);
        const DrawingFit fit =
            FitDrawing({rc.left, rc.top, rc.right, rc.bottom}, drawing.width, drawing.height);
        ASSERT_GT(fit.scale, 4.0) << n;
        // The whole area painted, nothing beside it.
        EXPECT_EQ(canvas.Count(rc, kUntouched), 0) << n;
        EXPECT_EQ(canvas.Count({0, 0, 240, 130}, kUntouched), 240 * 130 - 220 * 120) << n;
        for (const GridWire& w : drawing.Wires())
        {
            EXPECT_EQ(canvas.Pixel((fit.X(w.x1) + fit.X(w.x2)) / 2, (fit.Y(w.y1) + fit.Y(w.y2)) / 2), crInk)
                << n;
        }
        for (const GridWire& w : drawing.terminals)
        {
            EXPECT_EQ(canvas.Pixel(fit.X(w.x1), fit.Y(w.y1)), crInk) << n;
            EXPECT_EQ(canvas.Pixel(fit.X(w.x2), fit.Y(w.y2)), crInk) << n;
        }
        for (int slot = 0; slot < drawing.resistors; ++slot)
        {
            const LayoutBox& box = drawing.boxes[static_cast<std::size_t>(slot)];
            const COLORREF crLine = slot == c.highlight ? crHighlight : crInk;
            const int xMiddle = fit.X((box.left + box.right) / 2);
            const int yMiddle = fit.Y((box.top + box.bottom) / 2);
            EXPECT_EQ(canvas.Pixel(fit.X(box.left), yMiddle), crLine) << n << " " << slot;
            EXPECT_EQ(canvas.Pixel(fit.X(box.right), yMiddle), crLine) << n << " " << slot;
            EXPECT_EQ(canvas.Pixel(xMiddle, fit.Y(box.top)), crLine) << n << " " << slot;
            EXPECT_EQ(canvas.Pixel(xMiddle, fit.Y(box.bottom)), crLine) << n << " " << slot;
            EXPECT_NE(canvas.Pixel(xMiddle, yMiddle), crLine) << n << " " << slot;
            const LayoutBox& label = drawing.labels[static_cast<std::size_t>(slot)];
            const RECT rcLabel{fit.X(label.left), fit.Y(label.top) + 1, fit.X(label.right),
                               fit.Y(label.bottom)};
            EXPECT_GT(canvas.Count(rcLabel, crLine), 5) << n << " " << slot;
            EXPECT_GT(canvas.Count(rcLabel, crBack), canvas.Count(rcLabel, crLine)) << n << " " << slot;
        }
        if (c.highlight < 0)
        {
            EXPECT_EQ(canvas.Count(rc, crHighlight), 0) << n;
        }
    }
}

// Values too long for their place shrink, all alike: the chosen one stays within its own place.
TEST(DrawArrangement, LongValuesStayInTheirPlace)
{
    CCanvas canvas(200, 60, kUntouched);
    const RECT rc{0, 0, 200, 60};
    const std::vector<double> ohms{4753.21, 123'456.7, 4753.21, 976'543.0};
    DrawArrangement(canvas.dc(), rc, Arrangement::Series4, ohms, 1);
    const ArrangementDrawing drawing = LayOutArrangement(Arrangement::Series4);
    const DrawingFit fit = FitDrawing({rc.left, rc.top, rc.right, rc.bottom}, drawing.width, drawing.height);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const LayoutBox& label = drawing.labels[1];
    const LayoutBox& box = drawing.boxes[1];
    const int nInLabel = canvas.Count(
        {fit.X(label.left), fit.Y(label.top) + 1, fit.X(label.right), fit.Y(label.bottom) + 1}, crHighlight);
    const int nInBox = canvas.Count(
        {fit.X(box.left), fit.Y(box.top), fit.X(box.right) + 1, fit.Y(box.bottom) + 1}, crHighlight);
    EXPECT_GT(nInLabel, 5);
    EXPECT_EQ(canvas.Count(rc, crHighlight), nInLabel + nInBox);
}
} // namespace
