#include "analysis/fittingkeys.h"

#include "analysis/deduction/paircheck.h"
#include "analysis/keywords/keysquares.h"
#include "analysis/keywords/keywordsearch.h"
#include "analysis/search/candidatepool.h"
#include "analysis/search/random.h"
#include "analysis/statistics/wordstatistics.h"

#include "engine/keyedsquare.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <mutex>
#include <thread>

namespace playfair::analysis {

namespace {

using Clock = std::chrono::steady_clock;

// Where a list stands in the ranking: the program's examples, then a
// class's lists in their order, then the books' words (by how common
// they are), then the system's lists (the shorter first); and for phrases
// a class's, the books' pairs, then two common words.
constexpr int examplesTier = 0;
constexpr int classTier = 1;
constexpr int booksTier = 100;
constexpr int systemTier = 200;
constexpr int lettersTier = 300;

constexpr std::size_t entriesPerTask = 4096;
constexpr std::size_t firstWordsPerTask = 25;

// How a fitting key ranks: the smaller first.
struct Rank
{
    bool phrase = false;
    int tier = 0;
    double commonness = 0; // the higher the better
    std::size_t letters = 0;

    bool operator<(const Rank &other) const
    {
        return std::tuple(phrase, tier, -commonness, letters)
            < std::tuple(other.phrase, other.tier, -other.commonness, other.letters);
    }
};

struct Found
{
    Rank rank;
    FittingKey key;
};

std::size_t lettersIn(std::string_view entry)
{
    return std::size_t(std::count_if(entry.begin(), entry.end(), [](char c) { return c != ' '; }));
}

// log10 of each word's share of the books, for the words a built-in list
// holds (those of at least `letters` letters, the commonest first).
std::vector<double> sharesOf(Language language, std::size_t letters, std::size_t most)
{
    const std::vector<WordStatistics::Word> &words = WordStatistics::of(language).words();
    double total = 0;
    for (const WordStatistics::Word &word : words)
        total += double(word.count);
    std::vector<double> shares;
    for (const WordStatistics::Word &word : words) {
        if (shares.size() == most)
            break;
        if (word.spelling.size() >= letters)
            shares.push_back(std::log10(double(word.count) / total));
    }
    return shares;
}

const std::vector<double> &wordShares(Language language)
{
    static const std::vector<double> english = sharesOf(Language::English, 3, std::size_t(-1));
    static const std::vector<double> bulgarian = sharesOf(Language::Bulgarian, 3, std::size_t(-1));
    return language == Language::English ? english : bulgarian;
}

const std::vector<double> &phraseShares(Language language)
{
    static const std::vector<double> english = sharesOf(Language::English, 2, KeyWordSearch::phraseWords);
    static const std::vector<double> bulgarian = sharesOf(Language::Bulgarian, 2, KeyWordSearch::phraseWords);
    return language == Language::English ? english : bulgarian;
}

struct Task
{
    const KeyWordList *list = nullptr;
    std::size_t begin = 0;
    std::size_t end = 0;
    int tier = 0;
    const std::vector<double> *shares = nullptr; // entries: how common each is; products: of both words
    bool products = false;                       // every entry of [begin, end) with every entry second
};

// Tries keys against what is known; one object for every thread.
class Matching
{
public:
    explicit Matching(const DeductionInput &known)
        : m_check(known.pairs, known.placed)
        , m_keyLetters(known.keyLetters)
    {
    }

    void run(const Task &task, std::vector<Found> &found, const std::stop_token &stop) const
    {
        task.products ? products(task, found, stop) : entries(task, found, stop);
    }

    const PairCheck &check() const { return m_check; }

private:
    bool keyFits(const KeySquareBuilder &builder) const { return m_keyLetters <= 0 || builder.placed <= m_keyLetters; }

    void entries(const Task &task, std::vector<Found> &found, const std::stop_token &stop) const
    {
        for (std::size_t i = task.begin; i < task.end; ++i) {
            if ((i & 255) == 0 && stop.stop_requested())
                return;
            const std::string_view entry = task.list->at(i);
            KeySquareBuilder builder = KeySquareBuilder::start();
            builder.place(entry);
            if (!keyFits(builder))
                continue;
            const Square square = builder.finish();
            if (!m_check.fits(square))
                continue;
            const bool phrase = entry.find(' ') != std::string_view::npos;
            const std::size_t letters = lettersIn(entry);
            const double commonness = task.shares ? (*task.shares)[i]
                : task.tier == systemTier         ? -double(letters)
                                                  : -double(i);
            found.push_back({{phrase, task.tier, commonness, letters},
                             {std::string(entry), phrase ? FittingKey::Source::Phrase : FittingKey::Source::Word, square}});
        }
    }

    void products(const Task &task, std::vector<Found> &found, const std::stop_token &stop) const
    {
        const KeyWordList &words = *task.list;
        for (std::size_t first = task.begin; first < task.end; ++first) {
            if (stop.stop_requested())
                return;
            KeySquareBuilder start = KeySquareBuilder::start();
            start.place(words.at(first));
            // The first word's letters keep their cells: equations of only
            // those letters hold or fail for every second word.
            std::array<int, letterCount> cellOf;
            std::array<int, 25> letterIn;
            cellOf.fill(-1);
            letterIn.fill(-1);
            for (int cell = 0; cell < start.placed; ++cell) {
                cellOf[start.square[std::size_t(cell)]] = cell;
                letterIn[std::size_t(cell)] = start.square[std::size_t(cell)];
            }
            if (!m_check.fitsSoFar(cellOf, letterIn))
                continue;
            for (std::size_t second = 0; second < words.size(); ++second) {
                KeySquareBuilder builder = start;
                builder.place(words.at(second));
                if (builder.placed == start.placed || !keyFits(builder))
                    continue;
                const Square square = builder.finish();
                if (!m_check.fits(square))
                    continue;
                std::string key = std::string(words.at(first)) + " " + std::string(words.at(second));
                const std::size_t letters = lettersIn(key);
                found.push_back({{true, task.tier, (*task.shares)[first] + (*task.shares)[second], letters},
                                 {std::move(key), FittingKey::Source::Phrase, square}});
            }
        }
    }

    PairCheck m_check;
    int m_keyLetters = 0;
};

void addEntries(std::vector<Task> &tasks, const KeyWordList &list, int tier, const std::vector<double> *shares)
{
    for (std::size_t begin = 0; begin < list.size(); begin += entriesPerTask)
        tasks.push_back({&list, begin, std::min(begin + entriesPerTask, list.size()), tier, shares, false});
}

// Runs the tasks on `threads` threads, the calling one among them.
std::vector<Found> runTasks(const Matching &matching, const std::vector<Task> &tasks, int threads,
                            const std::stop_token &stop)
{
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::vector<Found> all;
    const auto work = [&] {
        std::vector<Found> found;
        for (std::size_t t; (t = next.fetch_add(1)) < tasks.size() && !stop.stop_requested();)
            matching.run(tasks[t], found, stop);
        std::lock_guard lock(mutex);
        all.insert(all.end(), found.begin(), found.end());
    };
    {
        std::vector<std::jthread> helpers;
        for (int i = 1; i < threads; ++i)
            helpers.emplace_back(work);
        work();
    }
    return all;
}

// Short keys in no list whose squares satisfy what is known: the key-word
// attack's search over keys' letters, each broken equation a penalty.
std::vector<Found> searchLetters(const DeductionInput &known, const FittingKeyOptions &options, const PairCheck &check,
                                 const std::stop_token &stop)
{
    std::vector<Found> found;
    KeyWordSearch search(known.ciphertext, options.language,
                         KeyPriors::forKind(SquareKind::KeyWord, KeyWordSearch::phraseCount()), nullptr);
    search.setPairCheck(&check);
    std::atomic<bool> halt{false};
    const std::stop_callback onStop(stop, [&halt] { halt.store(true); });
    Random random(options.seed);
    CandidatePool pool(16);
    const Clock::time_point deadline = Clock::now() + options.letterSearch;
    while (Clock::now() < deadline && !halt.load() && found.size() < options.most) {
        pool.clear();
        search.searchKeys(random, nullptr, pool, halt);
        for (const Candidate &candidate : pool.candidates()) {
            if (!check.fits(candidate.square))
                continue;
            const std::string key = shortestKeyFor(squareToText(candidate.square)).value_or(std::string());
            if (known.keyLetters > 0 && int(key.size()) > known.keyLetters)
                continue;
            const double commonness = known.ciphertext.empty() ? -double(key.size()) : candidate.score;
            found.push_back({{false, lettersTier, commonness, key.size()}, {key, FittingKey::Source::Letters, candidate.square}});
        }
    }
    return found;
}

// The best of each square, best first.
std::vector<FittingKey> ranked(const std::vector<Found> &found, std::size_t most)
{
    std::map<Square, Found> bySquare;
    for (const Found &candidate : found) {
        const Square square = squareWithLetterFirst(candidate.key.square, 0);
        const auto at = bySquare.find(square);
        if (at == bySquare.end())
            bySquare.emplace(square, candidate);
        else if (candidate.rank < at->second.rank)
            at->second = candidate;
    }
    std::vector<Found> best;
    for (auto &[square, candidate] : bySquare)
        best.push_back(std::move(candidate));
    std::stable_sort(best.begin(), best.end(), [](const Found &a, const Found &b) { return a.rank < b.rank; });
    std::vector<FittingKey> keys;
    for (std::size_t i = 0; i < best.size() && i < most; ++i)
        keys.push_back(std::move(best[i].key));
    return keys;
}

} // namespace

std::vector<FittingKey> fittingKeys(const DeductionInput &known, const FittingKeyOptions &options, std::stop_token stop)
{
    const Matching matching(known);
    const int threads = std::max(1, options.threads);
    // In the order of the ranking: the words of the examples, a class's
    // lists and the books; the system's words; the phrases. What ranks
    // below enough keys found already is not tried.
    std::vector<Task> words;
    addEntries(words, KeyWordSearch::exampleList(), examplesTier, nullptr);
    for (std::size_t i = 0; i < options.wordLists.size(); ++i)
        addEntries(words, options.wordLists[i], classTier + int(i), nullptr);
    for (Language language : {Language::English, Language::Bulgarian})
        addEntries(words, KeyWordSearch::builtInList(language), booksTier, &wordShares(language));
    std::vector<Found> found = runTasks(matching, words, threads, stop);
    const auto enough = [&] { return ranked(found, options.most).size() >= options.most || stop.stop_requested(); };

    if (options.systemWordLists && !enough()) {
        SystemWordLists::instance().startReading();
        while (!SystemWordLists::instance().ready() && !stop.stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!stop.stop_requested()) {
            std::vector<Task> system;
            for (const KeyWordList &list : SystemWordLists::instance().lists())
                addEntries(system, list, systemTier, nullptr);
            std::vector<Found> more = runTasks(matching, system, threads, stop);
            found.insert(found.end(), more.begin(), more.end());
        }
    }
    if (!enough()) {
        std::vector<Task> phrases;
        for (Language language : {Language::English, Language::Bulgarian})
            addEntries(phrases, KeyWordSearch::pairList(language), booksTier, nullptr);
        for (Language language : {Language::English, Language::Bulgarian}) {
            const KeyWordList &common = KeyWordSearch::phraseList(language);
            for (std::size_t begin = 0; begin < common.size(); begin += firstWordsPerTask)
                phrases.push_back({&common, begin, std::min(begin + firstWordsPerTask, common.size()), systemTier,
                                   &phraseShares(language), true});
        }
        std::vector<Found> more = runTasks(matching, phrases, threads, stop);
        found.insert(found.end(), more.begin(), more.end());
    }
    if (found.empty() && options.letterSearch.count() > 0 && !stop.stop_requested())
        found = searchLetters(known, options, matching.check(), stop);
    return ranked(found, options.most);
}

} // namespace playfair::analysis
