#include "rules.h"

namespace playfair {

namespace {

int moved(int coordinate, int step)
{
    return (coordinate + step + 5) % 5;
}

} // namespace

PairRule ruleFor(SquarePosition first, SquarePosition second)
{
    if (first.row != second.row && first.column != second.column)
        return PairRule::Rectangle;
    if (first.row != second.row)
        return PairRule::SameColumn;
    if (first.column != second.column)
        return PairRule::SameRow;
    return PairRule::SameCell;
}

std::pair<SquarePosition, SquarePosition> imageOf(SquarePosition first, SquarePosition second, int step)
{
    switch (ruleFor(first, second)) {
    case PairRule::Rectangle:
        return {{first.row, second.column}, {second.row, first.column}};
    case PairRule::SameColumn:
        return {{moved(first.row, step), first.column}, {moved(second.row, step), second.column}};
    case PairRule::SameRow:
        return {{first.row, moved(first.column, step)}, {second.row, moved(second.column, step)}};
    case PairRule::SameCell:
        break;
    }
    return {first, second};
}

bool wrapsAround(SquarePosition first, SquarePosition second, int step)
{
    const auto crosses = [step](int coordinate) { return coordinate + step < 0 || coordinate + step > 4; };
    switch (ruleFor(first, second)) {
    case PairRule::SameColumn:
        return crosses(first.row) || crosses(second.row);
    case PairRule::SameRow:
        return crosses(first.column) || crosses(second.column);
    case PairRule::Rectangle:
    case PairRule::SameCell:
        break;
    }
    return false;
}

} // namespace playfair
