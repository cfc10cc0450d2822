#pragma once

#include "analysis/shaped/shapedsolver.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace playfair::analysis {

class ShapedLanguageModel;
class WordStatistics;

// The finer score that chooses among the plaintexts the searches of an
// alphabet other than the classic one end on. The searches climb the
// four-letter groups, which on short texts rank a wrong square's
// language-like noise above the key's plaintext more often than the
// alphabet's order-5 model does (analysis/shaped/shapedmodel.h); without
// one (6 x 6), the groups themselves.
//
// Without Q the plaintext's letters are the classic square's but for J,
// which the classic word lists read as I, so its division into English
// words is weighed in as the classic chooser weighs it
// (analysis/search/chooser.h): a letter that stands nowhere else in the
// text (the K of KED STOPPING for the L of LED STOPPING) reads alike to
// either letter model, and only the words tell the two apart.
class ShapedChoice
{
public:
    ShapedChoice(AlphabetKind kind, std::size_t letters);

    // What plaintexts of the searched letters are ranked by, in log10 units;
    // `groups` is the plaintext's sum of four-letter groups.
    double of(const std::uint8_t *plain, int groups) const;
    // Whether a plaintext of the searched letters reads like the language,
    // by its letters alone.
    bool readsLike(const std::uint8_t *plain, int groups) const;
    // Whether it reads well, at the classic chooser's tighter level that all
    // but one true text in twenty reach (Chooser::readsWell); by the
    // four-letter groups' level where the alphabet has no order-5 model.
    bool readsWell(const std::uint8_t *plain, int groups) const;
    bool weighsWords() const { return m_words != nullptr; }

    // From a square whose plaintext reads like the language: a climb over
    // the letter swaps whose four-letter groups lose at most
    // `groupMarginLog10`, by this score, for as long as it grows. The
    // square and its score change in place; true when it moved. The
    // searches end on the groups' optimum, which a swap of two letters from
    // the key may be; without this a wrong plaintext that two searches
    // reach would be trusted. `Annealer` is a ShapedAnnealer of the shape.
    template<typename Annealer>
    bool climb(Annealer &annealer, typename Annealer::Square &square, double &score) const
    {
        bool moved = false;
        for (bool better = true; better;) {
            better = false;
            const int groups = annealer.scoreOf(square);
            std::pair<int, int> best{-1, -1};
            for (int a = 0; a < Annealer::cells; ++a) {
                for (int b = a + 1; b < Annealer::cells; ++b) {
                    std::swap(square[a], square[b]);
                    const int near = annealer.scoreOf(square);
                    if (groups - near <= m_groupMargin) {
                        const double next = of(annealer.plaintext().data(), near);
                        if (next > score) {
                            score = next;
                            best = {a, b};
                        }
                    }
                    std::swap(square[a], square[b]);
                }
            }
            if (best.first >= 0) {
                std::swap(square[best.first], square[best.second]);
                better = moved = true;
            }
        }
        annealer.scoreOf(square);
        return moved;
    }

    // How far, in log10 units of the groups, a swap the climb weighs may
    // fall below the square it starts from.
    static constexpr double groupMarginLog10 = 5;

private:
    double letters(const std::uint8_t *plain, int groups) const;

    const ShapedStatistics &m_statistics;
    const ShapedLanguageModel *m_model;
    const WordStatistics *m_words = nullptr;
    std::size_t m_letters;
    int m_groupMargin;
};

} // namespace playfair::analysis
