#include "analysis/statistics/groupscore.h"

#include "analysis/statistics/groupsum.h"
#include "analysis/statistics/languagemodel.h"
#include "analysis/statistics/letterstatistics.h"

namespace playfair::analysis {

bool GroupScore::avx2()
{
#ifdef PLAYFAIR_AVX2_PATH
    static const bool has = groupsum::cpuHasAvx2();
    return has;
#else
    return false;
#endif
}

GroupScore GroupScore::of(const LetterStatistics &statistics)
{
    GroupScore score;
    score.table = statistics.table();
    score.order = LetterStatistics::order;
    score.unitLog10 = statistics.unitLog10();
    score.spreadLog10 = statistics.typicalLog10() - statistics.randomLog10();
    score.floorLog10 = statistics.floorLog10();
    score.randomLog10 = statistics.randomLog10();
    return score;
}

GroupScore GroupScore::of(const LanguageModel &model)
{
    GroupScore score;
    score.table = model.table(model.order());
    score.order = model.order();
    score.unitLog10 = model.unitLog10();
    score.spreadLog10 = model.typicalLog10() - model.randomLog10();
    score.floorLog10 = model.floorLog10();
    score.randomLog10 = model.randomLog10();
    score.model = &model;
    return score;
}

GroupScore::Rescale GroupScore::rescaleFrom(const GroupScore &other) const
{
    // A group of `other` at log10 v stands (v - random') / spread' of the
    // way from random letters to ordinary text; here that is random +
    // the same share of this spread.
    const double share = spreadLog10 / other.spreadLog10;
    Rescale rescale;
    rescale.a = share * other.unitLog10 / unitLog10;
    rescale.b = (randomLog10 + share * (other.floorLog10 - other.randomLog10) - floorLog10) / unitLog10;
    return rescale;
}

int GroupScore::sum(const Letter *letters, std::size_t count) const
{
    const std::size_t windows = count >= std::size_t(order) ? count - std::size_t(order) + 1 : 0;
    int total = model ? model->openingUnits(letters, count) : 0;
#ifdef PLAYFAIR_AVX2_PATH
    if (avx2())
        return total + (order == 5 ? groupsum::avx2Sum<25, 5>(letters, windows, table)
                                    : groupsum::avx2Sum<25, 4>(letters, windows, table));
#endif
    return total + (order == 5 ? groupsum::plainSum<25, 5>(letters, windows, table)
                                : groupsum::plainSum<25, 4>(letters, windows, table));
}

} // namespace playfair::analysis
