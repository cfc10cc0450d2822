#include "analysis/statistics/corpus.h"

#include "analysis/statistics/utf8.h"
#include "analysis/transliteration.h"

namespace playfair::analysis {

namespace {

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
            if (const char *latin = latinOfCyrillic(c)) {
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
            latin = latinOfCyrillic(c);
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
