#include "analysis/transliteration.h"

#include "analysis/statistics/utf8.h"

namespace playfair::analysis {

const char *latinOfCyrillic(char32_t c)
{
    // а б в г д е ж з и й к л м н о п р с т у ф х ц ч ш щ ъ ы ь э ю я
    static const char *const lower[32] = {"A", "B",  "V",  "G",  "D",   "E", "ZH", "Z", "I", "Y",  "K",
                                          "L", "M",  "N",  "O",  "P",   "R", "S",  "T", "U", "F",  "H",
                                          "TS", "CH", "SH", "SHT", "A", "Y", "Y",  "E", "YU", "YA"};
    if (c >= 0x410 && c <= 0x42F) // capitals
        c += 0x20;
    if (c >= 0x430 && c <= 0x44F)
        return lower[c - 0x430];
    switch (c) {
    case 0x450: // ѐ
    case 0x400:
        return "E";
    case 0x45D: // ѝ, the stressed и
    case 0x40D:
    case 0x456: // і of the old spelling
    case 0x406:
        return "I";
    default:
        return nullptr;
    }
}

std::string transliterated(std::string_view text)
{
    std::string latin;
    latin.reserve(text.size());
    std::size_t copied = 0; // the bytes before this one are in `latin`
    forEachCodePointAt(text, [&](char32_t c, std::size_t start, std::size_t length) {
        if (const char *letters = latinOfCyrillic(c)) {
            latin.append(text.substr(copied, start - copied));
            latin += letters;
            copied = start + length;
        }
    });
    latin.append(text.substr(copied));
    return latin;
}

bool hasCyrillicLetter(std::string_view text)
{
    bool found = false;
    forEachCodePoint(text, [&found](char32_t c) { found = found || latinOfCyrillic(c) != nullptr; });
    return found;
}

} // namespace playfair::analysis
