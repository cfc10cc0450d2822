#include "handbook.h"

#include "handbookwindow.h"

#include <QMenu>

namespace playfair {

void addHelpAction(QMenu *menu, QWidget *window)
{
    QAction *help = menu->addAction(HandbookWindow::tr("Помощ"));
    help->setObjectName(QStringLiteral("helpAction"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutVisibleInContextMenu(true);
    QObject::connect(help, &QAction::triggered, window, [window] { showHandbook(window); });
}

QString handbookPageOf(const QWidget *window)
{
    const QString own = window->property("handbookPage").toString();
    if (!own.isEmpty())
        return own;
    static const struct
    {
        const char *window;
        const char *page;
    } pages[] = {
        {"Form1", "index.md"},
        {"PracticeWindow", "exercise.md"},
        {"BreakWindow", "break.md"},
        {"ByHandWindow", "by-hand.md"},
    };
    for (const auto &entry : pages) {
        if (window->objectName() == QLatin1String(entry.window))
            return QString::fromLatin1(entry.page);
    }
    return QStringLiteral("index.md");
}

void showHandbook(QWidget *from)
{
    QWidget *window = from->window();
    QWidget *owner = window;
    while (owner->parentWidget())
        owner = owner->parentWidget()->window();
    const QString page = handbookPageOf(window);

    auto *handbook = owner->findChild<HandbookWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!handbook) {
        handbook = new HandbookWindow(owner);
        handbook->setAttribute(Qt::WA_DeleteOnClose);
    }
    handbook->showPage(page);
    if (handbook->isMinimized())
        handbook->showNormal();
    handbook->show();
    handbook->raise();
    handbook->activateWindow();
}

} // namespace playfair
