#include "framework/wide_text.h"

#include <windows.h>

std::optional<std::wstring> WidenText(const std::string& strText)
{
    const int nLength = ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, strText.c_str(), -1, nullptr, 0);
    if (nLength <= 0)
        return std::nullopt;
    std::wstring strWide(static_cast<size_t>(nLength), L'\0');
    if (::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, strText.c_str(), -1, strWide.data(), nLength) !=
        nLength)
        return std::nullopt;
    strWide.resize(static_cast<size_t>(nLength - 1));
    return strWide;
}
