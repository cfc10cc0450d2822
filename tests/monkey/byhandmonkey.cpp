#include "byhandmonkey.h"

#include "monkeytext.h"
#include "monkeyworld.h"

#include "engine/textbook.h"
#include "ui/byhand/byhandwindow.h"
#include "workspace/byhand/lesson.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace playfair::testing {

namespace {

using Kind = ByHandAction::Kind;

template<typename T = QWidget>
T *part(const ByHandWindow &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("No control named %s in the by-hand window", qPrintable(name));
    return found;
}

// The true plaintext of the window's ciphertext, when the monkey knows it:
// the lesson's.
QString truthOf(const ByHandWindow &window)
{
    const Lesson &lesson = Lesson::example();
    return window.session().board().ciphertext == lesson.ciphertext() ? lesson.plaintext() : QString();
}

QString guessText(const ByHandAction &action, const QString &truth, int pair)
{
    const QString right = truth.mid(2 * pair, 2);
    switch (action.how % 8) {
    case 0: case 1: return right.isEmpty() ? action.text.left(2) : right;
    case 2: return right.isEmpty() ? QString() : right.left(1);
    case 3: return right.toLower() + QStringLiteral(" ");
    case 4: return QStringLiteral("?") + right.mid(1);
    case 5: return action.text.left(2);
    case 6: return QStringLiteral("ТН");
    default: return action.text;
    }
}

// The files a board is saved to and opened from, by number: a plain name,
// a Cyrillic one, a folder, a foreign file, a damaged board.
QString fileIn(const QString &folder, int number)
{
    static const char *const names[] = {"board.txt", "дъска.txt", "folder", "foreign.txt", "damaged.txt"};
    return QDir(folder).filePath(QString::fromUtf8(names[number % 5]));
}

void prepareFiles(const QString &folder)
{
    QDir(folder).mkpath(QStringLiteral("folder"));
    QFile foreign(fileIn(folder, 3));
    if (!foreign.exists() && foreign.open(QIODevice::WriteOnly))
        foreign.write("LTAHQAOEAN UHEGGCFSWC\n");
    QFile damaged(fileIn(folder, 4));
    if (!damaged.exists() && damaged.open(QIODevice::WriteOnly))
        damaged.write("playfair-by-hand 1\nciphertext LTAH\nguess 9 TH\n");
}

} // namespace

QString ByHandAction::describe() const
{
    const QString where = QStringLiteral(" in by-hand window %1").arg(window);
    switch (kind) {
    case Kind::Guess:
        return QStringLiteral("guess kind %1 (\"%2\") under pair %3, handed in by %4")
                   .arg(how % 8)
                   .arg(shortened(text))
                   .arg(number)
                   .arg(how / 8 == 0 ? "Enter" : "Tab")
            + where;
    case Kind::Cell: return QStringLiteral("letter \"%1\" into cell %2").arg(text).arg(number % 25) + where;
    case Kind::Word: return QStringLiteral("probable word \"%1\", place %2 by %3").arg(shortened(text)).arg(number).arg(how % 2 ? "double-click" : "Постави") + where;
    case Kind::Key: return QStringLiteral("key word %1 \"%2\", Приложи").arg(how % 3).arg(shortened(text)) + where;
    case Kind::Undo: return QStringLiteral("undo by %1").arg(how % 2 ? "Ctrl+Z" : "Отмени") + where;
    case Kind::Redo: return QStringLiteral("redo by %1").arg(how % 2 ? "the key" : "Повтори") + where;
    case Kind::UndoRedo: return QStringLiteral("Отмени, then Повтори") + where;
    case Kind::NewBoard: return QStringLiteral("ciphertext \"%1\", then %2").arg(shortened(text)).arg(how % 2 ? "Enter" : "Нова дъска") + where;
    case Kind::Lesson: {
        static const char *const buttons[] = {"Урок", "Урок", "Урок", "Покажи", "Покажи",
                                              "Покажи", "Покажи", "Напред", "Напред", "Назад"};
        return QStringLiteral("click %1").arg(QString::fromUtf8(buttons[number % 10])) + where;
    }
    case Kind::Hint: return QStringLiteral("click Какво следва?") + where;
    case Kind::Language: return QStringLiteral("key %1 in the text's language").arg(how % 2 ? "Up" : "Down") + where;
    case Kind::Save: return QStringLiteral("save to file %1").arg(number % 5) + where;
    case Kind::Open: return QStringLiteral("open file %1").arg(number % 5) + where;
    case Kind::Close: return QStringLiteral("close") + where;
    case Kind::Wait: return QStringLiteral("wait %1 ms").arg(how);
    }
    return {};
}

ByHandAction ByHandAction::random(QRandomGenerator &random)
{
    // How often each kind comes, in hundredths.
    static const std::pair<Kind, int> often[] = {
        {Kind::Guess, 30}, {Kind::Cell, 8}, {Kind::Word, 8}, {Kind::Key, 5}, {Kind::Undo, 6}, {Kind::Redo, 4},
        {Kind::UndoRedo, 4}, {Kind::NewBoard, 6}, {Kind::Lesson, 10}, {Kind::Hint, 4}, {Kind::Language, 2},
        {Kind::Save, 3}, {Kind::Open, 4}, {Kind::Close, 2}, {Kind::Wait, 4}};
    ByHandAction action;
    action.window = random.bounded(8);
    action.number = random.bounded(400);
    action.how = random.bounded(16);
    int pick = random.bounded(100);
    for (const auto &[kind, weight] : often) {
        action.kind = kind;
        if ((pick -= weight) < 0)
            break;
    }
    switch (action.kind) {
    case Kind::Guess: action.text = random.bounded(2) ? randomPairs(random, 2) : randomText(random, 3); break;
    case Kind::Cell: {
        static const QStringList letters{QStringLiteral("A"), QStringLiteral("t"), QStringLiteral("J"),
                                         QStringLiteral("Z"), QString(), QStringLiteral("д"), QStringLiteral("7")};
        action.text = random.bounded(3) ? QString(QChar(u'A' + random.bounded(26))) : letters[random.bounded(7)];
        break;
    }
    case Kind::Word: {
        static const QStringList words{QStringLiteral("THE"), QStringLiteral("treasure"), QStringLiteral("CHURCH"),
                                       QStringLiteral("river"), QStringLiteral("of the"), QStringLiteral("ее")};
        action.text = random.bounded(4) ? words[random.bounded(6)] : randomText(random, 4);
        break;
    }
    case Kind::Key: {
        static const QStringList keys{QStringLiteral("LIGHTHOUSE"), QStringLiteral("lighthouse"), QStringLiteral("MONARCHY"),
                                      QStringLiteral("ФАР"), QString()};
        action.text = random.bounded(3) ? keys[random.bounded(5)] : randomText(random, 3);
        break;
    }
    case Kind::NewBoard: action.text = random.bounded(3) ? randomCiphertext(random) : Lesson::example().ciphertext(); break;
    case Kind::Wait: action.how = 20 + random.bounded(300); break;
    default: break;
    }
    return action;
}

void ByHandMonkey::before(const ByHandAction &action, const MonkeyWorld &world)
{
    m_window = MonkeyWorld::pick(world.byHands, action.window);
    m_path.clear();
    if (!m_window)
        return;
    m_board = m_window->session().board();
    m_couldUndo = m_window->session().canUndo();
    m_couldRedo = m_window->session().canRedo();
}

void ByHandMonkey::perform(const ByHandAction &action, MonkeyWorld &world)
{
    ByHandWindow *window = m_window;
    if (!window)
        return;
    activate(window);
    const ByHandSession &session = window->session();
    const auto click = [&](const char *name) {
        auto *button = part<QPushButton>(*window, QLatin1String(name));
        if (button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
    };
    switch (action.kind) {
    case Kind::Guess: {
        if (session.pairCount() == 0)
            break;
        const int pair = action.number % session.pairCount();
        auto *box = part<QLineEdit>(*window, QStringLiteral("pair%1").arg(pair + 1));
        box->setFocus();
        eraseText(box);
        typeText(box, guessText(action, truthOf(*window), pair));
        if (action.how / 8 == 0)
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::keyClick(box, Qt::Key_Tab);
        break;
    }
    case Kind::Cell: {
        auto *cell = part<QLineEdit>(*window, QStringLiteral("cell_%1").arg(action.number % 25));
        cell->setFocus();
        if (action.text.isEmpty())
            QTest::keyClick(cell, Qt::Key_Backspace);
        else
            typeText(cell, action.text);
        break;
    }
    case Kind::Word: {
        part(*window, QStringLiteral("tools"))->setProperty("currentIndex", 1);
        auto *word = part<QLineEdit>(*window, QStringLiteral("probableWord"));
        word->setFocus();
        eraseText(word);
        typeText(word, action.text);
        auto *places = part<QListWidget>(*window, QStringLiteral("places"));
        if (places->count() == 0)
            break;
        QListWidgetItem *item = places->item(action.number % places->count());
        places->setCurrentItem(item);
        if (action.how % 2) {
            places->scrollToItem(item);
            QTest::mouseDClick(places->viewport(), Qt::LeftButton, {}, places->visualItemRect(item).center());
        } else {
            click("placeWord");
        }
        break;
    }
    case Kind::Key: {
        part(*window, QStringLiteral("tools"))->setProperty("currentIndex", 2);
        auto *own = part<QLineEdit>(*window, QStringLiteral("ownKeyWord"));
        own->setFocus();
        eraseText(own);
        if (action.how % 3 != 0)
            typeText(own, action.text);
        click("applyKey");
        break;
    }
    case Kind::Undo:
    case Kind::Redo:
        if (action.how % 2) {
            QWidget *focus = part(*window, QStringLiteral("ciphertext"));
            if (session.pairCount() > 0)
                focus = part(*window, QStringLiteral("pair%1").arg(action.number % session.pairCount() + 1));
            focus->setFocus();
            const QKeyCombination keys = QKeySequence(action.kind == Kind::Undo ? QKeySequence::Undo : QKeySequence::Redo)[0];
            QTest::keyClick(focus, keys.key(), keys.keyboardModifiers());
        } else {
            click(action.kind == Kind::Undo ? "undo" : "redo");
        }
        break;
    case Kind::UndoRedo:
        click("undo");
        click("redo");
        break;
    case Kind::NewBoard: {
        auto *box = part<QPlainTextEdit>(*window, QStringLiteral("ciphertext"));
        box->setFocus();
        eraseText(box);
        if (action.text.size() > 100)
            pasteText(box, action.text);
        else
            typeText(box, action.text);
        if (action.how % 2)
            QTest::keyClick(box, Qt::Key_Return);
        else
            click("newBoard");
        break;
    }
    case Kind::Lesson: {
        // Урок three times in ten, Покажи four, Напред two, Назад one.
        static const char *const buttons[] = {"lesson", "lesson", "lesson", "show", "show",
                                              "show", "show", "forward", "forward", "back"};
        click(buttons[action.number % 10]);
        break;
    }
    case Kind::Hint: click("hintButton"); break;
    case Kind::Language: {
        auto *language = part(*window, QStringLiteral("language"));
        language->setFocus();
        QTest::keyClick(language, action.how % 2 ? Qt::Key_Up : Qt::Key_Down);
        break;
    }
    case Kind::Save:
        if (!part(*window, QStringLiteral("save"))->isEnabled())
            break;
        [[fallthrough]];
    case Kind::Open:
        prepareFiles(world.boardFolder);
        m_path = fileIn(world.boardFolder, action.number);
        m_done = action.kind == Kind::Save ? window->saveBoardAs(m_path) : window->openBoardFrom(m_path);
        break;
    case Kind::Close:
        world.byHands.removeAll(window);
        window->close();
        break;
    case Kind::Wait: QTest::qWait(action.how); break;
    }
}

QString ByHandMonkey::brokenRule(const ByHandAction &action, const MonkeyWorld &world)
{
    if (m_window) {
        ++actions;
        changes += m_window->session().board() != m_board;
    }
    return brokenByAction(action, world);
}

QString ByHandMonkey::brokenByAction(const ByHandAction &action, const MonkeyWorld &world) const
{
    if (!m_window)
        return {};
    const ByHandSession &session = m_window->session();
    const ByHandBoard &board = session.board();
    switch (action.kind) {
    case Kind::Undo:
        if (m_couldUndo == (board == m_board))
            return m_couldUndo ? QStringLiteral("Undo changed nothing") : QStringLiteral("Undo with nothing to undo changed the board");
        if (m_couldUndo && !session.canRedo())
            return QStringLiteral("nothing to redo after an Undo");
        break;
    case Kind::Redo:
        if (m_couldRedo == (board == m_board))
            return m_couldRedo ? QStringLiteral("Redo changed nothing") : QStringLiteral("Redo with nothing to redo changed the board");
        break;
    case Kind::UndoRedo:
        // With nothing to undo, Отмени is disabled and Повтори alone redoes.
        if (m_couldUndo && board != m_board)
            return QStringLiteral("Undo, then Redo, did not give back the board");
        break;
    case Kind::Save:
        if (m_path.isEmpty() || m_board.ciphertext.isEmpty()) {
            if (!world.messages.isEmpty())
                return QStringLiteral("an empty board was saved or said so");
        } else if (m_done) {
            ByHandSession reopened;
            if (const QString problem = reopened.open(m_path); !problem.isEmpty() || reopened.board() != board)
                return QStringLiteral("the board saved does not open as it was: ") + problem;
        } else if (world.messages.size() != 1) {
            return QStringLiteral("a board not saved, and %1 messages").arg(world.messages.size());
        }
        break;
    case Kind::Open:
        if (!m_done && (board != m_board || world.messages.size() != 1))
            return QStringLiteral("a file not opened changed the board, or said so %1 times").arg(world.messages.size());
        if (m_done && !world.messages.isEmpty())
            return QStringLiteral("a board opened with a message");
        break;
    default:
        break;
    }
    return {};
}

QString brokenByHandWindow(const ByHandWindow &window)
{
    const ByHandSession &session = window.session();
    const ByHandBoard &board = session.board();
    if (session.isContradictory())
        return QStringLiteral("the board contradicts itself");
    if (part<QPushButton>(window, QStringLiteral("undo"))->isEnabled() != session.canUndo()
        || part<QPushButton>(window, QStringLiteral("redo"))->isEnabled() != session.canRedo())
        return QStringLiteral("Отмени or Повтори is enabled otherwise than the session can");
    if (part(window, QStringLiteral("lessonFrame"))->isVisible() != session.inLesson())
        return QStringLiteral("the lesson shows otherwise than the session has it");
    if (session.inLesson()
        && part<QLabel>(window, QStringLiteral("stepDone"))->text().isEmpty() == session.stepDone())
        return QStringLiteral("the step's mark is not the session's");
    const QString plain = session.plaintextPairs().remove(u' ');
    if (part<QPlainTextEdit>(window, QStringLiteral("plaintext"))->toPlainText() != session.plaintextPairs()
        || part<QPlainTextEdit>(window, QStringLiteral("notes"))->toPlainText() != session.notes()
        || part<QPlainTextEdit>(window, QStringLiteral("tally"))->toPlainText() != session.tallyText())
        return QStringLiteral("the plaintext, the notes or the counts are not the session's");
    QStringList keys;
    const auto *list = part<QListWidget>(window, QStringLiteral("keyWords"));
    for (int row = 0; row < list->count(); ++row)
        keys << list->item(row)->text();
    if (keys != session.keyWords())
        return QStringLiteral("the key words listed are not the session's");

    for (int pair = 0; pair < session.pairCount(); ++pair) {
        const auto *box = part<QLineEdit>(window, QStringLiteral("pair%1").arg(pair + 1));
        const QString rejected = session.rejectedGuess(pair);
        if (box->text() != (rejected.isEmpty() ? session.guess(pair) : rejected)
            || box->placeholderText() != session.followingPair(pair))
            return QStringLiteral("pair %1's box shows \"%2\" (\"%3\"), not the session's").arg(pair + 1).arg(box->text(), box->placeholderText());
        // Nothing shown as following contradicts a guess: every pair with
        // the guess's cipher pair reads as it, the reversed one reversed.
        const QString guess = session.guess(pair);
        for (int other = 0; !guess.isEmpty() && other < session.pairCount(); ++other) {
            const QString cipher = board.cipherPair(other);
            const bool same = cipher == board.cipherPair(pair);
            const bool reversed = cipher == QString(board.cipherPair(pair)[1]) + board.cipherPair(pair)[0];
            for (int i = 0; (same || reversed) && i < 2; ++i) {
                const QChar letter = guess[reversed && !same ? 1 - i : i];
                if (letter != u'?' && plain[2 * other + i] != letter)
                    return QStringLiteral("pair %1 reads %2 against the guess %3 under pair %4")
                        .arg(other + 1).arg(plain.mid(2 * other, 2), guess).arg(pair + 1);
            }
        }
    }
    const QString square = session.squareLetters();
    for (int cell = 0; cell < 25; ++cell) {
        const QString shown = part<QLineEdit>(window, QStringLiteral("cell_%1").arg(cell))->text();
        const QString expected = cell == session.rejectedCell() ? session.rejectedLetter()
            : square[cell] == u'.'                              ? QString()
                                                                : QString(square[cell]);
        if (shown != expected)
            return QStringLiteral("cell %1 shows \"%2\", not the session's \"%3\"").arg(cell).arg(shown, expected);
    }
    for (const PlacedCell &placed : board.placed) {
        if (square[placed.cell] != placed.letter)
            return QStringLiteral("the letter %1 placed in cell %2 is not shown there").arg(placed.letter).arg(placed.cell);
    }
    // A whole square decrypts the ciphertext as the plaintext shows it.
    if (!board.ciphertext.isEmpty() && !square.contains(u'.')
        && QString::fromStdString(transformedPairs(square.toStdString(), board.ciphertext.toStdString(), -1)) != plain)
        return QStringLiteral("the whole square does not decrypt to the plaintext shown");
    return {};
}

} // namespace playfair::testing
