#pragma once

#include "analysis/alphabet.h"
#include "analysis/knownpair.h"
#include "analysis/language.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace playfair::analysis {

struct CribError
{
    enum class Kind {
        NoLetters,      // the word has no letters
        TooLong,        // longer than the text, or than the text after the position
        BadPosition,    // the position is outside the text
        CannotStandAt,  // at the given position the word contradicts the ciphertext
        CannotStandAnywhere,
    };
    Kind kind = Kind::NoLetters;
    std::size_t position = 0; // 1-based, for BadPosition and CannotStandAt

    // One sentence, in English, as playfair-break prints it (the windows
    // word it in their own language, by its kind).
    std::string message() const;
};

// A crib: a word known to stand in the plaintext, at a known letter position
// or anywhere. Only the places where the word can stand at all are tried:
// Playfair never turns a letter into itself, never makes a plain pair of two
// equal letters (but that a message that kept its doubled letters sends one
// as it is), and turns equal plain pairs into equal cipher pairs (and a
// reversed pair into the reversed cipher pair).
//
// Known pairs bind it too: wherever the cipher pair of one stands (or the
// reversed cipher pair), the plaintext holds its plain letters (reversed).
class Crib
{
public:
    // No word and no pairs: every plaintext holds it.
    Crib() = default;

    // `position` counts letters from 0.
    static std::variant<Crib, CribError> make(std::string_view word, std::optional<std::size_t> position,
                                              const std::vector<Letter> &ciphertext);
    // The same for a word given as letter numbers: those of any alphabet of
    // 25 letters (the square without Q) as the solver numbers them.
    static std::variant<Crib, CribError> make(const std::vector<Letter> &word, std::optional<std::size_t> position,
                                              const std::vector<Letter> &ciphertext);

    // Binds the plain letters of the known pairs wherever their cipher
    // pairs stand in the ciphertext. A pair with a cipher letter not known
    // stands nowhere.
    void bindPairs(const std::vector<KnownPair> &pairs, const std::vector<Letter> &ciphertext);
    // The letter position (from 0) after the first place of a known pair's
    // cipher pair or its reverse; 0 when it stands nowhere.
    static std::size_t firstPlaceEnd(const KnownPair &pair, const std::vector<Letter> &ciphertext);

    const std::vector<Letter> &letters() const { return m_letters; }
    // The letter positions (from 0) where the word may stand.
    const std::vector<std::size_t> &places() const { return m_places; }
    // The letter position after the last one the crib says anything about.
    std::size_t reach() const;

    // The fewest letters of the word that a plaintext gets wrong, over the
    // places where it may stand, and the letters of the known pairs it gets
    // wrong; 0 when the plaintext holds them.
    int mismatches(const Letter *plaintext) const;
    bool heldBy(const Letter *plaintext) const { return mismatches(plaintext) == 0; }

private:
    std::vector<Letter> m_letters;
    std::vector<std::size_t> m_places;
    std::vector<std::pair<std::size_t, Letter>> m_bound; // a known pair's plain letter at a letter position
};

// What a search reads of a ciphertext and what binds it there: the first
// `most` letters (an even count), stretched so that the crib's last place
// and the first place of each known pair's cipher pair lie inside them;
// and the crib and the known pairs bound on those letters, none when
// neither is given. A crib that cannot stand throws its CribError. `Word`
// is the crib as Crib::make takes it (text, or letter numbers).
struct SearchedText
{
    std::vector<Letter> letters;
    std::optional<Crib> crib;
};

template<typename Word>
SearchedText searchedText(const std::vector<Letter> &ciphertext, std::size_t most, const Word &crib,
                          std::optional<std::size_t> cribPosition, const std::vector<KnownPair> &knownPairs)
{
    const auto cribOn = [&](const std::vector<Letter> &text) {
        auto made = Crib::make(crib, cribPosition, text);
        if (auto *error = std::get_if<CribError>(&made))
            throw *error;
        return std::get<Crib>(std::move(made));
    };
    std::size_t count = std::min(ciphertext.size(), most) & ~std::size_t(1);
    if (!crib.empty()) {
        const Crib whole = cribOn(ciphertext);
        count = std::max(count, (whole.places().back() + whole.letters().size() + 1) & ~std::size_t(1));
    }
    for (const KnownPair &pair : knownPairs)
        count = std::max(count, Crib::firstPlaceEnd(pair, ciphertext));
    SearchedText searched{{ciphertext.begin(), ciphertext.begin() + std::ptrdiff_t(count)}, std::nullopt};
    if (!crib.empty())
        searched.crib = cribOn(searched.letters);
    if (!knownPairs.empty()) {
        if (!searched.crib)
            searched.crib.emplace();
        searched.crib->bindPairs(knownPairs, searched.letters);
    }
    return searched;
}

} // namespace playfair::analysis
