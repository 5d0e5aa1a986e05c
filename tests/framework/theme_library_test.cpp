// Theme access in the environment the test run names: visual styles in force, switched off, or
// the library missing. The same program runs in all three; only the expected answers differ.
#include "framework/theme_library.h"

#include "theme_environment.h"
#include "window_test.h"

#include <vssym32.h>

#include <optional>

namespace
{
struct ThemeExpectations
{
    EThemeEnvironment env;
    bool bLibraryPresent;
    BOOL bAppThemed;
    BOOL bThemeActive;
    // Whether a class every themed system describes ("BUTTON") gets a theme handle.
    bool bButtonThemed;
};

constexpr ThemeExpectations kExpectations[] = {
    {EThemeEnvironment::Themed, true, TRUE, TRUE, true},
    {EThemeEnvironment::Unthemed, true, FALSE, FALSE, false},
    {EThemeEnvironment::NoLibrary, false, FALSE, FALSE, false},
};

const ThemeExpectations* CurrentExpectations()
{
    const std::optional<EThemeEnvironment> env = CurrentThemeEnvironment();
    for (const ThemeExpectations& expected : kExpectations)
        if (env == expected.env)
            return &expected;
    return nullptr;
}

constexpr RECT kUntouched{-7, -7, -7, -7};

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class ThemeLibraryTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        m_pEnv = CurrentExpectations();
        ASSERT_NE(m_pEnv, nullptr) << "VANTREL_THEME_CASE must be themed, unthemed or nolib";
        m_hWnd = ::CreateWindowExA(0, "BUTTON", "Test", WS_POPUP, 0, 0, 80, 24, nullptr, nullptr, nullptr,
                                   nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        m_hDC.reset(::CreateCompatibleDC(nullptr));
        ASSERT_TRUE(m_hDC);
        m_hBitmap.reset(::CreateBitmap(80, 24, 1, 32, nullptr));
        ASSERT_TRUE(m_hBitmap);
        m_hOldBitmap = ::SelectObject(m_hDC.get(), m_hBitmap.get());
    }
    void TearDown() override
    {
        if (m_hOldBitmap != nullptr)
            ::SelectObject(m_hDC.get(), m_hOldBitmap);
        if (m_hWnd != nullptr)
            ::DestroyWindow(m_hWnd);
        CWindowTest::TearDown();
    }

    // Every drawing and measuring call on one handle; each either succeeds or leaves the out
    // rectangles as they were.
    void ExpectDrawingCalls(const CThemeLibrary& lib, HTHEME hTheme, bool bSucceed)
    {
        const RECT bounds{0, 0, 80, 24};
        RECT content = kUntouched;
        RECT extent = kUntouched;
        const HRESULT results[] = {
            lib.DrawThemeBackground(hTheme, m_hDC.get(), BP_PUSHBUTTON, PBS_NORMAL, &bounds, nullptr),
            lib.GetThemeBackgroundContentRect(hTheme, m_hDC.get(), BP_PUSHBUTTON, PBS_NORMAL, &bounds,
                                              &content),
            lib.DrawThemeText(hTheme, m_hDC.get(), BP_PUSHBUTTON, PBS_NORMAL, L"R\u00e9sistance", -1,
                              DT_LEFT | DT_SINGLELINE, 0, &bounds),
            lib.GetThemeTextExtent(hTheme, m_hDC.get(), BP_PUSHBUTTON, PBS_NORMAL, L"R\u00e9sistance", -1,
                                   DT_LEFT | DT_SINGLELINE, &bounds, &extent),
        };
        for (HRESULT hr : results)
            EXPECT_EQ(SUCCEEDED(hr), bSucceed) << std::hex << hr;
        if (bSucceed)
        {
            EXPECT_GT(content.right - content.left, 0);
            EXPECT_GT(extent.right - extent.left, 0);
        }
        else
        {
            EXPECT_TRUE(SameRect(content, kUntouched));
            EXPECT_TRUE(SameRect(extent, kUntouched));
        }
    }

    // A library that is loaded but lacks every name answers exactly like a missing one.
    void ExpectFallbacks(const CThemeLibrary& lib)
    {
        EXPECT_EQ(lib.IsAppThemed(), FALSE);
        EXPECT_EQ(lib.IsThemeActive(), FALSE);
        EXPECT_EQ(lib.OpenThemeData(m_hWnd, L"BUTTON"), nullptr);
        EXPECT_EQ(lib.CloseThemeData(nullptr), E_FAIL);
        const RECT bounds{0, 0, 80, 24};
        RECT out = kUntouched;
        EXPECT_EQ(lib.DrawThemeBackground(nullptr, m_hDC.get(), 1, 1, &bounds, nullptr), E_FAIL);
        EXPECT_EQ(lib.DrawThemeText(nullptr, m_hDC.get(), 1, 1, L"x", -1, 0, 0, &bounds), E_FAIL);
        EXPECT_EQ(lib.GetThemeBackgroundContentRect(nullptr, m_hDC.get(), 1, 1, &bounds, &out), E_FAIL);
        EXPECT_EQ(lib.GetThemeTextExtent(nullptr, m_hDC.get(), 1, 1, L"x", -1, 0, &bounds, &out), E_FAIL);
        EXPECT_EQ(lib.EnableThemeDialogTexture(nullptr, ETDT_ENABLETAB), E_FAIL);
        EXPECT_TRUE(SameRect(out, kUntouched));
    }

    const ThemeExpectations* m_pEnv = nullptr;
    HWND m_hWnd = nullptr;
    CMemoryDCHandle m_hDC;
    CBitmapHandle m_hBitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
};

TEST_F(ThemeLibraryTest, LibraryIsLoadedExactlyWhereTheSystemHasIt)
{
    EXPECT_EQ(::GetModuleHandleA("uxtheme.dll") != nullptr, m_pEnv->bLibraryPresent);
}

TEST_F(ThemeLibraryTest, ThemeStateIsThePlatformsOrTheFallback)
{
    EXPECT_EQ(GetThemeLibrary().IsAppThemed(), m_pEnv->bAppThemed);
    EXPECT_EQ(GetThemeLibrary().IsThemeActive(), m_pEnv->bThemeActive);
}

TEST_F(ThemeLibraryTest, ThemedClassOpensDrawsAndCloses)
{
    HTHEME hTheme = GetThemeLibrary().OpenThemeData(m_hWnd, L"BUTTON");
    EXPECT_EQ(hTheme != nullptr, m_pEnv->bButtonThemed);
    if (hTheme == nullptr)
        return;
    ExpectDrawingCalls(GetThemeLibrary(), hTheme, true);
    EXPECT_EQ(GetThemeLibrary().CloseThemeData(hTheme), S_OK);
}

TEST_F(ThemeLibraryTest, ClassWithoutThemeGivesNoHandle)
{
    // The side bar's class: Wine's themes do not describe it, so its drawn look must stand in.
    EXPECT_EQ(GetThemeLibrary().OpenThemeData(m_hWnd, L"EXPLORERBAR"), nullptr);
    EXPECT_EQ(GetThemeLibrary().OpenThemeData(m_hWnd, L"NO SUCH CLASS"), nullptr);
}

TEST_F(ThemeLibraryTest, NullThemeHandleFailsEveryDrawingCallWithoutHarm)
{
    ExpectDrawingCalls(GetThemeLibrary(), nullptr, false);
    EXPECT_FALSE(SUCCEEDED(GetThemeLibrary().CloseThemeData(nullptr)));
}

TEST_F(ThemeLibraryTest, LoadedLibraryWithoutTheNamesGivesTheFallbacks)
{
    CThemeLibrary lib("kernel32.dll");
    ExpectFallbacks(lib);
}

TEST_F(ThemeLibraryTest, MissingLibraryGivesTheFallbacks)
{
    CThemeLibrary lib("vantrel-no-such-library.dll");
    ExpectFallbacks(lib);
}
} // namespace
