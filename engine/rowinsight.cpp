#include "rowinsight.h"

#include "workspace/workspace.h"

namespace playfair {

namespace {

std::optional<SquarePosition> positionOf(const Workspace &ws, QChar letter)
{
    for (int cell = 0; cell < 25; ++cell) {
        if (ws.Label3[cell] == letter)
            return SquarePosition{cell / 5, cell % 5};
    }
    return std::nullopt;
}

// The positions of a pair's letters, or none if a letter is not in the square.
std::optional<QList<SquarePosition>> positionsOf(const Workspace &ws, const QString &pair)
{
    QList<SquarePosition> positions;
    for (QChar letter : pair) {
        const auto position = positionOf(ws, letter);
        if (!position)
            return std::nullopt;
        positions << *position;
    }
    return positions;
}

// The pair a two-letter pair turns into (`step` +1 encrypts, -1 decrypts);
// empty when its letters share a cell or are not in the square.
QString imageOf(const Workspace &ws, const QString &pair, int step)
{
    const auto positions = positionsOf(ws, pair);
    if (pair.size() != 2 || !positions || ruleFor(positions->at(0), positions->at(1)) == PairRule::SameCell)
        return {};
    const auto [first, second] = playfair::imageOf(positions->at(0), positions->at(1), step);
    return ws.Label3[first.cell()] + ws.Label3[second.cell()];
}

// The message list row whose pair gave cipher row `cipherRow`: the pairs that
// give nothing are skipped, so the rows shift past each of them.
int messageRowOf(const Workspace &ws, int cipherRow)
{
    const QList<QString> &message = ws.List1[0].items();
    int produced = 0;
    for (int row = 0; row < message.size(); ++row) {
        if (imageOf(ws, message[row], +1).isEmpty())
            continue;
        if (produced++ == cipherRow)
            return row;
    }
    return -1;
}

int cipherRowOf(const Workspace &ws, int messageRow)
{
    int produced = 0;
    for (int row = 0; row < messageRow; ++row) {
        if (!imageOf(ws, ws.List1[0].items()[row], +1).isEmpty())
            ++produced;
    }
    return produced < ws.List1[1].ListCount() ? produced : -1;
}

// The decrypted list belongs to the square shown when decrypting the cipher
// list on it gives exactly that list again.
bool decryptedListBelongs(const Workspace &ws)
{
    QList<QString> decrypted;
    for (const QString &pair : ws.List1[1].items())
        decrypted << imageOf(ws, pair, -1);
    return decrypted == ws.List1[2].items();
}

} // namespace

std::optional<RowInsight> insightFor(const Workspace &ws, int list, int row)
{
    if (list < 0 || list > 2 || row < 0 || row >= ws.List1[list].ListCount())
        return std::nullopt;
    if (list == 2 && !decryptedListBelongs(ws))
        return std::nullopt;

    RowInsight insight;
    insight.list = list;
    insight.row = row;
    const QString pair = ws.List1[list].items()[row];
    if (list == 1) {
        insight.cipher = pair;
        insight.plain = imageOf(ws, pair, -1);
    } else {
        insight.plain = pair;
        insight.cipher = imageOf(ws, pair, +1);
    }

    const auto plainPositions = positionsOf(ws, insight.plain);
    const auto cipherPositions = positionsOf(ws, insight.cipher);
    if (insight.plain.isEmpty() || !plainPositions || !cipherPositions)
        return std::nullopt;
    insight.plainPositions = *plainPositions;
    insight.cipherPositions = *cipherPositions;
    insight.singleLetter = insight.plain.size() == 1;
    insight.rule = insight.singleLetter ? PairRule::SameCell
                                        : ruleFor(insight.plainPositions[0], insight.plainPositions[1]);

    if (list == 0) {
        insight.messageRow = row;
        if (!insight.cipher.isEmpty())
            insight.cipherRow = cipherRowOf(ws, row);
    } else {
        insight.cipherRow = row;
        insight.messageRow = messageRowOf(ws, row);
    }
    return insight;
}

} // namespace playfair
