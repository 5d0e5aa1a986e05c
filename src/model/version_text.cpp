// Version texts and web link addresses.
#include "model/version_text.h"

#include <algorithm>

std::string ShortVersionText(std::string_view fileVersion)
{
    std::string text(fileVersion);
    std::replace(text.begin(), text.end(), ',', '.');
    const size_t first = text.find('.');
    const size_t second = first == std::string::npos ? first : text.find('.', first + 1);
    const size_t third = second == std::string::npos ? second : text.find('.', second + 1);
    if (third == std::string::npos)
        return text;
    return text.substr(0, second) + text.substr(third);
}

std::string WebLinkAddress(std::string_view address, std::string_view shortVersion, std::string_view appName)
{
    std::string link(address);
    if (!link.empty() && link.back() == '&')
        link.append("ver=").append(shortVersion).append("&prog=").append(appName);
    return link;
}

std::string DownloadLinkAddress(std::string_view redirect, std::string_view productName,
                                std::string_view fileVersion)
{
    std::string target(productName);
    std::transform(target.begin(), target.end(), target.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    const std::string page = std::string(redirect) + "url=" + target + "_telechargement&";
    return WebLinkAddress(page, ShortVersionText(fileVersion), productName);
}
