// Every pair of values of a list, sorted by the sum of their resistances or of their conductances,
// built a slice at a time so that a window never waits for the whole list.
#include "model/combination_pairs.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace
{
// The bits of a positive double grow with its value: their leading bits (exponent and first
// mantissa bits) number buckets that follow the keys' order, and counting the keys per
// bucket sorts them in two passes but for the few that share a bucket.
constexpr int kMantissaBits = 52;
constexpr int kMostBucketBitsPerOctave = 20;

// Pairs ordered per slice once they are placed.
constexpr std::size_t kOrderSlice = 16384;

std::uint64_t Bits(double key)
{
    return std::bit_cast<std::uint64_t>(key);
}
} // namespace

void CombinationPairs::Start(std::span<const double> terms)
{
    m_terms = terms;
    const std::size_t n = terms.size();
    m_pairs.assign(n * (n + 1) / 2, 0);
    m_cursor = 0;
    m_workDone = 0;
    m_bucketStarts.clear();
    m_phase = Phase::Sorted;
    if (n == 0)
    {
        return;
    }

    const auto [smallest, largest] = std::minmax_element(terms.begin(), terms.end());
    const double lowestKey = *smallest + *smallest;
    const double highestKey = *largest + *largest;
    int lowestExponent = 0;
    int highestExponent = 0;
    std::frexp(lowestKey, &lowestExponent);
    std::frexp(highestKey, &highestExponent);
    const auto octaves = static_cast<std::size_t>(highestExponent - lowestExponent + 1);
    // About one pair per bucket.
    int bitsPerOctave = 0;
    while (bitsPerOctave < kMostBucketBitsPerOctave && (octaves << bitsPerOctave) < m_pairs.size())
    {
        ++bitsPerOctave;
    }
    m_bucketShift = kMantissaBits - bitsPerOctave;
    m_lowestBits = Bits(lowestKey) >> m_bucketShift;
    m_bucketStarts.assign(BucketOf(highestKey) + 1, 0);
    m_phase = Phase::Count;
}

std::size_t CombinationPairs::BucketOf(double key) const
{
    return static_cast<std::size_t>((Bits(key) >> m_bucketShift) - m_lowestBits);
}

std::size_t CombinationPairs::Step()
{
    const std::size_t n = m_terms.size();
    std::size_t work = 0;
    switch (m_phase)
    {
    case Phase::Count:
        // One row: the larger value and every value up to it.
        for (std::size_t smaller = 0; smaller <= m_cursor; ++smaller)
        {
            ++m_bucketStarts[BucketOf(m_terms[m_cursor] + m_terms[smaller])];
        }
        work = m_cursor + 1;
        if (++m_cursor == n)
        {
            std::uint32_t start = 0;
            for (std::uint32_t& bucket : m_bucketStarts)
            {
                start += std::exchange(bucket, start);
            }
            m_cursor = 0;
            m_phase = Phase::Place;
        }
        break;
    case Phase::Place:
        // Each bucket's start moves on as it fills, ending at the next bucket's start.
        for (std::size_t smaller = 0; smaller <= m_cursor; ++smaller)
        {
            const std::size_t bucket = BucketOf(m_terms[m_cursor] + m_terms[smaller]);
            m_pairs[m_bucketStarts[bucket]++] = Pair(m_cursor, smaller);
        }
        work = m_cursor + 1;
        if (++m_cursor == n)
        {
            m_cursor = 0;
            m_phase = Phase::Order;
        }
        break;
    case Phase::Order:
    {
        const auto byKey = [this](std::uint32_t a, std::uint32_t b)
        { return m_terms[a >> 16] + m_terms[a & 0xFFFF] < m_terms[b >> 16] + m_terms[b & 0xFFFF]; };
        std::size_t first = m_cursor == 0 ? 0 : m_bucketStarts[m_cursor - 1];
        while (m_cursor < m_bucketStarts.size() && work < kOrderSlice)
        {
            const std::size_t last = m_bucketStarts[m_cursor++];
            if (last - first > 1)
            {
                std::sort(m_pairs.begin() + static_cast<std::ptrdiff_t>(first),
                          m_pairs.begin() + static_cast<std::ptrdiff_t>(last), byKey);
            }
            work += last - first;
            first = last;
        }
        if (m_cursor == m_bucketStarts.size())
        {
            m_bucketStarts = {};
            m_phase = Phase::Sorted;
        }
        break;
    }
    case Phase::Sorted:
        break;
    }
    m_workDone += work;
    return work;
}
