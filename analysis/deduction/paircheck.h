#pragma once

#include "analysis/alphabet.h"
#include "analysis/deduction.h"

#include <array>
#include <vector>

namespace playfair::analysis {

// Tests whole squares against known pairs and placed letters, fast enough
// for millions of key words.
class PairCheck
{
public:
    explicit PairCheck(std::vector<KnownPair> pairs, std::vector<PlacedLetter> placed = {});

    bool empty() const { return m_pairs.empty() && m_placed.empty(); }

    bool fits(const Square &square) const;
    // How far a square is from fitting: the cipher letters (or, where the
    // plain pair is not known, the plain letters) it gets wrong over all
    // equations, and the placed letters it misses in the cyclic shift that
    // misses the fewest. 0 when it fits.
    int wrongLetters(const Square &square) const;

    // Whether the equations can still hold when the letters with a cell in
    // `cellOf` (-1 for none yet) keep it and the cells that hold none yet
    // (-1 in `letterIn`) take the others: an equation whose plain letters
    // (or cipher letters) have cells puts its other two in known cells.
    bool fitsSoFar(const std::array<int, letterCount> &cellOf, const std::array<int, 25> &letterIn) const;

private:
    bool holds(const KnownPair &pair, const std::array<int, letterCount> &cellOf) const;
    int wrongIn(const KnownPair &pair, const std::array<int, letterCount> &cellOf) const;
    int placedMissed(const std::array<int, letterCount> &cellOf, int most) const;

    std::vector<KnownPair> m_pairs; // the complete pairs first
    std::size_t m_complete = 0;
    std::vector<PlacedLetter> m_placed;
};

} // namespace playfair::analysis
