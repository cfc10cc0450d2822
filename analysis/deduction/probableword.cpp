#include "analysis/deduction.h"

#include "analysis/deduction/component.h"
#include "analysis/deduction/premises.h"
#include "analysis/deduction/puzzle.h"

#include <algorithm>

namespace playfair::analysis {

using namespace deduction;

std::vector<KnownPair> pairsOfWordAt(const std::vector<Letter> &word, std::size_t position,
                                     const std::vector<Letter> &ciphertext)
{
    std::vector<KnownPair> pairs;
    const std::size_t end = std::min(position + word.size(), ciphertext.size());
    for (std::size_t start = position & ~std::size_t(1); start < end && start + 1 < ciphertext.size(); start += 2) {
        KnownPair pair;
        for (std::size_t i = 0; i < 2; ++i) {
            const std::size_t at = start + i;
            if (at >= position && at < end)
                pair.plain[i] = word[at - position];
        }
        pair.cipher = {ciphertext[start], ciphertext[start + 1]};
        pairs.push_back(pair);
    }
    return pairs;
}

std::vector<WordPlace> placesOfWord(const std::vector<Letter> &word, const DeductionInput &known)
{
    const std::vector<Letter> &cipher = known.ciphertext;
    std::vector<WordPlace> places;
    if (word.empty() || word.size() > cipher.size())
        return places;
    const Budgets budgets;
    for (std::size_t position = 0; position + word.size() <= cipher.size(); ++position) {
        WordPlace place;
        place.position = position;
        place.pairs = pairsOfWordAt(word, position, cipher);
        for (std::size_t i = 0; i < word.size() && place.verdict == WordPlace::Verdict::Possible; ++i) {
            if (word[i] == cipher[position + i]) {
                place.verdict = WordPlace::Verdict::OwnCipherLetter;
                place.at = position + i;
            }
        }
        for (std::size_t p = 0; p < place.pairs.size() && place.verdict == WordPlace::Verdict::Possible; ++p) {
            const KnownPair &pair = place.pairs[p];
            if (pair.plain[0] != unknownLetter && pair.plain[0] == pair.plain[1]) {
                place.verdict = WordPlace::Verdict::DoubledLetter;
                place.at = (position >> 1) + p;
            }
        }
        if (place.verdict == WordPlace::Verdict::Possible) {
            // The word's pairs after the known ones, and whether they all hold.
            DeductionInput with = known;
            with.pairs.insert(with.pairs.end(), place.pairs.begin(), place.pairs.end());
            const Premises all = allPremises(with);
            if (verdictOf(puzzleOf(with, all), budgets.verdict) == Verdict::Unsatisfiable) {
                place.verdict = WordPlace::Verdict::Contradiction;
                // What was known held together: the contradiction lies in the
                // parts that hold the word's pairs, if it lies in one part.
                Premises searched = all;
                for (const Premises &part : componentsOf(with)) {
                    const bool holdsWord = std::any_of(part.pairs.begin(), part.pairs.end(),
                                                       [&](std::size_t pair) { return pair >= known.pairs.size(); });
                    if (holdsWord && verdictOf(puzzleOf(with, part), budgets.verdict) == Verdict::Unsatisfiable) {
                        searched = part;
                        break;
                    }
                }
                const Premises smallest = smallestContradiction(with, searched, budgets);
                for (std::size_t pair : smallest.pairs) {
                    if (pair < known.pairs.size())
                        place.knownInContradiction.pairs.push_back(pair);
                    else
                        place.pairsInContradiction.push_back(pair - known.pairs.size());
                }
                place.knownInContradiction.placed = smallest.placed;
            }
        }
        places.push_back(std::move(place));
    }
    return places;
}

} // namespace playfair::analysis
