#include "breakmonkey.h"

#include "helpers.h"
#include "monkeytext.h"
#include "monkeyworld.h"

#include "analysis/shaped/alphabetchoice.h"
#include "analysis/transliteration.h"
#include "engine/alphabet.h"
#include "engine/textbook.h"
#include "ui/break/breakwindow.h"
#include "ui/break/pairedtextview.h"
#include "ui/break/scoreplot.h"
#include "ui/shared/squareview.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <algorithm>

namespace playfair::testing {

namespace {

using Kind = BreakAction::Kind;
using State = BreakSession::State;

enum class Verdict { Good, NoLetters, OddLetters, DoubledPair };

// The letters of a ciphertext as a message is read (its doubled letters
// split): the run of one letter at its end that makes a doubled pair or an
// odd count is padding, all of it but the letter that ends the last pair,
// when the count leaves one; what is left must be pairs of two letters.
QString readLetters(const QString &ciphertext, Verdict *verdict = nullptr)
{
    QString letters = latinLetters(ciphertext);
    qsizetype run = letters.isEmpty() ? 0 : 1;
    while (run < letters.size() && letters[letters.size() - 1 - run] == letters.back())
        ++run;
    const QString all = letters;
    if (letters.size() % 2 != 0 || run >= 2) {
        qsizetype real = letters.size() - run + 1;
        real -= real % 2;
        if (real >= 2)
            letters.truncate(real);
    }
    // Else the fewest of the last five letters without which the rest is
    // pairs of two different letters, with ten letters left at least.
    const auto stands = [&all](qsizetype count) {
        if (count < 2 || count % 2 != 0)
            return false;
        for (qsizetype i = 0; i < count; i += 2) {
            if (all[i] == all[i + 1])
                return false;
        }
        return true;
    };
    if (!stands(letters.size())) {
        for (qsizetype padding = all.size() - letters.size() + 1; padding <= 5 && padding < all.size(); ++padding) {
            if ((padding == 1 || all.size() - padding >= 10) && stands(all.size() - padding)) {
                letters = all.left(all.size() - padding);
                break;
            }
        }
    }
    Verdict found = Verdict::Good;
    if (letters.isEmpty())
        found = Verdict::NoLetters;
    else if (letters.size() % 2 != 0)
        found = Verdict::OddLetters;
    for (qsizetype i = 0; found == Verdict::Good && i < letters.size(); i += 2) {
        if (letters[i] == letters[i + 1])
            found = Verdict::DoubledPair;
    }
    if (verdict)
        *verdict = found;
    return letters;
}

Verdict verdictOn(const QString &ciphertext)
{
    Verdict verdict;
    readLetters(ciphertext, &verdict);
    return verdict;
}

// A text's letters cut into pairs the textbook way.
QString prepared(const QString &letters)
{
    QString pairs;
    for (qsizetype i = 0; i < letters.size();) {
        const QChar first = letters[i];
        const QChar filler = first == u'X' ? u'Q' : u'X';
        if (i + 1 < letters.size() && letters[i + 1] != first) {
            pairs += first + QString(letters[i + 1]);
            i += 2;
        } else {
            pairs += first + QString(filler);
            i += 1;
        }
    }
    return pairs;
}

QString randomCrib(QRandomGenerator &random)
{
    static const QStringList cribs{QString(), QStringLiteral("the"), QStringLiteral("HELLO"),
                                   QStringLiteral("attack at dawn"), QStringLiteral("РОДИНА"), QStringLiteral("qq"),
                                   QStringLiteral("x"), QStringLiteral("Jojo"), QStringLiteral("   ")};
    switch (random.bounded(4)) {
    case 0: return randomText(random, 8);
    case 1: return randomPairs(random, 60 + random.bounded(200));
    default: return cribs[random.bounded(int(cribs.size()))];
    }
}

QString randomDemoText(QRandomGenerator &random)
{
    static const QStringList texts{
        QStringLiteral("Hide the gold in the tree stump!"),
        QStringLiteral("Attack at dawn; hold the bridge until noon."),
        QStringLiteral("Utre sutrinta shte se sreshtnem na garata v Plovdiv, kakto se dogovorihme."),
        QStringLiteral("Утре сутринта ще се срещнем на гарата в Пловдив."),
        QStringLiteral("Meet me at the Пловдив station at noon"),
        QStringLiteral("balloon xx jj"),
        QStringLiteral("12345 !? ,."),
        QString()};
    switch (random.bounded(5)) {
    case 0: return randomText(random, 30);
    case 1: return QString(texts[random.bounded(2)] + u' ').repeated(20 + random.bounded(200));
    default: return texts[random.bounded(int(texts.size()))];
    }
}

QString randomKeyWord(QRandomGenerator &random)
{
    static const QStringList words{QStringLiteral("rodina"),  QStringLiteral("Playfair example"),
                                   QStringLiteral("РОДИНА"),  QString(),
                                   QStringLiteral("   "),     QStringLiteral("123"),
                                   QStringLiteral("Jojo"),    QStringLiteral("ıſß"),
                                   QStringLiteral("ключ X")};
    return random.bounded(4) == 0 ? randomText(random, 6) : words[random.bounded(int(words.size()))];
}

template<typename T = QWidget>
T *part(const BreakWindow &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("No control named %s in the break window", name);
    return found;
}

// Replaces a box's text, or adds to its end, the way `how` says.
void enter(QWidget *box, const BreakAction &action)
{
    box->setFocus();
    if (action.how == 2) {
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    } else {
        eraseText(box);
    }
    if (action.how == 1 || action.text.size() > 100)
        pasteText(box, action.text);
    else
        typeText(box, action.text);
}

QString stateName(State state)
{
    switch (state) {
    case State::Idle: return QStringLiteral("Idle");
    case State::Searching: return QStringLiteral("Searching");
    case State::Stopping: return QStringLiteral("Stopping");
    case State::Finished: return QStringLiteral("Finished");
    case State::Refused: return QStringLiteral("Refused");
    }
    return {};
}

bool searching(State state)
{
    return state == State::Searching || state == State::Stopping;
}

} // namespace

QString BreakAction::describe() const
{
    static const char *const ways[] = {"type", "paste", "type at the end"};
    const QString where = QStringLiteral(" in break window %1").arg(window);
    switch (kind) {
    case Kind::Ciphertext:
    case Kind::Crib:
    case Kind::DemoText:
    case Kind::KeyWord: {
        static const char *const boxes[] = {"the ciphertext", "the crib", "the demonstration text", "the key word"};
        return QStringLiteral("%1 \"%2\" into %3%4")
            .arg(QLatin1String(ways[how]), shortened(text), QLatin1String(boxes[int(kind)]), where);
    }
    case Kind::RandomSquare: return QStringLiteral("click случаен квадрат") + where;
    case Kind::Demonstrate: return QStringLiteral("click Криптирай") + where;
    case Kind::Language: return QStringLiteral("key %1 in the language box").arg(how == 0 ? "Down" : "Up") + where;
    case Kind::TimeLimit: return QStringLiteral("key %1 in the time limit").arg(how == 0 ? "Up" : "Down") + where;
    case Kind::Start: {
        static const char *const starts[] = {"click Започни", "Enter in the ciphertext", "Enter in the crib"};
        return QLatin1String(starts[how]) + where;
    }
    case Kind::Stop: {
        static const char *const stops[] = {"click Спри", "Escape in the ciphertext", "Escape in the paired text"};
        return QLatin1String(stops[how]) + where;
    }
    case Kind::Close: return QStringLiteral("close") + where;
    case Kind::Wait: return QStringLiteral("wait %1 ms").arg(how);
    }
    return {};
}

BreakAction BreakAction::random(QRandomGenerator &random)
{
    // How often each kind comes, in 84ths.
    static const std::pair<Kind, int> often[] = {
        {Kind::Ciphertext, 16}, {Kind::Crib, 6}, {Kind::DemoText, 6}, {Kind::KeyWord, 6}, {Kind::RandomSquare, 3},
        {Kind::Demonstrate, 8}, {Kind::Language, 3}, {Kind::TimeLimit, 3}, {Kind::Start, 14}, {Kind::Stop, 8},
        {Kind::Close, 3}, {Kind::Wait, 8}};
    BreakAction action;
    action.window = random.bounded(8);
    action.how = random.bounded(3);
    int pick = random.bounded(84);
    for (const auto &[kind, weight] : often) {
        action.kind = kind;
        if ((pick -= weight) < 0)
            break;
    }
    switch (action.kind) {
    case Kind::Ciphertext: action.text = randomCiphertext(random); break;
    case Kind::Crib: action.text = randomCrib(random); break;
    case Kind::DemoText: action.text = randomDemoText(random); break;
    case Kind::KeyWord: action.text = randomKeyWord(random); break;
    case Kind::Language:
    case Kind::TimeLimit: action.how = random.bounded(2); break;
    case Kind::Wait: action.how = 1 + random.bounded(60); break;
    default: break;
    }
    return action;
}

void prepareBreakWindow(BreakWindow *window, MonkeyWorld &world)
{
    const int opened = world.breaksOpened++;
    window->setSearchOptions(1 + opened % 2, std::uint64_t(world.seed) * 1000 + std::uint64_t(opened));
    part<QSpinBox>(*window, "timeLimit")->setValue(5);
}

void BreakMonkey::before(const BreakAction &action, const MonkeyWorld &world)
{
    m_window = MonkeyWorld::pick(world.breaks, action.window);
    if (!m_window)
        return;
    const BreakSession &session = m_window->session();
    m_state = session.state();
    m_run = session.run();
    m_ciphertext = session.ciphertext();
    m_crib = session.crib();
    m_demoText = part<QPlainTextEdit>(*m_window, "demoText")->toPlainText();
    m_onKeyWord = part<QRadioButton>(*m_window, "useKeyWord")->isChecked();
    m_keyWord = part<QLineEdit>(*m_window, "keyWord")->text();
    m_startEnabled = part(*m_window, "start")->isEnabled();
    m_cribEnabled = part(*m_window, "crib")->isEnabled();
    m_demonstrationEnabled = part(*m_window, "demonstration")->isEnabled();
}

void BreakMonkey::perform(const BreakAction &action, MonkeyWorld &world)
{
    if (action.kind == Kind::Wait) {
        QTest::qWait(action.how);
        return;
    }
    BreakWindow *window = MonkeyWorld::pick(world.breaks, action.window);
    if (!window)
        return;
    activate(window);
    switch (action.kind) {
    case Kind::Ciphertext: enter(part(*window, "ciphertext"), action); break;
    case Kind::Crib: enter(part(*window, "crib"), action); break;
    case Kind::DemoText: enter(part(*window, "demoText"), action); break;
    case Kind::KeyWord:
        QTest::mouseClick(part(*window, "useKeyWord"), Qt::LeftButton);
        enter(part(*window, "keyWord"), action);
        break;
    case Kind::RandomSquare: QTest::mouseClick(part(*window, "useRandomSquare"), Qt::LeftButton); break;
    case Kind::Demonstrate:
        QTest::mouseClick(part(*window, "encrypt"), Qt::LeftButton);
        // A demonstration made brings its key; whether it should have been
        // made is checked after the action.
        if (m_demonstrationEnabled && window->session().state() == State::Idle)
            world.keyText[window] = window->session().ciphertext();
        break;
    case Kind::Language:
    case Kind::TimeLimit: {
        QWidget *box = part(*window, action.kind == Kind::Language ? "language" : "timeLimit");
        box->setFocus();
        QTest::keyClick(box, (action.how == 0) == (action.kind == Kind::Language) ? Qt::Key_Down : Qt::Key_Up);
        break;
    }
    case Kind::Start:
        if (action.how == 0) {
            QTest::mouseClick(part(*window, "start"), Qt::LeftButton);
        } else {
            QWidget *box = part(*window, action.how == 1 ? "ciphertext" : "crib");
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
        }
        break;
    case Kind::Stop:
        if (action.how == 0) {
            QTest::mouseClick(part(*window, "stop"), Qt::LeftButton);
        } else {
            QWidget *box = part(*window, action.how == 1 ? "ciphertext" : "plaintext");
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Escape);
        }
        break;
    case Kind::Close:
        world.breaks.removeAll(window);
        window->close();
        break;
    case Kind::Wait: break;
    }
}

// A text with its Cyrillic letters in Latin ones, as a demonstration takes it.
QString inLatin(const QString &text)
{
    return QString::fromStdString(analysis::transliterated(text.toStdString()));
}

// What the window shows belongs to the present input: the pairs are the
// box's letters (none while they are no ciphertext), a search's results show
// only while one runs or has ended on them, and the square's note speaks of
// a known key only while the box holds the letters the key came with.
QString brokenForTheInput(const BreakWindow &window, const MonkeyWorld &world)
{
    const BreakSession &session = window.session();
    const QString letters = latinLetters(session.ciphertext());
    const auto *pairs = part<PairedTextView>(window, "plaintext");
    // A search may read the last two or four letters as padding, and show the
    // pairs before them (as its last report shown said, which may be an
    // earlier one than the session's).
    const QString shown = pairs->cipher();
    // A box whose letters point to another alphabet (Cyrillic letters,
    // digits among letters, a J without a Q) is read in it: its pairs are
    // the letters cleaned into that alphabet, perhaps short of a padding of
    // up to five letters, or none while they are no ciphertext.
    const analysis::AlphabetKind alphabet =
        session.alphabet().value_or(analysis::chooseAlphabet(session.ciphertext().toStdString()).alphabet);
    if (alphabet != analysis::AlphabetKind::LatinIJ) {
        const QString cleaned = QString::fromStdU32String(
            Alphabet::of(alphabet).cleaned(session.ciphertext().toStdU32String()).letters);
        if (!shown.isEmpty() && !(cleaned.startsWith(shown) && cleaned.size() - shown.size() <= 5))
            return QStringLiteral("the paired text shows the pairs %1, not the box's in its alphabet")
                .arg(shortened(shown));
    } else {
        const QString expected =
            verdictOn(session.ciphertext()) == Verdict::Good ? readLetters(session.ciphertext()) : QString();
        const qsizetype cut = expected.size() - shown.size();
        if (shown != expected && !(session.report().found && (cut == 2 || cut == 4) && expected.startsWith(shown)))
            return QStringLiteral("the paired text shows the pairs %1, not the box's").arg(shortened(shown));
    }
    const bool results = !pairs->plain().isEmpty() || !part<ScorePlot>(window, "scorePlot")->points().isEmpty()
        || !part<SquareView>(window, "square")->letters().isEmpty() || part(window, "keyWordFrame")->isVisible()
        || !part<QPlainTextEdit>(window, "words")->toPlainText().isEmpty();
    const State state = session.state();
    if (results && !(searching(state) || state == State::Finished))
        return QStringLiteral("a search's results are on show in the state %1").arg(stateName(state));
    const QString keyText = world.keyText.value(&window);
    const bool known = !keyText.isEmpty() && latinLetters(keyText) == letters;
    const QString note = part<QLabel>(window, "inPlace")->text();
    const bool speaksOfKey = note.startsWith(QStringLiteral("Ключът е известен"))
        || note.startsWith(QStringLiteral("На мястото си"));
    if (speaksOfKey != known)
        return known ? QStringLiteral("the square's note says \"%1\" with the key known").arg(note)
                     : QStringLiteral("the square's note speaks of a key the box's text has none of: %1").arg(note);
    return {};
}

QString brokenBreakWindow(const BreakWindow &window, const MonkeyWorld &world)
{
    const BreakSession &session = window.session();
    const bool startEnabled = part(window, "start")->isEnabled();
    const bool stopEnabled = part(window, "stop")->isEnabled();
    const auto *ciphertext = part<QPlainTextEdit>(window, "ciphertext");
    if (startEnabled && stopEnabled)
        return QStringLiteral("Започни and Спри are both enabled");
    if (ciphertext->toPlainText() != session.ciphertext())
        return QStringLiteral("the ciphertext box shows \"%1\", the session holds \"%2\"")
            .arg(shortened(ciphertext->toPlainText()), shortened(session.ciphertext()));
    if (part<QLineEdit>(window, "crib")->text() != session.crib())
        return QStringLiteral("the crib box shows another crib than the session holds");
    const State state = session.state();
    if (searching(state)
        && (startEnabled || !ciphertext->isReadOnly() || part(window, "demonstration")->isEnabled()
            || part(window, "crib")->isEnabled() || part(window, "language")->isEnabled()))
        return QStringLiteral("an input or Започни is open to the user while the search runs");
    if (state == State::Stopping && stopEnabled)
        return QStringLiteral("Спри is enabled while the search stops");
    if (state == State::Idle || state == State::Refused) {
        if (!startEnabled || stopEnabled || ciphertext->isReadOnly())
            return QStringLiteral("%1 but Започни is %2 and Спри %3")
                .arg(stateName(state), startEnabled ? "enabled" : "disabled", stopEnabled ? "enabled" : "disabled");
        if (part<QLabel>(window, "status")->text() != session.status())
            return QStringLiteral("the status line does not show the session's status");
    }
    return brokenForTheInput(window, world);
}

QString BreakMonkey::brokenByAction(const BreakAction &action) const
{
    if (!m_window)
        return {}; // no break window was open, or the action closed it
    const BreakSession &session = m_window->session();
    const State state = session.state();
    const bool wasSearching = searching(m_state);
    if (action.kind != Kind::Start && session.run() != m_run)
        return QStringLiteral("a search started without Започни");
    if (wasSearching && action.kind != Kind::Stop) {
        // While a search runs its input stays as it was, and no other starts.
        if (session.run() != m_run || session.ciphertext() != m_ciphertext || session.crib() != m_crib)
            return QStringLiteral("the search's input changed, or another search started, while it ran");
        return {};
    }
    switch (action.kind) {
    case Kind::Start: {
        // Enter in the ciphertext asks the session whatever the window shows.
        if (action.how != 1 && !(action.how == 0 ? m_startEnabled : m_cribEnabled)) {
            if (session.run() != m_run)
                return QStringLiteral("a search started from a disabled control");
            break;
        }
        if (verdictOn(m_ciphertext) != Verdict::Good) {
            if (state != State::Refused || session.run() != m_run)
                return QStringLiteral("a ciphertext that cannot be one was not refused: %1").arg(stateName(state));
            break;
        }
        const bool crib = !m_crib.trimmed().isEmpty();
        if (session.run() == m_run) {
            if (!crib || state != State::Refused)
                return QStringLiteral("Започни on a good ciphertext started no search: %1").arg(stateName(state));
        } else if (session.run() != m_run + 1 || !(state == State::Searching || state == State::Finished
                                                   || (crib && state == State::Refused))) {
            return QStringLiteral("Започни gave run %1 in the state %2").arg(session.run()).arg(stateName(state));
        }
        break;
    }
    case Kind::Stop:
        if (m_state == State::Searching && !(state == State::Stopping || state == State::Finished || state == State::Refused))
            return QStringLiteral("Спри left the search %1").arg(stateName(state));
        if (m_state == State::Stopping && !(state == State::Stopping || state == State::Finished))
            return QStringLiteral("a stopping search went to %1").arg(stateName(state));
        if (!wasSearching && state != m_state)
            return QStringLiteral("Спри changed a window that was not searching");
        break;
    case Kind::Demonstrate: {
        if (!m_demonstrationEnabled) {
            if (session.ciphertext() != m_ciphertext)
                return QStringLiteral("a disabled Криптирай made a demonstration");
            break;
        }
        // Cyrillic is written in Latin letters first.
        const QString letters = latinLetters(inLatin(m_demoText));
        const QString key = latinLetters(inLatin(m_keyWord));
        if (letters.isEmpty() || (m_onKeyWord && key.isEmpty())) {
            if (state != State::Refused || session.ciphertext() != m_ciphertext)
                return QStringLiteral("a demonstration whose %1 was not refused")
                    .arg(letters.isEmpty() ? "text has no letter" : "key word has no letter");
            break;
        }
        if (state != State::Idle)
            return QStringLiteral("the demonstration left the state %1").arg(stateName(state));
        const QString square = session.knownSquare();
        if (!isSquare(square))
            return QStringLiteral("the demonstration's square %1 is not one").arg(square);
        if (m_onKeyWord && !isKeyedSquare(square, key))
            return QStringLiteral("the demonstration's square %1 is not the key word's").arg(square);
        const QString cipher = latinLetters(session.ciphertext());
        if (session.ciphertext() != groupsOf(cipher).join(u' '))
            return QStringLiteral("the ciphertext box does not show the demonstration's pairs");
        const std::string plain = transformedPairs(square.toStdString(), cipher.toStdString(), -1);
        if (QString::fromStdString(plain) != prepared(letters))
            return QStringLiteral("the demonstration's ciphertext does not decrypt to its text");
        break;
    }
    default:
        break;
    }
    return {};
}

QString BreakMonkey::brokenRule(const BreakAction &action)
{
    if (m_window && m_window->session().run() > m_run)
        ++searches;
    return brokenByAction(action);
}

} // namespace playfair::testing
