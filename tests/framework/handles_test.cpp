// Handle owners and scope objects: each handle is freed exactly once, selections are undone.
#include "framework/handles.h"
#include "framework/scopes.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{
bool IsLive(HGDIOBJ h)
{
    return ::GetObjectType(h) != 0;
}

TEST(HandlesTest, OwnerFreesOnceOnDestructionResetAndPut)
{
    HBRUSH first = ::CreateSolidBrush(RGB(1, 2, 3));
    HBRUSH second = ::CreateSolidBrush(RGB(4, 5, 6));
    {
        CBrushHandle brush(first);
        brush.reset(first); // the same handle again must survive
        EXPECT_TRUE(IsLive(first));
        brush.reset(second);
        EXPECT_FALSE(IsLive(first));
        EXPECT_TRUE(IsLive(second));
        HBRUSH* out = brush.put();
        EXPECT_FALSE(IsLive(second));
        EXPECT_EQ(*out, nullptr);
        *out = ::CreateSolidBrush(RGB(7, 8, 9));
        first = brush.get();
    }
    EXPECT_FALSE(IsLive(first));
}

TEST(HandlesTest, MoveTransfersOwnershipAndReleaseGivesItUp)
{
    HPEN raw = ::CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    CPenHandle a(raw);
    CPenHandle b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), raw);
    CPenHandle c;
    c = std::move(b);
    EXPECT_EQ(c.get(), raw);
    HPEN released = c.release();
    EXPECT_FALSE(c);
    EXPECT_TRUE(IsLive(released));
    ::DeleteObject(released);
}

TEST(HandlesTest, SelectionIsUndoneAtScopeEnd)
{
    CMemoryDCHandle dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    HGDIOBJ before = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
    CBrushHandle brush(::CreateSolidBrush(RGB(10, 20, 30)));
    {
        CSelectObject select(dc.get(), brush.get());
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), before);
}

TEST(HandlesTest, ColoursAreSetForTheScopeAndRestored)
{
    CMemoryDCHandle dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    ::SetTextColor(dc.get(), RGB(1, 2, 3));
    ::SetBkColor(dc.get(), RGB(4, 5, 6));
    {
        CDCColors colors(dc.get(), RGB(255, 255, 255), RGB(0, 0, 0));
        EXPECT_EQ(::GetTextColor(dc.get()), RGB(255, 255, 255));
        EXPECT_EQ(::GetBkColor(dc.get()), RGB(0, 0, 0));
    }
    EXPECT_EQ(::GetTextColor(dc.get()), RGB(1, 2, 3));
    EXPECT_EQ(::GetBkColor(dc.get()), RGB(4, 5, 6));
}

TEST(HandlesTest, GlobalLockGivesMemoryAndUnlocks)
{
    CGlobalHandle mem(::GlobalAlloc(GMEM_MOVEABLE, 16));
    ASSERT_TRUE(mem);
    {
        CGlobalLock lock(mem.get());
        ASSERT_NE(lock.get(), nullptr);
        static_cast<char*>(lock.get())[0] = 'V';
        EXPECT_EQ(::GlobalFlags(mem.get()) & GMEM_LOCKCOUNT, 1u);
    }
    EXPECT_EQ(::GlobalFlags(mem.get()) & GMEM_LOCKCOUNT, 0u);
    CGlobalLock none(nullptr);
    EXPECT_EQ(none.get(), nullptr);
}
} // namespace
