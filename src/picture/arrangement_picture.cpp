// A combination drawn as a diagram of boxes and wires, its values below the boxes.
#include "picture/arrangement_picture.h"

#include "framework/handles.h"
#include "framework/paint_helpers.h"
#include "framework/scopes.h"
#include "model/combination_drawing.h"

#include <algorithm>
#include <array>
#include <string>

namespace
{
// Lines grow with the drawing: one pixel up to six pixels a grid unit.
constexpr double kUnitsPerLine = 6.0;
// The lightened highlight that fills the chosen resistor's box.
constexpr double kHighlightFill = 0.8;

// The pixels of a line of nLine pixels from one grid point to another, both ends included.
RECT Stroke(const DrawingFit& fit, int nLine, const GridWire& w)
{
    return {fit.X(std::min(w.x1, w.x2)) - nLine / 2, fit.Y(std::min(w.y1, w.y2)) - nLine / 2,
            fit.X(std::max(w.x1, w.x2)) + (nLine + 1) / 2, fit.Y(std::max(w.y1, w.y2)) + (nLine + 1) / 2};
}

RECT Pixels(const DrawingFit& fit, const LayoutBox& box)
{
    return {fit.X(box.left), fit.Y(box.top), fit.X(box.right), fit.Y(box.bottom)};
}

// Letters of nHeight pixels: the digits stand on the bottom of a cell of that height.
CFontHandle ValueFont(int nHeight)
{
    return CFontHandle(::CreateFontA(-std::max(1, nHeight), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Shell Dlg"));
}
} // namespace

// Values as high as their place; a value wider than its place makes every value smaller alike.
void DrawArrangement(HDC hDC, const RECT& rc, Arrangement arrangement, std::span<const double> slotOhms,
                     int nHighlight)
{
    const COLORREF crBack = ::GetSysColor(COLOR_WINDOW);
    const COLORREF crInk = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    FillSolidRect(hDC, rc, crBack);
    const ArrangementDrawing drawing = LayOutArrangement(arrangement);
    const DrawingFit fit = FitDrawing({rc.left, rc.top, rc.right, rc.bottom}, drawing.width, drawing.height);
    if (fit.scale <= 0.0)
        return;
    const int nLine = std::max(1, static_cast<int>(fit.scale / kUnitsPerLine));
    for (const GridWire& w : drawing.Wires())
        FillSolidRect(hDC, Stroke(fit, nLine, w), crInk);
    for (const GridWire& w : drawing.terminals)
        FillSolidRect(hDC, Stroke(fit, nLine, w), crInk);

    const std::size_t nSlots = std::min(static_cast<std::size_t>(drawing.resistors), slotOhms.size());
    std::array<std::string, kMaxCombinationResistors> texts;
    const RECT rcFirst = Pixels(fit, drawing.labels[0]);
    const int nWidth = rcFirst.right - rcFirst.left;
    const int nHeight = rcFirst.bottom - rcFirst.top;
    CFontHandle font = ValueFont(nHeight);
    CFontHandle smaller;
    // Declared after both fonts: the context gets its own font back before either is deleted.
    CSelectObject selectFont(hDC, font.get());
    int nWidest = 0;
    for (std::size_t slot = 0; slot < nSlots; ++slot)
    {
        texts[slot] = CombinationOhmsText(slotOhms[slot]);
        SIZE size{};
        ::GetTextExtentPoint32A(hDC, texts[slot].c_str(), static_cast<int>(texts[slot].size()), &size);
        nWidest = std::max(nWidest, static_cast<int>(size.cx));
    }
    if (nWidest > nWidth)
    {
        smaller = ValueFont(nHeight * nWidth / nWidest);
        ::SelectObject(hDC, smaller.get());
    }
    // The values' cells begin on the boxes' lower edges: only their letters are drawn.
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    const COLORREF crOldText = ::GetTextColor(hDC);
    for (std::size_t slot = 0; slot < nSlots; ++slot)
    {
        const bool bHighlight = static_cast<int>(slot) == nHighlight;
        const LayoutBox& box = drawing.boxes[slot];
        // An outline of nLine pixels: the whole box in the line's colour, then its inside filled.
        RECT rcBox = Stroke(fit, nLine, {box.left, box.top, box.right, box.bottom});
        FillSolidRect(hDC, rcBox, bHighlight ? crHighlight : crInk);
        ::InflateRect(&rcBox, -nLine, -nLine);
        FillSolidRect(hDC, rcBox, bHighlight ? LightenColor(crHighlight, kHighlightFill) : crBack);
        RECT rcLabel = Pixels(fit, drawing.labels[slot]);
        ::SetTextColor(hDC, bHighlight ? crHighlight : crInk);
        ::DrawTextA(hDC, texts[slot].c_str(), static_cast<int>(texts[slot].size()), &rcLabel,
                    DT_SINGLELINE | DT_CENTER | DT_TOP | DT_NOPREFIX | DT_NOCLIP);
    }
    ::SetTextColor(hDC, crOldText);
    ::SetBkMode(hDC, nOldMode);
}
