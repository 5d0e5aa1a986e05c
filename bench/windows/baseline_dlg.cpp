// The baseline dialog: what a ring step, a keystroke and an interface refresh cost when written
// as one dialog procedure over the system's controls.
#include "baseline_dlg.h"

#include "bench_ids.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
constexpr const char* kPanelClass = "BenchPanel";
constexpr int kRingSlots = 6;
// The main window's selector ranges, kept apart from its model on purpose: the baseline uses none.
constexpr std::array<int, kRingSlots> kRingPositions = {10, 10, 10, 9, 8, 7};
constexpr int kSlotMultiplier = 3;
constexpr int kSlotTolerance = 4;
constexpr int kSlotTempCo = 5;
constexpr int kLineCount = 7;
constexpr std::array<int, kLineCount> kSeries = {3, 6, 12, 24, 48, 96, 192};
constexpr int kPanelEditCount = 4;
constexpr int kLineHeight = 16;

// Panel messages: a line's text (wParam the index, lParam the text), and its rows built anew.
constexpr UINT BPM_SETLINE = WM_APP + 1;
constexpr UINT BPM_REBUILD = WM_APP + 2;

constexpr std::array<COLORREF, 10> kRingColours = {
    RGB(0, 0, 0),   RGB(150, 75, 0), RGB(255, 0, 0),   RGB(255, 165, 0),   RGB(255, 255, 0),
    RGB(0, 160, 0), RGB(0, 0, 255),  RGB(140, 0, 200), RGB(128, 128, 128), RGB(255, 255, 255)};

// The picture's place by layout, in pixels, as the main window has it.
constexpr RECT kPictureVertical{8, 50, 82, 274};
constexpr RECT kPictureHorizontal{46, 5, 278, 75};

struct PanelData
{
    std::array<std::string, kLineCount> lines;
    std::array<HWND, kPanelEditCount> edits{};
};

struct BaselineData
{
    bool bModal = false;
    bool bHorizontal = false;
    // Set while the procedure writes into its own edit: that EN_CHANGE is not the user's.
    bool bRendering = false;
    std::array<int, kRingSlots> positions{};
    int unit = -1;
    RECT picture{};
};

BaselineData* DataOf(HWND hDlg)
{
    return reinterpret_cast<BaselineData*>(::GetWindowLongPtrA(hDlg, DWLP_USER));
}

HWND RingOf(HWND hDlg, int slot)
{
    return ::GetDlgItem(hDlg, IDC_BASE_RING1 + slot);
}

// The rings' resistance in ohms: three digits and a power of ten from 0.01 to 1 000 000.
double RingsToOhms(const std::array<int, kRingSlots>& positions)
{
    const int digits = (positions[0] - 1) * 100 + (positions[1] - 1) * 10 + (positions[2] - 1);
    return digits * std::pow(10.0, positions[kSlotMultiplier] - 3);
}

int UnitOf(double ohms)
{
    return ohms >= 1e6 ? 2 : ohms >= 1e3 ? 1 : 0;
}

double UnitScale(int unit)
{
    return unit == 2 ? 1e6 : unit == 1 ? 1e3 : 1.0;
}

// The nearest value of each series, by its logarithmic steps.
void WriteLines(HWND hDlg, double ohms)
{
    HWND hPanel = ::GetDlgItem(hDlg, IDC_BASE_PANEL);
    for (int i = 0; i < kLineCount; ++i)
    {
        const int n = kSeries[static_cast<size_t>(i)];
        const double nearest = ohms > 0 ? std::pow(10.0, std::round(std::log10(ohms) * n) / n) : 0.0;
        char szLine[48];
        std::snprintf(szLine, sizeof szLine, "E%d: %.3g", n, nearest);
        ::SendMessageA(hPanel, BPM_SETLINE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(szLine));
    }
}

void SelectUnit(HWND hDlg, BaselineData& data, int unit)
{
    if (unit == data.unit)
        return;
    data.unit = unit;
    ::SendDlgItemMessageA(hDlg, IDC_BASE_UNIT, CB_SETCURSEL, static_cast<WPARAM>(unit), 0);
}

// A moved selector: the value box, the unit, the lines and the picture follow.
void OnRingMoved(HWND hDlg, BaselineData& data, HWND hBar)
{
    const int slot = ::GetDlgCtrlID(hBar) - IDC_BASE_RING1;
    if (slot < 0 || slot >= kRingSlots)
        return;
    data.positions[static_cast<size_t>(slot)] = static_cast<int>(::SendMessageA(hBar, TBM_GETPOS, 0, 0));
    const double ohms = RingsToOhms(data.positions);
    const int unit = UnitOf(ohms);
    char szValue[32];
    std::snprintf(szValue, sizeof szValue, "%g", ohms / UnitScale(unit));
    data.bRendering = true;
    ::SetDlgItemTextA(hDlg, IDC_BASE_VALUE, szValue);
    data.bRendering = false;
    SelectUnit(hDlg, data, unit);
    const WPARAM nChoice = static_cast<WPARAM>(data.positions[static_cast<size_t>(slot)] - 1);
    if (slot == kSlotTolerance)
        ::SendDlgItemMessageA(hDlg, IDC_BASE_TOLERANCE, CB_SETCURSEL, nChoice, 0);
    if (slot == kSlotTempCo)
        ::SendDlgItemMessageA(hDlg, IDC_BASE_TEMPCO, CB_SETCURSEL, nChoice, 0);
    WriteLines(hDlg, ohms);
    ::InvalidateRect(hDlg, &data.picture, FALSE);
}

// A typed value: the selectors that differ move, the unit, the lines and the picture follow.
void OnValueChanged(HWND hDlg, BaselineData& data)
{
    char szText[64] = {};
    ::GetDlgItemTextA(hDlg, IDC_BASE_VALUE, szText, sizeof szText);
    const double ohms = std::strtod(szText, nullptr) * UnitScale(data.unit < 0 ? 0 : data.unit);
    if (ohms > 0 && std::isfinite(ohms))
    {
        const int exponent = static_cast<int>(std::floor(std::log10(ohms)));
        const int digits = static_cast<int>(std::lround(ohms / std::pow(10.0, exponent - 2))) % 1000;
        const std::array<int, 4> wanted = {digits / 100 + 1, digits / 10 % 10 + 1, digits % 10 + 1,
                                           std::clamp(exponent + 1, 1, kRingPositions[kSlotMultiplier])};
        for (int slot = 0; slot < 4; ++slot)
        {
            const int pos = wanted[static_cast<size_t>(slot)];
            if (pos == data.positions[static_cast<size_t>(slot)])
                continue;
            data.positions[static_cast<size_t>(slot)] = pos;
            ::SendMessageA(RingOf(hDlg, slot), TBM_SETPOS, TRUE, pos);
        }
    }
    WriteLines(hDlg, ohms);
    ::InvalidateRect(hDlg, &data.picture, FALSE);
}

void FillList(HWND hDlg, int id, const char* pszStem, int count)
{
    for (int i = 1; i <= count; ++i)
    {
        char szItem[32];
        std::snprintf(szItem, sizeof szItem, "%s %d", pszStem, i);
        ::SendDlgItemMessageA(hDlg, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(szItem));
    }
}

void OnInitDialog(HWND hDlg, BaselineData& data)
{
    for (int slot = 0; slot < kRingSlots; ++slot)
    {
        HWND hBar = RingOf(hDlg, slot);
        ::SendMessageA(hBar, TBM_SETRANGE, TRUE, MAKELPARAM(1, kRingPositions[static_cast<size_t>(slot)]));
        data.positions[static_cast<size_t>(slot)] = static_cast<int>(::SendMessageA(hBar, TBM_GETPOS, 0, 0));
    }
    for (const char* pszUnit : {"Ohm", "kOhm", "MOhm"})
        ::SendDlgItemMessageA(hDlg, IDC_BASE_UNIT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszUnit));
    FillList(hDlg, IDC_BASE_TOLERANCE, "tol", kRingPositions[kSlotTolerance]);
    FillList(hDlg, IDC_BASE_TEMPCO, "ppm", kRingPositions[kSlotTempCo]);
    ApplyBaselineLook(hDlg);
    SelectUnit(hDlg, data, 0);
}

// The picture: its ground, the body and one band per ring, a brush each.
void OnPaint(HWND hDlg, const BaselineData& data)
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(hDlg, &ps);
    RECT rcPaint{};
    if (::IntersectRect(&rcPaint, &ps.rcPaint, &data.picture))
    {
        const RECT& rc = data.picture;
        ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
        HBRUSH hBody = ::CreateSolidBrush(RGB(225, 200, 150));
        HGDIOBJ hOld = ::SelectObject(hDC, hBody);
        const int width = rc.right - rc.left;
        const int height = rc.bottom - rc.top;
        if (data.bHorizontal)
            ::Rectangle(hDC, rc.left + 20, rc.top + 10, rc.right - 20, rc.bottom - 10);
        else
            ::Rectangle(hDC, rc.left + 10, rc.top + 20, rc.right - 10, rc.bottom - 20);
        for (int slot = 0; slot < kRingSlots; ++slot)
        {
            const int pos = data.positions[static_cast<size_t>(slot)];
            HBRUSH hRing = ::CreateSolidBrush(kRingColours[static_cast<size_t>((pos - 1 + 10) % 10)]);
            ::SelectObject(hDC, hRing);
            if (data.bHorizontal)
            {
                const int x = rc.left + 30 + slot * (width - 60) / kRingSlots;
                ::Rectangle(hDC, x, rc.top + 10, x + 12, rc.bottom - 10);
            }
            else
            {
                const int y = rc.top + 30 + slot * (height - 60) / kRingSlots;
                ::Rectangle(hDC, rc.left + 10, y, rc.right - 10, y + 12);
            }
            ::SelectObject(hDC, hBody);
            ::DeleteObject(hRing);
        }
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hBody);
    }
    ::EndPaint(hDlg, &ps);
}

INT_PTR CALLBACK BaselineDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        auto* pData = new BaselineData;
        pData->bModal = lParam != 0;
        ::SetWindowLongPtrA(hDlg, DWLP_USER, reinterpret_cast<LONG_PTR>(pData));
        pData->bHorizontal = (::GetWindowLongA(RingOf(hDlg, 0), GWL_STYLE) & TBS_VERT) != 0;
        pData->picture = pData->bHorizontal ? kPictureHorizontal : kPictureVertical;
        OnInitDialog(hDlg, *pData);
        return TRUE;
    }
    BaselineData* pData = DataOf(hDlg);
    if (pData == nullptr)
        return FALSE;
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
        OnRingMoved(hDlg, *pData, reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_BASE_VALUE && HIWORD(wParam) == EN_CHANGE && !pData->bRendering)
        {
            OnValueChanged(hDlg, *pData);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)
        {
            if (pData->bModal)
                ::EndDialog(hDlg, LOWORD(wParam));
            else
                ::DestroyWindow(hDlg);
            return TRUE;
        }
        return FALSE;
    case WM_PAINT:
        OnPaint(hDlg, *pData);
        return TRUE;
    case WM_NCDESTROY:
        ::SetWindowLongPtrA(hDlg, DWLP_USER, 0);
        delete pData;
        return FALSE;
    default:
        return FALSE;
    }
}

PanelData* PanelOf(HWND hWnd)
{
    return reinterpret_cast<PanelData*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
}

void RebuildPanel(HWND hWnd, PanelData& panel)
{
    for (HWND& hEdit : panel.edits)
    {
        if (hEdit != nullptr)
            ::DestroyWindow(hEdit);
        hEdit = nullptr;
    }
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    const HINSTANCE hInstance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(hWnd, GWLP_HINSTANCE));
    for (size_t i = 0; i < panel.edits.size(); ++i)
    {
        const int y = (kLineCount + 1 + static_cast<int>(i)) * kLineHeight;
        panel.edits[i] =
            ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 4, y,
                              rc.right - 8, kLineHeight - 2, hWnd, nullptr, hInstance, nullptr);
    }
    ::InvalidateRect(hWnd, nullptr, TRUE);
}

void PaintPanel(HWND hWnd, const PanelData& panel)
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(hWnd, &ps);
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    ::FillRect(hDC, &ps.rcPaint, ::GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ hOldFont = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    for (size_t i = 0; i < panel.lines.size(); ++i)
    {
        const std::string& line = panel.lines[i];
        ::TextOutA(hDC, 6, 2 + static_cast<int>(i) * kLineHeight, line.c_str(),
                   static_cast<int>(line.size()));
    }
    ::SelectObject(hDC, hOldFont);
    ::EndPaint(hWnd, &ps);
}

LRESULT CALLBACK PanelProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_NCCREATE:
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PanelData));
        break;
    case WM_NCDESTROY:
        delete PanelOf(hWnd);
        ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        break;
    case BPM_SETLINE:
        if (PanelData* pPanel = PanelOf(hWnd); pPanel != nullptr && wParam < kLineCount)
        {
            const char* pszText = reinterpret_cast<const char*>(lParam);
            std::string& line = pPanel->lines[wParam];
            if (line != pszText)
            {
                line = pszText;
                RECT rc{};
                ::GetClientRect(hWnd, &rc);
                rc.top = static_cast<int>(wParam) * kLineHeight;
                rc.bottom = rc.top + kLineHeight + 2;
                ::InvalidateRect(hWnd, &rc, FALSE);
            }
        }
        return 0;
    case BPM_REBUILD:
        if (PanelData* pPanel = PanelOf(hWnd))
            RebuildPanel(hWnd, *pPanel);
        return 0;
    case WM_ERASEBKGND:
        // The paint fills what it covers.
        return 1;
    case WM_PAINT:
        if (const PanelData* pPanel = PanelOf(hWnd))
        {
            PaintPanel(hWnd, *pPanel);
            return 0;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}
} // namespace

bool RegisterBaselineClasses(HINSTANCE hInstance)
{
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = PanelProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kPanelClass;
    return ::RegisterClassA(&wc) != 0;
}

HWND CreateBaselineDialog(UINT idTemplate)
{
    return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(idTemplate), nullptr,
                                BaselineDialogProc, 0);
}

INT_PTR RunBaselineDialog(UINT idTemplate)
{
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(idTemplate), nullptr,
                             BaselineDialogProc, 1);
}

void ApplyBaselineLook(HWND hDlg)
{
    BaselineData* pData = DataOf(hDlg);
    if (pData == nullptr)
        return;
    ::SetWindowPos(hDlg, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND hPanel = ::GetDlgItem(hDlg, IDC_BASE_PANEL);
    ::SendMessageA(hPanel, BPM_REBUILD, 0, 0);
    WriteLines(hDlg, RingsToOhms(pData->positions));
    for (int slot = 0; slot < kRingSlots; ++slot)
        ::ShowWindow(RingOf(hDlg, slot), SW_HIDE);
    ::SetWindowLongA(hDlg, GWL_EXSTYLE, ::GetWindowLongA(hDlg, GWL_EXSTYLE) | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(hDlg, 0, 255, LWA_ALPHA);
    ::InvalidateRect(hDlg, nullptr, TRUE);
    ::UpdateWindow(hDlg);
    for (int slot = 0; slot < kRingSlots; ++slot)
        ::ShowWindow(RingOf(hDlg, slot), SW_SHOWNORMAL);
}
