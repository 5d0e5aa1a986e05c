// The calculation tools window over the main window: opened by its menu command and Ctrl+T,
// driven through its pages' controls, its results taken into the main window, and its keyboard
// and place.
#include "canvas.h"
#include "tools_fixture.h"

#include "modal_step.h"
#include "model/combination_drawing.h"
#include "res/resource.h"

#include <commctrl.h>

#include <string>

namespace
{
TEST_F(ToolsTest, TheCommandOpensOneWindowAndBringsItToTheFront)
{
    Open();
    Command(ID_CALC_TOOLS);
    const HWND hTools = ToolsWnd();
    ASSERT_NE(hTools, nullptr);
    EXPECT_TRUE(::IsWindowVisible(hTools));
    EXPECT_EQ(::GetWindow(hTools, GW_OWNER), m_hDlg);
    ::SetActiveWindow(m_hDlg);
    Command(ID_CALC_TOOLS);
    EXPECT_EQ(ToolsWnd(), hTools);
    EXPECT_EQ(::GetActiveWindow(), hTools);
    Close();
    EXPECT_FALSE(::IsWindow(hTools));
}

// Each marking as typed, and what the page shows of it.
TEST_F(ToolsTest, TypedMarkingsShowTheirValueOrWhyNot)
{
    Open();
    Command(ID_CALC_TOOLS);
    const struct
    {
        const char* marking;
        const char* value;
        const char* code;
        bool usable;
    } cases[] = {
        {"472", "4,7 kOhms", "Lu comme le code à 3 chiffres", true},
        {"01C", "10 kOhms", "Lu comme le code EIA-96 : tolérance 1 %", true},
        {" 4k7 ", "4,7 kOhms", "Lu comme le code lettre", true},
        {"0", "0 Ohms", "Lu comme un lien de 0 Ohm", true},
        {"97A", "Marquage inconnu : l'index EIA-96 va de 01 à 96", "", false},
        {"RR", "Marquage inconnu : une seule lettre est permise", "", false},
        {"", "Tapez le marquage imprimé sur la résistance", "", false},
    };
    for (const auto& c : cases)
    {
        Type(IDC_SMD_MARKING, c.marking);
        EXPECT_EQ(PageText(IDC_SMD_READ), c.value) << c.marking;
        EXPECT_EQ(PageText(IDC_SMD_CODE), c.code) << c.marking;
        EXPECT_EQ(::IsWindowEnabled(PageItem(IDC_SMD_USE)) != FALSE, c.usable) << c.marking;
    }
}

TEST_F(ToolsTest, MarkingsOfTheMainValueFollowIt)
{
    Open();
    Command(ID_CALC_TOOLS);
    ChooseEntry(IDC_UNIT, 0);
    TypeValue("4700");
    EXPECT_EQ(PageText(IDC_SMD_OF), "Marquages de 4,7 kOhms :");
    EXPECT_NE(PageText(IDC_SMD_WRITTEN).find("Code à 3 chiffres : 472"), std::string::npos);
    TypeValue("1000");
    EXPECT_NE(PageText(IDC_SMD_WRITTEN).find("Code EIA-96 : 01B"), std::string::npos);
    Type(IDC_SMD_VALUE, "49,9");
    EXPECT_EQ(PageText(IDC_SMD_OF), "Marquages de 49,9 Ohms :");
}

// Every page's "Utiliser" puts its resistance into the value box in ohms, and the rings follow.
TEST_F(ToolsTest, UseTakesEachPagesResultIntoTheMainWindow)
{
    Open();
    Command(ID_CALC_TOOLS);
    ChooseEntry(IDC_UNIT, 1);
    TypeValue("1");
    const RingPositions before = Rings();
    Type(IDC_SMD_MARKING, "333");
    Click(IDC_SMD_USE);
    EXPECT_EQ(ValueText(), "33000");
    EXPECT_EQ(Selection(IDC_UNIT), 0);
    EXPECT_NE(Rings(), before);

    Tools().SelectPage(1);
    Type(IDC_LED_SUPPLY, "5");
    Choose(IDC_LED_COLOUR, 0);
    Type(IDC_LED_CURRENT, "20");
    EXPECT_NE(PageText(IDC_LED_RESULT).find("Résistance normalisée : 160 Ohms"), std::string::npos);
    Click(IDC_LED_USE);
    EXPECT_EQ(ValueText(), "160");
    Type(IDC_LED_SUPPLY, "3");
    Type(IDC_LED_COUNT, "2");
    EXPECT_EQ(PageText(IDC_LED_RESULT), "Impossible : l'alimentation ne dépasse pas la tension des LED");
    EXPECT_FALSE(::IsWindowEnabled(PageItem(IDC_LED_USE)));

    Tools().SelectPage(2);
    Type(IDC_DIV_INPUT, "10");
    Type(IDC_DIV_WANTED, "5");
    ASSERT_EQ(ListCount(IDC_DIV_PAIRS), 10);
    EXPECT_EQ(ListLine(IDC_DIV_PAIRS, 0).rfind("R1 = 1 kOhms, R2 = 1 kOhms : 5 V (0 %)", 0), 0u)
        << ListLine(IDC_DIV_PAIRS, 0);
    Click(IDC_DIV_USE_R2);
    EXPECT_EQ(ValueText(), "1000");
    Type(IDC_DIV_WANTED, "12");
    EXPECT_EQ(ListCount(IDC_DIV_PAIRS), 0);
    EXPECT_EQ(PageText(IDC_DIV_STATUS), "Impossible : la sortie doit être entre 0 et l'entrée");
}

// A search runs in slices between messages until its results show.
TEST_F(ToolsTest, ACombinationSearchRunsToItsResults)
{
    Open();
    Command(ID_CALC_TOOLS);
    Tools().SelectPage(3);
    const struct
    {
        int source;
        const char* stock;
        const char* target;
        const char* first;
        const char* status;
    } cases[] = {
        {3, "", "4,7k", "4,7 k = 4,7 k (exact)", "Les meilleures associations :"},
        {7, "1k, 2k2 abc 4k7", "3,2k", "2,2 k + 1 k = 3,2 k (exact)",
         "Les meilleures associations : Laissées de côté, illisibles : abc"},
        {7, "", "1k", "", "Impossible : aucune valeur à associer"},
        {3, "", "-5", "", "Impossible : la valeur visée n'est pas une résistance"},
    };
    for (const auto& c : cases)
    {
        Choose(IDC_COMBO_SOURCE, c.source);
        Type(IDC_COMBO_STOCK, c.stock);
        Type(IDC_COMBO_TARGET, c.target);
        Click(IDC_COMBO_SEARCH);
        for (int i = 0; i < 1000 && ::IsWindowEnabled(PageItem(IDC_COMBO_CANCEL)); ++i)
        {
            ::Sleep(5);
            PumpMessages();
        }
        EXPECT_EQ(PageText(IDC_COMBO_STATUS), c.status) << c.target;
        EXPECT_EQ(ListCount(IDC_COMBO_RESULTS) > 0 ? ListLine(IDC_COMBO_RESULTS, 0) : "", c.first)
            << c.target;
    }
    // Keys as the keyboard gives them: a multi-line box tells nothing of a text set by the program.
    Type(IDC_COMBO_STOCK, "");
    for (char c : std::string("1k 2k2"))
        ::SendMessageA(PageItem(IDC_COMBO_STOCK), WM_CHAR, static_cast<unsigned char>(c), 1);
    EXPECT_EQ(m_settings.m_strStock, "1k 2k2");
    Choose(IDC_COMBO_SOURCE, 7);
    Type(IDC_COMBO_TARGET, "3,2k");
    Click(IDC_COMBO_SEARCH);
    Click(IDC_COMBO_CANCEL);
    EXPECT_EQ(PageText(IDC_COMBO_STATUS), "Recherche annulée");
    Click(IDC_COMBO_SEARCH);
    for (int i = 0; i < 1000 && ::IsWindowEnabled(PageItem(IDC_COMBO_CANCEL)); ++i)
    {
        ::Sleep(5);
        PumpMessages();
    }
    Click(IDC_COMBO_USE);
    EXPECT_EQ(ValueText(), "2200");
    // The stock goes with the window's close into the settings, whatever set it.
    Type(IDC_COMBO_STOCK, "10k 22k");
    Tools().Close();
    EXPECT_EQ(m_settings.m_strStock, "10k 22k");
    Command(ID_CALC_TOOLS);
    EXPECT_EQ(PageText(IDC_COMBO_STOCK), "10k 22k");
}

// The chosen result drawn beside the lists, the resistor chosen for "Utiliser" standing out.
TEST_F(ToolsTest, TheChosenCombinationIsDrawnWithItsChosenResistor)
{
    Open();
    Command(ID_CALC_TOOLS);
    Tools().SelectPage(3);
    const HWND hDrawing = PageItem(IDC_COMBO_DRAWING);
    ASSERT_NE(hDrawing, nullptr);
    RECT rc{};
    ::GetClientRect(hDrawing, &rc);
    const auto Paint = [&](CCanvas& canvas) { DrawItem(IDC_COMBO_DRAWING, canvas.dc()); };
    const COLORREF crInk = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    CCanvas empty(rc.right, rc.bottom, RGB(1, 2, 3));
    Paint(empty);
    EXPECT_EQ(empty.Count(rc, ::GetSysColor(COLOR_WINDOW)), rc.right * rc.bottom);

    Choose(IDC_COMBO_SOURCE, 7);
    Type(IDC_COMBO_STOCK, "1k, 2k2");
    Type(IDC_COMBO_TARGET, "3,2k");
    Click(IDC_COMBO_SEARCH);
    for (int i = 0; i < 1000 && ::IsWindowEnabled(PageItem(IDC_COMBO_CANCEL)); ++i)
    {
        ::Sleep(5);
        PumpMessages();
    }
    ASSERT_EQ(ListLine(IDC_COMBO_RESULTS, 0), "2,2 k + 1 k = 3,2 k (exact)");
    const ArrangementDrawing drawing = LayOutArrangement(Arrangement::Series2);
    const DrawingFit fit = FitDrawing({0, 0, rc.right, rc.bottom}, drawing.width, drawing.height);
    const auto Outline = [&](const CCanvas& canvas, std::size_t slot)
    {
        const LayoutBox& box = drawing.boxes[slot];
        return canvas.Pixel(fit.X(box.left), fit.Y((box.top + box.bottom) / 2));
    };
    CCanvas first(rc.right, rc.bottom, RGB(1, 2, 3));
    Paint(first);
    EXPECT_EQ(Outline(first, 0), crHighlight);
    EXPECT_EQ(Outline(first, 1), crInk);

    // Another part chosen: the drawing is painted again, the other box standing out.
    ::UpdateWindow(hDrawing);
    ::SendMessageA(PageItem(IDC_COMBO_PARTS), LB_SETCURSEL, 1, 0);
    ::SendMessageA(::GetParent(hDrawing), WM_COMMAND, MAKEWPARAM(IDC_COMBO_PARTS, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(PageItem(IDC_COMBO_PARTS)));
    EXPECT_TRUE(::GetUpdateRect(hDrawing, nullptr, FALSE));
    CCanvas second(rc.right, rc.bottom, RGB(1, 2, 3));
    Paint(second);
    EXPECT_EQ(Outline(second, 0), crInk);
    EXPECT_EQ(Outline(second, 1), crHighlight);
    Click(IDC_COMBO_USE);
    EXPECT_EQ(ValueText(), "1000");
}

TEST_F(ToolsTest, PlaceAndPageAreKeptAndABadPlaceIsCentred)
{
    Open();
    Command(ID_CALC_TOOLS);
    Tools().SelectPage(2);
    ::SetWindowPos(ToolsWnd(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Tools().Close();
    EXPECT_EQ(m_settings.m_nToolsPage, 2);
    EXPECT_EQ(m_settings.m_nToolsPosX, 40);
    EXPECT_EQ(m_settings.m_nToolsPosY, 30);
    Command(ID_CALC_TOOLS);
    RECT rc{};
    ::GetWindowRect(ToolsWnd(), &rc);
    EXPECT_EQ(rc.left, 40);
    EXPECT_EQ(rc.top, 30);
    EXPECT_EQ(::SendMessageA(::GetDlgItem(ToolsWnd(), IDC_TOOLS_TAB), TCM_GETCURSEL, 0, 0), 2);
    Tools().Close();
    m_settings.m_nToolsPosX = -30000;
    Command(ID_CALC_TOOLS);
    RECT rcMain{};
    ::GetWindowRect(m_hDlg, &rcMain);
    ::GetWindowRect(ToolsWnd(), &rc);
    EXPECT_NEAR((rc.left + rc.right) / 2, (rcMain.left + rcMain.right) / 2, 1);
}

// Inside the main window's own modal loop: Ctrl+T opens the tools, Tab moves in them, Enter in
// a field keeps them open (nothing typed is lost), Escape closes them and leaves the main window
// running.
TEST_F(ToolsTest, KeysReachTheToolsThroughTheMainWindowsLoop)
{
    for (BOOL& bUse : m_settings.m_bUseSeries)
        bUse = TRUE;
    CMainDlg dlg(IDD_MAIN_VERTICAL, m_settings);
    int nStep = 0;
    bool bOpened = false;
    bool bTabMoved = false;
    bool bKeptOnEnter = false;
    bool bClosed = false;
    bool bMainAlive = false;
    HWND hFocusBefore = nullptr;
    CModalStep step(
        [&]
        {
            HWND hDlg = dlg.GetSafeHwnd();
            if (hDlg == nullptr || !::IsWindowVisible(hDlg))
                return false;
            HWND hTools = dlg.GetCalcTools().GetSafeHwnd();
            BYTE keys[256] = {};
            switch (nStep++)
            {
            case 0:
                ::SetFocus(::GetDlgItem(hDlg, IDC_VALUE));
                keys[VK_CONTROL] = 0x80;
                ::SetKeyboardState(keys);
                ::PostMessageA(::GetDlgItem(hDlg, IDC_VALUE), WM_KEYDOWN, 'T', 1);
                return false;
            case 1:
                ::SetKeyboardState(keys);
                bOpened = hTools != nullptr && ::IsWindowVisible(hTools);
                if (!bOpened)
                    return true;
                ::SetFocus(
                    ::GetDlgItem(::FindWindowExA(hTools, nullptr, "#32770", nullptr), IDC_SMD_MARKING));
                hFocusBefore = ::GetFocus();
                ::PostMessageA(hFocusBefore, WM_KEYDOWN, VK_TAB, 1);
                return false;
            case 2:
                bTabMoved = ::GetFocus() != hFocusBefore && ::GetFocus() != nullptr;
                ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
                return false;
            case 3:
                bKeptOnEnter = hTools != nullptr && ::IsWindowVisible(hTools);
                ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
                return false;
            case 4:
                bClosed = hTools == nullptr;
                bMainAlive = ::IsWindowVisible(hDlg) != FALSE;
                ::PostMessageA(hDlg, WM_COMMAND, ID_QUIT, 0);
                return true;
            default:
                return true;
            }
        });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(bOpened);
    EXPECT_TRUE(bTabMoved);
    EXPECT_TRUE(bKeptOnEnter);
    EXPECT_TRUE(bClosed);
    EXPECT_TRUE(bMainAlive);
}
} // namespace
