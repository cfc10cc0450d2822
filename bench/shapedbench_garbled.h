#pragma once

// bench_shaped's two measures of the garbled pairs on the other alphabets'
// squares (analysis/garbling.h).

#include "analysis/shaped/solveralphabet.h"

#include <cstdint>
#include <string>
#include <vector>

namespace playfair::bench {

struct GarbledRun
{
    analysis::AlphabetKind kind = analysis::AlphabetKind::Cyrillic;
    int texts = 10;
    int most = 3; // 1 to this many letters of each ciphertext changed
    std::vector<std::size_t> lengths;
    double timeLimit = 10;
    int threads = 2;
    std::uint64_t seed = 1;
};

// --garble N: ciphertexts of the prepared held-out book on random squares,
// 1 to N letters changed (never into a doubled pair), broken by the solver;
// how many are solved (the square right), how many garbled pairs the
// result marks and how many correct pairs it marks a text.
int benchGarbledShaped(const GarbledRun &run, const std::vector<std::uint8_t> &book);

// --garble-levels 1: no search, the plaintexts as the true square decrypts
// the garbled ciphertexts, read at levels from 2.5 to 7 log10: correct
// pairs marked in 300 and the garbled pairs marked, to choose the level on
// the tuning book as the classic one was chosen.
int benchGarbleLevels(const GarbledRun &run, const std::vector<std::uint8_t> &book);

} // namespace playfair::bench
