#include "analysis/search/candidatepool.h"

#include <cstring>

namespace playfair::analysis {

CandidatePool::CandidatePool(std::size_t capacity)
    : m_capacity(capacity)
{
    m_candidates.reserve(capacity);
}

void CandidatePool::clear()
{
    m_candidates.clear();
}

void CandidatePool::findLowest()
{
    m_lowestAt = 0;
    for (std::size_t i = 1; i < m_candidates.size(); ++i) {
        if (m_candidates[i].score < m_candidates[m_lowestAt].score)
            m_lowestAt = i;
    }
    m_lowest = m_candidates.empty() ? 0 : m_candidates[m_lowestAt].score;
}

bool CandidatePool::offer(const Candidate &candidate)
{
    if (m_capacity == 0 || (full() && !(candidate.score > m_lowest)))
        return false;
    for (Candidate &held : m_candidates) {
        if (held.plainHash == candidate.plainHash) {
            if (!(candidate.score > held.score))
                return false;
            held = candidate;
            findLowest();
            return true;
        }
    }
    if (full())
        m_candidates[m_lowestAt] = candidate;
    else
        m_candidates.push_back(candidate);
    findLowest();
    return true;
}

std::uint64_t plainHash(const Letter *letters, std::size_t count)
{
    // FNV-1a over 8 letters at a time, then mixed.
    std::uint64_t hash = 0xCBF29CE484222325ull ^ count;
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, letters + i, 8);
        hash = (hash ^ word) * 0x100000001B3ull;
        hash ^= hash >> 29;
    }
    for (; i < count; ++i)
        hash = (hash ^ letters[i]) * 0x100000001B3ull;
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93ull;
    return hash ^ (hash >> 32);
}

} // namespace playfair::analysis
