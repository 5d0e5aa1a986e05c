// Keystrokes in the value box: what the box keeps and where the caret goes when it rewrites
// itself, and how little one keystroke writes into the other controls.
#include "main_dlg_fixture.h"

#include "res/resource.h"

#include <commctrl.h>

#include <map>
#include <string>
#include <utility>

namespace
{
class ValueKeysTest : public MainDlgTest
{
protected:
    // Each character as the keyboard gives it: inserted at the caret, then EN_CHANGE.
    void TypeKeys(const std::string& keys)
    {
        for (char c : keys)
            ::SendMessageA(Item(IDC_VALUE), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    void Empty()
    {
        ::SetWindowTextA(Item(IDC_VALUE), "");
        ::SendMessageA(Item(IDC_VALUE), EM_SETSEL, 0, 0);
    }
};

TEST_F(ValueKeysTest, TypingKeepsWhatPastingKeepsInEveryUnit)
{
    Open();
    for (int unit = 0; unit < 3; ++unit)
    {
        for (const char* text : {"1k5", "4a7", "12345678901", "1e400"})
        {
            ChooseEntry(IDC_UNIT, unit);
            TypeValue(text);
            const std::string pasted = ValueText();
            Empty();
            TypeKeys(text);
            EXPECT_EQ(ValueText(), pasted) << text << " unit " << unit;
            EXPECT_EQ(Selection(IDC_UNIT), unit);
        }
    }
}

TEST_F(ValueKeysTest, CaretStaysAfterTheLastKeptCharacter)
{
    Open();
    ChooseEntry(IDC_UNIT, 0);
    TypeValue("47");
    ::SendMessageA(Item(IDC_VALUE), EM_SETSEL, 1, 1);
    TypeKeys("x9");
    EXPECT_EQ(ValueText(), "497");
    DWORD nStart = 0;
    DWORD nEnd = 0;
    ::SendMessageA(Item(IDC_VALUE), EM_GETSEL, reinterpret_cast<WPARAM>(&nStart),
                   reinterpret_cast<LPARAM>(&nEnd));
    EXPECT_EQ(nStart, 2u);
    EXPECT_EQ(nEnd, 2u);
}

// Counts, per window, the messages that set a control: a selector's position, a list's
// selection, an edit's text; and, per edit, the change notifications its parent gets (the side
// bar hands its fields' notifications on to the window, which is the same notification).
class CWriteCounter
{
public:
    CWriteCounter()
    {
        s_pCounter = this;
        m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~CWriteCounter()
    {
        ::UnhookWindowsHookEx(m_hHook);
        s_pCounter = nullptr;
    }
    CWriteCounter(const CWriteCounter&) = delete;
    CWriteCounter& operator=(const CWriteCounter&) = delete;

    bool Ok() const { return m_hHook != nullptr; }
    std::map<std::pair<HWND, UINT>, int> m_counts;

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const auto* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (nCode == HC_ACTION && s_pCounter != nullptr)
        {
            switch (pMsg->message)
            {
            case TBM_SETPOS:
            case CB_SETCURSEL:
            case WM_SETTEXT:
                ++s_pCounter->m_counts[{pMsg->hwnd, pMsg->message}];
                break;
            case WM_COMMAND:
                if (HWND hFrom = reinterpret_cast<HWND>(pMsg->lParam);
                    HIWORD(pMsg->wParam) == EN_CHANGE && ::GetParent(hFrom) == pMsg->hwnd)
                    ++s_pCounter->m_counts[{hFrom, WM_COMMAND}];
                break;
            default:
                break;
            }
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static inline CWriteCounter* s_pCounter = nullptr;
    HHOOK m_hHook = nullptr;
};

TEST_F(ValueKeysTest, OneKeystrokeSetsEachControlAtMostOnce)
{
    m_settings.m_nRingMode = kRingMode5;
    Open();
    ChooseEntry(IDC_UNIT, 1);
    TypeValue("4,7");
    ::SendMessageA(Item(IDC_VALUE), EM_SETSEL, 3, 3);
    HWND hSideBar = Item(IDC_SIDEBAR);
    HWND hField = ::GetDlgItem(hSideBar, IDC_CALC_R);
    std::map<std::pair<HWND, UINT>, int> counts;
    {
        CWriteCounter counter;
        ASSERT_TRUE(counter.Ok());
        TypeKeys("5");
        counts = counter.m_counts;
    }
    ASSERT_EQ(ValueText(), "4,75");
    for (const auto& [key, count] : counts)
        EXPECT_LE(count, 1) << "window " << key.first << " message " << key.second;
    // The digits moved, the multiplier did not; nothing rewrote the box.
    EXPECT_EQ((counts[{Item(IDC_BANDE3), TBM_SETPOS}]), 1);
    EXPECT_EQ((counts[{Item(IDC_BANDE4), TBM_SETPOS}]), 0);
    EXPECT_EQ((counts[{Item(IDC_UNIT), CB_SETCURSEL}]), 0);
    EXPECT_EQ((counts[{Item(IDC_VALUE), WM_SETTEXT}]), 0);
    // The R field once, and it told the side bar once.
    EXPECT_EQ((counts[{hField, WM_SETTEXT}]), 1);
    EXPECT_EQ((counts[{hField, WM_COMMAND}]), 1);
    EXPECT_EQ(Field(IDC_CALC_R), "4750");
}
} // namespace
