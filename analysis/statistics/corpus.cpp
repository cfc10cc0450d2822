#include "analysis/statistics/corpus.h"

namespace playfair::analysis {

namespace {

// Decodes UTF-8, calling `f` with each code point; malformed bytes are skipped.
template<typename F>
void forEachCodePoint(std::string_view text, F f)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) {
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        f(c);
        i += length;
    }
}

// The Latin letters of a Cyrillic letter, or nullptr for anything else.
const char *transliterated(char32_t c)
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

void appendCleaned(std::string &letters, char c)
{
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        letters += c == 'J' ? 'I' : c;
}

bool isApostrophe(char32_t c)
{
    return c == U'\'' || c == 0x2019;
}

} // namespace

std::string cleanedCorpusText(std::string_view text, bool bulgarian)
{
    std::string letters;
    forEachCodePoint(text, [&](char32_t c) {
        if (c < 0x80) {
            appendCleaned(letters, char(c));
        } else if (bulgarian) {
            if (const char *latin = transliterated(c)) {
                for (const char *p = latin; *p; ++p)
                    appendCleaned(letters, *p);
            }
        }
    });
    return letters;
}

void forEachCorpusWord(std::string_view text, const std::function<void(std::string_view)> &word)
{
    forEachCorpusWord(text, [&word](std::string_view w, bool) { word(w); });
}

void forEachCorpusWord(std::string_view text, const std::function<void(std::string_view, bool follows)> &word)
{
    std::string current;
    bool apostrophe = false; // one seen right after the word's last letter
    bool follows = false;    // the word being read follows the one before
    bool joined = false;     // since the last word, nothing but spaces, one line break or a hyphen
    int lineBreaks = 0;
    const auto endWord = [&] {
        if (!current.empty()) {
            word(current, follows);
            joined = true;
            lineBreaks = 0;
        }
        current.clear();
        apostrophe = false;
    };
    forEachCodePoint(text, [&](char32_t c) {
        const char *latin = nullptr;
        char ascii[2] = {0, 0};
        if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) {
            ascii[0] = char(c >= U'a' ? c - U'a' + U'A' : c);
            latin = ascii;
        } else {
            latin = transliterated(c);
        }
        if (latin) {
            if (current.empty())
                follows = joined;
            apostrophe = false;
            current += latin;
            return;
        }
        if (isApostrophe(c) && !current.empty() && !apostrophe) {
            apostrophe = true;
            return;
        }
        endWord();
        if (c == U'\n')
            joined = joined && ++lineBreaks < 2; // a blank line ends a paragraph
        else if (c != U' ' && c != U'\t' && c != U'\r' && c != U'-')
            joined = false;
    });
    endWord();
}

} // namespace playfair::analysis
