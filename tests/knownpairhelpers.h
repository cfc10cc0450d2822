#pragma once

#include "analysis/knownpair.h"
#include "analysis/search/pairtables.h"
#include "analysis/search/random.h"

namespace playfair::testing {

// The known pair a square makes of two plain letters.
inline analysis::KnownPair pairOn(const analysis::Square &square, analysis::Letter first, analysis::Letter second)
{
    const analysis::Letter plain[2] = {first, second};
    analysis::Letter cipher[2];
    analysis::encryptLetters(square, plain, 2, cipher);
    analysis::KnownPair pair;
    pair.plain = {first, second};
    pair.cipher = {cipher[0], cipher[1]};
    return pair;
}

// The known pair a square makes of two different plain letters drawn at random.
inline analysis::KnownPair randomPairOn(const analysis::Square &square, analysis::Random &random)
{
    const auto first = analysis::Letter(random.below(25));
    auto second = analysis::Letter(random.below(24));
    if (second >= first)
        ++second;
    return pairOn(square, first, second);
}

} // namespace playfair::testing
