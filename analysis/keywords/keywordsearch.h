#pragma once

#include "analysis/alphabet.h"
#include "analysis/language.h"
#include "analysis/search/candidatepool.h"
#include "analysis/keywords/keywordlist.h"
#include "analysis/statistics/languagemodel.h"
#include "analysis/search/random.h"

#include <array>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace playfair::analysis {

class Crib;
class PairCheck;

// How likely each kind of key is before the ciphertext is read, as log10:
// a key word from a list is one of the list's words; a phrase one of the
// pairs of common words; a key in no list, of k letters, one of
// 25!/(25 - k)!; a random square one of 25!/25 (its 25 cyclic shifts
// decrypt alike). A candidate's plaintext must be that much likelier to win
// against a more likely key: this is what stops a 16-letter key in no list
// from "explaining" a 20-letter text better than the six-letter word that
// made it.
struct KeyPriors
{
    double listWord = 0;   // for each entry of a list, by the list's share (see SearchWork)
    double pairs = 0;      // the share of pairs of words that follow each other in the books, by the list's share
    double phrase = 0;     // for each phrase of two common words
    double keyOfLength[26] = {}; // for each key of so many distinct letters, in no list
    double randomSquare = 0;     // for each square of the general search
    // How a key's square was written in, added to its key's odds: by rows
    // mostly, by each other route now and then (see SquareRoute).
    double route[squareRoutes.size()] = {};

    static KeyPriors forKind(SquareKind kind, std::size_t phrases);
};

// The key-word attack. A square made from a key word is one of a few
// million rather than one of 10^25: it tries the words and phrases of word
// lists as keys, and searches over keys' letters for keys in no list, each
// square built by the program's own construction. A list's words are tried
// written in by every route, the phrases of two common words by rows only
// (the search over keys' letters finds them on the other routes). Candidates are scored by
// the order-4 letter model plus how likely their key is, and offered to a
// pool for the chooser. While the language is to be found, each key is
// scored by both languages' models, each alone, and counts by the better:
// a key's plaintext reads as well as it can in its own language, where the
// two models mixed would let neither read fully.
//
// One object serves all the solver's threads: its methods are const, and
// each thread brings its own pool and random numbers.
class KeyWordSearch
{
public:
    // `language` nothing: each key scored in both languages, by the better.
    KeyWordSearch(const std::vector<Letter> &ciphertext, std::optional<Language> language, const KeyPriors &priors,
                  const Crib *crib);

    // Where the language, while it is to be found, is settled: a Language
    // as an int, or -1 while it is not. Once it is, keys are scored in that
    // language alone. The atomic must outlive the search.
    void setSettledLanguage(const std::atomic<int> *settled) { m_settled = settled; }

    const KeyPriors &priors() const { return m_priors; }

    // Known pairs the squares must satisfy: each of their letters a square
    // gets wrong costs it as much as a crib letter it gets wrong. Without a ciphertext they
    // are all there is to score.
    void setPairCheck(const PairCheck *pairs) { m_pairs = pairs; }

    // The program's own example key words (engine/examplekeys.h), as a list.
    static const KeyWordList &exampleList();

    // The built-in words of a language to try as key words: those of three
    // letters or more, the commonest first.
    static const KeyWordList &builtInList(Language language);

    // The phrases of two common words: each word one of the commonest
    // `phraseWords` words of a built-in list.
    static constexpr std::size_t phraseWords = 1500;
    // The pairs of words that follow each other in the books, as phrases.
    static const KeyWordList &pairList(Language language);
    // The phrase lists: the commonest words of the built-in English and
    // Bulgarian lists.
    static const KeyWordList &phraseList(Language language);
    static std::size_t phraseCount();
    // Every word of two letters or more of a built-in list, the commonest
    // first: its first `phraseWords` are the phrase list. A phrase of a
    // common word and a rarer one takes its rarer word from it.
    static const KeyWordList &phraseWordList(Language language);
    // For each entry of `words`, whether a commoner entry (one before it)
    // places the same letters in the same order (keyPlacing): a letter's
    // repeats count once, so DECAYED places what DECAY does. After any first
    // word such an entry builds the square its commoner twin builds, which
    // the phrases' order reaches first (a smaller product of ranks, or the
    // same band earlier), and before any second word likewise: the phrases
    // skip it, each square tried once and named by the commoner phrase.
    static std::vector<bool> repeatedPlacings(const KeyWordList &words);
    // repeatedPlacings of phraseWordList and builtInList, worked out once.
    static const std::vector<bool> &phraseWordRepeats(Language language);
    static const std::vector<bool> &builtInRepeats(Language language);
    // The log10 probability of one phrase of a common word and any word of
    // the built-in lists: as likely as a phrase of two common words over
    // the share of the built-in words that are common.
    double rarePhraseLog10() const;

    // Tries entries [begin, end) of `list` as keys, each of log10
    // probability `keyLog10`; its candidates name the list `listId`.
    // Returns the keys tried; stops early when `stop` is set. Entries
    // `skipped` marks are left out (their squares are tried elsewhere).
    std::uint64_t tryEntries(const KeyWordList &list, double keyLog10, std::uint32_t listId, std::size_t begin,
                             std::size_t end, CandidatePool &pool, const std::atomic<bool> &stop,
                             const std::vector<bool> *skipped = nullptr) const;
    // The phrases of a list of `words` words in bands, the likeliest first:
    // a word's share of the books falls about as one over its rank (the
    // commonest first), so a phrase of the words of ranks a and b (from 1)
    // is about as likely as any other of the same product a * b. The
    // phrases are those whose first word is among the list's first
    // `common` (a common word, then any other). Band k holds the phrases
    // whose product lies in [bands[k], bands[k + 1]); each band holds about
    // `perBand` phrases, and the last ends past common * words.
    static std::vector<std::size_t> phraseBands(std::size_t common, std::size_t words, std::size_t perBand);
    // The phrases of two words of a list of `words`.
    static std::vector<std::size_t> phraseBands(std::size_t words, std::size_t perBand)
    {
        return phraseBands(words, words, perBand);
    }
    // Tries the phrases of the phrase word list of `language` whose ranks'
    // product lies in [lowest, beyond), their first word among the first
    // `phraseWords`.
    std::uint64_t tryPhrases(Language language, std::size_t lowest, std::size_t beyond, CandidatePool &pool,
                             const std::atomic<bool> &stop) const;
    // Tries the phrases of `first` followed by each of entries [begin, end)
    // of the built-in list of `language`, each of log10 probability
    // `keyLog10`: a phrase of a common word and a rarer one, from a first
    // word whose square already reads partly right. Its candidates are
    // phrases of list `listId` whose second word is the entry.
    std::uint64_t tryCompletions(std::string_view first, Language language, std::size_t begin, std::size_t end,
                                 double keyLog10, std::uint32_t listId, CandidatePool &pool,
                                 const std::atomic<bool> &stop) const;
    // One search over keys' letters, from a random key or from `from`'s:
    // annealing whose moves change, swap, insert, drop and move key letters.
    std::uint64_t searchKeys(Random &random, const Candidate *from, CandidatePool &pool,
                             const std::atomic<bool> &stop) const;

    // The score of a square whose key has log10 probability `keyLog10`:
    // the log10 probability of its plaintext (of the scored letters) plus
    // keyLog10, less a penalty for crib letters it gets wrong.
    double scoreOf(const Square &square, double keyLog10) const;

    // The letters the search scores: the first letters of long texts, where
    // more only slow it without making the key clearer.
    std::size_t scoredLetters() const { return m_first.size() * 2; }

    // A model as the scoring reads it: its tables by order, its units, and
    // how much a pair of letters lowers a square's need (see scoreAbove).
    struct Model
    {
        std::array<const std::uint8_t *, 5> tables{};
        double unit = 1;
        double lowest = 0;
        double slope = 0;
    };

private:
    // The score of `square`, or at most `floor` once it is sure to end
    // below it. With `learn`, a square read in full raises each language's
    // best; with `cut`, one that does not come within a margin of the best
    // so far scores at most `floor` too.
    double scoreAbove(const Square &square, double keyLog10, double floor, bool learn = false,
                      bool cut = false) const;
    std::uint64_t offer(const Square &square, double keyLog10, Candidate candidate, CandidatePool &pool) const;

    std::vector<Letter> m_cipher; // the scored letters
    std::vector<Letter> m_first;  // the first letter of each scored cipher pair
    std::vector<Letter> m_second; // the second
    // The model of each language scored in: one, or English and Bulgarian.
    std::vector<const LanguageModel *> m_models;
    std::array<Model, 2> m_scored{}; // m_models' tables, in their order
    const std::atomic<int> *m_settled = nullptr;
    const Crib *m_crib;
    const PairCheck *m_pairs = nullptr;
    KeyPriors m_priors;
    // The best score (its key's odds with the read in one model) of any
    // key scored in full so far, for each model, shared by the threads.
    mutable std::array<std::atomic<double>, 2> m_best{};
};

} // namespace playfair::analysis
