#include "analysis/statistics/letterstatistics.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

// The tables made by tools/letterstats, embedded at build time.
extern "C" const unsigned char playfair_statistics_en[];
extern "C" const std::size_t playfair_statistics_en_size;
extern "C" const unsigned char playfair_statistics_bg[];
extern "C" const std::size_t playfair_statistics_bg_size;

namespace playfair::analysis {

std::optional<LetterStatistics> LetterStatistics::fromBytes(const std::uint8_t *bytes, std::size_t size)
{
    const auto header = LetterStatisticsHeader::decoded(bytes, size);
    if (!header || size != LetterStatisticsHeader::size + groups)
        return std::nullopt;
    LetterStatistics statistics;
    statistics.m_header = *header;
    statistics.m_table.assign(bytes + LetterStatisticsHeader::size, bytes + size);
    statistics.m_table.resize(groups + 3, 0);
    return statistics;
}

const LetterStatistics &LetterStatistics::of(Language language)
{
    const auto load = [](const unsigned char *bytes, std::size_t size) {
        auto statistics = fromBytes(bytes, size);
        if (!statistics)
            throw std::logic_error("the built-in letter statistics are damaged");
        return std::move(*statistics);
    };
    static const LetterStatistics english = load(playfair_statistics_en, playfair_statistics_en_size);
    if (language == Language::English)
        return english;
    static const LetterStatistics bulgarian = load(playfair_statistics_bg, playfair_statistics_bg_size);
    return bulgarian;
}

int LetterStatistics::sum(const Letter *letters, std::size_t count) const
{
    int total = 0;
    for (std::size_t i = 0; i + order <= count; ++i)
        total += m_table[groupIndex(letters + i)];
    return total;
}

double LetterStatistics::meanLog10(const Letter *letters, std::size_t count) const
{
    if (count < std::size_t(order))
        return 0;
    const std::size_t windows = count - order + 1;
    return floorLog10() + unitLog10() * double(sum(letters, count)) / double(windows);
}

std::vector<LetterStatistics::PairShare> LetterStatistics::commonestPairs(std::size_t most) const
{
    // Each group's probability, summed over the groups a pair begins.
    std::array<double, 25 * 25> sums{};
    double total = 0;
    for (std::size_t group = 0; group < groups; ++group) {
        const double p = std::pow(10.0, floorLog10() + unitLog10() * m_table[group]);
        sums[group / (25 * 25)] += p;
        total += p;
    }
    std::vector<PairShare> pairs;
    for (std::size_t pair = 0; pair < sums.size(); ++pair) {
        const auto first = Letter(pair / 25);
        const auto second = Letter(pair % 25);
        if (first != second)
            pairs.push_back({{first, second}, sums[pair] / total});
    }
    most = std::min(most, pairs.size());
    std::partial_sort(pairs.begin(), pairs.begin() + std::ptrdiff_t(most), pairs.end(),
                      [](const PairShare &a, const PairShare &b) { return a.share > b.share; });
    pairs.resize(most);
    return pairs;
}

} // namespace playfair::analysis
