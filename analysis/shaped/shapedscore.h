#pragma once

#include <cstddef>
#include <cstdint>

namespace playfair::analysis {

// The sum of the table values of a text's four-letter groups, the table
// holding one byte for each group of four of `Letters` letters and at least
// 4 bytes after its end. With AVX2, eight groups at a time.
template<int Letters>
int shapedGroupSum(const std::uint8_t *letters, std::size_t count, const std::uint8_t *table);

// Trades the letters x and y wherever they stand in the first `count`
// letters. With AVX2 the buffer must hold `count` rounded up to 32.
void swapLettersInText(std::uint8_t *letters, std::size_t count, std::uint8_t x, std::uint8_t y);

// The room swapLettersInText needs after a text's letters.
inline constexpr std::size_t shapedTextPadding = 32;

} // namespace playfair::analysis
