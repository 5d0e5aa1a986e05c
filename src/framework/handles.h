// Move-only owners of Win32 handles: one template, one type per kind of handle.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

// Traits name the handle type, how it is closed and the value that means "no handle": null for
// most kinds, INVALID_HANDLE_VALUE for files and searches.
template <class T> struct CNullIsInvalid
{
    using Type = T;
    static constexpr Type Invalid() { return nullptr; }
};

template <class Traits> class CHandle
{
public:
    using Type = typename Traits::Type;

    constexpr CHandle() = default;
    explicit CHandle(Type h) : m_h(h) {}
    CHandle(CHandle&& other) noexcept : m_h(other.release()) {}
    CHandle& operator=(CHandle&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    ~CHandle() { reset(); }

    Type get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::Invalid(); }

    // Taking back the handle already owned must not close it.
    void reset(Type h = Traits::Invalid())
    {
        if (h == m_h)
            return;
        if (m_h != Traits::Invalid())
            Traits::Close(m_h);
        m_h = h;
    }
    Type release() { return std::exchange(m_h, Traits::Invalid()); }
    // For out-parameters: the handle owned until now is freed first.
    Type* put()
    {
        reset();
        return &m_h;
    }

private:
    Type m_h = Traits::Invalid();
};

template <class T> struct CGdiObjectTraits : CNullIsInvalid<T>
{
    static void Close(T h) { ::DeleteObject(h); }
};
struct CMemoryDCTraits : CNullIsInvalid<HDC>
{
    static void Close(HDC h) { ::DeleteDC(h); }
};
struct CKeyTraits : CNullIsInvalid<HKEY>
{
    static void Close(HKEY h) { ::RegCloseKey(h); }
};
struct CModuleTraits : CNullIsInvalid<HMODULE>
{
    static void Close(HMODULE h) { ::FreeLibrary(h); }
};
struct CMenuTraits : CNullIsInvalid<HMENU>
{
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct CHookTraits : CNullIsInvalid<HHOOK>
{
    static void Close(HHOOK h) { ::UnhookWindowsHookEx(h); }
};
struct CGlobalTraits : CNullIsInvalid<HGLOBAL>
{
    static void Close(HGLOBAL h) { ::GlobalFree(h); }
};
struct CImageListTraits : CNullIsInvalid<HIMAGELIST>
{
    static void Close(HIMAGELIST h) { ::ImageList_Destroy(h); }
};
// FindFirstFile's handle, which fails with INVALID_HANDLE_VALUE.
struct CFindTraits
{
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
// CreateFile's handle, which fails with INVALID_HANDLE_VALUE.
struct CFileTraits
{
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};

using CBrushHandle = CHandle<CGdiObjectTraits<HBRUSH>>;
using CPenHandle = CHandle<CGdiObjectTraits<HPEN>>;
using CFontHandle = CHandle<CGdiObjectTraits<HFONT>>;
using CBitmapHandle = CHandle<CGdiObjectTraits<HBITMAP>>;
using CMemoryDCHandle = CHandle<CMemoryDCTraits>;
// A printer's context, from CreateDC or the print dialog, is deleted like a memory one.
using CPrinterDCHandle = CHandle<CMemoryDCTraits>;
using CKeyHandle = CHandle<CKeyTraits>;
using CModuleHandle = CHandle<CModuleTraits>;
using CMenuHandle = CHandle<CMenuTraits>;
using CGlobalHandle = CHandle<CGlobalTraits>;
using CHookHandle = CHandle<CHookTraits>;
using CFindHandle = CHandle<CFindTraits>;
using CFileHandle = CHandle<CFileTraits>;
using CImageListHandle = CHandle<CImageListTraits>;
