#pragma once

#include "analysis/alphabet.h"
#include "analysis/crib.h"
#include "analysis/garbling.h"
#include "analysis/knownpair.h"
#include "analysis/keywords/keywordlist.h"
#include "analysis/language.h"

#include "engine/keyedsquare.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace playfair::analysis {

enum class StopReason {
    Confident, // the answer is beyond doubt: see Confidence
    TimeLimit,
    Cancelled,
};

// "confident", "time-limit" or "cancelled".
std::string_view stopReasonCode(StopReason reason);

// Why the solver trusted its answer.
enum class Confidence {
    None,
    Agreed,  // independent searches from random squares reached the same plaintext
    Settled, // the plaintext reads like the language, and searches from its square, shaken, found nothing better
    KeyWord, // a key word's square whose plaintext reads like the language, far likelier than any other found
};

// A time limit that never comes: a hunt that runs until it is confident or
// asked to stop.
inline constexpr std::chrono::milliseconds noTimeLimit = std::chrono::milliseconds::max();

// From this many letters on, a square is also trusted once its plaintext
// reads well and this many searches started from it, shaken, found nothing
// better: on such texts a wrong square that reads like the language and that
// no search can improve has not been seen (Confidence::Settled). The
// searches of the square without Q trust so too.
inline constexpr std::size_t settledFromLetters = 80;
inline constexpr int shakesInVain = 12;

struct SolverOptions
{
    // The plaintext's language; nothing to have the solver find it (each
    // plaintext is read in both, the searches climb the two languages in
    // turn until a plaintext reads like one, and the answer names the
    // language it reads in).
    std::optional<Language> language;
    std::chrono::milliseconds timeLimit{30000}; // or noTimeLimit
    std::uint64_t seed = 1;
    int threads = 0; // 0: one per core

    // A word known to be in the plaintext, and where (the letter position,
    // from 0), if known. No square that contradicts it is returned.
    std::string crib;
    std::optional<std::size_t> cribPosition;
    // Known pairs, plain = cipher: wherever a cipher pair stands in the
    // text (or reversed), the plaintext holds the plain pair (reversed).
    std::vector<KnownPair> knownPairs;
    // At most this many letters at the end of the ciphertext (an even
    // count) may be padding that a square gives, such as nulls of X and Q
    // (Ciphertext::paddingAllowed): they are set aside when the plaintext
    // reads far better without them.
    std::size_t paddingAllowed = 0;

    // Which squares to try: Any runs the key-word attack and the general
    // search side by side; KeyWord only the first, Random only the second.
    SquareKind squares = SquareKind::Any;
    // A class's own word lists, tried first as key words.
    std::vector<KeyWordList> wordLists;
    // Whether to read the system's word lists (/usr/share/dict) too, in the
    // background: they name rarer key words.
    bool systemWordLists = true;
    // Whether texts of at most PlaintextAttack::mostLetters letters are also
    // attacked by building their plaintext from the commonest words (see
    // analysis/search/plaintextattack.h), on one thread of several or in
    // turn with the search over squares on one.
    bool plaintextAttack = true;

    // Called from the thread that runs solve(), at most every
    // `progressInterval`, while the search runs.
    std::function<void(const struct SolverReport &)> onProgress;
    std::chrono::milliseconds progressInterval{50};
    // For measuring the search: called with every square whose plaintext a
    // search offers the chooser, from the searching threads, one at a time.
    std::function<void(const Square &)> onCandidate;
};

// The best square found so far, or at the end.
struct SolverReport
{
    bool found = false;       // false until a search has finished (and, with a crib, held it)
    Square square{};
    std::string squareText;   // 25 letters, row by row
    std::string plaintext;    // the ciphertext decrypted, up to the padding
    // The letters at the end of the ciphertext read as padding (see
    // SolverOptions::paddingAllowed); the plaintext stops before them.
    std::size_t padding = 0;
    std::string words;        // the plaintext divided into likely words: a reading aid, a guess
    // The chooser's view of the plaintext: its mean log10 probability a
    // letter by the order-5 letter model of its language (see scoreLevels).
    double score = 0;
    // The plaintext's language: the one given, or the one it reads in.
    Language language = Language::English;
    bool languageFound = false; // found by the solver, not given
    // When found: the plaintext's score in the other language, which it
    // reads worse in.
    double otherLanguageScore = 0;
    // The key word the square comes from: a word or phrase of a list, or
    // only the key's letters (keyWordInList false); nothing when it comes
    // from no key word (and always with SquareKind::Random).
    std::optional<std::string> keyWord;
    bool keyWordInList = false;
    SquareRoute keyRoute = SquareRoute::Rows; // how the key word was written into the square
    std::uint64_t keysTested = 0;
    std::uint64_t keyWordsTested = 0; // of them, key words and their phrases and letters
    std::uint64_t plaintextsTested = 0; // prefixes of plaintexts the plaintext attack built
    double elapsedSeconds = 0;
    int restarts = 0;         // searches finished
    int agreeing = 0;         // independent searches that reached this plaintext
    // While the language is to be found: the one every search climbs once a
    // plaintext settled it, nothing before.
    std::optional<Language> settledLanguage;
};

struct SolverResult : SolverReport
{
    StopReason stopped = StopReason::TimeLimit;
    Confidence confidence = Confidence::None;
    // Confident not because searches agreed but because the plaintext reads
    // like the language and searches from its square, shaken, found nothing
    // better (texts of 80 letters or more).
    bool settled = false;
    bool shortText = false;   // under 40 letters: many squares may fit
    // How the answer was chosen: among this many distinct plaintexts the
    // searches met, by the order-5 letter model and the words; the
    // searches' own score ranked it `searchRank` (1 the first).
    int candidates = 0;
    int searchRank = 0;
    double chosenTotal = 0; // the chooser's score of the answer (see Chooser), with its key's odds
    // The pairs of the plaintext that read far worse than the rest, likely
    // garbled in transmission, and where it stops reading, if it does.
    Garbling garbling;
};

// Where the reported score stands: a letter of ordinary text, and a letter
// drawn at random.
struct ScoreLevels
{
    double typical = 0;
    double random = 0;
};
ScoreLevels scoreLevels(Language language);

// A plaintext's score as the solver reports it (SolverReport::score).
double plaintextScore(const std::vector<Letter> &plaintext, Language language);

// Breaks a Playfair ciphertext (letter numbers, an even count, no pair of two
// equal letters: see readCiphertext) without its key. Runs the key-word
// attack and the general search over all squares on every thread; returns
// when the answer is beyond doubt, at the time limit, or within a few
// milliseconds of a stop request. The same seed gives the same result on one
// thread, unless the time limit ends the search (or the system's word lists
// are read while it runs). Throws CribError for a crib that cannot stand in
// the text.
SolverResult solve(const std::vector<Letter> &ciphertext, const SolverOptions &options, std::stop_token stop = {});

// The independent searches that must reach one plaintext before the solver
// trusts it, by the length of the text.
int agreementNeeded(std::size_t letters);

} // namespace playfair::analysis
