#include "practicetask.h"

#include "characters.h"
#include "examplekeys.h"
#include "keyedsquare.h"
#include "playfair.h"
#include "workspace/workspace.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace playfair {

namespace {

constexpr int fewestPairs = 8;
constexpr int mostPairs = 12;

constexpr std::array everyKind{PairKind::Rectangle, PairKind::SameRow, PairKind::SameRowWrapping,
                               PairKind::SameColumn, PairKind::SameColumnWrapping};

// A Fisher-Yates shuffle of our own, so that a seed gives the same task with
// every standard library.
template<typename T>
void shuffle(QList<T> &list, QRandomGenerator &random)
{
    for (qsizetype i = list.size() - 1; i > 0; --i)
        list.swapItemsAt(i, random.bounded(int(i + 1)));
}

QString cleanedText(const QString &text)
{
    return cleaned(upperCased(text));
}

// A text cleaned into the alphabet: for latin-ij exactly as the engine
// cleans a message.
CleanedText cleanedIn(const Alphabet &alphabet, const QString &text)
{
    if (alphabet == Alphabet::classic())
        return {toUtf32(cleanedText(text)), {}};
    return alphabet.cleaned(toUtf32(text));
}

// The groups of two of a cleaned text that give a cipher pair.
QStringList pairsOf(const QString &cleanedText)
{
    QStringList pairs;
    for (qsizetype i = 0; i + 1 < cleanedText.size(); i += 2) {
        if (cleanedText[i] != cleanedText[i + 1])
            pairs << cleanedText.mid(i, 2);
    }
    return pairs;
}

QString squareOf(const Workspace &ws)
{
    QString square;
    for (const QString &cell : ws.Label3)
        square += cell;
    return square;
}

// The square the engine builds from a key word.
QString squareFor(const QString &keyWord)
{
    return QString::fromStdString(keyedSquare(cleanedText(keyWord).toStdString()));
}

QString squareFor(const Alphabet &alphabet, const QString &cleanedKey)
{
    return fromUtf32(keyedSquare(alphabet, toUtf32(cleanedKey)));
}

bool hasEveryKind(const PracticeTask &task)
{
    const QList<PairKind> kinds = task.kinds();
    return std::all_of(everyKind.begin(), everyKind.end(), [&](PairKind kind) { return kinds.contains(kind); });
}

// Pairs from the built-in messages on `square`: a whole message when one of
// them has every kind of pair (so that a decrypted task reads as a message),
// else one pair of each kind and more drawn from all messages, in random order.
// `fewest` to `most` pairs, none of them a whole message whose pairs are in `taken`.
PracticeTask taskOn(const QString &keyWord, const QString &square, QRandomGenerator &random, int fewest = fewestPairs,
                    int most = mostPairs, const QList<QStringList> &taken = {},
                    const Alphabet &alphabet = Alphabet::classic())
{
    PracticeTask task{keyWord, square, {}, alphabet.id(), {}};
    const QStringList &messages = PracticeTask::messages(alphabet);
    const auto cleanedText = [&alphabet](const QString &text) { return fromUtf32(cleanedIn(alphabet, text).letters); };

    QList<int> order;
    for (int i = 0; i < messages.size(); ++i)
        order << i;
    shuffle(order, random);
    for (int i : order) {
        task.pairs = pairsOf(cleanedText(messages[i]));
        if (task.pairs.size() >= fewest && task.pairs.size() <= most && hasEveryKind(task) && !taken.contains(task.pairs)) {
            task.dropped = fromUtf32(cleanedIn(alphabet, messages[i]).dropped);
            return task;
        }
    }

    QStringList pool;
    for (const QString &message : messages) {
        for (const QString &pair : pairsOf(cleanedText(message))) {
            if (!pool.contains(pair))
                pool << pair;
        }
    }
    // The other alphabets have fewer messages: their pairs across the
    // textbook pairs' borders count too, so that every kind has some.
    if (alphabet != Alphabet::classic()) {
        for (const QString &message : messages) {
            for (const QString &pair : pairsOf(cleanedText(message).mid(1))) {
                if (!pool.contains(pair))
                    pool << pair;
            }
        }
    }
    shuffle(pool, random);
    PracticeTask all{keyWord, square, pool, alphabet.id(), {}};
    const QList<PairKind> kinds = all.kinds();

    QStringList chosen;
    for (PairKind kind : everyKind) {
        const qsizetype at = kinds.indexOf(kind);
        if (at >= 0)
            chosen << pool[at];
    }
    const int count = fewest + random.bounded(most - fewest + 1);
    for (const QString &pair : std::as_const(pool)) {
        if (chosen.size() >= count)
            break;
        if (!chosen.contains(pair))
            chosen << pair;
    }
    shuffle(chosen, random);
    task.pairs = chosen;
    return task;
}

// The key word of the workspace's square: the key box's cleaned text when
// that builds it, else the shortest key word that does; none when no key
// word builds it.
std::optional<QString> keyWordOf(const Workspace &ws)
{
    const QString square = squareOf(ws);
    const std::optional<std::string> shortestKey = shortestKeyFor(square.toStdString());
    if (!shortestKey)
        return std::nullopt;
    const QString keyWord = cleanedText(ws.Text2[0]);
    return squareFor(keyWord) == square ? keyWord : QString::fromStdString(*shortestKey);
}

} // namespace

std::optional<PairKind> kindOf(SquarePosition first, SquarePosition second, SquareShape shape)
{
    const bool wraps = wrapsAround(first, second, +1, shape);
    switch (ruleFor(first, second)) {
    case PairRule::Rectangle:
        return PairKind::Rectangle;
    case PairRule::SameRow:
        return wraps ? PairKind::SameRowWrapping : PairKind::SameRow;
    case PairRule::SameColumn:
        return wraps ? PairKind::SameColumnWrapping : PairKind::SameColumn;
    case PairRule::SameCell:
        break;
    }
    return std::nullopt;
}

Workspace PracticeTask::workspace() const
{
    Workspace ws;
    for (int cell = 0; cell < 25 && cell < square.size(); ++cell)
        ws.Label3[cell] = square[cell];
    for (const QString &pair : pairs)
        ws.List1[0].AddItem(pair);
    EncryptDigraphs(ws);
    DecryptDigraphs(ws);
    return ws;
}

QList<PairKind> PracticeTask::kinds() const
{
    const SquareShape shape = alphabetOf().shape();
    const auto at = [this, shape](QChar letter) { return SquarePosition::ofCell(int(square.indexOf(letter)), shape); };
    QList<PairKind> kinds;
    for (const QString &pair : pairs) {
        if (const auto kind = kindOf(at(pair[0]), at(pair[1]), shape))
            kinds << *kind;
    }
    return kinds;
}

PracticeTask PracticeTask::random(QRandomGenerator &random)
{
    const QStringList &words = keyWords();
    return forKeyWord(words[random.bounded(int(words.size()))], random);
}

PracticeTask PracticeTask::forKeyWord(const QString &keyWord, QRandomGenerator &random)
{
    const QString cleanedKey = cleanedText(keyWord);
    return taskOn(cleanedKey, squareFor(cleanedKey), random);
}

PracticeTask PracticeTask::forKeyWord(const QString &keyWord, QRandomGenerator &random, int pairCount,
                                      const QList<QStringList> &taken)
{
    Q_ASSERT(pairCount >= minPairCount && pairCount <= maxPairCount);
    const QString cleanedKey = cleanedText(keyWord);
    return taskOn(cleanedKey, squareFor(cleanedKey), random, pairCount, pairCount, taken);
}

PracticeTask PracticeTask::random(QRandomGenerator &random, const Alphabet &alphabet)
{
    if (alphabet == Alphabet::classic())
        return PracticeTask::random(random);
    const QStringList &words = keyWords(alphabet);
    return forKeyWord(words[random.bounded(int(words.size()))], random, alphabet);
}

PracticeTask PracticeTask::forKeyWord(const QString &keyWord, QRandomGenerator &random, const Alphabet &alphabet,
                                      int pairCount, const QList<QStringList> &taken)
{
    Q_ASSERT(pairCount == 0 || (pairCount >= minPairCount && pairCount <= maxPairCount));
    if (alphabet == Alphabet::classic())
        return pairCount == 0 ? forKeyWord(keyWord, random) : forKeyWord(keyWord, random, pairCount, taken);
    const QString cleanedKey = fromUtf32(alphabet.cleaned(toUtf32(keyWord)).letters);
    const int fewest = pairCount == 0 ? fewestPairs : pairCount;
    const int most = pairCount == 0 ? mostPairs : pairCount;
    return taskOn(cleanedKey, squareFor(alphabet, cleanedKey), random, fewest, most, taken, alphabet);
}

PracticeTask PracticeTask::fromWorkspace(const Workspace &ws, QRandomGenerator &random)
{
    if (std::optional<PracticeTask> task = ofWorkspacePairs(ws))
        return *task;
    const std::optional<QString> keyWord = keyWordOf(ws);
    return keyWord ? taskOn(*keyWord, squareOf(ws), random) : PracticeTask::random(random);
}

std::optional<PracticeTask> PracticeTask::ofWorkspacePairs(const Workspace &ws)
{
    const std::optional<QString> keyWord = keyWordOf(ws);
    if (!keyWord)
        return std::nullopt;
    QStringList pairs;
    for (const QString &item : ws.List1[0].items()) {
        if (item.size() == 2 && item[0] != item[1])
            pairs << item;
    }
    if (pairs.isEmpty())
        return std::nullopt;
    return PracticeTask{*keyWord, squareOf(ws), pairs};
}

const QStringList &PracticeTask::keyWords()
{
    static const QStringList words = [] {
        QStringList list;
        for (std::string_view word : exerciseKeyWords())
            list << QString::fromLatin1(word.data(), qsizetype(word.size()));
        return list;
    }();
    return words;
}

namespace {

// The Cyrillic key words and messages: two blocks of lines, one a line,
// parted by an empty line.
const QList<QStringList> &cyrillicExercises()
{
    static const QList<QStringList> blocks = [] {
        QFile file(QStringLiteral(":/playfair/exercises.cyrillic.txt"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The embedded Cyrillic exercises are missing from the build.");
        QList<QStringList> read{{}};
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (line.trimmed().isEmpty())
                read << QStringList();
            else
                read.back() << line.trimmed();
        }
        read.removeAll(QStringList());
        if (read.size() != 2)
            qFatal("The embedded Cyrillic exercises are not two blocks of lines.");
        return read;
    }();
    return blocks;
}

} // namespace

const QStringList &PracticeTask::keyWords(const Alphabet &alphabet)
{
    return alphabet.id() == Alphabet::Id::Cyrillic ? cyrillicExercises().at(0) : keyWords();
}

const QStringList &PracticeTask::messages(const Alphabet &alphabet)
{
    static const QStringList withDigits = messages() + QStringList{
        QStringLiteral("MEET ME AT 7 BY GATE 12"),
        QStringLiteral("ROOM 42 ON FLOOR 3"),
        QStringLiteral("THE CODE IS 9051 TODAY"),
        QStringLiteral("BUS 86 LEAVES AT 5 PM"),
        QStringLiteral("SEND 30 MAPS TO CAMP 4"),
        QStringLiteral("WE MEET ON 19 MAY AT 8"),
    };
    switch (alphabet.id()) {
    case Alphabet::Id::Cyrillic:
        return cyrillicExercises().at(1);
    case Alphabet::Id::LatinDigits:
        return withDigits;
    case Alphabet::Id::LatinIJ:
    case Alphabet::Id::LatinQ:
        break;
    }
    return messages();
}

const QStringList &PracticeTask::messages()
{
    // Each one 16 to 24 letters, cut in pairs of two different letters.
    static const QStringList texts{
        QStringLiteral("MEET ME AT THE OLD BRIDGE"),
        QStringLiteral("THE KEY IS UNDER THE MAT AGAIN"),
        QStringLiteral("BRING THE MAP TO THE CLUB"),
        QStringLiteral("WE LEAVE AT DAWN ON MONDAYS"),
        QStringLiteral("THE TREASURE IS IN THE CAVE"),
        QStringLiteral("SEND HELP TO THE NORTH GATE"),
        QStringLiteral("OUR LESSON STARTS AT EIGHT"),
        QStringLiteral("HIDE THE NOTE IN THE DESK"),
        QStringLiteral("WAIT FOR ME BY THE RIVER NOW"),
        QStringLiteral("THE PARTY IS ON FRIDAY"),
        QStringLiteral("PHONE ME AFTER THE MATCH"),
        QStringLiteral("OUR TEAM WON THE QUIZ AGAIN"),
        QStringLiteral("THE BOX IS BEHIND THE SHEDS"),
        QStringLiteral("CHAKAM TE PRED UCHILISHTETO"),
        QStringLiteral("UTRE IMAME KONTROLNO"),
        QStringLiteral("SRESHTA V PARKA V PET CHASA"),
        QStringLiteral("KLYUCHAT E POD KAMAKA"),
        QStringLiteral("VZEMI KNIGATA OT BIBLIOTEKA"),
        QStringLiteral("TRENIROVKATA E V SHEST CHASA"),
        QStringLiteral("OBADI MI SLED UROKA"),
        QStringLiteral("DONESI KARTATA VEDNAGA"),
        QStringLiteral("ZAPOCHVAME V OSEM CHASA"),
        QStringLiteral("PRAZNIKAT E V PETAK"),
        QStringLiteral("PISMOTO E V RANITSATA"),
        QStringLiteral("NE KAZVAI NA NIKOGO"),
        QStringLiteral("OTIVAME NA EKSKURZIA"),
    };
    return texts;
}

} // namespace playfair
