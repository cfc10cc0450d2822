// The break session's sentences: the status line and the notes, in
// Bulgarian, with the figures written the Bulgarian way.

#include "breaksession.h"

#include "analysis/ciphertext.h"
#include "analysis/squarealignment.h"
#include "engine/characters.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <variant>

namespace playfair {

namespace {

using analysis::Language;

QLocale bulgarian()
{
    return QLocale(QLocale::Bulgarian, QLocale::Bulgaria);
}

QString seconds(double value)
{
    return QStringLiteral("%1 с").arg(bulgarian().toString(value, 'f', 1));
}

// A count in groups of three digits, as Bulgarian writes it: 1 461 274.
// (Qt 6.4's Bulgarian locale leaves the first group of a 7-digit number whole.)
QString grouped(std::uint64_t number)
{
    QString digits = QString::number(qulonglong(number));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QChar(0x00A0));
    return digits;
}

QString keysTested(std::uint64_t keys)
{
    return QStringLiteral("%1 %2").arg(grouped(keys), keys == 1 ? QStringLiteral("ключ") : QStringLiteral("ключа"));
}

QString languageName(Language language)
{
    return language == Language::English ? QStringLiteral("английски") : QStringLiteral("български");
}

// ", оценка -4,39" once a square is found; with the language found by the
// search, in which language, and the other's.
QString scoreClause(const analysis::SolverReport &report)
{
    if (!report.found)
        return {};
    const QString score = bulgarian().toString(report.score, 'f', 2);
    if (!report.languageFound)
        return QStringLiteral(", оценка %1").arg(score);
    const Language other = report.language == Language::English ? Language::Bulgarian : Language::English;
    return QStringLiteral(", оценка %1 на %2 (на %3 %4: езикът е намерен от търсенето)")
        .arg(score, languageName(report.language), languageName(other),
             bulgarian().toString(report.otherLanguageScore, 'f', 2));
}

// Why the solver trusted its answer, after "резултатът е сигурен".
QString confidentWhy(const analysis::SolverResult &result)
{
    switch (result.confidence) {
    case analysis::Confidence::KeyWord:
        return QStringLiteral("резултатът е сигурен: квадратът е от ключова дума, а текстът му прилича на езика и е "
                              "много по-вероятен от всеки друг намерен");
    case analysis::Confidence::Settled:
        return QStringLiteral("резултатът е сигурен: текстът прилича на езика и никое търсене от този квадрат не "
                              "намери по-добър");
    case analysis::Confidence::Agreed:
    case analysis::Confidence::None:
        break;
    }
    return QStringLiteral("резултатът е сигурен, %1 независими търсения стигнаха до един и същ текст")
        .arg(result.agreeing);
}

// "4 823 910 такива ключа": of the kind just named.
QString suchKeys(std::uint64_t keys)
{
    return keys == 1 ? QStringLiteral("1 такъв ключ") : QStringLiteral("%1 такива ключа").arg(grouped(keys));
}

// A key word's letters as the square is built from them.
QString keyLetters(const QString &keyWord)
{
    return cleaned(upperCased(keyWord));
}

// "12", "12 и 40", "3, 12 и 40".
QString numberList(const QList<int> &numbers)
{
    QString list;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            list += i + 1 == numbers.size() ? QStringLiteral(" и ") : QStringLiteral(", ");
        list += QString::number(numbers[i]);
    }
    return list;
}

// How a key was written into the square, as a sentence: nothing for rows.
QString routeSentence(SquareRoute route)
{
    switch (route) {
    case SquareRoute::Rows:
        return {};
    case SquareRoute::Columns:
        return QStringLiteral("Ключът е вписан в квадрата по колони, а не по редове.");
    case SquareRoute::RowSnake:
        return QStringLiteral("Ключът е вписан в квадрата като змийка по редове: всеки втори ред отдясно наляво.");
    case SquareRoute::ColumnSnake:
        return QStringLiteral("Ключът е вписан в квадрата като змийка по колони: всяка втора колона отдолу нагоре.");
    case SquareRoute::Spiral:
        return QStringLiteral("Ключът е вписан в квадрата по спирала: от горния ляв ъгъл по часовниковата стрелка.");
    case SquareRoute::Diagonals:
        return QStringLiteral("Ключът е вписан в квадрата по диагонали: от горния ляв ъгъл, всеки диагонал отдясно "
                              "наляво надолу.");
    }
    return {};
}

// Two lines, or the one that is not empty.
QString lines(const QString &first, const QString &second)
{
    if (first.isEmpty())
        return second;
    return second.isEmpty() ? first : first + u'\n' + second;
}

// Functions, not constants: a QString constant is built by a static
// constructor at every start of the program, whichever window opens.
QString keyKnownNote()
{
    return QStringLiteral("Ключът е известен: буквите, които са на мястото си, ще се оцветят в зелено.");
}

QString keyUnknownNote()
{
    return QStringLiteral("Ключът не е известен: нищо не се отбелязва.");
}


} // namespace

QString BreakSession::inPlaceNote() const
{
    const bool searched = hasSearched();
    if (!searched || !m_report.found)
        return (searched ? m_trueSquare.has_value() : keyKnown()) ? keyKnownNote() : keyUnknownNote();
    if (!m_trueSquare)
        return keyUnknownNote();
    const int cells = analysis::alignedSquare(m_report.square, *m_trueSquare).count;
    const QString plain = QString::fromStdString(m_report.plaintext);
    qsizetype same = 0;
    for (qsizetype i = 0; i < plain.size() && i < m_truePlain.size(); ++i)
        same += plain[i] == m_truePlain[i];
    const int percent = m_truePlain.isEmpty() ? 0 : int(std::floor(100.0 * double(same) / double(m_truePlain.size())));
    return QStringLiteral("На мястото си: %1 от 25 букви.\nВерен текст: %2 % от буквите.").arg(cells).arg(percent);
}

QString BreakSession::scoreNote() const
{
    const Language language = shownLanguage();
    const analysis::ScoreLevels levels = analysis::scoreLevels(language);
    return QStringLiteral("Оценката показва колко прилича текстът на %1: средният логаритъм от вероятността на "
                          "всяка буква след предходните четири (около %2 за случайни букви, около %3 за обикновен "
                          "текст).")
        .arg(languageName(language), bulgarian().toString(levels.random, 'f', 1),
             bulgarian().toString(levels.typical, 'f', 1));
}

QString BreakSession::setAsideNote() const
{
    return m_inputReadable ? m_setAsideNote : QString();
}

QList<int> BreakSession::garbledPairs() const
{
    QList<int> pairs;
    if (m_state != State::Finished || !m_report.found)
        return pairs;
    for (std::size_t pair : m_report.garbling.pairs)
        pairs << int(pair);
    return pairs;
}

QString BreakSession::garbledNote() const
{
    if (m_state != State::Finished || !m_report.found)
        return {};
    const analysis::Garbling &garbling = m_report.garbling;
    if (garbling.readsNowhere())
        return QStringLiteral("Текстът изобщо не се чете: намереният квадрат едва ли е ключът.");
    QList<int> before; // the garbled pairs before the text stops reading
    for (std::size_t pair : garbling.pairs) {
        if (!garbling.unreadableFrom || pair < *garbling.unreadableFrom)
            before << int(pair + 1);
    }
    QString garbled;
    if (before.size() == 1)
        garbled = QStringLiteral("Двойка %1 (подчертана) се чете много по-зле, отколкото която и да е друга двойка "
                                 "би се чела там: вероятно е сбъркана при предаването.")
                      .arg(before.first());
    else if (!before.isEmpty())
        garbled = QStringLiteral("Двойки %1 (подчертани) се четат много по-зле, отколкото които и да е други двойки "
                                 "биха се чели там: вероятно са сбъркани при предаването.")
                      .arg(numberList(before));
    if (!garbling.unreadableFrom)
        return garbled;
    return lines(garbled, QStringLiteral("От двойка %1 нататък текстът не се чете: вероятно там е изпусната или "
                                         "добавена буква.")
                              .arg(*garbling.unreadableFrom + 1));
}

QString BreakSession::shortTextNote(qsizetype letters) const
{
    if (letters == 0 || letters >= qsizetype(analysis::shortCiphertext))
        return {};
    QString note = QStringLiteral("Шифърът има само %1 букви: на толкова кратък текст пасват много квадрати.")
                       .arg(letters);
    if (m_crib.trimmed().isEmpty())
        note += QStringLiteral(" Ако знаете дума от текста, напишете я в „Известна дума“.");
    return note;
}

QString BreakSession::status() const
{
    switch (m_state) {
    case State::Idle: {
        if (!m_message.isEmpty())
            return m_message;
        if (m_ciphertext.trimmed().isEmpty())
            return QStringLiteral("Поставете шифрован текст или направете демонстрация, после натиснете „Започни“.");
        return lines(QStringLiteral("Натиснете „Започни“ или Enter в полето за шифрования текст."),
                     m_inputReadable ? shortTextNote(m_inputCipher.size()) : QString());
    }
    case State::Refused:
        return m_message;
    case State::Searching:
        return lines(QStringLiteral("Търсене: %1, проверени %2, завършени опити: %3%4.")
                         .arg(seconds(m_report.elapsedSeconds), keysTested(m_report.keysTested))
                         .arg(m_report.restarts)
                         .arg(scoreClause(m_report)),
                     shortTextNote(m_letters.size()));
    case State::Stopping:
        return QStringLiteral("Спиране…");
    case State::Finished:
        break;
    }
    return lines(finishedStatus(), shortTextNote(m_letters.size()));
}

QString BreakSession::finishedStatus() const
{
    QString why;
    switch (m_report.stopped) {
    case analysis::StopReason::Confident:
        why = confidentWhy(m_report);
        break;
    case analysis::StopReason::TimeLimit:
        why = QStringLiteral("времето за търсене изтече");
        break;
    case analysis::StopReason::Cancelled:
        why = QStringLiteral("спряно");
        break;
    }
    QString first = QStringLiteral("Търсенето приключи след %1 и %2 проверени ключа: %3%4.")
                        .arg(seconds(m_report.elapsedSeconds), grouped(m_report.keysTested), why,
                             scoreClause(m_report));
    if (!m_report.found)
        first += m_cribGiven ? QStringLiteral(" Не е намерен квадрат, при който известната дума е в текста.")
                             : QStringLiteral(" Не е намерен квадрат.");
    return first;
}

bool BreakSession::keyWordNamed() const
{
    return hasSearched() && m_report.found && m_report.keyWord && !m_report.keyWord->empty();
}

bool BreakSession::keyWordTrusted() const
{
    if (!hasSearched() || !m_report.found)
        return false;
    if (m_trueSquare)
        return foundIsKnownKey();
    return m_state == State::Finished && m_report.stopped == analysis::StopReason::Confident;
}

QString BreakSession::keyWordLine() const
{
    if (!m_trueKeyWord.isEmpty() && foundIsKnownKey()) {
        // The key as typed, but spaced as the search names it when it was
        // typed without the spaces (as the main window leaves a key).
        const QString latin = inLatin(m_trueKeyWord);
        if (latin != m_trueKeyWord)
            return QStringLiteral("Ключовата дума е %1 (%2)").arg(m_trueKeyWord, latin);
        const QString named = keyWordNamed() ? QString::fromStdString(*m_report.keyWord) : QString();
        const bool spaced = QString(named).remove(u' ') == QString(m_trueKeyWord).remove(u' ')
            && named.count(u' ') > m_trueKeyWord.count(u' ');
        return QStringLiteral("Ключовата дума е %1").arg(spaced ? named : m_trueKeyWord);
    }
    const bool trusted = keyWordTrusted();
    const QString best
        = m_state == State::Finished ? QStringLiteral("Най-добрият намерен ключ") : QStringLiteral("Най-добрият ключ досега");
    if (keyWordNamed()) {
        const QString key = QString::fromStdString(*m_report.keyWord);
        if (trusted)
            return m_report.keyWordInList ? QStringLiteral("Ключовата дума е %1").arg(key)
                                          : QStringLiteral("Ключът е буквите %1 — не е дума от списъците").arg(key);
        return m_report.keyWordInList ? QStringLiteral("%1: %2").arg(best, key)
                                      : QStringLiteral("%1: буквите %2 (не е дума от списъците)").arg(best, key);
    }
    // While the search runs, a square from the general search may yet turn
    // out to be a key word's: only the end says it is none.
    if (m_state == State::Finished && m_report.found)
        return trusted ? QStringLiteral("Намереният квадрат не е от ключова дума")
                       : QStringLiteral("Най-добрият намерен квадрат не е от ключова дума");
    return {};
}

// How much of a square not trusted is right: counted against the known
// key, or else at most the letters the text holds, since a letter it does
// not hold may stand anywhere.
QString BreakSession::lettersRightNote() const
{
    if (m_trueSquare)
        return QStringLiteral("Не е ключът: на мястото си са %1 от 25 букви на квадрата.")
            .arg(analysis::alignedSquare(m_report.square, *m_trueSquare).count);
    QString letters = m_letters + QString::fromStdString(m_report.plaintext);
    std::sort(letters.begin(), letters.end());
    letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
    const QString unsure = m_state == State::Finished ? QStringLiteral("Търсенето не е сигурно в този ключ")
                                                       : QStringLiteral("Търсенето още не е сигурно в този ключ");
    if (letters.size() >= 25)
        return unsure + u'.';
    return QStringLiteral("%1: в текста има само %2 от 25-те букви, затова най-много %2 букви на квадрата може да "
                          "са на мястото си.")
        .arg(unsure)
        .arg(letters.size());
}

QString BreakSession::keyWordNote() const
{
    if (keyWordLine().isEmpty())
        return {};
    const bool knownKeyNamed = !m_trueKeyWord.isEmpty() && foundIsKnownKey();
    // The route of the key the line names: the known one's, or the one found.
    const QString route = routeSentence(knownKeyNamed ? m_trueRoute
                                            : keyWordNamed() ? m_report.keyRoute : SquareRoute::Rows);
    QString shortest;
    if (knownKeyNamed && keyWordNamed()
        && keyLetters(inLatin(m_trueKeyWord)) != keyLetters(QString::fromStdString(*m_report.keyWord)))
        shortest = QStringLiteral("Търсенето я назовава с най-късата дума, която дава същия квадрат: %1.")
                       .arg(QString::fromStdString(*m_report.keyWord));
    shortest = lines(route, shortest);
    if (!keyWordTrusted())
        return lines(shortest, lettersRightNote());
    if (!knownKeyNamed && !(keyWordNamed() && m_report.keyWordInList))
        return shortest;
    // 25! orders of the letters, of which each 25 cyclic shifts encrypt alike.
    return lines(shortest,
                 QStringLiteral("Квадрат от ключова дума се намира лесно: търсенето опита само %1, а квадратите, "
                                "които шифрират различно, са 25!/25 ≈ 6,2·10²³.")
                     .arg(suchKeys(m_report.keyWordsTested)));
}

QString BreakSession::wordsLine() const
{
    if (!hasSearched() || !m_report.found || m_report.words.empty())
        return {};
    return QStringLiteral("Думите (догадка): %1").arg(QString::fromStdString(m_report.words));
}

} // namespace playfair
