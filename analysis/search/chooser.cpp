#include "analysis/search/chooser.h"

#include "analysis/search/pairtables.h"

#include <cmath>

namespace playfair::analysis {

Chooser::Chooser(Language language, const std::vector<Letter> &ciphertext)
    : m_model(LanguageModel::of(language, 5))
    , m_words(WordStatistics::of(language))
    , m_ciphertext(ciphertext)
{
}

Chooser::Verdict Chooser::judge(const Square &square, double keyLog10, double above) const
{
    std::vector<Letter> plain(m_ciphertext.size());
    decryptLetters(square, m_ciphertext.data(), m_ciphertext.size(), plain.data());
    Verdict verdict;
    verdict.letters = m_model.log10Probability(plain.data(), plain.size());
    // A text's division into words scores near its letters; one that trails
    // by more than this is not divided.
    constexpr double hopeless = 40;
    verdict.words = verdict.letters + keyLog10 < above - hopeless
        ? verdict.letters
        : m_words.divide(plain.data(), plain.size()).log10Probability;
    verdict.keyLog10 = keyLog10;
    verdict.total = (1 - wordsWeight) * verdict.letters + wordsWeight * verdict.words + keyLog10;
    verdict.meanLetterLog10 = plain.empty() ? 0 : verdict.letters / double(plain.size());
    return verdict;
}

namespace {

// From this many letters on, a text that agreeing searches reach is trusted
// even when it reads unlike ordinary prose (a table of contents, a list of
// names): no wrong square draws searches on so long a text. It must still
// read far better than random letters.
constexpr std::size_t longText = 150;

double belowTypical(std::size_t letters, double spread, double longShare)
{
    const double byLength = spread / std::sqrt(double(std::max<std::size_t>(letters, 1)));
    return letters >= longText ? std::max(byLength, longShare) : byLength;
}

} // namespace

double Chooser::readsLikeTheLanguage(std::size_t letters) const
{
    const double spread = m_model.typicalLog10() - m_model.randomLog10();
    return m_model.typicalLog10() - belowTypical(letters, 2.1, 0.3 * spread);
}

double Chooser::readsVeryWell(std::size_t letters) const
{
    const double spread = m_model.typicalLog10() - m_model.randomLog10();
    return m_model.typicalLog10() - belowTypical(letters, 0.7, 0.1 * spread);
}

double Chooser::readsWell(std::size_t letters) const
{
    const double spread = m_model.typicalLog10() - m_model.randomLog10();
    return m_model.typicalLog10() - belowTypical(letters, 1.4, 0.2 * spread);
}

} // namespace playfair::analysis
