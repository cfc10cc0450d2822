#pragma once

#include "mistakes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace playfair {

// A whole message worked on paper, marked pair by pair. Encrypting, the
// pupil prepares the message (fillers between doubled letters and at an odd
// end) and encrypts it; a slip in the preparation shifts every later pair,
// so the check first finds the preparation that best explains the pupil's
// pairs and then marks each pair against the pupil's own preparation: only
// the pairs truly wrong are marked, and the preparation's slips are noted
// where they happened. Decrypting, the pupil's plaintext is marked against
// the cipher pairs; a filler the pupil left out is no mistake.

// Where the pupil's preparation went another way than the textbook's.
enum class PreparationSlip : unsigned char {
    MissingFiller,  // a doubled pair kept without its filler
    NeedlessFiller, // a filler where no doubled pair needed one
    WrongFiller,    // Q or Z (or X after an X) used as the filler
    OddEndAlone,    // the odd last letter left alone, or left out
    JKept,          // J written in the answer (it counts as I)
    MissingPair,    // a pair of the text the answer has nothing for
    ExtraPair,      // a pair of the answer that belongs to no pair of the text
    FillerLeftOut,  // decrypting: a filler left out of the plaintext, as a reader does; no mistake
};

// The note's name in playfair-check's JSON: "missing-filler",
// "needless-filler", "wrong-filler", "odd-end", "j-kept", "missing-pair",
// "extra-pair", "filler-left-out".
std::string_view preparationCode(PreparationSlip slip);

struct PreparationNote
{
    PreparationSlip slip;
    int pair = -1;  // the row of TextCheck::pairs where it shows, -1 for the whole text
    char letter = 0; // the doubled letter, the filler used or the letter left alone

    friend bool operator==(const PreparationNote &, const PreparationNote &) = default;
};

struct CheckedPair
{
    std::string given;    // the pair worked: the pupil's prepared pair encrypting, the cipher pair decrypting
    std::string expected; // its right answer; empty for a pair the text does not have
    std::string answer;   // the pupil's letters; empty when the pupil has none for it
    // Encrypting, when the pupil prepared this pair another way: the pair the
    // textbook preparation has here; else empty.
    std::string textbook;
    bool counted = true;             // the odd end left alone is shown but not counted
    std::optional<SlipFinding> slip; // nothing when right

    bool right() const { return counted && !slip; }
};

struct TextCheck
{
    std::vector<CheckedPair> pairs;
    std::vector<PreparationNote> preparation;
    int right = 0;
    int total = 0;
};

// Checks `answer` (capitals, J allowed and counted as I) against `text`
// (capitals A..Z without J): encrypting (`step` +1) `text` is the message as
// cleaned, decrypting (-1) the ciphertext, cut into pairs as it stands (an
// odd last letter is left out). `square` is the 25 letters row by row;
// `otherSquares` as findSlip takes them.
TextCheck checkText(std::string_view square, std::string_view text, std::string_view answer, int step,
                    const std::vector<std::string> &otherSquares = {});

} // namespace playfair
