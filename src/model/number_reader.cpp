// Reading the number at the start of a text, with a decimal point whatever the locale.
#include "model/number_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>

namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

class Scanner
{
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    std::size_t Position() const { return m_position; }
    void Seek(std::size_t position) { m_position = position; }

    bool Accept(char wanted)
    {
        if (m_position < m_text.size() && m_text[m_position] == wanted)
        {
            ++m_position;
            return true;
        }
        return false;
    }

    bool AcceptSign() { return Accept('+') || Accept('-'); }

    void SkipBlanks()
    {
        while (m_position < m_text.size() && IsBlank(m_text[m_position]))
        {
            ++m_position;
        }
    }

    std::string_view Digits()
    {
        const std::size_t start = m_position;
        while (m_position < m_text.size() && IsDigit(m_text[m_position]))
        {
            ++m_position;
        }
        return m_text.substr(start, m_position - start);
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

// Read with saturation: only its sign matters once it is this far out of range.
constexpr long kExponentLimit = 100'000;

long SaturatedExponent(std::string_view digits, bool negative)
{
    long exponent = 0;
    for (char c : digits)
    {
        exponent = std::min(exponent * 10 + (c - '0'), kExponentLimit);
    }
    return negative ? -exponent : exponent;
}

// Power of ten of the first significant digit, used only when a number is out of range.
long LeadingPower(std::string_view whole, std::string_view fraction, long exponent)
{
    const std::size_t firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos)
    {
        return static_cast<long>(std::min<std::size_t>(whole.size() - firstWhole, kExponentLimit)) - 1 +
               exponent;
    }
    const std::size_t firstFraction = fraction.find_first_not_of('0');
    return -static_cast<long>(std::min<std::size_t>(firstFraction, kExponentLimit)) - 1 + exponent;
}

// What a reading took: the value, and where the number ended (0 when there was none).
struct ScannedNumber
{
    double value = 0.0;
    std::size_t end = 0;
};

ScannedNumber ScanNumber(std::string_view text)
{
    Scanner scanner(text);
    scanner.SkipBlanks();
    const bool negative = text.substr(scanner.Position()).starts_with('-');
    scanner.AcceptSign();

    const std::size_t numberStart = scanner.Position();
    const std::string_view whole = scanner.Digits();
    std::string_view fraction;
    if (scanner.Accept('.'))
    {
        fraction = scanner.Digits();
    }
    if (whole.empty() && fraction.empty())
    {
        return {};
    }

    long exponent = 0;
    const std::size_t mantissaEnd = scanner.Position();
    if (scanner.Accept('e') || scanner.Accept('E'))
    {
        const bool negativeExponent = text.substr(scanner.Position()).starts_with('-');
        scanner.AcceptSign();
        const std::string_view exponentDigits = scanner.Digits();
        if (exponentDigits.empty())
        {
            scanner.Seek(mantissaEnd);
        }
        exponent = SaturatedExponent(exponentDigits, negativeExponent);
    }

    const char* first = text.data() + numberStart;
    const char* last = text.data() + scanner.Position();
    double value = 0.0;
    if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range)
    {
        const bool tooLarge = LeadingPower(whole, fraction, exponent) > 0;
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return {negative ? -value : value, scanner.Position()};
}
} // namespace

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
    {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back()))
    {
        text.remove_suffix(1);
    }
    return text;
}

double ReadLeadingNumber(std::string_view text)
{
    return ScanNumber(text).value;
}

std::optional<double> ReadWholeNumber(std::string_view text)
{
    std::string pointed(TrimBlanks(text));
    const std::size_t comma = pointed.find(',');
    if (comma != std::string::npos)
    {
        if (pointed.find('.') != std::string::npos)
        {
            return std::nullopt;
        }
        pointed[comma] = '.';
    }
    const ScannedNumber number = ScanNumber(pointed);
    if (number.end == 0 || number.end != pointed.size() || !std::isfinite(number.value))
    {
        return std::nullopt;
    }
    return number.value;
}
