// The main window's side bar: its three groups and their rows, texts from the string table,
// in both layouts.
#include "mainwnd/main_dlg.h"
#include "res/resource.h"
#include "window_test.h"

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
    {"Valeurs normalisées",
     {{1017, ""}, {1018, ""}, {1019, ""}, {1020, ""}, {1021, ""}, {1022, ""}, {1023, ""}}},
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

TEST_P(MainSideBarTest, ShowsTheThreeGroupsOpenWithTheirRows)
{
    CMainDlg dlg(GetParam());
    ASSERT_TRUE(dlg.Create());
    HWND hBar = dlg.GetDlgItem(IDC_SIDEBAR);
    auto* pSideBar = dynamic_cast<CSideBar*>(CWnd::FromHandle(hBar));
    ASSERT_NE(pSideBar, nullptr);
    EXPECT_EQ(pSideBar->GetDrawStyle(), SIDEBAR_STYLE_XP);
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
            EXPECT_EQ(item.GetText(), row.text != nullptr ? row.text : "");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, MainSideBarTest, ::testing::Values(IDD_MAIN_VERTICAL, IDD_MAIN_HORIZONTAL));
} // namespace
