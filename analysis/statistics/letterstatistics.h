#pragma once

#include "analysis/alphabet.h"
#include "analysis/language.h"
#include "analysis/statistics/statisticsfile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace playfair::analysis {

// How likely a text is in a language, from the frequencies of its four-letter
// groups (quadgrams) in a few million letters of public-domain books, counted
// after the texts were cleaned and prepared as Playfair messages are. Each
// group has a table value of 0..255: its log10 probability, quantized, so the
// solver adds small integers and the table (381 KiB) stays in the cache.
class LetterStatistics
{
public:
    static constexpr int order = 4;
    static constexpr std::size_t groups = 25 * 25 * 25 * 25;

    // The tables built into the program; loaded once, on first use.
    static const LetterStatistics &of(Language language);

    // Reads a table file's bytes; false if they are not one.
    static std::optional<LetterStatistics> fromBytes(const std::uint8_t *bytes, std::size_t size);

    // `groups` values, then 3 bytes of padding so that 4-byte reads of any
    // value stay inside.
    const std::uint8_t *table() const { return m_table.data(); }
    static std::size_t groupIndex(const Letter *letters)
    {
        return ((letters[0] * 25u + letters[1]) * 25u + letters[2]) * 25u + letters[3];
    }

    // The sum of the table values of all the groups of a text.
    int sum(const Letter *letters, std::size_t count) const;

    double unitLog10() const { return m_header.unitLog10; }
    double floorLog10() const { return m_header.floorLog10; }
    std::uint64_t letters() const { return m_header.letters; }
    // The mean log10 probability of a group in the texts the table was made
    // from, and in letters drawn at random: where a plaintext's score stands.
    double typicalLog10() const { return m_header.typicalLog10; }
    double randomLog10() const { return m_header.randomLog10; }

    // The mean log10 probability of a text's groups (see typicalLog10 and
    // randomLog10). 0 for texts under 4 letters.
    double meanLog10(const Letter *letters, std::size_t count) const;

    // Two different letters and their share of all pairs of letters that
    // follow each other, by the groups that begin with them.
    struct PairShare
    {
        std::array<Letter, 2> letters{};
        double share = 0;
    };
    // The `most` commonest pairs of two different letters (a prepared
    // message holds no other), the commonest first.
    std::vector<PairShare> commonestPairs(std::size_t most) const;

private:
    LetterStatisticsHeader m_header;
    std::vector<std::uint8_t> m_table;
};

} // namespace playfair::analysis
