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
    // length come back whole (LoadStringA would cut them at a buffer size).
    HRSRC hInfo = ::FindResourceA(hModule, MAKEINTRESOURCEA((id >> 4) + 1), MAKEINTRESOURCEA(6));
    if (hInfo == nullptr)
        return {};
    HGLOBAL hData = ::LoadResource(hModule, hInfo);
    const WCHAR* p = hData != nullptr ? static_cast<const WCHAR*>(::LockResource(hData)) : nullptr;
    if (p == nullptr)
        return {};
    for (UINT i = 0; i < (id & 15); ++i)
        p += *p + 1;
    const int length = *p;
    if (length == 0)
        return {};
    const int size = ::WideCharToMultiByte(CP_ACP, 0, p + 1, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, p + 1, length, text.data(), size, nullptr, nullptr);
    return text;
}
