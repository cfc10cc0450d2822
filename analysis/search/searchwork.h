#pragma once

#include "analysis/alphabet.h"
#include "analysis/search/annealer.h"
#include "analysis/search/candidatepool.h"
#include "analysis/search/chooser.h"
#include "analysis/search/plaintextattack.h"
#include "analysis/keywords/keynames.h"
#include "analysis/keywords/keywordsearch.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace playfair::analysis {

struct SolverOptions;

// A candidate with the chooser's verdict on it.
struct Judged
{
    Candidate candidate;
    Chooser::Verdict verdict;
    std::uint64_t hash = 0; // of the chooser's plaintext

    bool fromKeyWord() const { return candidate.origin != KeyOrigin::Square; }
};

// What the solver's threads share: the distinct plaintexts they found, with
// the chooser's verdicts, and the evidence for trusting the best. Every field
// is guarded by `mutex`, but for the counters and the halt flag, which the
// searches touch without locking.
struct Shared
{
    std::mutex mutex;
    std::condition_variable_any changed;
    std::atomic<bool> halt{false};
    std::atomic<std::uint64_t> keys{0};
    std::atomic<std::uint64_t> keyWords{0};
    std::atomic<std::uint64_t> plaintexts{0}; // prefixes the plaintext attack built
    std::atomic<double> bestTotal{-1e300}; // the chooser's total of the best, for judging off the lock

    // At most this many plaintexts are kept, the chooser's best.
    static constexpr std::size_t mostJudged = 512;
    std::vector<Judged> judged;
    int bestAt = -1;
    std::uint64_t version = 0; // counts changes of the best

    int restarts = 0;          // searches finished, of either kind
    int agreeing = 0;          // searches from random squares that ended on the best plaintext
    int shakenInVain = 0;      // searches from the best square since it last changed that found nothing better
    int keySearchAgreeing = 0; // searches over keys that ended on it from elsewhere (a random key, another key word)
    int wordTasksLeft = 0;     // parts of the lists of single words not yet tried through
    int tasksLeft = 0;         // parts of all the lists and phrases not yet tried through (the system's lists aside)
    int pairTasksLeft = 0;     // parts of the single words and of the books' pairs of words not yet tried through
    bool systemListsPending = false; // the system's lists are to be tried once read
    // While the language is to be found: the language a plaintext found
    // reads like, once one does (-1 before), which every search then climbs
    // alone.
    std::atomic<int> settledLanguage{-1};
    int systemTasksLeft = 0;   // parts of them not yet tried through

    // Whether every list has been tried through, the system's too.
    bool allListsTried() const { return tasksLeft == 0 && !systemListsPending && systemTasksLeft == 0; }

    const Judged *best() const { return bestAt >= 0 ? &judged[std::size_t(bestAt)] : nullptr; }
    // The best that reads in `language`.
    const Judged *bestIn(Language language) const;
    // The chooser's total of the best other plaintext.
    double runnerUp() const;
    // The best's rank by its own search's score among the plaintexts of that search.
    int searchRankOfBest() const;

    // Takes a judged candidate; returns whether the best changed.
    bool admit(const Judged &candidate);
};

// The solver's work on its threads: first the key-word attack's lists, in
// parts that the threads take in turn, then searches over all squares and
// over keys' letters, in a share of the time that depends on the length of
// the text.
class SearchWork
{
public:
    // `threads`: how many threads run(): the plaintext attack takes the
    // first of several, or half of one's time.
    SearchWork(const std::vector<Letter> &searched, const SolverOptions &options, const Crib *crib,
               const Chooser &chooser, int threads = 1);

    Shared &shared() { return m_shared; }
    const KeyPriors &priors() const { return m_keyWords.priors(); }
    // One thread's work, until the halt flag is set.
    void run(std::uint64_t seed);

    // The key word of a candidate, as far as the search knows it; cheap.
    std::optional<KeyName> keyOf(const Candidate &candidate) const;
    // Whether a candidate comes from the likeliest lists: the program's own
    // example keys and a class's lists.
    bool fromFavouredList(const Candidate &candidate) const;
    // The key word of a square by every list (see KeyNamer), reading the
    // system's lists if need be.
    // `used`: the letters of the ciphertext and its plaintext (see KeyNamer).
    std::optional<KeyName> nameKey(const Square &square, std::uint32_t used) const;

    // Whether the key-word search tries the system's word lists on a text
    // of so many letters (if not, they only name the key found).
    static bool searchesSystemLists(std::size_t letters);

private:
    struct Task
    {
        enum class Kind { Entries, Phrases, Completions } kind = Kind::Entries;
        // Entries: index into m_lists; Phrases: 0 English, 1 Bulgarian;
        // Completions: index into m_firstWords.
        std::uint32_t list = 0;
        std::size_t begin = 0;
        std::size_t end = 0;
        bool word = false;    // one of Shared::wordTasksLeft
        bool counted = false; // one of Shared::tasksLeft
        bool system = false;  // one of Shared::systemTasksLeft
        bool pairs = false;   // one of Shared::pairTasksLeft
        // The language of a list of phrases or rarer words: skipped once
        // the text's language is known to be the other (-1: never skipped).
        int language = -1;
    };
    struct List
    {
        const KeyWordList *words = nullptr;
        double keyLog10 = 0;
        const std::vector<bool> *skipped = nullptr; // entries whose squares are tried elsewhere
    };

    void addList(const KeyWordList &words, double keyLog10, const std::vector<bool> *skipped = nullptr);
    void queueSystemLists();
    bool takeTask(Task &task);
    // Queues phrases of the first words of the best key words found so
    // far with every word of the built-in lists; with the mutex held.
    void queueCompletions();
    // Counts a task tried through, or skipped; with the mutex held.
    void taskDone(const Task &task);
    // The language whose phrases and rarer words are not worth trying, the
    // text's being the other, as an int; -1 while it is not known.
    int skippedLanguage() const;
    void runTask(const Task &task, CandidatePool &pool);
    // `climbed`: the language the search climbs while that is to be found.
    void generalRestart(Annealer &annealer, const SearchPlan &plan, CandidatePool &pool,
                        std::optional<Language> climbed, Square &best, bool &haveBest, std::uint64_t &bestVersion);
    void keyRestart(Random &random, CandidatePool &pool, int restart);
    // Runs a step of the plaintext attack (made on first use); false when it has no more to do.
    bool plaintextStep(std::unique_ptr<PlaintextAttack> &attack, CandidatePool &pool);
    // Judges a pool's candidates and admits them. Returns the hash of the
    // plaintext of its best candidate by the search's score, and whether
    // the best changed.
    std::pair<std::uint64_t, bool> admit(const CandidatePool &pool);
    // Settles the language when the best plaintext reads like it and is to
    // be trusted so far: a key word's, one on a long text, or one that
    // independent searches reached. With the mutex held.
    void settleLanguage();
    Judged judge(const Candidate &candidate) const;

    const std::vector<Letter> &m_searched;
    const SolverOptions &m_options;
    const Crib *m_crib;
    const Chooser &m_chooser;
    GroupScore m_generalScore;
    GroupScore m_finishScore; // the chooser's letter model, that every general search ends with
    // While the language is to be found: the second language's, beside
    // the first's (see Annealer::setSecondLanguage).
    std::optional<GroupScore> m_secondScore;
    std::optional<GroupScore> m_secondFinish;
    KeyWordSearch m_keyWords;
    double m_keyShare = 0;  // of each thread's time, for the search over keys' letters
    double m_keyBudget = 0; // the most seconds of each thread it takes
    double m_keyListShare = 0.5; // of the time it shares with the rarer lists
    // The plaintext attack's share of the time of the thread that runs it
    // (the first): 0 when it does not run.
    double m_plaintextShare = 0;
    // ... from this long after the search began: a key word's square is
    // mostly found by then, and the searches for it keep every thread.
    std::chrono::steady_clock::duration m_plaintextDelay{};
    std::chrono::steady_clock::time_point m_began = std::chrono::steady_clock::now();

    Shared m_shared;
    std::atomic<int> m_threadsStarted{0};
    // Guarded by m_shared.mutex: the lists and the tasks.
    std::vector<List> m_lists; // reserved at the start: never moved
    std::vector<Task> m_tasks;
    std::size_t m_nextTask = 0;
    // Where the phrases of common words begin and the lists counted end:
    // the phrases from the best first words found are queued there.
    std::size_t m_phrasesBegin = 0;
    std::size_t m_countedEnd = 0;
    int m_completionRounds = 0;
    // The language found, once a plaintext that reads very well settled it
    // (-1 before): the other's rarer lists are skipped from then on.
    int m_languageKnown = -1;
    std::deque<std::string> m_firstWords; // never moved: candidates name them
    bool m_systemQueued = true;
    double m_systemShare = 0;
    std::size_t m_favouredLists = 0; // the first lists of m_lists: examples, a class's
};

} // namespace playfair::analysis
