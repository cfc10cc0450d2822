#include "analysis/search/plaintextattack.h"

#include "analysis/deduction/puzzle.h"
#include "analysis/knownpair.h"
#include "analysis/search/candidatepool.h"
#include "analysis/search/pairtables.h"
#include "analysis/statistics/languagemodel.h"
#include "analysis/statistics/wordstatistics.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <memory>
#include <unordered_map>

namespace playfair::analysis {

namespace {

constexpr int cells = std::tuple_size_v<Square>;
constexpr int pairCount = letterCount * letterCount;
constexpr int noPair = -1;

constexpr Letter letterX = Letter(letterNumber('X'));
constexpr Letter letterQ = Letter(letterNumber('Q'));

// The letter the preparation puts between the letters of a doubled pair, and
// after the last letter of an odd message.
constexpr Letter fillerAfter(Letter letter)
{
    return letter == letterX ? letterQ : letterX;
}

// The most letters a prefix holds: the longest text and a filler.
constexpr std::size_t mostPrefix = PlaintextAttack::mostLetters + 2;

// The words a language's beam builds from: the commonest of its books.
constexpr std::size_t wordsTried = 6000;
// Words of one letter are taken only among the commonest few (A, I; the
// Bulgarian conjunctions and prepositions): the others are noise.
constexpr std::size_t oneLetterWordsAmong = 40;

// How many states the deduction engine's search may try on one prefix's
// pairs before it gives up (the prefix is then kept): a prefix's pairs are
// settled in far fewer.
constexpr std::uint64_t squareBudget = 4000;
// A position keeps this many times the beam's width of prefixes, best
// first: many that pass the checks as they are built fail the deduction
// engine when taken up, and the next best are then taken instead.
constexpr std::size_t bucketsHold = 4;
// How many states of a position a step takes further, at most.
constexpr std::size_t statesPerStep = 32;
// How many verdicts on sets of pairs are remembered.
constexpr std::size_t rememberedVerdicts = 1 << 16;
// How often the depth-first walk over the words looks at the halt flag.
constexpr std::uint64_t haltCheckEvery = 2048;

struct Prefix
{
    std::array<Letter, mostPrefix> letters{};
    double log10 = 0;
    std::uint64_t hash = 0;
};

// A beam position's prefixes: the best `capacity` by the model, and others
// until they are pruned.
struct Bucket
{
    std::vector<Prefix> prefixes;
    double floor = -std::numeric_limits<double>::infinity();
    std::size_t capacity = 0;

    void add(const Prefix &prefix)
    {
        if (prefix.log10 <= floor)
            return;
        prefixes.push_back(prefix);
        if (prefixes.size() >= 2 * capacity)
            prune();
    }
    void prune()
    {
        if (prefixes.size() <= capacity)
            return;
        std::nth_element(prefixes.begin(), prefixes.begin() + std::ptrdiff_t(capacity - 1), prefixes.end(),
                         [](const Prefix &a, const Prefix &b) { return a.log10 > b.log10; });
        floor = prefixes[capacity - 1].log10;
        prefixes.resize(capacity);
    }
};

// The words as a tree of their letters.
struct WordTree
{
    std::vector<std::array<std::int32_t, letterCount>> children;
    std::vector<bool> wordEnds;

    explicit WordTree(const std::vector<PlaintextAttack::Word> &words)
    {
        newNode();
        for (const PlaintextAttack::Word &word : words) {
            std::int32_t node = 0;
            for (Letter letter : word.letters) {
                if (children[std::size_t(node)][letter] < 0) {
                    const std::int32_t child = newNode();
                    children[std::size_t(node)][letter] = child;
                }
                node = children[std::size_t(node)][letter];
            }
            if (node != 0)
                wordEnds[std::size_t(node)] = true;
        }
    }
    std::int32_t newNode()
    {
        children.emplace_back();
        children.back().fill(-1);
        wordEnds.push_back(false);
        return std::int32_t(children.size() - 1);
    }
};

enum class SquareVerdict { Holds, Contradicts, Unknown };

// The distinct equations of a prefix's pairs: each complete pair once (its
// reverse says nothing more), and a last half pair with its plain letter.
std::vector<KnownPair> equationsOf(const std::vector<Letter> &cipher, const Letter *plain, std::size_t length)
{
    std::vector<KnownPair> pairs;
    std::array<bool, pairCount> seen{};
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        const int a = plain[i];
        const int b = plain[i + 1];
        if (seen[std::size_t(a * letterCount + b)])
            continue;
        seen[std::size_t(a * letterCount + b)] = seen[std::size_t(b * letterCount + a)] = true;
        pairs.push_back(KnownPair{{a, b}, {cipher[i], cipher[i + 1]}});
    }
    if (length % 2 == 1)
        pairs.push_back(KnownPair{{plain[length - 1], unknownLetter}, {cipher[length - 1], cipher[length]}});
    return pairs;
}

// Whether a square holds every equation, by the deduction engine's search;
// with `square`, one such square (the letters of no equation in the cells
// left, in order).
SquareVerdict squareFor(const std::vector<KnownPair> &pairs, std::uint64_t budget, Square *square)
{
    if (pairs.empty()) {
        if (square) {
            for (int cell = 0; cell < cells; ++cell)
                (*square)[std::size_t(cell)] = Letter(cell);
        }
        return SquareVerdict::Holds;
    }
    DeductionInput input;
    input.pairs = pairs;
    Premises premises;
    for (std::size_t p = 0; p < pairs.size(); ++p)
        premises.pairs.push_back(p);
    const deduction::Puzzle puzzle = deduction::puzzleOf(input, premises);
    const deduction::Propagator propagator(puzzle.model);
    deduction::Search search(propagator);
    bool found = false;
    const bool through = search.run(
        [&](const deduction::State &state) {
            found = true;
            if (square) {
                std::array<bool, letterCount> placed{};
                std::array<bool, cells> taken{};
                for (int v = 0; v < puzzle.model.letterVariables; ++v) {
                    const int cell = state.cellOf(v);
                    const Letter letter = puzzle.model.letters[std::size_t(v)];
                    (*square)[std::size_t(cell)] = letter;
                    placed[letter] = true;
                    taken[std::size_t(cell)] = true;
                }
                int cell = 0;
                for (int letter = 0; letter < letterCount; ++letter) {
                    if (placed[std::size_t(letter)])
                        continue;
                    while (taken[std::size_t(cell)])
                        ++cell;
                    (*square)[std::size_t(cell)] = Letter(letter);
                    taken[std::size_t(cell)] = true;
                }
            }
            return false;
        },
        budget);
    if (found)
        return SquareVerdict::Holds;
    return through ? SquareVerdict::Contradicts : SquareVerdict::Unknown;
}

// The pairs a prefix has set, as look-up tables that a walk sets and unsets
// letter by letter: the cipher pair of each plain pair and the plain pair of
// each cipher pair (pair a, b as a * 25 + b), a pair and its reverse together.
// Beside them, each letter's line mates: in every rule a plain pair's letters
// each share a row or a column with both cipher letters, and a letter has
// only eight cells in its row and column, so a ninth mate refuses the pairs
// at once, long before the deduction engine is asked.
struct PairMap
{
    std::array<std::int16_t, pairCount> cipherOf{};
    std::array<std::int16_t, pairCount> plainOf{};
    std::array<std::uint32_t, letterCount> mates{};
    std::vector<std::int16_t> setPlain; // plain pairs set, in order, to unset them
    // The mates of the four letters of each pair set, before it was.
    std::vector<std::array<std::uint32_t, 4>> matesBefore;

    void clear()
    {
        cipherOf.fill(noPair);
        plainOf.fill(noPair);
        mates.fill(0);
        setPlain.clear();
        matesBefore.clear();
    }
};

// Cells in a letter's row and column besides its own.
constexpr int lineMates = 8;

// Whether `letter` may stand at `position` after the letters before it, and
// if it completes a pair, sets that pair.
PlaintextAttack::Refusal place(const std::vector<Letter> &cipher, const Letter *plain, std::size_t position,
                               Letter letter, PairMap &map)
{
    using Refusal = PlaintextAttack::Refusal;
    if (letter == cipher[position])
        return Refusal::OwnLetter;
    const int c = cipher[position - position % 2];
    const int d = cipher[position - position % 2 + 1];
    if (position % 2 == 0) {
        // The first letter of a pair: a cipher pair read before gives it.
        const int known = map.plainOf[std::size_t(c * letterCount + d)];
        if (known != noPair && known / letterCount != letter)
            return Refusal::TwoPlainPairs;
        return Refusal::None;
    }
    const int a = plain[position - 1];
    const int b = letter;
    if (a == b)
        return Refusal::DoubledPair;
    const int plainPair = a * letterCount + b;
    const int cipherPair = c * letterCount + d;
    const int cipherSet = map.cipherOf[std::size_t(plainPair)];
    if (cipherSet != noPair)
        return cipherSet == cipherPair ? Refusal::None : Refusal::TwoCipherPairs;
    if (map.plainOf[std::size_t(cipherPair)] != noPair)
        return Refusal::TwoPlainPairs;
    const std::array<int, 4> letters{a, b, c, d};
    std::array<std::uint32_t, 4> before{};
    std::array<std::uint32_t, 4> after{};
    for (std::size_t i = 0; i < 4; ++i)
        before[i] = map.mates[std::size_t(letters[i])];
    for (std::size_t i = 0; i < 4; ++i) {
        // Rebuilt from every letter's mates before, since two of them may be one letter.
        after[i] = map.mates[std::size_t(letters[i])];
        if (i < 2)
            after[i] |= (1u << c) | (1u << d);
        else
            after[i] |= (1u << a) | (1u << b);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = 0; j < 4; ++j) {
            if (letters[j] == letters[i])
                after[i] |= after[j];
        }
        if (std::popcount(after[i]) > lineMates)
            return Refusal::NoSquare;
    }
    for (std::size_t i = 0; i < 4; ++i)
        map.mates[std::size_t(letters[i])] = after[i];
    map.cipherOf[std::size_t(plainPair)] = std::int16_t(cipherPair);
    map.cipherOf[std::size_t(b * letterCount + a)] = std::int16_t(d * letterCount + c);
    map.plainOf[std::size_t(cipherPair)] = std::int16_t(plainPair);
    map.plainOf[std::size_t(d * letterCount + c)] = std::int16_t(b * letterCount + a);
    map.setPlain.push_back(std::int16_t(plainPair));
    map.matesBefore.push_back(before);
    return Refusal::None;
}

void unsetLast(PairMap &map)
{
    const int plainPair = map.setPlain.back();
    map.setPlain.pop_back();
    const int a = plainPair / letterCount;
    const int b = plainPair % letterCount;
    const int cipherPair = map.cipherOf[std::size_t(plainPair)];
    const int c = cipherPair / letterCount;
    const int d = cipherPair % letterCount;
    map.cipherOf[std::size_t(plainPair)] = map.cipherOf[std::size_t(b * letterCount + a)] = noPair;
    map.plainOf[std::size_t(cipherPair)] = map.plainOf[std::size_t(d * letterCount + c)] = noPair;
    const std::array<int, 4> letters{a, b, c, d};
    const std::array<std::uint32_t, 4> before = map.matesBefore.back();
    map.matesBefore.pop_back();
    for (std::size_t i = 4; i-- > 0;)
        map.mates[std::size_t(letters[i])] = before[i];
}

std::uint64_t hashOf(const Letter *letters, std::size_t count)
{
    return plainHash(letters, count);
}

std::uint64_t hashOfEquations(const std::vector<KnownPair> &pairs)
{
    std::vector<std::uint32_t> keys;
    for (const KnownPair &pair : pairs) {
        std::uint32_t key = 0;
        for (int position = 0; position < 4; ++position)
            key = key * 32 + std::uint32_t(pair.letter(position) + 1);
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (std::uint32_t key : keys)
        hash = (hash ^ key) * 0x100000001b3ull;
    return hash;
}

} // namespace

struct PlaintextAttack::Impl
{
    struct Model
    {
        Language language;
        WordTree words;
        const LanguageModel *model;
    };

    std::vector<Letter> cipher;
    std::vector<Model> models;

    // The round running: its model, the beam's width, the position whose
    // prefixes are taken further and how far through them.
    int round = -1;
    std::size_t width = 0;
    const Model *current = nullptr;
    std::vector<Bucket> buckets;
    std::size_t position = 0;
    std::size_t at = 0;        // in the sorted prefixes of the position
    std::size_t expanded = 0;  // prefixes of the position taken further
    bool sorted = false;
    std::uint64_t lastHash = 0;
    bool done = false;

    std::unordered_map<std::uint64_t, bool> verdicts; // sets of pairs: whether a square holds them

    // The walk's state.
    std::array<Letter, mostPrefix + 2> plain{};
    std::array<bool, mostPrefix + 2> setAt{}; // whether the letter there set its pair
    PairMap map;
    std::uint64_t visited = 0;
    const std::atomic<bool> *halt = nullptr;
    bool halted = false; // the halt flag was seen set: every level of the walk returns

    Impl(const std::vector<Letter> &ciphertext, std::optional<Language> language,
         std::optional<std::vector<Word>> words)
        : cipher(ciphertext)
    {
        std::vector<Language> languages;
        if (language)
            languages.push_back(*language);
        else
            languages = {Language::English, Language::Bulgarian};
        for (Language l : languages)
            models.push_back({l, WordTree(words ? *words : commonWords(l, wordsTried)), &LanguageModel::of(l, LanguageModel::highestOrder)});
        map.clear();
    }

    bool nextRound()
    {
        ++round;
        const std::size_t languages = models.size();
        const std::size_t doubling = std::size_t(round) / languages;
        width = firstWidth << std::min<std::size_t>(doubling, 30);
        if (width > lastWidth || cipher.empty()) {
            done = true;
            return false;
        }
        current = &models[std::size_t(round) % languages];
        buckets.assign(cipher.size() + 1, Bucket{});
        for (Bucket &bucket : buckets)
            bucket.capacity = bucketsHold * width;
        buckets[0].prefixes.push_back(Prefix{});
        position = 0;
        at = 0;
        expanded = 0;
        sorted = false;
        return true;
    }

    // The model's log10 probability of `letter` at `position` after the letters before it.
    double letterLog10(std::size_t position, Letter letter) const
    {
        const LanguageModel &model = *current->model;
        const std::size_t context = std::min<std::size_t>(position, std::size_t(model.order() - 1));
        std::size_t index = 0;
        for (std::size_t k = position - context; k < position; ++k)
            index = index * letterCount + plain[k];
        index = index * letterCount + letter;
        return model.floorLog10() + model.unitLog10() * double(model.table(int(context) + 1)[index]);
    }

    SquareVerdict verdictOn(std::size_t length)
    {
        const std::vector<KnownPair> pairs = equationsOf(cipher, plain.data(), length);
        const std::uint64_t key = hashOfEquations(pairs);
        if (const auto it = verdicts.find(key); it != verdicts.end())
            return it->second ? SquareVerdict::Holds : SquareVerdict::Contradicts;
        const SquareVerdict verdict = squareFor(pairs, squareBudget, nullptr);
        if (verdict != SquareVerdict::Unknown) {
            if (verdicts.size() >= rememberedVerdicts)
                verdicts.clear();
            verdicts.emplace(key, verdict == SquareVerdict::Holds);
        }
        return verdict;
    }

    void emit(std::size_t length, double log10)
    {
        if (log10 <= buckets[length].floor)
            return;
        Prefix prefix;
        std::copy(plain.begin(), plain.begin() + std::ptrdiff_t(length), prefix.letters.begin());
        prefix.log10 = log10;
        prefix.hash = hashOf(plain.data(), length);
        buckets[length].add(prefix);
    }

    // Puts a letter at `i` if it may stand there, noting whether it set a pair.
    bool placeAt(std::size_t i, Letter letter)
    {
        const std::size_t before = map.setPlain.size();
        if (place(cipher, plain.data(), i, letter, map) != Refusal::None)
            return false;
        plain[i] = letter;
        setAt[i] = map.setPlain.size() > before;
        return true;
    }

    // Puts a letter at `length`, with a filler before it if it would double a
    // pair; returns the letters put (0 when refused), adding their log10. A
    // filler that ends the text is put alone.
    std::size_t put(std::size_t length, Letter letter, double &log10)
    {
        std::size_t count = 0;
        if (length % 2 == 1 && plain[length - 1] == letter) {
            const Letter filler = fillerAfter(letter);
            if (!placeAt(length, filler))
                return 0;
            log10 += letterLog10(length, filler);
            count = 1;
            if (length + 1 == cipher.size())
                return count;
        }
        if (!placeAt(length + count, letter)) {
            unput(length, count);
            return 0;
        }
        log10 += letterLog10(length + count, letter);
        return count + 1;
    }

    // Takes back `count` letters put at `length`.
    void unput(std::size_t length, std::size_t count)
    {
        for (std::size_t i = length + count; i-- > length;) {
            if (setAt[i])
                unsetLast(map);
            setAt[i] = false;
        }
    }

    void walk(std::int32_t node, std::size_t length, double log10)
    {
        const WordTree &words = current->words;
        for (int letter = 0; letter < letterCount; ++letter) {
            const std::int32_t child = words.children[std::size_t(node)][std::size_t(letter)];
            if (child < 0)
                continue;
            if (halted || (++visited % haltCheckEvery == 0 && (halted = halt->load(std::memory_order_relaxed))))
                return;
            double after = log10;
            const std::size_t put = this->put(length, Letter(letter), after);
            if (put == 0)
                continue;
            const std::size_t end = length + put;
            // A word begun that already reads worse than every prefix kept
            // at its length is let go: its letters only lower it further.
            if (after <= buckets[end].floor) {
                unput(length, put);
                continue;
            }
            if (end == cipher.size()) {
                // The text ends here, within a word if need be.
                emit(end, after);
            } else {
                if (words.wordEnds[std::size_t(child)]) {
                    emit(end, after);
                    if (end + 1 == cipher.size()) {
                        // An odd message: a filler evens it.
                        double padded = after;
                        if (this->put(end, fillerAfter(plain[end - 1]), padded) == 1) {
                            emit(end + 1, padded);
                            unput(end, 1);
                        }
                    }
                }
                walk(child, end, after);
            }
            unput(length, put);
        }
    }

    // Sets up the walk's tables for a prefix of `length` letters.
    bool load(const Prefix &prefix, std::size_t length)
    {
        map.clear();
        std::copy(prefix.letters.begin(), prefix.letters.begin() + std::ptrdiff_t(length), plain.begin());
        setAt.fill(false);
        for (std::size_t i = 0; i < length; ++i) {
            if (!placeAt(i, prefix.letters[i]))
                return false;
        }
        return true;
    }

    bool step(const std::atomic<bool> &haltFlag, const Found &found, std::uint64_t &tried)
    {
        halt = &haltFlag;
        halted = false;
        if (done)
            return false;
        if (round < 0 && !nextRound())
            return false;
        Bucket &bucket = buckets[position];
        if (!sorted) {
            std::sort(bucket.prefixes.begin(), bucket.prefixes.end(),
                      [](const Prefix &a, const Prefix &b) { return a.log10 > b.log10; });
            sorted = true;
            lastHash = 0;
        }
        std::size_t taken = 0;
        while (at < bucket.prefixes.size() && expanded < width && taken < statesPerStep) {
            if (halt->load(std::memory_order_relaxed))
                return false;
            const Prefix &prefix = bucket.prefixes[at++];
            if (at > 1 && prefix.hash == lastHash)
                continue;
            lastHash = prefix.hash;
            if (!load(prefix, position) || verdictOn(position) == SquareVerdict::Contradicts)
                continue;
            ++taken;
            ++expanded;
            if (position == cipher.size()) {
                Square square{};
                if (squareFor(equationsOf(cipher, plain.data(), position), squareBudget * 4, &square) != SquareVerdict::Holds)
                    continue;
                std::vector<Letter> decrypted(cipher.size());
                decryptLetters(square, cipher.data(), cipher.size(), decrypted.data());
                if (!std::equal(decrypted.begin(), decrypted.end(), plain.begin()))
                    continue;
                found(square, decrypted, prefix.log10, current->language);
                continue;
            }
            const std::uint64_t before = visited;
            walk(0, position, prefix.log10);
            tried += visited - before;
        }
        if (at < bucket.prefixes.size() && expanded < width)
            return true;
        // The position is through: on to the next that holds prefixes.
        bucket.prefixes.clear();
        bucket.prefixes.shrink_to_fit();
        at = 0;
        expanded = 0;
        sorted = false;
        ++position;
        if (position > cipher.size())
            return nextRound();
        return true;
    }
};

std::vector<PlaintextAttack::Word> PlaintextAttack::commonWords(Language language, std::size_t count)
{
    std::vector<Word> words;
    const WordStatistics &statistics = WordStatistics::of(language);
    std::size_t rank = 0;
    for (const WordStatistics::Word &word : statistics.words()) {
        if (words.size() >= count)
            break;
        ++rank;
        Word w;
        for (char c : word.spelling) {
            const int letter = letterNumber(c);
            if (letter < 0) {
                w.letters.clear();
                break;
            }
            w.letters.push_back(Letter(letter));
        }
        if (w.letters.empty() || (w.letters.size() == 1 && rank > oneLetterWordsAmong))
            continue;
        words.push_back(std::move(w));
    }
    return words;
}

PlaintextAttack::PlaintextAttack(const std::vector<Letter> &ciphertext, std::optional<Language> language,
                                 std::optional<std::vector<Word>> words)
    : m_impl(std::make_unique<Impl>(ciphertext, language, std::move(words)))
{
}

PlaintextAttack::~PlaintextAttack() = default;

bool PlaintextAttack::step(const std::atomic<bool> &halt, const Found &found)
{
    return m_impl->step(halt, found, m_tried);
}

void PlaintextAttack::run(const std::atomic<bool> &halt, const Found &found)
{
    while (step(halt, found)) {
    }
}

std::size_t PlaintextAttack::width() const
{
    return m_impl->width;
}

int PlaintextAttack::round() const
{
    return m_impl->round;
}

PlaintextAttack::Refusal PlaintextAttack::check(const std::vector<Letter> &ciphertext, const std::vector<Letter> &prefix)
{
    if (prefix.size() > ciphertext.size())
        return Refusal::OwnLetter;
    PairMap map;
    map.clear();
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (const Refusal refusal = place(ciphertext, prefix.data(), i, prefix[i], map); refusal != Refusal::None)
            return refusal;
    }
    if (squareFor(equationsOf(ciphertext, prefix.data(), prefix.size()), std::numeric_limits<std::uint64_t>::max(), nullptr)
        == SquareVerdict::Contradicts)
        return Refusal::NoSquare;
    return Refusal::None;
}

} // namespace playfair::analysis
