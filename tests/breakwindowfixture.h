#pragma once

// What the break window's tests share: the window opened on its own,
// found and driven by its controls' names the way a user drives it.

#include "windowfixture.h"

#include "ui/break/breakjob.h"
#include "ui/break/breakwindow.h"
#include "ui/break/pairedtextview.h"
#include "ui/shared/squareview.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <memory>

namespace playfair::testing {

inline QString pairsOf(const QString &letters)
{
    QStringList pairs;
    for (qsizetype i = 0; i < letters.size(); i += 2)
        pairs << letters.mid(i, 2);
    return pairs.join(u' ');
}

class BreakWindowFixture
{
protected:
    std::unique_ptr<BreakWindow> window;

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("No control named %s", name);
        return found;
    }
    QPlainTextEdit *ciphertext() const { return control<QPlainTextEdit>("ciphertext"); }
    QPushButton *startButton() const { return control<QPushButton>("start"); }
    QPushButton *stopButton() const { return control<QPushButton>("stop"); }
    QString status() const { return control<QLabel>("status")->text(); }
    SquareView *square() const { return control<SquareView>("square"); }
    PairedTextView *plaintext() const { return control<PairedTextView>("plaintext"); }

    void openWindow(const BreakInput &input = {})
    {
        window = std::make_unique<BreakWindow>(input);
        window->show();
        // On an X server without a window manager the first window of the
        // program is active only when asked.
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Replaces a box's text the way a user does: typed, or pasted where
    // the keyboard has no keys for it.
    static void typeInto(QWidget *edit, const QString &text)
    {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        if (QStringView(text).toLatin1() == text.toUtf8()) {
            QTest::keyClicks(edit, text);
        } else {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        }
    }

    // Waits for the search to end; the time is only a safety net.
    bool waitForTheEnd(int milliseconds = 60000)
    {
        return QTest::qWaitFor([this] { return startButton()->isEnabled(); }, milliseconds);
    }

    // After each test: every search has ended and every job has deleted
    // itself.
    static void endEverySearch()
    {
        QTRY_COMPARE_WITH_TIMEOUT(BreakJob::running(), 0, 5000);
        QTRY_VERIFY(qApp->findChildren<BreakJob *>().isEmpty());
    }

    // The window closed, and with it every search.
    void closeTheWindow()
    {
        window.reset();
        endEverySearch();
    }
};

} // namespace playfair::testing
