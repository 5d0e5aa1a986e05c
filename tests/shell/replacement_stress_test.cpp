// The main window replaced over and over, as the options sheet's OK replaces it: new orientations
// and languages in turn, each window with another kind of background (none, the built-in one, a
// bitmap file, a damaged file, a file deleted while its window shows it), and a ring moved and the
// picture painted in each. Run under Wine's heap checking: a block written out of bounds or freed
// twice is reported on the heap channel, which fails the test (see the CMakeLists).
#include "mainwnd/main_dlg.h"
#include "model/picture_options.h"
#include "res/resource.h"
#include "shell/resistor_app.h"
#include "temp_files.h"
#include "window_test.h"

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr int kReplacements = 120;

std::string LanguageFolder()
{
    std::string folder = std::string("Z:") + VANTREL_TEST_LANGUAGE_DIR;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return folder;
}

struct StressRun
{
    CAppSettings* pSettings = nullptr;
    std::vector<CMainDlg*> seen;
    std::vector<UINT> templates;
    std::string strGoodFile;
    std::string strDamagedFile;
    std::string strVanishingFile;
    int nLastPosition = 0;
};
StressRun g_run;

// Each kind of background in turn; the vanishing file is written anew for its window.
std::string NextBackground(int n)
{
    switch (n % 5)
    {
    case 0:
        return std::string();
    case 1:
        return kDefaultBackground;
    case 2:
        return g_run.strGoodFile;
    case 3:
        return g_run.strDamagedFile;
    default:
        WriteColourBitmap(g_run.strVanishingFile, 30, 15, RGB(10, 200, 120));
        return g_run.strVanishingFile;
    }
}

BOOL CALLBACK VisitMainWindow(HWND hWnd, LPARAM)
{
    auto* pDlg = dynamic_cast<CMainDlg*>(CWnd::FromHandle(hWnd));
    if (pDlg == nullptr || !::IsWindowVisible(hWnd) ||
        std::find(g_run.seen.begin(), g_run.seen.end(), pDlg) != g_run.seen.end())
        return TRUE;
    const int n = static_cast<int>(g_run.seen.size());
    g_run.seen.push_back(pDlg);
    g_run.templates.push_back(pDlg->GetTemplateId());

    // The file this window was built with goes away under it; it paints on without it.
    ::DeleteFileA(g_run.strVanishingFile.c_str());
    g_run.nLastPosition = 1 + n % 9;
    CWindowTest::DragSelector(pDlg->GetDlgItem(IDC_BANDE1 + n % 4), g_run.nLastPosition);
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (n == kReplacements)
    {
        ::SendMessageA(hWnd, WM_COMMAND, ID_QUIT, 0);
        return FALSE;
    }

    // A new language, a new orientation, or both.
    CAppSettings& settings = *g_run.pSettings;
    if (n % 3 != 1)
    {
        settings.m_strLanguage = settings.m_strLanguage.empty() ? "English" : std::string();
        pDlg->SetLanguageChanged();
    }
    if (n % 3 != 0)
        settings.m_nOrientation =
            settings.m_nOrientation == kOrientationHorizontal ? 0 : kOrientationHorizontal;
    settings.m_strBackground = NextBackground(n);
    pDlg->ApplyInterface(APPLY_ALL);
    return FALSE;
}

class ReplacementStressTest : public CWindowTest
{
};

TEST_F(ReplacementStressTest, WindowsReplacedWithEveryKindOfBackground)
{
    CResistorApp app;
    app.GetLanguages().Enumerate(LanguageFolder());
    CAppSettings& settings = app.GetSettings();
    settings.m_bFirstRun = FALSE;
    settings.m_nRingMode = kRingMode6;
    settings.m_bGradient = TRUE;
    g_run = StressRun{};
    g_run.pSettings = &settings;
    g_run.strGoodFile = TempPath("vantrel-stress-good.bmp");
    g_run.strDamagedFile = TempPath("vantrel-stress-damaged.bmp");
    g_run.strVanishingFile = TempPath("vantrel-stress-vanishing.bmp");
    ASSERT_TRUE(WriteColourBitmap(g_run.strGoodFile, 40, 20, RGB(40, 90, 200)));
    // A header that promises more pixels than the file holds: the good file cut short.
    {
        std::string strBytes(200, '\0');
        FILE* in = std::fopen(g_run.strGoodFile.c_str(), "rb");
        ASSERT_NE(in, nullptr);
        strBytes.resize(std::fread(strBytes.data(), 1, strBytes.size(), in));
        std::fclose(in);
        FILE* out = std::fopen(g_run.strDamagedFile.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(strBytes.data(), 1, 70, out);
        std::fclose(out);
    }

    const UINT_PTR timer = ::SetTimer(nullptr, 0, 10,
                                      [](HWND, UINT, UINT_PTR, DWORD)
                                      { ::EnumThreadWindows(::GetCurrentThreadId(), VisitMainWindow, 0); });
    ASSERT_NE(timer, 0u);
    app.RunMainWindow();
    ::KillTimer(nullptr, timer);

    ASSERT_EQ(g_run.seen.size(), static_cast<size_t>(kReplacements + 1));
    // Orientation changes came in two of three replacements: each layout was built a third of the
    // times at least.
    EXPECT_GT(std::count(g_run.templates.begin(), g_run.templates.end(), IDD_MAIN_VERTICAL),
              kReplacements / 3 - 1);
    EXPECT_GT(std::count(g_run.templates.begin(), g_run.templates.end(), IDD_MAIN_HORIZONTAL),
              kReplacements / 3 - 1);
    EXPECT_EQ(settings.m_nRingPos[kReplacements % 4], g_run.nLastPosition);
    ::DeleteFileA(g_run.strGoodFile.c_str());
    ::DeleteFileA(g_run.strDamagedFile.c_str());
}
} // namespace
