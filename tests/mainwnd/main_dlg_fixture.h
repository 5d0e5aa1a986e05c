// A main window created modeless on the settings record of the test, and the user's gestures
// sent to it exactly as its controls would send them.
#pragma once

#include "mainwnd/main_dlg.h"
#include "res/resource.h"
#include "window_test.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

// Positions of slots 0 to 5; 0 leaves a selector where it is.
using RingPositions = std::array<int, 6>;

class MainDlgTest : public CWindowTest
{
public:
    MainDlgTest();
    void TearDown() override;

    // Every series offered, so that all seven standard-value lines exist.
    void Open(UINT idTemplate = IDD_MAIN_VERTICAL);
    void Close();

    HWND Item(int id) const { return ::GetDlgItem(m_hDlg, id); }
    CSideBar& SideBar() const;

    // A drag of the selector's thumb: the position, then the trackbar's notifications.
    void MoveRing(int slot, int position);
    void MoveRings(const RingPositions& positions);
    int RingPos(int slot) const;
    RingPositions Rings() const;

    void TypeValue(const char* text);
    std::string ValueText() const;
    void ChooseEntry(int comboId, int index);
    int Selection(int comboId) const;
    void Command(UINT id);

    void TypeField(UINT fieldId, const char* text);
    std::string Field(UINT fieldId) const;
    std::string Line(UINT lineId) const;
    std::optional<COLORREF> LineColour(UINT lineId) const;

    CAppSettings m_settings;
    std::unique_ptr<CMainDlg> m_dlg;
    HWND m_hDlg = nullptr;
};
