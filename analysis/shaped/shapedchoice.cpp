#include "analysis/shaped/shapedchoice.h"

#include "analysis/search/chooser.h"
#include "analysis/shaped/shapedmodel.h"
#include "analysis/statistics/wordstatistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace playfair::analysis {

namespace {

// The classic letter of each latin-q letter: the same letter, J read as I.
const std::array<Letter, letterCount> &classicLetterOfLatinQ()
{
    static const std::array<Letter, letterCount> table = [] {
        std::array<Letter, letterCount> made{};
        const SolverLetters &q = SolverLetters::of(AlphabetKind::LatinQ);
        for (int n = 0; n < q.size(); ++n)
            made[std::size_t(n)] = Letter(letterNumber(q.name(n).front()));
        return made;
    }();
    return table;
}

} // namespace

ShapedChoice::ShapedChoice(AlphabetKind kind, std::size_t letters)
    : m_statistics(ShapedStatistics::of(kind))
    , m_model(ShapedLanguageModel::of(kind))
    , m_letters(letters)
    , m_groupMargin(int(std::lround(groupMarginLog10 / m_statistics.unitLog10())))
{
    if (kind == AlphabetKind::LatinQ && m_model)
        m_words = &WordStatistics::of(Language::English);
}

double ShapedChoice::letters(const std::uint8_t *plain, int groups) const
{
    return m_model ? m_model->log10Probability(plain, m_letters) : m_statistics.unitLog10() * groups;
}

double ShapedChoice::of(const std::uint8_t *plain, int groups) const
{
    const double byLetters = letters(plain, groups);
    if (!m_words)
        return byLetters;
    std::vector<Letter> classic(m_letters);
    const std::array<Letter, letterCount> &map = classicLetterOfLatinQ();
    std::transform(plain, plain + m_letters, classic.begin(), [&map](std::uint8_t letter) { return map[letter]; });
    const double byWords = m_words->divide(classic.data(), classic.size()).log10Probability;
    return (1 - Chooser::wordsWeight) * byLetters + Chooser::wordsWeight * byWords;
}

bool ShapedChoice::readsLike(const std::uint8_t *plain, int groups) const
{
    if (m_model)
        return letters(plain, groups) / double(m_letters) >= m_model->readsLikeTheLanguage(m_letters);
    const double count = double(std::max<std::size_t>(m_letters, 4) - 3);
    return m_statistics.floorLog10() + m_statistics.unitLog10() * groups / count
        >= m_statistics.readsLikeTheLanguage(m_letters);
}

bool ShapedChoice::readsWell(const std::uint8_t *plain, int groups) const
{
    if (!m_model)
        return readsLike(plain, groups);
    const double level = m_model->typicalLog10() - 1.4 / std::sqrt(double(std::max<std::size_t>(m_letters, 1)));
    return letters(plain, groups) / double(m_letters) >= level;
}

} // namespace playfair::analysis
