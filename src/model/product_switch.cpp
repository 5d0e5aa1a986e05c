// Reading the product name a companion tool is started with.
#include "model/product_switch.h"

#include <algorithm>

namespace
{
constexpr size_t kMaxProductName = 64;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

bool SameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// Where the option starts as a word of its own, or npos.
size_t FindOption(std::string_view commandLine, std::string_view option)
{
    for (size_t at = 0; at + option.size() <= commandLine.size(); ++at)
        if ((at == 0 || IsBlank(commandLine[at - 1])) &&
            SameLetters(commandLine.substr(at, option.size()), option))
            return at;
    return std::string_view::npos;
}
} // namespace

std::optional<std::string> ReadProductSwitch(std::string_view commandLine, std::string_view option)
{
    const size_t at = option.empty() ? std::string_view::npos : FindOption(commandLine, option);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = commandLine.substr(at + option.size());
    std::string_view name;
    if (!rest.empty() && rest.front() == '"')
    {
        const size_t close = rest.find('"', 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        name = rest.substr(1, close - 1);
    }
    else
        name = rest.substr(
            0, static_cast<size_t>(std::find_if(rest.begin(), rest.end(), IsBlank) - rest.begin()));
    if (name.empty() || name.size() > kMaxProductName || !std::all_of(name.begin(), name.end(), IsNameChar))
        return std::nullopt;
    return std::string(name);
}
