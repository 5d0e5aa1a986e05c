// The one number-to-text routine of every resistance and calculator text.
#include "model/decimal_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace
{
// The smallest float is 2^-149, whose exact expansion has 149 decimals: further decimals
// would only add zeros that are cut again.
constexpr int kMaxDecimals = 149;

constexpr std::uint32_t kChunk = 1'000'000'000;
constexpr int kChunkDigits = 9;

// Non-negative integer big enough for the largest float (below 2^128) times 10^149.
class BigUnsigned
{
public:
    explicit BigUnsigned(std::uint32_t value)
    {
        m_limbs[0] = value;
        m_size = value != 0 ? 1 : 0;
    }

    bool IsZero() const { return m_size == 0; }

    void Multiply(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (int i = 0; i < m_size; ++i)
        {
            const std::uint64_t product = std::uint64_t{Limb(i)} * factor + carry;
            Limb(i) = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0)
        {
            Limb(m_size++) = static_cast<std::uint32_t>(carry);
        }
    }

    void ShiftLeft(int bits)
    {
        if (IsZero())
        {
            return;
        }
        const int whole = bits / 32;
        const int part = bits % 32;
        Limb(m_size + whole) = 0;
        for (int i = m_size - 1; i >= 0; --i)
        {
            const std::uint64_t moved = std::uint64_t{Limb(i)} << part;
            Limb(i + whole + 1) |= static_cast<std::uint32_t>(moved >> 32);
            Limb(i + whole) = static_cast<std::uint32_t>(moved);
        }
        std::fill_n(m_limbs.begin(), whole, 0u);
        m_size += whole + 1;
        Trim();
    }

    void ShiftRight(int bits)
    {
        const int whole = bits / 32;
        const int part = bits % 32;
        if (whole >= m_size)
        {
            m_size = 0;
            return;
        }
        for (int i = 0; i + whole < m_size; ++i)
        {
            const std::uint64_t high = i + whole + 1 < m_size ? Limb(i + whole + 1) : 0;
            const std::uint64_t pair = (high << 32) | Limb(i + whole);
            Limb(i) = static_cast<std::uint32_t>(pair >> part);
        }
        m_size -= whole;
        Trim();
    }

    bool TestBit(int bit) const
    {
        const int index = bit / 32;
        return index < m_size && ((m_limbs[static_cast<std::size_t>(index)] >> (bit % 32)) & 1u) != 0;
    }

    void Increment()
    {
        for (int i = 0; i < m_size; ++i)
        {
            if (++Limb(i) != 0)
            {
                return;
            }
        }
        Limb(m_size++) = 1;
    }

    // Returns the remainder.
    std::uint32_t Divide(std::uint32_t divisor)
    {
        std::uint64_t remainder = 0;
        for (int i = m_size - 1; i >= 0; --i)
        {
            const std::uint64_t current = (remainder << 32) | Limb(i);
            Limb(i) = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        Trim();
        return static_cast<std::uint32_t>(remainder);
    }

private:
    std::uint32_t& Limb(int index) { return m_limbs[static_cast<std::size_t>(index)]; }

    void Trim()
    {
        while (m_size > 0 && m_limbs[static_cast<std::size_t>(m_size - 1)] == 0)
        {
            --m_size;
        }
    }

    std::array<std::uint32_t, 21> m_limbs{};
    int m_size = 0;
};

// Decimal digits without leading zeros; empty for zero.
std::string ToDigits(BigUnsigned number)
{
    std::array<std::uint32_t, 24> chunks{};
    std::size_t count = 0;
    while (!number.IsZero())
    {
        chunks[count++] = number.Divide(kChunk);
    }
    std::string digits;
    for (std::size_t i = count; i-- > 0;)
    {
        char chunk[kChunkDigits];
        std::uint32_t rest = chunks[i];
        for (int d = kChunkDigits - 1; d >= 0; --d)
        {
            chunk[d] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        }
        digits.append(chunk, kChunkDigits);
    }
    digits.erase(0, digits.find_first_not_of('0'));
    return digits;
}

// |value| x 10^decimals rounded to an integer, an exact half upwards.
BigUnsigned ScaledMagnitude(float value, int decimals)
{
    int exponent = 0;
    const float fraction = std::frexp(std::fabs(value), &exponent);
    constexpr int kMantissaBits = std::numeric_limits<float>::digits;
    BigUnsigned number(static_cast<std::uint32_t>(std::ldexp(fraction, kMantissaBits)));
    exponent -= kMantissaBits;

    for (int left = decimals; left > 0; left -= kChunkDigits)
    {
        std::uint32_t factor = 1;
        for (int i = 0; i < std::min(left, kChunkDigits); ++i)
        {
            factor *= 10;
        }
        number.Multiply(factor);
    }
    if (exponent >= 0)
    {
        number.ShiftLeft(exponent);
    }
    else
    {
        const bool halfOrMore = number.TestBit(-exponent - 1);
        number.ShiftRight(-exponent);
        if (halfOrMore)
        {
            number.Increment();
        }
    }
    return number;
}
} // namespace

std::string FormatDecimal(float value, int decimals)
{
    if (std::isnan(value))
    {
        value = 0.0f;
    }
    else if (std::isinf(value))
    {
        value = std::copysign(std::numeric_limits<float>::max(), value);
    }
    decimals = std::clamp(decimals, 0, kMaxDecimals);

    const std::string digits = ToDigits(ScaledMagnitude(value, decimals));
    const int point = static_cast<int>(digits.size()) - decimals;

    std::string text;
    // A value that rounds to zero shows no sign: "-0" would read as a different number.
    if (std::signbit(value) && !digits.empty())
    {
        text += '-';
    }
    if (point <= 0)
    {
        text += "0.";
        text.append(static_cast<std::size_t>(-point), '0');
        text += digits;
    }
    else
    {
        text.append(digits, 0, static_cast<std::size_t>(point));
        text += '.';
        text.append(digits, static_cast<std::size_t>(point));
    }

    while (text.back() == '0')
    {
        text.pop_back();
    }
    if (text.back() == '.')
    {
        text.pop_back();
    }
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}
