#pragma once

#include "analysis/shaped/solveralphabet.h"

#include <string>
#include <string_view>

namespace playfair::analysis {

// The alphabet a ciphertext's own letters point to, for --alphabet auto and
// the break window's "automatic" choice.
struct AlphabetChoice
{
    AlphabetKind alphabet = AlphabetKind::LatinIJ;
    // Why, in English, as playfair-break prints it: "the text has Cyrillic
    // letters" and so on.
    std::string reason;
    // The letters alone cannot tell the classic square from the one
    // without Q (the text has neither J nor Q, or both): the plaintext that
    // reads decides.
    bool undecided = false;
};

// Cyrillic letters: cyrillic. Digits standing among letters (in a group
// with letters, as a 6 x 6 square gives them; a group of digits alone, such
// as a message's number, is no ciphertext): latin-digits. A J and no Q:
// latin-q, whose square has a J but no Q. Otherwise the classic square,
// undecided unless the text has a Q and no J.
AlphabetChoice chooseAlphabet(std::string_view text);

} // namespace playfair::analysis
