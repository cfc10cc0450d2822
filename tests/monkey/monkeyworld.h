#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace playfair {
class BreakWindow;
class MainWindow;
class PracticeWindow;
} // namespace playfair

namespace playfair::testing {

// The windows of one monkey run as the user has them open, and what the
// program told the user since the last action.
struct MonkeyWorld
{
    MainWindow *main = nullptr;
    QList<QPointer<PracticeWindow>> exercises; // in the order they opened
    QList<QPointer<BreakWindow>> breaks;
    QStringList messages; // the message boxes that appeared, each closed at once
    QString folder;       // a temporary folder for worksheets
    quint32 seed = 0;     // the run's: each break window's searches take a seed from it
    int breaksOpened = 0; // in the run
    // For each break window, the text its known key came with (from the main
    // window's pairs or a demonstration); empty when it has had none.
    QHash<const BreakWindow *, QString> keyText;

    // The open window an action aims at (its index taken round the open
    // ones), or none.
    template<typename W>
    static W *pick(const QList<QPointer<W>> &windows, int index)
    {
        return windows.isEmpty() ? nullptr : windows[index % windows.size()].data();
    }

    // The first rule `broken` finds in the open windows, or one gone
    // without the user closing it; empty if none.
    template<typename W, typename F>
    static QString brokenIn(const QList<QPointer<W>> &windows, const char *kind, F broken)
    {
        for (qsizetype i = 0; i < windows.size(); ++i) {
            if (!windows[i] || !windows[i]->isVisible())
                return QStringLiteral("%1 %2, which the user did not close, is gone").arg(QLatin1String(kind)).arg(i);
            if (const QString rule = broken(*windows[i]); !rule.isEmpty())
                return QStringLiteral("%1 %2: %3").arg(QLatin1String(kind)).arg(i).arg(rule);
        }
        return {};
    }
};

} // namespace playfair::testing
