// Scope objects for paired calls: device contexts, selections and global memory locks.
// Neither copyable nor movable, but for the selection guard: each pairs one call with its undo.
#pragma once

#include <windows.h>

#include <utility>

class CScope
{
public:
    CScope() = default;
    CScope(const CScope&) = delete;
    CScope& operator=(const CScope&) = delete;
};

// BeginPaint/EndPaint, for WM_PAINT only.
class CPaintDC : CScope
{
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::BeginPaint(hWnd, &m_ps)) {}
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    HDC get() const { return m_hDC; }
    const PAINTSTRUCT& ps() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_hDC;
};

// GetDC, always given back with ReleaseDC.
class CClientDC : CScope
{
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~CClientDC()
    {
        if (m_hDC != nullptr)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    HDC get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// SelectObject with the previous object restored; declare it after the object it selects. It
// may start empty and be given its selection later by a move, which hands the undo over;
// selections are undone in the reverse order of their making.
class CSelectObject
{
public:
    CSelectObject() = default;
    CSelectObject(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObject)) {}
    CSelectObject(CSelectObject&& other) noexcept
        : m_hDC(std::exchange(other.m_hDC, nullptr)), m_hOld(std::exchange(other.m_hOld, nullptr))
    {
    }
    CSelectObject& operator=(CSelectObject&& other) noexcept
    {
        if (this != &other)
        {
            Restore();
            m_hDC = std::exchange(other.m_hDC, nullptr);
            m_hOld = std::exchange(other.m_hOld, nullptr);
        }
        return *this;
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;
    ~CSelectObject() { Restore(); }

private:
    void Restore()
    {
        if (m_hOld != nullptr && m_hOld != HGDI_ERROR)
            ::SelectObject(m_hDC, m_hOld);
        m_hOld = nullptr;
    }

    HDC m_hDC = nullptr;
    HGDIOBJ m_hOld = nullptr;
};

// SetTextColor and SetBkColor, both restored: the colours that monochrome blits and text take.
class CDCColors : CScope
{
public:
    CDCColors(HDC hDC, COLORREF crText, COLORREF crBk)
        : m_hDC(hDC), m_crOldText(::SetTextColor(hDC, crText)), m_crOldBk(::SetBkColor(hDC, crBk))
    {
    }
    ~CDCColors()
    {
        ::SetBkColor(m_hDC, m_crOldBk);
        ::SetTextColor(m_hDC, m_crOldText);
    }

private:
    HDC m_hDC;
    COLORREF m_crOldText;
    COLORREF m_crOldBk;
};

// GlobalLock/GlobalUnlock; get() is null when the lock failed.
class CGlobalLock : CScope
{
public:
    explicit CGlobalLock(HGLOBAL hMem) : m_hMem(hMem), m_p(hMem != nullptr ? ::GlobalLock(hMem) : nullptr) {}
    ~CGlobalLock()
    {
        if (m_p != nullptr)
            ::GlobalUnlock(m_hMem);
    }
    void* get() const { return m_p; }

private:
    HGLOBAL m_hMem;
    void* m_p;
};

// SelectPalette with the previous palette put back; RealizePalette maps it into the context.
class CSelectPalette : CScope
{
public:
    CSelectPalette(HDC hDC, HPALETTE hPalette) : m_hDC(hDC), m_hOld(::SelectPalette(hDC, hPalette, FALSE))
    {
        ::RealizePalette(hDC);
    }
    ~CSelectPalette()
    {
        if (m_hOld != nullptr)
            ::SelectPalette(m_hDC, m_hOld, FALSE);
    }

private:
    HDC m_hDC;
    HPALETTE m_hOld;
};

// The hourglass for a command that keeps the thread busy; the previous cursor comes back.
class CWaitCursor : CScope
{
public:
    CWaitCursor() : m_hOld(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(m_hOld); }

private:
    HCURSOR m_hOld;
};
