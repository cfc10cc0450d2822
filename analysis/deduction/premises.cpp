#include "analysis/deduction/premises.h"

#include "analysis/deduction/puzzle.h"

#include <algorithm>

namespace playfair::analysis::deduction {

namespace {

struct Item
{
    bool placed = false;
    std::size_t number = 0;
};

std::vector<Item> itemsOf(const Premises &premises)
{
    std::vector<Item> items;
    for (std::size_t pair : premises.pairs)
        items.push_back({false, pair});
    for (std::size_t placed : premises.placed)
        items.push_back({true, placed});
    return items;
}

Premises premisesOf(const std::vector<Item> &items)
{
    Premises premises;
    for (const Item &item : items)
        (item.placed ? premises.placed : premises.pairs).push_back(item.number);
    std::sort(premises.pairs.begin(), premises.pairs.end());
    std::sort(premises.placed.begin(), premises.placed.end());
    return premises;
}

// What links an item to others: its letters, and for a placed letter the
// square's cells (bit 25), which all placed letters share.
std::uint32_t linksOf(const DeductionInput &input, const Item &item)
{
    if (item.placed)
        return 1u << input.placed[item.number].letter | 1u << 25;
    std::uint32_t letters = 0;
    for (int position = 0; position < 4; ++position) {
        const int letter = input.pairs[item.number].letter(position);
        if (letter != unknownLetter)
            letters |= 1u << letter;
    }
    return letters;
}

Verdict verdictWithout(const DeductionInput &input, const std::vector<Item> &items, const Fact *negated,
                       std::uint64_t budget)
{
    Puzzle puzzle = puzzleOf(input, premisesOf(items), negated ? lettersOf(input, *negated) : 0);
    if (negated)
        addNegation(puzzle, input, *negated);
    return verdictOf(puzzle, budget);
}

// Leaves out, one by one, each item without which the items (with the
// negated fact) still have no solution. `kept` stays in.
std::vector<Item> shrunk(const DeductionInput &input, std::vector<Item> items, const Fact *negated,
                         std::optional<std::size_t> kept, const Budgets &budgets)
{
    for (std::size_t i = 0; i < items.size();) {
        if (kept && !items[i].placed && items[i].number == *kept) {
            ++i;
            continue;
        }
        std::vector<Item> without = items;
        without.erase(without.begin() + std::ptrdiff_t(i));
        if (verdictWithout(input, without, negated, budgets.verdict) == Verdict::Unsatisfiable)
            items = std::move(without);
        else
            ++i;
    }
    return items;
}

} // namespace

Premises allPremises(const DeductionInput &input)
{
    Premises premises;
    for (std::size_t i = 0; i < input.pairs.size(); ++i)
        premises.pairs.push_back(i);
    for (std::size_t i = 0; i < input.placed.size(); ++i)
        premises.placed.push_back(i);
    return premises;
}

Premises smallestContradiction(const DeductionInput &input, Premises premises, const Budgets &budgets)
{
    const std::vector<Item> all = itemsOf(premises);
    std::vector<Item> items = shrunk(input, all, nullptr, std::nullopt, budgets);
    // Leaving items out one by one finds a set that needs each of them; a
    // smaller one may still hide among sets of a few items that share letters.
    std::vector<std::uint32_t> links;
    for (const Item &item : all)
        links.push_back(linksOf(input, item));
    const auto contradicts = [&](std::vector<Item> subset) {
        return verdictWithout(input, subset, nullptr, budgets.refutation) == Verdict::Unsatisfiable;
    };
    const std::size_t n = all.size();
    int checks = 0;
    constexpr int mostChecks = 3000;
    for (std::size_t size = 1; size < std::min<std::size_t>(items.size(), 4) && checks < mostChecks; ++size) {
        for (std::size_t i = 0; i < n && checks < mostChecks; ++i) {
            if (size == 1) {
                ++checks;
                if (contradicts({all[i]}))
                    return premisesOf({all[i]});
                continue;
            }
            for (std::size_t j = i + 1; j < n && checks < mostChecks; ++j) {
                const bool ij = links[i] & links[j];
                if (size == 2) {
                    if (ij && (++checks, contradicts({all[i], all[j]})))
                        return premisesOf({all[i], all[j]});
                    continue;
                }
                for (std::size_t k = j + 1; k < n && checks < mostChecks; ++k) {
                    const int joined = ij + bool(links[i] & links[k]) + bool(links[j] & links[k]);
                    if (joined >= 2 && (++checks, contradicts({all[i], all[j], all[k]})))
                        return premisesOf({all[i], all[j], all[k]});
                }
            }
        }
    }
    return premisesOf(items);
}

std::optional<Premises> premisesOfFact(const DeductionInput &input, const Premises &premises, const Fact &fact,
                                       const Budgets &budgets)
{
    std::optional<std::size_t> kept;
    if (const auto *ruledOut = std::get_if<RuledOut>(&fact))
        kept = ruledOut->pair;
    if (const auto *filled = std::get_if<FilledIn>(&fact))
        kept = filled->pair;
    if (kept && std::find(premises.pairs.begin(), premises.pairs.end(), *kept) == premises.pairs.end())
        return std::nullopt;
    const std::vector<Item> items = itemsOf(premises);
    if (verdictWithout(input, items, &fact, budgets.verdict) != Verdict::Unsatisfiable)
        return std::nullopt;
    return premisesOf(shrunk(input, items, &fact, kept, budgets));
}

} // namespace playfair::analysis::deduction
