#pragma once

#include <cstddef>
#include <string_view>

namespace playfair::analysis {

// Decodes UTF-8, calling `f(codePoint, start, length)` with each code point
// and the bytes it takes; malformed bytes are skipped.
template<typename F>
void forEachCodePointAt(std::string_view text, F f)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1
            : (lead >> 5) == 0x6                ? 2
            : (lead >> 4) == 0xE                ? 3
            : (lead >> 3) == 0x1E               ? 4
                                                : 0;
        if (length == 0 || i + length > text.size()) {
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        f(c, i, length);
        i += length;
    }
}

// The same, calling `f(codePoint)`.
template<typename F>
void forEachCodePoint(std::string_view text, F f)
{
    forEachCodePointAt(text, [&f](char32_t c, std::size_t, std::size_t) { f(c); });
}

} // namespace playfair::analysis
