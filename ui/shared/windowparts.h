#pragma once

#include <QPalette>

#include <functional>

class QAction;
class QColor;
class QKeySequence;
class QLabel;
class QString;
class QVBoxLayout;
class QWidget;

namespace playfair {

// Parts the exercise and break windows are built of alike.

// Names the window, gives it its caption, the program's icon and the
// main window's font: Times New Roman (or a serif like it), 12 points, and
// F1 for the handbook at the window's page.
void setUpWindow(QWidget *window, const QString &objectName, const QString &caption);

// Gives `widget` a background of `colour`: its own (QPalette::Window) or
// that of its text (QPalette::Base, for an input).
void setBackground(QWidget *widget, const QColor &colour, QPalette::ColorRole role = QPalette::Window);

// A centred plain-text label named `name` on a background of `colour`.
QLabel *colouredLabel(const QString &name, const QColor &colour, QWidget *parent);

// The layout of `window`, with 8-pixel margins and spacing and the title
// band on top in the caption colour, as the main window has it.
QVBoxLayout *titledLayout(QWidget *window, const QString &title);

// An action of `window` that `shortcut` triggers while the window is
// active, shown with its shortcut in the window's context menu; it runs
// `run`.
QAction *addWindowAction(QWidget *window, const QKeySequence &shortcut, const std::function<void()> &run);

} // namespace playfair
