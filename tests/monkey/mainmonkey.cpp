#include "mainmonkey.h"

#include "breakmonkey.h"
#include "helpers.h"
#include "monkeytext.h"
#include "monkeyworld.h"

#include "ui/break/breakwindow.h"
#include "ui/byhand/byhandwindow.h"
#include "ui/practice/practicewindow.h"
#include "ui/shared/zoom.h"

#include <QScrollBar>

#include <algorithm>

namespace playfair::testing {

namespace {

using Kind = MainAction::Kind;

bool isClean(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'A' && c <= u'Z' && c != u'J'; });
}

// The controls Ctrl+E and Ctrl+B are pressed in.
const char *const shortcutPlaces[] = {"Text2_0", "Text2_1", "Text1_0", "List1_0", "Command1_0"};

template<typename W>
W *newWindow(QWidget *owner, const QList<QPointer<W>> &known)
{
    for (W *window : owner->findChildren<W *>(Qt::FindDirectChildrenOnly)) {
        if (window->isVisible() && !known.contains(window))
            return window;
    }
    return nullptr;
}

} // namespace

QString MainAction::describe() const
{
    switch (kind) {
    case Kind::Type: return QStringLiteral("type \"%1\" into Text2_%2 at %3").arg(shortened(text)).arg(target).arg(row);
    case Kind::Paste: return QStringLiteral("paste \"%1\" into Text2_%2 at %3").arg(shortened(text)).arg(target).arg(row);
    case Kind::Erase: return QStringLiteral("select all in Text2_%1 and delete").arg(target);
    case Kind::Undo: return QStringLiteral("Ctrl+Z in Text2_%1").arg(target);
    case Kind::Encrypt: return QStringLiteral("click Криптирай");
    case Kind::Clear: return QStringLiteral("click Чисти");
    case Kind::ClickRow: return QStringLiteral("click row %1 of List1_%2").arg(row).arg(target);
    case Kind::ListKey: return QStringLiteral("key %1 in List1_%2").arg(int(key), 0, 16).arg(target);
    case Kind::Tab: return QStringLiteral("Tab");
    case Kind::OpenExercise:
    case Kind::OpenBreak:
    case Kind::OpenByHand:
        return QStringLiteral("Ctrl+%1 in %2")
            .arg(QChar(kind == Kind::OpenExercise ? u'E' : kind == Kind::OpenBreak ? u'B' : u'R'))
            .arg(QLatin1String(shortcutPlaces[target]));
    case Kind::Zoom:
        return QStringLiteral("Ctrl+%1 in open window %2").arg(QKeySequence(key).toString()).arg(target);
    }
    return {};
}

MainAction MainAction::random(QRandomGenerator &random)
{
    MainAction action;
    action.target = random.bounded(2);
    action.row = random.bounded(45);
    switch (random.bounded(24)) {
    case 0: case 1: case 2: case 3:
        action.kind = Kind::Type;
        action.text = randomText(random, 12);
        break;
    case 4: case 5:
        action.kind = Kind::Paste;
        action.text = random.bounded(4) == 0 ? QString(10000, u'q') + randomText(random, 4) : randomText(random, 30);
        break;
    case 6: action.kind = Kind::Erase; break;
    case 7: action.kind = Kind::Undo; break;
    case 8: case 9: case 10: action.kind = Kind::Encrypt; break;
    case 11: action.kind = Kind::Clear; break;
    case 12: case 13: case 14: case 15:
        action.kind = Kind::ClickRow;
        action.target = random.bounded(3);
        action.row = random.bounded(24);
        break;
    case 16: case 17: {
        static const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                                       Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Space, Qt::Key_A};
        action.kind = Kind::ListKey;
        action.target = random.bounded(3);
        action.key = keys[random.bounded(8)];
        break;
    }
    case 18: case 19:
        // A third of these are the zoom's keys, drawn from the numbers
        // drawn already, so that the seeds' other actions stay as they were.
        if (action.row < 16) {
            static const Qt::Key keys[] = {Qt::Key_Plus, Qt::Key_Equal, Qt::Key_Minus, Qt::Key_0};
            action.kind = Kind::Zoom;
            action.key = keys[action.row % 4];
            action.target = action.row / 4; // the window, taken round the open ones
        } else {
            action.kind = Kind::Tab;
        }
        break;
    case 20: case 21:
        action.kind = random.bounded(2) == 0 ? Kind::OpenExercise : Kind::OpenBreak;
        action.target = random.bounded(int(std::size(shortcutPlaces)));
        break;
    default:
        action.kind = Kind::OpenByHand;
        action.target = random.bounded(int(std::size(shortcutPlaces)));
        break;
    }
    return action;
}

bool MainMonkey::open(MonkeyWorld &world)
{
    // Each run starts at the normal size, whatever an earlier one chose.
    showZoom(100);
    const bool opened = openWindow();
    world.main = window.get();
    return opened;
}

void MainMonkey::close(MonkeyWorld &world)
{
    closeWindow();
    world.main = nullptr;
    world.exercises.clear();
    world.breaks.clear();
    world.byHands.clear();
}

void MainMonkey::perform(const MainAction &action, MonkeyWorld &world)
{
    activate(window.get());
    m_opened = nullptr;
    switch (action.kind) {
    case Kind::Type:
    case Kind::Paste: {
        QLineEdit *edit = box(action.target);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->setCursorPosition(action.row);
        if (action.kind == Kind::Type)
            typeText(edit, action.text);
        else
            pasteText(edit, action.text);
        break;
    }
    case Kind::Erase: eraseText(box(action.target)); break;
    case Kind::Undo: QTest::keyClick(box(action.target), Qt::Key_Z, Qt::ControlModifier); break;
    case Kind::Encrypt: QTest::mouseClick(button(0), Qt::LeftButton); break;
    case Kind::Clear: QTest::mouseClick(button(1), Qt::LeftButton); break;
    case Kind::ClickRow: {
        QListWidget *widget = list(action.target);
        if (action.row < widget->count() && !widget->visualItemRect(widget->item(action.row)).isEmpty())
            clickRow(widget, action.row);
        else // below the items
            QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, QPoint(5, widget->viewport()->height() - 3));
        break;
    }
    case Kind::ListKey:
        list(action.target)->setFocus();
        QTest::keyClick(list(action.target), action.key);
        break;
    case Kind::Tab: QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key_Tab); break;
    case Kind::Zoom: {
        // In the main window or one the user has open, where the focus is.
        QList<QWidget *> open{window.get()};
        for (QWidget *other : {static_cast<QWidget *>(MonkeyWorld::pick(world.exercises, 0)),
                               static_cast<QWidget *>(MonkeyWorld::pick(world.breaks, 0)),
                               static_cast<QWidget *>(MonkeyWorld::pick(world.byHands, 0))}) {
            if (other)
                open << other;
        }
        QWidget *where = open[action.target % open.size()];
        activate(where);
        QTest::keyClick(where->focusWidget() ? where->focusWidget() : where, action.key, Qt::ControlModifier);
        break;
    }
    case Kind::OpenByHand: {
        ByHandWindow *byHand = MonkeyWorld::pick(world.byHands, 0);
        m_wasOpen = byHand;
        m_board = byHand ? byHand->session().board().ciphertext : QString();
        activate(window.get());
        QWidget *focus = control(QLatin1String(shortcutPlaces[action.target]));
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_R, Qt::ControlModifier);
        m_opened = byHand;
        if (!byHand && (byHand = newWindow(window.get(), world.byHands))) {
            world.byHands << byHand;
            m_opened = byHand;
        }
        break;
    }
    case Kind::OpenExercise:
    case Kind::OpenBreak: {
        const bool exercise = action.kind == Kind::OpenExercise;
        PracticeWindow *practice = exercise ? MonkeyWorld::pick(world.exercises, 0) : nullptr;
        BreakWindow *breaking = exercise ? nullptr : MonkeyWorld::pick(world.breaks, 0);
        m_wasOpen = practice || breaking;
        m_task.reset();
        if (practice)
            m_task = practice->session().task();
        if (breaking) {
            m_ciphertext = breaking->session().ciphertext();
            m_knownSquare = breaking->knownSquare();
            m_searching = breaking->isSearching();
            m_run = breaking->session().run();
        }
        activate(window.get());
        QWidget *focus = control(QLatin1String(shortcutPlaces[action.target]));
        focus->setFocus();
        QTest::keyClick(focus, exercise ? Qt::Key_E : Qt::Key_B, Qt::ControlModifier);
        if (exercise) {
            m_opened = practice;
            if (!practice && (practice = newWindow(window.get(), world.exercises))) {
                world.exercises << practice;
                m_opened = practice;
            }
            break;
        }
        m_opened = breaking;
        if (!breaking && (breaking = newWindow(window.get(), world.breaks))) {
            world.breaks << breaking;
            m_opened = breaking;
            prepareBreakWindow(breaking, world);
            world.keyText[breaking].clear();
        }
        // The main window's pairs bring their key.
        const QString cipher = QStringList(window->workspace().List1[1].items()).join(u' ');
        if (breaking && !cipher.isEmpty())
            world.keyText[breaking] = cipher;
        break;
    }
    }
}

// Ctrl+R: one by-hand window, on the main window's cipher pairs when it
// has pairs the window does not hold; else as it was.
QString MainMonkey::brokenByOpeningByHand(const MonkeyWorld &world) const
{
    if (world.byHands.size() != 1 || window->findChildren<ByHandWindow *>().size() < 1)
        return QStringLiteral("Ctrl+R left %1 by-hand windows").arg(world.byHands.size());
    const QString pairs = QStringList(window->workspace().List1[1].items()).join(QString());
    const QString board = static_cast<ByHandWindow *>(m_opened)->session().board().ciphertext;
    if (pairs.isEmpty() ? board != m_board : board != pairs)
        return QStringLiteral("the by-hand window holds \"%1\" after Ctrl+R").arg(shortened(board));
    return {};
}

QString MainMonkey::brokenByOpening(const MainAction &action, const MonkeyWorld &world) const
{
    const Workspace &ws = window->workspace();
    if (!m_opened)
        return QStringLiteral("no window opened or came forward");
    if (!m_opened->isActiveWindow())
        return QStringLiteral("the window is not the active one");
    if (action.kind == Kind::OpenByHand)
        return brokenByOpeningByHand(world);
    QStringList pairs;
    for (const QString &pair : ws.List1[0].items()) {
        if (pair.size() == 2 && pair[0] != pair[1])
            pairs << pair;
    }
    if (action.kind == Kind::OpenExercise) {
        if (world.exercises.size() != 1 || window->findChildren<PracticeWindow *>().size() != 1)
            return QStringLiteral("Ctrl+E left %1 exercise windows").arg(world.exercises.size());
        const PracticeTask &task = static_cast<PracticeWindow *>(m_opened)->session().task();
        // An open exercise keeps its task when the main window has no pairs.
        if (m_task && pairs.isEmpty()) {
            if (task != *m_task)
                return QStringLiteral("Ctrl+E without pairs changed the open exercise");
            return {};
        }
        if (task.square != squareOf(ws))
            return QStringLiteral("the exercise has the square %1, not the main window's").arg(task.square);
        if (!pairs.isEmpty() && task.pairs != pairs)
            return QStringLiteral("the exercise has the pairs %1, not the message's").arg(task.pairs.join(u' '));
        return {};
    }
    if (world.breaks.size() != 1 || window->findChildren<BreakWindow *>().size() != 1)
        return QStringLiteral("Ctrl+B left %1 break windows").arg(world.breaks.size());
    const auto *opened = static_cast<BreakWindow *>(m_opened);
    const QString cipher = QStringList(ws.List1[1].items()).join(u' ');
    // An open window keeps what it holds when the main window has no pairs
    // or gives the ones it holds; a search on other input is given up.
    const bool kept = m_wasOpen && (cipher.isEmpty() || (cipher == m_ciphertext && squareOf(ws) == m_knownSquare));
    if (kept) {
        // A search may have ended by itself meanwhile, but not been given up.
        const bool givenUp = m_searching && opened->session().state() == BreakSession::State::Idle;
        if (opened->session().ciphertext() != m_ciphertext || opened->knownSquare() != m_knownSquare
            || opened->session().run() != m_run || givenUp)
            return QStringLiteral("Ctrl+B changed the open break window, which held its pairs or got none");
        return {};
    }
    if (opened->session().ciphertext() != cipher)
        return QStringLiteral("the break window holds \"%1\", not the cipher pairs").arg(shortened(opened->session().ciphertext()));
    if (opened->knownSquare() != (cipher.isEmpty() ? QString() : squareOf(ws)))
        return QStringLiteral("the break window knows the key %1").arg(opened->knownSquare());
    if (opened->isSearching() || opened->session().run() != (m_wasOpen ? m_run : 0))
        return QStringLiteral("the break window searches, or started a search, after Ctrl+B");
    return {};
}

QString MainMonkey::brokenRule(const MainAction &action, const Workspace &before, int encrypts,
                               const MonkeyWorld &world) const
{
    const Workspace &ws = window->workspace();
    for (int i = 0; i < 2; ++i) {
        if (box(i)->text().size() > (i == 0 ? 200 : 40))
            return QStringLiteral("Text2_%1 holds %2 characters").arg(i).arg(box(i)->text().size());
        if (box(i)->text() != ws.Text2[i])
            return QStringLiteral("Text2_%1 shows something else than the workspace holds").arg(i);
    }
    QString sorted = squareOf(ws);
    std::sort(sorted.begin(), sorted.end());
    if (sorted != QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ") || square() != squareOf(ws))
        return QStringLiteral("the square is not a shown permutation: ") + square();
    for (int i = 0; i < 4; ++i) {
        if (itemsOf(list(i)) != ws.List1[i].items())
            return QStringLiteral("List1_%1 shows other items than the workspace").arg(i);
        const int selected = ws.List1[i].ListIndex();
        if (selected < -1 || selected >= ws.List1[i].ListCount())
            return QStringLiteral("List1_%1 has the selection %2").arg(i).arg(selected);
        const auto shown = list(i)->selectedItems();
        if ((selected < 0) != shown.isEmpty() || (selected >= 0 && list(i)->row(shown.first()) != selected))
            return QStringLiteral("List1_%1 shows another selection than the workspace").arg(i);
    }
    if (!list(3)->isHidden() || ws.List1[3].ListCount() != 0)
        return QStringLiteral("the letter pool shows or holds letters");
    for (int i = 0; i < 3; ++i) {
        if (list(i)->horizontalScrollBar()->maximum() != 0)
            return QStringLiteral("List1_%1 can scroll sideways").arg(i);
    }
    if (action.kind == Kind::ClickRow || action.kind == Kind::ListKey) {
        // Every list holding the selected row shows it level with the
        // list the user worked in.
        const int row = ws.List1[action.target].ListIndex();
        const auto topOf = [this, row](int i) { return list(i)->visualItemRect(list(i)->item(row)).top(); };
        for (int i = 0; row >= 0 && i < 3; ++i) {
            if (ws.List1[i].ListIndex() == row && topOf(i) != topOf(action.target))
                return QStringLiteral("row %1 of List1_%2 is not level with List1_%3").arg(row).arg(i).arg(action.target);
        }
    }
    if (ws.Text1[0].count(QStringLiteral("\r\n")) != 17 + encrypts
        || explanation()->document()->blockCount() != 18 + encrypts)
        return QStringLiteral("the explanation does not have %1 lines").arg(17 + encrypts);
    for (const QString &pair : ws.List1[1].items()) {
        if (pair.size() != 2 || pair[0] == pair[1])
            return QStringLiteral("the cipher pair %1").arg(pair);
    }
    // At every zoom the main window is the described one multiplied, and
    // every open window has the zoom's font.
    const int zoom = zoomPercent();
    if (window->size() != QSize(qRound(504 * zoom / 100.0), qRound(424 * zoom / 100.0)))
        return QStringLiteral("the main window is %1×%2 at %3 %").arg(window->width()).arg(window->height()).arg(zoom);
    QList<const QWidget *> open{window.get()};
    for (const auto &exercise : world.exercises)
        open << exercise.data();
    for (const auto &breaking : world.breaks)
        open << breaking.data();
    for (const auto &byHand : world.byHands)
        open << byHand.data();
    for (const QWidget *shown : open) {
        if (shown && shown->font().pointSizeF() != 12.0 * zoom / 100)
            return QStringLiteral("%1 has a font of %2 points at %3 %")
                .arg(shown->objectName())
                .arg(shown->font().pointSizeF())
                .arg(zoom);
    }

    switch (action.kind) {
    case Kind::Encrypt: {
        if (!isClean(ws.Text2[0]) || !isClean(ws.Text2[1]))
            return QStringLiteral("a box is not clean after Encrypt");
        const QStringList groups = groupsOf(ws.Text2[1]);
        if (ws.List1[0].items() != groups)
            return QStringLiteral("the message list is not the message in twos");
        const QStringList expected = pairsWithCipher(groups);
        if (ws.List1[2].items() != expected || ws.List1[1].ListCount() != expected.size())
            return QStringLiteral("the decrypted list is not the message without doubles and tail");
        break;
    }
    case Kind::Clear:
        if (!ws.Text2[0].isEmpty() || !ws.Text2[1].isEmpty() || ws.List1[0].ListCount() || ws.List1[1].ListCount()
            || squareOf(ws) != QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ") || ws.List1[2].items() != before.List1[2].items())
            return QStringLiteral("Clear left other state");
        break;
    default:
        for (int i = 0; i < 4; ++i) {
            if (ws.List1[i].items() != before.List1[i].items())
                return QStringLiteral("List1_%1 changed without a command").arg(i);
        }
        if (ws.Label3 != before.Label3 || ws.Text1 != before.Text1)
            return QStringLiteral("the square or the explanation changed without a command");
        if (action.kind == Kind::OpenExercise || action.kind == Kind::OpenBreak || action.kind == Kind::OpenByHand)
            return brokenByOpening(action, world);
        break;
    }
    return {};
}

} // namespace playfair::testing
