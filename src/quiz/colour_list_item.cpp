#include "quiz/colour_list_item.h"

#include "framework/paint_helpers.h"
#include "model/ring_colours.h"
#include "picture/resistor_picture.h"

#include <optional>
#include <string>

namespace
{
// Drawn round every swatch: white and silver stay visible on a white list.
constexpr COLORREF kSwatchFrame = RGB(64, 64, 64);
} // namespace

void DrawColourListItem(const DRAWITEMSTRUCT& item, int slot)
{
    const bool bSelected = (item.itemState & ODS_SELECTED) != 0;
    FillSolidRect(item.hDC, item.rcItem, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != static_cast<UINT>(-1))
    {
        const int nSide = item.rcItem.bottom - item.rcItem.top - 4;
        const RECT rcSwatch{item.rcItem.left + 2, item.rcItem.top + 2, item.rcItem.left + 2 + nSide,
                            item.rcItem.top + 2 + nSide};
        if (const std::optional<RingRgb> colour = RingColour(slot, static_cast<int>(item.itemID) + 1))
        {
            FillSolidRect(item.hDC, rcSwatch, kSwatchFrame);
            FillSolidRect(item.hDC,
                          {rcSwatch.left + 1, rcSwatch.top + 1, rcSwatch.right - 1, rcSwatch.bottom - 1},
                          ToColorRef(*colour));
        }
        const LRESULT nLength = ::SendMessageA(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0);
        std::string strText(nLength > 0 ? static_cast<size_t>(nLength) + 1 : 1, '\0');
        if (nLength > 0)
            ::SendMessageA(item.hwndItem, CB_GETLBTEXT, item.itemID,
                           reinterpret_cast<LPARAM>(strText.data()));
        strText.resize(nLength > 0 ? static_cast<size_t>(nLength) : 0);
        RECT rcText = item.rcItem;
        rcText.left = rcSwatch.right + 4;
        const int nOldMode = ::SetBkMode(item.hDC, TRANSPARENT);
        const COLORREF crOld =
            ::SetTextColor(item.hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        ::DrawTextA(item.hDC, strText.c_str(), static_cast<int>(strText.size()), &rcText,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        ::SetTextColor(item.hDC, crOld);
        ::SetBkMode(item.hDC, nOldMode);
    }
    if ((item.itemState & ODS_FOCUS) != 0)
        ::DrawFocusRect(item.hDC, &item.rcItem);
}
