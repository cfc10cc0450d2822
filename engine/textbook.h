#pragma once

#include <string>
#include <string_view>

namespace playfair {

// Playfair as it was worked on paper, on plain letters: the capitals A..Z
// without J. A square is its 25 letters row by row. These are the forms the
// solver, its benchmark and the break window's demonstration texts use; the
// rules themselves are the ones of rules.h.

// Prepares a cleaned message the textbook way: an X between the two letters
// of a doubled pair (a Q if the letter is X) and an X to even the end (a Q
// after a final X), so that every pair holds two different letters.
std::string preparedMessage(std::string_view cleanedLetters);

// Encrypts (`step` +1) or decrypts (`step` -1) letters pair by pair on
// `square`. The text has an even number of letters and no pair of two equal
// letters, as a prepared message or a ciphertext has.
std::string transformedPairs(std::string_view square, std::string_view text, int step);

// Whether `square` holds each of the 25 letters exactly once.
bool isSquare(std::string_view square);

} // namespace playfair
