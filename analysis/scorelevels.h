#pragma once

#include "letterstatistics.h"

namespace playfair::analysis {

// Where a score (the mean log10 probability of a text's four-letter groups,
// as LetterStatistics::meanLog10 gives it) stands, worked out from the
// statistics themselves: the expected score of letters drawn at random, and
// of text written the way the statistics expect the language to be written.
// An ordinary text of a few hundred letters scores near `language`; a square
// still far from the key gives a score near `random`.
struct ScoreLevels
{
    double random = 0;
    double language = 0;
};

ScoreLevels scoreLevels(Language language);

} // namespace playfair::analysis
