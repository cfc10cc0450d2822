// The by-hand session's sentences: the notes on a change, the places of a
// probable word, the plaintext, the counts, the square's note and the key
// words' line, put into words in the language shown when they are asked for.

#include "byhandsession.h"

#include "byhandwording.h"

#include "workspace/uilanguage.h"

#include <algorithm>

namespace playfair {

using namespace analysis;
using namespace byhandwording;

QString ByHandSession::cellName(int cell)
{
    return tr("ред %1, колона %2").arg(cell / 5 + 1).arg(cell % 5 + 1);
}

QString ByHandSession::tallyText() const
{
    if (pairCount() == 0)
        return {};
    const auto places = [](const QList<int> &list) { return numbers(list).join(QStringLiteral(", ")); };
    QStringList lines;
    lines.append(tr("Двойки: %1, различни: %2.").arg(pairCount()).arg(m_tally.pairs.size()));
    QStringList repeated;
    for (const CipherTally::Pair &pair : m_tally.pairs) {
        if (pair.places.size() < 2)
            break;
        repeated.append(QStringLiteral("%1 ×%2 (%3)").arg(pair.letters).arg(pair.places.size()).arg(places(pair.places)));
    }
    lines.append(repeated.isEmpty() ? tr("Никоя двойка не се повтаря.") : tr("Повтарят се: %1.").arg(repeated.join(QStringLiteral("; "))));
    if (!m_tally.repeats.isEmpty()) {
        QStringList runs;
        for (const CipherTally::Repeat &repeat : m_tally.repeats) {
            QStringList pairs;
            for (qsizetype i = 0; i < repeat.letters.size(); i += 2)
                pairs.append(repeat.letters.mid(i, 2));
            runs.append(QStringLiteral("%1 (%2)").arg(pairs.join(u' '), places(repeat.places)));
        }
        lines.append(tr("Повторени поредици: %1.").arg(runs.join(QStringLiteral("; "))));
    }
    if (!m_tally.reversed.isEmpty()) {
        QStringList reversed;
        for (const CipherTally::Reversed &pair : m_tally.reversed)
            reversed.append(QStringLiteral("%1 (%2) ↔ %3 (%4)")
                                .arg(pair.letters, places(pair.places), QString(pair.letters[1]) + pair.letters[0],
                                     places(pair.reversePlaces)));
        lines.append(tr("Обратни двойки: %1.").arg(reversed.join(QStringLiteral("; "))));
    }
    QStringList missing;
    for (QChar letter : m_tally.missingLetters)
        missing.append(letter);
    lines.append(missing.isEmpty() ? tr("Всяка буква се среща.") : tr("Не се срещат: %1.").arg(missing.join(u' ')));
    return lines.join(u'\n');
}

QString ByHandSession::plaintextPairs() const
{
    QStringList pairs;
    for (qsizetype i = 0; i + 1 < m_plain.size(); i += 2)
        pairs.append(m_plain.mid(i, 2));
    return pairs.join(u' ');
}

QString ByHandSession::plaintextWords() const
{
    return m_words.isEmpty() ? QString() : tr("Думите (догадка): %1").arg(m_words);
}

QString ByHandSession::pairsNamed(const QList<int> &pairs, const QList<int> &cells) const
{
    QStringList equations;
    for (int pair : pairs) {
        const QString plain = pair == m_change.pair && !m_change.text.isEmpty() && m_change.kind == Change::Kind::RejectedGuess
                && m_change.text.size() == 2
            ? m_change.text
            : guess(pair);
        equations.append(QStringLiteral("%1 = %2").arg(plain, cipherPair(pair)));
    }
    QStringList parts;
    if (!pairs.isEmpty()) {
        parts.append(pairs.size() == 1 ? tr("двойка %1 (%2)").arg(pairs[0] + 1).arg(equations[0])
                                       : tr("двойки %1 (%2)").arg(listed(numbers(pairs)), equations.join(QStringLiteral(", "))));
    }
    for (int cell : cells) {
        const auto placed = std::find_if(m_board.placed.begin(), m_board.placed.end(),
                                         [&](const PlacedCell &p) { return p.cell == cell; });
        const QString letter = placed != m_board.placed.end() ? QString(placed->letter) : m_change.text;
        parts.append(tr("буквата %1 в %2").arg(letter, cellName(cell)));
    }
    return listed(parts);
}

QString ByHandSession::notes() const
{
    QStringList lines;
    const QString first = changeSentence(m_change);
    if (!first.isEmpty())
        lines.append(first);
    lines.append(factLines(m_change));
    if (m_result.consistency == Consistency::Contradictory && m_result.contradiction) {
        QList<int> pairs;
        for (std::size_t equation : m_result.contradiction->pairs)
            pairs.append(m_pairOfEquation[equation]);
        QList<int> cells;
        for (std::size_t placed : m_result.contradiction->placed)
            cells.append(m_input.placed[placed].cell);
        lines.append(tr("Това не може да е вярно заедно: %1.").arg(pairsNamed(pairs, cells)));
    }
    return lines.join(u'\n');
}

QString ByHandSession::changeSentence(const Change &change) const
{
    using Kind = Change::Kind;
    const int pair = change.pair + 1;
    switch (change.kind) {
    case Kind::None:
        return tr("Напишете шифрования текст и натиснете „Нова дъска“, или започнете урока.");
    case Kind::NewBoard:
        if (!change.note.isEmpty())
            return change.note.text();
        return pairCount() == 1 ? tr("Нова дъска: една шифрована двойка.")
                                : tr("Нова дъска: %n шифровани двойки. Започнете с честотите на двойките.", nullptr, pairCount());
    case Kind::Refused:
        return change.note.text();
    case Kind::Guess:
        if (change.text.isEmpty())
            return tr("Двойка %1: догадката е махната.").arg(pair);
        return tr("Двойка %1: %2 под %3.").arg(pair).arg(change.text, cipherPair(change.pair));
    case Kind::Word:
        return tr("Думата %1 е поставена от буква %2 нататък.").arg(change.text).arg(change.position + 1);
    case Kind::Cell:
        if (change.text.isEmpty())
            return tr("Клетката на %1 е изчистена.").arg(cellName(change.cell));
        return tr("Буквата %1 е поставена на %2.").arg(change.text, cellName(change.cell));
    case Kind::Key:
        return tr("Ключовата дума %1 е приложена: квадратът и откритият текст са пълни.").arg(change.text);
    case Kind::Undo:
        return tr("Последната промяна е отменена.");
    case Kind::Redo:
        return tr("Промяната е направена отново.");
    case Kind::Opened:
        return tr("Дъската е отворена от „%1“.").arg(change.text);
    case Kind::Lesson:
        return tr("Урок, стъпка %1: показано как се прави.").arg(m_step + 1);
    case Kind::RejectedGuess:
        if (change.contradictionPairs == QList<int>{change.pair} && change.contradictionCells.isEmpty())
            return tr("Двойка %1: %2 под %3 не е приета: никой квадрат не шифрира %2 в %3.")
                .arg(pair)
                .arg(change.text, cipherPair(change.pair));
        return change.text.size() == 2 && change.pair >= 0 && change.contradictionPairs.contains(change.pair)
            ? tr("Двойка %1: %2 под %3 не е приета: противоречи на това, което вече е известно. Не могат да са "
                 "верни заедно %4.")
                  .arg(pair)
                  .arg(change.text, cipherPair(change.pair), pairsNamed(change.contradictionPairs, change.contradictionCells))
            : tr("Това не е прието: не могат да са верни заедно %1.")
                  .arg(pairsNamed(change.contradictionPairs, change.contradictionCells));
    case Kind::RejectedCell:
        return tr("Буквата %1 на %2 не е приета: не могат да са верни заедно %3.")
            .arg(change.text, cellName(change.cell), pairsNamed(change.contradictionPairs, change.contradictionCells));
    case Kind::RejectedKey:
        if (change.contradictionPairs.isEmpty() && change.contradictionCells.isEmpty())
            return tr("Квадратът на %1 не държи буквите на местата, където са поставени.").arg(change.text);
        return tr("Квадратът на %1 не отговаря на %2.").arg(change.text, pairsNamed(change.contradictionPairs, {}));
    case Kind::BadGuess:
        switch (KnownPairError::Kind(change.reason)) {
        case KnownPairError::Kind::DoubledPlain:
            return tr("Двойка %1: %2 не може да е открита двойка: две еднакви букви никога не стоят в една двойка "
                      "(между тях се пише X).")
                .arg(pair)
                .arg(change.text);
        case KnownPairError::Kind::OwnCipherLetter:
            return tr("Двойка %1: %2 не може да стои под %3: буквата %4 щеше да е своя шифърна буква, а Playfair "
                      "никога не шифрира буква в самата нея.")
                .arg(pair)
                .arg(change.text, cipherPair(change.pair), change.errorText);
        default:
            return tr("Двойка %1: напишете две латински букви или буква и „?“.").arg(pair);
        }
    case Kind::Cyrillic:
        return change.cell >= 0 ? tr("Буквите в квадрата са латински: на %1 не е поставено нищо.").arg(cellName(change.cell))
                                : tr("Двойка %1: догадките се пишат с латински букви.").arg(pair);
    }
    return {};
}

QString ByHandSession::placeDescription(const WordPlace &place) const
{
    const int first = int(place.position / 2) + 1;
    const int last = int((place.position + std::size_t(m_word.size()) - 1) / 2) + 1;
    const QString where = first == last ? tr("Двойка %1").arg(first) : tr("Двойки %1–%2").arg(first).arg(last);
    switch (place.verdict) {
    case WordPlace::Verdict::Possible:
        return tr("%1: може.").arg(where);
    case WordPlace::Verdict::DoubledLetter:
        return tr("%1: не може, двойка %2 щеше да е от две еднакви букви.").arg(where).arg(place.at + 1);
    case WordPlace::Verdict::OwnCipherLetter:
        return tr("%1: не може, %2 щеше да е своя шифърна буква (буква %3).")
            .arg(where, m_word.mid(int(place.at - place.position), 1))
            .arg(place.at + 1);
    case WordPlace::Verdict::Contradiction: {
        QList<int> pairs;
        for (std::size_t equation : place.knownInContradiction.pairs)
            pairs.append(m_pairOfEquation[equation]);
        QList<int> cells;
        for (std::size_t placed : place.knownInContradiction.placed)
            cells.append(m_input.placed[placed].cell);
        if (pairs.isEmpty() && cells.isEmpty())
            return tr("%1: не може, двойките на думата си противоречат.").arg(where);
        return tr("%1: не може, противоречи на %2.").arg(where, pairsNamed(pairs, cells));
    }
    }
    return where;
}

QString ByHandSession::squareNote() const
{
    if (pairCount() == 0 || m_result.consistency != Consistency::Consistent)
        return {};
    QStringList lines;
    if (m_input.pairs.empty() && m_input.placed.empty())
        lines.append(tr("Още нищо не е известно за квадрата."));
    else if (!m_square.contains(u'.'))
        lines.append(tr("Квадратът е пълен."));
    else if (m_result.arrangementsExact)
        lines.append(m_result.arrangements == 1
                         ? tr("Буквите от догадките могат да стоят в квадрата само по един начин.")
                         : tr("Буквите от догадките могат да стоят в квадрата по %n начина.", nullptr, int(m_result.arrangements)));
    else
        lines.append(tr("Буквите от догадките могат да стоят в квадрата по повече от %1 начина.")
                         .arg(uiLocale().toString(qulonglong(countedArrangements))));
    if (m_run && m_square.contains(u'.')) {
        QString gaps;
        for (const PlacedLetter &gap : m_run->gaps)
            gaps += (gaps.isEmpty() ? QString() : QStringLiteral(" ")) + QChar(letterName(gap.letter));
        const QString where = m_run->rows == 0 && m_run->columns == 0
            ? tr("Последните редове вървят по азбучен ред")
            : tr("Преместен с %1 реда надолу и %2 колони надясно, квадратът завършва по азбучен ред")
                  .arg(m_run->rows)
                  .arg(m_run->columns);
        lines.append(gaps.isEmpty() ? tr("%1: квадратът вероятно е от ключова дума, а ключът е в първите клетки.").arg(where)
                                    : tr("%1: квадратът вероятно е от ключова дума. Празните клетки сред тях би трябвало "
                                         "да са %2, по ред.")
                                          .arg(where, gaps));
    }
    return lines.join(u'\n');
}

QString ByHandSession::keyNote() const
{
    switch (m_keysState) {
    case KeysState::TooFew:
        if (!m_board.keyWord.isEmpty())
            return tr("Ключовата дума е %1.").arg(m_board.keyWord);
        return tr("Ключовите думи се търсят, щом поне две двойки имат и двете си букви.");
    case KeysState::Searching:
        return tr("Търся ключови думи, които отговарят на догадките…");
    case KeysState::Found:
        if (m_keys.empty())
            return tr("Никоя ключова дума от списъците не отговаря на всички догадки.");
        return m_keys.size() == 1 ? tr("Една ключова дума отговаря на догадките.")
                                  : tr("%n ключови думи отговарят на догадките, най-добрата първа.", nullptr, int(m_keys.size()));
    }
    return {};
}

} // namespace playfair
