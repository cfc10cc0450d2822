#pragma once

#include "analysis/shaped/solveralphabet.h"
#include "analysis/solver.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

    // The text's letters left it undecided and the crib's or the known
    // pairs' own letters decided it (chooseAlphabet with them).
    bool byKnownLetters = false;

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

// What a crib's and known pairs' own letters say of the square (the pairs
// as typed, plain = cipher, "th=PI"), for a text whose letters leave it
// undecided or for known pairs alone. A J among the cipher letters: the
// square without Q, since the classic square writes J as I; a Q among them:
// the classic square, since the other has none. Else among the plain
// letters and the crib: a J and no Q points to the square without Q (a
// writer who keeps J apart from I), a Q and no J to the classic square
// (the square without Q drops it from the plaintext). Nothing when they
// say nothing or contradict each other. The reason says which, in English.
std::optional<AlphabetChoice> alphabetOfKnownLetters(std::string_view crib, const std::vector<std::string> &knownPairs);

// chooseAlphabet(text), then, where the text has neither a J nor a Q, what
// the crib and the known pairs say; with a crib or known pairs that say
// nothing the choice stays the classic square's as before, undecided, and
// the reason says they have neither letter.
AlphabetChoice chooseAlphabet(std::string_view text, std::string_view crib, const std::vector<std::string> &knownPairs);

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
