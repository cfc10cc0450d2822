#include "analysis/garbling.h"

#include "analysis/statistics/languagemodel.h"

#include <algorithm>
#include <array>

namespace playfair::analysis {

namespace {

// Each pair is first read by the order-4 model, whose table stays in the
// cache; only pairs that gain this much by it are read again by the order-5
// model, which decides. On the tuning books this is some ten times faster
// and loses about one garbled pair in seventy that the order-5 model alone
// would mark.
constexpr double roughGainLog10 = 2.0;

// The text stops reading for good when, from some pair to the end, its
// letters fall below the level halfway between ordinary text and random
// letters by this much in all, over at least so many pairs.
constexpr double unreadableLog10 = 10;
constexpr std::size_t unreadablePairs = 6;

// Reads the pairs of a text by one letter model.
class PairReader
{
public:
    PairReader(const LanguageModel &model, std::vector<Letter> &text)
        : m_model(model)
        , m_text(text)
    {
    }

    // log10 P(letter j | the letters before it).
    double letterLog10(std::size_t j) const { return m_model.floorLog10() + m_model.unitLog10() * letterUnits(j); }

    // The table units of the letters of pair `pair` and those after it
    // that it is context for.
    int windowUnits(std::size_t pair) const
    {
        const std::size_t from = 2 * pair;
        const std::size_t to = std::min(m_text.size(), from + 1 + std::size_t(m_model.order()));
        int units = 0;
        for (std::size_t j = from; j < to; ++j)
            units += letterUnits(j);
        return units;
    }

    // How many units the likeliest other two letters of the pair gain over
    // its own, and those letters.
    int bestGain(std::size_t pair, std::array<Letter, 2> &best)
    {
        Letter &first = m_text[2 * pair];
        Letter &second = m_text[2 * pair + 1];
        const std::array<Letter, 2> own{first, second};
        const int ownUnits = windowUnits(pair);
        int bestUnits = ownUnits;
        best = own;
        for (Letter x = 0; x < letterCount; ++x) {
            for (Letter y = 0; y < letterCount; ++y) {
                if (x == y)
                    continue;
                first = x;
                second = y;
                const int units = windowUnits(pair);
                if (units > bestUnits) {
                    bestUnits = units;
                    best = {x, y};
                }
            }
        }
        first = own[0];
        second = own[1];
        return bestUnits - ownUnits;
    }

private:
    int letterUnits(std::size_t j) const
    {
        const std::size_t context = std::min<std::size_t>(j, std::size_t(m_model.order() - 1));
        std::size_t index = 0;
        for (std::size_t k = j - context; k <= j; ++k)
            index = index * 25 + m_text[k];
        return m_model.table(int(context + 1))[index];
    }

    const LanguageModel &m_model;
    std::vector<Letter> &m_text;
};

} // namespace

double garbledGainLog10(Language language)
{
    return language == Language::Bulgarian ? 5.0 : 4.0;
}

Garbling findGarbledPairs(const std::vector<Letter> &plaintext, Language language)
{
    return findGarbledPairs(plaintext, language, garbledGainLog10(language));
}

Garbling findGarbledPairs(const std::vector<Letter> &plaintext, Language language, double gainLog10)
{
    Garbling garbling;
    const std::size_t looked = std::min(plaintext.size(), markedLetters) & ~std::size_t(1);
    const std::vector<Letter> found(plaintext.begin(), plaintext.begin() + std::ptrdiff_t(looked));
    garbling.cutShort = looked < (plaintext.size() & ~std::size_t(1));
    const std::size_t pairs = found.size() / 2;
    if (pairs == 0)
        return garbling;

    std::vector<Letter> text = found;
    const LanguageModel &rough = LanguageModel::of(language, 4);
    const LanguageModel &fine = LanguageModel::of(language, 5);
    PairReader roughReader(rough, text);
    PairReader fineReader(fine, text);

    // Where the text as found stops reading: the pair from which on the sum
    // of how far each letter falls below the level halfway between ordinary
    // text and random letters is largest. The pairs after it are not
    // looked at one by one: none of them reads.
    const double halfway = 0.5 * (fine.typicalLog10() + fine.randomLog10());
    double sum = 0;
    double most = 0;
    std::size_t from = pairs;
    for (std::size_t p = pairs; p-- > 0;) {
        sum += 2 * halfway - fineReader.letterLog10(2 * p) - fineReader.letterLog10(2 * p + 1);
        if (sum > most) {
            most = sum;
            from = p;
        }
    }
    if (from < pairs && most >= unreadableLog10 && pairs - from >= unreadablePairs)
        garbling.unreadableFrom = from;
    const std::size_t reading = garbling.unreadableFrom.value_or(pairs);

    // The pairs are marked worst first, on the copy of the text, in which
    // each marked pair reads as its likelier letters.
    const int roughThreshold = int(roughGainLog10 / rough.unitLog10());
    const int threshold = int(gainLog10 / fine.unitLog10());
    std::vector<int> gain(reading);
    std::vector<std::array<Letter, 2>> better(reading);
    std::vector<bool> marked(reading, false);
    const auto read = [&](std::size_t p) {
        gain[p] = roughReader.bestGain(p, better[p]) >= roughThreshold ? fineReader.bestGain(p, better[p]) : 0;
    };
    for (std::size_t p = 0; p < reading; ++p)
        read(p);
    for (;;) {
        std::size_t worst = reading;
        for (std::size_t p = 0; p < reading; ++p) {
            if (!marked[p] && gain[p] >= threshold && (worst == reading || gain[p] > gain[worst]))
                worst = p;
        }
        if (worst == reading)
            break;
        marked[worst] = true;
        text[2 * worst] = better[worst][0];
        text[2 * worst + 1] = better[worst][1];
        // The pairs whose letters or context it changed are read again.
        const std::size_t first = worst >= 2 ? worst - 2 : 0;
        for (std::size_t p = first; p <= worst + 2 && p < reading; ++p) {
            if (!marked[p])
                read(p);
        }
    }
    for (std::size_t p = 0; p < reading; ++p) {
        if (marked[p])
            garbling.pairs.push_back(p);
    }
    return garbling;
}

} // namespace playfair::analysis
