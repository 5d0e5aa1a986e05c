// Where the parts of a combination's drawing lie, in grid units, and that grid fitted into an
// area of pixels.
#include "model/combination_drawing.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace
{
// A resistor's cell: a lead, the box, a lead, and its value as wide as the cell below the box.
constexpr int kLead = 1;
constexpr int kBoxWidth = 6;
constexpr int kBoxHeight = 2;
constexpr int kLabelHeight = 2;
constexpr int kCellWidth = kLead + kBoxWidth + kLead;
constexpr int kCellHeight = kBoxHeight + kLabelHeight;
// Between a parallel group's branches, under the value of the one above.
constexpr int kBranchGap = 1;
// A parallel group's wire from its end to its rail.
constexpr int kStub = 1;
constexpr int kTerminal = 2;

// A node's size and the height of the wire through it, from its top.
struct Extent
{
    int width = 0;
    int height = 0;
    int axis = 0;
};

using Nodes = std::span<const ArrangementNode>;

// Series parts share one axis; parallel branches stack, and the group's axis meets the rails
// half-way between the first branch's and the last one's.
Extent Measure(Nodes nodes, std::size_t& position)
{
    const ArrangementNode node = nodes[position++];
    if (node.kind == NodeKind::Resistor)
        return {kCellWidth, kCellHeight, kBoxHeight / 2};
    Extent whole;
    int below = 0;
    int firstAxis = 0;
    int lastAxis = 0;
    for (int part = 0; part < node.count; ++part)
    {
        const Extent extent = Measure(nodes, position);
        if (node.kind == NodeKind::Series)
        {
            whole.width += extent.width;
            whole.axis = std::max(whole.axis, extent.axis);
            below = std::max(below, extent.height - extent.axis);
            continue;
        }
        if (part > 0)
            whole.height += kBranchGap;
        if (part == 0)
            firstAxis = extent.axis;
        lastAxis = whole.height + extent.axis;
        whole.height += extent.height;
        whole.width = std::max(whole.width, extent.width);
    }
    if (node.kind == NodeKind::Series)
        return {whole.width, whole.axis + below, whole.axis};
    return {whole.width + 2 * kStub, whole.height, (firstAxis + lastAxis) / 2};
}

Extent MeasureAt(Nodes nodes, std::size_t position)
{
    return Measure(nodes, position);
}

void AddWire(ArrangementDrawing& drawing, int x1, int y1, int x2, int y2)
{
    if ((x1 != x2 || y1 != y2) && drawing.wireCount < drawing.wires.size())
        drawing.wires[drawing.wireCount++] = {x1, y1, x2, y2};
}

// Lays the node at `position` out with its top-left corner at (x, y), leaving `position` after it.
void Place(Nodes nodes, std::size_t& position, int x, int y, ArrangementDrawing& drawing)
{
    const Extent whole = MeasureAt(nodes, position);
    const ArrangementNode node = nodes[position++];
    const int axis = y + whole.axis;
    if (node.kind == NodeKind::Resistor)
    {
        drawing.boxes[node.count] = {x + kLead, y, x + kLead + kBoxWidth, y + kBoxHeight};
        drawing.labels[node.count] = {x, y + kBoxHeight, x + kCellWidth, y + kCellHeight};
        AddWire(drawing, x, axis, x + kLead, axis);
        AddWire(drawing, x + kLead + kBoxWidth, axis, x + kCellWidth, axis);
        return;
    }
    const int leftRail = x + kStub;
    const int rightRail = x + whole.width - kStub;
    int nextX = x;
    int nextY = y;
    int firstAxis = 0;
    int lastAxis = 0;
    for (int part = 0; part < node.count; ++part)
    {
        const Extent extent = MeasureAt(nodes, position);
        if (node.kind == NodeKind::Series)
        {
            Place(nodes, position, nextX, axis - extent.axis, drawing);
            nextX += extent.width;
            continue;
        }
        // A narrower branch sits in the middle, wired out to both rails.
        const int branchX = leftRail + (rightRail - leftRail - extent.width) / 2;
        Place(nodes, position, branchX, nextY, drawing);
        lastAxis = nextY + extent.axis;
        if (part == 0)
            firstAxis = lastAxis;
        AddWire(drawing, leftRail, lastAxis, branchX, lastAxis);
        AddWire(drawing, branchX + extent.width, lastAxis, rightRail, lastAxis);
        nextY += extent.height + kBranchGap;
    }
    if (node.kind == NodeKind::Parallel)
    {
        AddWire(drawing, leftRail, firstAxis, leftRail, lastAxis);
        AddWire(drawing, rightRail, firstAxis, rightRail, lastAxis);
        AddWire(drawing, x, axis, leftRail, axis);
        AddWire(drawing, rightRail, axis, x + whole.width, axis);
    }
}
} // namespace

ArrangementDrawing LayOutArrangement(Arrangement arrangement)
{
    const Nodes nodes = ArrangementShape(arrangement);
    const Extent whole = MeasureAt(nodes, 0);
    ArrangementDrawing drawing;
    drawing.width = kTerminal + whole.width + kTerminal;
    drawing.height = whole.height;
    drawing.resistors = ArrangementResistorCount(arrangement);
    std::size_t position = 0;
    Place(nodes, position, kTerminal, 0, drawing);
    drawing.terminals = {{{0, whole.axis, kTerminal, whole.axis},
                          {kTerminal + whole.width, whole.axis, drawing.width, whole.axis}}};
    return drawing;
}

int DrawingFit::X(int x) const
{
    return static_cast<int>(std::lround(left + x * scale));
}

int DrawingFit::Y(int y) const
{
    return static_cast<int>(std::lround(top + y * scale));
}

DrawingFit FitDrawing(const LayoutBox& area, int width, int height)
{
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    if (width <= 0 || height <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return {static_cast<double>(area.left), static_cast<double>(area.top), 0.0};
    // The last pixel of a line drawn on the far edge still lies inside.
    const double scale =
        std::min({static_cast<double>(areaWidth - 1) / width, static_cast<double>(areaHeight - 1) / height,
                  static_cast<double>(areaHeight) / kFitLeastUnits});
    return {area.left + (areaWidth - 1 - width * scale) / 2.0,
            area.top + (areaHeight - 1 - height * scale) / 2.0, scale};
}
