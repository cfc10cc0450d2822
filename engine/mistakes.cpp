#include "mistakes.h"

#include "keyedsquare.h"

namespace playfair {

namespace {

using Positions = std::pair<SquarePosition, SquarePosition>;

SquarePosition positionOf(int cell)
{
    return {cell / 5, cell % 5};
}

// One letter moved a cell along its row (`alongRow`) or its column, by the
// rule of a row or column pair: the letter paired with a neighbour on its
// line, so the rules decide where it goes.
SquarePosition movedAlong(SquarePosition p, bool alongRow, int step)
{
    const SquarePosition partner = alongRow ? SquarePosition{p.row, (p.column + 1) % 5}
                                            : SquarePosition{(p.row + 1) % 5, p.column};
    return imageOf(p, partner, step).first;
}

// The corner of the rectangle rule: the letter in p's row and q's column, as
// the rule gives it for p paired with a letter in q's column off p's row.
SquarePosition cornerOf(SquarePosition p, SquarePosition q)
{
    if (p.column == q.column)
        return p;
    const SquarePosition partner{p.row == q.row ? (p.row + 1) % 5 : q.row, q.column};
    return imageOf(p, partner, +1).first;
}

bool crossesEdge(SquarePosition p, PairRule rule, int step)
{
    const int coordinate = rule == PairRule::SameRow ? p.column : p.row;
    return coordinate + step < 0 || coordinate + step > 4;
}

// A slip and the pair it gives.
struct Candidate
{
    SlipFinding finding;
    Positions result;
};

std::vector<Candidate> candidatesFor(SquarePosition a, SquarePosition b, int step)
{
    const PairRule rule = ruleFor(a, b);
    const Positions right = imageOf(a, b, step);
    const bool line = rule == PairRule::SameRow || rule == PairRule::SameColumn;
    std::vector<Candidate> candidates;
    const auto add = [&](SlipFinding finding, Positions result) {
        finding.rule = rule;
        candidates.push_back({finding, result});
    };

    add({.slip = Slip::Unchanged}, {a, b});
    add({.slip = Slip::Order}, {right.second, right.first});
    if (line)
        add({.slip = Slip::Direction}, imageOf(a, b, -step));
    if (line && wrapsAround(a, b, step)) {
        const int edge = crossesEdge(a, rule, step) ? 0 : 1;
        const SquarePosition from = edge == 0 ? a : b;
        const SquarePosition wrapped = edge == 0 ? right.first : right.second;
        const SquarePosition onward = movedAlong(wrapped, rule == PairRule::SameColumn, step);
        for (bool stopped : {false, true}) {
            Positions result = right;
            (edge == 0 ? result.first : result.second) = stopped ? from : onward;
            add({.slip = Slip::NoWrap, .edgeLetter = edge, .stoppedAtEdge = stopped}, result);
        }
    }
    if (line) {
        // The rectangle rule on a line pair swaps its letters; the other
        // line's rule moves them across it.
        add({.slip = Slip::WrongRule, .usedRule = PairRule::Rectangle},
            rule == PairRule::SameRow ? Positions{cornerOf(a, b), cornerOf(b, a)}
                                      : Positions{cornerOf(b, a), cornerOf(a, b)});
        const bool acrossRow = rule == PairRule::SameColumn;
        add({.slip = Slip::WrongRule, .usedRule = acrossRow ? PairRule::SameRow : PairRule::SameColumn},
            {movedAlong(a, acrossRow, step), movedAlong(b, acrossRow, step)});
    } else {
        for (bool alongRow : {true, false})
            add({.slip = Slip::WrongRule, .usedRule = alongRow ? PairRule::SameRow : PairRule::SameColumn},
                {movedAlong(a, alongRow, step), movedAlong(b, alongRow, step)});
    }
    if (line)
        add({.slip = Slip::TwoSteps}, imageOf(right.first, right.second, step));
    return candidates;
}

std::string lettersAt(std::string_view square, Positions positions)
{
    return {square[std::size_t(positions.first.cell())], square[std::size_t(positions.second.cell())]};
}

char asCounted(char letter)
{
    return letter == 'J' ? 'I' : letter;
}

} // namespace

std::string_view slipCode(Slip slip)
{
    switch (slip) {
    case Slip::Unchanged:
        return "unchanged";
    case Slip::Order:
        return "order";
    case Slip::Direction:
        return "direction";
    case Slip::OtherDirection:
        return "other-direction";
    case Slip::NoWrap:
        return "no-wrap";
    case Slip::WrongRule:
        return "wrong-rule";
    case Slip::TwoSteps:
        return "two-steps";
    case Slip::OtherSquare:
        return "plain-square";
    case Slip::OneLetter:
        return "one-letter";
    case Slip::Unknown:
        break;
    }
    return "unknown";
}

int cellOf(std::string_view square, char letter)
{
    const std::size_t cell = square.find(asCounted(letter));
    return cell == std::string_view::npos || cell >= 25 ? -1 : int(cell);
}

std::optional<SlipFinding> findSlip(std::string_view square, std::string_view given, int step, std::string_view answer,
                                    const std::vector<std::string> &otherSquares)
{
    if (given.size() != 2 || answer.size() != 2)
        return SlipFinding{};
    const int first = cellOf(square, given[0]);
    const int second = cellOf(square, given[1]);
    if (first < 0 || second < 0 || first == second)
        return SlipFinding{};
    const SquarePosition a = positionOf(first);
    const SquarePosition b = positionOf(second);
    const std::string typed{asCounted(answer[0]), asCounted(answer[1])};
    const std::string expected = lettersAt(square, imageOf(a, b, step));
    if (typed == expected)
        return std::nullopt;

    // Every slip's letters, the likeliest first; the other squares last.
    std::vector<std::pair<SlipFinding, std::string>> tries;
    for (const Candidate &candidate : candidatesFor(a, b, step))
        tries.emplace_back(candidate.finding, lettersAt(square, candidate.result));
    std::vector<std::string> squares{keyedSquare("")};
    squares.insert(squares.end(), otherSquares.begin(), otherSquares.end());
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const std::string &other = squares[i];
        const int otherFirst = cellOf(other, given[0]);
        const int otherSecond = cellOf(other, given[1]);
        if (other.size() != 25 || other == square || otherFirst < 0 || otherSecond < 0 || otherFirst == otherSecond)
            continue;
        tries.emplace_back(SlipFinding{.slip = Slip::OtherSquare, .rule = ruleFor(a, b), .otherSquare = int(i)},
                           lettersAt(other, imageOf(positionOf(otherFirst), positionOf(otherSecond), step)));
    }

    for (const auto &[finding, letters] : tries) {
        if (letters == typed)
            return finding;
    }

    SlipFinding finding{.slip = Slip::Unknown, .rule = ruleFor(a, b)};
    const bool firstRight = typed[0] == expected[0];
    const bool secondRight = typed[1] == expected[1];
    if (firstRight == secondRight)
        return finding;
    finding.slip = Slip::OneLetter;
    finding.rightLetter = firstRight ? 0 : 1;
    const std::size_t wrong = firstRight ? 1 : 0;
    for (const auto &[candidate, letters] : tries) {
        if (letters[wrong] == typed[wrong]) {
            finding.letterSlip = candidate.slip;
            finding.usedRule = candidate.usedRule;
            finding.edgeLetter = candidate.edgeLetter;
            finding.stoppedAtEdge = candidate.stoppedAtEdge;
            finding.otherSquare = candidate.otherSquare;
            break;
        }
    }
    return finding;
}

} // namespace playfair
