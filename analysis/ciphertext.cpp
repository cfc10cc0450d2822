#include "analysis/ciphertext.h"

#include "analysis/transliteration.h"

namespace playfair::analysis {

std::string CiphertextError::message(Language language) const
{
    const bool bulgarian = language == Language::Bulgarian;
    switch (kind) {
    case Kind::NoLetters:
        return bulgarian ? "В текста няма нито една латинска буква." : "The text has no letters.";
    case Kind::Cyrillic:
        return bulgarian ? "В текста има само букви на кирилица, а шифърът Playfair се пише с латински букви."
                         : "The text has Cyrillic letters only: a Playfair ciphertext is written in Latin letters "
                           "(A to Z).";
    case Kind::OddLetters:
        return bulgarian ? "Шифърът има " + std::to_string(letters)
                + " букви, нечетен брой: последната буква няма двойка, значи текстът не е шифър Playfair."
                         : "The text has " + std::to_string(letters)
                + " letters, an odd number: the last letter has no pair, so this is no Playfair ciphertext.";
    case Kind::DoubledPair: {
        const std::string pair(2, letter);
        return bulgarian ? "Двойката " + pair + " на позиция " + std::to_string(position)
                + " е от две еднакви букви, а никой квадрат не дава такъв шифър."
                         : "The pair " + pair + " at letter " + std::to_string(position)
                + " holds two equal letters, which no Playfair square gives.";
    }
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
