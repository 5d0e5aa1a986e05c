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
// About this many pairs to a bucket: fewer buckets would leave more to order within them,
// more would cost more memory than the pairs themselves.
constexpr std::size_t kPairsPerBucket = 4;
// Buckets this small are ordered by insertion.
constexpr std::size_t kInsertionLimit = 16;

// Entries cleared, and pairs ordered, per slice.
constexpr std::size_t kClearSlice = 65536;
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
    m_size = n * (n + 1) / 2;
    m_pairs = std::make_unique_for_overwrite<std::uint32_t[]>(m_size);
    m_cursor = 0;
    m_workDone = 0;
    m_bucketCount = 0;
    m_phase = Phase::Sorted;
    if (n == 0)
    {
        return;
    }

    const auto [smallest, largest] = std::minmax_element(terms.begin(), terms.end());
    m_lowestKey = *smallest + *smallest;
    m_highestKey = *largest + *largest;
    int lowestExponent = 0;
    int highestExponent = 0;
    std::frexp(m_lowestKey, &lowestExponent);
    std::frexp(m_highestKey, &highestExponent);
    const auto octaves = static_cast<std::size_t>(highestExponent - lowestExponent + 1);
    int bitsPerOctave = 0;
    while (bitsPerOctave < kMostBucketBitsPerOctave && (octaves << bitsPerOctave) * kPairsPerBucket < m_size)
    {
        ++bitsPerOctave;
    }
    m_bucketShift = kMantissaBits - bitsPerOctave;
    m_lowestBits = Bits(m_lowestKey) >> m_bucketShift;
    m_bucketCount = BucketOf(m_highestKey) + 1;
    m_buckets = std::make_unique_for_overwrite<std::uint32_t[]>(m_bucketCount);
    m_phase = Phase::Clear;
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
    case Phase::Clear:
    {
        // The buckets, then the pairs, as one run of entries.
        const std::size_t first = m_cursor;
        const std::size_t last = std::min(first + kClearSlice, m_bucketCount + m_size);
        if (first < m_bucketCount)
        {
            std::fill(m_buckets.get() + first, m_buckets.get() + std::min(last, m_bucketCount), 0u);
        }
        if (last > m_bucketCount)
        {
            std::fill(m_pairs.get() + (std::max(first, m_bucketCount) - m_bucketCount),
                      m_pairs.get() + (last - m_bucketCount), 0u);
        }
        work = last - first;
        m_cursor = last;
        if (m_cursor == m_bucketCount + m_size)
        {
            m_cursor = 0;
            m_phase = Phase::Count;
        }
        break;
    }
    case Phase::Count:
        // One row: the larger value and every value up to it.
        for (std::size_t smaller = 0; smaller <= m_cursor; ++smaller)
        {
            ++m_buckets[BucketOf(m_terms[m_cursor] + m_terms[smaller])];
        }
        work = m_cursor + 1;
        if (++m_cursor == n)
        {
            std::uint32_t start = 0;
            for (std::size_t bucket = 0; bucket < m_bucketCount; ++bucket)
            {
                start += std::exchange(m_buckets[bucket], start);
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
            m_pairs[m_buckets[bucket]++] = Pair(m_cursor, smaller);
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
        std::size_t first = m_cursor == 0 ? 0 : m_buckets[m_cursor - 1];
        while (m_cursor < m_bucketCount && work < kOrderSlice)
        {
            const std::size_t last = m_buckets[m_cursor++];
            std::uint32_t* const begin = m_pairs.get() + first;
            std::uint32_t* const end = m_pairs.get() + last;
            if (last - first > kInsertionLimit)
            {
                std::sort(begin, end, byKey);
            }
            else
            {
                for (std::uint32_t* moved = begin + 1; moved < end; ++moved)
                {
                    const std::uint32_t pair = *moved;
                    std::uint32_t* place = moved;
                    for (; place > begin && byKey(pair, place[-1]); --place)
                    {
                        *place = place[-1];
                    }
                    *place = pair;
                }
            }
            work += last - first;
            first = last;
        }
        if (m_cursor == m_bucketCount)
        {
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

std::size_t CombinationPairs::LowerBound(double key) const
{
    if (!(key > m_lowestKey))
    {
        return 0;
    }
    if (key > m_highestKey)
    {
        return m_size;
    }
    // Keys of earlier buckets are all below this one's, keys of later ones all above.
    const std::size_t bucket = BucketOf(key);
    std::size_t k = bucket == 0 ? 0 : m_buckets[bucket - 1];
    while (k < m_buckets[bucket] && Key(k) < key)
    {
        ++k;
    }
    return k;
}
