// The main window's export commands as the menus send them: the clipboard's text and bitmap, a
// clipboard held by another window, the saved file, printing without a printer and the menus.
#include "main_dlg_fixture.h"
#include "temp_files.h"
#include "modal_step.h"

#include "framework/clipboard.h"
#include "framework/resource_module.h"
#include "framework/scopes.h"
#include "picture/print_job.h"
#include "picture/resistor_export.h"
#include "picture/resistor_picture.h"
#include "model/ring_colours.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{
void PutClipboardText(const char* pszText)
{
    CClipboard clipboard(nullptr);
    ASSERT_TRUE(clipboard.IsOpen());
    CGlobalHandle block(::GlobalAlloc(GMEM_MOVEABLE, strlen(pszText) + 1));
    {
        CGlobalLock lock(block.get());
        ASSERT_NE(lock.get(), nullptr);
        memcpy(lock.get(), pszText, strlen(pszText) + 1);
    }
    ASSERT_TRUE(clipboard.Replace(CF_TEXT, block));
}

// The CF_TEXT block's bytes up to and with its first zero byte.
std::string ClipboardText()
{
    CClipboard clipboard(nullptr);
    HGLOBAL hText = ::GetClipboardData(CF_TEXT);
    CGlobalLock lock(hText);
    if (lock.get() == nullptr)
        return "(no text)";
    const auto* p = static_cast<const char*>(lock.get());
    const std::string text(p, strnlen(p, ::GlobalSize(hText)));
    return text.size() < ::GlobalSize(hText) ? text + '\0' : text;
}

class MainExportTest : public MainDlgTest
{
protected:
    void Show(int ringMode, int nOrientation)
    {
        m_settings.m_nRingMode = ringMode;
        m_settings.m_nOrientation = nOrientation;
        Open(nOrientation == kOrientationHorizontal ? IDD_MAIN_HORIZONTAL : IDD_MAIN_VERTICAL);
        // 4,7 kOhms, 5 %, 50 ppm/°C whatever the ring count.
        MoveRings(ringMode == kRingMode4 ? RingPositions{5, 8, 0, 5, 2, 2} : RingPositions{5, 8, 1, 4, 2, 2});
    }
};

struct SummaryCase
{
    int ringMode;
    const char* bytes;
};

// Windows-1252 bytes, and the terminating zero that the clipboard block carries.
const SummaryCase kSummaries[] = {
    {kRingMode4, std::string_view("4,7 kOhms \xE0 5 %\0", 16).data()},
    {kRingMode5, std::string_view("4,7 kOhms \xE0 5 %\0", 16).data()},
    {kRingMode6, "4,7 kOhms \xE0 5 %, 50 ppm/\xB0"
                 "C"},
};

TEST_F(MainExportTest, ValueTextGoesToTheClipboardByteForByte)
{
    for (const SummaryCase& c : kSummaries)
    {
        SCOPED_TRACE(c.ringMode);
        Show(c.ringMode, 0);
        PutClipboardText("avant");
        Command(ID_COPY_VALUE);
        EXPECT_EQ(ClipboardText(), std::string(c.bytes) + '\0');
        Close();
    }
}

TEST_F(MainExportTest, PictureGoesToTheClipboardAsABitmapOfTheSettingsOrientation)
{
    for (int nOrientation : {kOrientationHorizontal, 0})
    {
        SCOPED_TRACE(nOrientation);
        Show(kRingMode5, nOrientation);
        Command(ID_COPY_PICTURE);
        CClipboard clipboard(nullptr);
        auto hBitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
        ASSERT_NE(hBitmap, nullptr);
        EXPECT_FALSE(::IsClipboardFormatAvailable(CF_TEXT));
        BITMAP bm{};
        ASSERT_NE(::GetObjectA(hBitmap, sizeof bm, &bm), 0);
        const bool bHorizontal = nOrientation == kOrientationHorizontal;
        EXPECT_EQ(bm.bmWidth, bHorizontal ? 80 : 34);
        EXPECT_EQ(bm.bmHeight, bHorizontal ? 34 : 80);
        CMemoryDCHandle dc(::CreateCompatibleDC(nullptr));
        CSelectObject select(dc.get(), hBitmap);
        for (int slot : {0, 1, 2, 3, 4})
        {
            const RECT rc = ExportRingRect(slot, bHorizontal);
            const COLORREF expected = ToColorRef(RingColour(slot, RingPos(slot)).value());
            EXPECT_EQ(::GetPixel(dc.get(), rc.left + 1, rc.top + 1), expected) << "ring " << slot + 1;
        }
        Close();
    }
}

TEST_F(MainExportTest, ClipboardHeldByAnotherWindowStaysAsItWas)
{
    Show(kRingMode6, kOrientationHorizontal);
    for (UINT id : {ID_COPY_VALUE, ID_COPY_PICTURE})
    {
        PutClipboardText("avant");
        HWND hHolder = ::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(hHolder, nullptr);
        {
            CClipboard held(hHolder);
            ASSERT_TRUE(held.IsOpen());
            Command(id);
        }
        ::DestroyWindow(hHolder);
        EXPECT_EQ(ClipboardText(), std::string("avant") + '\0') << id;
        EXPECT_FALSE(::IsClipboardFormatAvailable(CF_BITMAP)) << id;
    }
}

// What the save command writes once the dialog gave a path (the dialog itself can stall under a
// loaded Wine session, so it is left out of the unattended run).
TEST_F(MainExportTest, SavedFileHoldsTheRenderedPictureAndAMissingFolderWritesNothing)
{
    Show(kRingMode6, kOrientationHorizontal);
    const std::string path = TempPath("vantrel_saved.bmp");
    std::remove(path.c_str());
    ASSERT_TRUE(m_dlg->SavePicture(path.c_str()));
    CBitmapHandle saved(
        static_cast<HBITMAP>(::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    ASSERT_TRUE(saved);
    CBitmapHandle rendered = m_dlg->RenderResistorBitmap();
    CMemoryDCHandle savedDC(::CreateCompatibleDC(nullptr));
    CMemoryDCHandle renderedDC(::CreateCompatibleDC(nullptr));
    CSelectObject selectSaved(savedDC.get(), saved.get());
    CSelectObject selectRendered(renderedDC.get(), rendered.get());
    for (int y = 0; y < 34; ++y)
    {
        for (int x = 0; x < 80; ++x)
            ASSERT_EQ(::GetPixel(savedDC.get(), x, y), ::GetPixel(renderedDC.get(), x, y)) << x << "," << y;
    }
    std::remove(path.c_str());
    EXPECT_FALSE(m_dlg->SavePicture(TempPath("vantrel_no_such_folder\\picture.bmp").c_str()));
}

TEST_F(MainExportTest, PrintingWithoutAPrinterSaysSoAndReturns)
{
    if (GetDefaultPrinterDC())
        GTEST_SKIP() << "a printer is installed; this case needs none";
    Show(kRingMode5, 0);
    for (UINT id : {ID_PRINT_VALUE, ID_PRINT_RESISTOR})
    {
        std::vector<std::string> texts;
        CModalStep step(
            [&]
            {
                HWND hBox = FindThreadWindow("#32770", m_hDlg);
                if (hBox == nullptr)
                    return false;
                texts = ChildTexts(hBox, "Static");
                Press(hBox, IDOK);
                return true;
            });
        Command(id);
        EXPECT_NE(std::find(texts.begin(), texts.end(), LoadResourceString(IDS_PRINT_ERROR)), texts.end())
            << id;
    }
}

struct MenuCase
{
    UINT linkId;
    std::vector<UINT> commands;
};

TEST_F(MainExportTest, LinksOpenTheirMenuAtTheMouseCursor)
{
    Show(kRingMode5, 0);
    const MenuCase cases[] = {
        {ID_COPY_MENU, {ID_COPY_VALUE, ID_COPY_PICTURE}},
        {ID_PRINT_MENU, {ID_PRINT_VALUE, ID_PRINT_RESISTOR}},
        {ID_SUPPORT_MENU, {ID_HELP_INDEX, ID_QUIZ, 0, ID_WEB_PAGE, 0, ID_APP_ABOUT}},
        {ID_SUPPORT_MENU_OTHER, {ID_HELP_INDEX, ID_QUIZ, 0, ID_WEB_PAGE, 0, ID_APP_ABOUT}},
    };
    ::SetCursorPos(120, 110);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    for (const MenuCase& c : cases)
    {
        std::vector<UINT> commands;
        RECT rcMenu{};
        CModalStep step(
            [&]
            {
                HWND hMenuWnd = FindThreadWindow("#32768", nullptr);
                if (hMenuWnd == nullptr)
                    return false;
                auto hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
                for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
                    commands.push_back(::GetMenuItemID(hMenu, i));
                ::GetWindowRect(hMenuWnd, &rcMenu);
                ::EndMenu();
                return true;
            });
        Command(c.linkId);
        EXPECT_EQ(commands, c.commands) << c.linkId;
        EXPECT_EQ(rcMenu.left, cursor.x);
        EXPECT_EQ(rcMenu.top, cursor.y);
    }
}
} // namespace
