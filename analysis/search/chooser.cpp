#include "analysis/search/chooser.h"

#include "analysis/ciphertext.h"
#include "analysis/search/pairtables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace playfair::analysis {

Chooser::Chooser(std::optional<Language> language, const std::vector<Letter> &ciphertext, std::size_t paddingAllowed)
    : m_ciphertext(ciphertext)
    , m_paddingAllowed(paddingAllowed)
{
    if (language)
        m_languages = {*language};
    else
        m_languages = {Language::English, Language::Bulgarian};
}

Chooser::Verdict Chooser::judge(const Square &square, double keyLog10, double above) const
{
    std::vector<Letter> plain(m_ciphertext.size());
    decryptLetters(square, m_ciphertext.data(), m_ciphertext.size(), plain.data());
    std::array<double, 2> letters{};
    std::array<PaddingReading, 2> padding{};
    double bestLetters = -1e300;
    for (std::size_t i = 0; i < m_languages.size(); ++i) {
        if (m_paddingAllowed > 0)
            padding[i] = paddingByReading(m_ciphertext.data(), plain.data(), plain.size(), m_paddingAllowed, m_languages[i]);
        letters[i] = model(m_languages[i]).log10Probability(plain.data(), plain.size() - padding[i].letters)
            + padding[i].log10Probability;
        bestLetters = std::max(bestLetters, letters[i]);
    }
    // A text's division into words scores near its letters; one that trails
    // by more than this is not divided.
    constexpr double hopeless = 40;
    Verdict verdict;
    for (std::size_t i = 0; i < m_languages.size(); ++i) {
        Verdict reading;
        reading.language = m_languages[i];
        reading.letters = letters[i];
        const std::size_t read = plain.size() - padding[i].letters;
        reading.padding = padding[i].letters;
        reading.words = reading.letters + keyLog10 < above - hopeless || reading.letters < bestLetters - hopeless
            ? reading.letters
            : WordStatistics::of(reading.language).divide(plain.data(), read).log10Probability
                + padding[i].log10Probability;
        reading.keyLog10 = keyLog10;
        reading.total = (1 - wordsWeight) * reading.letters + wordsWeight * reading.words + keyLog10;
        reading.meanLetterLog10
            = read == 0 ? 0 : (reading.letters - padding[i].log10Probability) / double(read);
        if (i == 0 || reading.total > verdict.total)
            verdict = reading;
    }
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

double Chooser::readsLikeTheLanguage(std::size_t letters, Language language) const
{
    const LanguageModel &m = model(language);
    const double spread = m.typicalLog10() - m.randomLog10();
    return m.typicalLog10() - belowTypical(letters, 2.1, 0.3 * spread);
}

double Chooser::readsVeryWell(std::size_t letters, Language language) const
{
    const LanguageModel &m = model(language);
    const double spread = m.typicalLog10() - m.randomLog10();
    return m.typicalLog10() - belowTypical(letters, 0.7, 0.1 * spread);
}

double Chooser::readsWell(std::size_t letters, Language language) const
{
    const LanguageModel &m = model(language);
    const double spread = m.typicalLog10() - m.randomLog10();
    return m.typicalLog10() - belowTypical(letters, 1.4, 0.2 * spread);
}

} // namespace playfair::analysis
