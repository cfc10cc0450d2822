#include "analysis/deduction.h"

#include <algorithm>
#include <array>

namespace playfair::analysis {

namespace {

// The run that ends a square's known letters, read from the last cell back:
// letters that fall in alphabetical order (cells not known may lie between),
// as far as the cells between each two can take the letters between them
// that stand nowhere else.
AlphabeticalRun runOf(const std::array<int, 25> &cells, const std::array<bool, letterCount> &known, int rows,
                      int columns)
{
    // Letters between two (exclusive, `to` may be letterCount) known nowhere.
    const auto unknownBetween = [&](int from, int to) {
        std::vector<Letter> letters;
        for (int letter = from + 1; letter < to; ++letter) {
            if (!known[std::size_t(letter)])
                letters.push_back(Letter(letter));
        }
        return letters;
    };
    AlphabeticalRun run;
    run.rows = rows;
    run.columns = columns;
    int next = letterCount; // the run's letter after this cell, or past Z
    int nextCell = 25;
    for (int cell = 24; cell >= 0; --cell) {
        const int letter = cells[std::size_t(cell)];
        if (letter == unknownLetter)
            continue;
        const std::vector<Letter> between = unknownBetween(letter, next);
        const int room = nextCell - cell - 1;
        if (letter >= next || int(between.size()) < room)
            break;
        if (int(between.size()) == room) {
            for (int i = 0; i < room; ++i)
                run.gaps.push_back({between[std::size_t(i)], cell + 1 + i});
        }
        run.firstCell = cell;
        ++run.knownLetters;
        next = letter;
        nextCell = cell;
    }
    std::sort(run.gaps.begin(), run.gaps.end(), [](const PlacedLetter &a, const PlacedLetter &b) { return a.cell < b.cell; });
    return run;
}

} // namespace

std::optional<AlphabeticalRun> alphabeticalRun(std::string_view square, int least)
{
    std::array<int, 25> given{};
    std::array<bool, letterCount> known{};
    for (int cell = 0; cell < 25; ++cell) {
        const int letter = cell < int(square.size()) ? letterNumber(square[std::size_t(cell)]) : -1;
        given[std::size_t(cell)] = letter < 0 ? unknownLetter : letter;
        if (letter >= 0)
            known[std::size_t(letter)] = true;
    }
    std::optional<AlphabeticalRun> best;
    for (int rows = 0; rows < 5; ++rows) {
        for (int columns = 0; columns < 5; ++columns) {
            std::array<int, 25> cells{};
            for (int cell = 0; cell < 25; ++cell)
                cells[std::size_t((cell / 5 + rows) % 5 * 5 + (cell % 5 + columns) % 5)] = given[std::size_t(cell)];
            // A run must reach the last cell, or leave after its last letter
            // only cells that the letters after it can fill.
            AlphabeticalRun run = runOf(cells, known, rows, columns);
            if (run.knownLetters >= least && (!best || run.knownLetters > best->knownLetters))
                best = std::move(run);
        }
    }
    return best;
}

} // namespace playfair::analysis
