#include "analysis/deduction/component.h"

#include "analysis/deduction/tally.h"

#include <numeric>

namespace playfair::analysis::deduction {

namespace {

// Distances along one axis that are known to hold: letters in groups, each
// letter so many steps from its group's first. What two distances give
// follows without a search.
class Distances
{
public:
    explicit Distances(int letters)
        : m_parent(std::size_t(letters))
        , m_steps(std::size_t(letters), 0)
    {
        std::iota(m_parent.begin(), m_parent.end(), 0);
    }

    // `second` stands `steps` from `first`.
    void join(int first, int second, int steps)
    {
        const auto [a, fromA] = find(first);
        const auto [b, fromB] = find(second);
        if (a == b)
            return;
        m_parent[std::size_t(b)] = a;
        m_steps[std::size_t(b)] = ((fromA + steps - fromB) % 5 + 5) % 5;
    }

    bool known(int first, int second, int steps) const
    {
        const auto [a, fromA] = find(first);
        const auto [b, fromB] = find(second);
        return a == b && ((fromB - fromA) % 5 + 5) % 5 == steps;
    }

private:
    std::pair<int, int> find(int letter) const
    {
        int steps = 0;
        while (m_parent[std::size_t(letter)] != letter) {
            steps += m_steps[std::size_t(letter)];
            letter = m_parent[std::size_t(letter)];
        }
        return {letter, steps % 5};
    }

    std::vector<int> m_parent;
    std::vector<int> m_steps;
};

// The equations (and placed letters) of a part that name a letter of the
// fact, and the fact's own equation.
Premises localPremises(const DeductionInput &input, const Premises &premises, const Fact &fact)
{
    const std::uint32_t letters = lettersOf(input, fact);
    const auto *ruledOut = std::get_if<RuledOut>(&fact);
    const auto *filled = std::get_if<FilledIn>(&fact);
    Premises local;
    for (std::size_t pair : premises.pairs) {
        bool names = (ruledOut && ruledOut->pair == pair) || (filled && filled->pair == pair);
        for (int position = 0; position < 4 && !names; ++position) {
            const int letter = input.pairs[pair].letter(position);
            names = letter != unknownLetter && (letters >> letter & 1);
        }
        if (names)
            local.pairs.push_back(pair);
    }
    for (std::size_t placed : premises.placed) {
        if (letters >> input.placed[placed].letter & 1)
            local.placed.push_back(placed);
    }
    return local;
}

} // namespace

ComponentResult analyseComponent(const DeductionInput &input, const Premises &premises, const Budgets &budgets)
{
    ComponentResult result;
    const Puzzle puzzle = puzzleOf(input, premises);
    const Propagator propagator(puzzle.model);
    Tally tally(puzzle, input);
    Search listing(propagator);
    std::uint64_t budget = budgets.enumeration;
    const bool listedAll = listing.run(
        [&](const State &solution) {
            tally.add(propagator, solution);
            return tally.solutions() < budgets.listed;
        },
        budget);
    if (tally.solutions() == 0) {
        result.verdict = listedAll ? Verdict::Unsatisfiable : Verdict::Unknown;
        return result;
    }
    result.arrangements = tally.solutions();
    result.arrangementsExact = listedAll;

    std::vector<Fact> facts;
    if (listedAll) {
        facts = tally.candidates();
    } else {
        // The solutions listed share their first choices: random searches
        // find others that refute more at once.
        for (int i = 0; i < budgets.samples; ++i) {
            Search sampling(propagator);
            sampling.setOrder(std::uint64_t(i + 1) * 0x2545F4914F6CDD1Dull);
            budget = budgets.sample;
            sampling.run(
                [&](const State &solution) {
                    tally.add(propagator, solution);
                    return false;
                },
                budget);
        }
        // Each candidate still standing is a fact when no square refutes
        // it; a search that runs out of time decides nothing.
        const int letters = puzzle.model.letterVariables;
        Distances down(letters);
        Distances right(letters);
        for (const Fact &candidate : tally.candidates()) {
            if (tally.refuted(candidate))
                continue;
            const auto *distance = std::get_if<LetterDistance>(&candidate);
            const int first = distance ? puzzle.variableOf[distance->first] : 0;
            const int second = distance ? puzzle.variableOf[distance->second] : 0;
            bool follows = false;
            if (distance) {
                switch (distance->direction) {
                case Direction::Down:
                    follows = down.known(first, second, distance->steps);
                    break;
                case Direction::Right:
                    follows = right.known(first, second, distance->steps);
                    break;
                case Direction::AlongLine:
                    follows = (down.known(first, second, 0) && right.known(first, second, distance->steps))
                        || (right.known(first, second, 0) && down.known(first, second, distance->steps));
                    break;
                }
            }
            // Most facts follow from the equations of their own letters:
            // those alone, with fewer letters to place, prove it soonest.
            if (!follows) {
                Puzzle local = puzzleOf(input, localPremises(input, premises, candidate), lettersOf(input, candidate));
                addNegation(local, input, candidate);
                follows = verdictOf(local, budgets.local) == Verdict::Unsatisfiable;
            }
            if (!follows) {
                Puzzle negated = puzzle;
                addNegation(negated, input, candidate);
                const Propagator negatedPropagator(negated.model);
                Search refuting(negatedPropagator);
                budget = budgets.refutation;
                bool found = false;
                const bool through = refuting.run(
                    [&](const State &solution) {
                        tally.add(negatedPropagator, solution);
                        found = true;
                        return false;
                    },
                    budget);
                if (!found && !through)
                    result.complete = false;
                follows = !found && through;
            }
            if (!follows)
                continue;
            facts.push_back(candidate);
            if (distance && distance->direction == Direction::Down)
                down.join(first, second, distance->steps);
            if (distance && distance->direction == Direction::Right)
                right.join(first, second, distance->steps);
        }
    }
    result.rules.assign(puzzle.model.equations.size(), anyRule);
    for (const Fact &fact : facts) {
        if (const auto *ruledOut = std::get_if<RuledOut>(&fact))
            result.rules[std::size_t(puzzle.equationOf(ruledOut->pair))] &= std::uint8_t(~ruleBit(ruledOut->rule));
    }
    result.facts = std::move(facts);
    return result;
}

} // namespace playfair::analysis::deduction
