#pragma once

#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace playfair::testing {

// A control's object name: its name, an underscore and its index.
inline QString name(const char *control, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(control)).arg(index);
}

inline QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

// Opens the program's window and finds and drives its controls the way a
// user does, with real mouse and key events.
class WindowFixture
{
protected:
    std::unique_ptr<MainWindow> window;

    bool openWindow()
    {
        window = std::make_unique<MainWindow>();
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    void closeWindow() { window.reset(); }

    template<typename T = QWidget>
    T *control(const QString &objectName) const
    {
        T *found = window->findChild<T *>(objectName);
        if (!found)
            qFatal("No control named %s", qPrintable(objectName));
        return found;
    }

    QLineEdit *box(int i) const { return control<QLineEdit>(name("Text2", i)); }
    QListWidget *list(int i) const { return control<QListWidget>(name("List1", i)); }
    QPlainTextEdit *explanation() const { return control<QPlainTextEdit>(QStringLiteral("Text1_0")); }
    QPushButton *button(int i) const { return control<QPushButton>(name("Command1", i)); }

    // The 25 cell captions row by row.
    QString square() const
    {
        QString letters;
        for (int k = 0; k < 25; ++k)
            letters += control<QLabel>(name("Label3", k))->text();
        return letters;
    }

    void clickRow(QListWidget *widget, int row)
    {
        const QRect rect = widget->visualItemRect(widget->item(row));
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // Replaces a box's text the way a user does: select all, then type.
    void typeInto(QLineEdit *edit, const QString &text)
    {
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    // Types a key word and a message and presses Encrypt.
    void encrypt(const QString &key, const QString &message)
    {
        typeInto(box(0), key);
        typeInto(box(1), message);
        QTest::mouseClick(button(0), Qt::LeftButton);
    }
};

// The main window, driven as its own tests drive it, for the windows it
// opens.
struct MainWindowDriver : WindowFixture
{
    using WindowFixture::box;
    using WindowFixture::button;
    using WindowFixture::control;
    using WindowFixture::encrypt;
    using WindowFixture::list;
    using WindowFixture::openWindow;
    using WindowFixture::window;
};

} // namespace playfair::testing
