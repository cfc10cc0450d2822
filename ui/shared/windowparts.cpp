#include "windowparts.h"

#include "windowcolours.h"

#include "ui/help/handbook.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QVBoxLayout>

namespace playfair {

void setUpWindow(QWidget *window, const QString &objectName, const QString &caption)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setWindowIcon(QIcon(QStringLiteral(":/playfair/playfair.png")));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    font.setStyleHint(QFont::Serif);
    window->setFont(font);
    addHelpShortcut(window);
}

void setBackground(QWidget *widget, const QColor &colour, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    if (role == QPalette::Window)
        widget->setAutoFillBackground(true);
}

QLabel *colouredLabel(const QString &name, const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(2);
    setBackground(label, colour);
    return label;
}

QVBoxLayout *titledLayout(QWidget *window, const QString &title)
{
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    QLabel *band = colouredLabel(QStringLiteral("title"), captionColour, window);
    band->setText(title);
    layout->addWidget(band);
    return layout;
}

QAction *addWindowAction(QWidget *window, const QKeySequence &shortcut, const std::function<void()> &run)
{
    auto *action = new QAction(window);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, window, run);
    window->addAction(action);
    return action;
}

} // namespace playfair
