// Every pair of values of a list, sorted by the sum of their resistances or of their conductances,
// built a slice at a time so that a window never waits for the whole list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

class CombinationPairs
{
public:
    // `terms` holds what the pair adds up for each value of an ascending list: the resistances
    // (a series pair), or the conductances (a parallel pair). Both must outlive the pairs.
    void Start(std::span<const double> terms);

    // One slice of the building; returns the work it did, in pairs handled.
    std::size_t Step();
    bool IsSorted() const { return m_phase == Phase::Sorted; }
    // The memory is cleared first, then each pair is counted, placed and ordered.
    std::size_t WorkTotal() const { return m_bucketCount + 4 * m_size; }
    std::size_t WorkDone() const { return m_workDone; }

    std::size_t Size() const { return m_size; }
    // Ascending in k once sorted.
    double Key(std::size_t k) const { return m_terms[Larger(k)] + m_terms[Smaller(k)]; }
    // Once sorted: the first entry whose key is not below `key`, found through the buckets.
    std::size_t LowerBound(double key) const;
    // Indices into the value list, Larger(k) >= Smaller(k).
    std::uint16_t Larger(std::size_t k) const { return static_cast<std::uint16_t>(m_pairs[k] >> 16); }
    std::uint16_t Smaller(std::size_t k) const { return static_cast<std::uint16_t>(m_pairs[k] & 0xFFFF); }

private:
    enum class Phase
    {
        Clear,
        Count,
        Place,
        Order,
        Sorted,
    };

    std::size_t BucketOf(double key) const;
    std::uint32_t Pair(std::size_t larger, std::size_t smaller) const
    {
        return static_cast<std::uint32_t>(larger << 16 | smaller);
    }

    std::span<const double> m_terms;
    // Both cleared a slice at a time: the first touch of fresh memory is slow on some systems,
    // and the pairs' first, scattered writes would otherwise take it all in one slice.
    std::unique_ptr<std::uint32_t[]> m_pairs;
    std::size_t m_size = 0;
    // Per bucket: its count, then where it starts in m_pairs, and once placed where it ends,
    // which look-ups go on using.
    std::unique_ptr<std::uint32_t[]> m_buckets;
    std::size_t m_bucketCount = 0;
    double m_lowestKey = 0.0;
    double m_highestKey = 0.0;
    std::uint64_t m_lowestBits = 0;
    int m_bucketShift = 0;
    Phase m_phase = Phase::Sorted;
    std::size_t m_cursor = 0;
    std::size_t m_workDone = 0;
};
