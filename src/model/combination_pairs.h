// Every pair of values of a list, sorted by the sum of their resistances or of their conductances,
// built a slice at a time so that a window never waits for the whole list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class CombinationPairs
{
public:
    // `terms` holds what the pair adds up for each value of an ascending list: the resistances
    // (a series pair), or the conductances (a parallel pair). Both must outlive the pairs.
    void Start(std::span<const double> terms);

    // One slice of the building; returns the work it did, in pairs handled.
    std::size_t Step();
    bool IsSorted() const { return m_phase == Phase::Sorted; }
    // Each pair is handled three times: counted, placed and ordered.
    std::size_t WorkTotal() const { return 3 * m_pairs.size(); }
    std::size_t WorkDone() const { return m_workDone; }

    std::size_t Size() const { return m_pairs.size(); }
    // Ascending in k once sorted.
    double Key(std::size_t k) const { return m_terms[Larger(k)] + m_terms[Smaller(k)]; }
    // Indices into the value list, Larger(k) >= Smaller(k).
    std::uint16_t Larger(std::size_t k) const { return static_cast<std::uint16_t>(m_pairs[k] >> 16); }
    std::uint16_t Smaller(std::size_t k) const { return static_cast<std::uint16_t>(m_pairs[k] & 0xFFFF); }

private:
    enum class Phase
    {
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
    std::vector<std::uint32_t> m_pairs;
    // Start of each bucket in m_pairs while placing, then the next bucket to order.
    std::vector<std::uint32_t> m_bucketStarts;
    std::uint64_t m_lowestBits = 0;
    int m_bucketShift = 0;
    Phase m_phase = Phase::Sorted;
    std::size_t m_cursor = 0;
    std::size_t m_workDone = 0;
};
