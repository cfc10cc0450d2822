#include "analysis/shaped/shapedscore.h"

#include "analysis/statistics/groupscore.h"
#include "analysis/statistics/groupsum.h"

namespace playfair::analysis {

template<int Letters>
int shapedGroupSum(const std::uint8_t *letters, std::size_t count, const std::uint8_t *table)
{
    const std::size_t groups = count >= 4 ? count - 3 : 0;
#ifdef PLAYFAIR_AVX2_PATH
    if (GroupScore::avx2())
        return groupsum::avx2Sum<Letters, 4>(letters, groups, table);
#endif
    return groupsum::plainSum<Letters, 4>(letters, groups, table);
}

template int shapedGroupSum<25>(const std::uint8_t *, std::size_t, const std::uint8_t *);
template int shapedGroupSum<30>(const std::uint8_t *, std::size_t, const std::uint8_t *);
template int shapedGroupSum<36>(const std::uint8_t *, std::size_t, const std::uint8_t *);

void swapLettersInText(std::uint8_t *letters, std::size_t count, std::uint8_t x, std::uint8_t y)
{
#ifdef PLAYFAIR_AVX2_PATH
    if (GroupScore::avx2()) {
        groupsum::avx2Swap(letters, count, x, y);
        return;
    }
#endif
    groupsum::plainSwap(letters, count, x, y);
}

} // namespace playfair::analysis
