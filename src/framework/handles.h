// Move-only owners of Win32 handles: one template, one type per kind of handle.
#pragma once

#include <windows.h>

#include <utility>

template <class Traits> class CHandle
{
public:
    using Type = typename Traits::Type;

    CHandle() = default;
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
    explicit operator bool() const { return m_h != nullptr; }

    // Taking back the handle already owned must not close it.
    void reset(Type h = nullptr)
    {
        if (h == m_h)
            return;
        if (m_h != nullptr)
            Traits::Close(m_h);
        m_h = h;
    }
    Type release() { return std::exchange(m_h, nullptr); }
    // For out-parameters: the handle owned until now is freed first.
    Type* put()
    {
        reset();
        return &m_h;
    }

private:
    Type m_h = nullptr;
};

template <class T> struct CGdiObjectTraits
{
    using Type = T;
    static void Close(T h) { ::DeleteObject(h); }
};
struct CMemoryDCTraits
{
    using Type = HDC;
    static void Close(HDC h) { ::DeleteDC(h); }
};
struct CKeyTraits
{
    using Type = HKEY;
    static void Close(HKEY h) { ::RegCloseKey(h); }
};
struct CModuleTraits
{
    using Type = HMODULE;
    static void Close(HMODULE h) { ::FreeLibrary(h); }
};
struct CMenuTraits
{
    using Type = HMENU;
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct CGlobalTraits
{
    using Type = HGLOBAL;
    static void Close(HGLOBAL h) { ::GlobalFree(h); }
};
struct CIconTraits
{
    using Type = HICON;
    static void Close(HICON h) { ::DestroyIcon(h); }
};
// FindFirstFile's handle; its failure value must be turned into null before it is owned.
struct CFindTraits
{
    using Type = HANDLE;
    static void Close(HANDLE h) { ::FindClose(h); }
};
struct CAccelTraits
{
    using Type = HACCEL;
    static void Close(HACCEL h) { ::DestroyAcceleratorTable(h); }
};

using CBrushHandle = CHandle<CGdiObjectTraits<HBRUSH>>;
using CPenHandle = CHandle<CGdiObjectTraits<HPEN>>;
using CFontHandle = CHandle<CGdiObjectTraits<HFONT>>;
using CBitmapHandle = CHandle<CGdiObjectTraits<HBITMAP>>;
using CRgnHandle = CHandle<CGdiObjectTraits<HRGN>>;
using CMemoryDCHandle = CHandle<CMemoryDCTraits>;
// A printer's context, from CreateDC or the print dialog, is deleted like a memory one.
using CPrinterDCHandle = CHandle<CMemoryDCTraits>;
using CKeyHandle = CHandle<CKeyTraits>;
using CModuleHandle = CHandle<CModuleTraits>;
using CMenuHandle = CHandle<CMenuTraits>;
using CGlobalHandle = CHandle<CGlobalTraits>;
using CIconHandle = CHandle<CIconTraits>;
using CAccelHandle = CHandle<CAccelTraits>;
using CFindHandle = CHandle<CFindTraits>;
