#include "analysis/deduction/puzzle.h"

#include <algorithm>
#include <bit>

namespace playfair::analysis::deduction {

int Puzzle::equationOf(std::size_t pair) const
{
    const auto at = std::find(premises.pairs.begin(), premises.pairs.end(), pair);
    return at == premises.pairs.end() ? -1 : int(at - premises.pairs.begin());
}

Puzzle puzzleOf(const DeductionInput &input, const Premises &premises, std::uint32_t extraLetters)
{
    Puzzle puzzle;
    puzzle.variableOf.fill(-1);
    puzzle.premises = premises;
    Model &model = puzzle.model;
    const auto addLetter = [&](int letter) {
        if (letter >= 0 && puzzle.variableOf[std::size_t(letter)] < 0) {
            puzzle.variableOf[std::size_t(letter)] = int(model.letters.size());
            model.letters.push_back(Letter(letter));
        }
    };
    for (std::size_t pair : premises.pairs) {
        for (int position = 0; position < 4; ++position)
            addLetter(input.pairs[pair].letter(position));
    }
    for (std::size_t placed : premises.placed)
        addLetter(input.placed[placed].letter);
    for (int letter = 0; letter < letterCount; ++letter) {
        if (extraLetters >> letter & 1)
            addLetter(letter);
    }
    model.letterVariables = int(model.letters.size());
    model.domains.assign(model.letters.size(), allCells);
    std::vector<int> uses(model.letters.size(), 0);
    for (std::size_t pair : premises.pairs) {
        std::array<int, 4> variables{};
        for (int position = 0; position < 4; ++position) {
            const int letter = input.pairs[pair].letter(position);
            if (letter == unknownLetter) {
                variables[std::size_t(position)] = int(model.domains.size());
                model.domains.push_back(allCells);
            } else {
                variables[std::size_t(position)] = puzzle.variableOf[std::size_t(letter)];
                ++uses[std::size_t(variables[std::size_t(position)])];
            }
        }
        puzzle.variablesOfPair.push_back(variables);
        model.equations.push_back({variables, anyRule});
    }
    for (std::size_t placed : premises.placed) {
        const PlacedLetter &letter = input.placed[placed];
        model.domains[std::size_t(puzzle.variableOf[letter.letter])] &= cellBit(letter.cell);
    }
    if (premises.placed.empty() && model.letterVariables > 0) {
        // The letter of the most equations in the top left cell: it narrows
        // the others soonest.
        const int anchor = int(std::max_element(uses.begin(), uses.end()) - uses.begin());
        model.domains[std::size_t(anchor)] = cellBit(0);
        puzzle.anchored = true;
    }
    model.longestKey = input.keyLetters > 0 ? std::min(input.keyLetters, 25) : 25;
    return puzzle;
}

std::uint32_t lettersOf(const DeductionInput &input, const Fact &fact)
{
    const auto bit = [](int letter) { return letter >= 0 ? 1u << letter : 0u; };
    if (const auto *distance = std::get_if<LetterDistance>(&fact))
        return bit(distance->first) | bit(distance->second);
    if (const auto *reading = std::get_if<Reading>(&fact)) {
        return bit(input.ciphertext[2 * reading->pair]) | bit(input.ciphertext[2 * reading->pair + 1])
            | bit(reading->letter);
    }
    if (const auto *filled = std::get_if<FilledIn>(&fact))
        return bit(filled->letter);
    return 0;
}

Cells cellsFrom(int cell, Direction direction, int steps)
{
    const int row = cell / 5;
    const int column = cell % 5;
    Cells cells = 0;
    for (int i = 0; i < 5; ++i) {
        switch (direction) {
        case Direction::Down:
            cells |= cellBit((row + steps) % 5 * 5 + i);
            break;
        case Direction::Right:
            cells |= cellBit(i * 5 + (column + steps) % 5);
            break;
        case Direction::AlongLine:
            cells |= cellBit(row * 5 + (column + steps) % 5) | cellBit((row + steps) % 5 * 5 + column);
            break;
        }
    }
    return cells;
}

Cells cellsTo(int cell, Direction direction, int steps)
{
    return cellsFrom(cell, direction, (5 - steps % 5) % 5);
}

std::uint8_t ruleBit(PairRule rule)
{
    switch (rule) {
    case PairRule::Rectangle:
        return rectangleBit;
    case PairRule::SameRow:
        return sameRowBit;
    case PairRule::SameColumn:
        return sameColumnBit;
    case PairRule::SameCell:
        break;
    }
    return 0;
}

void addNegation(Puzzle &puzzle, const DeductionInput &input, const Fact &fact)
{
    Model &model = puzzle.model;
    const auto sameCellForbidden = [](int first, int second) {
        Forbidden forbidden;
        forbidden.first = first;
        forbidden.second = second;
        for (int cell = 0; cell < 25; ++cell)
            forbidden.fromFirst[std::size_t(cell)] = forbidden.fromSecond[std::size_t(cell)] = cellBit(cell);
        return forbidden;
    };
    if (const auto *distance = std::get_if<LetterDistance>(&fact)) {
        Forbidden forbidden;
        forbidden.first = puzzle.variableOf[distance->first];
        forbidden.second = puzzle.variableOf[distance->second];
        for (int cell = 0; cell < 25; ++cell) {
            forbidden.fromFirst[std::size_t(cell)] = cellsFrom(cell, distance->direction, distance->steps);
            forbidden.fromSecond[std::size_t(cell)] = cellsTo(cell, distance->direction, distance->steps);
        }
        model.forbidden.push_back(forbidden);
    } else if (const auto *ruledOut = std::get_if<RuledOut>(&fact)) {
        model.equations[std::size_t(puzzle.equationOf(ruledOut->pair))].rules &= ruleBit(ruledOut->rule);
    } else if (const auto *filled = std::get_if<FilledIn>(&fact)) {
        const int slot = puzzle.variablesOfPair[std::size_t(puzzle.equationOf(filled->pair))][std::size_t(filled->position)];
        model.forbidden.push_back(sameCellForbidden(puzzle.variableOf[filled->letter], slot));
    } else if (const auto *reading = std::get_if<Reading>(&fact)) {
        Forbidden forbidden;
        forbidden.kind = Forbidden::Kind::Reading;
        forbidden.first = puzzle.variableOf[input.ciphertext[2 * reading->pair]];
        forbidden.second = puzzle.variableOf[input.ciphertext[2 * reading->pair + 1]];
        forbidden.third = puzzle.variableOf[reading->letter];
        forbidden.position = reading->position;
        model.forbidden.push_back(forbidden);
    }
}

Verdict verdictOf(const Puzzle &puzzle, std::uint64_t budget)
{
    const Propagator propagator(puzzle.model);
    Search search(propagator);
    bool found = false;
    const bool through = search.run([&found](const State &) { return !(found = true); }, budget);
    if (found)
        return Verdict::Satisfiable;
    return through ? Verdict::Unsatisfiable : Verdict::Unknown;
}

} // namespace playfair::analysis::deduction
