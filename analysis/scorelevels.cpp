#include "scorelevels.h"

#include <array>
#include <cmath>

namespace playfair::analysis {

ScoreLevels scoreLevels(Language language)
{
    const LetterStatistics &statistics = LetterStatistics::of(language);
    // The table holds 256 values only: count them, then weigh each once.
    std::array<double, 256> counts{};
    const std::uint8_t *table = statistics.table();
    for (std::size_t group = 0; group < LetterStatistics::groups; ++group)
        counts[table[group]] += 1;

    double sum = 0;
    double probability = 0;
    double weighted = 0;
    for (int value = 0; value < 256; ++value) {
        const double log10 = statistics.floorLog10() + statistics.unitLog10() * value;
        const double p = counts[value] * std::pow(10.0, log10);
        sum += counts[value] * log10;
        probability += p;
        weighted += p * log10;
    }
    ScoreLevels levels;
    levels.random = sum / double(LetterStatistics::groups);
    levels.language = probability > 0 ? weighted / probability : levels.random;
    return levels;
}

} // namespace playfair::analysis
