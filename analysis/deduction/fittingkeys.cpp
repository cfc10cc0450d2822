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
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>
#include <thread>

namespace playfair::analysis {

namespace {

using Clock = std::chrono::steady_clock;

// Where a key stands in the ranking. The program's examples and a class's
// lists come first, in their order, each list's words before its phrases;
// then the words and phrases of the books and the system's lists by how
// likely a key each is: a word as often as it occurs in the books (one of
// the system's lists as often as a word the books hold once), a phrase as
// often as its first word and the second after it (by the books' model of
// a word after the one before), a key three times as often a word as a
// phrase and four times as often in the language asked for as in the
// other; at equal odds the shorter first, a word before a phrase. Last the
// letters of keys in no list.
constexpr int examplesTier = 0;
constexpr int classTier = 1;
constexpr int booksTier = 100;
constexpr int systemTier = 200;
constexpr int lettersTier = 300;

const double wordKeyLog10 = std::log10(0.75);
const double phraseKeyLog10 = std::log10(0.25);
const double otherLanguageLog10 = std::log10(0.25);

constexpr std::size_t entriesPerTask = 4096;
constexpr std::size_t firstWordsPerTask = 25;

// How a fitting key ranks: the smaller first.
struct Rank
{
    bool phrase = false;
    int tier = 0;
    double log10Odds = 0; // within a list of its own: its place, negated
    std::size_t letters = 0;

    bool operator<(const Rank &other) const { return key() < other.key(); }

private:
    std::tuple<int, int, bool, double, bool, std::size_t> key() const
    {
        const bool own = tier < booksTier;
        return {own ? 0 : tier < lettersTier ? 1 : 2, own ? tier : 0, own && phrase, -log10Odds, phrase, letters};
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
// holds (those of at least `letters` letters, in its order).
std::vector<double> sharesOf(Language language, std::size_t letters)
{
    const std::vector<WordStatistics::Word> &words = WordStatistics::of(language).words();
    double total = 0;
    for (const WordStatistics::Word &word : words)
        total += double(word.count);
    std::vector<double> shares;
    for (const WordStatistics::Word &word : words) {
        if (word.spelling.size() >= letters)
            shares.push_back(std::log10(double(word.count) / total));
    }
    return shares;
}

const std::vector<double> &wordShares(Language language)
{
    static const std::vector<double> english = sharesOf(Language::English, 3);
    static const std::vector<double> bulgarian = sharesOf(Language::Bulgarian, 3);
    return language == Language::English ? english : bulgarian;
}

// A word of the system's lists is rarer than any the books hold twice.
double rareWordLog10()
{
    static const double rare = [] {
        double lowest = 0;
        for (Language language : {Language::English, Language::Bulgarian}) {
            for (double share : wordShares(language))
                lowest = std::min(lowest, share);
        }
        return lowest - std::log10(2.0);
    }();
    return rare;
}

// log10 of a phrase's share in a language's books (see above).
double phraseLog10(std::string_view phrase, Language language)
{
    const std::size_t space = phrase.find(' ');
    const std::optional<double> share = WordStatistics::of(language).log10OfPhrase(
        phrase.substr(0, space), space == std::string_view::npos ? std::string_view() : phrase.substr(space + 1));
    return share.value_or(2 * rareWordLog10());
}

// The odds of the likeliest key the system's lists, and the phrases, could
// still give.
double likeliestSystemWord()
{
    return wordKeyLog10 + rareWordLog10();
}

// log10 of each word's share of the books, for the words of the phrase
// lists (the commonest of two letters or more, in their order).
const std::vector<double> &phraseShares(Language language)
{
    const auto make = [](Language of) {
        std::vector<double> shares;
        const KeyWordList &words = KeyWordSearch::phraseList(of);
        for (std::size_t i = 0; i < words.size(); ++i)
            shares.push_back(WordStatistics::of(of).log10Of(words.at(i)).value_or(rareWordLog10()));
        return shares;
    };
    static const std::vector<double> english = make(Language::English);
    static const std::vector<double> bulgarian = make(Language::Bulgarian);
    return language == Language::English ? english : bulgarian;
}

double likeliestPhrase()
{
    double commonest = -1e9;
    for (Language language : {Language::English, Language::Bulgarian}) {
        for (double share : wordShares(language))
            commonest = std::max(commonest, share);
    }
    return phraseKeyLog10 + commonest;
}

struct Task
{
    const KeyWordList *list = nullptr;
    std::size_t begin = 0;
    std::size_t end = 0;
    int tier = 0;
    const std::vector<double> *shares = nullptr; // entries: how common each word is
    bool products = false;                       // every entry of [begin, end) with every entry second
    Language language = Language::English;       // of the list's words
    // Products: the odds a phrase must beat to matter (enough keys found
    // rank above the rest).
    double floor = -1e300;
};

// Tries keys against what is known; one object for every thread.
class Matching
{
public:
    Matching(const DeductionInput &known, const FittingKeyOptions &options)
        : m_check(known.pairs, known.placed)
        , m_keyLetters(known.keyLetters)
        , m_language(options.language)
        , m_alphabet(*DeductionAlphabet::of(options.alphabet))
    {
    }

    void run(const Task &task, std::vector<Found> &found, const std::stop_token &stop) const
    {
        task.products ? products(task, found, stop) : entries(task, found, stop);
    }

    const PairCheck &check() const { return m_check; }

private:
    bool keyFits(const KeySquareBuilder &builder) const { return m_keyLetters <= 0 || builder.placed <= m_keyLetters; }

    // Places a list's entry, read in the square's alphabet.
    void place(KeySquareBuilder &builder, std::string_view entry) const
    {
        if (m_alphabet.kind() == AlphabetKind::LatinIJ)
            builder.place(entry);
        else
            builder.place(m_alphabet.numbered(entry));
    }

    void entries(const Task &task, std::vector<Found> &found, const std::stop_token &stop) const
    {
        for (std::size_t i = task.begin; i < task.end; ++i) {
            if ((i & 255) == 0 && stop.stop_requested())
                return;
            const std::string_view entry = task.list->at(i);
            KeySquareBuilder builder = KeySquareBuilder::start();
            place(builder, entry);
            if (!keyFits(builder))
                continue;
            const Square square = builder.finish();
            if (!m_check.fits(square))
                continue;
            const bool phrase = entry.find(' ') != std::string_view::npos;
            const std::size_t letters = lettersIn(entry);
            double odds = -double(i);
            if (task.tier == booksTier || task.tier == systemTier) {
                odds = languageLog10(task.language)
                    + (task.shares ? wordKeyLog10 + (*task.shares)[i]
                           : phrase ? phraseKeyLog10 + phraseLog10(entry, task.language)
                                    : wordKeyLog10 + rareWordLog10());
            }
            found.push_back({{phrase, task.tier, odds, letters},
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
            place(start, words.at(first));
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
            // Two words that never follow each other in the books are as
            // likely as the two alone (see phraseLog10), and the pairs that
            // do are the pair lists' own: past the second words common
            // enough to beat the floor, the rest (rarer still) cannot.
            const double firstOdds = languageLog10(task.language) + phraseKeyLog10 + (*task.shares)[first];
            for (std::size_t second = 0; second < words.size(); ++second) {
                if (firstOdds + (*task.shares)[second] <= task.floor)
                    break;
                KeySquareBuilder builder = start;
                place(builder, words.at(second));
                if (builder.placed == start.placed || !keyFits(builder))
                    continue;
                const Square square = builder.finish();
                if (!m_check.fits(square))
                    continue;
                std::string key = std::string(words.at(first)) + " " + std::string(words.at(second));
                const std::size_t letters = lettersIn(key);
                const double odds = languageLog10(task.language) + phraseKeyLog10 + phraseLog10(key, task.language);
                found.push_back({{true, task.tier, odds, letters},
                                 {std::move(key), FittingKey::Source::Phrase, square}});
            }
        }
    }

    double languageLog10(Language language) const { return language == m_language ? 0 : otherLanguageLog10; }

    PairCheck m_check;
    int m_keyLetters = 0;
    Language m_language;
    const DeductionAlphabet &m_alphabet;
};

void addEntries(std::vector<Task> &tasks, const KeyWordList &list, int tier, const std::vector<double> *shares,
                Language language = Language::English)
{
    for (std::size_t begin = 0; begin < list.size(); begin += entriesPerTask)
        tasks.push_back({&list, begin, std::min(begin + entriesPerTask, list.size()), tier, shares, false, language});
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
    // The language's statistics are the classic square's: on another the
    // keys are found by the known pairs alone.
    const std::vector<Letter> scored =
        options.alphabet == AlphabetKind::LatinIJ ? known.ciphertext : std::vector<Letter>();
    KeyWordSearch search(scored, options.language,
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
            const double odds = scored.empty() ? -double(key.size()) : candidate.score;
            found.push_back({{false, lettersTier, odds, key.size()}, {key, FittingKey::Source::Letters, candidate.square}});
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

// Spelling a key read off a square: the lists its words come from, each
// with the languages it counts in (a class's own and the examples in both).
struct SpellingList
{
    const KeyWordList *list = nullptr;
    unsigned languages = 3; // bit 0 English, bit 1 Bulgarian
    bool own = false;
};

unsigned languageBit(Language language)
{
    return language == Language::English ? 1u : 2u;
}

std::vector<SpellingList> spellingLists(const FittingKeyOptions &options, bool system)
{
    std::vector<SpellingList> lists{{&KeyWordSearch::exampleList(), 3, true}};
    for (const KeyWordList &list : options.wordLists)
        lists.push_back({&list, 3, true});
    for (Language language : {Language::English, Language::Bulgarian}) {
        lists.push_back({&KeyWordSearch::builtInList(language), languageBit(language), false});
        lists.push_back({&KeyWordSearch::phraseList(language), languageBit(language), false});
    }
    if (system) {
        for (const KeyWordList &list : SystemWordLists::instance().lists()) {
            const bool bulgarian = list.name().find("bulgarian") != std::string::npos;
            lists.push_back({&list, languageBit(bulgarian ? Language::Bulgarian : Language::English), false});
        }
    }
    return lists;
}

// Where a word, written after the key's first `cell` letters (bit l of
// `used` set for each letter l among them), leaves the key: the cell after
// its new letters, or nothing when one of them is not the square's next
// letter or it brings none.
std::optional<int> spelledTo(const Square &square, int cell, std::uint32_t used, std::string_view word,
                             const DeductionAlphabet &alphabet)
{
    const int start = cell;
    for (char c : word) {
        const int letter = alphabet.number(c);
        if (letter < 0 || (used >> letter & 1))
            continue;
        if (cell >= 25 || square[std::size_t(cell)] != letter)
            return std::nullopt;
        used |= 1u << letter;
        ++cell;
    }
    if (cell == start)
        return std::nullopt;
    return cell;
}

struct SpeltWord
{
    std::string text;
    int to = 0;
    unsigned languages = 0;
    bool own = false;
};

// The words of the lists that go on from the key's first `cell` letters.
std::vector<SpeltWord> wordsFrom(const Square &square, int cell, const std::vector<SpellingList> &lists,
                                 const DeductionAlphabet &alphabet, const std::stop_token &stop)
{
    std::uint32_t used = 0;
    for (int c = 0; c < cell; ++c)
        used |= 1u << square[std::size_t(c)];
    std::map<std::string, SpeltWord, std::less<>> found;
    for (const SpellingList &source : lists) {
        for (std::size_t i = 0; i < source.list->size(); ++i) {
            if ((i & 4095) == 0 && stop.stop_requested())
                return {};
            const std::string_view word = source.list->at(i);
            const std::optional<int> to = spelledTo(square, cell, used, word, alphabet);
            if (!to)
                continue;
            auto at = found.find(word);
            if (at == found.end())
                at = found.emplace(std::string(word), SpeltWord{std::string(word), *to, 0, false}).first;
            at->second.languages |= source.languages;
            at->second.own = at->second.own || source.own;
        }
    }
    std::vector<SpeltWord> words;
    for (auto &[text, word] : found)
        words.push_back(std::move(word));
    return words;
}

// log10 of how likely a key the words are in a language: a word as its
// share of the books, a phrase as its first word and each after the one
// before (see phraseLog10), each further word a quarter as likely.
double spellingLog10(const std::vector<const SpeltWord *> &words, Language language)
{
    const WordStatistics &statistics = WordStatistics::of(language);
    const auto share = [&](const std::string &word) { return statistics.log10Of(word).value_or(rareWordLog10()); };
    double odds = words.size() == 1 ? wordKeyLog10 : phraseKeyLog10 * double(words.size() - 1);
    odds += share(words.front()->text);
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::optional<double> before = statistics.log10Of(words[i - 1]->text);
        const std::optional<double> both = statistics.log10OfPhrase(words[i - 1]->text, words[i]->text);
        odds += before && both ? *both - *before : share(words[i]->text);
    }
    return odds;
}

struct Spelling
{
    std::tuple<bool, double, std::size_t> rank; // not all a class's own, odds negated, words
    std::string text;
};

// The spellings of a key square's key, best first, each once.
std::vector<Spelling> spellingsWith(const Square &square, int keyLetters, const FittingKeyOptions &options,
                                    const std::vector<SpellingList> &lists, const std::stop_token &stop)
{
    // The words that go on from each cell a spelling reaches, found once.
    std::map<int, std::vector<SpeltWord>> from;
    const auto wordsAt = [&](int cell) -> const std::vector<SpeltWord> & {
        auto at = from.find(cell);
        if (at == from.end())
            at = from.emplace(cell, wordsFrom(square, cell, lists, *DeductionAlphabet::of(options.alphabet), stop)).first;
        return at->second;
    };
    std::vector<Spelling> spellings;
    std::vector<const SpeltWord *> path;
    const auto complete = [&] {
        unsigned languages = 3;
        bool own = true;
        std::string text;
        for (const SpeltWord *word : path) {
            languages &= word->languages;
            own = own && word->own;
            text += (text.empty() ? "" : " ") + word->text;
        }
        if (languages == 0)
            return;
        double odds = -1e300;
        for (Language language : {Language::English, Language::Bulgarian}) {
            if (languages & languageBit(language)) {
                odds = std::max(odds, spellingLog10(path, language)
                                          + (language == options.language ? 0 : otherLanguageLog10));
            }
        }
        spellings.push_back({{!own, -odds, path.size()}, std::move(text)});
    };
    constexpr std::size_t mostWords = 3;
    const std::function<void(int)> extend = [&](int cell) {
        if (stop.stop_requested())
            return;
        for (const SpeltWord &word : wordsAt(cell)) {
            // PLAY PLAYFAIR, PLAYFAIR PLAYFAIR EXAMPLE: the first says nothing.
            if (!path.empty() && word.text.starts_with(path.back()->text))
                continue;
            path.push_back(&word);
            if (word.to >= keyLetters)
                complete();
            else if (path.size() < mostWords)
                extend(word.to);
            path.pop_back();
        }
    };
    extend(0);
    std::stable_sort(spellings.begin(), spellings.end(),
                     [](const Spelling &a, const Spelling &b) { return a.rank < b.rank; });
    std::vector<Spelling> best;
    for (Spelling &spelling : spellings) {
        if (best.size() >= std::max<std::size_t>(options.most, 1))
            break;
        if (std::none_of(best.begin(), best.end(), [&](const Spelling &b) { return b.text == spelling.text; }))
            best.push_back(std::move(spelling));
    }
    return best;
}

// The same, from the system's lists too when the rest spell nothing.
std::vector<Spelling> spellingsWithAll(const Square &keySquare, std::size_t keyLetters, const FittingKeyOptions &options,
                                       const std::stop_token &stop)
{
    const bool systemRead = options.systemWordLists && SystemWordLists::instance().ready();
    std::vector<Spelling> words =
        spellingsWith(keySquare, int(keyLetters), options, spellingLists(options, systemRead), stop);
    if (words.empty() && options.systemWordLists && !systemRead) {
        SystemWordLists::instance().startReading();
        while (!SystemWordLists::instance().ready() && !stop.stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!stop.stop_requested())
            words = spellingsWith(keySquare, int(keyLetters), options, spellingLists(options, true), stop);
    }
    return words;
}

// More key squares than this left by the deduction are not spelt one by
// one: the lists' keys are tried instead.
constexpr std::size_t mostSquaresSpelt = 40;
// The likely key squares of a partial square with fewer letters known are
// too many to spell, and tell little; of more, the first few are spelt.
constexpr long leastKnownForLikelySquares = 10;
constexpr std::size_t mostLikelySquaresSpelt = 12;

std::function<bool(std::string_view)> fitsPairs(const PairCheck &check)
{
    return [&check](std::string_view text) {
        Square square;
        return squareFromText(text, square) && check.fits(square);
    };
}

// The keys of the key squares left, each spelt by the lists' words where
// they can: the spelt first, by their odds, then the rest by their letters,
// the shortest first.
std::vector<FittingKey> keysOfSquares(const std::vector<SquareKey> &squares, const DeductionInput &known,
                                      const FittingKeyOptions &options, const std::stop_token &stop)
{
    using KeyRank = std::tuple<bool, std::tuple<bool, double, std::size_t>, std::size_t>;
    std::vector<std::pair<KeyRank, FittingKey>> keys;
    for (const SquareKey &square : squares) {
        if (square.letters.empty() || (known.keyLetters > 0 && int(square.letters.size()) > known.keyLetters))
            continue;
        FittingKey key{square.letters, FittingKey::Source::Letters, {}};
        squareFromText(square.square, key.square);
        keys.push_back({{true, {true, 0.0, 0}, square.letters.size()}, std::move(key)});
    }
    // The built-in lists first; the system's, when they spell none.
    FittingKeyOptions one = options;
    one.most = 1;
    bool spelt = false;
    for (bool system : {false, true}) {
        if (spelt || (system && !options.systemWordLists))
            break;
        if (system) {
            SystemWordLists::instance().startReading();
            while (!SystemWordLists::instance().ready() && !stop.stop_requested())
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        const std::vector<SpellingList> lists = spellingLists(options, system && !stop.stop_requested());
        for (auto &[rank, key] : keys) {
            const std::vector<Spelling> words =
                spellingsWith(key.square, int(std::get<2>(rank)), one, lists, stop);
            if (words.empty())
                continue;
            spelt = true;
            key.key = words.front().text;
            key.source = key.key.find(' ') == std::string::npos ? FittingKey::Source::Word : FittingKey::Source::Phrase;
            std::get<0>(rank) = false;
            std::get<1>(rank) = words.front().rank;
        }
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<FittingKey> best;
    for (std::size_t i = 0; i < keys.size() && i < options.most; ++i)
        best.push_back(std::move(keys[i].second));
    return best;
}

} // namespace

std::vector<std::string> spellingsOf(const Square &keySquare, std::size_t keyLetters, const FittingKeyOptions &options,
                                     std::stop_token stop)
{
    std::vector<std::string> words;
    for (Spelling &spelling : spellingsWithAll(keySquare, keyLetters, options, stop))
        words.push_back(std::move(spelling.text));
    return words;
}

std::optional<KeyReadOff> keyReadOff(const DeductionInput &known, const DeductionResult &result,
                                     const FittingKeyOptions &options, std::stop_token stop)
{
    if (result.consistency != Consistency::Consistent)
        return std::nullopt;
    const PairCheck check(known.pairs, known.placed);
    const std::optional<SquareKey> key = keyOfSquare(partialSquare(result), fitsPairs(check),
                                                     known.keyLetters > 0 ? known.keyLetters : longestReadKey);
    if (!key)
        return std::nullopt;
    KeyReadOff read;
    read.letters = key->letters;
    squareFromText(key->square, read.square);
    read.words = spellingsOf(read.square, read.letters.size(), options, stop);
    return read;
}

std::vector<FittingKey> fittingKeys(const DeductionInput &known, const FittingKeyOptions &options, std::stop_token stop)
{
    const Matching matching(known, options);
    const int threads = std::max(1, options.threads);
    // Where the deduction's square leaves few key squares, every key that
    // fits builds one of them: each is spelt by the lists' words where they
    // can (a square it determines has one key). Where it leaves more, those
    // with few unknown cells in their keys are spelt as candidates beside the
    // lists' keys: a phrase in no list is found when its words are.
    std::vector<Found> found;
    if (!known.pairs.empty() || !known.placed.empty()) {
        const DeductionResult result = deduce(known);
        if (result.consistency == Consistency::Consistent) {
            const std::string partial = partialSquare(result);
            const int longest = known.keyLetters > 0 ? known.keyLetters : longestReadKey;
            const std::optional<std::vector<SquareKey>> squares =
                keySquaresOf(partial, fitsPairs(matching.check()), mostSquaresSpelt, longest);
            if (squares)
                return keysOfSquares(*squares, known, options, stop);
            const bool enoughKnown = std::count_if(partial.begin(), partial.end(), [](char c) { return c != '.'; })
                >= leastKnownForLikelySquares;
            const std::vector<SquareKey> likely = enoughKnown
                ? likelyKeySquares(partial, fitsPairs(matching.check()), mostLikelySquaresSpelt, longest)
                : std::vector<SquareKey>();
            for (const SquareKey &square : likely) {
                if (square.letters.empty())
                    continue;
                FittingKey key{{}, FittingKey::Source::Word, {}};
                squareFromText(square.square, key.square);
                FittingKeyOptions one = options;
                one.most = 1;
                const std::vector<Spelling> spelt = spellingsWith(key.square, int(square.letters.size()), one,
                                                                  spellingLists(options, false), stop);
                if (spelt.empty())
                    continue;
                const auto &[notOwn, odds, words] = spelt.front().rank;
                key.key = spelt.front().text;
                const bool phrase = key.key.find(' ') != std::string::npos;
                key.source = phrase ? FittingKey::Source::Phrase : FittingKey::Source::Word;
                found.push_back({{phrase, notOwn ? booksTier : examplesTier, -odds, lettersIn(key.key)}, std::move(key)});
            }
        }
    }
    // In the order of the ranking: the words of the examples, a class's
    // lists and the books; the system's words; the phrases. What ranks
    // below enough keys found already is not tried.
    std::vector<Task> words;
    addEntries(words, KeyWordSearch::exampleList(), examplesTier, nullptr);
    for (std::size_t i = 0; i < options.wordLists.size(); ++i)
        addEntries(words, options.wordLists[i], classTier + int(i), nullptr);
    for (Language language : {Language::English, Language::Bulgarian})
        addEntries(words, KeyWordSearch::builtInList(language), booksTier, &wordShares(language), language);
    std::vector<Found> listed = runTasks(matching, words, threads, stop);
    found.insert(found.end(), listed.begin(), listed.end());
    // Whether `most` keys found rank above any the rest could give.
    const auto enough = [&](double likeliest) {
        std::vector<Found> above;
        for (const Found &candidate : found) {
            if (candidate.rank.tier < booksTier || candidate.rank.log10Odds > likeliest)
                above.push_back(candidate);
        }
        return ranked(above, options.most).size() >= options.most || stop.stop_requested();
    };

    if (options.systemWordLists && !enough(likeliestSystemWord())) {
        SystemWordLists::instance().startReading();
        while (!SystemWordLists::instance().ready() && !stop.stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!stop.stop_requested()) {
            std::vector<Task> system;
            for (const KeyWordList &list : SystemWordLists::instance().lists()) {
                const bool bulgarian = list.name().find("bulgarian") != std::string::npos;
                addEntries(system, list, systemTier, nullptr, bulgarian ? Language::Bulgarian : Language::English);
            }
            std::vector<Found> more = runTasks(matching, system, threads, stop);
            found.insert(found.end(), more.begin(), more.end());
        }
    }
    if (!enough(likeliestPhrase())) {
        // The odds of the last of the best keys found: what a phrase of two
        // common words must beat.
        const std::vector<FittingKey> best = ranked(found, options.most);
        double floor = -1e300;
        if (best.size() == options.most) {
            for (const Found &candidate : found) {
                if (candidate.key.square == best.back().square && candidate.key.key == best.back().key)
                    floor = candidate.rank.tier < booksTier ? 1e300 : candidate.rank.log10Odds;
            }
        }
        std::vector<Task> phrases;
        for (Language language : {Language::English, Language::Bulgarian})
            addEntries(phrases, KeyWordSearch::pairList(language), booksTier, nullptr, language);
        for (Language language : {Language::English, Language::Bulgarian}) {
            const KeyWordList &common = KeyWordSearch::phraseList(language);
            for (std::size_t begin = 0; begin < common.size(); begin += firstWordsPerTask)
                phrases.push_back({&common, begin, std::min(begin + firstWordsPerTask, common.size()), systemTier,
                                   &phraseShares(language), true, language, floor});
        }
        std::vector<Found> more = runTasks(matching, phrases, threads, stop);
        found.insert(found.end(), more.begin(), more.end());
    }
    if (found.empty() && options.letterSearch.count() > 0 && !stop.stop_requested())
        found = searchLetters(known, options, matching.check(), stop);
    return ranked(found, options.most);
}

} // namespace playfair::analysis
