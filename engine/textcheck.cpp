#include "textcheck.h"

#include "textbook.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace playfair {

namespace {

// The moves of the alignment between the text and the pupil's answer.
enum Tag : std::uint8_t {
    Start,
    // Encrypting: how the pupil's next pair was prepared from the message.
    Plain,          // two different letters, as the textbook takes them
    TextbookFiller, // a doubled letter or the odd end with its textbook filler
    DoubleKept,     // a doubled pair without a filler
    NeedlessFiller, // a filler where none was due
    FillerFirst,    // a filler before a letter whose double ended the pair before
    WrongFiller,    // another filler where one was due
    OddAlone,       // the last letter left alone as a single letter
    OddDropped,     // the last letter left out
    // Decrypting.
    CipherPair,    // two letters of the plaintext for a cipher pair
    FillerLeftOut, // one letter: the pair's filler left out
    // Both.
    MissingPair, // a pair of the text with nothing in the answer
    ExtraPair,   // letters of the answer with nothing in the text
};

// Costs: a wrong pair and a pair left out or added weigh more than a
// preparation slip, so that a slip that puts every later pair right is
// preferred to marking them all wrong, and a slip is not assumed where it
// puts only one pair right.
constexpr int wrongCost = 6;
constexpr int skipCost = 6;
constexpr int slipCost = 4;

struct Step
{
    std::uint8_t tag = Start;
    std::uint8_t dx = 0;
    std::uint8_t dy = 0;
    char letter = 0; // the filler, or the letter left alone
};

// A least-cost path from (0, 0) to (xEnd, yEnd) through states (x, y),
// kept within a band around `reference` (y for each x: 0 at 0, yEnd at xEnd,
// never falling) so that long texts stay cheap. `moves(x, y, add)` offers
// the moves from a state: add(step, cost) with dx, dy of 0 to 2, never both 0.
template<typename Moves>
std::vector<std::pair<Step, std::pair<int, int>>> cheapestPath(int xEnd, int yEnd, const std::vector<int> &reference,
                                                               Moves moves)
{
    const long long cells = 24'000'000;
    const int band = int(std::clamp<long long>(cells / (2LL * (xEnd + 1)), 4, 48));
    const int width = 2 * band + 1;
    const auto slot = [&](int x, int y) { return y - reference[std::size_t(x)] + band; };

    std::vector<Step> choice(std::size_t(xEnd + 1) * std::size_t(width));
    std::array<std::vector<int>, 3> cost;
    for (auto &row : cost)
        row.assign(std::size_t(width), INT_MAX);
    cost[0][std::size_t(slot(0, 0))] = 0;

    for (int x = 0; x <= xEnd; ++x) {
        std::vector<int> &row = cost[std::size_t(x % 3)];
        const int low = std::max(0, reference[std::size_t(x)] - band);
        const int high = std::min(yEnd, reference[std::size_t(x)] + band);
        for (int y = low; y <= high; ++y) {
            const int here = row[std::size_t(slot(x, y))];
            if (here == INT_MAX)
                continue;
            moves(x, y, [&](Step step, int stepCost) {
                const int nx = x + step.dx;
                const int ny = y + step.dy;
                if (nx > xEnd || ny > yEnd)
                    return;
                const int s = slot(nx, ny);
                if (s < 0 || s >= width)
                    return;
                int &there = cost[std::size_t(nx % 3)][std::size_t(s)];
                if (here + stepCost < there) {
                    there = here + stepCost;
                    choice[std::size_t(nx) * std::size_t(width) + std::size_t(s)] = step;
                }
            });
        }
        if (x == xEnd)
            break;
        std::fill(row.begin(), row.end(), INT_MAX);
    }

    std::vector<std::pair<Step, std::pair<int, int>>> path;
    int x = xEnd;
    int y = yEnd;
    if (slot(x, y) < 0 || slot(x, y) >= width)
        return path;
    while (x > 0 || y > 0) {
        const Step step = choice[std::size_t(x) * std::size_t(width) + std::size_t(slot(x, y))];
        if (step.tag == Start)
            return {};
        x -= step.dx;
        y -= step.dy;
        path.push_back({step, {x, y}});
    }
    std::reverse(path.begin(), path.end());
    return path;
}

char textbookFiller(char letter)
{
    return letter == 'X' ? 'Q' : 'X';
}

struct Worker
{
    std::string_view square;
    std::array<SquarePosition, 26> position{};
    const std::vector<std::string> &otherSquares;

    Worker(std::string_view s, const std::vector<std::string> &others)
        : square(s)
        , otherSquares(others)
    {
        for (int cell = 0; cell < 25; ++cell)
            position[std::size_t(square[std::size_t(cell)] - 'A')] = {cell / 5, cell % 5};
    }

    // The pair worked in direction `step`; a pair of one letter twice stays.
    std::string image(char a, char b, int step) const
    {
        const auto [first, second] = imageOf(position[std::size_t(a - 'A')], position[std::size_t(b - 'A')], step);
        return {square[std::size_t(first.cell())], square[std::size_t(second.cell())]};
    }

    std::optional<SlipFinding> slipOf(const std::string &given, const std::string &expected,
                                      const std::string &answer, int step) const
    {
        if (answer == expected)
            return std::nullopt;
        if (given.size() != 2 || given[0] == given[1] || answer.size() != 2)
            return SlipFinding{};
        return findSlip(square, given, step, answer, otherSquares);
    }
};

void encrypting(const Worker &w, std::string_view message, const std::vector<std::string> &pieces, TextCheck &check)
{
    const int n = int(message.size());
    const int pieceCount = int(pieces.size());
    const auto matches = [&](int k, char a, char b) { return pieces[std::size_t(k)] == w.image(a, b, +1); };

    // The band follows the textbook's preparation, stretched to the
    // answer's length: a right answer lies on it.
    std::vector<int> textbookPairs(std::size_t(n + 1), 0);
    int made = 0;
    for (int i = 0; i < n;) {
        textbookPairs[std::size_t(i)] = made;
        const bool two = i + 1 < n && message[std::size_t(i + 1)] != message[std::size_t(i)];
        if (two)
            textbookPairs[std::size_t(i + 1)] = made;
        i += two ? 2 : 1;
        ++made;
    }
    textbookPairs[std::size_t(n)] = made;
    std::vector<int> reference(std::size_t(n + 1));
    for (int i = 0; i <= n; ++i)
        reference[std::size_t(i)] = int((long long)textbookPairs[std::size_t(i)] * pieceCount / std::max(made, 1));

    const auto path = cheapestPath(n, pieceCount, reference, [&](int i, int k, auto add) {
        const bool more = k < pieceCount;
        const bool fullPiece = more && pieces[std::size_t(k)].size() == 2;
        if (i < n) {
            const char a = message[std::size_t(i)];
            const bool doubled = i + 1 < n && message[std::size_t(i + 1)] == a;
            const bool fillerDue = doubled || i + 1 == n;
            if (i + 1 < n && !doubled) {
                if (fullPiece)
                    add(Step{Plain, 2, 1}, matches(k, a, message[std::size_t(i + 1)]) ? 0 : wrongCost);
                add(Step{MissingPair, 2, 0}, skipCost);
            } else {
                add(Step{MissingPair, 1, 0}, skipCost);
            }
            if (doubled && fullPiece)
                add(Step{DoubleKept, 2, 1}, slipCost + (matches(k, a, a) ? 0 : wrongCost));
            for (char filler : {'X', 'Q', 'Z'}) {
                if (filler == a || !fullPiece)
                    continue;
                const int mark = matches(k, a, filler) ? 0 : wrongCost;
                if (fillerDue && filler == textbookFiller(a))
                    add(Step{TextbookFiller, 1, 1, filler}, mark);
                else
                    add(Step{std::uint8_t(fillerDue ? WrongFiller : NeedlessFiller), 1, 1, filler}, slipCost + mark);
            }
            // A filler put between doubled letters that fell into two
            // pairs anyway: it starts the pair of the second letter.
            if (i > 0 && message[std::size_t(i - 1)] == a && fullPiece) {
                for (char filler : {'X', 'Q', 'Z'}) {
                    if (filler != a)
                        add(Step{FillerFirst, 1, 1, filler}, slipCost + (matches(k, filler, a) ? 0 : wrongCost));
                }
            }
            if (i + 1 == n) {
                if (more && pieces[std::size_t(k)].size() == 1)
                    add(Step{OddAlone, 1, 1, a}, slipCost);
                add(Step{OddDropped, 1, 0, a}, slipCost);
            }
        }
        if (more)
            add(Step{ExtraPair, 0, 1}, skipCost);
    });

    const std::string textbook = preparedMessage(message);
    for (const auto &[step, from] : path) {
        const auto [i, k] = from;
        const char a = i < n ? message[std::size_t(i)] : 0;
        CheckedPair row;
        const std::string piece = step.dy ? pieces[std::size_t(k)] : std::string();
        const int index = int(check.pairs.size());
        switch (step.tag) {
        case Plain:
            row.given = {a, message[std::size_t(i + 1)]};
            break;
        case TextbookFiller:
        case NeedlessFiller:
        case WrongFiller:
            row.given = {a, step.letter};
            if (step.tag == NeedlessFiller)
                check.preparation.push_back({PreparationSlip::NeedlessFiller, index, step.letter});
            if (step.tag == WrongFiller)
                check.preparation.push_back({PreparationSlip::WrongFiller, index, step.letter});
            break;
        case FillerFirst:
            row.given = {step.letter, a};
            check.preparation.push_back({PreparationSlip::NeedlessFiller, index, step.letter});
            break;
        case DoubleKept:
            row.given = {a, a};
            check.preparation.push_back({PreparationSlip::MissingFiller, index, a});
            break;
        case OddAlone:
            row.given = {a};
            row.counted = false;
            check.preparation.push_back({PreparationSlip::OddEndAlone, index, a});
            break;
        case OddDropped:
            check.preparation.push_back({PreparationSlip::OddEndAlone, -1, a});
            continue;
        case MissingPair:
            row.given = step.dx == 2 ? std::string{a, message[std::size_t(i + 1)]} : std::string{a, textbookFiller(a)};
            check.preparation.push_back({PreparationSlip::MissingPair, index, 0});
            break;
        case ExtraPair:
            check.preparation.push_back({PreparationSlip::ExtraPair, index, 0});
            break;
        default:
            continue;
        }
        row.answer = piece;
        // A doubled pair kept has no cipher pair: no rule takes it.
        if (row.given.size() == 2 && step.tag != DoubleKept)
            row.expected = w.image(row.given[0], row.given[1], +1);
        row.slip = row.counted ? w.slipOf(row.given, row.expected, row.answer, +1) : std::nullopt;
        if (step.tag == DoubleKept || step.tag == NeedlessFiller || step.tag == FillerFirst || step.tag == WrongFiller
            || step.tag == OddAlone) {
            // What the textbook has where the pupil's preparation turned: its
            // pair starting with the same message letter.
            const std::string prepared = preparedMessage(message.substr(0, std::size_t(i)));
            std::size_t at = prepared.size() - prepared.size() % 2;
            if (at + 1 < textbook.size())
                row.textbook = textbook.substr(at, 2);
        }
        check.pairs.push_back(row);
    }
}

void decrypting(const Worker &w, std::string_view cipher, std::string_view plain, TextCheck &check)
{
    const int pairCount = int(cipher.size() / 2);
    const int letters = int(plain.size());
    std::vector<std::string> expected;
    for (int j = 0; j < pairCount; ++j)
        expected.push_back(w.image(cipher[std::size_t(2 * j)], cipher[std::size_t(2 * j + 1)], -1));
    // A filler the textbook put in: an X (Q after an X) splitting a doubled
    // letter, or evening the end.
    const auto fillerAt = [&](int j) {
        const std::string &e = expected[std::size_t(j)];
        return e[1] == textbookFiller(e[0]) && (j + 1 == pairCount || expected[std::size_t(j + 1)][0] == e[0]);
    };

    std::vector<int> reference(std::size_t(pairCount + 1));
    for (int j = 0; j <= pairCount; ++j)
        reference[std::size_t(j)] = pairCount == 0 ? 0 : int((long long)j * letters / pairCount);

    const auto path = cheapestPath(pairCount, letters, reference, [&](int j, int p, auto add) {
        if (j < pairCount) {
            const std::string &e = expected[std::size_t(j)];
            if (p + 2 <= letters)
                add(Step{CipherPair, 1, 2}, plain.substr(std::size_t(p), 2) == e ? 0 : wrongCost);
            if (p < letters && fillerAt(j) && plain[std::size_t(p)] == e[0])
                add(Step{FillerLeftOut, 1, 1, e[1]}, 1);
            add(Step{MissingPair, 1, 0}, skipCost);
        }
        if (p + 2 <= letters)
            add(Step{ExtraPair, 0, 2}, skipCost);
        if (p < letters)
            add(Step{ExtraPair, 0, 1}, skipCost);
    });

    for (const auto &[step, from] : path) {
        const auto [j, p] = from;
        const int index = int(check.pairs.size());
        CheckedPair row;
        row.answer = std::string(plain.substr(std::size_t(p), step.dy));
        if (step.dx) {
            row.given = std::string(cipher.substr(std::size_t(2 * j), 2));
            row.expected = expected[std::size_t(j)];
        }
        switch (step.tag) {
        case CipherPair:
            row.slip = w.slipOf(row.given, row.expected, row.answer, -1);
            break;
        case FillerLeftOut:
            check.preparation.push_back({PreparationSlip::FillerLeftOut, index, step.letter});
            break;
        case MissingPair:
        case ExtraPair:
            check.preparation.push_back(
                {step.tag == MissingPair ? PreparationSlip::MissingPair : PreparationSlip::ExtraPair, index, 0});
            row.slip = SlipFinding{};
            break;
        default:
            continue;
        }
        check.pairs.push_back(row);
    }
}

} // namespace

std::string_view preparationCode(PreparationSlip slip)
{
    switch (slip) {
    case PreparationSlip::MissingFiller:
        return "missing-filler";
    case PreparationSlip::NeedlessFiller:
        return "needless-filler";
    case PreparationSlip::WrongFiller:
        return "wrong-filler";
    case PreparationSlip::OddEndAlone:
        return "odd-end";
    case PreparationSlip::JKept:
        return "j-kept";
    case PreparationSlip::MissingPair:
        return "missing-pair";
    case PreparationSlip::ExtraPair:
        return "extra-pair";
    case PreparationSlip::FillerLeftOut:
        break;
    }
    return "filler-left-out";
}

TextCheck checkText(std::string_view square, std::string_view text, std::string_view answer, int step,
                    const std::vector<std::string> &otherSquares)
{
    TextCheck check;
    if (!isSquare(square))
        return check;
    const Worker worker(square, otherSquares);
    std::string counted(answer);
    std::replace(counted.begin(), counted.end(), 'J', 'I');

    if (step > 0) {
        std::vector<std::string> pieces;
        for (std::size_t i = 0; i < counted.size(); i += 2)
            pieces.push_back(counted.substr(i, 2));
        encrypting(worker, text, pieces, check);
    } else {
        decrypting(worker, text, counted, check);
    }

    // J in the answer, noted at the first pair that has it.
    const std::size_t j = answer.find('J');
    if (j != std::string_view::npos) {
        std::size_t letters = 0;
        int row = -1;
        for (std::size_t r = 0; r < check.pairs.size() && row < 0; ++r) {
            letters += check.pairs[r].answer.size();
            if (letters > j)
                row = int(r);
        }
        check.preparation.push_back({PreparationSlip::JKept, row, 'J'});
    }

    // Every row and column pair moved the other way, and at least two: the
    // pupil worked the whole text in the other direction.
    int lines = 0;
    int reversed = 0;
    for (const CheckedPair &pair : check.pairs) {
        if (!pair.counted || pair.given.size() != 2 || pair.given[0] == pair.given[1])
            continue;
        const PairRule rule = ruleFor(worker.position[std::size_t(pair.given[0] - 'A')],
                                      worker.position[std::size_t(pair.given[1] - 'A')]);
        if (rule == PairRule::SameRow || rule == PairRule::SameColumn) {
            ++lines;
            reversed += pair.slip && pair.slip->slip == Slip::Direction;
        }
    }
    for (CheckedPair &pair : check.pairs) {
        if (lines >= 2 && reversed == lines && pair.slip && pair.slip->slip == Slip::Direction)
            pair.slip->slip = Slip::OtherDirection;
        check.total += pair.counted;
        check.right += pair.right();
    }
    return check;
}

} // namespace playfair
