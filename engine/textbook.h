#pragma once

#include "alphabet.h"

#include <string>
#include <string_view>

namespace playfair {

// Playfair as it was worked on paper, on plain letters: the capitals A..Z
// without J. A square is its 25 letters row by row. These are the forms the
// solver, its benchmark and the break window's demonstration texts use; the
// rules themselves are the ones of rules.h.

// What a message's doubled letters become. The textbook way splits a pair
// of two equal letters with a filler, so that no pair holds two equal
// letters; some real messages (the Pacific coastwatchers' of 1943, for one)
// kept them, and a doubled pair went through the cipher unchanged: both
// letters stand in one cell, which no rule moves.
enum class Doubles { Split, Kept };

// Prepares a cleaned message: with Doubles::Split the textbook way, an X
// between the two letters of a doubled pair (a Q if the letter is X), so
// that every pair holds two different letters; with Doubles::Kept cut into
// pairs as it stands. Either way an X evens the end (a Q after a final X).
std::string preparedMessage(std::string_view cleanedLetters, Doubles doubles = Doubles::Split);

// Encrypts (`step` +1) or decrypts (`step` -1) letters pair by pair on
// `square`. The text has an even number of letters, as a prepared message or
// a ciphertext has; a pair of two equal letters stays as it is.
std::string transformedPairs(std::string_view square, std::string_view text, int step);

// Whether `square` holds each of the 25 letters exactly once.
bool isSquare(std::string_view square);

// The same in every alphabet, on its letters, its shape and its fillers
// (for latin-ij exactly the forms above): a doubled pair split by
// alphabet.fillerAfter(letter), an odd end evened by it.
std::u32string preparedMessage(const Alphabet &alphabet, std::u32string_view cleanedLetters,
                               Doubles doubles = Doubles::Split);
std::u32string transformedPairs(const Alphabet &alphabet, std::u32string_view square, std::u32string_view text,
                                int step);
bool isSquare(const Alphabet &alphabet, std::u32string_view square);

} // namespace playfair
