#pragma once

#include "alphabet.h"
#include "rules.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace playfair {

// What a pupil got wrong in one pair. Each slip is the program's own rules
// (rules.h) run on a mistaken step: the other direction, a step of two, the
// wrong rule, another square, the letters swapped. The finder works every
// slip on the pair and keeps the one whose result is exactly the answer, so
// the list below is the whole model of what pupils get wrong.
enum class Slip : unsigned char {
    Unchanged,      // the given pair copied as it stands
    Order,          // the right letters in the wrong order
    Direction,      // a row or column pair moved the wrong way
    OtherDirection, // the pair worked as the other direction works it (named over several pairs, see below)
    NoWrap,         // at the square's edge the letter went on to the next row or column, or stopped
    WrongRule,      // a row or column pair worked as a rectangle, or a rectangle as a row or column
    TwoSteps,       // a row or column pair moved two cells instead of one
    OtherSquare,    // the right rule on another square: the plain alphabet's, or another key word's
    OneLetter,      // one letter right, the other wrong
    Unknown,        // no slip gives the answer
};

// The slip's name in the command line's JSON: "unchanged", "order",
// "direction", "other-direction", "no-wrap", "wrong-rule", "two-steps",
// "plain-square", "one-letter", "unknown".
std::string_view slipCode(Slip slip);

// How a slip went, as far as a sentence naming it needs.
struct SlipFinding
{
    Slip slip = Slip::Unknown;
    PairRule rule = PairRule::Rectangle; // the given pair's rule
    // WrongRule: the rule the pupil used instead.
    PairRule usedRule = PairRule::Rectangle;
    // NoWrap: the letter (0 or 1) that crossed the edge, and whether it
    // stopped there (else it went on to the next row or column).
    int edgeLetter = -1;
    bool stoppedAtEdge = false;
    // OtherSquare: which of the other squares (0 is the first given).
    int otherSquare = -1;
    // OneLetter: the letter (0 or 1) that is right in its place, and the slip
    // that explains the wrong one (Unknown when none does). Unknown: the
    // letter right in its place, or -1.
    int rightLetter = -1;
    Slip letterSlip = Slip::Unknown;

    friend bool operator==(const SlipFinding &, const SlipFinding &) = default;
};

// Finds the slip that turns `given` (two different letters of `square`)
// into `answer` (two capitals, J counting as I) when the pair is worked in
// the direction `step` (+1 encrypting, -1 decrypting). `otherSquares` are
// tried for the OtherSquare slip after the plain alphabet square, which is
// always tried. Nothing when the answer is right. When several slips give
// the answer, the likeliest is named: the order of the enum, OneLetter and
// Unknown last.
//
// Direction and OtherDirection give the same letters for one pair; the
// finder names Direction, and a caller that sees every row and column pair
// of a text reversed names OtherDirection.
std::optional<SlipFinding> findSlip(std::string_view square, std::string_view given, int step, std::string_view answer,
                                    const std::vector<std::string> &otherSquares = {});

// The cell (0..24) of `letter` in `square`, J counting as I; -1 if none.
int cellOf(std::string_view square, char letter);

// The same in any alphabet: `square` is its letters row by row, the pairs
// its capitals (merged letters counting as their partner), and the plain
// square tried is the alphabet's own. The classic forms above are these on
// latin-ij.
std::optional<SlipFinding> findSlip(const Alphabet &alphabet, std::u32string_view square, std::u32string_view given,
                                    int step, std::u32string_view answer,
                                    const std::vector<std::u32string> &otherSquares = {});
int cellOf(const Alphabet &alphabet, std::u32string_view square, char32_t letter);

} // namespace playfair
