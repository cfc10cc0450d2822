#pragma once

#include "analysis/alphabet.h"

#include <cstddef>
#include <cstdint>

namespace playfair::analysis {

class LanguageModel;
class LetterStatistics;

// What a search adds up to score a plaintext: one table value for each run
// of `order` letters (four or five), and, for a language model, the values
// of the opening letters by their shorter contexts. The sum is in table
// units of unitLog10 each; the larger, the likelier the text.
struct GroupScore
{
    const std::uint8_t *table = nullptr; // 25^order values, then at least 4 bytes of padding
    int order = 4;
    double unitLog10 = 0;
    // How far apart, in log10 per group, ordinary text and random letters
    // stand: searches set their temperature by it.
    double spreadLog10 = 0;
    double floorLog10 = 0;  // what table value 0 stands for
    double randomLog10 = 0; // a group of random letters, on average
    const LanguageModel *model = nullptr;

    static GroupScore of(const LetterStatistics &statistics);
    static GroupScore of(const LanguageModel &model);

    // The score of `count` letters.
    int sum(const Letter *letters, std::size_t count) const;

    // How a sum of `other`'s units reads in this score's units, each
    // language's letters placed alike between its random letters and its
    // ordinary text: a * sum + b * groups.
    struct Rescale
    {
        double a = 1;
        double b = 0;
    };
    Rescale rescaleFrom(const GroupScore &other) const;

    // Whether this processor takes the AVX2 path.
    static bool avx2();
};

} // namespace playfair::analysis
