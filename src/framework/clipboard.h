// The clipboard held open for one scope: OpenClipboard/CloseClipboard.
#pragma once

#include "framework/handles.h"
#include "framework/scopes.h"

#include <windows.h>

class CClipboard : CScope
{
public:
    // Fails while another window holds the clipboard open; then nothing may be put on it.
    explicit CClipboard(HWND hOwner) : m_bOpen(::OpenClipboard(hOwner) != FALSE) {}
    ~CClipboard()
    {
        if (m_bOpen)
            ::CloseClipboard();
    }
    bool IsOpen() const { return m_bOpen; }

    // Empties the clipboard and hands it the data, which then belongs to the clipboard: the
    // owner lets go of it only when SetClipboardData took it.
    template <class Traits> bool Replace(UINT nFormat, CHandle<Traits>& data)
    {
        if (!m_bOpen || !data || !::EmptyClipboard())
            return false;
        if (::SetClipboardData(nFormat, data.get()) == nullptr)
            return false;
        data.release();
        return true;
    }

private:
    bool m_bOpen;
};
