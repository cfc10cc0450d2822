// The by-hand session's lesson, and saving and opening a board.

#include "byhandsession.h"

#include "byhandsquare.h"
#include "lesson.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace playfair {

using namespace analysis;

void ByHandSession::startLesson()
{
    const Lesson &lesson = Lesson::example();
    ByHandBoard board;
    board.ciphertext = lesson.ciphertext();
    board.guesses = QStringList(board.pairCount(), QString());
    m_language = Language::English;
    m_word.clear();
    Change change;
    change.kind = Change::Kind::NewBoard;
    setBoard(std::move(board), change);
    m_step = 0;
}

int ByHandSession::lessonStepCount() const
{
    return Lesson::example().stepCount();
}

void ByHandSession::goToStep(int step)
{
    if (!inLesson())
        return;
    m_step = std::clamp(step, 0, lessonStepCount() - 1);
    m_stepShown = false;
}

bool ByHandSession::applyStep(int step, ByHandBoard &board) const
{
    const Lesson &lesson = Lesson::example();
    const LessonStep &what = lesson.steps()[step];
    switch (what.kind) {
    case LessonStep::Kind::Look:
        return true;
    case LessonStep::Kind::Word:
        mergeWord(board, what.word, what.position);
        return true;
    case LessonStep::Kind::Tail: {
        // The run's gaps filled, as the pupil fills them in the square shown.
        const DeductionInput input = inputOf(board, nullptr);
        const ShownSquare shown = shownSquare(deduce(input), !input.placed.empty());
        if (!shown.run || shown.run->rows != 0 || shown.run->columns != 0 || shown.run->gaps.empty())
            return false;
        if (board.placed.isEmpty()) {
            const qsizetype cell = std::find_if(shown.square.begin(), shown.square.end(), [](QChar c) { return c != u'.'; })
                - shown.square.begin();
            board.placed.append({shown.square[cell], int(cell)});
        }
        for (const PlacedLetter &gap : shown.run->gaps)
            board.placed.append({QChar(letterName(gap.letter)), gap.cell});
        return true;
    }
    case LessonStep::Kind::Key: {
        const auto square = squareKeeping(lesson.square(), board.placed);
        if (!square)
            return false;
        board.placed.clear();
        for (int cell = 0; cell < 25; ++cell)
            board.placed.append({square->at(cell), cell});
        board.keyWord = lesson.keyWord();
        return true;
    }
    }
    return false;
}

ByHandBoard ByHandSession::lessonBoardAfter(int step) const
{
    ByHandBoard board;
    board.ciphertext = Lesson::example().ciphertext();
    board.guesses = QStringList(board.pairCount(), QString());
    for (int s = 0; s <= step; ++s)
        applyStep(s, board);
    return board;
}

bool ByHandSession::showStep()
{
    if (!inLesson() || m_board.ciphertext != Lesson::example().ciphertext())
        return false;
    const int step = m_step;
    ByHandBoard board = m_board;
    Change change;
    change.kind = Change::Kind::Lesson;
    // On the pupil's board if it takes the step, else on the lesson's own.
    bool shown = false;
    if (applyStep(step, board)) {
        if (board == m_board) {
            shown = true;
        } else {
            const DeductionInput input = inputOf(board, nullptr);
            const DeductionResult result = deduce(input);
            if (result.consistency == Consistency::Consistent) {
                QString plain;
                for (int letter : result.plaintext)
                    plain += letter == unknownLetter ? QChar(u'?') : QChar(letterName(letter));
                if (stepDoneOn(step, board, plain, shownSquare(result, !input.placed.empty()).square)) {
                    setBoard(board, change);
                    shown = true;
                }
            }
        }
    }
    if (!shown)
        setBoard(lessonBoardAfter(step), change);
    m_step = step;
    m_stepShown = true;
    return true;
}

bool ByHandSession::stepDoneOn(int step, const ByHandBoard &board, const QString &plaintext, const QString &square) const
{
    const Lesson &lesson = Lesson::example();
    const LessonStep &what = lesson.steps()[step];
    const auto holdsSquare = [&](int fromCell) {
        // The lesson's square from `fromCell` on, up to a shift.
        for (int rows = 0; rows < 5; ++rows) {
            for (int columns = 0; columns < 5; ++columns) {
                const QString shifted = shiftedText(lesson.square(), rows, columns);
                bool holds = true;
                for (int cell = fromCell; cell < 25 && holds; ++cell) {
                    const int at = (cell / 5 + rows) % 5 * 5 + (cell % 5 + columns) % 5;
                    holds = square[at] == shifted[at];
                }
                if (holds)
                    return true;
            }
        }
        return false;
    };
    switch (what.kind) {
    case LessonStep::Kind::Look:
        return what.marks == LessonStep::Marks::None && !plaintext.isEmpty() && !plaintext.contains(u'?');
    case LessonStep::Kind::Word:
        return plaintext.mid(what.position, what.word.size()) == what.word;
    case LessonStep::Kind::Tail: {
        // The cells after the key's letters.
        QString key;
        for (QChar c : lesson.keyWord()) {
            if (!key.contains(c))
                key += c;
        }
        return holdsSquare(int(key.size()));
    }
    case LessonStep::Kind::Key:
        return !board.keyWord.isEmpty() && holdsSquare(0);
    }
    return false;
}

bool ByHandSession::stepDone() const
{
    if (!inLesson() || m_board.ciphertext != Lesson::example().ciphertext())
        return false;
    if (Lesson::example().steps()[m_step].kind == LessonStep::Kind::Look
        && Lesson::example().steps()[m_step].marks != LessonStep::Marks::None)
        return m_stepShown;
    return stepDoneOn(m_step, m_board, m_plain, m_square);
}

QList<int> ByHandSession::markedPairs() const
{
    QList<int> pairs;
    if (!inLesson() || !m_stepShown)
        return pairs;
    const LessonStep &what = Lesson::example().steps()[m_step];
    if (what.marks == LessonStep::Marks::Commonest) {
        for (const CipherTally::Pair &pair : m_tally.commonest())
            pairs.append(pair.places);
    } else if (what.marks == LessonStep::Marks::Reversed) {
        for (const CipherTally::Reversed &reversed : m_tally.reversed)
            pairs.append(reversed.places + reversed.reversePlaces);
    } else if (what.kind == LessonStep::Kind::Word) {
        for (int letter = what.position; letter < what.position + what.word.size(); ++letter) {
            if (!pairs.contains(letter / 2))
                pairs.append(letter / 2);
        }
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

QString ByHandSession::save(const QString &path) const
{
    if (pairCount() == 0)
        return tr("Дъската е празна: няма какво да се запази.");
    ByHandFile file;
    file.board = m_board;
    file.language = m_language;
    file.lessonStep = m_step;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.toText()) < 0 || !out.commit())
        return tr("Дъската не е запазена в „%1“: %2").arg(QFileInfo(path).fileName(), out.errorString());
    return {};
}

QString ByHandSession::open(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile in(path);
    if (QFileInfo(path).isDir() || !in.open(QIODevice::ReadOnly))
        return tr("Файлът „%1“ не може да бъде прочетен.").arg(name);
    const auto read = ByHandFile::fromText(in.read(ByHandFile::largest + 1), lessonStepCount());
    if (const auto *error = std::get_if<ByHandFile::Error>(&read)) {
        switch (error->kind) {
        case ByHandFile::Error::Kind::Foreign:
            return tr("„%1“ не е дъска за разбиване на ръка: нищо не е променено.").arg(name);
        case ByHandFile::Error::Kind::TooLarge:
            return tr("„%1“ е твърде голям за дъска: нищо не е променено.").arg(name);
        case ByHandFile::Error::Kind::Damaged:
            return tr("Файлът „%1“ е повреден на ред %2: нищо не е променено.").arg(name).arg(error->line);
        }
    }
    const ByHandFile &file = std::get<ByHandFile>(read);
    if (file.lessonStep >= 0 && file.board.ciphertext != Lesson::example().ciphertext())
        return tr("Файлът „%1“ е повреден: урокът е за друг шифрован текст. Нищо не е променено.").arg(name);
    if (deduce(inputOf(file.board, nullptr)).consistency == Consistency::Contradictory)
        return tr("Догадките във файла „%1“ си противоречат: нищо не е променено.").arg(name);

    m_language = file.language;
    Change change;
    change.kind = Change::Kind::Opened;
    change.text = name;
    setBoard(file.board, change);
    m_step = file.lessonStep;
    return {};
}

} // namespace playfair
