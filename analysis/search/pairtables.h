#pragma once

#include "analysis/alphabet.h"

#include <array>
#include <cstdint>

namespace playfair::analysis {

// The Playfair rules as look-up tables for the solver, worked out once from
// the program's own rules (engine/rules.h), never written again: for two
// different cells a and b (0..24), entry 25 * a + b holds the cells their
// letters go to, the first in the low byte and the second in the high byte.
struct PairTables
{
    std::array<std::uint16_t, 625> encrypt{};
    std::array<std::uint16_t, 625> decrypt{};

    static const PairTables &get();
};

// Decrypts (or encrypts) `count` letters, an even number, on `square`.
void decryptLetters(const Square &square, const Letter *cipher, std::size_t count, Letter *plain);
void encryptLetters(const Square &square, const Letter *plain, std::size_t count, Letter *cipher);

} // namespace playfair::analysis
