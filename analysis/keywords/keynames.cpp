#include "analysis/keywords/keynames.h"

#include "analysis/keywords/keysquares.h"

#include "engine/keyedsquare.h"

#include <array>
#include <tuple>

namespace playfair::analysis {

namespace {

// The found square in one of its shifts, as a key square is compared with it.
struct Shift
{
    Square square{};
};

// How a key's letters fill a square cell by cell, compared with a shift of
// the found square as they go: two letters agree when they are the same, or
// when neither is used.
class Walk
{
public:
    Walk(const Square &found, std::uint32_t used)
        : m_found(found)
        , m_used(used)
    {
    }

    // Places an entry's letters (spaces and repeats skipped); false once a
    // letter disagrees with the found square.
    bool place(std::string_view entry)
    {
        for (char c : entry) {
            const int letter = letterNumber(c);
            if (letter < 0 || (m_placed >> letter & 1))
                continue;
            if (m_cell == 25 || !agree(Letter(letter), m_found[std::size_t(m_cell)]))
                return false;
            m_placed |= 1u << letter;
            ++m_cell;
        }
        return true;
    }

    // Whether the rest of the alphabet, in order, agrees with the rest of
    // the found square.
    bool restAgrees() const
    {
        int cell = m_cell;
        for (int letter = 0; letter < letterCount; ++letter) {
            if (m_placed >> letter & 1)
                continue;
            if (!agree(Letter(letter), m_found[std::size_t(cell++)]))
                return false;
        }
        return true;
    }

    int cells() const { return m_cell; }

private:
    bool agree(Letter key, Letter found) const
    {
        return key == found || (!(m_used >> key & 1) && !(m_used >> found & 1));
    }

    const Square &m_found;
    std::uint32_t m_used;
    std::uint32_t m_placed = 0;
    int m_cell = 0;
};

std::string keyLettersOf(std::string_view entry)
{
    std::string letters;
    for (char c : entry) {
        if (c != ' ')
            letters += c;
    }
    return letters;
}

} // namespace

KeyNamer::KeyNamer(std::vector<const KeyWordList *> lists, std::vector<const KeyWordList *> phraseLists,
                   std::vector<const KeyWordList *> secondWordLists)
    : m_lists(std::move(lists))
    , m_phraseLists(std::move(phraseLists))
    , m_secondWordLists(std::move(secondWordLists))
{
}

namespace {

// Whether `square` may be read as a key of `keyLength` letters followed by
// the rest of the alphabet in order, the unused letters rearranged among
// the cells they hold: then the square so arranged. The tail's free cells
// take, in order, the smallest free letter that keeps it rising (no other
// choice can do better), and the key's free cells what is left.
std::optional<Square> asKeySquare(const Square &square, std::uint32_t used, int keyLength)
{
    std::vector<Letter> free;
    for (Letter letter : square) {
        if (!(used >> letter & 1))
            free.push_back(letter);
    }
    std::sort(free.begin(), free.end());
    std::vector<bool> taken(free.size(), false);
    Square arranged = square;
    int last = -1;
    for (int cell = keyLength; cell < 25; ++cell) {
        const Letter letter = square[std::size_t(cell)];
        if (used >> letter & 1) {
            if (int(letter) <= last)
                return std::nullopt;
            last = letter;
            continue;
        }
        std::size_t pick = 0;
        while (pick < free.size() && (taken[pick] || int(free[pick]) <= last))
            ++pick;
        if (pick == free.size())
            return std::nullopt;
        taken[pick] = true;
        arranged[std::size_t(cell)] = free[pick];
        last = free[pick];
    }
    std::size_t next = 0;
    for (int cell = 0; cell < keyLength; ++cell) {
        if (used >> square[std::size_t(cell)] & 1)
            continue;
        while (taken[next])
            ++next;
        arranged[std::size_t(cell)] = free[next++];
    }
    return arranged;
}

} // namespace

KeyName KeyNamer::shortestKey(const Square &square, std::uint32_t used)
{
    KeyName best{std::string(25, ' '), false, square, SquareRoute::Rows};
    for (SquareRoute route : squareRoutes) {
        for (int s = 0; s < 25; ++s) {
            const Square written = readAlong(shiftedSquare(square, s / 5, s % 5), route);
            for (int length = 0; length < int(best.text.size()); ++length) {
                if (const std::optional<Square> arranged = asKeySquare(written, used, length)) {
                    best = {lettersToText(arranged->data(), std::size_t(length)), false, writtenInBy(*arranged, route),
                            route};
                    break;
                }
            }
        }
    }
    return best;
}

std::optional<KeyName> KeyNamer::name(const Square &found, std::uint32_t used) const
{
    // Each shift of the found square read along each route: a key's
    // letters, written in by that route, are compared with them in turn.
    // Every route starts in the top left cell.
    std::array<std::array<Square, 25>, squareRoutes.size()> readings;
    std::array<int, letterCount> shiftStarting{}; // the shift whose top left cell holds each letter
    for (int s = 0; s < 25; ++s) {
        const Square shifted = shiftedSquare(found, s / 5, s % 5);
        shiftStarting[shifted[0]] = s;
        for (SquareRoute route : squareRoutes)
            readings[std::size_t(route)][std::size_t(s)] = readAlong(shifted, route);
    }
    // The shifts with each letter second along each route.
    std::array<std::array<int, letterCount>, squareRoutes.size()> shiftWithSecond{};
    for (SquareRoute route : squareRoutes) {
        for (int s = 0; s < 25; ++s)
            shiftWithSecond[std::size_t(route)][readings[std::size_t(route)][std::size_t(s)][1]] = s;
    }
    const auto isUsed = [used](int letter) { return (used >> letter & 1) != 0; };
    // An entry's first two different letters (-1 for none).
    const auto firstTwo = [](std::string_view entry) {
        std::pair<int, int> letters{-1, -1};
        for (char c : entry) {
            const int letter = letterNumber(c);
            if (letter < 0 || letter == letters.first)
                continue;
            if (letters.first < 0) {
                letters.first = letter;
            } else {
                letters.second = letter;
                break;
            }
        }
        return letters;
    };
    // Calls `walk` with each reading along `route` a key starting with the
    // letters `first` and `second` may be compared with: the shift with a
    // used first letter first, or with a used second letter second, and
    // otherwise every shift whose first two cells hold letters not used.
    const auto forEachStart = [&](SquareRoute route, int first, int second, auto &&walk) {
        const auto &along = readings[std::size_t(route)];
        if (isUsed(first)) {
            const Square &reading = along[std::size_t(shiftStarting[std::size_t(first)])];
            if (second < 0 || reading[1] == second || (!isUsed(second) && !isUsed(reading[1])))
                walk(reading);
        } else if (second >= 0 && isUsed(second)) {
            const Square &reading = along[std::size_t(shiftWithSecond[std::size_t(route)][std::size_t(second)])];
            if (!isUsed(reading[0]))
                walk(reading);
        } else {
            for (const Square &reading : along) {
                if (!isUsed(reading[0]) && (second < 0 || !isUsed(reading[1])))
                    walk(reading);
            }
        }
    };

    // A single word before any phrase; then the shortest word (SEE before
    // SEES); then by rows before any other route. Phrases that build one
    // square differ only in letters written twice, and the commonest of them
    // is the one a class wrote (OVER THE, not OVER TH of an ordinal's
    // ending): the lists come in order of preference, each the commonest
    // first, so the first phrase offered stays.
    std::string best;
    SquareRoute bestRoute = SquareRoute::Rows;
    std::tuple<bool, std::size_t, int> bestRank;
    const auto offer = [&](std::string candidate, SquareRoute route) {
        const bool phrase = candidate.find(' ') != std::string::npos;
        const std::tuple<bool, std::size_t, int> rank{phrase, phrase ? 0 : keyLettersOf(candidate).size(),
                                                      int(route)};
        if (best.empty() || rank < bestRank) {
            best = std::move(candidate);
            bestRoute = route;
            bestRank = rank;
        }
    };

    for (const KeyWordList *list : m_lists) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            const std::string_view entry = list->at(i);
            const auto [first, second] = firstTwo(entry);
            if (first < 0)
                continue;
            for (SquareRoute route : squareRoutes) {
                bool named = false;
                forEachStart(route, first, second, [&](const Square &reading) {
                    Walk walk(reading, used);
                    if (!named && walk.place(entry) && walk.restAgrees()) {
                        offer(std::string(entry), route);
                        named = true;
                    }
                });
            }
        }
    }
    if (best.empty()) {
        for (std::size_t k = 0; k < m_phraseLists.size(); ++k) {
            const KeyWordList *list = m_phraseLists[k];
            const KeyWordList *seconds = k < m_secondWordLists.size() ? m_secondWordLists[k] : list;
            for (std::size_t i = 0; i < list->size(); ++i) {
                const std::string_view firstWord = list->at(i);
                const auto [first, second] = firstTwo(firstWord);
                if (first < 0)
                    continue;
                for (SquareRoute route : squareRoutes) {
                    forEachStart(route, first, second, [&](const Square &reading) {
                        Walk start(reading, used);
                        if (!start.place(firstWord))
                            return;
                        for (std::size_t j = 0; j < seconds->size(); ++j) {
                            Walk walk = start;
                            if (walk.place(seconds->at(j)) && walk.cells() > start.cells() && walk.restAgrees())
                                offer(std::string(firstWord) + " " + std::string(seconds->at(j)), route);
                        }
                    });
                }
            }
        }
    }
    if (!best.empty())
        return KeyName{best, true, keySquareOf(keyLettersOf(best), bestRoute), bestRoute};

    // No word builds it: the shortest key of any shift, if short.
    KeyName letters = shortestKey(found, used);
    if (letters.text.empty() || letters.text.size() > longestLetterKey)
        return std::nullopt;
    return letters;
}

} // namespace playfair::analysis
