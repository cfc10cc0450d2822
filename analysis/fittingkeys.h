#pragma once

#include "analysis/alphabet.h"
#include "analysis/deduction.h"
#include "analysis/deductionalphabet.h"
#include "analysis/keywords/keywordlist.h"
#include "analysis/language.h"

#include <chrono>
#include <optional>
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

    // A word or phrase as the list spells it (J kept), or a key's letters
    // written as the deduction writes letter numbers (DeductionAlphabet::spelt
    // shows them in the alphabet's letters).
    std::string key;
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
    // The square's alphabet, of 25 letters (see DeductionAlphabet): the lists'
    // words are read in it, so that in latin-q a J is its own letter and a Q
    // is dropped. The search over keys' letters scores the ciphertext on the
    // classic square only.
    AlphabetKind alphabet = AlphabetKind::LatinIJ;
};

// The key a whole or partial square shows (see keyOfSquare), with the words
// and phrases of the lists that spell it.
struct KeyReadOff
{
    std::string letters; // the key's letters as the square holds them, written as the deduction writes letters
    // Words and phrases of one to three words of the lists (a class's own,
    // the program's examples, the books' words, the system's lists) that
    // build the square, likeliest first: one word before a phrase, a phrase
    // by how often the books have its words one after another.
    std::vector<std::string> words;
    Square square{}; // the key square, the key first
};

// The key that the deduction's square, with the known pairs, determines,
// if it does.
std::optional<KeyReadOff> keyReadOff(const DeductionInput &known, const DeductionResult &result,
                                     const FittingKeyOptions &options, std::stop_token stop = {});

// The words and phrases of the lists that spell the key of `keySquare` (the
// key first, `keyLetters` of them before the rest in order): one to three
// words whose letters, their repeats dropped, are the square's first ones.
std::vector<std::string> spellingsOf(const Square &keySquare, std::size_t keyLetters, const FittingKeyOptions &options,
                                     std::stop_token stop = {});

// Runs on the calling thread (and `threads - 1` more); returns what it has
// found soon after `stop` is requested. When the deduction determines the
// square (see keyOfSquare), its key is the one answer, spelt by the lists'
// words where they can. Reading the system's word lists the first time
// takes a moment.
std::vector<FittingKey> fittingKeys(const DeductionInput &known, const FittingKeyOptions &options,
                                    std::stop_token stop = {});

} // namespace playfair::analysis
