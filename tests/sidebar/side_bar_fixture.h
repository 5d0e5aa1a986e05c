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
constexpr int kBarHeight = 400;

// Records every EN_CHANGE of its edit rows, with the field's text at that moment.
class CRecordingSideBar : public CSideBar
{
public:
    struct Change
    {
        UINT id;
        std::string text;
    };
    std::vector<Change> m_changes;

protected:
    bool ProcessMessage(CMessage& msg, LRESULT& result) override;

private:
    LRESULT OnEditChange(CMessage& msg);
    static const TMessageEntry<CRecordingSideBar> s_messageMap[];
};

class SideBarTest : public CWindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Group 0: two links and an edit row; group 1: one link.
    void AddContent();
    void Resize(int nHeight);
    // Paints until nothing is left invalid (showing the scroll bar invalidates once more).
    void Paint();
    bool IsInvalid() const;
    COLORREF Pixel(int x, int y) const;
    bool HasScrollBar() const;

    // Title height of the look, row height.
    int TitleHeight() const;
    static int RowHeight();

    CSideBarItem& Item(int nGroup, int nIndex) const;
    // The centre of a content rectangle, as a client point.
    POINT ClientCentre(const RECT& rcContent) const;
    void MouseMove(POINT pt);
    void Press(POINT pt);
    void Release(POINT pt);
    // The cursor set by WM_SETCURSOR over the client area.
    HCURSOR CursorOverClient() const;
    static HCURSOR HandCursor();
    // The command posted to the top-level window, or 0.
    UINT TakeCommand();

    CRecordingSideBar m_sideBar;
    HWND m_hHost = nullptr;
    HWND m_hBar = nullptr;
};
