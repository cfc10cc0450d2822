#include "analysis/search/fragmentcrib.h"

#include "analysis/deduction.h"

#include <algorithm>

namespace playfair::analysis {

std::size_t bestStretch(const GroupScore &score, const Letter *plain, std::size_t letters, std::size_t length)
{
    std::size_t best = 0;
    int bestSum = 0;
    for (std::size_t at = 0; at + length <= letters; at += 2) {
        const int sum = score.sum(plain + at, length);
        if (at == 0 || sum > bestSum) {
            best = at;
            bestSum = sum;
        }
    }
    return best;
}

std::optional<FragmentCrib> fragmentCrib(const std::vector<Letter> &plain, std::size_t position, std::size_t length,
                                         const std::vector<Letter> &ciphertext)
{
    if (position % 2 || length < 2 || position + length > std::min(plain.size(), ciphertext.size()))
        return std::nullopt;
    FragmentCrib fragment;
    fragment.position = position;
    fragment.letters.assign(plain.begin() + std::ptrdiff_t(position), plain.begin() + std::ptrdiff_t(position + length));
    const std::vector<Letter> cipher(ciphertext.begin() + std::ptrdiff_t(position),
                                     ciphertext.begin() + std::ptrdiff_t(position + length));
    DeductionInput input;
    input.pairs = pairsOfPlaintext(fragment.letters, cipher);
    // A pair no square gives (a doubled letter, a letter its own cipher
    // letter) is refused before the deduction, which takes only equations
    // a square could satisfy.
    for (const KnownPair &pair : input.pairs) {
        if (pair.plain[0] == pair.plain[1] || pair.cipher[0] == pair.cipher[1] || pair.plain[0] == pair.cipher[0]
            || pair.plain[1] == pair.cipher[1])
            return std::nullopt;
    }
    input.ciphertext = ciphertext;
    if (input.ciphertext.size() % 2)
        input.ciphertext.pop_back();
    const DeductionResult result = deduce(input);
    if (result.consistency != Consistency::Consistent)
        return std::nullopt;

    // Every cipher pair whose plain letters follow, each once: the
    // stretch's own and those the deduction reads elsewhere.
    for (std::size_t i = 0; i + 1 < result.plaintext.size(); i += 2) {
        KnownPair pair;
        pair.plain = {result.plaintext[i], result.plaintext[i + 1]};
        pair.cipher = {ciphertext[i], ciphertext[i + 1]};
        fragment.readLetters += std::size_t(pair.plain[0] != unknownLetter) + std::size_t(pair.plain[1] != unknownLetter);
        if (pair.plain[0] == unknownLetter && pair.plain[1] == unknownLetter)
            continue;
        const KnownPair reversed{{pair.plain[1], pair.plain[0]}, {pair.cipher[1], pair.cipher[0]}};
        if (std::find(fragment.pairs.begin(), fragment.pairs.end(), pair) == fragment.pairs.end()
            && std::find(fragment.pairs.begin(), fragment.pairs.end(), reversed) == fragment.pairs.end())
            fragment.pairs.push_back(pair);
    }
    fragment.crib.bindPairs(fragment.pairs, ciphertext);
    return fragment;
}

} // namespace playfair::analysis
