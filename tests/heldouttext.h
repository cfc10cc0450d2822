#pragma once

#include "analysis/alphabet.h"
#include "analysis/statistics/corpus.h"
#include "analysis/search/random.h"
#include "engine/textbook.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace playfair::testing {

// The cleaned letters of a held-out book (never seen by the letter
// statistics): "en" or "bg".
inline const std::string &heldOutText(const std::string &language)
{
    static std::string english;
    static std::string bulgarian;
    std::string &text = language == "bg" ? bulgarian : english;
    if (text.empty()) {
        const std::string path = std::string(PLAYFAIR_HELDOUT_DIR)
            + (language == "bg" ? "/bg_karavelov_maminoto_detentse.txt" : "/en_wells_time_machine.txt");
        std::ifstream file(path, std::ios::binary);
        const std::string raw{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        text = analysis::cleanedCorpusText(raw, language == "bg");
    }
    return text;
}

// The letter numbers of a text of capitals.
inline std::vector<analysis::Letter> lettersOf(const std::string &text)
{
    std::vector<analysis::Letter> letters;
    for (char c : text)
        letters.push_back(analysis::Letter(analysis::letterNumber(c)));
    return letters;
}

// A textbook Playfair message of `length` letters cut from a held-out book
// at `offset`, and its encryption on a square shuffled from `seed`.
struct CipherCase
{
    std::string plain;
    std::string square;
    std::string cipherText;
    std::vector<analysis::Letter> cipher;
};

// The same on a given square.
inline CipherCase cipherCaseOn(const std::string &language, std::size_t offset, std::size_t length,
                               const std::string &square)
{
    CipherCase c;
    c.plain = preparedMessage(heldOutText(language).substr(offset, 2 * length)).substr(0, length);
    c.square = square;
    c.cipherText = transformedPairs(c.square, c.plain, +1);
    c.cipher = lettersOf(c.cipherText);
    return c;
}

inline CipherCase cipherCase(const std::string &language, std::size_t offset, std::size_t length, std::uint64_t seed)
{
    analysis::Square square;
    for (int cell = 0; cell < 25; ++cell)
        square[cell] = analysis::Letter(cell);
    analysis::Random random(seed);
    for (int cell = 24; cell > 0; --cell)
        std::swap(square[cell], square[random.below(cell + 1)]);
    return cipherCaseOn(language, offset, length, analysis::squareToText(square));
}

} // namespace playfair::testing
