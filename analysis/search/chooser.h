#pragma once

#include "analysis/alphabet.h"
#include "analysis/search/candidatepool.h"
#include "analysis/statistics/languagemodel.h"
#include "analysis/statistics/letterstatistics.h"
#include "analysis/statistics/wordstatistics.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace playfair::analysis {

// The second, finer score that chooses the answer among the best distinct
// plaintexts the searches met. The searches climb fast scores (four-letter
// groups), which on short texts rank English-looking noise above the truth;
// the chooser reads each candidate's plaintext with the order-5 letter model
// and by how well it divides into words, and adds how likely its key is.
// When the plaintext's language is not known, each candidate is read in
// both languages and judged by the one it reads better in: a wrong square's
// noise reads poorly in either, the right one's plaintext well in its own.
class Chooser
{
public:
    // `ciphertext`: the letters the candidates' plaintexts are read from;
    // `language`: the plaintext's, or nothing when it is to be found.
    // `paddingAllowed`: how many letters at the end may be padding
    // (SolverOptions::paddingAllowed); a plaintext is read without them when
    // it reads far better so, and they count as letters at random.
    Chooser(std::optional<Language> language, const std::vector<Letter> &ciphertext, std::size_t paddingAllowed = 0);

    struct Verdict
    {
        double letters = 0;  // log10 probability of the plaintext by the order-5 letter model
        double words = 0;    // the same by its division into words
        double keyLog10 = 0; // how likely its key is
        double total = 0;    // what the chooser ranks by
        double meanLetterLog10 = 0; // `letters` per letter, without the padding
        std::size_t padding = 0;    // letters at the end read as padding
        Language language = Language::English; // the language it was read in
    };

    // `above`: a total the candidate must come near to be worth dividing
    // into words; one far below it is judged by its letters alone, and so
    // is its reading in a language it reads far worse in than in the other.
    Verdict judge(const Square &square, double keyLog10, double above = -1e300) const;
    Verdict judge(const Candidate &candidate, double above = -1e300) const
    {
        return judge(candidate.square, candidate.keyLog10, above);
    }

    // The share of the words' score in the total; the rest is the letter model's.
    static constexpr double wordsWeight = 0.3;

    // Where a true plaintext of `letters` letters stands: all but about one
    // in a hundred score at least this much per letter by the order-5 model
    // (measured on held-out books: the spread shrinks as the square root of
    // the length); on long texts, also any text three tenths of the way from
    // ordinary text to random letters or nearer.
    double readsLikeTheLanguage(std::size_t letters, Language language) const;
    // A tighter level, that all but one in twenty reach (on long texts, a
    // fifth of the way).
    double readsWell(std::size_t letters, Language language) const;
    // A level about three true texts in four reach.
    double readsVeryWell(std::size_t letters, Language language) const;

    static const LanguageModel &model(Language language) { return LanguageModel::of(language, 5); }
    // Whether the language is to be found rather than given.
    bool findsTheLanguage() const { return m_languages.size() > 1; }
    std::size_t letters() const { return m_ciphertext.size(); }

private:
    std::vector<Language> m_languages;
    std::vector<Letter> m_ciphertext;
    std::size_t m_paddingAllowed = 0;
};

} // namespace playfair::analysis
