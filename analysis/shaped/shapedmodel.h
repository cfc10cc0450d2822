#pragma once

#include "analysis/shaped/solveralphabet.h"
#include "analysis/statistics/statisticsfile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace playfair::analysis {

// The order-5 letter model of an alphabet other than the classic one
// (interpolated Kneser-Ney, made by tools/letterstats --alphabet from the
// same books as its four-letter table): log10 P(letter | up to four letters
// before it). A dense table of N^5 bytes would take 24 MiB for the Cyrillic
// letters, so only the five-letter groups the books hold are kept, sorted;
// any other group backs off to the dense order-4 model, weighted by its
// context. It is the finer score that chooses among the plaintexts the
// searches end on, never the searches' own: a look-up is a binary search.
class ShapedLanguageModel
{
public:
    // The model built into the program for the alphabet, read on first use;
    // nothing for an alphabet that has none (the classic one has its own).
    static const ShapedLanguageModel *of(AlphabetKind kind);

    // A model file's bytes, which must outlive the model; nothing if they
    // are not one.
    static std::optional<ShapedLanguageModel> view(const std::uint8_t *bytes, std::size_t size);

    int letters() const { return int(m_header.alphabetLetters); }
    std::size_t groups() const { return m_keys.size(); }
    std::uint64_t lettersCounted() const { return m_header.letters; }
    // The mean log10 probability of a letter in unseen text of the
    // language, and of letters drawn at random.
    double typicalLog10() const { return m_header.typicalLog10; }
    double randomLog10() const { return m_header.randomLog10; }

    // log10 P(letters[order - 1] | the letters before it), `order` 1 to 5.
    double letterLog10(const std::uint8_t *letters, int order) const;
    // A text's log10 probability, each letter by the up to four before it.
    double log10Probability(const std::uint8_t *letters, std::size_t count) const;
    // The same per letter; 0 for an empty text.
    double meanLog10(const std::uint8_t *letters, std::size_t count) const;

    // The mean a true plaintext of `count` letters reaches, all but about
    // one in a hundred: the spread about the typical mean shrinks as the
    // square root of the length.
    double readsLikeTheLanguage(std::size_t count) const;

private:
    double value(std::uint8_t byte) const { return m_header.floorLog10 + m_header.unitLog10 * byte; }

    CompactModelHeader m_header;
    std::array<const std::uint8_t *, 5> m_tables{}; // orders 1..4
    const std::uint8_t *m_backOff = nullptr;
    std::vector<std::uint32_t> m_keys;
    const std::uint8_t *m_values = nullptr;
};

} // namespace playfair::analysis
