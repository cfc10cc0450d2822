#pragma once

#include "analysis/alphabet.h"
#include "analysis/language.h"
#include "analysis/shaped/solveralphabet.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace playfair::analysis {

// Where a found plaintext stops reading. A letter garbled in transmission
// turns its pair's plaintext into two wrong letters, whatever the square; a
// letter lost or added shifts every pair after it. Such pairs read far worse
// than any pair would in their place: a pair is marked when some other two
// letters there would make the text around it (the pair and the four
// letters after it, by the order-5 letter model) a good deal likelier. The
// worst is marked first and read as that likelier pair from then on, so
// that its neighbours are judged in a sound context. Where, from some pair
// on, the letters read more like random letters than like the language, the
// text stops reading for good.
struct Garbling
{
    // The pairs likely garbled, from 0, in order: before the text stops
    // reading, if it does (the pairs after that are not looked at one by one).
    std::vector<std::size_t> pairs;
    // The pair from which on most pairs are garbled, when there is one:
    // the text stops reading there for good.
    std::optional<std::size_t> unreadableFrom;
    // Whether the text was longer than the letters looked at (markedLetters).
    bool cutShort = false;

    // Whether it reads nowhere: it stops reading within its first three
    // pairs, which says more of the square than of the message.
    bool readsNowhere() const { return unreadableFrom && *unreadableFrom < 3; }
};

// How much likelier, in log10, another pair must make its surroundings for
// a pair to be marked, by language: chosen on the tuning books so that about
// one correct pair in three hundred is marked (the Bulgarian model, made from
// less text, finds more correct pairs unlikely), while most garbled pairs
// gain far more.
double garbledGainLog10(Language language);
// Only the first letters of a long text are looked at.
inline constexpr std::size_t markedLetters = 4000;

Garbling findGarbledPairs(const std::vector<Letter> &plaintext, Language language);
// The same with another level than garbledGainLog10's.
Garbling findGarbledPairs(const std::vector<Letter> &plaintext, Language language, double gainLog10);

// The same on the squares of the other alphabets, a plaintext in the
// alphabet's letter numbers (analysis/shaped/solveralphabet.h), read by the
// alphabet's own models: first by its table of groups of four letters, each
// letter by the three before it, then by the order-5 model for Cyrillic
// and without Q (6 x 6, which has none, by the groups alone). The classic
// alphabet is read as English.
double garbledGainLog10(AlphabetKind kind);
Garbling findGarbledPairs(const std::vector<std::uint8_t> &plaintext, AlphabetKind kind);
Garbling findGarbledPairs(const std::vector<std::uint8_t> &plaintext, AlphabetKind kind, double gainLog10);

} // namespace playfair::analysis
