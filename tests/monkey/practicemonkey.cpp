#include "practicemonkey.h"

#include "monkeytext.h"
#include "monkeyworld.h"

#include "engine/keyedsquare.h"
#include "engine/textbook.h"
#include "ui/practice/classsetdialog.h"
#include "ui/practice/practicewindow.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace playfair::testing {

namespace {

using Kind = PracticeAction::Kind;
using Answer = PracticeAction::Answer;
using Place = PracticeAction::Place;
using Mark = PracticeSession::Mark;

const QString latinReminder = QStringLiteral("Отговорите се пишат с латински букви");

// What the folder holds besides the worksheets.
const QString note = QStringLiteral("бележка.txt");
const QString lockedSheet = QStringLiteral("заключен лист.pdf");

QString pathFor(const PracticeAction &action, const QString &folder)
{
    const QDir dir(folder);
    switch (action.place) {
    case Place::Plain:
    case Place::FullDisk: return dir.filePath(QStringLiteral("sheet-%1.pdf").arg(action.number));
    case Place::Cyrillic: return dir.filePath(QStringLiteral("Упражнения 7 клас/упражнение №%1.pdf").arg(action.number));
    case Place::NoEnding:
        return dir.filePath(action.number == 0 ? QStringLiteral("SHEET-0.PDF") : QStringLiteral("sheet-%1").arg(action.number));
    case Place::LockedFolder: return dir.filePath(QStringLiteral("заключена/лист-%1.pdf").arg(action.number));
    case Place::MissingFolder: return dir.filePath(QStringLiteral("няма такава/лист-%1.pdf").arg(action.number));
    case Place::FileAsFolder: return dir.filePath(note + QStringLiteral("/лист-%1.pdf").arg(action.number));
    case Place::LockedFile: return dir.filePath(lockedSheet);
    }
    return {};
}

QString markText(Mark mark)
{
    switch (mark) {
    case Mark::Open: return {};
    case Mark::Right: return QStringLiteral("✓ вярно");
    case Mark::Wrong: return QStringLiteral("✗ грешно");
    case Mark::Revealed: return QStringLiteral("✗ показан");
    }
    return {};
}

// Cyrillic letters that look like the Latin ones, as a pupil types them with
// the Bulgarian keyboard left on.
QString inCyrillic(const QString &latin)
{
    static const QString from = QStringLiteral("ABCEHKMOPTX");
    static const QString to = QStringLiteral("АВСЕНКМОРТХ");
    QString text;
    for (QChar c : latin)
        text += from.contains(c) ? to[from.indexOf(c)] : QChar(u'Ж');
    return text;
}

// What an answer input keeps of typed text: up to two Latin letters.
QString keptOf(const QString &typed)
{
    QString kept;
    for (QChar c : typed) {
        const char16_t u = c.unicode();
        if (kept.size() < 2 && ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z')))
            kept += c;
    }
    return kept;
}

QString normalised(const QString &kept)
{
    return kept.toUpper().replace(u'J', u'I');
}

template<typename T = QWidget>
T *part(const PracticeWindow &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("No control named %s in the exercise window", qPrintable(name));
    return found;
}

QLineEdit *input(const PracticeWindow &window, int pair)
{
    return part<QLineEdit>(window, QStringLiteral("answer%1").arg(pair + 1));
}

// The right answer to a pair by the rules, worked without the session.
QString rightAnswer(const PracticeSession &session, int pair)
{
    return QString::fromStdString(transformedPairs(session.task().square.toStdString(),
                                                   session.given(pair).toStdString(), session.decrypting() ? -1 : +1));
}

QString typedAnswer(const PracticeAction &action, const PracticeSession &session, int pair)
{
    const QString right = rightAnswer(session, pair);
    switch (action.answer) {
    case Answer::Right: return right;
    case Answer::LowerCase: return right.toLower();
    case Answer::Cyrillic: return inCyrillic(right);
    case Answer::Empty: return {};
    case Answer::Anything: return action.text;
    case Answer::Wrong: {
        QString wrong = action.text;
        if (wrong == right)
            wrong[1] = wrong[1] == u'A' ? u'B' : u'A';
        return wrong;
    }
    }
    return {};
}

// A file size limit as a disk that is full past `bytes`, for the life of the object.
class FullDisk
{
public:
    explicit FullDisk(int bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &m_previous); }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_previous{};
};

std::optional<QByteArray> contentsOf(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

using CheckContent = PracticeAction::CheckContent;

const char *const checkBoxes[] = {"checkKeyWord", "checkMessage", "checkAnswer"};

// The right answer to the text check's texts, worked without the window:
// the message prepared the textbook way and encrypted, or the ciphertext
// decrypted. Empty when the texts give none.
QString rightCheckAnswer(const TextCheckSession &check)
{
    const QString key = latinLetters(check.keyWord());
    const QString text = latinLetters(check.message());
    if (key.isEmpty() || text.size() < 2)
        return {};
    const std::string square = keyedSquare(key.toStdString());
    if (check.decrypting()) {
        const std::string cipher = text.left(text.size() - text.size() % 2).toStdString();
        return QString::fromStdString(transformedPairs(square, cipher, -1));
    }
    return QString::fromStdString(transformedPairs(square, preparedMessage(text.toStdString()), +1));
}

QString checkText(const PracticeAction &action, const TextCheckSession &check)
{
    switch (action.content) {
    case CheckContent::Right:
        if (action.box == 2)
            return rightCheckAnswer(check).toLower();
        return action.box == 0 ? QStringLiteral("Rodina") : QStringLiteral("Meet me at the bridge, balloon at noon!");
    case CheckContent::Cyrillic: return QStringLiteral("Среща при моста в 7 ч.");
    case CheckContent::Empty: return {};
    case CheckContent::Long: return QStringLiteral("Attack at dawn, hold the hill! ").repeated(100 + action.number);
    case CheckContent::Anything: return action.text;
    }
    return {};
}

} // namespace

QString PracticeAction::describe() const
{
    const QString where = QStringLiteral(" in exercise window %1").arg(window);
    switch (kind) {
    case Kind::Answer: {
        static const char *const answers[] = {"the right answer", "a wrong answer", "the right answer in lower case",
                                              "the right answer in Cyrillic", "nothing", "anything"};
        return QStringLiteral("type %1%2 into pair %3 and press %4")
                   .arg(QLatin1String(answers[int(answer)]),
                        answer == Answer::Anything || answer == Answer::Wrong ? QStringLiteral(" \"%1\"").arg(shortened(text)) : QString())
                   .arg(pair)
                   .arg(byTab ? "Tab" : "Enter")
            + where;
    }
    case Kind::Direction: return QStringLiteral("click %1").arg(number == 0 ? "криптиране" : "декриптиране") + where;
    case Kind::NewTask: return QStringLiteral("click Нова задача") + where;
    case Kind::KeyWordOnly: return QStringLiteral("click в листа само ключовата дума") + where;
    case Kind::Save: {
        static const char *const places[] = {"the folder", "a Cyrillic folder", "a name without .pdf",
                                             "a folder that cannot be written", "a folder that does not exist",
                                             "a file for a folder", "a disk full after", "a sheet that cannot be written over"};
        const QString place = QLatin1String(places[int(this->place)])
            + (this->place == Place::FullDisk ? QStringLiteral(" %1 bytes").arg(bytes) : QString());
        return QStringLiteral("save the worksheet (file %1) to %2").arg(number).arg(place) + where;
    }
    case Kind::ClassSet: {
        static const char *const directions[] = {"encrypt", "decrypt", "mixed"};
        const ClassSetChoices &set = classSet;
        return QStringLiteral("save a class set of %1 variants, %2 names (\"%3\"), %4, %5 pairs, %6, number %7 (file %8) "
                              "to %9")
                   .arg(set.variants)
                   .arg(set.names.size())
                   .arg(shortened(set.names.join(u'|')), QLatin1String(directions[int(set.direction)]))
                   .arg(set.pairs)
                   .arg(set.squareShown ? "square given" : "key word only")
                   .arg(set.setNumber)
                   .arg(number)
                   .arg(QLatin1String(place == Place::FullDisk ? "a disk full after some bytes" : "its place"))
            + QStringLiteral(" %1 bytes, place %2").arg(bytes).arg(int(place)) + where;
    }
    case Kind::Close: return QStringLiteral("close") + where;
    case Kind::Tab: return QStringLiteral("Tab") + where;
    case Kind::CheckMode: return QStringLiteral("click Провери текст") + where;
    case Kind::CheckText: {
        static const char *const contents[] = {"the right text", "Cyrillic", "nothing", "a very long text", "anything"};
        return QStringLiteral("%1 %2%3 into %4 and click Провери")
                   .arg(pasted ? "paste" : "type", QLatin1String(contents[int(content)]),
                        content == CheckContent::Anything ? QStringLiteral(" \"%1\"").arg(shortened(text)) : QString(),
                        QLatin1String(checkBoxes[box]))
            + where;
    }
    }
    return {};
}

PracticeAction PracticeAction::random(QRandomGenerator &random)
{
    PracticeAction action;
    action.window = random.bounded(8);
    action.pair = random.bounded(20);
    const int pick = random.bounded(40);
    if (pick < 24) {
        action.kind = Kind::Answer;
        action.answer = Answer(random.bounded(6));
        action.byTab = random.bounded(4) == 0;
        static const QString letters = QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");
        if (action.answer == Answer::Wrong)
            action.text = QString(letters[random.bounded(25)]) + letters[random.bounded(25)];
        else if (action.answer == Answer::Anything)
            action.text = randomText(random, 4);
    } else if (pick < 27) {
        action.kind = Kind::Direction;
        action.number = random.bounded(2);
    } else if (pick < 30) {
        action.kind = Kind::NewTask;
    } else if (pick < 32) {
        action.kind = Kind::KeyWordOnly;
    } else if (pick < 36) {
        action.kind = Kind::Save;
        action.place = Place(random.bounded(8));
        action.number = random.bounded(4);
        action.bytes = random.bounded(60000);
    } else if (pick < 37) {
        action.kind = Kind::ClassSet;
        action.place = Place(random.bounded(8));
        action.number = random.bounded(4);
        action.bytes = random.bounded(300000);
        ClassSetChoices &set = action.classSet;
        set.variants = random.bounded(ClassSet::mostVariants + 3); // 0 and 41, 42 make no set
        set.pairs = PracticeTask::minPairCount - 1 + random.bounded(PracticeTask::maxPairCount - PracticeTask::minPairCount + 3);
        set.direction = ClassSetDirection(random.bounded(3));
        set.squareShown = random.bounded(2) == 0;
        set.setNumber = random.bounded(ClassSet::largestSetNumber + 2); // 0 and one too many
        if (random.bounded(3) == 0) {
            const int names = random.bounded(set.variants + 2);
            for (int i = 0; i < names; ++i)
                set.names << (random.bounded(6) == 0 ? randomText(random, 8).repeated(300) : randomText(random, 6));
        }
    } else if (pick < 38) {
        action.kind = Kind::Close;
    } else {
        action.kind = Kind::Tab;
    }
    // The text check, as often as the rest together.
    const int check = random.bounded(80);
    if (check < 4) {
        action.kind = Kind::CheckMode;
    } else if (check < 40) {
        action.kind = Kind::CheckText;
        action.box = random.bounded(3);
        action.content = CheckContent(random.bounded(5));
        // Long texts are pasted: typed, they would take minutes.
        action.pasted = action.content == CheckContent::Long || random.bounded(2) == 0;
        action.number = random.bounded(100);
        action.text = random.bounded(2) ? randomText(random, 12) : randomPairs(random, random.bounded(40));
    }
    return action;
}

void prepareWorksheetFolder(const QString &folder)
{
    // Writing past a file size limit fails with EFBIG instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const QDir dir(folder);
    dir.mkpath(QStringLiteral("Упражнения 7 клас"));
    dir.mkpath(QStringLiteral("заключена"));
    QFile::setPermissions(dir.filePath(QStringLiteral("заключена")),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                              | QFile::ExeOther);
    for (const QString &name : {note, lockedSheet}) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write("Не е лист.\n");
    }
    QFile::setPermissions(dir.filePath(lockedSheet), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

int pagesOfCompletePdf(const QByteArray &bytes)
{
    if (!bytes.startsWith("%PDF-") || !bytes.trimmed().endsWith("%%EOF"))
        return -1;
    // The cross-reference table the trailer points to is where it says.
    const qsizetype startxref = bytes.lastIndexOf("startxref");
    if (startxref < 0)
        return -1;
    bool number = false;
    const qsizetype table = bytes.mid(startxref + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong(&number);
    if (!number || table <= 0 || table >= startxref || bytes.mid(table, 4) != "xref")
        return -1;
    const QRegularExpression count(QStringLiteral("/Type /Pages\\b[^>]*/Count (\\d+)"));
    const QRegularExpressionMatch match = count.match(QString::fromLatin1(bytes));
    const int pages = match.hasMatch() ? match.captured(1).toInt() : -1;
    static const QRegularExpression page(QStringLiteral("/Type /Page\\b(?!s)"));
    return QString::fromLatin1(bytes).count(page) == pages ? pages : -1;
}

void PracticeMonkey::before(const PracticeAction &action, const MonkeyWorld &world)
{
    m_window = MonkeyWorld::pick(world.exercises, action.window);
    m_session.reset();
    if (m_window)
        m_session = m_window->session();
}

void PracticeMonkey::perform(const PracticeAction &action, MonkeyWorld &world)
{
    PracticeWindow *window = MonkeyWorld::pick(world.exercises, action.window);
    if (!window)
        return;
    activate(window);
    switch (action.kind) {
    case Kind::Answer: {
        m_pair = action.pair % window->session().pairCount();
        m_typed = typedAnswer(action, window->session(), m_pair);
        QLineEdit *edit = input(*window, m_pair);
        QTest::mouseClick(edit, Qt::LeftButton);
        eraseText(edit);
        typeText(edit, m_typed);
        QTest::keyClick(edit, action.byTab ? Qt::Key_Tab : Qt::Key_Return);
        break;
    }
    case Kind::Direction:
        QTest::mouseClick(part(*window, action.number == 0 ? QStringLiteral("encrypt") : QStringLiteral("decrypt")),
                          Qt::LeftButton);
        break;
    case Kind::NewTask: QTest::mouseClick(part(*window, QStringLiteral("newTask")), Qt::LeftButton); break;
    case Kind::KeyWordOnly: QTest::mouseClick(part(*window, QStringLiteral("keyWordOnly")), Qt::LeftButton); break;
    case Kind::Save: {
        const QString path = pathFor(action, world.folder);
        m_path = path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf");
        m_file = contentsOf(m_path);
        m_fewestPages = 2;
        m_mostPages = 3;
        m_refusal.clear();
        std::optional<FullDisk> full;
        if (action.place == Place::FullDisk)
            full.emplace(action.bytes);
        m_saved = window->saveWorksheetAs(path);
        break;
    }
    case Kind::ClassSet: {
        const QString path = pathFor(action, world.folder);
        m_path = path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf");
        m_file = contentsOf(m_path);
        // A set's sheets, then its key, four or five variants a page.
        const int variants = action.classSet.variants;
        m_fewestPages = variants + (variants + 4) / 5;
        m_mostPages = variants + (variants + 3) / 4;
        m_refusal = ClassSetDialog::problemText(action.classSet);
        std::optional<FullDisk> full;
        if (action.place == Place::FullDisk)
            full.emplace(action.bytes);
        m_saved = window->saveClassSetAs(action.classSet, path);
        break;
    }
    case Kind::Close:
        world.exercises.removeAll(window);
        window->close();
        break;
    case Kind::Tab:
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
        break;
    case Kind::CheckMode: QTest::mouseClick(part(*window, QStringLiteral("checkMode")), Qt::LeftButton); break;
    case Kind::CheckText: {
        if (!window->textCheck().isActive())
            QTest::mouseClick(part(*window, QStringLiteral("checkMode")), Qt::LeftButton);
        QWidget *box = part(*window, QLatin1String(checkBoxes[action.box]));
        const QString text = checkText(action, window->textCheck());
        QTest::mouseClick(box, Qt::LeftButton);
        eraseText(box);
        if (action.pasted)
            pasteText(box, text);
        else
            typeText(box, text);
        m_rightAnswerGiven = action.box == 2 && action.content == CheckContent::Right && !text.isEmpty();
        if (action.box != 2 && !rightCheckAnswer(window->textCheck()).isEmpty()) {
            // The answer box given the right answer of the texts as they are now.
            QWidget *answer = part(*window, QLatin1String(checkBoxes[2]));
            eraseText(answer);
            pasteText(answer, rightCheckAnswer(window->textCheck()));
            m_rightAnswerGiven = true;
        }
        QTest::mouseClick(part(*window, QStringLiteral("checkText")), Qt::LeftButton);
        break;
    }
    }
}

// What the text check shows after Провери.
QString PracticeMonkey::brokenByCheck(const PracticeWindow &window) const
{
    const TextCheckSession &check = window.textCheck();
    if (!check.isActive())
        return QStringLiteral("the text check is off after a text was checked");
    if (part<QLineEdit>(window, QStringLiteral("checkKeyWord"))->text() != check.keyWord()
        || part<QPlainTextEdit>(window, QStringLiteral("checkMessage"))->toPlainText() != check.message()
        || part<QPlainTextEdit>(window, QStringLiteral("checkAnswer"))->toPlainText() != check.answer())
        return QStringLiteral("the boxes show other texts than the session holds");
    const bool keyLetters = !latinLetters(check.keyWord()).isEmpty();
    if (keyLetters == (check.problem() == TextCheckSession::Problem::NoKeyLetters))
        return QStringLiteral("the key \"%1\" and the problem found disagree").arg(shortened(check.keyWord()));
    const auto *table = part<QTableWidget>(window, QStringLiteral("checkPairs"));
    if (check.problem() != TextCheckSession::Problem::None) {
        if (check.isChecked() || table->rowCount() != 0)
            return QStringLiteral("a check that could not be made shows marks");
        return {};
    }
    const TextCheck &result = check.result();
    if (!check.isChecked() || table->rowCount() != int(result.pairs.size()))
        return QStringLiteral("the table has %1 rows for %2 pairs").arg(table->rowCount()).arg(result.pairs.size());
    const int marked = int(std::count_if(result.pairs.begin(), result.pairs.end(), [](const CheckedPair &p) { return p.right(); }));
    if (result.right != marked || result.right > result.total || result.total > int(result.pairs.size()))
        return QStringLiteral("the score %1 of %2 for %3 pairs marked right").arg(result.right).arg(result.total).arg(marked);
    const QString score = QStringLiteral("%1 от %2 двойки вярно").arg(result.right).arg(result.total);
    if (part<QLabel>(window, QStringLiteral("tally"))->text() != score)
        return QStringLiteral("the score shows %1, not %2").arg(part<QLabel>(window, QStringLiteral("tally"))->text(), score);
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool right = table->item(row, 3)->text() == QStringLiteral("✓ вярно");
        if (right != result.pairs[std::size_t(row)].right())
            return QStringLiteral("row %1 is marked \"%2\"").arg(row + 1).arg(table->item(row, 3)->text());
    }
    if (m_rightAnswerGiven) {
        if (result.right != result.total)
            return QStringLiteral("the right answer scores %1 of %2").arg(result.right).arg(result.total);
        for (const PreparationNote &note : result.preparation) {
            if (note.slip != PreparationSlip::FillerLeftOut)
                return QStringLiteral("the right answer has the preparation note %1").arg(QLatin1String(preparationCode(note.slip)));
        }
    }
    return {};
}

QString brokenPracticeWindow(const PracticeWindow &window)
{
    const PracticeSession &session = window.session();
    const int pairs = session.pairCount();
    if (pairs < 1 || pairs > 20)
        return QStringLiteral("the task has %1 pairs").arg(pairs);
    if (window.findChild<QLineEdit *>(QStringLiteral("answer%1").arg(pairs + 1)))
        return QStringLiteral("an input for a pair the task does not have");
    const int right = session.rightAtFirstTry();
    if (right > session.closedCount() || session.closedCount() > pairs)
        return QStringLiteral("the tally is %1 right of %2 pairs, %3 of them done").arg(right).arg(pairs).arg(session.closedCount());
    if (!window.textCheck().isActive()
        && part<QLabel>(window, QStringLiteral("tally"))->text() != QStringLiteral("%1 от %2 от първия опит").arg(right).arg(pairs))
        return QStringLiteral("the tally shows %1").arg(part<QLabel>(window, QStringLiteral("tally"))->text());
    const bool reminded = part<QLabel>(window, QStringLiteral("hint"))->text().startsWith(latinReminder);
    if (!window.textCheck().isActive() && reminded != session.cyrillicTyped())
        return QStringLiteral("the hint %1 that answers are in Latin letters, the session %2")
            .arg(reminded ? "says" : "does not say", session.cyrillicTyped() ? "has Cyrillic typed" : "has none");
    for (int i = 0; i < pairs; ++i) {
        const Mark mark = session.mark(i);
        if (session.expected(i) != rightAnswer(session, i))
            return QStringLiteral("pair %1 expects %2, the rules give %3").arg(i).arg(session.expected(i), rightAnswer(session, i));
        if (part<QLabel>(window, QStringLiteral("given%1").arg(i + 1))->text() != QStringLiteral("%1. %2").arg(i + 1).arg(session.given(i)))
            return QStringLiteral("pair %1 shows another given pair").arg(i);
        if (part<QLabel>(window, QStringLiteral("mark%1").arg(i + 1))->text() != markText(mark))
            return QStringLiteral("pair %1 shows another mark than its own").arg(i);
        const QLineEdit *answer = input(window, i);
        if (answer->isReadOnly() != session.isClosed(i))
            return QStringLiteral("pair %1 is %2 but its input is %3").arg(i).arg(session.isClosed(i) ? "done" : "open", answer->isReadOnly() ? "read-only" : "open");
        if ((mark == Mark::Right && answer->text() != session.expected(i))
            || (mark == Mark::Revealed && answer->text() != session.expected(i)))
            return QStringLiteral("pair %1 is done but its input shows \"%2\"").arg(i).arg(answer->text());
    }
    return {};
}

QString PracticeMonkey::brokenByAnswer(const PracticeSession &session) const
{
    const PracticeSession &before = *m_session;
    const QString kept = keptOf(m_typed);
    Mark mark = before.mark(m_pair);
    int tries = before.tries(m_pair);
    if (!before.isClosed(m_pair) && kept.size() == 2) {
        const QString answer = normalised(kept);
        if (answer == rightAnswer(before, m_pair)) {
            mark = Mark::Right;
            ++tries;
        } else if (mark != Mark::Wrong || answer != before.answer(m_pair)) {
            ++tries;
            mark = tries >= 2 ? Mark::Revealed : Mark::Wrong;
        }
    }
    if (session.mark(m_pair) != mark || session.tries(m_pair) != tries)
        return QStringLiteral("pair %1 after \"%2\": %3 at try %4, not %5 at try %6")
            .arg(m_pair)
            .arg(m_typed, markText(session.mark(m_pair)))
            .arg(session.tries(m_pair))
            .arg(markText(mark))
            .arg(tries);
    for (int i = 0; i < session.pairCount(); ++i) {
        if (i != m_pair && (session.mark(i) != before.mark(i) || session.tries(i) != before.tries(i)))
            return QStringLiteral("answering pair %1 changed pair %2").arg(m_pair).arg(i);
    }
    // A Cyrillic letter typed first into an open pair is refused and
    // explained, until an answer of two letters is checked.
    const bool cyrillicFirst = !m_typed.isEmpty() && m_typed[0].script() == QChar::Script_Cyrillic && m_typed[0].isLetter();
    if (!before.isClosed(m_pair) && cyrillicFirst && kept.size() < 2 && !session.cyrillicTyped())
        return QStringLiteral("\"%1\" typed into pair %2 was not explained").arg(m_typed).arg(m_pair);
    return {};
}

QString PracticeMonkey::brokenBySaving(const MonkeyWorld &world) const
{
    const std::optional<QByteArray> now = contentsOf(m_path);
    if (m_saved) {
        if (!world.messages.isEmpty())
            return QStringLiteral("a saved worksheet came with the message: ") + world.messages.join(u'|');
        const int pages = now ? pagesOfCompletePdf(*now) : -1;
        if (pages < m_fewestPages || pages > m_mostPages)
            return QStringLiteral("the saved file %1 is no complete PDF of %2 to %3 pages (%4 bytes, %5 pages)")
                .arg(m_path)
                .arg(m_fewestPages)
                .arg(m_mostPages)
                .arg(now ? now->size() : -1)
                .arg(pages);
        if (!m_refusal.isEmpty())
            return QStringLiteral("a class set was saved of choices that make none: ") + m_refusal;
    } else {
        const QString expected = m_refusal.isEmpty() ? m_path : m_refusal;
        if (world.messages.size() != 1 || !world.messages.first().contains(expected))
            return QStringLiteral("a file that was not saved told the user: ") + world.messages.join(u'|');
        if (now != m_file)
            return QStringLiteral("a worksheet that was not saved left %1 with %2 bytes (%3 before)")
                .arg(m_path)
                .arg(now ? now->size() : -1)
                .arg(m_file ? m_file->size() : -1);
    }
    // Nothing half-written anywhere: every file but the two put there is a whole worksheet.
    QDirIterator files(world.folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString name = files.fileName();
        if (name == note || name == lockedSheet)
            continue;
        if (pagesOfCompletePdf(contentsOf(path).value_or(QByteArray())) < 2)
            return QStringLiteral("the folder holds %1, which is no complete worksheet").arg(path);
    }
    return {};
}

QString PracticeMonkey::brokenRule(const PracticeAction &action, const MonkeyWorld &world)
{
    if (action.kind == Kind::Save || action.kind == Kind::ClassSet)
        ++(m_saved ? saved : notSaved);
    classSets += int(action.kind == Kind::ClassSet && m_saved);
    if (!m_window)
        return {}; // no exercise window was open, or the action closed it
    const PracticeSession &session = m_window->session();
    const PracticeSession &before = *m_session;
    const auto allOpen = [&session] { return session.closedCount() == 0 && session.rightAtFirstTry() == 0; };
    switch (action.kind) {
    case Kind::Answer: return brokenByAnswer(session);
    case Kind::Direction: {
        const auto direction = action.number == 0 ? PracticeDirection::Encrypt : PracticeDirection::Decrypt;
        if (session.direction() != direction || session.task() != before.task())
            return QStringLiteral("the direction did not change, or the task did");
        if (before.direction() != direction && !allOpen())
            return QStringLiteral("a new direction kept the answers");
        break;
    }
    case Kind::NewTask: {
        const PracticeTask &task = session.task();
        if (task.pairs.size() < 8 || task.pairs.size() > 12 || !isKeyedSquare(task.square, task.keyWord) || !allOpen())
            return QStringLiteral("the new task %1 on %2 with the pairs %3").arg(task.keyWord, task.square, task.pairs.join(u' '));
        for (const QString &pair : task.pairs) {
            if (pair.size() != 2 || pair[0] == pair[1] || !task.square.contains(pair[0]) || !task.square.contains(pair[1]))
                return QStringLiteral("the new task has the pair %1").arg(pair);
        }
        break;
    }
    case Kind::CheckText: return brokenByCheck(*m_window);
    case Kind::Save:
    case Kind::ClassSet:
        if (const QString broken = brokenBySaving(world); !broken.isEmpty() || action.kind == Kind::Save)
            return broken;
        [[fallthrough]]; // a class set leaves the pupil's work as it was
    default:
        for (int i = 0; i < session.pairCount(); ++i) {
            if (session.mark(i) != before.mark(i) || session.tries(i) != before.tries(i) || session.task() != before.task())
                return QStringLiteral("pair %1 changed without an answer").arg(i);
        }
        break;
    }
    return {};
}

} // namespace playfair::testing
