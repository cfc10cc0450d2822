#pragma once

#include "analysis/alphabet.h"
#include "analysis/deduction.h"
#include "analysis/keywords/keywordlist.h"
#include "analysis/language.h"

#include <chrono>
#include <stop_token>
#include <string>
#include <vector>

namespace playfair::analysis {

// The key words whose squares satisfy what is known: every word and phrase
// of the lists the key-word attack tries (the program's example keys, a
// class's lists, the words of the books in both languages and the pairs
// that follow each other in them, the system's word lists, and two of the
// commonest words together), its square built by the program's own
// construction and tested against every equation and placed letter (in
// any cyclic shift). Best first: a word before a phrase; the program's
// examples and a class's lists first, then the commonest; the shortest of
// equally common. Words that build the same square count once. When no
// word or phrase fits, the search over keys' letters of the key-word attack
// looks for short keys that do.
struct FittingKey
{
    enum class Source { Word, Phrase, Letters };

    std::string key; // a word or phrase as the list spells it (J kept), or a key's letters
    Source source = Source::Word;
    Square square{}; // the square it builds
};

struct FittingKeyOptions
{
    std::vector<KeyWordList> wordLists; // a class's own, first
    bool systemWordLists = true;
    // How long the search over keys' letters may look when no word fits
    // (0: not at all); it scores the input's ciphertext, if any, by this
    // language.
    std::chrono::milliseconds letterSearch{2000};
    Language language = Language::English;
    int threads = 1;
    std::size_t most = 20;
    std::uint64_t seed = 1;
};

// Runs on the calling thread (and `threads - 1` more); returns what it has
// found soon after `stop` is requested. Reading the system's word lists the
// first time takes a moment.
std::vector<FittingKey> fittingKeys(const DeductionInput &known, const FittingKeyOptions &options,
                                    std::stop_token stop = {});

} // namespace playfair::analysis
