#include "analysis/keywords/keywordsearch.h"

#include "analysis/crib.h"
#include "analysis/deduction/paircheck.h"
#include "analysis/keywords/keysquares.h"
#include "analysis/search/pairtables.h"
#include "analysis/statistics/wordstatistics.h"

#include "engine/examplekeys.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <unordered_set>

namespace playfair::analysis {

namespace {

// The key-word search scores the first letters of a long text only: 80
// letters name a key word beyond doubt, and the chooser reads on.
constexpr std::size_t mostScored = 80;

// No real text keeps up a mean log10 probability this high a letter for
// long: the likeliest stretches of ordinary text score about -0.5.
constexpr double optimisticLetterLog10 = -0.45;

// A phrase is offered only when its score comes within this many log10
// units of the best key's so far (each read in the language it reads
// better in, of those scored in): the chooser, which reads the candidates
// with more than the search's model, never prefers a plaintext a million
// times less likely by it. Not the
// words and the books' pairs, tried first: what trails the best among them
// is how the chooser tells how far its choice leads, and whether the
// language is settled (with them cut too, a Bulgarian word's noise led an
// English text of 20 letters by enough to settle the language on it in 3
// runs of 4, and THINGS WERE was never tried in English).
constexpr double acceptanceMargin = 6;

// Each crib letter a plaintext gets wrong costs this much, in log10.
constexpr double cribPenaltyLog10 = 6;

// The annealing over keys' letters: moves per search, and its temperature,
// in log10 of probability, falling from the first to the last move.
constexpr int keyMoves = 12000;
constexpr double keyHot = 2.5;
constexpr double keyCold = 0.15;

double log10Arrangements(int k)
{
    // 25! / (25 - k)!: the keys of k distinct letters.
    double total = 0;
    for (int i = 0; i < k; ++i)
        total += std::log10(25.0 - i);
    return total;
}

} // namespace

KeyPriors KeyPriors::forKind(SquareKind kind, std::size_t phrases)
{
    // The shares of the kinds of key, before the ciphertext is read: a class
    // makes most of its squares from words.
    double words = 0.5, phrase = 0.15, noList = 0.15, random = 0.2;
    if (kind == SquareKind::KeyWord) {
        words = 0.6;
        phrase = 0.2;
        noList = 0.2;
        random = 0;
    } else if (kind == SquareKind::Random) {
        words = phrase = noList = 0;
        random = 1;
    }
    const auto log10Of = [](double share) { return share > 0 ? std::log10(share) : -1e9; };
    // Of the phrases, the pairs of words that follow each other in the
    // books are the likelier: a real phrase more often than two words
    // thrown together.
    KeyPriors priors;
    priors.listWord = log10Of(words);
    priors.pairs = log10Of(phrase * 0.6);
    priors.phrase = log10Of(phrase * 0.4) - std::log10(double(std::max<std::size_t>(phrases, 1)));
    // Key lengths 1 to 25 alike.
    for (int k = 1; k <= 25; ++k)
        priors.keyOfLength[k] = log10Of(noList / 25) - log10Arrangements(k);
    priors.keyOfLength[0] = priors.keyOfLength[1];
    priors.randomSquare = log10Of(random) - (log10Arrangements(25) - std::log10(25.0));
    // Half the key squares by rows, the rest shared by the other routes.
    for (SquareRoute route : squareRoutes)
        priors.route[int(route)] = std::log10(route == SquareRoute::Rows ? 0.5 : 0.5 / double(squareRoutes.size() - 1));
    return priors;
}

KeyWordSearch::KeyWordSearch(const std::vector<Letter> &ciphertext, std::optional<Language> language,
                             const KeyPriors &priors, const Crib *crib)
    : m_crib(crib)
    , m_priors(priors)
{
    for (std::atomic<double> &best : m_best)
        best.store(-1e300, std::memory_order_relaxed);
    if (language)
        m_models = {&LanguageModel::of(*language, 4)};
    else
        m_models = {&LanguageModel::of(Language::English, 4), &LanguageModel::of(Language::Bulgarian, 4)};
    for (std::size_t m = 0; m < m_models.size(); ++m) {
        Model &model = m_scored[m];
        for (int n = 1; n <= 4; ++n)
            model.tables[std::size_t(n)] = m_models[m]->table(n);
        model.unit = m_models[m]->unitLog10();
        model.lowest = m_models[m]->floorLog10();
        model.slope = 2 * (model.lowest - optimisticLetterLog10) / model.unit;
    }
    std::size_t scored = std::min(ciphertext.size(), mostScored);
    if (crib)
        scored = std::max(scored, crib->reach());
    scored = std::min((scored + 1) & ~std::size_t(1), ciphertext.size() & ~std::size_t(1));
    for (std::size_t i = 0; i + 1 < scored; i += 2) {
        m_first.push_back(ciphertext[i]);
        m_second.push_back(ciphertext[i + 1]);
    }
    m_cipher.assign(ciphertext.begin(), ciphertext.begin() + std::ptrdiff_t(m_first.size() * 2));
}

namespace {

// The words of a built-in list with at least `letters` letters, the
// commonest first, at most `most` of them.
KeyWordList wordsOf(Language language, std::size_t letters, std::size_t most)
{
    KeyWordList list;
    for (const WordStatistics::Word &word : WordStatistics::of(language).words()) {
        if (list.size() == most)
            break;
        if (word.spelling.size() >= letters)
            list.append(word.spelling);
    }
    return list;
}

} // namespace

const KeyWordList &KeyWordSearch::builtInList(Language language)
{
    static const KeyWordList english = wordsOf(Language::English, 3, std::size_t(-1));
    static const KeyWordList bulgarian = wordsOf(Language::Bulgarian, 3, std::size_t(-1));
    return language == Language::English ? english : bulgarian;
}

const KeyWordList &KeyWordSearch::exampleList()
{
    static const KeyWordList list = [] {
        KeyWordList words;
        for (std::string_view word : exampleKeyWords())
            words.append(word);
        return words;
    }();
    return list;
}

const KeyWordList &KeyWordSearch::phraseList(Language language)
{
    static const KeyWordList english = wordsOf(Language::English, 2, phraseWords);
    static const KeyWordList bulgarian = wordsOf(Language::Bulgarian, 2, phraseWords);
    return language == Language::English ? english : bulgarian;
}

const KeyWordList &KeyWordSearch::phraseWordList(Language language)
{
    static const KeyWordList english = wordsOf(Language::English, 2, std::size_t(-1));
    static const KeyWordList bulgarian = wordsOf(Language::Bulgarian, 2, std::size_t(-1));
    return language == Language::English ? english : bulgarian;
}

std::vector<bool> KeyWordSearch::repeatedPlacings(const KeyWordList &words)
{
    std::vector<bool> repeats(words.size());
    std::unordered_set<std::uint64_t> placings;
    placings.reserve(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (const std::optional<std::uint64_t> placing = keyPlacing(words.at(i)))
            repeats[i] = !placings.insert(*placing).second;
    }
    return repeats;
}

const std::vector<bool> &KeyWordSearch::phraseWordRepeats(Language language)
{
    static const std::vector<bool> english = repeatedPlacings(phraseWordList(Language::English));
    static const std::vector<bool> bulgarian = repeatedPlacings(phraseWordList(Language::Bulgarian));
    return language == Language::English ? english : bulgarian;
}

const std::vector<bool> &KeyWordSearch::builtInRepeats(Language language)
{
    static const std::vector<bool> english = repeatedPlacings(builtInList(Language::English));
    static const std::vector<bool> bulgarian = repeatedPlacings(builtInList(Language::Bulgarian));
    return language == Language::English ? english : bulgarian;
}

double KeyWordSearch::rarePhraseLog10() const
{
    const double builtIn = double(builtInList(Language::English).size() + builtInList(Language::Bulgarian).size());
    return m_priors.phrase - std::log10(builtIn / double(2 * phraseWords));
}

const KeyWordList &KeyWordSearch::pairList(Language language)
{
    const auto make = [](Language of) {
        KeyWordList list;
        for (const std::string &pair : WordStatistics::of(of).pairs())
            list.append(pair);
        return list;
    };
    static const KeyWordList english = make(Language::English);
    static const KeyWordList bulgarian = make(Language::Bulgarian);
    return language == Language::English ? english : bulgarian;
}

std::size_t KeyWordSearch::phraseCount()
{
    const std::size_t en = phraseList(Language::English).size();
    const std::size_t bg = phraseList(Language::Bulgarian).size();
    return en * en + bg * bg;
}

namespace {

// The units (see LanguageModel) of `Count` order-4 models over a square's
// plaintext, each model's sum of table values, read pair by pair. Returns
// false once the square is given up: when after some pair every model's
// units lie below its need, which falls by the model's slope a pair.
template<std::size_t Count>
bool unitsOf(const Square &square, const Letter *first, const Letter *second, std::size_t pairs,
             const std::array<const KeyWordSearch::Model *, 2> &models, std::array<double, 2> need, bool givesUp,
             Letter *plain, std::array<int, 2> &units, std::size_t &letters)
{
    std::array<Letter, 25> cellOf{};
    for (int cell = 0; cell < 25; ++cell)
        cellOf[square[std::size_t(cell)]] = Letter(cell);
    const std::uint16_t *decrypt = PairTables::get().decrypt.data();
    std::uint32_t context = 0;
    letters = 0;
    const auto add = [&](Letter letter) {
        if (plain)
            plain[letters] = letter;
        context = (context * 25 + letter) % (25 * 25 * 25 * 25);
        // The first three letters are read by the lower orders.
        const std::size_t order = letters < 3 ? letters + 1 : 4;
        for (std::size_t m = 0; m < Count; ++m)
            units[m] += models[m]->tables[order][context];
        ++letters;
    };
    for (std::size_t i = 0; i < pairs; ++i) {
        const std::uint16_t cells = decrypt[25 * cellOf[first[i]] + cellOf[second[i]]];
        add(square[cells & 0xFF]);
        add(square[cells >> 8]);
        if (!givesUp)
            continue;
        bool hopeless = true;
        for (std::size_t m = 0; m < Count; ++m) {
            need[m] -= models[m]->slope;
            hopeless = hopeless && double(units[m]) < need[m];
        }
        if (hopeless)
            return false;
    }
    return true;
}

} // namespace

double KeyWordSearch::scoreAbove(const Square &square, double keyLog10, double floor, bool learn, bool cut) const
{
    // The models scored in: the language's, or both while it is to be
    // found, until it is settled.
    const int settled = m_settled && m_models.size() > 1 ? m_settled->load(std::memory_order_relaxed) : -1;
    std::array<const Model *, 2> models{};
    std::array<std::size_t, 2> modelIndex{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < m_models.size(); ++i) {
        if (settled < 0 || int(i) == settled) {
            modelIndex[count] = i;
            models[count++] = &m_scored[i];
        }
    }
    // A square is given up once its score could not reach the floor in
    // either language even if every letter still to come were as likely as
    // the likeliest text ever keeps up (a square it gives up would have to
    // make the rest of its text more than twice as likely, letter by
    // letter, as real text). In a model's own units: after each pair its
    // units must reach its need, which falls by its slope a pair.
    // With `cut`, the key must also come within a margin of the best key
    // read in full so far, in the language it reads better in (of those
    // scored in).
    const double total = double(m_first.size() * 2);
    const bool givesUp = !m_crib && !m_pairs;
    double cutAt = floor;
    if (cut && givesUp) {
        for (std::size_t m = 0; m < count; ++m)
            cutAt = std::max(cutAt, m_best[modelIndex[m]].load(std::memory_order_relaxed) - acceptanceMargin);
    }
    std::array<double, 2> need{};
    for (std::size_t m = 0; m < count; ++m)
        need[m] = (cutAt - keyLog10 - optimisticLetterLog10 * total) / models[m]->unit;

    // Each thread's own buffer for the plaintext a crib checks, as long as
    // the letters scored: they reach as far as the crib's last place.
    thread_local std::vector<Letter> plain;
    if (m_crib)
        plain.resize(m_cipher.size());
    std::array<int, 2> units{};
    std::size_t letters = 0;
    Letter *const read = m_crib ? plain.data() : nullptr;
    const bool whole = count > 1
        ? unitsOf<2>(square, m_first.data(), m_second.data(), m_first.size(), models, need, givesUp, read, units, letters)
        : unitsOf<1>(square, m_first.data(), m_second.data(), m_first.size(), models, need, givesUp, read, units, letters);
    // The log10 probability of the letters read in model m, and in the
    // language they read better in.
    const auto readIn = [&](std::size_t m) { return models[m]->lowest * double(letters) + models[m]->unit * units[m]; };
    double sofar = readIn(0);
    if (count > 1)
        sofar = std::max(sofar, readIn(1));
    if (!whole)
        return std::min(floor, keyLog10 + sofar + optimisticLetterLog10 * (total - double(letters)));
    double score = keyLog10 + sofar;
    if (learn && givesUp) {
        for (std::size_t m = 0; m < count; ++m) {
            std::atomic<double> &best = m_best[modelIndex[m]];
            const double own = keyLog10 + readIn(m);
            double known = best.load(std::memory_order_relaxed);
            while (own > known && !best.compare_exchange_weak(known, own, std::memory_order_relaxed)) {
            }
        }
        if (score <= cutAt)
            return std::min(floor, score);
    }
    if (m_crib)
        score -= cribPenaltyLog10 * m_crib->mismatches(plain.data());
    if (m_pairs)
        score -= cribPenaltyLog10 * m_pairs->wrongLetters(square);
    return score;
}

double KeyWordSearch::scoreOf(const Square &square, double keyLog10) const
{
    return scoreAbove(square, keyLog10, -1e300);
}

std::uint64_t KeyWordSearch::offer(const Square &square, double keyLog10, Candidate candidate, CandidatePool &pool) const
{
    const double floor = pool.threshold();
    const double score = scoreAbove(square, keyLog10, floor, true, candidate.origin == KeyOrigin::Phrase);
    if (score <= floor)
        return 1;
    thread_local std::vector<Letter> plain;
    plain.resize(m_cipher.size());
    decryptLetters(square, m_cipher.data(), m_cipher.size(), plain.data());
    candidate.square = square;
    candidate.score = score;
    candidate.keyLog10 = keyLog10;
    // With no ciphertext every square reads alike: squares are told apart
    // by their letters.
    candidate.plainHash = m_cipher.empty() ? plainHash(square.data(), square.size()) : plainHash(plain.data(), m_cipher.size());
    pool.offer(candidate);
    return 1;
}

namespace {

// A key's letters without what is not a letter (the spaces of a phrase).
std::string keyLetters(std::string_view entry)
{
    std::string letters;
    letters.reserve(entry.size());
    for (char c : entry) {
        if (c != ' ')
            letters += c;
    }
    return letters;
}

} // namespace

std::uint64_t KeyWordSearch::tryEntries(const KeyWordList &words, double keyLog10, std::uint32_t listId,
                                        std::size_t begin, std::size_t end, CandidatePool &pool,
                                        const std::atomic<bool> &stop, const std::vector<bool> *skipped) const
{
    end = std::min(end, words.size());
    Candidate candidate;
    candidate.origin = KeyOrigin::ListWord;
    candidate.list = listId;
    std::uint64_t tried = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if ((i & 255) == 0 && stop.load(std::memory_order_relaxed))
            break;
        if (skipped && i < skipped->size() && (*skipped)[i])
            continue;
        KeySquareBuilder builder = KeySquareBuilder::start();
        builder.place(keyLetters(words.at(i)));
        candidate.entry = std::uint32_t(i);
        const Square written = builder.finish();
        for (SquareRoute route : squareRoutes) {
            candidate.route = route;
            tried += offer(squareWrittenIn(written, route), keyLog10 + m_priors.route[int(route)], candidate, pool);
        }
    }
    return tried;
}

namespace {

// The phrases of ranks' product below `beyond` whose first word is among
// the first `common` of a list of `words`, in 32 bits where it fits (the
// band ends are sought by counting thousands of times).
std::size_t phrasesBelow(std::size_t common, std::size_t words, std::size_t beyond)
{
    if (beyond <= 1)
        return 0;
    const std::size_t firsts = std::min(common, beyond - 1);
    std::size_t count = 0;
    if (beyond - 1 <= 0xFFFFFFFFu) {
        const auto top = std::uint32_t(beyond - 1);
        for (std::uint32_t first = 1; first <= firsts; ++first)
            count += std::min<std::size_t>(words, top / first);
    } else {
        for (std::size_t first = 1; first <= firsts; ++first)
            count += std::min(words, (beyond - 1) / first);
    }
    return count;
}

} // namespace

std::vector<std::size_t> KeyWordSearch::phraseBands(std::size_t common, std::size_t words, std::size_t perBand)
{
    perBand = std::max<std::size_t>(perBand, 1);
    common = std::min(common, words);
    const std::size_t last = words * common + 1; // past the largest product
    std::vector<std::size_t> bands{1};
    std::size_t counted = 0; // the phrases below the last band's start
    std::size_t width = 1;   // the last band's width, where the next one's end is first looked for
    while (bands.back() < last) {
        // The smallest end that gives the band `perBand` phrases. The count
        // grows with the end, nearly in a straight line over a band: a range
        // that holds the end is widened from the last band's width, then
        // narrowed where the line through its ends says, halved whenever
        // that gained less than half.
        const std::size_t wanted = counted + perBand;
        std::size_t low = bands.back(); // below the end: fewer than wanted
        std::size_t lowCount = counted;
        std::size_t high = std::min(last, bands.back() + width);
        std::size_t highCount = phrasesBelow(common, words, high);
        while (high < last && highCount < wanted) {
            low = high;
            lowCount = highCount;
            high = std::min(last, bands.back() + 2 * (high - bands.back()));
            highCount = phrasesBelow(common, words, high);
        }
        bool halve = false;
        while (high - low > 1) {
            std::size_t middle = low + (high - low) / 2;
            if (!halve && highCount > lowCount) {
                const double share = double(wanted - lowCount) / double(highCount - lowCount);
                middle = low + std::clamp<std::size_t>(std::size_t(share * double(high - low)), 1, high - low - 1);
            }
            const std::size_t before = high - low;
            const std::size_t count = phrasesBelow(common, words, middle);
            if (count >= wanted) {
                high = middle;
                highCount = count;
            } else {
                low = middle;
                lowCount = count;
            }
            halve = !halve && 2 * (high - low) > before;
        }
        width = high - bands.back();
        bands.push_back(high);
        counted = highCount;
    }
    return bands;
}

std::uint64_t KeyWordSearch::tryPhrases(Language language, std::size_t lowest, std::size_t beyond, CandidatePool &pool,
                                        const std::atomic<bool> &stop) const
{
    const KeyWordList &words = phraseWordList(language);
    const std::vector<bool> &repeats = phraseWordRepeats(language);
    const std::size_t common = std::min(phraseWords, words.size());
    const double commonLog10 = m_priors.phrase + m_priors.route[int(SquareRoute::Rows)];
    const double rareLog10 = rarePhraseLog10() + m_priors.route[int(SquareRoute::Rows)];
    Candidate candidate;
    candidate.origin = KeyOrigin::Phrase;
    candidate.list = std::uint32_t(language == Language::English ? 0 : 1);
    std::uint64_t tried = 0;
    lowest = std::max<std::size_t>(lowest, 1);
    for (std::size_t first = 1; first <= common && first < beyond; ++first) {
        if (stop.load(std::memory_order_relaxed))
            break;
        // The second words' ranks whose product with the first's lies in the band.
        const std::size_t from = (lowest + first - 1) / first;
        const std::size_t to = std::min(words.size(), (beyond - 1) / first);
        if (from > to || repeats[first - 1])
            continue;
        KeySquareBuilder start = KeySquareBuilder::start();
        start.place(words.at(first - 1));
        candidate.entry = std::uint32_t(first - 1);
        for (std::size_t second = from; second <= to; ++second) {
            if ((second & 1023) == 0 && stop.load(std::memory_order_relaxed))
                return tried;
            if (repeats[second - 1])
                continue;
            KeySquareBuilder builder = start;
            builder.place(words.at(second - 1));
            // A second word of letters the first has already placed makes
            // the first word's square.
            if (builder.placed == start.placed)
                continue;
            candidate.second = std::uint32_t(second - 1);
            tried += offer(builder.finish(), second <= common ? commonLog10 : rareLog10, candidate, pool);
        }
    }
    return tried;
}

std::uint64_t KeyWordSearch::tryCompletions(std::string_view first, Language language, std::size_t begin,
                                            std::size_t end, double keyLog10, std::uint32_t listId,
                                            CandidatePool &pool, const std::atomic<bool> &stop) const
{
    const KeyWordList &words = builtInList(language);
    const std::vector<bool> &repeats = builtInRepeats(language);
    end = std::min(end, words.size());
    Candidate candidate;
    candidate.origin = KeyOrigin::Phrase;
    candidate.list = listId;
    KeySquareBuilder start = KeySquareBuilder::start();
    start.place(keyLetters(first));
    std::uint64_t tried = 0;
    for (std::size_t second = begin; second < end; ++second) {
        if ((second & 255) == 0 && stop.load(std::memory_order_relaxed))
            break;
        if (repeats[second])
            continue;
        KeySquareBuilder builder = start;
        builder.place(words.at(second));
        if (builder.placed == start.placed)
            continue;
        candidate.second = std::uint32_t(second);
        tried += offer(builder.finish(), keyLog10 + m_priors.route[int(SquareRoute::Rows)], candidate, pool);
    }
    return tried;
}

std::uint64_t KeyWordSearch::searchKeys(Random &random, const Candidate *from, CandidatePool &pool,
                                        const std::atomic<bool> &stop) const
{
    // The key as its distinct letters, in order, and the route it is
    // written in by: the candidate's, or half the time rows and else any
    // other, kept for the whole search (a key half right on one route is
    // nothing on another).
    std::array<Letter, 25> key{};
    int length = 0;
    std::array<bool, 25> used{};
    SquareRoute route = SquareRoute::Rows;
    if (from) {
        route = from->route;
    } else if (random.below(2) == 1) {
        route = squareRoutes[1 + random.below(std::uint32_t(squareRoutes.size() - 1))];
    }
    if (from) {
        const std::optional<std::string> shortest = shortestKeyFor(squareToText(from->square), route);
        for (char c : shortest.value_or(std::string())) {
            const Letter letter = Letter(letterNumber(c));
            key[std::size_t(length++)] = letter;
            used[letter] = true;
        }
    }
    if (length == 0) {
        length = 4 + int(random.below(7));
        for (int i = 0; i < length; ++i) {
            Letter letter;
            do
                letter = Letter(random.below(25));
            while (used[letter]);
            used[letter] = true;
            key[std::size_t(i)] = letter;
        }
    }
    const auto squareOf = [route](const std::array<Letter, 25> &letters, int count) {
        KeySquareBuilder builder = KeySquareBuilder::start();
        builder.place(letters.data(), count);
        return squareWrittenIn(builder.finish(), route);
    };
    const auto keyLog10 = [this, route](int keyLength) {
        return m_priors.keyOfLength[keyLength] + m_priors.route[int(route)];
    };

    Candidate candidate;
    candidate.origin = KeyOrigin::KeySearch;
    candidate.route = route;
    double current = scoreOf(squareOf(key, length), keyLog10(length));
    std::uint64_t tried = 1;
    const double cooling = std::pow(keyCold / keyHot, 1.0 / keyMoves);
    double temperature = keyHot;
    for (int move = 0; move < keyMoves; ++move, temperature *= cooling) {
        if ((move & 255) == 0 && stop.load(std::memory_order_relaxed))
            break;
        std::array<Letter, 25> next = key;
        int nextLength = length;
        const auto unusedLetter = [&] {
            Letter letter;
            do
                letter = Letter(random.below(25));
            while (used[letter]);
            return letter;
        };
        const int i = int(random.below(std::uint32_t(length)));
        switch (random.below(5)) {
        case 0: // another letter in one place
            if (length == 25)
                continue;
            next[std::size_t(i)] = unusedLetter();
            break;
        case 1: { // two letters swapped
            const int j = int(random.below(std::uint32_t(length)));
            std::swap(next[std::size_t(i)], next[std::size_t(j)]);
            break;
        }
        case 2: { // a letter more
            if (length == 25)
                continue;
            const int at = int(random.below(std::uint32_t(length + 1)));
            std::copy_backward(next.begin() + at, next.begin() + length, next.begin() + length + 1);
            next[std::size_t(at)] = unusedLetter();
            ++nextLength;
            break;
        }
        case 3: // a letter less
            if (length == 1)
                continue;
            std::copy(next.begin() + i + 1, next.begin() + length, next.begin() + i);
            --nextLength;
            break;
        default: { // a letter moved
            const int to = int(random.below(std::uint32_t(length)));
            const Letter letter = next[std::size_t(i)];
            if (to < i)
                std::copy_backward(next.begin() + to, next.begin() + i, next.begin() + i + 1);
            else
                std::copy(next.begin() + i + 1, next.begin() + to + 1, next.begin() + i);
            next[std::size_t(to)] = letter;
            break;
        }
        }
        const Square square = squareOf(next, nextLength);
        // Metropolis with the threshold drawn first, so that a square sure to
        // fall below it is given up early.
        const double threshold = current + temperature * std::log10(1.0 - (double(random.below(1u << 30)) + 0.5) / double(1u << 30));
        const double score = scoreAbove(square, keyLog10(nextLength), std::min(threshold, pool.threshold()));
        ++tried;
        if (score < threshold)
            continue;
        key = next;
        length = nextLength;
        used.fill(false);
        for (int k = 0; k < length; ++k)
            used[key[std::size_t(k)]] = true;
        current = score;
        if (score > pool.threshold())
            offer(square, keyLog10(length), candidate, pool);
    }
    return tried;
}

} // namespace playfair::analysis
