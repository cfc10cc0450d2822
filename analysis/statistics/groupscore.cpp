#include "analysis/statistics/groupscore.h"

#include "analysis/statistics/languagemodel.h"
#include "analysis/statistics/letterstatistics.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define PLAYFAIR_AVX2_PATH 1
#endif

namespace playfair::analysis {

namespace {

template<int order>
int plainSum(const Letter *__restrict letters, std::size_t windows, const std::uint8_t *__restrict table)
{
    int sum = 0;
    for (std::size_t w = 0; w < windows; ++w) {
        std::uint32_t index = letters[w];
        for (int k = 1; k < order; ++k)
            index = index * 25 + letters[w + std::size_t(k)];
        sum += table[index];
    }
    return sum;
}

#ifdef PLAYFAIR_AVX2_PATH
// The same sum, eight groups at a time: their indices are worked out side by
// side and their table values fetched with one gather.
template<int order>
__attribute__((target("avx2"))) int avx2Sum(const Letter *__restrict letters, std::size_t windows,
                                            const std::uint8_t *__restrict table)
{
    const __m256i twentyFive = _mm256_set1_epi32(25);
    const __m256i lowByte = _mm256_set1_epi32(0xFF);
    __m256i total = _mm256_setzero_si256();
    std::size_t w = 0;
    for (; w + 8 <= windows; w += 8) {
        __m256i index = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(letters + w)));
        for (int k = 1; k < order; ++k) {
            const __m256i next = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(letters + w + k)));
            index = _mm256_add_epi32(_mm256_mullo_epi32(index, twentyFive), next);
        }
        const __m256i values = _mm256_i32gather_epi32(reinterpret_cast<const int *>(table), index, 1);
        total = _mm256_add_epi32(total, _mm256_and_si256(values, lowByte));
    }
    __m128i half = _mm_add_epi32(_mm256_castsi256_si128(total), _mm256_extracti128_si256(total, 1));
    half = _mm_add_epi32(half, _mm_shuffle_epi32(half, 0x4E));
    half = _mm_add_epi32(half, _mm_shuffle_epi32(half, 0xB1));
    return _mm_cvtsi128_si32(half) + plainSum<order>(letters + w, windows - w, table);
}

bool cpuHasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

} // namespace

bool GroupScore::avx2()
{
#ifdef PLAYFAIR_AVX2_PATH
    static const bool has = cpuHasAvx2();
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
        return total + (order == 5 ? avx2Sum<5>(letters, windows, table) : avx2Sum<4>(letters, windows, table));
#endif
    return total + (order == 5 ? plainSum<5>(letters, windows, table) : plainSum<4>(letters, windows, table));
}

} // namespace playfair::analysis
