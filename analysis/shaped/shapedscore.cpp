#include "analysis/shaped/shapedscore.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define PLAYFAIR_AVX2_PATH 1
#endif

namespace playfair::analysis {

namespace {

template<int Letters>
int plainSum(const std::uint8_t *__restrict letters, std::size_t groups, const std::uint8_t *__restrict table)
{
    constexpr std::uint32_t n = Letters;
    int sum = 0;
    for (std::size_t s = 0; s < groups; ++s)
        sum += table[((letters[s] * n + letters[s + 1]) * n + letters[s + 2]) * n + letters[s + 3]];
    return sum;
}

#ifdef PLAYFAIR_AVX2_PATH
template<int Letters>
__attribute__((target("avx2"))) int avx2Sum(const std::uint8_t *__restrict letters, std::size_t groups,
                                            const std::uint8_t *__restrict table)
{
    const __m256i n = _mm256_set1_epi32(Letters);
    const __m256i lowByte = _mm256_set1_epi32(0xFF);
    __m256i total = _mm256_setzero_si256();
    std::size_t s = 0;
    for (; s + 8 <= groups; s += 8) {
        __m256i index = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(letters + s)));
        for (int k = 1; k < 4; ++k) {
            const __m256i next = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(letters + s + k)));
            index = _mm256_add_epi32(_mm256_mullo_epi32(index, n), next);
        }
        const __m256i values = _mm256_i32gather_epi32(reinterpret_cast<const int *>(table), index, 1);
        total = _mm256_add_epi32(total, _mm256_and_si256(values, lowByte));
    }
    __m128i half = _mm_add_epi32(_mm256_castsi256_si128(total), _mm256_extracti128_si256(total, 1));
    half = _mm_add_epi32(half, _mm_shuffle_epi32(half, 0x4E));
    half = _mm_add_epi32(half, _mm_shuffle_epi32(half, 0xB1));
    return _mm_cvtsi128_si32(half) + plainSum<Letters>(letters + s, groups - s, table);
}

__attribute__((target("avx2"))) void avx2SwapLetters(std::uint8_t *letters, std::size_t count, std::uint8_t x,
                                                     std::uint8_t y)
{
    const __m256i vx = _mm256_set1_epi8(char(x));
    const __m256i vy = _mm256_set1_epi8(char(y));
    const __m256i flip = _mm256_set1_epi8(char(x ^ y));
    for (std::size_t i = 0; i < count; i += 32) {
        __m256i *chunk = reinterpret_cast<__m256i *>(letters + i);
        const __m256i v = _mm256_loadu_si256(chunk);
        const __m256i hit = _mm256_or_si256(_mm256_cmpeq_epi8(v, vx), _mm256_cmpeq_epi8(v, vy));
        _mm256_storeu_si256(chunk, _mm256_xor_si256(v, _mm256_and_si256(hit, flip)));
    }
}

bool hasAvx2()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return has;
}
#endif

} // namespace

template<int Letters>
int shapedGroupSum(const std::uint8_t *letters, std::size_t count, const std::uint8_t *table)
{
    const std::size_t groups = count >= 4 ? count - 3 : 0;
#ifdef PLAYFAIR_AVX2_PATH
    if (hasAvx2())
        return avx2Sum<Letters>(letters, groups, table);
#endif
    return plainSum<Letters>(letters, groups, table);
}

template int shapedGroupSum<25>(const std::uint8_t *, std::size_t, const std::uint8_t *);
template int shapedGroupSum<30>(const std::uint8_t *, std::size_t, const std::uint8_t *);
template int shapedGroupSum<36>(const std::uint8_t *, std::size_t, const std::uint8_t *);

void swapLettersInText(std::uint8_t *letters, std::size_t count, std::uint8_t x, std::uint8_t y)
{
#ifdef PLAYFAIR_AVX2_PATH
    if (hasAvx2()) {
        avx2SwapLetters(letters, count, x, y);
        return;
    }
#endif
    for (std::size_t i = 0; i < count; ++i)
        letters[i] = letters[i] == x ? y : letters[i] == y ? x : letters[i];
}

} // namespace playfair::analysis
