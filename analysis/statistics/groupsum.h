#pragma once

// The two inner loops every annealer spends its time in, for any alphabet:
// summing the table values of a text's letter groups, and trading two
// letters throughout a text. Each has a plain form and, on x86-64, an AVX2
// form that works eight groups (or 32 letters) at a time; callers choose by
// cpuHasAvx2() once and keep the answer.

#include <cstddef>
#include <cstdint>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define PLAYFAIR_AVX2_PATH 1
#endif

namespace playfair::analysis::groupsum {

// The sum over `groups` groups of `Order` letters starting at each of the
// first `groups` letters; a group's value is table[index], the index its
// letters written as a number in base `Letters`.
template<int Letters, int Order>
inline int plainSum(const std::uint8_t *__restrict letters, std::size_t groups, const std::uint8_t *__restrict table)
{
    int sum = 0;
    for (std::size_t s = 0; s < groups; ++s) {
        std::uint32_t index = letters[s];
        for (int k = 1; k < Order; ++k)
            index = index * Letters + letters[s + std::size_t(k)];
        sum += table[index];
    }
    return sum;
}

// Trades the letters x and y wherever they stand in the first `count` letters.
inline void plainSwap(std::uint8_t *letters, std::size_t count, std::uint8_t x, std::uint8_t y)
{
    for (std::size_t i = 0; i < count; ++i)
        letters[i] = letters[i] == x ? y : letters[i] == y ? x : letters[i];
}

#ifdef PLAYFAIR_AVX2_PATH
inline bool cpuHasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
}

// plainSum eight groups at a time: their indices worked out side by side and
// their values fetched with one gather. The gather reads four bytes at each
// index, so the table needs 3 bytes of room after its end.
template<int Letters, int Order>
__attribute__((target("avx2"))) inline int avx2Sum(const std::uint8_t *__restrict letters, std::size_t groups,
                                                   const std::uint8_t *__restrict table)
{
    const __m256i base = _mm256_set1_epi32(Letters);
    const __m256i lowByte = _mm256_set1_epi32(0xFF);
    __m256i total = _mm256_setzero_si256();
    std::size_t s = 0;
    for (; s + 8 <= groups; s += 8) {
        __m256i index = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(letters + s)));
        for (int k = 1; k < Order; ++k) {
            const __m256i next = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(letters + s + k)));
            index = _mm256_add_epi32(_mm256_mullo_epi32(index, base), next);
        }
        const __m256i values = _mm256_i32gather_epi32(reinterpret_cast<const int *>(table), index, 1);
        total = _mm256_add_epi32(total, _mm256_and_si256(values, lowByte));
    }
    __m128i half = _mm_add_epi32(_mm256_castsi256_si128(total), _mm256_extracti128_si256(total, 1));
    half = _mm_add_epi32(half, _mm_shuffle_epi32(half, 0x4E));
    half = _mm_add_epi32(half, _mm_shuffle_epi32(half, 0xB1));
    return _mm_cvtsi128_si32(half) + plainSum<Letters, Order>(letters + s, groups - s, table);
}

// plainSwap 32 letters at a time: `count` is rounded up to 32, so the buffer
// needs that much room, filled with bytes that are no letter.
__attribute__((target("avx2"))) inline void avx2Swap(std::uint8_t *letters, std::size_t count, std::uint8_t x,
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
#endif

} // namespace playfair::analysis::groupsum
