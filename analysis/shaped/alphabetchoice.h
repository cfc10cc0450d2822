#pragma once

#include "analysis/shaped/solveralphabet.h"
#include "analysis/solver.h"

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

    // How an undecided choice was settled by the searches (see settle).
    enum class Settled { No, ClassicReads, OnlyWithoutQReads, NeitherReads };
    Settled settled = Settled::No;
};

// Cyrillic letters: cyrillic. Digits standing among letters (in a group
// with letters, as a 6 x 6 square gives them; a group of digits alone, such
// as a message's number, is no ciphertext): latin-digits. A J and no Q:
// latin-q, whose square has a J but no Q. Otherwise the classic square,
// undecided unless the text has a Q and no J.
AlphabetChoice chooseAlphabet(std::string_view text);

// After the classic square's search on a text its letters left undecided:
// whether the square without Q is to be tried as well. It is when that
// search found no plaintext that reads (it ran to its time limit), the text
// has no Q, and nothing ties it to the classic square (a crib, known pairs,
// a known key).
bool triesSquareWithoutQ(const AlphabetChoice &choice, std::string_view text, StopReason classicStopped,
                         bool tiedToTheClassicSquare);

// Settles an undecided choice by what the searches found: the classic
// square's plaintext reads (`classicReads`); else the square without Q was
// tried and its plaintext reads (`withoutQReads`: the alphabet becomes
// latin-q) or neither does (the classic square's best stands). The reason
// says so. A choice already decided is left as it is.
void settle(AlphabetChoice &choice, bool classicReads, bool withoutQReads = false);

} // namespace playfair::analysis
