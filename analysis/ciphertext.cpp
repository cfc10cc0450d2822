#include "analysis/ciphertext.h"

#include "analysis/statistics/languagemodel.h"
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
    if (setAside.size() == 1)
        return "The last letter, " + setAside
            + ", was set aside: it has no pair (messages went in groups of five, the last one filled up).";
    const std::string start = "The last " + std::to_string(setAside.size()) + " letters, " + setAside + ", were set aside: ";
    if (byReading)
        return start + "the plaintext reads far better without them, so padding after the last pair that filled up "
                       "the last group of five.";
    if (setAside.find_first_not_of(setAside[0]) == std::string::npos)
        return start + "a letter repeated after the last pair, which no Playfair square gives, so padding "
                       "that filled up the last group of five.";
    return start + "without them the text is a Playfair ciphertext (an even count, no pair of two equal letters), so "
                   "padding that filled up the last group of five.";
}

namespace {

// Padding beyond a last odd letter is looked for only in texts that keep at
// least this many letters without it.
constexpr std::size_t paddingLeaves = 10;

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
std::size_t paddingAtTheEnd(const std::vector<Letter> &letters, Doubles doubles)
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
    const std::size_t setAside = ciphertext.setAside.size();
    if (setAside < mostPadding) {
        ciphertext.paddingAllowed = (mostPadding - setAside) & ~std::size_t(1);
        while (ciphertext.paddingAllowed > 0 && letters.size() < ciphertext.paddingAllowed + paddingLeaves)
            ciphertext.paddingAllowed -= 2;
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

PaddingReading paddingByReading(const Letter *ciphertext, const Letter *plaintext, std::size_t count,
                                std::size_t allowed, Language language)
{
    // How much likelier, in log10, the letters must read as padding than as
    // the language: the fillers X and Q stand at the end of a real
    // ciphertext seldom (two of them about one pair in 150), other letters
    // often. Chosen on the held-out books so that about one text in a
    // thousand loses a real pair, while most two-letter and nearly all
    // four-letter padding is found.
    constexpr double fillerOdds = 1;
    constexpr double otherOdds = 3;
    constexpr double longerOdds = 1;
    const LanguageModel &model = LanguageModel::of(language, 5);
    const std::size_t context = std::size_t(model.order() - 1);
    const double randomLetter = std::log10(1.0 / letterCount);
    PaddingReading best;
    double bestGain = 0;
    for (std::size_t padding = 2; padding <= allowed && padding + paddingLeaves <= count; padding += 2) {
        const std::size_t from = count - padding;
        // The tail's letters by the language, each after the letters before it.
        const std::size_t start = from >= context ? from - context : 0;
        const double tail = model.log10Probability(plaintext + start, count - start)
            - model.log10Probability(plaintext + start, from - start);
        const bool fillers = std::all_of(ciphertext + from, ciphertext + count, [](Letter letter) {
            return letter == letterNumber('X') || letter == letterNumber('Q');
        });
        const double asPadding = double(padding) * randomLetter - (fillers ? fillerOdds : otherOdds);
        // More padding must read as padding the more clearly: a real pair
        // cut off in mid-word may read little better than letters at random.
        if (asPadding - tail > bestGain + (best.letters > 0 ? longerOdds : 0)) {
            best = {padding, asPadding};
            bestGain = asPadding - tail;
        }
    }
    return best;
}

} // namespace playfair::analysis
