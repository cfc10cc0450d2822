#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace playfair::analysis {

// The letters of a UTF-8 text as the program cleans a message: the capitals
// A..Z only, J as I. With `bulgarian`, Cyrillic letters are first written in
// Latin letters by the official Bulgarian transliteration (see
// analysis/transliteration.h).
std::string cleanedCorpusText(std::string_view text, bool bulgarian);

// Calls `word` with each word of a UTF-8 text in capital Latin letters, J
// kept as J: a word is a run of Latin or Cyrillic letters (the Cyrillic ones
// transliterated as above), and an apostrophe between two letters joins them
// ("don't" is DONT). Anything else ends a word.
void forEachCorpusWord(std::string_view text, const std::function<void(std::string_view)> &word);

// The same, telling of each word whether it follows the word before within
// a sentence: with nothing but spaces, line breaks within a paragraph or a
// hyphen between them.
void forEachCorpusWord(std::string_view text, const std::function<void(std::string_view, bool follows)> &word);

} // namespace playfair::analysis
