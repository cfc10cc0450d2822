#include "analysis/shaped/shapedsolver.h"

#include "analysis/search/searchthreads.h"
#include "analysis/shaped/shapedannealer.h"
#include "analysis/shaped/shapedchoice.h"
#include "analysis/shaped/shapedmodel.h"
#include "analysis/shaped/shapedtempering.h"
#include "analysis/statistics/utf8.h"
#include "engine/keyedsquare.h"
#include "engine/rules.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <unordered_set>
#include <mutex>
#include <stdexcept>
#include <thread>

// The tables made by tools/letterstats --alphabet, embedded at build time.
extern "C" const unsigned char playfair_statistics_latin_q[];
extern "C" const std::size_t playfair_statistics_latin_q_size;
extern "C" const unsigned char playfair_statistics_latin_digits[];
extern "C" const std::size_t playfair_statistics_latin_digits_size;
extern "C" const unsigned char playfair_statistics_cyrillic[];
extern "C" const std::size_t playfair_statistics_cyrillic_size;
extern "C" const unsigned char playfair_words_cyrillic[];
extern "C" const std::size_t playfair_words_cyrillic_size;
extern "C" const unsigned char playfair_words_en[];
extern "C" const std::size_t playfair_words_en_size;

namespace playfair::analysis {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t searchedLetters = 300;
// A key word's plaintext is trusted when no other key word's plaintext
// comes within this many log10 units of it: odds of a thousand to one.
constexpr double keyWordMargin = 3;
// Each letter of a known pair that a plaintext gets wrong costs this much,
// more than the choice's climb lets a swap lose (ShapedChoice), so that no
// climb leaves the pairs.
constexpr double cribPenaltyLog10 = 3 * ShapedChoice::groupMarginLog10;

// Where a pair's letters go on a rows x columns rectangle, by the
// program's own rules (engine/rules.h): `step` +1 to encrypt, -1 to decrypt.
std::pair<int, int> pairImage(int rows, int columns, int a, int b, int step)
{
    const SquareShape shape{rows, columns};
    const auto [first, second] =
        imageOf(SquarePosition::ofCell(a, shape), SquarePosition::ofCell(b, shape), step, shape);
    return {first.cell(shape), second.cell(shape)};
}

// The letter pool of the program's key-square construction
// (engine/keyedsquare.h) on the solver's letter numbers of an alphabet.
class ShapedKeyPool
{
public:
    explicit ShapedKeyPool(const SolverLetters &letters) : m_letters(letters) {}
    void append(char32_t code) { m_pool.push_back(std::uint8_t(m_letters.number(code))); }
    int size() const { return int(m_pool.size()); }
    std::uint8_t at(int position) const { return m_pool[std::size_t(position)]; }
    void removeAt(int position) { m_pool.erase(m_pool.begin() + position); }

private:
    const SolverLetters &m_letters;
    std::vector<std::uint8_t> m_pool;
};

std::string readFile(const char *path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The key words to try in an alphabet, as letter numbers: the class's own,
// the books' words, then the system's list; each distinct key once.
std::vector<std::vector<std::uint8_t>> keyWordsOf(const SolverLetters &letters, const ShapedOptions &options,
                                                  std::vector<std::string> &names)
{
    std::vector<std::vector<std::uint8_t>> keys;
    // Keys that build one square are one key: only the first of their
    // distinct letters count.
    std::unordered_set<std::string> seen;
    const auto add = [&](std::string_view word) {
        std::vector<std::uint8_t> key = letters.numbersOf(word);
        if (key.size() < 3 || key.size() > 40)
            return;
        std::string distinct;
        for (std::uint8_t letter : key) {
            if (distinct.find(char(letter)) == std::string::npos)
                distinct += char(letter);
        }
        if (!seen.insert(std::move(distinct)).second)
            return;
        names.push_back(letters.text(key.data(), key.size()));
        keys.push_back(std::move(key));
    };
    for (const std::string &word : options.keyWords)
        add(word);
    const auto addLines = [&](std::string_view text, bool counted) {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos)
                end = text.size();
            std::string_view line = text.substr(start, end - start);
            if (counted)
                line = line.substr(0, line.find(' '));
            if (line.find('/') != std::string_view::npos)
                line = line.substr(0, line.find('/'));
            add(line);
            start = end + 1;
        }
    };
    if (letters.kind == AlphabetKind::Cyrillic) {
        addLines({reinterpret_cast<const char *>(playfair_words_cyrillic), playfair_words_cyrillic_size}, true);
        if (options.systemWordLists)
            addLines(readFile("/usr/share/dict/bulgarian"), false);
    } else {
        addLines({reinterpret_cast<const char *>(playfair_words_en), playfair_words_en_size}, true);
        if (options.systemWordLists)
            addLines(readFile("/usr/share/dict/american-english"), false);
    }
    return keys;
}

struct KeyLists
{
    std::vector<std::string> names; // in the alphabet's capitals
    std::vector<std::vector<std::uint8_t>> keys;
};

struct Found
{
    int score = 0; // the sum of the four-letter groups' table values
    std::vector<std::uint8_t> square;
    std::vector<std::uint8_t> plain;
    int keyWord = -1; // the key word's index, or -1
    double fine = 0;  // what the plaintexts are ranked by (ShapedChoice)
};

template<int Rows, int Columns>
ShapedResult solveOn(const std::vector<std::uint8_t> &ciphertext, const ShapedOptions &options, std::stop_token stop)
{
    using Annealer = ShapedAnnealer<Rows, Columns>;
    const Clock::time_point start = Clock::now();
    const SolverLetters &letters = SolverLetters::of(options.alphabet);
    const ShapedStatistics &statistics = ShapedStatistics::of(options.alphabet);
    const ShapedPairTable<Rows, Columns> &tables = ShapedPairTable<Rows, Columns>::get();
    // The crib's last place and the first place of each known pair's
    // cipher pair lie inside the searched letters, as on the classic square.
    const SearchedText bound
        = analysis::searchedText(ciphertext, searchedLetters, options.crib, options.cribPosition, options.knownPairs);
    const std::vector<std::uint8_t> &searched = bound.letters;
    const std::size_t count = searched.size();
    const std::optional<Crib> &crib = bound.crib;
    const int penalty = int(std::lround(cribPenaltyLog10 / statistics.unitLog10()));
    const double readsLike = statistics.readsLikeTheLanguage(count);
    const double groups = double(std::max<std::size_t>(count, 4) - 3);
    const auto meanOf = [&](int score) { return statistics.floorLog10() + statistics.unitLog10() * score / groups; };
    const ShapedChoice fine(options.alphabet, count);

    std::mutex mutex;
    std::condition_variable_any changed;
    std::atomic<bool> halt{false};
    std::atomic<std::uint64_t> keys{0};
    std::atomic<std::uint64_t> keyWordsTried{0};
    std::optional<Found> best;
    std::optional<Found> bestKeyWord;
    int runnerUpKeyWord = 0; // the best key word's score with another plaintext
    int restarts = 0;
    int agreeing = 0;
    // Each change of the best counts; the restarts from the best square
    // since it last changed that found nothing better.
    std::uint64_t bestVersion = 0;
    int shakenInVain = 0;
    bool keyWordsDone = options.squares == SquareKind::Random;

    const int threadCount = options.threads > 0 ? options.threads : int(std::max(1u, std::thread::hardware_concurrency()));
    // The key words, shared out between the threads in blocks. The lists of
    // the books and the system are read once, the first time they are
    // wanted, and kept; a class's own words make a list of their own. The
    // first thread to start reads them while this one already reports.
    std::shared_ptr<const KeyLists> lists = std::make_shared<KeyLists>(); // under the mutex
    std::once_flag listsRead;
    std::shared_ptr<const KeyLists> readLists = lists; // set once, in call_once
    const auto readTheLists = [&] {
        if (options.squares == SquareKind::Random)
            return;
        static std::mutex cacheMutex;
        static std::map<std::pair<AlphabetKind, bool>, std::shared_ptr<const KeyLists>> cache;
        if (options.keyWords.empty()) {
            std::lock_guard cacheLock(cacheMutex);
            std::shared_ptr<const KeyLists> &cached = cache[{options.alphabet, options.systemWordLists}];
            if (!cached) {
                auto made = std::make_shared<KeyLists>();
                made->keys = keyWordsOf(letters, options, made->names);
                cached = std::move(made);
            }
            readLists = cached;
        } else {
            auto made = std::make_shared<KeyLists>();
            made->keys = keyWordsOf(letters, options, made->names);
            readLists = std::move(made);
        }
    };
    std::atomic<std::size_t> nextKeyWord{0};
    std::atomic<int> keyWordThreads{threadCount};
    std::vector<Found> keyWordCandidates;

    const ShapedPlan plan = shapedPlan(options.alphabet, count);

    const auto worker = [&](int t) {
        Annealer annealer(statistics.table(), tables, searched,
                          Random(options.seed ^ (0x9E3779B97F4A7C15ull * std::uint64_t(t + 1))).next(),
                          crib ? &*crib : nullptr, penalty);
        typename Annealer::Square square{};
        // Where the plan anneals several squares at once, the searches are
        // tempering's, their outcome left in `annealer` as a restart's.
        std::optional<ShapedTempering<Rows, Columns>> tempering;
        if (plan.replicas > 1 && options.squares != SquareKind::KeyWord)
            tempering.emplace(annealer, plan.replicas, Random(options.seed + std::uint64_t(t) + 1).next());
        std::call_once(listsRead, readTheLists);
        const std::vector<std::vector<std::uint8_t>> &keyWords = readLists->keys;
        {
            std::lock_guard lock(mutex);
            lists = readLists;
            keyWordsDone = keyWordsDone || keyWords.empty();
        }
        if (!keyWords.empty()) {
            std::vector<Found> top;
            for (;;) {
                const std::size_t from = nextKeyWord.fetch_add(256);
                if (from >= keyWords.size() || halt.load())
                    break;
                const std::size_t to = std::min(keyWords.size(), from + 256);
                for (std::size_t k = from; k < to; ++k) {
                    const std::vector<std::uint8_t> keySquare = shapedKeySquare(letters, keyWords[k]);
                    std::copy(keySquare.begin(), keySquare.end(), square.begin());
                    const int score = annealer.scoreOf(square);
                    if (!annealer.holdsCrib())
                        continue;
                    if (top.size() < 2 || score > top.back().score) {
                        const auto same = std::find_if(top.begin(), top.end(),
                                                       [&](const Found &f) { return f.plain == annealer.plaintext(); });
                        if (same != top.end()) {
                            if (score > same->score)
                                *same = Found{score, keySquare, annealer.plaintext(), int(k)};
                        } else {
                            if (top.size() == 2)
                                top.pop_back();
                            top.push_back(Found{score, keySquare, annealer.plaintext(), int(k)});
                        }
                        std::sort(top.begin(), top.end(), [](const Found &a, const Found &b) { return a.score > b.score; });
                    }
                }
                keyWordsTried.fetch_add(to - from, std::memory_order_relaxed);
                keys.fetch_add(to - from, std::memory_order_relaxed);
            }
            std::lock_guard lock(mutex);
            // Each thread's two best plaintexts, merged: the best and the
            // best with another plaintext.
            for (Found &found : top)
                keyWordCandidates.push_back(std::move(found));
            if (keyWordThreads.fetch_sub(1) == 1) {
                std::sort(keyWordCandidates.begin(), keyWordCandidates.end(),
                          [](const Found &a, const Found &b) { return a.score > b.score; });
                if (!keyWordCandidates.empty()) {
                    bestKeyWord = keyWordCandidates.front();
                    bestKeyWord->fine = fine.of(bestKeyWord->plain.data(), bestKeyWord->score);
                    for (const Found &other : keyWordCandidates) {
                        if (other.plain != bestKeyWord->plain) {
                            runnerUpKeyWord = other.score;
                            break;
                        }
                    }
                }
                keyWordsDone = true;
                if (bestKeyWord && (!best || bestKeyWord->fine > best->fine)) {
                    best = bestKeyWord;
                    ++bestVersion;
                    shakenInVain = 0;
                }
            }
            changed.notify_all();
        }
        if (options.squares == SquareKind::KeyWord)
            return;
        while (!halt.load()) {
            std::optional<typename Annealer::Square> from;
            std::uint64_t fromVersion = 0;
            {
                std::lock_guard lock(mutex);
                const auto share = [&](int n) { return n * plan.fromBestPercent / 100; };
                if (best && best->keyWord < 0 && share(restarts + 1) > share(restarts)) {
                    from.emplace();
                    std::copy(best->square.begin(), best->square.end(), from->begin());
                    fromVersion = bestVersion;
                }
            }
            const typename Annealer::Outcome outcome = tempering
                ? tempering->search(plan, from ? &*from : nullptr, halt, keys)
                : annealer.restart(plan, from ? &*from : nullptr, halt, keys);
            if (halt.load())
                break;
            // A square that breaks the known pairs is never taken.
            if (!annealer.holdsCrib()) {
                std::lock_guard lock(mutex);
                ++restarts;
                if (from && fromVersion == bestVersion)
                    ++shakenInVain;
                continue;
            }
            Found found{outcome.score, {outcome.square.begin(), outcome.square.end()}, annealer.plaintext(), -1};
            found.fine = fine.of(found.plain.data(), found.score);
            // Where the choice weighs words, or on Cyrillic (whose searches
            // by tempering agree soon, at times on a square a swap from the
            // key's that the order-5 model reads worse), a plaintext that
            // reads like the language climbs by the choice to where it looks.
            if ((fine.weighsWords() || options.alphabet == AlphabetKind::Cyrillic)
                && fine.readsLike(found.plain.data(), found.score)) {
                typename Annealer::Square climbed = outcome.square;
                double climbedFine = found.fine;
                if (fine.climb(annealer, climbed, climbedFine) && annealer.holdsCrib()) {
                    found.fine = climbedFine;
                    found.square.assign(climbed.begin(), climbed.end());
                    found.plain = annealer.plaintext();
                    found.score = annealer.score();
                }
            }
            std::lock_guard lock(mutex);
            ++restarts;
            const bool shookTheBest = from && fromVersion == bestVersion;
            if (best && best->plain == found.plain) {
                if (!from)
                    ++agreeing;
                else if (shookTheBest)
                    ++shakenInVain;
            } else if (!best || found.fine > best->fine) {
                best = std::move(found);
                agreeing = from ? 0 : 1;
                ++bestVersion;
                shakenInVain = 0;
            } else if (shookTheBest) {
                ++shakenInVain;
            }
            changed.notify_all();
        }
    };

    const auto confidence = [&]() -> Confidence {
        if (!best)
            return Confidence::None;
        // A key word's square is far likelier than any one square of all
        // of the shape, so its plaintext, once it reads and leads every
        // other key word's by the margin, stands even when a search has met
        // a plaintext of more language-like noise meanwhile.
        if (keyWordsDone && bestKeyWord && meanOf(bestKeyWord->score) >= readsLike
            && (bestKeyWord->score - runnerUpKeyWord) * statistics.unitLog10() >= keyWordMargin)
            return Confidence::KeyWord;
        if (best->keyWord < 0 && fine.readsLike(best->plain.data(), best->score) && agreeing >= (count >= 80 ? 2 : 3))
            return Confidence::Agreed;
        // Without Q, as on the classic square, and on Cyrillic: on a longer
        // text a plaintext that reads well and that many searches from its
        // square, shaken, could not better. On Cyrillic at 100 letters the
        // searches from random squares reach the key's plaintext seldom (one
        // in fifty on some texts), so two of them agreeing came many seconds
        // after the first (docs/benchmarks.md).
        if ((options.alphabet == AlphabetKind::LatinQ || options.alphabet == AlphabetKind::Cyrillic)
            && best->keyWord < 0 && count >= settledFromLetters
            && shakenInVain >= shakesInVain && fine.readsWell(best->plain.data(), best->score))
            return Confidence::Settled;
        return Confidence::None;
    };

    ShapedResult result;
    const auto report = [&](ShapedReport &out) {
        out.alphabet = options.alphabet;
        out.rows = Rows;
        out.columns = Columns;
        out.typical = statistics.typicalLog10();
        out.random = statistics.randomLog10();
        out.keysTested = keys.load();
        out.keyWordsTested = keyWordsTried.load();
        out.restarts = restarts;
        out.agreeing = agreeing;
        out.elapsedSeconds = std::chrono::duration<double>(Clock::now() - start).count();
        out.found = best.has_value();
        if (!best)
            return;
        out.square = best->square;
        out.squareText = letters.text(out.square.data(), out.square.size());
        std::vector<std::uint8_t> plain = shapedTransform(letters, out.square, ciphertext, -1);
        out.padding = shapedPaddingByReading(letters, ciphertext.data(), plain.data(), plain.size(),
                                             options.paddingAllowed)
                          .letters;
        plain.resize(plain.size() - out.padding);
        out.plaintext = letters.text(plain.data(), plain.size());
        out.score = statistics.meanLog10(plain.data(), plain.size());
        if (best->keyWord >= 0)
            out.keyWord = lists->names[std::size_t(best->keyWord)];
    };

    std::unique_lock lock(mutex, std::defer_lock);
    const SearchEnd end = runSearchThreads<ShapedReport>(threadCount, worker, SearchSync{changed, halt}, lock, options,
                                                         start, stop, confidence, report);
    result.stopped = end.stopped;
    result.confidence = end.confidence;
    // A key word's square found after the search stopped still counts.
    if (bestKeyWord && (!best || bestKeyWord->fine > best->fine || result.confidence == Confidence::KeyWord))
        best = bestKeyWord;
    report(result);
    return result;
}

} // namespace

ShapedPlan shapedPlan(AlphabetKind kind, std::size_t letters)
{
    const ShapedStatistics &statistics = ShapedStatistics::of(kind);
    const double count = double(letters);
    // The temperature per letter that solves the most classic texts, scaled
    // by the spread between the language's ordinary text and random letters;
    // without Q 1.3 times hotter, which solved 90 % of 100-letter texts
    // against 60 %. On the larger squares 1.3 did no better on ten texts
    // (6 x 6 at 200 letters fell from 9 to 3), 0.7 and 1.8 much worse.
    const double spread = statistics.typicalLog10() - statistics.randomLog10();
    const double perLetter = count <= 60 ? 0.036 : count >= 200 ? 0.024 : count <= 100 ? 0.036 - 0.008 * (count - 60) / 40 : 0.028 - 0.004 * (count - 100) / 100;
    const double hotter = kind == AlphabetKind::LatinQ ? 1.3 : 1.0;
    ShapedPlan plan;
    plan.temperature = hotter * perLetter * count * spread / 3.35 / statistics.unitLog10();
    plan.moves = std::uint32_t(std::min<std::size_t>(3000 * letters, 400000));
    // The restarts from the best square shake it by two letter swaps on
    // Cyrillic: counted apart from the clock on 60 texts of 100 letters (40
    // or 60 searches each), the searches ended on the key 285 times on 22
    // texts against 141 times on 19 with four swaps (eight: 14 times on 5
    // of 20); at 150 letters alike. Latin-q keeps four: two reached fewer
    // of its 80-letter texts.
    //
    // Cyrillic searches by parallel tempering: four squares, each a
    // quarter of a restart's moves, on a ladder up to 1.5 times the
    // temperature, trading every 500 moves; and 8 % of the moves carry a
    // row's or a column's letters as a block. Counted apart from the clock
    // at 100 letters (the same moves a text), these reached 14 of 20 texts
    // against the restarts' 10 on one set and 8 against 8 on another, but
    // reached them in half the searches (docs/benchmarks.md); hotter
    // ladders did worse.
    if (kind == AlphabetKind::Cyrillic) {
        plan.shakeSwaps = 2;
        plan.replicas = 4;
        plan.hottest = 1.5;
        plan.exchangeMoves = 500;
        plan.moves /= std::uint32_t(plan.replicas);
        plan.swapPercent = 75;
        plan.lineSwapPercent = 15;
        plan.blockPercent = 8;
    }
    return plan;
}

const ShapedStatistics &ShapedStatistics::of(AlphabetKind kind)
{
    const auto load = [](AlphabetKind kind, const unsigned char *bytes, std::size_t size) {
        ShapedStatistics statistics;
        const auto header = LetterStatisticsHeader::decoded(bytes, size);
        const int n = SolverLetters::of(kind).size();
        const std::size_t groups = std::size_t(n) * n * n * n;
        if (!header || size != LetterStatisticsHeader::size + groups)
            throw std::logic_error("the built-in letter statistics are damaged");
        statistics.m_header = *header;
        statistics.m_letters = n;
        statistics.m_table.assign(bytes + LetterStatisticsHeader::size, bytes + size);
        // Room for reading a group's value four bytes at a time.
        statistics.m_table.resize(groups + 4, 0);
        return statistics;
    };
    switch (kind) {
    case AlphabetKind::LatinQ: {
        static const ShapedStatistics q = load(kind, playfair_statistics_latin_q, playfair_statistics_latin_q_size);
        return q;
    }
    case AlphabetKind::LatinDigits: {
        static const ShapedStatistics digits =
            load(kind, playfair_statistics_latin_digits, playfair_statistics_latin_digits_size);
        return digits;
    }
    case AlphabetKind::Cyrillic:
    default: {
        static const ShapedStatistics cyrillic =
            load(AlphabetKind::Cyrillic, playfair_statistics_cyrillic, playfair_statistics_cyrillic_size);
        return cyrillic;
    }
    }
}

int ShapedStatistics::sum(const std::uint8_t *letters, std::size_t count) const
{
    // A plain sum: the letters here need no room after them.
    const auto n = std::size_t(m_letters);
    int total = 0;
    for (std::size_t i = 0; i + 4 <= count; ++i)
        total += m_table[((letters[i] * n + letters[i + 1]) * n + letters[i + 2]) * n + letters[i + 3]];
    return total;
}

double ShapedStatistics::meanLog10(const std::uint8_t *letters, std::size_t count) const
{
    if (count < 4)
        return 0;
    return floorLog10() + unitLog10() * double(sum(letters, count)) / double(count - 3);
}

double ShapedStatistics::readsLikeTheLanguage(std::size_t count) const
{
    // Below the typical mean by a share of the spread that shrinks as the
    // text grows: a third of it at 40 letters, a fifth from 150 on.
    const double spread = typicalLog10() - randomLog10();
    const double share = count >= 150 ? 0.2 : count <= 40 ? 0.33 : 0.33 - 0.13 * double(count - 40) / 110;
    return typicalLog10() - share * spread;
}

double ShapedStatistics::letterLog10(const std::uint8_t *four) const
{
    // P(d | a b c) = P(a b c d) / the sum of P(a b c e) over every letter e.
    const auto n = std::size_t(m_letters);
    const std::size_t three = ((four[0] * n + four[1]) * n + four[2]) * n;
    double sum = 0;
    for (std::size_t e = 0; e < n; ++e)
        sum += std::pow(10.0, unitLog10() * m_table[three + e]);
    return unitLog10() * m_table[three + four[3]] - std::log10(sum);
}

PaddingReading shapedPaddingByReading(const SolverLetters &letters, const std::uint8_t *ciphertext,
                                      const std::uint8_t *plaintext, std::size_t count, std::size_t allowed)
{
    const ShapedStatistics &statistics = ShapedStatistics::of(letters.kind);
    const int filler = letters.number(letters.alphabet->filler());
    const int secondFiller = letters.number(letters.alphabet->secondFiller());
    const auto isFiller = [&](Letter letter) { return letter == filler || letter == secondFiller; };
    const auto tailLog10 = [&](std::size_t from) {
        double tail = 0;
        for (std::size_t i = std::max<std::size_t>(from, 3); i < count; ++i)
            tail += statistics.letterLog10(plaintext + i - 3);
        return tail;
    };
    return paddingByReadingWith(ciphertext, count, allowed, std::log10(1.0 / letters.size()), isFiller, tailLog10);
}

std::vector<std::uint8_t> shapedKeySquare(const SolverLetters &letters, const std::vector<std::uint8_t> &key)
{
    std::vector<std::uint8_t> square(std::size_t(letters.size()));
    const auto setCell = [&square](int cell, std::uint8_t letter) { square[std::size_t(cell)] = letter; };
    ShapedKeyPool pool(letters);
    fillKeyPool(pool, *letters.alphabet);
    std::optional<int> scan;
    const int placed = placeKeyLetters(pool, int(key.size()), [&key](int i) { return key[std::size_t(i - 1)]; }, setCell, scan);
    fillRemainingCells(pool, placed, setCell, letters.size());
    return square;
}

std::vector<std::uint8_t> shapedTransform(const SolverLetters &letters, const std::vector<std::uint8_t> &square,
                                          const std::vector<std::uint8_t> &text, int step)
{
    std::vector<int> cellOf(square.size());
    for (std::size_t cell = 0; cell < square.size(); ++cell)
        cellOf[square[cell]] = int(cell);
    std::vector<std::uint8_t> out(text.size() & ~std::size_t(1));
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const int a = cellOf[text[i]], b = cellOf[text[i + 1]];
        if (a == b) {
            out[i] = text[i];
            out[i + 1] = text[i + 1];
            continue;
        }
        const auto [x, y] = pairImage(letters.rows, letters.columns, a, b, step);
        out[i] = square[std::size_t(x)];
        out[i + 1] = square[std::size_t(y)];
    }
    return out;
}

ShapedResult solveShaped(const std::vector<std::uint8_t> &ciphertext, const ShapedOptions &options, std::stop_token stop)
{
    ShapedResult result = options.alphabet == AlphabetKind::LatinDigits ? solveOn<6, 6>(ciphertext, options, stop)
        : options.alphabet == AlphabetKind::Cyrillic                    ? solveOn<5, 6>(ciphertext, options, stop)
                                                                        : solveOn<5, 5>(ciphertext, options, stop);
    // Where the plaintext found stops reading, as on the classic square.
    if (result.found)
        result.garbling = findGarbledPairs(SolverLetters::of(options.alphabet).numbersOf(result.plaintext), options.alphabet);
    return result;
}

} // namespace playfair::analysis
