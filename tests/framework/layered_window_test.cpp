// Window opacity: the percent-to-alpha rule as the system records it, and the style bit.
#include "framework/layered_window.h"
#include "window_test.h"

namespace
{
class LayeredWindowTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        m_hWnd = ::CreateWindowExA(0, "STATIC", "layered", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                   nullptr, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
    }
    void TearDown() override
    {
        ::DestroyWindow(m_hWnd);
        CWindowTest::TearDown();
    }

    BYTE AppliedAlpha() const
    {
        BYTE alpha = 0;
        DWORD flags = 0;
        EXPECT_TRUE(::GetLayeredWindowAttributes(m_hWnd, nullptr, &alpha, &flags));
        EXPECT_EQ(flags, DWORD{LWA_ALPHA});
        return alpha;
    }

    HWND m_hWnd = nullptr;
};

TEST_F(LayeredWindowTest, PercentBecomesAlphaCappedAtFullOpacity)
{
    const struct
    {
        BYTE percent;
        BYTE alpha;
    } cases[] = {{0, 0}, {1, 2}, {50, 127}, {99, 252}, {100, 255}, {200, 255}, {44, 112}};
    CLayeredWindow layered;
    CLayeredWindow::MakeLayered(m_hWnd);
    for (const auto& c : cases)
    {
        EXPECT_TRUE(layered.SetOpacity(m_hWnd, c.percent)) << int{c.percent};
        EXPECT_EQ(AppliedAlpha(), c.alpha) << int{c.percent};
    }
}

// The system's own function answers: it refuses a window that is not layered.
TEST_F(LayeredWindowTest, CallsTheSystemFunctionFoundByName)
{
    CLayeredWindow layered;
    EXPECT_FALSE(layered.SetLayeredAttributes(m_hWnd, 0, 128, LWA_ALPHA));
    CLayeredWindow::MakeLayered(m_hWnd);
    EXPECT_TRUE(layered.SetLayeredAttributes(m_hWnd, 0, 128, LWA_ALPHA));
    EXPECT_EQ(AppliedAlpha(), 128);
}

TEST_F(LayeredWindowTest, MakeLayeredAddsOneBitOnce)
{
    ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    CLayeredWindow::MakeLayered(m_hWnd);
    const LONG once = ::GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    EXPECT_EQ(once & (WS_EX_LAYERED | WS_EX_TOOLWINDOW), WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    CLayeredWindow::MakeLayered(m_hWnd);
    EXPECT_EQ(::GetWindowLongA(m_hWnd, GWL_EXSTYLE), once);
}
} // namespace
