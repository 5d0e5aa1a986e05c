// Handle owners and scope objects: each handle is freed exactly once, selections are undone.
#include "framework/handles.h"
#include "framework/scopes.h"
#include "framework/system_function.h"

#include <gtest/gtest.h>

#include <string>
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
// Files and searches fail with INVALID_HANDLE_VALUE, not null: an owner of that value owns
// nothing and closes nothing, and a real handle is closed once.
TEST(HandlesTest, FileAndFindOwnersKnowTheirInvalidValue)
{
    CFileHandle none(::CreateFileA("C:\\no such folder\\x.bmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_FALSE(none);
    EXPECT_EQ(none.get(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CFileHandle());
    WIN32_FIND_DATAA found{};
    EXPECT_FALSE(CFindHandle(::FindFirstFileA("C:\\no such folder\\*", &found)));

    char szTemp[MAX_PATH] = {};
    ASSERT_NE(::GetTempPathA(MAX_PATH, szTemp), 0u);
    const std::string strPath = std::string(szTemp) + "vantrel-handles-test.tmp";
    HANDLE raw = nullptr;
    {
        CFileHandle file(::CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        raw = file.get();
        DWORD flags = 0;
        EXPECT_TRUE(::GetHandleInformation(raw, &flags));
        CFindHandle search(::FindFirstFileA(strPath.c_str(), &found));
        EXPECT_TRUE(search);
    }
    DWORD flags = 0;
    EXPECT_FALSE(::GetHandleInformation(raw, &flags));
    // Closed means the file may be opened again exclusively and deleted.
    EXPECT_TRUE(::DeleteFileA(strPath.c_str()));
}

TEST(HandlesTest, SelectionGuardMayStartEmptyAndHandsItsUndoOverWhenMoved)
{
    CMemoryDCHandle dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const HGDIOBJ before = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
    CBrushHandle brush(::CreateSolidBrush(RGB(1, 1, 1)));
    {
        CSelectObject kept;
        {
            CSelectObject select(dc.get(), brush.get());
            kept = std::move(select);
        }
        // The moved-from guard ended without undoing the selection.
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
        CSelectObject moved(std::move(kept));
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), before);
}

TEST(HandlesTest, SystemFunctionIsFoundByNameOrIsNull)
{
    using GetTickCountProc = DWORD(WINAPI*)();
    const HMODULE hKernel = ::GetModuleHandleA("kernel32.dll");
    const auto getTickCount = GetSystemFunction<GetTickCountProc>(hKernel, "GetTickCount");
    ASSERT_NE(getTickCount, nullptr);
    EXPECT_GT(getTickCount(), 0u);
    EXPECT_EQ(GetSystemFunction<GetTickCountProc>(hKernel, "NoSuchFunctionAnywhere"), nullptr);
    EXPECT_EQ(GetSystemFunction<GetTickCountProc>(nullptr, "GetTickCount"), nullptr);
}
} // namespace
