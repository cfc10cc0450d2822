#pragma once

// The held-out test book of a language (never seen by the statistics), from
// which the solver's and the deduction's benchmarks make their texts and
// key words.

#include "analysis/language.h"
#include "analysis/search/random.h"
#include "analysis/statistics/corpus.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace playfair::bench {

struct HeldOutBook
{
    std::string path;
    std::string raw;
    std::string text;               // its letters, cleaned as a message is
    std::vector<std::string> words; // in order, an empty one where a sentence ends (no pair spans it)
};

// Reads the language's test book, or the book at `path`; its text is empty
// when it cannot be read.
inline HeldOutBook readHeldOutBook(analysis::Language language, std::string path = {})
{
    const bool bulgarian = language == analysis::Language::Bulgarian;
    HeldOutBook book;
    book.path = path.empty() ? std::string(PLAYFAIR_HELDOUT_DIR)
            + (bulgarian ? "/bg_karavelov_maminoto_detentse.txt" : "/en_wells_time_machine.txt")
                             : path;
    std::ifstream file(book.path, std::ios::binary);
    book.raw.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    book.text = analysis::cleanedCorpusText(book.raw, bulgarian);
    analysis::forEachCorpusWord(book.raw, [&book](std::string_view word, bool follows) {
        if (!follows && !book.words.empty())
            book.words.emplace_back();
        book.words.emplace_back(word);
    });
    return book;
}

// A key word as the book's running text has it: a word of 4 letters or
// more, or two words of 3 or more that follow each other.
inline std::string keyOfBook(const HeldOutBook &book, bool phrase, analysis::Random &random)
{
    for (;;) {
        const std::size_t at = random.below(std::uint32_t(book.words.size() - 1));
        const std::string &first = book.words[at];
        const std::string &second = book.words[at + 1];
        if (!phrase && first.size() >= 4)
            return first;
        if (phrase && first.size() >= 3 && second.size() >= 3)
            return first + " " + second;
    }
}

} // namespace playfair::bench
