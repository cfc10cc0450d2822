#pragma once

#include "analysis/alphabet.h"
#include "analysis/statistics/letterstatistics.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace playfair::analysis {

// The words of a language and how often they occur, alone and in pairs,
// counted in the same public-domain books as the letter statistics
// (Bulgarian in Latin letters). They name key words, give the key-word
// search its candidates, and divide a found plaintext into likely words, by
// a model of each word given the one before (interpolated absolute
// discounting of the pairs' counts, backed off to the words').
class WordStatistics
{
public:
    struct Word
    {
        std::string spelling; // capital Latin letters, J kept
        std::uint64_t count = 0;
    };

    // The lists built into the program, read on first use.
    static const WordStatistics &of(Language language);

    // Lines of "WORD COUNT", the commonest first, and of "FIRST SECOND
    // COUNT", as tools/letterstats writes them; lines that are not such are
    // skipped.
    static WordStatistics fromText(std::string_view words, std::string_view pairs = {});

    // Every word, the commonest first.
    const std::vector<Word> &words() const { return m_words; }
    // The pairs of words, "FIRST SECOND", the commonest first.
    const std::vector<std::string> &pairs() const { return m_pairs; }

    // log10 of a word's share of all words, by its letters as a plaintext
    // has them (J as I); nothing for a word the list does not hold.
    std::optional<double> log10Of(std::string_view cleanedLetters) const;
    // log10 of a phrase's share: the first word's, and the second's after
    // it by the model of a word after the one before; nothing when the list
    // does not hold both words.
    std::optional<double> log10OfPhrase(std::string_view first, std::string_view second) const;

    // A plaintext divided into words, as a reader would guess them.
    struct Division
    {
        std::vector<std::string> words; // known words in their spelling; other letters as they stand
        double log10Probability = 0;    // of the division, by a model of words and of letters outside them
        std::size_t unknownLetters = 0; // letters in no known word
        std::string text() const;       // the words with a space between
    };

    // The likeliest division of a plaintext into words. The letters that
    // Playfair's preparation adds (an X, or a Q, between the letters of a
    // doubled pair, and one at the end of an odd message) are dropped where
    // they stand, so "MILXLX" reads MILL.
    Division divide(const Letter *plain, std::size_t count) const;

    // The most letters of a word the division looks for.
    static constexpr std::size_t longestWord = 24;
    // Longer texts are divided in parts of this many letters.
    static constexpr std::size_t dividedPart = 2000;

private:
    // A trie of the words' letters, node 0 the root: each node's children
    // stand together in the order of their letters, found by counting the
    // bits of `children` below a letter's.
    struct Node
    {
        std::uint32_t children = 0; // bit l set: a child for letter l
        std::int32_t firstChild = 0;
        std::int32_t word = -1; // the index of the commonest word with these letters
        float log10p = 0;
    };

    // The trie node of a word's letters (J as I), or -1.
    std::int32_t nodeOf(std::string_view spelling) const;
    // log10 P(word | previous), words as their nodes; previous -1 at the
    // start or after letters in no word.
    double log10Given(std::int32_t previous, std::int32_t word) const;

    std::int32_t child(std::int32_t node, Letter letter) const
    {
        const Node &n = m_nodes[std::size_t(node)];
        if (!(n.children >> letter & 1))
            return -1;
        return n.firstChild + std::popcount(n.children & ((1u << letter) - 1));
    }
    Division divideLetters(const std::vector<Letter> &letters) const;

    std::vector<Word> m_words;
    std::vector<Node> m_nodes;
    std::uint64_t m_total = 0;
    std::vector<std::string> m_pairs;
    // The pairs seen, as (first node << 32 | second node), sorted, with
    // log10 P(second | first); and for each node the log10 of the share its
    // pairs leave to the words alone.
    std::vector<std::uint64_t> m_pairKeys;
    std::vector<float> m_pairLog10;
    std::vector<float> m_backOffLog10;
};

} // namespace playfair::analysis
