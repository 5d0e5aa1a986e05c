// Filling in the values of a string-table text.
#include "model/placeholder_text.h"

std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    constexpr std::string_view kPlaceholder = "%s";
    std::string text;
    const std::string_view* next = values.begin();
    std::size_t start = 0;
    for (std::size_t at = pattern.find(kPlaceholder); at != std::string_view::npos && next != values.end();
         at = pattern.find(kPlaceholder, start))
    {
        text += pattern.substr(start, at - start);
        text += *next++;
        start = at + kPlaceholder.size();
    }
    text += pattern.substr(start);
    return text;
}
