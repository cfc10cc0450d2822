#include "analysis/statistics/wordstatistics.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

// The word lists made by tools/letterstats, embedded at build time.
extern "C" const unsigned char playfair_words_en[];
extern "C" const std::size_t playfair_words_en_size;
extern "C" const unsigned char playfair_words_bg[];
extern "C" const std::size_t playfair_words_bg_size;
extern "C" const unsigned char playfair_pairs_en[];
extern "C" const std::size_t playfair_pairs_en_size;
extern "C" const unsigned char playfair_pairs_bg[];
extern "C" const std::size_t playfair_pairs_bg_size;

namespace playfair::analysis {

namespace {

// Letters in no known word: each run of them costs this much once, and each
// letter in it as much as a letter drawn at random.
constexpr double unknownRunLog10 = -3.0;
const double unknownLetterLog10 = std::log10(1.0 / 25);

// The discount of a pair's count.
constexpr double pairDiscount = 0.75;

// The best divisions kept at each place of the text.
constexpr std::size_t beam = 6;

// Calls `line` with the fields of each line of "FIELD ... COUNT".
template<typename F>
void forEachCountedLine(std::string_view lines, F line)
{
    while (!lines.empty()) {
        const std::size_t end = std::min(lines.find('\n'), lines.size());
        const std::string_view text = lines.substr(0, end);
        lines.remove_prefix(std::min(end + 1, lines.size()));
        const std::size_t space = text.rfind(' ');
        if (space == 0 || space == std::string_view::npos)
            continue;
        std::uint64_t count = 0;
        const std::string_view number = text.substr(space + 1);
        const auto [rest, error] = std::from_chars(number.data(), number.data() + number.size(), count);
        if (error != std::errc() || rest != number.data() + number.size() || count == 0)
            continue;
        line(text.substr(0, space), count);
    }
}

bool isFiller(Letter letter, Letter doubled)
{
    static const Letter x = Letter(letterNumber('X'));
    static const Letter q = Letter(letterNumber('Q'));
    return letter == (doubled == x ? q : x);
}

} // namespace

const WordStatistics &WordStatistics::of(Language language)
{
    const auto text = [](const unsigned char *bytes, std::size_t size) {
        return std::string_view(reinterpret_cast<const char *>(bytes), size);
    };
    if (language == Language::English) {
        static const WordStatistics english = fromText(text(playfair_words_en, playfair_words_en_size),
                                                       text(playfair_pairs_en, playfair_pairs_en_size));
        return english;
    }
    static const WordStatistics bulgarian = fromText(text(playfair_words_bg, playfair_words_bg_size),
                                                     text(playfair_pairs_bg, playfair_pairs_bg_size));
    return bulgarian;
}

WordStatistics WordStatistics::fromText(std::string_view lines, std::string_view pairLines)
{
    WordStatistics statistics;
    // The words' letters and counts, then the trie built over them sorted.
    struct Entry
    {
        std::vector<Letter> letters;
        std::uint64_t count;
        std::int32_t word;
    };
    std::vector<Entry> entries;
    forEachCountedLine(lines, [&](std::string_view spelling, std::uint64_t count) {
        if (spelling.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string_view::npos)
            return;
        Entry entry{{}, count, std::int32_t(statistics.m_words.size())};
        for (char c : spelling)
            entry.letters.push_back(Letter(letterNumber(c)));
        entries.push_back(std::move(entry));
        statistics.m_total += count;
        statistics.m_words.push_back({std::string(spelling), count});
    });
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.letters < b.letters; });

    // Breadth first: a node's children are made together, so they stand
    // side by side. Each node stands for the entries [begin, end) that share
    // its letters, `depth` of them.
    struct Range
    {
        std::size_t begin, end, depth;
    };
    std::vector<Range> ranges{{0, entries.size(), 0}};
    std::vector<std::uint64_t> nodeCounts;
    statistics.m_nodes.emplace_back();
    for (std::size_t n = 0; n < ranges.size(); ++n) {
        const Range range = ranges[n];
        std::size_t i = range.begin;
        std::uint64_t count = 0;
        // The entries that end here are the node's word (the commonest
        // spelling first, as the list has them).
        while (i < range.end && entries[i].letters.size() == range.depth) {
            Node &node = statistics.m_nodes[n];
            if (node.word < 0 || entries[i].word < node.word)
                node.word = entries[i].word;
            count += entries[i].count;
            ++i;
        }
        if (count > 0)
            statistics.m_nodes[n].log10p = float(std::log10(double(count) / double(statistics.m_total)));
        nodeCounts.push_back(count);
        statistics.m_nodes[n].firstChild = std::int32_t(statistics.m_nodes.size());
        while (i < range.end) {
            const Letter letter = entries[i].letters[range.depth];
            std::size_t j = i;
            while (j < range.end && entries[j].letters[range.depth] == letter)
                ++j;
            statistics.m_nodes[n].children |= 1u << letter;
            statistics.m_nodes.emplace_back();
            ranges.push_back({i, j, range.depth + 1});
            i = j;
        }
    }

    // The pairs: P(second | first) = max(c - D, 0) / c(first) + the share
    // left * P(second).
    struct Pair
    {
        std::uint64_t key;
        std::uint64_t count;
    };
    std::vector<Pair> pairs;
    forEachCountedLine(pairLines, [&](std::string_view text, std::uint64_t count) {
        const std::size_t space = text.find(' ');
        if (space == std::string_view::npos)
            return;
        const std::int32_t first = statistics.nodeOf(text.substr(0, space));
        const std::int32_t second = statistics.nodeOf(text.substr(space + 1));
        if (first < 0 || second < 0)
            return;
        statistics.m_pairs.emplace_back(text);
        pairs.push_back({std::uint64_t(first) << 32 | std::uint32_t(second), count});
    });
    std::sort(pairs.begin(), pairs.end(), [](const Pair &a, const Pair &b) { return a.key < b.key; });
    std::vector<double> taken(statistics.m_nodes.size(), 0);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i > 0 && pairs[i].key == pairs[i - 1].key)
            continue; // two spellings of one pair: the first counts
        const auto first = std::size_t(pairs[i].key >> 32);
        const auto second = std::size_t(pairs[i].key & 0xFFFFFFFF);
        const double firstCount = double(std::max(nodeCounts[first], pairs[i].count));
        const double seen = std::max(double(pairs[i].count) - pairDiscount, 0.0) / firstCount;
        taken[first] += seen;
        statistics.m_pairKeys.push_back(pairs[i].key);
        statistics.m_pairLog10.push_back(float(seen)); // the share left is added below
        (void)second;
    }
    statistics.m_backOffLog10.resize(statistics.m_nodes.size());
    for (std::size_t n = 0; n < statistics.m_nodes.size(); ++n)
        statistics.m_backOffLog10[n] = float(std::log10(std::max(1 - taken[n], 1e-6)));
    for (std::size_t i = 0; i < statistics.m_pairKeys.size(); ++i) {
        const auto first = std::size_t(statistics.m_pairKeys[i] >> 32);
        const auto second = std::size_t(statistics.m_pairKeys[i] & 0xFFFFFFFF);
        const double p = statistics.m_pairLog10[i]
            + std::pow(10.0, double(statistics.m_backOffLog10[first]) + double(statistics.m_nodes[second].log10p));
        statistics.m_pairLog10[i] = float(std::log10(p));
    }
    return statistics;
}

std::int32_t WordStatistics::nodeOf(std::string_view spelling) const
{
    std::int32_t node = 0;
    for (char c : spelling) {
        const int letter = letterNumber(c);
        if (letter < 0 || (node = child(node, Letter(letter))) < 0)
            return -1;
    }
    return m_nodes[std::size_t(node)].word >= 0 ? node : -1;
}

double WordStatistics::log10Given(std::int32_t previous, std::int32_t word) const
{
    const double alone = m_nodes[std::size_t(word)].log10p;
    if (previous < 0)
        return alone;
    const std::uint64_t key = std::uint64_t(previous) << 32 | std::uint32_t(word);
    const auto found = std::lower_bound(m_pairKeys.begin(), m_pairKeys.end(), key);
    if (found != m_pairKeys.end() && *found == key)
        return m_pairLog10[std::size_t(found - m_pairKeys.begin())];
    return m_backOffLog10[std::size_t(previous)] + alone;
}

std::optional<double> WordStatistics::log10Of(std::string_view cleanedLetters) const
{
    const std::int32_t node = nodeOf(cleanedLetters);
    if (node < 0)
        return std::nullopt;
    return m_nodes[std::size_t(node)].log10p;
}

std::optional<double> WordStatistics::log10OfPhrase(std::string_view first, std::string_view second) const
{
    const std::int32_t a = nodeOf(first);
    const std::int32_t b = nodeOf(second);
    if (a < 0 || b < 0)
        return std::nullopt;
    return double(m_nodes[std::size_t(a)].log10p) + log10Given(a, b);
}

std::string WordStatistics::Division::text() const
{
    std::string joined;
    for (const std::string &word : words) {
        if (!joined.empty())
            joined += ' ';
        joined += word;
    }
    return joined;
}

WordStatistics::Division WordStatistics::divide(const Letter *plain, std::size_t count) const
{
    // The fillers between doubled letters stand second in a pair, between
    // two equal letters.
    std::vector<Letter> letters;
    letters.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (i % 2 == 1 && i + 1 < count && plain[i - 1] == plain[i + 1] && isFiller(plain[i], plain[i - 1]))
            continue;
        letters.push_back(plain[i]);
    }
    // The last letter of an even text may be the filler that evened it.
    const bool evened = count % 2 == 0 && count >= 2 && isFiller(plain[count - 1], plain[count - 2]) && !letters.empty();
    // A long text is divided in parts, so that the division's memory stays
    // small; a word cut at a part's end is the price.
    Division division;
    std::size_t start = 0;
    while (letters.size() - start > dividedPart) {
        const std::vector<Letter> part(letters.begin() + std::ptrdiff_t(start),
                                       letters.begin() + std::ptrdiff_t(start + dividedPart));
        Division piece = divideLetters(part);
        division.words.insert(division.words.end(), piece.words.begin(), piece.words.end());
        division.log10Probability += piece.log10Probability;
        division.unknownLetters += piece.unknownLetters;
        start += dividedPart;
    }
    std::vector<Letter> rest(letters.begin() + std::ptrdiff_t(start), letters.end());
    Division last = divideLetters(rest);
    if (evened && !rest.empty()) {
        rest.pop_back();
        Division shorter = divideLetters(rest);
        if (shorter.log10Probability > last.log10Probability)
            last = std::move(shorter);
    }
    division.words.insert(division.words.end(), last.words.begin(), last.words.end());
    division.log10Probability += last.log10Probability;
    division.unknownLetters += last.unknownLetters;
    return division;
}

WordStatistics::Division WordStatistics::divideLetters(const std::vector<Letter> &letters) const
{
    // Each place of the text keeps its best few divisions so far, each
    // ending in a word (its node) or in letters of no word (-1).
    struct State
    {
        double score;
        std::int32_t word;
        std::size_t from;      // where its last part began
        std::size_t fromState; // the state there it continues
    };
    const std::size_t n = letters.size();
    std::vector<std::vector<State>> states(n + 1);
    states[0].push_back({0, -1, 0, 0});
    const auto offer = [&](std::size_t at, const State &state) {
        std::vector<State> &here = states[at];
        for (State &held : here) {
            if (held.word == state.word) {
                if (state.score > held.score)
                    held = state;
                return;
            }
        }
        if (here.size() < beam) {
            here.push_back(state);
            return;
        }
        auto worst = std::min_element(here.begin(), here.end(), [](const State &a, const State &b) { return a.score < b.score; });
        if (state.score > worst->score)
            *worst = state;
    };
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t s = 0; s < states[i].size(); ++s) {
            const State from = states[i][s];
            std::int32_t node = 0;
            for (std::size_t j = i; j < n && j - i < longestWord; ++j) {
                if (node >= 0)
                    node = child(node, letters[j]);
                if (node >= 0 && m_nodes[std::size_t(node)].word >= 0)
                    offer(j + 1, {from.score + log10Given(from.word, node), node, i, s});
                // Letters in no word continue a run of them at no new cost.
                const double unknown = from.word < 0 && i > 0 ? unknownLetterLog10 * double(j - i + 1)
                                                              : unknownRunLog10 + unknownLetterLog10 * double(j - i + 1);
                if (j == i || from.word >= 0 || i == 0)
                    offer(j + 1, {from.score + unknown, -1, i, s});
            }
        }
    }

    Division division;
    const auto last = std::max_element(states[n].begin(), states[n].end(),
                                       [](const State &a, const State &b) { return a.score < b.score; });
    division.log10Probability = last->score;
    std::size_t at = n;
    std::size_t index = std::size_t(last - states[n].begin());
    std::vector<std::pair<std::size_t, std::int32_t>> parts; // where each part ends, and its word
    while (at > 0) {
        const State &state = states[at][index];
        parts.emplace_back(at, state.word);
        index = state.fromState;
        at = state.from;
    }
    std::reverse(parts.begin(), parts.end());
    std::size_t start = 0;
    std::string unknown;
    for (const auto &[end, word] : parts) {
        if (word >= 0) {
            if (!unknown.empty())
                division.words.push_back(std::exchange(unknown, std::string()));
            division.words.push_back(m_words[std::size_t(m_nodes[std::size_t(word)].word)].spelling);
        } else {
            unknown += lettersToText(letters.data() + start, end - start);
            division.unknownLetters += end - start;
        }
        start = end;
    }
    if (!unknown.empty())
        division.words.push_back(unknown);
    return division;
}

} // namespace playfair::analysis
