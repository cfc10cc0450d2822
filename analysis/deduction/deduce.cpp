#include "analysis/deduction.h"

#include "analysis/deduction/component.h"
#include "analysis/deduction/premises.h"
#include "analysis/deduction/puzzle.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace playfair::analysis {

using namespace deduction;

namespace deduction {

std::vector<Premises> componentsOf(const DeductionInput &input)
{
    // Letters 0..24, and 25 for the square's cells, which placed letters share.
    std::vector<int> parent(26);
    std::iota(parent.begin(), parent.end(), 0);
    const auto find = [&](int x) {
        while (parent[std::size_t(x)] != x)
            x = parent[std::size_t(x)] = parent[std::size_t(parent[std::size_t(x)])];
        return x;
    };
    const auto join = [&](int a, int b) { parent[std::size_t(find(a))] = find(b); };
    std::vector<int> firstLetter(input.pairs.size(), -1);
    for (std::size_t p = 0; p < input.pairs.size(); ++p) {
        for (int position = 0; position < 4; ++position) {
            const int letter = input.pairs[p].letter(position);
            if (letter == unknownLetter)
                continue;
            if (firstLetter[p] < 0)
                firstLetter[p] = letter;
            join(letter, firstLetter[p]);
        }
    }
    for (const PlacedLetter &placed : input.placed)
        join(placed.letter, 25);

    std::map<int, Premises> byRoot;
    std::vector<Premises> alone; // equations of no known letter
    for (std::size_t p = 0; p < input.pairs.size(); ++p) {
        if (firstLetter[p] < 0)
            alone.push_back(Premises{{p}, {}});
        else
            byRoot[find(firstLetter[p])].pairs.push_back(p);
    }
    for (std::size_t i = 0; i < input.placed.size(); ++i)
        byRoot[find(25)].placed.push_back(i);
    std::vector<Premises> components;
    for (auto &[root, premises] : byRoot)
        components.push_back(std::move(premises));
    components.insert(components.end(), alone.begin(), alone.end());
    return components;
}

} // namespace deduction

namespace {

// The pieces of the square: letters joined by known distances both down
// and right, each at its place from its piece's first letter (or, in the
// placed letters' piece, in its cell).
std::vector<Fragment> fragmentsOf(const DeductionInput &input, const std::vector<Fact> &facts)
{
    std::map<std::pair<Letter, Letter>, int> down;
    std::map<std::pair<Letter, Letter>, int> right;
    for (const Fact &fact : facts) {
        if (const auto *distance = std::get_if<LetterDistance>(&fact)) {
            if (distance->direction == Direction::Down)
                down[{distance->first, distance->second}] = distance->steps;
            else if (distance->direction == Direction::Right)
                right[{distance->first, distance->second}] = distance->steps;
        }
    }
    std::array<int, letterCount> parent{};
    std::iota(parent.begin(), parent.end(), 0);
    std::array<SquarePosition, letterCount> from{}; // from the parent
    const auto find = [&](int letter) {
        SquarePosition at{0, 0};
        while (parent[std::size_t(letter)] != letter) {
            at.row += from[std::size_t(letter)].row;
            at.column += from[std::size_t(letter)].column;
            letter = parent[std::size_t(letter)];
        }
        return std::pair{letter, SquarePosition{at.row % 5, at.column % 5}};
    };
    std::array<bool, letterCount> inPiece{};
    for (const auto &[letters, rows] : down) {
        const auto columns = right.find(letters);
        if (columns == right.end())
            continue;
        const auto [a, atA] = find(letters.first);
        const auto [b, atB] = find(letters.second);
        inPiece[letters.first] = inPiece[letters.second] = true;
        if (a == b)
            continue;
        parent[std::size_t(b)] = a;
        from[std::size_t(b)] = {((atA.row + rows - atB.row) % 5 + 5) % 5, ((atA.column + columns->second - atB.column) % 5 + 5) % 5};
    }
    std::array<int, letterCount> placedCell;
    placedCell.fill(-1);
    for (const PlacedLetter &placed : input.placed) {
        placedCell[placed.letter] = placed.cell;
        inPiece[placed.letter] = true;
    }
    std::map<int, Fragment> pieces;
    for (int letter = 0; letter < letterCount; ++letter) {
        if (inPiece[std::size_t(letter)])
            pieces[find(letter).first].letters.push_back({Letter(letter), find(letter).second});
    }
    std::vector<Fragment> fragments;
    for (auto &[root, piece] : pieces) {
        const auto placed = std::find_if(piece.letters.begin(), piece.letters.end(),
                                         [&](const auto &entry) { return placedCell[entry.first] >= 0; });
        if (placed != piece.letters.end()) {
            const int cell = placedCell[placed->first];
            const SquarePosition shift{cell / 5 - placed->second.row, cell % 5 - placed->second.column};
            for (auto &[letter, at] : piece.letters)
                at = {((at.row + shift.row) % 5 + 5) % 5, ((at.column + shift.column) % 5 + 5) % 5};
            piece.placed = true;
        }
        fragments.push_back(std::move(piece));
    }
    std::stable_sort(fragments.begin(), fragments.end(), [](const Fragment &a, const Fragment &b) {
        return std::pair{a.placed, a.letters.size()} > std::pair{b.placed, b.letters.size()};
    });
    return fragments;
}

// A fact along a line says no more than two distances down and right.
void dropLinesImplied(std::vector<Fact> &facts)
{
    std::map<std::pair<Letter, Letter>, int> known;
    for (const Fact &fact : facts) {
        if (const auto *distance = std::get_if<LetterDistance>(&fact); distance && distance->direction != Direction::AlongLine)
            ++known[{distance->first, distance->second}];
    }
    std::erase_if(facts, [&](const Fact &fact) {
        const auto *distance = std::get_if<LetterDistance>(&fact);
        return distance && distance->direction == Direction::AlongLine && known[{distance->first, distance->second}] == 2;
    });
}

// Each cipher pair's reading stands for every place of that cipher pair.
void readEveryPlace(const DeductionInput &input, std::vector<Fact> &facts)
{
    const std::vector<Letter> &cipher = input.ciphertext;
    std::vector<Fact> more;
    for (const Fact &fact : facts) {
        const auto *reading = std::get_if<Reading>(&fact);
        if (!reading)
            continue;
        for (std::size_t p = reading->pair + 1; 2 * p + 1 < cipher.size(); ++p) {
            if (cipher[2 * p] == cipher[2 * reading->pair] && cipher[2 * p + 1] == cipher[2 * reading->pair + 1])
                more.push_back(Reading{p, reading->position, reading->letter});
        }
    }
    facts.insert(facts.end(), more.begin(), more.end());
}

} // namespace

bool DeductionResult::holds(const Fact &fact) const
{
    if (std::find(facts.begin(), facts.end(), fact) != facts.end())
        return true;
    const auto *distance = std::get_if<LetterDistance>(&fact);
    if (!distance)
        return false;
    // A distance the other way round; one along a line that the distances
    // down and right give.
    const LetterDistance back{distance->second, distance->first, distance->direction, (5 - distance->steps) % 5};
    if (std::find(facts.begin(), facts.end(), Fact(back)) != facts.end())
        return true;
    if (distance->direction != Direction::AlongLine)
        return false;
    const auto known = [&](Direction direction, int steps) {
        return holds(LetterDistance{distance->first, distance->second, direction, steps});
    };
    return (known(Direction::Down, 0) && known(Direction::Right, distance->steps))
        || (known(Direction::Right, 0) && known(Direction::Down, distance->steps));
}

DeductionResult deduce(const DeductionInput &input)
{
    const Budgets budgets;
    DeductionResult result;
    const std::vector<Premises> components = componentsOf(input);
    std::vector<ComponentResult> parts;
    std::optional<Premises> contradiction;
    for (const Premises &component : components) {
        parts.push_back(analyseComponent(input, component, budgets));
        if (parts.back().verdict == Verdict::Unsatisfiable) {
            const Premises smallest = smallestContradiction(input, component, budgets);
            if (!contradiction || smallest.size() < contradiction->size())
                contradiction = smallest;
        } else if (parts.back().verdict == Verdict::Unknown) {
            result.consistency = Consistency::Undecided;
        }
    }
    if (contradiction) {
        result.consistency = Consistency::Contradictory;
        result.contradiction = contradiction;
        return result;
    }
    if (result.consistency == Consistency::Undecided)
        return result;

    if (components.size() > 1) {
        // The parts share the square's cells: together they may not fit.
        const Puzzle puzzle = puzzleOf(input, allPremises(input));
        const Propagator propagator(puzzle.model);
        Search search(propagator);
        std::uint64_t budget = budgets.verdict;
        std::uint64_t found = 0;
        const bool through = search.run([&](const State &) { return ++found <= countedArrangements; }, budget);
        if (found == 0) {
            result.consistency = through ? Consistency::Contradictory : Consistency::Undecided;
            if (through)
                result.contradiction = smallestContradiction(input, allPremises(input), budgets);
            return result;
        }
        result.arrangements = found;
        result.arrangementsExact = through;
    } else if (!parts.empty()) {
        result.arrangements = parts.front().arrangements;
        result.arrangementsExact = parts.front().arrangementsExact;
    } else {
        result.arrangements = 1;
    }

    result.rules.resize(input.pairs.size());
    for (std::size_t c = 0; c < components.size(); ++c) {
        const ComponentResult &part = parts[c];
        result.complete = result.complete && part.complete;
        result.facts.insert(result.facts.end(), part.facts.begin(), part.facts.end());
        for (std::size_t e = 0; e < components[c].pairs.size(); ++e) {
            const std::uint8_t bits = part.rules[e];
            result.rules[components[c].pairs[e]] = {bool(bits & rectangleBit), bool(bits & sameRowBit),
                                                    bool(bits & sameColumnBit)};
        }
    }
    dropLinesImplied(result.facts);
    readEveryPlace(input, result.facts);
    result.fragments = fragmentsOf(input, result.facts);
    result.plaintext.assign(input.ciphertext.size(), unknownLetter);
    for (const Fact &fact : result.facts) {
        if (const auto *reading = std::get_if<Reading>(&fact))
            result.plaintext[2 * reading->pair + std::size_t(reading->position)] = reading->letter;
    }
    return result;
}

std::string partialSquare(const DeductionResult &result)
{
    std::string square(25, '.');
    if (result.fragments.empty())
        return square;
    // The placed letters' pieces stand in their cells.
    if (result.fragments.front().placed) {
        for (const Fragment &piece : result.fragments) {
            for (const auto &[letter, at] : piece.letters) {
                if (piece.placed)
                    square[std::size_t(at.cell())] = letterName(letter);
            }
        }
        return square;
    }
    const Fragment &piece = result.fragments.front();
    SquarePosition shift{0, 0};
    {
        // The piece starts after the widest run of empty rows, and of empty
        // columns, round the square.
        const auto startAfterGap = [](const std::array<bool, 5> &used) {
            int best = 0;
            int bestGap = -1;
            for (int start = 0; start < 5; ++start) {
                if (!used[std::size_t(start)])
                    continue;
                int gap = 0;
                while (gap < 5 && !used[std::size_t((start + 4 - gap + 5) % 5)])
                    ++gap;
                if (gap > bestGap) {
                    bestGap = gap;
                    best = start;
                }
            }
            return best;
        };
        std::array<bool, 5> rows{};
        std::array<bool, 5> columns{};
        for (const auto &[letter, at] : piece.letters) {
            rows[std::size_t(at.row)] = true;
            columns[std::size_t(at.column)] = true;
        }
        shift = {5 - startAfterGap(rows), 5 - startAfterGap(columns)};
    }
    for (const auto &[letter, at] : piece.letters)
        square[std::size_t((at.row + shift.row) % 5 * 5 + (at.column + shift.column) % 5)] = letterName(letter);
    return square;
}

std::optional<Premises> premisesOf(const DeductionInput &input, const Fact &fact)
{
    const Budgets budgets;
    // The part of what is known that holds the fact's letters, else all.
    const std::uint32_t letters = lettersOf(input, fact);
    for (const Premises &component : componentsOf(input)) {
        const Puzzle puzzle = puzzleOf(input, component);
        bool holdsLetters = true;
        for (int letter = 0; letter < letterCount; ++letter)
            holdsLetters = holdsLetters && (!(letters >> letter & 1) || puzzle.variableOf[std::size_t(letter)] >= 0);
        const auto *ruledOut = std::get_if<RuledOut>(&fact);
        const auto *filled = std::get_if<FilledIn>(&fact);
        const std::optional<std::size_t> pair = ruledOut ? std::optional(ruledOut->pair)
            : filled                                     ? std::optional(filled->pair)
                                                         : std::nullopt;
        if (pair && puzzle.equationOf(*pair) < 0)
            continue;
        if (holdsLetters && (letters != 0 || pair)) {
            if (auto premises = premisesOfFact(input, component, fact, budgets))
                return premises;
            break;
        }
    }
    return premisesOfFact(input, allPremises(input), fact, budgets);
}

} // namespace playfair::analysis
