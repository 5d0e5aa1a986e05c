// A side bar on a plain top-level window, filled with two groups, driven with the messages the
// system would send and read back pixel by pixel.
#pragma once

#include "sidebar/side_bar.h"

#include "window_test.h"

#include <string>
#include <vector>

constexpr UINT kFirstLink = 100;
constexpr UINT kSecondLink = 101;
constexpr UINT kThirdLink = 102;
constexpr UINT kEditRow = 200;
constexpr int kBarWidth = 180;

// Records each EN_CHANGE of its edit rows with the field's text at that moment.
class CRecordingSideBar : public CSideBar
{
public:
    std::vector<std::string> m_changes;

protected:
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    void OnEditChange(UINT id, HWND hEdit);
    static const CMessageEntry s_messageEntries[];
};

class SideBarTest : public CWindowTest
{
protected:
    // Group 0: two links and an edit row; group 1: one link. Painted once.
    void SetUp() override;
    void TearDown() override;

    void Resize(int nHeight);
    // Paints until nothing is left invalid (showing the scroll bar invalidates once more).
    void Paint();
    bool IsInvalid() const { return ::GetUpdateRect(m_hBar, nullptr, FALSE) != FALSE; }
    COLORREF Pixel(int x, int y) const;
    bool HasScrollBar() const { return (::GetWindowLongA(m_hBar, GWL_STYLE) & WS_VSCROLL) != 0; }
    int TitleHeight() const;
    static int RowHeight() { return ::MulDiv(::GetSystemMetrics(SM_CYMENU), 9, 8); }

    CSideBarItem& Item(int nGroup, int nIndex) const { return *m_sideBar.GetGroup(nGroup)->GetItem(nIndex); }
    HWND EditWindow() const { return static_cast<CSideBarEditItem&>(Item(0, 2)).GetEditWindow(); }
    // The centre of a content rectangle, as a client point.
    POINT ClientCentre(const RECT& rc) const
    {
        return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 - m_sideBar.GetScrollPosition()};
    }
    void Mouse(UINT message, POINT pt) { ::SendMessageA(m_hBar, message, 0, MAKELPARAM(pt.x, pt.y)); }
    // The cursor that WM_SETCURSOR over the client area leaves set.
    HCURSOR CursorOverClient() const;
    static HCURSOR HandCursor();
    // The command posted to the top-level window, or 0.
    UINT TakeCommand();

    CRecordingSideBar m_sideBar;
    HWND m_hHost = nullptr;
    HWND m_hBar = nullptr;
};
