#pragma once

#include "analysis/alphabet.h"
#include "analysis/crib.h"
#include "analysis/knownpair.h"
#include "analysis/statistics/groupscore.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace playfair::analysis {

// A stretch of a search's plaintext that reads as the language, taken as a
// crib for further searches, as a pupil takes a probable word. Its plain
// pairs and their cipher pairs are known pairs; the deduction engine checks
// that a square holds them all and reads what they prove of the rest of the
// ciphertext; the crib binds the letters read wherever their cipher pairs
// stand.
struct FragmentCrib
{
    std::size_t position = 0;     // of the stretch's first letter, from 0 (a pair's first letter)
    std::vector<Letter> letters;  // the stretch's plain letters
    std::vector<KnownPair> pairs; // the ciphertext's pairs whose plain letters follow, each once
    std::size_t readLetters = 0;  // letters of the ciphertext they fix
    Crib crib;
};

// The position of the stretch of `length` letters (even, pair by pair) of a
// plaintext that reads best by `score`: the first of the best.
std::size_t bestStretch(const GroupScore &score, const Letter *plain, std::size_t letters, std::size_t length);

// The crib the stretch of `length` letters at `position` (even) of a
// plaintext gives for `ciphertext`: nothing when no square turns its plain
// pairs into their cipher pairs (a letter its own cipher letter, one plain
// pair two cipher pairs, a reversed pair not reversed, or a contradiction
// the deduction finds), or when it runs past the text.
std::optional<FragmentCrib> fragmentCrib(const std::vector<Letter> &plain, std::size_t position, std::size_t length,
                                         const std::vector<Letter> &ciphertext);

} // namespace playfair::analysis
