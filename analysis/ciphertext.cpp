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
        if (letters == 1)
            return "The text has only one letter, which has no pair, so this is no Playfair ciphertext.";
        return "The text has " + std::to_string(letters)
            + " letters, an odd number: the last letter has no pair, so this is no Playfair ciphertext.";
    case Kind::DoubledPair:
        return "The pair " + std::string(2, letter) + " at letter " + std::to_string(position)
            + " holds two equal letters, which no Playfair square gives.";
    }
    return {};
}

std::string Ciphertext::note() const
{
    if (setAside.empty())
        return {};
    if (setAside.size() == 1)
        return "The last letter, " + setAside
            + ", was set aside: it has no pair (messages went in groups of five, the last one filled up).";
    return "The last " + std::to_string(setAside.size()) + " letters, " + setAside
        + ", were set aside: a letter repeated after the last pair, which no Playfair square gives, so padding "
          "that filled up the last group of five.";
}

namespace {

// How many letters at the end of `letters` are padding: none when the text
// is a ciphertext as it stands (or is nothing but the run).
std::size_t paddingAtTheEnd(const std::vector<Letter> &letters, Doubles doubles)
{
    const std::size_t n = letters.size();
    if (n == 0)
        return 0;
    std::size_t run = 1;
    while (run < n && letters[n - 1 - run] == letters[n - 1])
        ++run;
    // The run of a doubled pair at the end is no ciphertext unless doubles
    // are kept; an odd count is none either way.
    const bool doubledEnd = run >= 2 && n % 2 == 0 && doubles == Doubles::Split;
    if (n % 2 == 0 && !doubledEnd)
        return 0;
    // The real letters end at an even count whose last pair holds at most
    // one letter of the run.
    std::size_t real = n - run + 1;
    real -= real % 2;
    return real >= 2 ? n - real : 0;
}

} // namespace

std::variant<Ciphertext, CiphertextError> readCiphertext(std::string_view text, Doubles doubles)
{
    Ciphertext ciphertext;
    std::vector<Letter> &letters = ciphertext.letters;
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
    if (const std::size_t padding = paddingAtTheEnd(letters, doubles); padding > 0) {
        ciphertext.setAside = lettersToText(letters.data() + letters.size() - padding, padding);
        letters.resize(letters.size() - padding);
    }
    if (letters.size() % 2 != 0) {
        error.kind = CiphertextError::Kind::OddLetters;
        return error;
    }
    for (std::size_t i = 0; doubles == Doubles::Split && i < letters.size(); i += 2) {
        if (letters[i] == letters[i + 1]) {
            error.kind = CiphertextError::Kind::DoubledPair;
            error.position = i + 1;
            error.letter = letterName(letters[i]);
            return error;
        }
    }
    return ciphertext;
}

} // namespace playfair::analysis
