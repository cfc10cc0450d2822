#include "examplekeys.h"

namespace playfair {

const std::vector<std::string_view> &exerciseKeyWords()
{
    static const std::vector<std::string_view> words{
        // Bulgarian, in Latin letters.
        "RODINA", "MAYKA", "SLANCE", "KNIGA", "ZVEZDA", "PLANINA", "GRADINA", "PRIYATEL", "UCHILISHTE", "ZIMA",
        "REKA", "SVOBODA",
        // English.
        "PLAYFAIR", "MONARCHY", "CIPHER", "SECRET", "GARDEN", "WINTER", "PUZZLE", "HARBOUR", "FOREST", "DRAGON",
        "PENCIL", "SCHOOL",
    };
    return words;
}

const std::vector<std::string_view> &exampleKeyWords()
{
    static const std::vector<std::string_view> words = [] {
        std::vector<std::string_view> all{"PLAYFAIR EXAMPLE"};
        all.insert(all.end(), exerciseKeyWords().begin(), exerciseKeyWords().end());
        return all;
    }();
    return words;
}

} // namespace playfair
