// Conversion of integer settings to and from their stored text, independent of locale.
#include "model/settings_text.h"

#include <limits>

std::string FormatSettingInt(int value)
{
    return std::to_string(value);
}

namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

int ParseSettingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        bNegative = text[i++] == '-';
    // Accumulated as a magnitude one past INT_MAX at most, so that INT_MIN itself is reachable.
    const long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + (bNegative ? 1 : 0);
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    return static_cast<int>(bNegative ? -magnitude : magnitude);
}
