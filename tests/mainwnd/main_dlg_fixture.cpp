// The main window fixture: gestures as messages, reads of controls and side-bar rows.
#include "main_dlg_fixture.h"

#include "res/resource.h"

#include <commctrl.h>

MainDlgTest::MainDlgTest()
{
    // The first-run question would wait for an answer; the one test of it asks for it.
    m_settings.m_bFirstRun = FALSE;
}

void MainDlgTest::TearDown()
{
    Close();
    CWindowTest::TearDown();
}

void MainDlgTest::Open(UINT idTemplate)
{
    for (BOOL& bUse : m_settings.m_bUseSeries)
        bUse = TRUE;
    m_dlg = std::make_unique<CMainDlg>(idTemplate, m_settings);
    ASSERT_TRUE(m_dlg->Create());
    m_hDlg = m_dlg->GetSafeHwnd();
    ASSERT_NE(dynamic_cast<CSideBar*>(CWnd::FromHandle(Item(IDC_SIDEBAR))), nullptr);
}

void MainDlgTest::Close()
{
    if (m_hDlg != nullptr && ::IsWindow(m_hDlg))
        ::DestroyWindow(m_hDlg);
    m_hDlg = nullptr;
    m_dlg.reset();
}

CSideBar& MainDlgTest::SideBar() const
{
    return *dynamic_cast<CSideBar*>(CWnd::FromHandle(Item(IDC_SIDEBAR)));
}

void MainDlgTest::MoveRing(int slot, int position)
{
    DragSelector(Item(IDC_BANDE1 + slot), position);
}

void MainDlgTest::MoveRings(const RingPositions& positions)
{
    for (int slot = 0; slot < 6; ++slot)
    {
        if (positions[static_cast<size_t>(slot)] != 0)
            MoveRing(slot, positions[static_cast<size_t>(slot)]);
    }
}

int MainDlgTest::RingPos(int slot) const
{
    return static_cast<int>(::SendMessageA(Item(IDC_BANDE1 + slot), TBM_GETPOS, 0, 0));
}

RingPositions MainDlgTest::Rings() const
{
    RingPositions positions{};
    for (int slot = 0; slot < 6; ++slot)
        positions[static_cast<size_t>(slot)] = RingPos(slot);
    return positions;
}

// The edit raises EN_CHANGE to the dialog before SetWindowText returns, as a keystroke does.
void MainDlgTest::TypeValue(const char* text)
{
    ::SetWindowTextA(Item(IDC_VALUE), text);
}

std::string MainDlgTest::ValueText() const
{
    return WindowText(Item(IDC_VALUE));
}

// A choice in the list: the selection, then the notification a user's choice sends.
void MainDlgTest::ChooseEntry(int comboId, int index)
{
    HWND hCombo = Item(comboId);
    ::SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}

int MainDlgTest::Selection(int comboId) const
{
    return static_cast<int>(::SendMessageA(Item(comboId), CB_GETCURSEL, 0, 0));
}

// What a side-bar link, a menu item or an accelerator sends.
void MainDlgTest::Command(UINT id)
{
    ::SendMessageA(m_hDlg, WM_COMMAND, id, 0);
}

void MainDlgTest::TypeField(UINT fieldId, const char* text)
{
    ::SetWindowTextA(::GetDlgItem(Item(IDC_SIDEBAR), static_cast<int>(fieldId)), text);
}

std::string MainDlgTest::Field(UINT fieldId) const
{
    return SideBar().GetItemText(2, fieldId);
}

std::string MainDlgTest::Line(UINT lineId) const
{
    return SideBar().GetItemText(0, lineId);
}

std::optional<COLORREF> MainDlgTest::LineColour(UINT lineId) const
{
    const CSideBarGroup& group = *SideBar().GetGroup(0);
    for (int i = 0; i < group.GetItemCount(); ++i)
    {
        if (group.GetItem(i)->GetID() == lineId)
            return group.GetItem(i)->GetCustomColor();
    }
    ADD_FAILURE() << "no line " << lineId;
    return std::nullopt;
}
