#include "analysis/deduction.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>

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


// A key with more unknown cells than this is not looked into.
constexpr std::size_t mostUnknownKeyCells = 3;
// Nor, when candidates are wanted rather than all squares, one whose
// unknown cells can be filled in more ways than this.
constexpr int mostFillsTried = 1000;

// The given cells moved `rows` down and `columns` right, round the square.
std::array<int, 25> shifted(const std::array<int, 25> &given, int rows, int columns)
{
    std::array<int, 25> cells{};
    for (int cell = 0; cell < 25; ++cell)
        cells[std::size_t((cell / 5 + rows) % 5 * 5 + (cell % 5 + columns) % 5)] = given[std::size_t(cell)];
    return cells;
}

// A key square's 25 letters: the key's, then the rest in order.
std::string keySquareText(const std::array<int, 25> &keyCells, int keyLength)
{
    std::string text;
    std::array<bool, letterCount> inKey{};
    for (int cell = 0; cell < keyLength; ++cell) {
        text += letterName(keyCells[std::size_t(cell)]);
        inKey[std::size_t(keyCells[std::size_t(cell)])] = true;
    }
    for (int letter = 0; letter < letterCount; ++letter) {
        if (!inKey[std::size_t(letter)])
            text += letterName(letter);
    }
    return text;
}

bool agrees(const std::string &square, const std::array<int, 25> &cells)
{
    for (int cell = 0; cell < 25; ++cell) {
        const int letter = cells[std::size_t(cell)];
        if (letter != unknownLetter && square[std::size_t(cell)] != letterName(letter))
            return false;
    }
    return true;
}

// The square moved so that A stands first: one text for all its shifts.
std::string withAFirst(const std::string &square)
{
    const int at = int(square.find('A'));
    std::string moved(25, '.');
    for (int cell = 0; cell < 25; ++cell)
        moved[std::size_t((cell / 5 - at / 5 + 5) % 5 * 5 + (cell % 5 - at % 5 + 5) % 5)] = square[std::size_t(cell)];
    return moved;
}

// Whether some `unknownCells` letters of the free ones (known nowhere) can
// stand in a key's unknown cells so that the rest of the alphabet, in
// order from `keyLength`, agrees with the letters known after the key. A
// known letter L at cell c after the key stands where the letters before
// it that are not in the key put it: so many of the chosen letters must
// come before L. Choices between two known letters are free.
bool keyCanBeFilled(const std::array<int, 25> &cells, int keyLength, int unknownCells,
                    const std::array<bool, letterCount> &known)
{
    std::array<bool, letterCount> inKey{};
    for (int cell = 0; cell < keyLength; ++cell) {
        if (cells[std::size_t(cell)] != unknownLetter)
            inKey[std::size_t(cells[std::size_t(cell)])] = true;
    }
    std::vector<std::pair<int, int>> bounds{{-1, 0}}; // a letter and the chosen letters before it
    for (int cell = keyLength; cell < 25; ++cell) {
        const int letter = cells[std::size_t(cell)];
        if (letter == unknownLetter)
            continue;
        const int keyBefore = int(std::count(inKey.begin(), inKey.begin() + letter, true));
        bounds.push_back({letter, letter - keyBefore - (cell - keyLength)});
    }
    bounds.push_back({letterCount, unknownCells});
    std::sort(bounds.begin(), bounds.end());
    for (std::size_t i = 1; i < bounds.size(); ++i) {
        int free = 0;
        for (int letter = bounds[i - 1].first + 1; letter < bounds[i].first; ++letter)
            free += !known[std::size_t(letter)];
        const int chosen = bounds[i].second - bounds[i - 1].second;
        if (chosen < 0 || chosen > free)
            return false;
    }
    return true;
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

std::optional<SquareKey> keyOfSquare(std::string_view square)
{
    return keyOfSquare(square, {}, longestReadKey);
}

std::optional<SquareKey> keyOfSquare(std::string_view square, const std::function<bool(std::string_view)> &possible,
                                     int longestKey)
{
    const std::optional<std::vector<SquareKey>> keys = keySquaresOf(square, possible, 1, longestKey);
    if (!keys || keys->size() != 1 || keys->front().letters.empty())
        return std::nullopt;
    return keys->front();
}

namespace {

// Every key square that agrees, as keySquaresOf; keys with too many unknown
// cells either end the search (nothing) or, when `skipUntold`, are passed over.
std::optional<std::vector<SquareKey>> squaresOfKeys(std::string_view square,
                                                    const std::function<bool(std::string_view)> &possible,
                                                    std::size_t most, int longestKey, bool skipUntold)
{
    std::array<int, 25> given{};
    std::array<bool, letterCount> known{};
    for (int cell = 0; cell < 25; ++cell) {
        const int letter = cell < int(square.size()) ? letterNumber(square[std::size_t(cell)]) : -1;
        given[std::size_t(cell)] = letter < 0 ? unknownLetter : letter;
        if (letter >= 0)
            known[std::size_t(letter)] = true;
    }
    // Every key square that agrees with the known letters, read in every
    // shift with a key of every length: the known cells of its key are its
    // letters; an unknown one may hold any letter known nowhere, as far as
    // the rest of the alphabet then agrees. Two unknown cells of a key hold
    // their letters either way round: two squares, unless `possible` rules
    // out all but one.
    std::vector<SquareKey> found;
    std::vector<std::string> foundSquares; // each with A first
    bool within = true;
    const auto take = [&](const std::string &text, int length, int rows, int columns) {
        const std::string moved = withAFirst(text);
        const auto at = std::find(foundSquares.begin(), foundSquares.end(), moved);
        SquareKey key{text.substr(0, std::size_t(length)), text, rows, columns};
        if (at == foundSquares.end()) {
            within = found.size() < most;
            found.push_back(std::move(key));
            foundSquares.push_back(moved);
        } else if (SquareKey &before = found[std::size_t(at - foundSquares.begin())];
                   length < int(before.letters.size())) {
            before = std::move(key);
        }
    };
    for (int rows = 0; rows < 5 && within; ++rows) {
        for (int columns = 0; columns < 5 && within; ++columns) {
            const std::array<int, 25> cells = shifted(given, rows, columns);
            for (int length = 0; length <= std::min(longestKey, 25) && within; ++length) {
                std::vector<int> holes;
                for (int cell = 0; cell < length; ++cell) {
                    if (cells[std::size_t(cell)] == unknownLetter)
                        holes.push_back(cell);
                }
                if (!keyCanBeFilled(cells, length, int(holes.size()), known))
                    continue;
                if ((holes.size() > 1 && !possible) || holes.size() > mostUnknownKeyCells) {
                    if (skipUntold)
                        continue;
                    return std::nullopt;
                }
                // The ways to fill the holes: letters known nowhere, in order.
                const int free = int(std::count(known.begin(), known.end(), false));
                int ways = 1;
                for (std::size_t hole = 0; hole < holes.size(); ++hole)
                    ways *= free - int(hole);
                if (skipUntold && ways > mostFillsTried)
                    continue;
                // Each way to fill the holes with letters known nowhere.
                std::array<int, 25> keyCells = cells;
                std::array<bool, letterCount> taken = known;
                const std::function<void(std::size_t)> fill = [&](std::size_t hole) {
                    if (!within)
                        return;
                    if (hole == holes.size()) {
                        const std::string text = keySquareText(keyCells, length);
                        if (agrees(text, cells) && (!possible || possible(text)))
                            take(text, length, rows, columns);
                        return;
                    }
                    for (int letter = 0; letter < letterCount; ++letter) {
                        if (taken[std::size_t(letter)])
                            continue;
                        taken[std::size_t(letter)] = true;
                        keyCells[std::size_t(holes[hole])] = letter;
                        fill(hole + 1);
                        taken[std::size_t(letter)] = false;
                    }
                };
                fill(0);
            }
        }
    }
    if (!within && !skipUntold)
        return std::nullopt;
    found.resize(std::min(found.size(), most));
    return found;
}

} // namespace

std::optional<std::vector<SquareKey>> keySquaresOf(std::string_view square,
                                                   const std::function<bool(std::string_view)> &possible,
                                                   std::size_t most, int longestKey)
{
    return squaresOfKeys(square, possible, most, longestKey, false);
}

std::vector<SquareKey> likelyKeySquares(std::string_view square, const std::function<bool(std::string_view)> &possible,
                                        std::size_t most, int longestKey)
{
    return squaresOfKeys(square, possible, most, longestKey, true).value_or(std::vector<SquareKey>());
}

} // namespace playfair::analysis
