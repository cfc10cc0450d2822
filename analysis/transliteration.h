#pragma once

#include <string>
#include <string_view>

namespace playfair::analysis {

// Bulgarian in Latin letters by the official transliteration, the one the
// Bulgarian letter statistics are counted in: Щ -> SHT, Ъ -> A, Ю -> YU,
// Я -> YA, Й -> Y, Ь -> Y, Ж -> ZH, Ц -> TS, Ч -> CH, Ш -> SH, Х -> H, the
// other letters letter for letter.

// The Latin capitals of a Cyrillic letter of either case, or nullptr for any
// other character.
const char *latinOfCyrillic(char32_t c);

// A UTF-8 text with each Cyrillic letter written in Latin capitals and
// everything else as it was.
std::string transliterated(std::string_view text);

// Whether a UTF-8 text holds a Cyrillic letter.
bool hasCyrillicLetter(std::string_view text);

} // namespace playfair::analysis
