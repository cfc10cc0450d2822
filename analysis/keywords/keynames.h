#pragma once

#include "analysis/alphabet.h"
#include "analysis/keywords/keywordlist.h"

#include "engine/keyedsquare.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace playfair::analysis {

// The key word of a square, when it has one.
struct KeyName
{
    std::string text;    // a word or phrase (J kept), or the key's distinct letters
    bool inList = false; // a word or phrase of a list, not just letters
    Square square{};     // the square the key builds, which decrypts as the found one
    SquareRoute route = SquareRoute::Rows; // how the key was written in
};

// Names the key word of a found square: the shortest word of the lists, or
// if none, the shortest phrase (the first of equally short ones, lists in the
// order given, each the commonest first) whose square, built by the
// program's own construction and written in by any route (rows first),
// decrypts the text as the found square does; else, when a short key builds
// it, that key's letters; else nothing: the square comes from no key word.
//
// The found square may be any of the key square's 25 cyclic shifts, which
// decrypt alike, and the letters that stand in neither the ciphertext nor
// its plaintext may stand anywhere: a square is the key's when the two agree
// on where every other letter stands.
class KeyNamer
{
public:
    // `lists` in order of preference (a class's own first); phrases are
    // looked for among the words of `phraseLists`, their second words
    // among those of the list of `secondWordLists` in the same place, when
    // given (a common word and a rarer one).
    KeyNamer(std::vector<const KeyWordList *> lists, std::vector<const KeyWordList *> phraseLists,
             std::vector<const KeyWordList *> secondWordLists = {});

    // `used`: bit l set for each letter l of the ciphertext and its plaintext.
    std::optional<KeyName> name(const Square &square, std::uint32_t used = allLetters) const;

    static constexpr std::uint32_t allLetters = (1u << letterCount) - 1;

    // A square whose shortest key has more letters than this, and which no
    // word or phrase builds, is taken to come from no key word: a random
    // square ends in its alphabet's last letters in order only by chance.
    static constexpr std::size_t longestLetterKey = 12;
    // Words of the lists have at most this many distinct letters; a square
    // whose shortest key is longer is worth no look through a long list.
    static constexpr std::size_t longestWordKey = 18;

    // The shortest key of any cyclic shift of `square` by any route (rows
    // first of equally short ones), the letters not `used` rearranged among
    // the cells they hold as suits it best, with the square it builds.
    static KeyName shortestKey(const Square &square, std::uint32_t used = allLetters);

private:
    std::vector<const KeyWordList *> m_lists;
    std::vector<const KeyWordList *> m_phraseLists;
    std::vector<const KeyWordList *> m_secondWordLists;
};

} // namespace playfair::analysis
