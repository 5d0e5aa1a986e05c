// The main window's side bar: its three groups and their rows, texts from the string table,
// in both layouts.
#include "mainwnd/main_dlg.h"
#include "res/resource.h"
#include "window_test.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace
{
struct ExpectedRow
{
    UINT id;
    const char* text; // null: an edit row
};

struct ExpectedGroup
{
    const char* title;
    std::vector<ExpectedRow> rows;
};

const ExpectedGroup kGroups[] = {
    {"Valeurs normalisées", {{1018, ""}, {1019, ""}, {1020, ""}}},
    {"Tâches spécifiques",
     {{138, "Utiliser 4 anneaux"},
      {139, "Utiliser 5 anneaux"},
      {140, "Utiliser 6 anneaux"},
      {5000, "Copier"},
      {5002, "Imprimer"},
      {137, "Afficher au premier plan"},
      {5001, "Informations et support"},
      {5003, "Quitter"}}},
    {"Calculs",
     {{6569, "R (Ohm)"},
      {6565, nullptr},
      {6571, "I (Ampère)"},
      {6567, nullptr},
      {6570, "U (Volt)"},
      {6566, nullptr},
      {6572, "P (Watt)"},
      {6568, nullptr}}},
};

class MainSideBarTest : public CWindowTest, public ::testing::WithParamInterface<UINT>
{
};

// The settings of a window that asks nothing when it opens.
CAppSettings QuietSettings()
{
    CAppSettings settings;
    settings.m_bFirstRun = FALSE;
    return settings;
}

// With the default settings: E6, E12 and E24 offered, every group open, not topmost.
TEST_P(MainSideBarTest, ShowsTheThreeGroupsOpenWithTheirRows)
{
    CAppSettings settings = QuietSettings();
    settings.m_nStyle = kStyleVisualStyles;
    CMainDlg dlg(GetParam(), settings);
    ASSERT_TRUE(dlg.Create());
    HWND hBar = dlg.GetDlgItem(IDC_SIDEBAR);
    auto* pSideBar = dynamic_cast<CSideBar*>(CWnd::FromHandle(hBar));
    ASSERT_NE(pSideBar, nullptr);
    EXPECT_EQ(pSideBar->GetDrawStyle(), InterfaceLook::VisualStyles);
    ASSERT_EQ(pSideBar->GetGroupCount(), 3);
    for (int g = 0; g < 3; ++g)
    {
        const ExpectedGroup& want = kGroups[g];
        const CSideBarGroup& group = *pSideBar->GetGroup(g);
        SCOPED_TRACE(want.title);
        EXPECT_EQ(group.GetTitle(), want.title);
        EXPECT_FALSE(group.IsCollapsed());
        ASSERT_EQ(group.GetItemCount(), static_cast<int>(want.rows.size()));
        for (int i = 0; i < group.GetItemCount(); ++i)
        {
            const ExpectedRow& row = want.rows[static_cast<size_t>(i)];
            const CSideBarItem& item = *group.GetItem(i);
            EXPECT_EQ(item.GetID(), row.id);
            const auto* pEdit = dynamic_cast<const CSideBarEditItem*>(&item);
            EXPECT_EQ(pEdit != nullptr, row.text == nullptr) << row.id;
            if (pEdit != nullptr)
            {
                EXPECT_EQ(::GetDlgItem(hBar, static_cast<int>(row.id)), pEdit->GetEditWindow());
            }
            // The update cycle writes the standard-value lines and the R field: checked with it.
            if (g != 0 && row.id != IDC_CALC_R)
            {
                EXPECT_EQ(item.GetText(), row.text != nullptr ? row.text : "");
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, MainSideBarTest, ::testing::Values(IDD_MAIN_VERTICAL, IDD_MAIN_HORIZONTAL));

struct ContentCase
{
    const char* name;
    std::array<BOOL, 7> useSeries;
    std::array<BOOL, 3> groupOpen;
    BOOL topmost;
    int storedStyle;
    std::vector<UINT> seriesRows;
    std::array<bool, 3> collapsed;
    const char* topmostText;
    InterfaceLook style;
};

// Only a stored 0 collapses a group and only a stored 1 is topmost; any series flag other than
// 0 offers the series; only the stored style 0 gives the visual-styles look.
const ContentCase kContents[] = {
    {"AllSeries",
     {1, 1, 1, 1, 1, 1, 1},
     {1, 1, 1},
     0,
     0,
     {1017, 1018, 1019, 1020, 1021, 1022, 1023},
     {false, false, false},
     "Afficher au premier plan",
     InterfaceLook::VisualStyles},
    {"NoSeriesCollapsedCalcs",
     {0, 0, 0, 0, 0, 0, 0},
     {1, 1, 0},
     0,
     1,
     {},
     {false, false, true},
     "Afficher au premier plan",
     InterfaceLook::Classic},
    {"TopmostSeriesE192Only",
     {0, 0, 0, 0, 0, 0, 5},
     {0, 1, 1},
     1,
     0,
     {1023},
     {true, false, false},
     "Enlever du premier plan",
     InterfaceLook::VisualStyles},
    {"OddStoredValues",
     {0, 0, 0, 0, 0, 0, 0},
     {0, 2, -1},
     2,
     7,
     {},
     {true, false, false},
     "Afficher au premier plan",
     InterfaceLook::Classic},
    {"NegativeStyle",
     {0, 0, 0, 0, 0, 0, 0},
     {1, 1, 1},
     0,
     -1,
     {},
     {false, false, false},
     "Afficher au premier plan",
     InterfaceLook::Classic},
};

class SideBarContentTest : public CWindowTest, public ::testing::WithParamInterface<ContentCase>
{
};

TEST_P(SideBarContentTest, FollowsTheSettings)
{
    const ContentCase& c = GetParam();
    CAppSettings settings = QuietSettings();
    std::copy(c.useSeries.begin(), c.useSeries.end(), settings.m_bUseSeries);
    std::copy(c.groupOpen.begin(), c.groupOpen.end(), settings.m_bGroupOpen);
    settings.m_bTopmost = c.topmost;
    settings.m_nStyle = c.storedStyle;
    CMainDlg dlg(IDD_MAIN_HORIZONTAL, settings);
    ASSERT_TRUE(dlg.Create());
    auto* pSideBar = dynamic_cast<CSideBar*>(CWnd::FromHandle(dlg.GetDlgItem(IDC_SIDEBAR)));
    ASSERT_NE(pSideBar, nullptr);
    EXPECT_EQ(pSideBar->GetDrawStyle(), c.style);
    ASSERT_EQ(pSideBar->GetGroupCount(), 3);
    const CSideBarGroup& series = *pSideBar->GetGroup(0);
    std::vector<UINT> ids;
    for (int i = 0; i < series.GetItemCount(); ++i)
        ids.push_back(series.GetItem(i)->GetID());
    EXPECT_EQ(ids, c.seriesRows);
    for (int g = 0; g < 3; ++g)
        EXPECT_EQ(pSideBar->GetGroup(g)->IsCollapsed(), c.collapsed[static_cast<size_t>(g)]) << g;
    EXPECT_EQ(pSideBar->GetItemText(1, 137), c.topmostText);
}

INSTANTIATE_TEST_SUITE_P(Settings, SideBarContentTest, ::testing::ValuesIn(kContents),
                         [](const ::testing::TestParamInfo<ContentCase>& param) { return param.param.name; });
} // namespace
