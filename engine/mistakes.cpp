#include "mistakes.h"

#include "keyedsquare.h"

namespace playfair {

namespace {

using Positions = std::pair<SquarePosition, SquarePosition>;

// The rules and the slips worked on a square of one shape.
struct Shaped
{
    SquareShape shape;

    SquarePosition positionOf(int cell) const { return SquarePosition::ofCell(cell, shape); }
    Positions imageOf(SquarePosition a, SquarePosition b, int step) const
    {
        return playfair::imageOf(a, b, step, shape);
    }
    SquarePosition movedAlong(SquarePosition p, bool alongRow, int step) const;
    SquarePosition cornerOf(SquarePosition p, SquarePosition q) const;
    bool crossesEdge(SquarePosition p, PairRule rule, int step) const;
        std::vector<std::pair<SlipFinding, Positions>> candidatesFor(SquarePosition a, SquarePosition b, int step) const;
};

// One letter moved a cell along its row (`alongRow`) or its column, by the
// rule of a row or column pair: the letter paired with a neighbour on its
// line, so the rules decide where it goes.
SquarePosition Shaped::movedAlong(SquarePosition p, bool alongRow, int step) const
{
    const SquarePosition partner = alongRow ? SquarePosition{p.row, (p.column + 1) % shape.columns}
                                            : SquarePosition{(p.row + 1) % shape.rows, p.column};
    return imageOf(p, partner, step).first;
}

// The corner of the rectangle rule: the letter in p's row and q's column, as
// the rule gives it for p paired with a letter in q's column off p's row.
SquarePosition Shaped::cornerOf(SquarePosition p, SquarePosition q) const
{
    if (p.column == q.column)
        return p;
    const SquarePosition partner{p.row == q.row ? (p.row + 1) % shape.rows : q.row, q.column};
    return imageOf(p, partner, +1).first;
}

bool Shaped::crossesEdge(SquarePosition p, PairRule rule, int step) const
{
    const int coordinate = rule == PairRule::SameRow ? p.column : p.row;
    const int count = rule == PairRule::SameRow ? shape.columns : shape.rows;
    return coordinate + step < 0 || coordinate + step > count - 1;
}

// Each slip and the pair it gives.
std::vector<std::pair<SlipFinding, Positions>> Shaped::candidatesFor(SquarePosition a, SquarePosition b,
                                                                      int step) const
{
    const PairRule rule = ruleFor(a, b);
    const Positions right = imageOf(a, b, step);
    const bool line = rule == PairRule::SameRow || rule == PairRule::SameColumn;
    std::vector<std::pair<SlipFinding, Positions>> candidates;
    const auto add = [&](SlipFinding finding, Positions result) {
        finding.rule = rule;
        candidates.push_back({finding, result});
    };

    add({.slip = Slip::Unchanged}, {a, b});
    add({.slip = Slip::Order}, {right.second, right.first});
    if (line)
        add({.slip = Slip::Direction}, imageOf(a, b, -step));
    if (line && wrapsAround(a, b, step, shape)) {
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

std::u32string lettersAt(std::u32string_view square, Positions positions, SquareShape shape)
{
    return {square[std::size_t(positions.first.cell(shape))], square[std::size_t(positions.second.cell(shape))]};
}

// A letter as the square counts it: a capital merged with its partner (J as
// I in latin-ij); anything else, small letters included, as it stands.
char32_t countedAs(const Alphabet &alphabet, char32_t c)
{
    const bool small = (c >= U'a' && c <= U'z') || (c >= 0x430 && c <= 0x45F);
    const char32_t letter = small ? 0 : alphabet.letterFor(c);
    return letter ? letter : c;
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

int cellOf(const Alphabet &alphabet, std::u32string_view square, char32_t letter)
{
    const std::size_t cell = square.find(countedAs(alphabet, letter));
    return cell == std::u32string_view::npos || int(cell) >= alphabet.size() ? -1 : int(cell);
}

int cellOf(std::string_view square, char letter)
{
    return cellOf(Alphabet::classic(), widened(square), char32_t(static_cast<unsigned char>(letter)));
}

std::optional<SlipFinding> findSlip(const Alphabet &alphabet, std::u32string_view square, std::u32string_view given,
                                    int step, std::u32string_view answer,
                                    const std::vector<std::u32string> &otherSquares)
{
    if (given.size() != 2 || answer.size() != 2)
        return SlipFinding{};
    const SquareShape shape = alphabet.shape();
    const Shaped on{shape};
    const int first = cellOf(alphabet, square, given[0]);
    const int second = cellOf(alphabet, square, given[1]);
    if (first < 0 || second < 0 || first == second)
        return SlipFinding{};
    const SquarePosition a = on.positionOf(first);
    const SquarePosition b = on.positionOf(second);
    const std::u32string typed{countedAs(alphabet, answer[0]), countedAs(alphabet, answer[1])};
    const std::u32string expected = lettersAt(square, on.imageOf(a, b, step), shape);
    if (typed == expected)
        return std::nullopt;

    // Every slip's letters, the likeliest first; the other squares last.
    std::vector<std::pair<SlipFinding, std::u32string>> tries;
    for (const auto &[finding, result] : on.candidatesFor(a, b, step))
        tries.emplace_back(finding, lettersAt(square, result, shape));
    std::vector<std::u32string> squares{alphabet.plainSquare()};
    squares.insert(squares.end(), otherSquares.begin(), otherSquares.end());
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const std::u32string &other = squares[i];
        const int otherFirst = cellOf(alphabet, other, given[0]);
        const int otherSecond = cellOf(alphabet, other, given[1]);
        if (int(other.size()) != alphabet.size() || other == square || otherFirst < 0 || otherSecond < 0
            || otherFirst == otherSecond)
            continue;
        tries.emplace_back(SlipFinding{.slip = Slip::OtherSquare, .rule = ruleFor(a, b), .otherSquare = int(i)},
                           lettersAt(other, on.imageOf(on.positionOf(otherFirst), on.positionOf(otherSecond), step),
                                     shape));
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

std::optional<SlipFinding> findSlip(std::string_view square, std::string_view given, int step, std::string_view answer,
                                    const std::vector<std::string> &otherSquares)
{
    std::vector<std::u32string> others;
    for (const std::string &other : otherSquares)
        others.push_back(widened(other));
    return findSlip(Alphabet::classic(), widened(square), widened(given), step, widened(answer), others);
}

} // namespace playfair
