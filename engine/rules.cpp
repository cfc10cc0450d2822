#include "rules.h"

namespace playfair {

namespace {

int moved(int coordinate, int step, int count)
{
    return (coordinate + step % count + count) % count;
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

std::pair<SquarePosition, SquarePosition> imageOf(SquarePosition first, SquarePosition second, int step,
                                                  SquareShape shape)
{
    switch (ruleFor(first, second)) {
    case PairRule::Rectangle:
        return {{first.row, second.column}, {second.row, first.column}};
    case PairRule::SameColumn:
        return {{moved(first.row, step, shape.rows), first.column}, {moved(second.row, step, shape.rows), second.column}};
    case PairRule::SameRow:
        return {{first.row, moved(first.column, step, shape.columns)},
                {second.row, moved(second.column, step, shape.columns)}};
    case PairRule::SameCell:
        break;
    }
    return {first, second};
}

bool wrapsAround(SquarePosition first, SquarePosition second, int step, SquareShape shape)
{
    const auto crosses = [step](int coordinate, int count) {
        return coordinate + step < 0 || coordinate + step > count - 1;
    };
    switch (ruleFor(first, second)) {
    case PairRule::SameColumn:
        return crosses(first.row, shape.rows) || crosses(second.row, shape.rows);
    case PairRule::SameRow:
        return crosses(first.column, shape.columns) || crosses(second.column, shape.columns);
    case PairRule::Rectangle:
    case PairRule::SameCell:
        break;
    }
    return false;
}

} // namespace playfair
