// The clipboard scope and the palette and cursor scopes: what they undo, and data that changes
// hands only when the clipboard took it.
#include "framework/clipboard.h"
#include "framework/scopes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
CGlobalHandle TextBlock(const char* pszText)
{
    CGlobalHandle block(::GlobalAlloc(GMEM_MOVEABLE, std::strlen(pszText) + 1));
    CGlobalLock lock(block.get());
    if (lock.get() != nullptr)
        std::memcpy(lock.get(), pszText, std::strlen(pszText) + 1);
    return block;
}

std::string ClipboardText()
{
    CClipboard clipboard(nullptr);
    CGlobalLock lock(::GetClipboardData(CF_TEXT));
    return lock.get() != nullptr ? static_cast<const char*>(lock.get()) : "(none)";
}

class CHolderWindow
{
public:
    CHolderWindow() : m_hWnd(::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr))
    {
    }
    ~CHolderWindow() { ::DestroyWindow(m_hWnd); }
    CHolderWindow(const CHolderWindow&) = delete;
    CHolderWindow& operator=(const CHolderWindow&) = delete;
    HWND get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

TEST(ClipboardTest, ReplacedDataBelongsToTheClipboardAndTheScopeClosesIt)
{
    CHolderWindow owner;
    ASSERT_NE(owner.get(), nullptr);
    {
        CClipboard clipboard(owner.get());
        ASSERT_TRUE(clipboard.IsOpen());
        CGlobalHandle block = TextBlock("premier");
        EXPECT_TRUE(clipboard.Replace(CF_TEXT, block));
        EXPECT_FALSE(block);
    }
    // Closed again: another window may open it.
    CHolderWindow other;
    CClipboard again(other.get());
    EXPECT_TRUE(again.IsOpen());
    EXPECT_EQ(::GetClipboardOwner(), owner.get());
}

TEST(ClipboardTest, HeldByAnotherWindowItNeitherOpensNorTakesTheData)
{
    {
        CClipboard clipboard(nullptr);
        CGlobalHandle block = TextBlock("avant");
        ASSERT_TRUE(clipboard.Replace(CF_TEXT, block));
    }
    CHolderWindow holder;
    CHolderWindow latecomer;
    {
        CClipboard held(holder.get());
        ASSERT_TRUE(held.IsOpen());
        CClipboard refused(latecomer.get());
        EXPECT_FALSE(refused.IsOpen());
        CGlobalHandle block = TextBlock("apr\xE8s");
        EXPECT_FALSE(refused.Replace(CF_TEXT, block));
        EXPECT_TRUE(block) << "the data stays with its owner";
    }
    EXPECT_EQ(ClipboardText(), "avant");
}

TEST(ClipboardTest, NothingToHandOverLeavesTheClipboardFull)
{
    {
        CClipboard clipboard(nullptr);
        CGlobalHandle block = TextBlock("avant");
        ASSERT_TRUE(clipboard.Replace(CF_TEXT, block));
    }
    {
        CClipboard clipboard(nullptr);
        CBitmapHandle none;
        EXPECT_FALSE(clipboard.Replace(CF_BITMAP, none));
    }
    EXPECT_EQ(ClipboardText(), "avant");
}

TEST(ScopesTest, PaletteAndCursorComeBack)
{
    CMemoryDCHandle dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const HGDIOBJ before = ::GetCurrentObject(dc.get(), OBJ_PAL);
    LOGPALETTE lp{0x300, 1, {{10, 20, 30, 0}}};
    CHandle<CGdiObjectTraits<HPALETTE>> palette(::CreatePalette(&lp));
    ASSERT_TRUE(palette);
    {
        CSelectPalette select(dc.get(), palette.get());
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PAL), palette.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PAL), before);

    HCURSOR hArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    ::SetCursor(hArrow);
    {
        CWaitCursor wait;
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(::GetCursor(), hArrow);
}
} // namespace
