// Resource module and string loading.
#include "framework/resource_module.h"

namespace
{
HINSTANCE g_hResourceModule = nullptr;
}

HINSTANCE GetResourceModule()
{
    return g_hResourceModule != nullptr ? g_hResourceModule : ::GetModuleHandleA(nullptr);
}

void SetResourceModule(HINSTANCE hModule)
{
    g_hResourceModule = hModule;
}

std::string LoadResourceString(UINT id)
{
    return LoadResourceString(GetResourceModule(), id);
}

std::string LoadResourceString(HINSTANCE hModule, UINT id)
{
    // Strings are stored in 16-entry blocks; the block gives the exact length, so texts of any
    // length come back whole (LoadStringA would cut them at a buffer size). Every length is
    // checked against the block's size: a damaged block gives an empty text.
    HRSRC hInfo = ::FindResourceA(hModule, MAKEINTRESOURCEA((id >> 4) + 1), MAKEINTRESOURCEA(6));
    if (hInfo == nullptr)
        return {};
    const size_t nWords = ::SizeofResource(hModule, hInfo) / sizeof(WCHAR);
    HGLOBAL hData = ::LoadResource(hModule, hInfo);
    const WCHAR* p = hData != nullptr ? static_cast<const WCHAR*>(::LockResource(hData)) : nullptr;
    if (p == nullptr)
        return {};
    size_t at = 0;
    for (UINT i = 0; i < (id & 15) && at < nWords; ++i)
        at += size_t{p[at]} + 1;
    if (at >= nWords || p[at] == 0 || p[at] > nWords - at - 1)
        return {};
    const int length = p[at];
    p += at;
    const int size = ::WideCharToMultiByte(CP_ACP, 0, p + 1, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, p + 1, length, text.data(), size, nullptr, nullptr);
    return text;
}

HINSTANCE GetResourceModuleFor(LPCSTR pszType, UINT id)
{
    HINSTANCE hModule = GetResourceModule();
    HRSRC hInfo = ::FindResourceA(hModule, MAKEINTRESOURCEA(id), pszType);
    if (hInfo != nullptr && ::SizeofResource(hModule, hInfo) != 0 &&
        ::LoadResource(hModule, hInfo) != nullptr)
        return hModule;
    return ::GetModuleHandleA(nullptr);
}

const DLGTEMPLATE* LoadDialogTemplate(UINT id)
{
    HINSTANCE hModule = GetResourceModuleFor(RT_DIALOG, id);
    HRSRC hInfo = ::FindResourceA(hModule, MAKEINTRESOURCEA(id), RT_DIALOG);
    HGLOBAL hData = hInfo != nullptr ? ::LoadResource(hModule, hInfo) : nullptr;
    // Resource memory lives as long as its module: nothing to free.
    return hData != nullptr ? static_cast<const DLGTEMPLATE*>(::LockResource(hData)) : nullptr;
}
