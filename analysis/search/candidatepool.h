#pragma once

#include "analysis/alphabet.h"

#include "engine/keyedsquare.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace playfair::analysis {

// Where a candidate's square came from.
enum class KeyOrigin : std::uint8_t {
    Square,     // the general search over all squares
    ListWord,   // a word of a word list, as a key word
    Phrase,     // two words of a word list
    KeySearch,  // the search over key words' letters
};

// A square a search met, kept for the chooser.
struct Candidate
{
    Square square{};
    double score = 0;          // the search's own score, higher is better
    double keyLog10 = 0;       // log10 of how likely its key is, for the key-word search's candidates
    std::uint64_t plainHash = 0;
    KeyOrigin origin = KeyOrigin::Square;
    std::uint32_t list = 0;    // ListWord and Phrase: the list and its entries
    std::uint32_t entry = 0;
    std::uint32_t second = 0;  // Phrase: the second word's entry
    SquareRoute route = SquareRoute::Rows; // but Square: how the key was written in
};

// The best distinct plaintexts a search has met: at most `capacity`
// candidates, none with the plaintext of another. Made with its room, it
// never allocates again; a search offers it every good square it meets.
class CandidatePool
{
public:
    explicit CandidatePool(std::size_t capacity);

    std::size_t capacity() const { return m_capacity; }
    std::size_t size() const { return m_candidates.size(); }
    bool full() const { return m_candidates.size() == m_capacity; }
    // The score a candidate must beat to be taken once the pool is full.
    double threshold() const { return full() ? m_lowest : -1e300; }

    // Takes the candidate if it scores above the threshold and its plaintext
    // is not in the pool yet, or better than the candidate of the same
    // plaintext, which it then replaces. Returns whether it was taken.
    bool offer(const Candidate &candidate);

    const std::vector<Candidate> &candidates() const { return m_candidates; }
    void clear();

private:
    void findLowest();

    std::size_t m_capacity;
    std::vector<Candidate> m_candidates;
    double m_lowest = 0;
    std::size_t m_lowestAt = 0;
};

// A hash of a plaintext's letters, to tell plaintexts apart.
std::uint64_t plainHash(const Letter *letters, std::size_t count);

} // namespace playfair::analysis
