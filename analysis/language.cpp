#include "analysis/language.h"

namespace playfair::analysis {

std::string_view languageCode(Language language)
{
    return language == Language::Bulgarian ? "bg" : "en";
}

std::optional<Language> languageFromCode(std::string_view code)
{
    if (code == "en")
        return Language::English;
    if (code == "bg")
        return Language::Bulgarian;
    return std::nullopt;
}

} // namespace playfair::analysis
