// Owned child windows: the object's end destroys the window, and a window destroyed with its
// parent first leaves the object with nothing to destroy.
#include "framework/child_wnd.h"
#include "window_test.h"

#include <memory>

namespace
{
class ChildWndTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        m_hParent =
            ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_hParent, nullptr);
    }
    void TearDown() override
    {
        if (::IsWindow(m_hParent))
            ::DestroyWindow(m_hParent);
        CWindowTest::TearDown();
    }

    HWND m_hParent = nullptr;
};

TEST_F(ChildWndTest, ObjectEndDestroysItsWindow)
{
    auto child = std::make_unique<CChildWnd>();
    ASSERT_TRUE(child->CreateEx(WS_EX_CLIENTEDGE, "EDIT", WS_CHILD, m_hParent, 42));
    HWND hChild = child->GetSafeHwnd();
    EXPECT_EQ(::GetDlgCtrlID(hChild), 42);
    EXPECT_EQ(CWnd::FromHandle(hChild), child.get());
    EXPECT_FALSE(child->CreateEx(0, "EDIT", WS_CHILD, m_hParent, 43)) << "one window per object";
    child.reset();
    EXPECT_FALSE(::IsWindow(hChild));
}

TEST_F(ChildWndTest, WindowDestroyedWithItsParentLeavesTheObjectEmpty)
{
    CChildWnd child;
    ASSERT_TRUE(child.CreateEx(0, "EDIT", WS_CHILD, m_hParent, 7));
    ::DestroyWindow(m_hParent);
    EXPECT_EQ(child.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(child.CreateEx(0, "EDIT", WS_CHILD, m_hParent, 7)) << "the parent is gone";
}
} // namespace
