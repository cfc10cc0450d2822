// A libFuzzer target that drives the workspace the way the window does: it
// starts it with Form_Load and then runs a sequence of Encrypt and Clear
// clicks, list selections and edits of the two boxes. After every step it
// checks what the user would see against an expected state worked out here,
// independently of the engine, and aborts with a message on any difference.
//
// Input format: byte 0xFF cuts the input into parts,
//
//     COMMANDS 0xFF KEY 0xFF MESSAGE [0xFF TEXT]...
//
// KEY and MESSAGE, where present, replace the start texts of the key word and
// message boxes. They and the further TEXTs are UTF-8 of any kind, invalid
// sequences included, read with QString::fromUtf8. (0xFF never occurs in
// UTF-8, and a stray byte reads like any other invalid byte, so every box
// text is still within reach.) COMMANDS is a line of commands, each a capital
// letter with decimal numbers; anything else between them is skipped, and a
// missing number reads as 0:
//
//     E        click Encrypt (Command1_Click(0))
//     C        click Clear (Command1_Click(1))
//     Sl,r     select row r of list l (SelectItem; invalid lists and rows too)
//     Kn       type text n into the key word box, replacing what it holds
//     Mn       type text n into the message box, replacing what it holds
//              (text 0 is KEY, 1 is MESSAGE, 2 on the TEXTs; any other n
//              leaves the box empty)
//     Ln       make the message box exactly n characters long by repeating or
//              cutting its text, so that a tiny input reaches the messages
//              too long for Encrypt (n is at most 65536)
//
// For example "E S0,2 C L32768 E", 0xFF, "RODINA", 0xFF, "sega".

#include "engine/characters.h"
#include "workspace/errors.h"
#include "workspace/workspace.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>

namespace playfair::fuzzing {

namespace {

// The longest message Encrypt takes, in characters (Unicode code points).
constexpr qsizetype longestMessage = 32767;

// The most characters an L command makes: well past the longest message.
constexpr qsizetype longestLengthened = 65536;

// An input runs at most this many commands, so that it stays quick even with
// messages of tens of thousands of characters.
constexpr int mostCommands = 32;

// The letters of the square in alphabetical order.
const QString alphabet = QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");

// ---------------------------------------------------------------------------
// The reference: what the workspace should hold, worked out without the engine

// Whether a character starts at `i` that takes two UTF-16 units.
bool isSurrogatePairAt(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

// The number of characters (code points) in a text: a surrogate pair counts
// once, and so does a lone surrogate.
qsizetype charactersIn(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); i += isSurrogatePairAt(text, i) ? 2 : 1)
        ++count;
    return count;
}

// The text repeated, or cut, to exactly `characters` characters; an empty
// text stays empty.
QString lengthened(const QString &text, qsizetype characters)
{
    // Where each character starts, in UTF-16 units, and where the text ends.
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < text.size(); i += isSurrogatePairAt(text, i) ? 2 : 1)
        starts << i;
    if (starts.isEmpty())
        return text;
    const qsizetype perCopy = starts.size();
    starts << text.size();

    QString result;
    for (qsizetype left = characters; left > 0; left -= perCopy)
        result += QStringView(text).first(starts[std::min(left, perCopy)]);
    return result;
}

// The letters a box keeps when it is cleaned. Upper-casing never turns a
// character outside a..z into one of A..Z, so they are exactly the Latin
// letters of the text, as capitals, with J counted as I.
QString cleanedByHand(QStringView text)
{
    QString letters;
    for (QChar unit : text) {
        char16_t c = unit.unicode();
        if (c >= u'a' && c <= u'z')
            c = char16_t(c - u'a' + u'A');
        if (c >= u'A' && c <= u'Z')
            letters += QChar(c == u'J' ? u'I' : c);
    }
    return letters;
}

// The keyed square read row by row: the letters of the key word in the order
// they first appear, then the rest of the alphabet.
QString keyedSquare(const QString &cleanKey)
{
    QString square;
    for (QChar letter : cleanKey + alphabet) {
        if (!square.contains(letter))
            square += letter;
    }
    return square;
}

// A cleaned message cut into twos, an odd last letter alone.
QStringList groupsOf(const QString &cleanMessage)
{
    QStringList groups;
    for (qsizetype i = 0; i < cleanMessage.size(); i += 2)
        groups << cleanMessage.mid(i, 2);
    return groups;
}

// The groups that have a cipher pair: two different letters.
QStringList pairsOf(const QStringList &groups)
{
    QStringList pairs;
    for (const QString &group : groups) {
        if (group.size() == 2 && group[0] != group[1])
            pairs << group;
    }
    return pairs;
}

// The Playfair cipher pair of a pair of two different letters.
QString cipherOf(const QString &square, const QString &pair)
{
    const qsizetype first = square.indexOf(pair[0]);
    const qsizetype second = square.indexOf(pair[1]);
    const qsizetype row1 = first / 5, column1 = first % 5;
    const qsizetype row2 = second / 5, column2 = second % 5;
    const auto at = [&square](qsizetype row, qsizetype column) { return square[5 * (row % 5) + column % 5]; };

    if (row1 == row2) // each letter one column to the right
        return QString(at(row1, column1 + 1)) + at(row2, column2 + 1);
    if (column1 == column2) // each letter one row down
        return QString(at(row1 + 1, column1)) + at(row2 + 1, column2);
    return QString(at(row1, column2)) + at(row2, column1); // the other corners of the rectangle
}

// The 25 cell captions read row by row.
QString squareOf(const Workspace &ws)
{
    QString square;
    for (const QString &cell : ws.Label3)
        square += cell;
    return square;
}

void setSquare(Workspace &ws, const QString &square)
{
    for (int cell = 0; cell < 25; ++cell)
        ws.Label3[cell] = square[cell];
}

// A list holding `items`, with no selection.
ItemList listOf(const QStringList &items)
{
    ItemList list;
    for (const QString &item : items)
        list.AddItem(item);
    return list;
}

// ---------------------------------------------------------------------------
// Failing

// The step being checked, for the failure message.
QString currentStep;

// A text for a failure message, cut short if long.
QString shown(const QString &text)
{
    constexpr qsizetype most = 120;
    if (text.size() <= most)
        return u'"' + text + u'"';
    return QStringLiteral("\"%1...\" (%2 UTF-16 units)").arg(text.first(most)).arg(text.size());
}

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "\nfuzz_workspace: after %s: %s\n", qPrintable(currentStep), qPrintable(what));
    std::fflush(stderr);
    std::abort();
}

// Fails with the message that `what` gives unless `condition` holds; the
// message is put together only for a failure.
template<typename Message>
void require(bool condition, Message what)
{
    if (!condition)
        fail(what());
}

// ---------------------------------------------------------------------------
// The checks

// What holds between any two steps. `listsFromEncrypt` says whether the lists
// are still those of the last Encrypt, that is, no Clear came after it.
void checkInvariants(const Workspace &ws, bool listsFromEncrypt)
{
    QString letters = squareOf(ws);
    std::sort(letters.begin(), letters.end());
    require(letters == alphabet, [&] {
        return QStringLiteral("the cells hold %1, not A..Z without J each once").arg(shown(squareOf(ws)));
    });

    for (int i = 0; i < 4; ++i) {
        const ItemList &list = ws.List1[i];
        require(list.ListIndex() >= -1 && list.ListIndex() < list.ListCount(), [&] {
            return QStringLiteral("List1[%1] selects row %2 of %3").arg(i).arg(list.ListIndex()).arg(list.ListCount());
        });
    }
    require(ws.List1[3].ListCount() == 0, [&] {
        return QStringLiteral("the letter pool List1[3] keeps %1 items").arg(ws.List1[3].ListCount());
    });

    const QStringList &groups = ws.List1[0].items();
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const bool tail = i == groups.size() - 1 && groups[i].size() == 1;
        require((groups[i].size() == 2 || tail) && cleanedByHand(groups[i]) == groups[i], [&] {
            return QStringLiteral("List1[0] row %1 holds %2").arg(i).arg(shown(groups[i]));
        });
    }

    for (const QString &item : ws.List1[1].items()) {
        require(item.size() == 2 && item[0] != item[1] && alphabet.contains(item[0]) && alphabet.contains(item[1]),
                [&] { return QStringLiteral("List1[1] holds %1, not two different letters").arg(shown(item)); });
    }

    // Until a Clear, the decrypted pairs are the message pairs that give one.
    if (listsFromEncrypt) {
        require(ws.List1[2].items() == pairsOf(groups), [&] {
            return QStringLiteral("List1[2] (%1 items) is not List1[0] (%2 items) without same-letter pairs and tail")
                .arg(ws.List1[2].ListCount())
                .arg(groups.size());
        });
    }
}

// Whether the explanation box went from `before` to `after` by one more trace
// line: a number (none for an empty key word) and CR LF.
bool oneTraceLineAdded(const QString &before, const QString &after)
{
    if (!after.startsWith(before) || !after.endsWith(QStringLiteral("\r\n")))
        return false;
    const QStringView line = QStringView(after).sliced(before.size()).chopped(2);
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// What a step may do to the explanation box.
enum class Trace {
    Unchanged,
    OneLineAdded,
    EitherOne,
};

// Compares what the user sees (the boxes, the cells, the lists with their
// selections and the explanation box) with the expected workspace.
void checkAgainst(const Workspace &ws, const Workspace &expected, const Workspace &before, Trace trace)
{
    static const std::array<QString, 2> boxNames{QStringLiteral("key word box"), QStringLiteral("message box")};
    for (int box = 0; box < 2; ++box) {
        require(ws.Text2[box] == expected.Text2[box], [&] {
            return QStringLiteral("the %1 holds %2, not %3")
                .arg(boxNames[box], shown(ws.Text2[box]), shown(expected.Text2[box]));
        });
    }
    require(ws.Label3 == expected.Label3, [&] {
        return QStringLiteral("the square is %1, not %2").arg(shown(squareOf(ws)), shown(squareOf(expected)));
    });

    for (int i = 0; i < 4; ++i) {
        const QStringList &items = ws.List1[i].items();
        const QStringList &wanted = expected.List1[i].items();
        require(items == wanted, [&] {
            qsizetype row = 0;
            while (row < items.size() && row < wanted.size() && items[row] == wanted[row])
                ++row;
            return QStringLiteral("List1[%1] has %2 items, not %3; the first difference is in row %4: %5, not %6")
                .arg(i)
                .arg(items.size())
                .arg(wanted.size())
                .arg(row)
                .arg(shown(items.value(row)), shown(wanted.value(row)));
        });
        require(ws.List1[i].ListIndex() == expected.List1[i].ListIndex(), [&] {
            return QStringLiteral("List1[%1] selects row %2, not %3")
                .arg(i)
                .arg(ws.List1[i].ListIndex())
                .arg(expected.List1[i].ListIndex());
        });
    }

    const bool unchanged = ws.Text1[0] == before.Text1[0];
    const bool lineAdded = !unchanged && oneTraceLineAdded(before.Text1[0], ws.Text1[0]);
    const bool ok = trace == Trace::Unchanged      ? unchanged
                    : trace == Trace::OneLineAdded ? lineAdded
                                                   : unchanged || lineAdded;
    require(ok, [&] {
        return QStringLiteral("the explanation box went from %1 to %2 UTF-16 units; it ends in %3")
            .arg(before.Text1[0].size())
            .arg(ws.Text1[0].size())
            .arg(shown(ws.Text1[0].right(40)));
    });
}

// Runs a handler and says whether it raised an OverflowError; any other error
// is a failure.
template<typename Handler>
bool overflows(Handler handler)
{
    try {
        handler();
    } catch (const OverflowError &) {
        return true;
    } catch (const RuntimeError &error) {
        fail(QStringLiteral("unexpected run-time error: %1").arg(error.description()));
    } catch (const std::exception &error) {
        fail(QStringLiteral("unexpected exception: %1").arg(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        fail(QStringLiteral("unexpected exception of unknown type"));
    }
    return false;
}

// Runs a handler that must raise nothing at all.
template<typename Handler>
void runWithoutError(Handler handler)
{
    require(!overflows(handler), [] { return QStringLiteral("unexpected overflow error"); });
}

// ---------------------------------------------------------------------------
// The steps

// One workspace driven through the steps of an input, each checked.
class Session
{
public:
    explicit Session(QList<QString> texts)
        : m_texts(std::move(texts))
    {
    }

    void start()
    {
        // A new workspace: the explanation, empty cells and empty lists.
        currentStep = QStringLiteral("creating the workspace");
        const auto emptyCell = [](const QString &cell) { return cell.isEmpty(); };
        const auto emptyList = [](const ItemList &list) { return list == ItemList(); };
        require(m_ws.Text1[0] == Workspace::explanation()
                    && std::all_of(m_ws.Label3.begin(), m_ws.Label3.end(), emptyCell)
                    && std::all_of(m_ws.List1.begin(), m_ws.List1.end(), emptyList),
                [] { return QStringLiteral("a new workspace does not start empty"); });

        currentStep = QStringLiteral("Form_Load");
        Workspace expected = m_ws;
        setSquare(expected, alphabet);
        const Workspace before = m_ws;
        runWithoutError([this] { m_ws.Form_Load(); });
        checkAgainst(m_ws, expected, before, Trace::Unchanged);
        checkInvariants(m_ws, m_listsFromEncrypt);

        // The user types the key word and the message, where the input has them.
        for (int box = 0; box < 2 && box < m_texts.size(); ++box) {
            currentStep = QStringLiteral("typing text %1").arg(box);
            typeInto(box, box);
        }
    }

    void encrypt()
    {
        const Workspace before = m_ws;
        Workspace expected = before;
        const QString key = cleanedByHand(before.Text2[0]);
        const QString message = cleanedByHand(before.Text2[1]);
        expected.Text2[0] = key;

        const bool refused = overflows([this] { m_ws.Command1_Click(0); });

        const qsizetype length = charactersIn(before.Text2[1]);
        if (length > longestMessage) {
            require(refused, [&] { return QStringLiteral("Encrypt took a message of %1 characters").arg(length); });
            // The key word is cleaned and the message only upper-cased, one
            // character for one, keeping its letters; nothing else changes.
            expected.Text2[1] = upperCased(before.Text2[1]);
            checkAgainst(m_ws, expected, before, Trace::EitherOne);
            const QString &shownMessage = m_ws.Text2[1];
            require(charactersIn(shownMessage) == length && cleanedByHand(shownMessage) == message, [] {
                return QStringLiteral("the refused message lost or gained characters or letters");
            });
            const auto small = [](QChar c) { return c >= u'a' && c <= u'z'; };
            require(std::none_of(shownMessage.begin(), shownMessage.end(), small),
                    [] { return QStringLiteral("the refused message still holds small letters a..z"); });
        } else {
            require(!refused, [&] { return QStringLiteral("Encrypt refused a message of %1 characters").arg(length); });
            const QString square = keyedSquare(key);
            const QStringList groups = groupsOf(message);
            const QStringList pairs = pairsOf(groups);
            QStringList cipher;
            for (const QString &pair : pairs)
                cipher << cipherOf(square, pair);
            expected.Text2[1] = message;
            setSquare(expected, square);
            expected.List1[0] = listOf(groups);
            expected.List1[1] = listOf(cipher);
            expected.List1[2] = listOf(pairs); // decrypting gives the pairs back
            checkAgainst(m_ws, expected, before, Trace::OneLineAdded);

            // The same from what the workspace shows now, without the reference.
            for (int box = 0; box < 2; ++box) {
                const QString &text = m_ws.Text2[box];
                require(std::all_of(text.begin(), text.end(), [](QChar c) { return alphabet.contains(c); }),
                        [&] { return QStringLiteral("box %1 holds %2 after Encrypt").arg(box).arg(shown(text)); });
            }
            require(m_ws.List1[0].items() == groupsOf(m_ws.Text2[1]),
                    [] { return QStringLiteral("List1[0] is not the message box in groups of two"); });
            m_listsFromEncrypt = true;
        }
        checkInvariants(m_ws, m_listsFromEncrypt);
    }

    void clear()
    {
        const Workspace before = m_ws;
        Workspace expected = before;
        setSquare(expected, alphabet);
        expected.Text2[0].clear();
        expected.Text2[1].clear();
        expected.List1[0].Clear();
        expected.List1[1].Clear(); // List1[2] keeps its items and selection
        runWithoutError([this] { m_ws.Command1_Click(1); });
        checkAgainst(m_ws, expected, before, Trace::Unchanged);
        m_listsFromEncrypt = false;
        checkInvariants(m_ws, m_listsFromEncrypt);
    }

    void select(qint16 list, qint16 row)
    {
        const Workspace before = m_ws;
        Workspace expected = before;
        // A row the user can pick becomes the selection of every list that
        // has it, -1 clearing them all; anything else is ignored.
        const bool valid = list >= 0 && list < 4 && row >= -1 && row < before.List1[list].ListCount();
        if (valid) {
            for (ItemList &other : expected.List1) {
                if (row < other.ListCount())
                    other.SetListIndex(row);
            }
        }
        runWithoutError([this, list, row] { m_ws.SelectItem(list, row); });
        checkAgainst(m_ws, expected, before, Trace::Unchanged);
        if (!valid)
            require(m_ws == before, [] { return QStringLiteral("an invalid selection changed the workspace"); });
        checkInvariants(m_ws, m_listsFromEncrypt);
    }

    // Puts text number `text` of the input into box `box`, as if typed.
    void typeInto(int box, qint64 text)
    {
        setBox(box, text >= 0 && text < m_texts.size() ? m_texts[text] : QString());
    }

    void lengthenMessage(qsizetype characters)
    {
        setBox(1, lengthened(m_ws.Text2[1], characters));
    }

private:
    // Typing runs no handler, so it changes nothing but the box.
    void setBox(int box, const QString &text)
    {
        m_ws.Text2[box] = text;
        checkInvariants(m_ws, m_listsFromEncrypt);
    }

    Workspace m_ws;
    QList<QString> m_texts;
    bool m_listsFromEncrypt = true; // Form_Load leaves all lists empty
};

// ---------------------------------------------------------------------------
// Reading the commands

class CommandReader
{
public:
    explicit CommandReader(QByteArrayView text)
        : m_text(text)
    {
    }

    // The next command letter, skipping anything that is not one; 0 at the end.
    char next()
    {
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (QByteArrayView("ECSKML").contains(c))
                return c;
        }
        return 0;
    }

    // A decimal number with an optional minus sign at the current place, 0
    // when there is none. Its size stops growing at a billion.
    qint64 number()
    {
        const bool negative = skip('-');
        qint64 value = 0;
        while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9')
            value = std::min<qint64>(value * 10 + (m_text[m_at++] - '0'), 1'000'000'000);
        return negative ? -value : value;
    }

    // Skips `c` if it is at the current place, and says whether it was.
    bool skip(char c)
    {
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    qsizetype position() const { return m_at; }

    // The text read since `from`.
    QString textSince(qsizetype from) const { return QString::fromLatin1(m_text.sliced(from, m_at - from)); }

private:
    QByteArrayView m_text;
    qsizetype m_at = 0;
};

qint16 toInt16(qint64 value)
{
    return qint16(std::clamp<qint64>(value, -32768, 32767));
}

void run(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> parts = input.split('\xff');

    QList<QString> texts;
    for (qsizetype i = 1; i < parts.size(); ++i)
        texts << QString::fromUtf8(parts[i]);

    Session session(texts);
    session.start();

    CommandReader commands(parts[0]);
    for (int n = 1; n <= mostCommands; ++n) {
        const char command = commands.next();
        if (command == 0)
            break;
        const qsizetype from = commands.position() - 1;
        switch (command) {
        case 'E':
            currentStep = QStringLiteral("command %1, E (Encrypt)").arg(n);
            session.encrypt();
            break;
        case 'C':
            currentStep = QStringLiteral("command %1, C (Clear)").arg(n);
            session.clear();
            break;
        case 'S': {
            const qint16 list = toInt16(commands.number());
            commands.skip(',');
            const qint16 row = toInt16(commands.number());
            currentStep = QStringLiteral("command %1, %2 (select row %3 of list %4)")
                              .arg(n)
                              .arg(commands.textSince(from).trimmed())
                              .arg(row)
                              .arg(list);
            session.select(list, row);
            break;
        }
        case 'K':
        case 'M': {
            const qint64 text = commands.number();
            currentStep = QStringLiteral("command %1, %2 (type text %3)")
                              .arg(n)
                              .arg(commands.textSince(from).trimmed())
                              .arg(text);
            session.typeInto(command == 'K' ? 0 : 1, text);
            break;
        }
        case 'L': {
            const qsizetype characters = std::clamp<qint64>(commands.number(), 0, longestLengthened);
            currentStep = QStringLiteral("command %1, %2 (message of %3 characters)")
                              .arg(n)
                              .arg(commands.textSince(from).trimmed())
                              .arg(characters);
            session.lengthenMessage(characters);
            break;
        }
        }
    }
}

} // namespace

} // namespace playfair::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    playfair::fuzzing::run(data, size);
    return 0;
}
