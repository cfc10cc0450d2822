#include "chooser.h"

#include "pairtables.h"

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

double Chooser::readsLikeTheLanguage(std::size_t letters) const
{
    return m_model.typicalLog10() - 2.1 / std::sqrt(double(std::max<std::size_t>(letters, 1)));
}

double Chooser::readsWell(std::size_t letters) const
{
    return m_model.typicalLog10() - 1.4 / std::sqrt(double(std::max<std::size_t>(letters, 1)));
}

} // namespace playfair::analysis
