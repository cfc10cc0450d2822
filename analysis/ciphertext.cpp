#include "analysis/ciphertext.h"

#include "analysis/transliteration.h"

namespace playfair::analysis {

std::string CiphertextError::message() const
{
    switch (kind) {
    case Kind::NoLetters:
        return "The text has no letters.";
    case Kind::Cyrillic:
        return "The text has Cyrillic letters only: a Playfair ciphertext is written in Latin letters (A to Z).";
    case Kind::OddLetters:
        return "The text has " + std::to_string(letters)
            + " letters, an odd number: the last letter has no pair, so this is no Playfair ciphertext.";
    case Kind::DoubledPair:
        return "The pair " + std::string(2, letter) + " at letter " + std::to_string(position)
            + " holds two equal letters, which no Playfair square gives.";
    }
    return {};
}

std::variant<std::vector<Letter>, CiphertextError> readCiphertext(std::string_view text)
{
    std::vector<Letter> letters;
    for (char c : text) {
        const int number = letterNumber(c);
        if (number >= 0)
            letters.push_back(Letter(number));
    }
    CiphertextError error;
    error.letters = letters.size();
    if (letters.empty()) {
        if (hasCyrillicLetter(text))
            error.kind = CiphertextError::Kind::Cyrillic;
        return error;
    }
    if (letters.size() % 2 != 0) {
        error.kind = CiphertextError::Kind::OddLetters;
        return error;
    }
    for (std::size_t i = 0; i < letters.size(); i += 2) {
        if (letters[i] == letters[i + 1]) {
            error.kind = CiphertextError::Kind::DoubledPair;
            error.position = i + 1;
            error.letter = letterName(letters[i]);
            return error;
        }
    }
    return letters;
}

} // namespace playfair::analysis
