#include "analysis/ciphertext.h"

#include "analysis/statistics/languagemodel.h"
#include "analysis/statistics/utf8.h"
#include "analysis/transliteration.h"

#include <algorithm>
#include <cmath>

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
    return setAsideNote(setAside, false);
}

std::string Ciphertext::setAsideWith(std::size_t paddingRead) const
{
    const std::size_t padding = std::min(paddingRead, letters.size());
    return lettersToText(letters.data() + letters.size() - padding, padding) + setAside;
}

std::string setAsideNote(const std::string &setAside, bool byReading)
{
    if (setAside.empty())
        return {};
    // The letters of any alphabet, in UTF-8.
    std::u32string letters;
    forEachCodePoint(setAside, [&letters](char32_t c) { letters += c; });
    if (letters.size() == 1)
        return "The last letter, " + setAside
            + ", was set aside: it has no pair (messages went in groups of five, the last one filled up).";
    const std::string start = "The last " + std::to_string(letters.size()) + " letters, " + setAside + ", were set aside: ";
    if (byReading)
        return start + "the plaintext reads far better without them, so padding after the last pair that filled up "
                       "the last group of five.";
    if (letters.find_first_not_of(letters[0]) == std::u32string::npos)
        return start + "a letter repeated after the last pair, which no Playfair square gives, so padding "
                       "that filled up the last group of five.";
    return start + "without them the text is a Playfair ciphertext (an even count, no pair of two equal letters), so "
                   "padding that filled up the last group of five.";
}

namespace {

// No more letters than this at the end are taken for padding, unless they
// are a run of one letter.
constexpr std::size_t mostPadding = 5;

// Whether the first `count` letters can be a ciphertext as they stand.
bool standsAsCiphertext(const std::vector<Letter> &letters, std::size_t count, Doubles doubles)
{
    if (count < 2 || count % 2 != 0)
        return false;
    for (std::size_t i = 0; doubles == Doubles::Split && i < count; i += 2) {
        if (letters[i] == letters[i + 1])
            return false;
    }
    return true;
}

// How many letters at the end of `letters` are a run of one letter that no
// square gives there: none when the text is a ciphertext as it stands (or is
// nothing but the run).
std::size_t runAtTheEnd(const std::vector<Letter> &letters, Doubles doubles)
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

// How many letters at the end of `letters` are padding that no square
// gives: a run of one letter, else, when the text is no ciphertext as it
// stands, the fewest of its last letters without which it is one. None
// when nothing helps: the text is then refused for what is wrong with it.
std::size_t paddingNoSquareGives(const std::vector<Letter> &letters, Doubles doubles)
{
    const std::size_t n = letters.size();
    const std::size_t run = runAtTheEnd(letters, doubles);
    if (standsAsCiphertext(letters, n - run, doubles))
        return run;
    for (std::size_t padding = run + 1; padding <= mostPadding && padding < n; ++padding) {
        if ((padding == 1 || n - padding >= paddingLeaves) && standsAsCiphertext(letters, n - padding, doubles))
            return padding;
    }
    return run;
}

} // namespace

EndPadding paddingAtTheEnd(const std::vector<Letter> &letters, Doubles doubles)
{
    EndPadding padding;
    padding.setAside = paddingNoSquareGives(letters, doubles);
    if (padding.setAside < mostPadding) {
        const std::size_t left = letters.size() - padding.setAside;
        padding.allowed = (mostPadding - padding.setAside) & ~std::size_t(1);
        while (padding.allowed > 0 && left < padding.allowed + paddingLeaves)
            padding.allowed -= 2;
    }
    return padding;
}

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
    const EndPadding padding = paddingAtTheEnd(letters, doubles);
    if (padding.setAside > 0) {
        ciphertext.setAside = lettersToText(letters.data() + letters.size() - padding.setAside, padding.setAside);
        letters.resize(letters.size() - padding.setAside);
    }
    ciphertext.paddingAllowed = padding.allowed;
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

PaddingReading paddingByReading(const Letter *ciphertext, const Letter *plaintext, std::size_t count,
                                std::size_t allowed, Language language)
{
    const LanguageModel &model = LanguageModel::of(language, 5);
    const std::size_t context = std::size_t(model.order() - 1);
    const auto isFiller = [](Letter letter) { return letter == letterNumber('X') || letter == letterNumber('Q'); };
    // The tail's letters by the language, each after the letters before it.
    const auto tailLog10 = [&](std::size_t from) {
        const std::size_t start = from >= context ? from - context : 0;
        return model.log10Probability(plaintext + start, count - start)
            - model.log10Probability(plaintext + start, from - start);
    };
    return paddingByReadingWith(ciphertext, count, allowed, std::log10(1.0 / letterCount), isFiller, tailLog10);
}

} // namespace playfair::analysis
