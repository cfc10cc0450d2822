#pragma once

#include "analysis/alphabet.h"
#include "analysis/deductionalphabet.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace playfair::analysis {

// A letter of a known pair that is not known (written '?').
inline constexpr int unknownLetter = -1;

// One equation about the square: a plain pair and the cipher pair the
// square turns it into, each letter a letter number (0..24) or
// unknownLetter. Written plain first, "TH=PI"; a crossword's half-solved
// answer leaves letters out, "T?=QP".
struct KnownPair
{
    std::array<int, 2> plain{unknownLetter, unknownLetter};
    std::array<int, 2> cipher{unknownLetter, unknownLetter};

    // The four letters in the order plain, plain, cipher, cipher.
    int letter(int position) const { return position < 2 ? plain[std::size_t(position)] : cipher[std::size_t(position - 2)]; }
    bool complete() const;

    friend bool operator==(const KnownPair &, const KnownPair &) = default;
};

// Why a text is no known pair.
struct KnownPairError
{
    enum class Kind {
        NotAPair,        // not two letters (or '?'), '=', two letters
        DoubledPlain,    // the plain pair holds one letter twice
        DoubledCipher,   // the cipher pair holds one letter twice
        OwnCipherLetter, // a plain letter stands as its own cipher letter
        NotInAlphabet,   // a letter the square's alphabet has not (the Q of latin-q)
    };
    Kind kind = Kind::NotAPair;
    std::string text;  // the pair as it was given
    char letter = 0;   // the doubled letter, the one that would be its own cipher letter, or the one not in the alphabet
};

// Reads a known pair: two letters, '=', two letters; either case, J as I,
// '?' for a letter not known, spaces around the letters allowed. In
// another 5 x 5 alphabet (latin-q) its letters are read by their numbers
// there, J its own letter.
std::variant<KnownPair, KnownPairError> parseKnownPair(std::string_view text,
                                                       const DeductionAlphabet &alphabet = DeductionAlphabet::classic());

// "TH=PI", '?' for a letter not known: the letter numbers written as the
// classic square's letters (DeductionAlphabet::spelt shows them in another).
std::string knownPairText(const KnownPair &pair);

// The equations a known plaintext and its ciphertext give, pair by pair
// (both letter numbers, of one even length), each pair once.
std::vector<KnownPair> pairsOfPlaintext(const std::vector<Letter> &plain, const std::vector<Letter> &cipher);

// A known plaintext as it was encrypted: the letters of a UTF-8 text
// (Cyrillic transliterated when `bulgarian`, as the letter statistics are),
// prepared as a Playfair message (an X between the letters of a doubled
// pair, one to even the end).
std::vector<Letter> preparedPlaintext(std::string_view text, bool bulgarian);
// The same in another 5 x 5 alphabet: the text cleaned into it (the Q of
// latin-q dropped, no transliteration), its fillers between doubled letters
// and at an odd end.
std::vector<Letter> preparedPlaintext(std::string_view text, const DeductionAlphabet &alphabet);

} // namespace playfair::analysis
