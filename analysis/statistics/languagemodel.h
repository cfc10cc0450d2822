#pragma once

#include "analysis/alphabet.h"
#include "analysis/statistics/letterstatistics.h"
#include "analysis/statistics/statisticsfile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace playfair::analysis {

// A letter language model: the probability of each letter given the up to
// order - 1 letters before it (interpolated Kneser-Ney, counted from the same
// public-domain books as the letter statistics, cleaned and prepared as
// Playfair messages are). Unlike the sum of four-letter group probabilities
// the general search climbs, it gives a text's real log10 probability, so a
// plaintext's score can be weighed against how likely its key is. Order 4
// (400 KiB a language) scores the key-word search's candidates; order 5
// (10 MiB) is the finer score that chooses among the best plaintexts.
//
// Tables hold log10 P(letter | context) quantized to a byte: floorLog10()
// + unitLog10() * value.
class LanguageModel
{
public:
    static constexpr int highestOrder = 5;

    // The models built into the program (order 4 or 5), read on first use.
    static const LanguageModel &of(Language language, int order);

    // A model file's bytes, which must outlive the model; nothing if they
    // are not one.
    static std::optional<LanguageModel> view(const std::uint8_t *bytes, std::size_t size);

    int order() const { return int(m_header.order); }
    double floorLog10() const { return m_header.floorLog10; }
    double unitLog10() const { return m_header.unitLog10; }
    std::uint64_t letters() const { return m_header.letters; }
    // The mean log10 probability of a letter in the texts the model was made
    // from, and of letters drawn at random.
    double typicalLog10() const { return m_header.typicalLog10; }
    double randomLog10() const { return m_header.randomLog10; }

    // The table of order n (1..order()): 25^n values, entry h * 25 + x for
    // the context h of n - 1 letters, followed by at least 4 bytes that may
    // be read but mean nothing.
    const std::uint8_t *table(int n) const { return m_tables[std::size_t(n)]; }

    // The sum of the table values of every letter of a text, each by the
    // letters before it (at most order() - 1): the text's log10 probability
    // is floorLog10() * count + unitLog10() * units.
    int units(const Letter *letters, std::size_t count) const;
    double log10Probability(const Letter *letters, std::size_t count) const;
    // The same per letter; 0 for an empty text.
    double meanLog10(const Letter *letters, std::size_t count) const;

    // The values of the first order() - 1 letters of a text, which have
    // shorter contexts; the rest is a sum over the full-order groups.
    int openingUnits(const Letter *letters, std::size_t count) const;

private:
    LanguageModelHeader m_header;
    std::array<const std::uint8_t *, highestOrder + 1> m_tables{};
};

} // namespace playfair::analysis
