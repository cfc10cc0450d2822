#pragma once

#include <optional>
#include <string_view>

namespace playfair::analysis {

// The languages the solver has statistics for. Bulgarian is read in Latin
// letters, by the official transliteration.
enum class Language { English, Bulgarian };

// "en" and "bg", as the command line and the tables name them.
std::string_view languageCode(Language language);
std::optional<Language> languageFromCode(std::string_view code);

// Which squares the solver tries: any, only those made from a key word, or
// only the general search over all squares.
enum class SquareKind { Any, KeyWord, Random };

} // namespace playfair::analysis
