// The drawing of every arrangement: one box a slot, nothing overlapping, every box wired in, the
// wires making the very network the arrangement reckons, and the grid fitted into pixels.
#include "model/combination_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace
{
struct Point
{
    int x;
    int y;
    bool operator==(const Point&) const = default;
};

bool OnWire(const GridWire& w, Point p)
{
    return std::min(w.x1, w.x2) <= p.x && p.x <= std::max(w.x1, w.x2) && std::min(w.y1, w.y2) <= p.y &&
           p.y <= std::max(w.y1, w.y2);
}

// Open interiors meet: touching edges are fine.
bool Overlap(const LayoutBox& a, const LayoutBox& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A wire through a box or a value, not along its edge.
bool CrossesInside(const GridWire& w, const LayoutBox& box)
{
    if (w.y1 == w.y2)
        return box.top < w.y1 && w.y1 < box.bottom && std::min(w.x1, w.x2) < box.right &&
               box.left < std::max(w.x1, w.x2);
    return box.left < w.x1 && w.x1 < box.right && std::min(w.y1, w.y2) < box.bottom &&
           box.top < std::max(w.y1, w.y2);
}

Point LeftEnd(const LayoutBox& box)
{
    return {box.left, (box.top + box.bottom) / 2};
}
Point RightEnd(const LayoutBox& box)
{
    return {box.right, (box.top + box.bottom) / 2};
}

std::vector<GridWire> AllWires(const ArrangementDrawing& drawing)
{
    std::vector<GridWire> wires(drawing.Wires().begin(), drawing.Wires().end());
    wires.insert(wires.end(), drawing.terminals.begin(), drawing.terminals.end());
    return wires;
}

// The resistance between the terminals' outer ends as the drawing wires it: points on one wire are
// one node; the nodes' voltages for one ampere in at the left, the right one at 0 volts.
double DrawnOhms(const ArrangementDrawing& drawing, const std::vector<double>& slotOhms)
{
    const std::vector<GridWire> wires = AllWires(drawing);
    std::vector<Point> points{{drawing.terminals[0].x1, drawing.terminals[0].y1},
                              {drawing.terminals[1].x2, drawing.terminals[1].y2}};
    for (int slot = 0; slot < drawing.resistors; ++slot)
    {
        points.push_back(LeftEnd(drawing.boxes[static_cast<std::size_t>(slot)]));
        points.push_back(RightEnd(drawing.boxes[static_cast<std::size_t>(slot)]));
    }
    for (const GridWire& w : wires)
    {
        points.push_back({w.x1, w.y1});
        points.push_back({w.x2, w.y2});
    }
    std::vector<std::size_t> node(points.size());
    std::iota(node.begin(), node.end(), 0);
    const auto root = [&](std::size_t i)
    {
        while (node[i] != i)
            i = node[i];
        return i;
    };
    for (const GridWire& w : wires)
    {
        const auto first = static_cast<std::size_t>(
            std::find(points.begin(), points.end(), Point{w.x1, w.y1}) - points.begin());
        for (std::size_t i = 0; i < points.size(); ++i)
        {
            if (OnWire(w, points[i]))
                node[root(i)] = root(first);
        }
    }
    // Nodal equations over the nodes but the right terminal's, Gaussian elimination.
    std::vector<std::size_t> index(points.size(), points.size());
    std::size_t count = 0;
    for (std::size_t i = 0; i < points.size(); ++i)
    {
        if (root(i) != root(1) && index[root(i)] == points.size())
            index[root(i)] = count++;
    }
    std::vector<std::vector<double>> g(count, std::vector<double>(count + 1, 0.0));
    g[index[root(0)]][count] = 1.0;
    for (int slot = 0; slot < drawing.resistors; ++slot)
    {
        const double conductance = 1.0 / slotOhms[static_cast<std::size_t>(slot)];
        const std::size_t a = index[root(2 + 2 * static_cast<std::size_t>(slot))];
        const std::size_t b = index[root(3 + 2 * static_cast<std::size_t>(slot))];
        for (auto [p, q] : {std::pair(a, b), std::pair(b, a)})
        {
            if (p == points.size())
                continue;
            g[p][p] += conductance;
            if (q != points.size())
                g[p][q] -= conductance;
        }
    }
    for (std::size_t col = 0; col < count; ++col)
    {
        const auto pivot = std::max_element(g.begin() + static_cast<std::ptrdiff_t>(col), g.end(),
                                            [col](const auto& r, const auto& s)
                                            { return std::abs(r[col]) < std::abs(s[col]); });
        if (std::abs((*pivot)[col]) < 1e-12)
            return NAN;
        std::swap(*pivot, g[col]);
        for (std::size_t row = 0; row < count; ++row)
        {
            const double factor = g[row][col] / g[col][col];
            for (std::size_t k = col; row != col && k <= count; ++k)
                g[row][k] -= factor * g[col][k];
        }
    }
    const std::size_t in = index[root(0)];
    return g[in][count] / g[in][in];
}

class EveryArrangement : public ::testing::TestWithParam<int>
{
protected:
    static Arrangement Shown() { return static_cast<Arrangement>(GetParam()); }
};

TEST_P(EveryArrangement, OneBoxASlotNothingOverlappingAllInside)
{
    const ArrangementDrawing drawing = LayOutArrangement(Shown());
    const auto n = static_cast<std::size_t>(ArrangementResistorCount(Shown()));
    ASSERT_EQ(drawing.resistors, static_cast<int>(n));
    std::vector<LayoutBox> parts;
    for (std::size_t slot = 0; slot < kMaxCombinationResistors; ++slot)
    {
        if (slot >= n)
        {
            EXPECT_EQ(drawing.boxes[slot], LayoutBox{}) << slot;
            continue;
        }
        const LayoutBox& box = drawing.boxes[slot];
        const LayoutBox& label = drawing.labels[slot];
        EXPECT_GT(box.right - box.left, 2 * (box.bottom - box.top)) << slot;
        EXPECT_EQ(label.top, box.bottom) << slot;
        EXPECT_LE(label.left, box.left) << slot;
        EXPECT_GE(label.right, box.right) << slot;
        EXPECT_GT(label.bottom, label.top) << slot;
        parts.push_back(box);
        parts.push_back(label);
    }
    for (std::size_t i = 0; i < parts.size(); ++i)
    {
        for (std::size_t j = i + 1; j < parts.size(); ++j)
            EXPECT_FALSE(Overlap(parts[i], parts[j])) << i << " " << j;
    }
    // Every part within the size, and the size no larger than the parts.
    LayoutBox extent{drawing.width, drawing.height, 0, 0};
    const auto take = [&](int x, int y)
    {
        extent = {std::min(extent.left, x), std::min(extent.top, y), std::max(extent.right, x),
                  std::max(extent.bottom, y)};
    };
    for (const LayoutBox& part : parts)
    {
        take(part.left, part.top);
        take(part.right, part.bottom);
    }
    for (const GridWire& w : AllWires(drawing))
    {
        take(w.x1, w.y1);
        take(w.x2, w.y2);
        EXPECT_TRUE(w.x1 == w.x2 || w.y1 == w.y2);
        for (const LayoutBox& part : parts)
            EXPECT_FALSE(CrossesInside(w, part)) << w.x1 << "," << w.y1 << "-" << w.x2 << "," << w.y2;
    }
    EXPECT_EQ(extent, (LayoutBox{0, 0, drawing.width, drawing.height}));
}

TEST_P(EveryArrangement, TheWiresMakeTheNetworkItReckons)
{
    const ArrangementDrawing drawing = LayOutArrangement(Shown());
    const std::vector<GridWire> wires = AllWires(drawing);
    for (int slot = 0; slot < drawing.resistors; ++slot)
    {
        for (Point end : {LeftEnd(drawing.boxes[static_cast<std::size_t>(slot)]),
                          RightEnd(drawing.boxes[static_cast<std::size_t>(slot)])})
        {
            EXPECT_TRUE(
                std::any_of(wires.begin(), wires.end(), [end](const GridWire& w) { return OnWire(w, end); }))
                << "slot " << slot << " end " << end.x;
        }
    }
    EXPECT_EQ(drawing.terminals[0].x1, 0);
    EXPECT_EQ(drawing.terminals[1].x2, drawing.width);
    // Values far apart, so that a resistor in another place gives another resistance.
    const std::vector<double> ohms{1000.0, 2200.0, 4700.0, 10'000.0};
    const double expected = ArrangementOhms(Shown(), ohms);
    EXPECT_NEAR(DrawnOhms(drawing, ohms), expected, expected * 1e-9);
}

INSTANTIATE_TEST_SUITE_P(All, EveryArrangement, ::testing::Range(0, static_cast<int>(kArrangementCount)),
                         [](const ::testing::TestParamInfo<int>& param)
                         { return std::to_string(param.param); });

enum class Grows
{
    Same,
    More,
};

TEST(LayOutArrangement, SeriesAddsWidthParallelAddsHeight)
{
    using A = Arrangement;
    const struct
    {
        Arrangement smaller;
        Arrangement larger;
        Grows width;
        Grows height;
    } cases[] = {
        {A::Single, A::Series2, Grows::More, Grows::Same},
        {A::Series2, A::Series3, Grows::More, Grows::Same},
        {A::Series3, A::Series4, Grows::More, Grows::Same},
        {A::Single, A::Parallel2, Grows::More, Grows::More},
        {A::Parallel2, A::Parallel3, Grows::Same, Grows::More},
        {A::Parallel3, A::Parallel4, Grows::Same, Grows::More},
        {A::Parallel2, A::ParallelInSeries3, Grows::More, Grows::Same},
        {A::Series2, A::SeriesInParallel3, Grows::More, Grows::More},
        {A::SeriesInParallel3, A::SeriesByTwo4, Grows::Same, Grows::More},
        {A::ParallelInSeries3, A::ParallelPlusTwo4, Grows::More, Grows::Same},
        {A::Parallel3, A::ParallelThreePlusOne4, Grows::More, Grows::Same},
        {A::Series3, A::SeriesThreeByOne4, Grows::More, Grows::More},
        {A::ParallelInSeries3, A::ParallelPairsInSeries4, Grows::More, Grows::Same},
        {A::Parallel2, A::SeriesPairsInParallel4, Grows::More, Grows::Same},
        {A::SeriesInParallel3, A::NestedSeriesFirst4, Grows::More, Grows::Same},
        {A::ParallelInSeries3, A::NestedParallelFirst4, Grows::More, Grows::More},
    };
    const auto grows = [](int before, int after)
    {
        EXPECT_GE(after, before);
        return after > before ? Grows::More : Grows::Same;
    };
    for (const auto& c : cases)
    {
        const ArrangementDrawing smaller = LayOutArrangement(c.smaller);
        const ArrangementDrawing larger = LayOutArrangement(c.larger);
        EXPECT_EQ(grows(smaller.width, larger.width), c.width) << static_cast<int>(c.larger);
        EXPECT_EQ(grows(smaller.height, larger.height), c.height) << static_cast<int>(c.larger);
    }
    // Each resistor more in a row adds as much.
    EXPECT_EQ(LayOutArrangement(A::Series4).width - LayOutArrangement(A::Series3).width,
              LayOutArrangement(A::Series2).width - LayOutArrangement(A::Single).width);
}

TEST(FitDrawing, CentredWithinTheAreaAsLargeAsItFits)
{
    const struct
    {
        LayoutBox area;
        int width;
        int height;
        double scale;
    } cases[] = {
        {{0, 0, 361, 101}, 36, 4, 10.0},    // as wide as the area
        {{10, 20, 210, 211}, 14, 19, 10.0}, // as high
        {{0, 0, 300, 100}, 12, 4, 10.0},    // no larger than ten units high
        {{5, 5, 6, 6}, 12, 4, 0.0},         // one pixel
        {{0, 0, 100, 100}, 0, 4, 0.0},      // nothing to draw
        {{0, 0, 100, 0}, 12, 4, 0.0},       // no room
    };
    for (const auto& c : cases)
    {
        const DrawingFit fit = FitDrawing(c.area, c.width, c.height);
        EXPECT_DOUBLE_EQ(fit.scale, c.scale) << c.area.right;
        if (c.scale == 0.0)
            continue;
        const int leftMargin = fit.X(0) - c.area.left;
        const int rightMargin = c.area.right - 1 - fit.X(c.width);
        const int topMargin = fit.Y(0) - c.area.top;
        const int bottomMargin = c.area.bottom - 1 - fit.Y(c.height);
        EXPECT_GE(std::min({leftMargin, rightMargin, topMargin, bottomMargin}), 0) << c.area.right;
        EXPECT_LE(std::abs(leftMargin - rightMargin), 1) << c.area.right;
        EXPECT_LE(std::abs(topMargin - bottomMargin), 1) << c.area.right;
    }
}
} // namespace
