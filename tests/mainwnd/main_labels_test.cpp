// The label sheet page of the tools window: what it counts from each source and format, its
// preview, its pages saved through the save dialog and read back, and its failures told.
#include "canvas.h"
#include "modal_step.h"
#include "temp_files.h"
#include "tools_fixture.h"

#include "framework/resource_module.h"
#include "picture/print_job.h"
#include "res/resource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
constexpr int kLabelsPage = 4;
constexpr int kStockSource = 7;
constexpr int kCustomFormat = 3;
// The file name box of the save dialog.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

class LabelsTest : public ToolsTest
{
protected:
    // A box over the windows: ours, or one the system's dialogs raise on their own.
    HWND FindBox()
    {
        struct Search
        {
            HWND hTools;
            HWND hMain;
            HWND hFound;
        } search{ToolsWnd(), m_hDlg, nullptr};
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND hWnd, LPARAM lParam) -> BOOL
            {
                auto& s = *reinterpret_cast<Search*>(lParam);
                char szClass[16] = {};
                ::GetClassNameA(hWnd, szClass, sizeof szClass);
                if (std::string(szClass) != "#32770" || !::IsWindowVisible(hWnd) || hWnd == s.hTools ||
                    hWnd == s.hMain)
                    return TRUE;
                s.hFound = hWnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.hFound;
    }
    void OpenLabels()
    {
        Open();
        Command(ID_CALC_TOOLS);
        ASSERT_NE(ToolsWnd(), nullptr);
        Tools().SelectPage(kLabelsPage);
    }
    bool CanPrintOrSave()
    {
        return ::IsWindowEnabled(PageItem(IDC_LABEL_PRINT)) != FALSE &&
               ::IsWindowEnabled(PageItem(IDC_LABEL_SAVE)) != FALSE;
    }
    // The save dialog answered with strPath, then whatever box follows it read and answered.
    std::vector<std::string> SaveAs(const std::string& strPath, int nAnswer = IDOK)
    {
        std::vector<std::string> boxTexts;
        bool bNamed = false;
        CModalStep step(
            [&]
            {
                HWND hBox = FindBox();
                if (hBox == nullptr)
                    return false;
                if (!bNamed)
                {
                    bNamed = true;
                    if (!::SetDlgItemTextA(hBox, kFileNameCombo, strPath.c_str()))
                        ::SetDlgItemTextA(hBox, kFileNameEdit, strPath.c_str());
                    Press(hBox, IDOK);
                    return false;
                }
                boxTexts = ChildTexts(hBox, "Static");
                Press(hBox, nAnswer);
                return true;
            });
        Click(IDC_LABEL_SAVE);
        PumpMessages();
        return boxTexts;
    }
};

std::string Status(UINT idText, const char* pszLabels = nullptr, const char* pszPages = nullptr)
{
    std::string strText = LoadResourceString(idText);
    for (const char* pszArg : {pszLabels, pszPages})
    {
        const std::size_t nAt = strText.find("%s");
        if (pszArg != nullptr && nAt != std::string::npos)
            strText.replace(nAt, 2, pszArg);
    }
    return strText;
}

TEST_F(LabelsTest, TheSheetFollowsItsSourceAndFormat)
{
    m_settings.m_strStock = "4k7 100 zz 4700";
    OpenLabels();
    // E12 from 10 Ohms to 1 MOhms: five decades of twelve, and 1 MOhms.
    EXPECT_EQ(PageText(IDC_LABEL_STATUS), Status(IDS_LABEL_COUNT, "61", "3"));
    EXPECT_TRUE(CanPrintOrSave());
    const struct
    {
        int source;
        const char* low;
        const char* high;
        int format;
        const char* width;
        std::string status;
        bool usable;
    } cases[] = {
        {0, "1", "10", 0, "60", Status(IDS_LABEL_COUNT, "4", "1"), true},
        {2, "10", "1M", 1, "60", Status(IDS_LABEL_COUNT, "61", "2"), true},
        {2, "10", "1M", kCustomFormat, "60", Status(IDS_LABEL_COUNT, "61", "3"), true},
        {2, "10", "1M", kCustomFormat, "201", Status(IDS_LABEL_BAD_SIZE), false},
        {2, "10", "1M", kCustomFormat, "zz", Status(IDS_LABEL_BAD_SIZE), false},
        {2, "abc", "1M", 0, "60", Status(IDS_COMBO_BAD_RANGE), false},
        {2, "1M", "10", 0, "60", Status(IDS_LABEL_NO_VALUES), false},
        {kStockSource, "abc", "", 0, "60",
         Status(IDS_LABEL_COUNT, "2", "1") + "\n" + Status(IDS_COMBO_UNREADABLE, "zz"), true},
    };
    for (const auto& c : cases)
    {
        Type(IDC_LABEL_LOW, c.low);
        Type(IDC_LABEL_HIGH, c.high);
        Type(IDC_LABEL_WIDTH, c.width);
        Choose(IDC_LABEL_FORMAT, c.format);
        Choose(IDC_LABEL_SOURCE, c.source);
        EXPECT_EQ(PageText(IDC_LABEL_STATUS), c.status) << c.source << " " << c.low << " " << c.width;
        EXPECT_EQ(CanPrintOrSave(), c.usable) << c.source << " " << c.low << " " << c.width;
        EXPECT_EQ(::IsWindowEnabled(PageItem(IDC_LABEL_LOW)) != FALSE, c.source != kStockSource);
        EXPECT_EQ(::IsWindowEnabled(PageItem(IDC_LABEL_WIDTH)) != FALSE, c.format == kCustomFormat);
    }
}

// The stock typed on the combinations page is the one labelled when the page comes back.
TEST_F(LabelsTest, TheStockEditedBesideIsLabelled)
{
    OpenLabels();
    Choose(IDC_LABEL_SOURCE, kStockSource);
    EXPECT_EQ(PageText(IDC_LABEL_STATUS), Status(IDS_LABEL_NO_VALUES));
    Tools().SelectPage(3);
    // Typed as the keyboard does: a multi-line box tells nothing of a text set by the program.
    for (const char c : std::string("1k 2k2 3k3"))
        ::SendMessageA(PageItem(IDC_COMBO_STOCK), WM_CHAR, static_cast<WPARAM>(c), 1);
    Tools().SelectPage(kLabelsPage);
    EXPECT_EQ(PageText(IDC_LABEL_STATUS), Status(IDS_LABEL_COUNT, "3", "1"));
}

// What the page was set to comes back with the window, through the settings.
TEST_F(LabelsTest, ItsChoicesAreKept)
{
    OpenLabels();
    Choose(IDC_LABEL_SOURCE, 5);
    Type(IDC_LABEL_LOW, "1k");
    Type(IDC_LABEL_HIGH, "10k");
    Choose(IDC_LABEL_FORMAT, kCustomFormat);
    Type(IDC_LABEL_WIDTH, "50");
    Type(IDC_LABEL_HEIGHT, "25,4");
    const std::string strStatus = PageText(IDC_LABEL_STATUS);
    Tools().Close();
    EXPECT_EQ(m_settings.m_nLabelSource, 5);
    EXPECT_EQ(m_settings.m_nLabelFormat, kCustomFormat);
    EXPECT_EQ(m_settings.m_strLabelLowest, "1k");
    EXPECT_EQ(m_settings.m_strLabelHeight, "25,4");
    Command(ID_CALC_TOOLS);
    EXPECT_EQ(PageText(IDC_LABEL_HIGH), "10k");
    EXPECT_EQ(PageText(IDC_LABEL_WIDTH), "50");
    EXPECT_EQ(PageText(IDC_LABEL_STATUS), strStatus);
    // E96 from 1 kOhms to 10 kOhms, on 4 x 11 labels of 50 x 25,4 mm.
    EXPECT_EQ(strStatus, Status(IDS_LABEL_COUNT, "97", "3"));
}

TEST_F(LabelsTest, ThePreviewShowsTheFirstPageOrNothing)
{
    OpenLabels();
    const HWND hPreview = PageItem(IDC_LABEL_PREVIEW);
    RECT rc{};
    ::GetClientRect(hPreview, &rc);
    const auto Paint = [&](CCanvas& canvas) { DrawItem(IDC_LABEL_PREVIEW, canvas.dc()); };
    const COLORREF crWhite = RGB(255, 255, 255);
    const COLORREF crGrey = ::GetSysColor(COLOR_APPWORKSPACE);
    CCanvas sheet(rc.right, rc.bottom, RGB(1, 2, 3));
    Paint(sheet);
    const int nArea = rc.right * rc.bottom;
    const int nWhite = sheet.Count(rc, crWhite);
    const int nGrey = sheet.Count(rc, crGrey);
    // An A4 page nearly fills the box, with grey around; its labels draw in other colours.
    EXPECT_GT(nWhite, nArea / 3);
    EXPECT_GT(nGrey, 0);
    EXPECT_GT(nArea - nWhite - nGrey, nArea / 20);
    EXPECT_EQ(sheet.Count(rc, RGB(1, 2, 3)), 0);

    Type(IDC_LABEL_LOW, "abc");
    CCanvas none(rc.right, rc.bottom, RGB(1, 2, 3));
    Paint(none);
    EXPECT_EQ(none.Count(rc, crGrey), nArea);
}

TEST_F(LabelsTest, EveryPageIsSavedAndReadBack)
{
    OpenLabels();
    const std::string strStem = TempPath("vantrel-page-labels");
    EXPECT_TRUE(SaveAs(strStem + ".bmp").empty());
    for (int nPage = 1; nPage <= 3; ++nPage)
    {
        const std::string strPath = strStem + "-" + std::to_string(nPage) + ".bmp";
        CBitmapHandle page(static_cast<HBITMAP>(
            ::LoadImageA(nullptr, strPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
        ASSERT_TRUE(page) << strPath;
        BITMAP bm{};
        ::GetObjectA(page.get(), sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 2480);
        EXPECT_EQ(bm.bmHeight, 3508);
        ::DeleteFileA(strPath.c_str());
    }
    EXPECT_EQ(::GetFileAttributesA((strStem + "-4.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The pages' own names are confirmed before anything is written over them.
TEST_F(LabelsTest, ExistingPagesAreReplacedOnlyWhenConfirmed)
{
    OpenLabels();
    const std::string strStem = TempPath("vantrel-page-existing");
    const std::string strSecond = strStem + "-2.bmp";
    ASSERT_TRUE(WriteColourBitmap(strSecond, 4, 4, RGB(1, 2, 3)));
    const auto FileSize = [](const std::string& strPath)
    {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        return ::GetFileAttributesExA(strPath.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
    };
    const DWORD nSmall = FileSize(strSecond);
    const std::string strQuestion = LoadResourceString(IDS_LABEL_REPLACE);
    std::vector<std::string> texts = SaveAs(strStem + ".bmp", IDNO);
    EXPECT_NE(std::find(texts.begin(), texts.end(), strQuestion), texts.end());
    EXPECT_EQ(::GetFileAttributesA((strStem + "-1.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(FileSize(strSecond), nSmall);
    texts = SaveAs(strStem + ".bmp", IDYES);
    EXPECT_NE(std::find(texts.begin(), texts.end(), strQuestion), texts.end());
    EXPECT_GT(FileSize(strSecond), nSmall);
    for (int nPage = 1; nPage <= 3; ++nPage)
        EXPECT_TRUE(::DeleteFileA((strStem + "-" + std::to_string(nPage) + ".bmp").c_str())) << nPage;
}

// The second page cannot be written where a folder of its name stands: the first is removed
// again and the box says so.
TEST_F(LabelsTest, AFailedSaveLeavesNoPageAndSaysSo)
{
    OpenLabels();
    const std::string strStem = TempPath("vantrel-page-blocked");
    const std::string strBlocked = strStem + "-2.bmp";
    ::CreateDirectoryA(strBlocked.c_str(), nullptr);
    const std::vector<std::string> texts = SaveAs(strStem + ".bmp");
    ::RemoveDirectoryA(strBlocked.c_str());
    EXPECT_NE(std::find(texts.begin(), texts.end(), LoadResourceString(IDS_LABEL_SAVE_ERROR)), texts.end());
    EXPECT_EQ(::GetFileAttributesA((strStem + "-1.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(LabelsTest, PrintingWithoutAPrinterSaysSo)
{
    if (GetDefaultPrinterDC())
        GTEST_SKIP() << "a printer is installed; this case needs none";
    OpenLabels();
    // The system's print dialog may say first that no printer is installed.
    std::vector<std::string> texts;
    const std::string strError = LoadResourceString(IDS_PRINT_ERROR);
    CModalStep step(
        [&]
        {
            HWND hBox = FindBox();
            if (hBox == nullptr)
                return false;
            const std::vector<std::string> boxTexts = ChildTexts(hBox, "Static");
            texts.insert(texts.end(), boxTexts.begin(), boxTexts.end());
            Press(hBox, IDOK);
            return std::find(boxTexts.begin(), boxTexts.end(), strError) != boxTexts.end();
        });
    Click(IDC_LABEL_PRINT);
    PumpMessages();
    EXPECT_NE(std::find(texts.begin(), texts.end(), strError), texts.end());
}
} // namespace
