#include "analysis/garbling.h"

#include "analysis/shaped/shapedmodel.h"
#include "analysis/shaped/shapedsolver.h"
#include "analysis/statistics/languagemodel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

namespace playfair::analysis {

namespace {

// Each pair is first read by the order-4 model (on the other alphabets'
// squares, by the groups of four letters), whose table stays in the cache;
// only pairs that gain this much by it are read again by the order-5 model,
// which decides. On the classic tuning books this is some ten times faster
// and loses about one garbled pair in seventy that the order-5 model alone
// would mark.
constexpr double roughGainLog10 = 2.0;

// The text stops reading for good when, from some pair to the end, its
// letters fall below the level halfway between ordinary text and random
// letters by this much in all, over at least so many pairs.
constexpr double unreadableLog10 = 10;
constexpr std::size_t unreadablePairs = 6;

// A letter model as the pairs are read by it: `Units` are what its values
// add up in (table units, or log10 itself), and a letter's value is read
// from the text at its place, by the up to order() - 1 letters before it.
// Its letters from digitsFrom() on are digits (6 x 6 alone has them).
//
// The classic models, by their tables of 25^n bytes.
class ClassicLetters
{
public:
    using Units = int;

    explicit ClassicLetters(const LanguageModel &model)
        : m_model(model)
    {
    }

    int letters() const { return letterCount; }
    int digitsFrom() const { return letterCount; }
    int order() const { return m_model.order(); }
    int units(const Letter *text, std::size_t j) const
    {
        const std::size_t context = std::min<std::size_t>(j, std::size_t(m_model.order() - 1));
        std::size_t index = 0;
        for (std::size_t k = j - context; k <= j; ++k)
            index = index * 25 + text[k];
        return m_model.table(int(context + 1))[index];
    }
    double letterLog10(const Letter *text, std::size_t j) const
    {
        return m_model.floorLog10() + m_model.unitLog10() * units(text, j);
    }
    // A level in log10 as units, rounded down as it always was.
    int unitsOf(double log10) const { return int(log10 / m_model.unitLog10()); }
    double typicalLog10() const { return m_model.typicalLog10(); }
    double randomLog10() const { return m_model.randomLog10(); }

private:
    const LanguageModel &m_model;
};

// The other alphabets' order-5 models (Cyrillic, Q left out), read at an
// order up to 5: order 4 is their dense table, order 5 a look-up among the
// groups the books hold.
class ShapedLetters
{
public:
    using Units = double;

    ShapedLetters(const ShapedLanguageModel &model, int order)
        : m_model(model)
        , m_order(order)
    {
    }

    int letters() const { return m_model.letters(); }
    int digitsFrom() const { return m_model.letters(); }
    int order() const { return m_order; }
    double units(const std::uint8_t *text, std::size_t j) const
    {
        const std::size_t context = std::min<std::size_t>(j, std::size_t(m_order - 1));
        return m_model.letterLog10(text + j - context, int(context + 1));
    }
    double letterLog10(const std::uint8_t *text, std::size_t j) const { return units(text, j); }
    double unitsOf(double log10) const { return log10; }
    double typicalLog10() const { return m_model.typicalLog10(); }
    double randomLog10() const { return m_model.randomLog10(); }

private:
    const ShapedLanguageModel &m_model;
    int m_order;
};

// The groups-of-four table of an alphabet read as a letter model:
// P(d | a b c) = P(a b c d) / the sum of P(a b c e) over every letter e,
// with the log10 of those sums worked out once; and where ordinary text
// and random letters stand by it: the mean over the groups weighted by
// their own probability, and the plain mean.
struct ConditionalGroups
{
    std::vector<float> contextLog10; // n^3, by the three letters before
    double typicalLog10 = 0;
    double randomLog10 = 0;
};

const ConditionalGroups &conditionalGroups(AlphabetKind kind)
{
    static std::array<ConditionalGroups, alphabetKinds.size()> made;
    static std::array<std::once_flag, alphabetKinds.size()> once;
    const auto at = std::size_t(std::find(alphabetKinds.begin(), alphabetKinds.end(), kind) - alphabetKinds.begin());
    std::call_once(once[at], [&] {
        const ShapedStatistics &statistics = ShapedStatistics::of(kind);
        const auto n = std::size_t(statistics.letters());
        const std::uint8_t *table = statistics.table();
        ConditionalGroups &groups = made[at];
        groups.contextLog10.resize(n * n * n);
        double total = 0;
        double weighted = 0;
        double plain = 0;
        for (std::size_t context = 0; context < n * n * n; ++context) {
            double sum = 0;
            for (std::size_t e = 0; e < n; ++e)
                sum += std::pow(10.0, statistics.unitLog10() * table[context * n + e]);
            const double log10Sum = std::log10(sum);
            groups.contextLog10[context] = float(log10Sum);
            for (std::size_t e = 0; e < n; ++e) {
                const double probability = std::pow(10.0, statistics.unitLog10() * table[context * n + e]);
                const double conditional = statistics.unitLog10() * table[context * n + e] - log10Sum;
                total += probability;
                weighted += probability * conditional;
                plain += conditional;
            }
        }
        groups.typicalLog10 = weighted / total;
        groups.randomLog10 = plain / double(n * n * n * n);
    });
    return made[at];
}

// The groups-of-four table the search climbs, read so: the rough reading of
// the alphabets with an order-5 model, the only one on 6 x 6. The first
// three letters end no group and count alike whatever they are.
class GroupLetters
{
public:
    using Units = double;

    explicit GroupLetters(AlphabetKind kind)
        : m_statistics(ShapedStatistics::of(kind))
        , m_groups(conditionalGroups(kind))
        , m_digitsFrom(kind == AlphabetKind::LatinDigits ? 26 : m_statistics.letters())
    {
    }

    int letters() const { return m_statistics.letters(); }
    int digitsFrom() const { return m_digitsFrom; }
    int order() const { return 4; }
    double units(const std::uint8_t *text, std::size_t j) const
    {
        if (j < 3)
            return 0;
        const auto n = std::size_t(m_statistics.letters());
        const std::size_t context = (text[j - 3] * n + text[j - 2]) * n + text[j - 1];
        return m_statistics.unitLog10() * m_statistics.table()[context * n + text[j]] - m_groups.contextLog10[context];
    }
    double letterLog10(const std::uint8_t *text, std::size_t j) const
    {
        return j < 3 ? typicalLog10() : units(text, j);
    }
    double unitsOf(double log10) const { return log10; }
    double typicalLog10() const { return m_groups.typicalLog10; }
    double randomLog10() const { return m_groups.randomLog10; }

private:
    const ShapedStatistics &m_statistics;
    const ConditionalGroups &m_groups;
    int m_digitsFrom;
};

// Reads the pairs of a text by one letter model.
template<typename Model>
class PairReader
{
public:
    using Units = typename Model::Units;

    PairReader(const Model &model, std::vector<Letter> &text)
        : m_model(model)
        , m_text(text)
    {
    }

    // log10 P(letter j | the letters before it).
    double letterLog10(std::size_t j) const { return m_model.letterLog10(m_text.data(), j); }

    // The units of the letters of pair `pair` and those after it that it is
    // context for.
    Units windowUnits(std::size_t pair) const
    {
        const std::size_t from = 2 * pair;
        const std::size_t to = std::min(m_text.size(), from + 1 + std::size_t(m_model.order()));
        Units units = 0;
        for (std::size_t j = from; j < to; ++j)
            units += m_model.units(m_text.data(), j);
        return units;
    }

    // How many units the likeliest other two letters of the pair gain over
    // its own, and those letters.
    Units bestGain(std::size_t pair, std::array<Letter, 2> &best)
    {
        Letter &first = m_text[2 * pair];
        Letter &second = m_text[2 * pair + 1];
        const std::array<Letter, 2> own{first, second};
        const Units ownUnits = windowUnits(pair);
        Units bestUnits = ownUnits;
        best = own;
        const int letters = m_model.letters();
        // A digit of a number (a digit beside it) is weighed against the
        // other digits alone: the books hold few numbers, and any other
        // number would read as poorly as the one sent, but letters far
        // better.
        const int digitsFrom = m_model.digitsFrom();
        const auto digit = [&](std::size_t j) { return j < m_text.size() && m_text[j] >= digitsFrom; };
        const auto inNumber = [&](std::size_t j) { return digit(j) && ((j > 0 && digit(j - 1)) || digit(j + 1)); };
        const Letter firstFrom = inNumber(2 * pair) ? Letter(digitsFrom) : Letter(0);
        const Letter secondFrom = inNumber(2 * pair + 1) ? Letter(digitsFrom) : Letter(0);
        for (Letter x = firstFrom; x < letters; ++x) {
            for (Letter y = secondFrom; y < letters; ++y) {
                if (x == y)
                    continue;
                first = x;
                second = y;
                const Units units = windowUnits(pair);
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
    const Model &m_model;
    std::vector<Letter> &m_text;
};

// Marks the pairs of a plaintext, reading each first by the rough model and
// only those that gain by it by the fine one, which decides.
template<typename Rough, typename Fine>
Garbling findGarbled(const std::vector<Letter> &plaintext, const Rough &rough, const Fine &fine, double gainLog10)
{
    Garbling garbling;
    const std::size_t looked = std::min(plaintext.size(), markedLetters) & ~std::size_t(1);
    const std::vector<Letter> found(plaintext.begin(), plaintext.begin() + std::ptrdiff_t(looked));
    garbling.cutShort = looked < (plaintext.size() & ~std::size_t(1));
    const std::size_t pairs = found.size() / 2;
    if (pairs == 0)
        return garbling;

    std::vector<Letter> text = found;
    PairReader<Rough> roughReader(rough, text);
    PairReader<Fine> fineReader(fine, text);

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
    using Units = typename Fine::Units;
    const typename Rough::Units roughThreshold = rough.unitsOf(roughGainLog10);
    const Units threshold = fine.unitsOf(gainLog10);
    std::vector<Units> gain(reading);
    std::vector<std::array<Letter, 2>> better(reading);
    std::vector<bool> marked(reading, false);
    const auto read = [&](std::size_t p) {
        gain[p] = roughReader.bestGain(p, better[p]) >= roughThreshold ? fineReader.bestGain(p, better[p]) : Units(0);
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
    return findGarbled(plaintext, ClassicLetters(LanguageModel::of(language, 4)),
                       ClassicLetters(LanguageModel::of(language, 5)), gainLog10);
}

double garbledGainLog10(AlphabetKind kind)
{
    // Chosen as the classic levels, on texts of 150 letters of the tuning
    // books (Elin Pelin, Carroll): the half step whose correct pairs marked
    // come nearest one in three hundred (bench_shaped --garble-levels 1).
    switch (kind) {
    case AlphabetKind::LatinIJ:
        break;
    case AlphabetKind::LatinQ:
    case AlphabetKind::LatinDigits:
        return 4.0;
    case AlphabetKind::Cyrillic:
        return 5.5;
    }
    return garbledGainLog10(Language::English);
}

Garbling findGarbledPairs(const std::vector<std::uint8_t> &plaintext, AlphabetKind kind)
{
    return findGarbledPairs(plaintext, kind, garbledGainLog10(kind));
}

Garbling findGarbledPairs(const std::vector<std::uint8_t> &plaintext, AlphabetKind kind, double gainLog10)
{
    if (kind == AlphabetKind::LatinIJ)
        return findGarbledPairs(plaintext, Language::English, gainLog10);
    if (const ShapedLanguageModel *model = ShapedLanguageModel::of(kind))
        return findGarbled(plaintext, GroupLetters(kind), ShapedLetters(*model, 5), gainLog10);
    const GroupLetters groups(kind);
    return findGarbled(plaintext, groups, groups, gainLog10);
}

} // namespace playfair::analysis
