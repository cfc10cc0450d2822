#pragma once

#include <string>
#include <string_view>

namespace playfair::analysis {

// The letters of a UTF-8 text as the program cleans a message: the capitals
// A..Z only, J as I. With `bulgarian`, Cyrillic letters are first written in
// Latin letters by the official Bulgarian transliteration (Щ -> SHT, Ъ -> A,
// Ю -> YU, Я -> YA, Й -> Y, Ь -> Y, Ж -> ZH, Ц -> TS, Ч -> CH, Ш -> SH, Х -> H,
// the other letters letter for letter).
std::string cleanedCorpusText(std::string_view text, bool bulgarian);

} // namespace playfair::analysis
