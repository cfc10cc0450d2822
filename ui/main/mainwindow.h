#pragma once

#include "workspace/workspace.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QGroupBox;
class QKeySequence;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace playfair {

class ColourButton;
class SquareMarks;

// The program's one window, Form1. It owns the Workspace, which is the single
// source of truth: every control shows one workspace field, and the window
// never keeps state of its own that the workspace does not have.
//
// The flow is one way round. A user action either writes a field (typing in
// a box writes Text2) or calls a handler (a button press calls
// Command1_Click, a list selection calls SelectItem and so List1_Click); then
// render() shows the whole workspace again. render() changes widgets with
// their signals blocked, so only the user's own changes reach the workspace
// and no signal loop can start. A handler that fails is reported in a message
// box at this boundary, and the window shows what the handler left.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    Workspace &workspace() { return m_ws; }
    const Workspace &workspace() const { return m_ws; }

    // Shows every workspace field in its control. Texts that did not change
    // are left alone, so the cursor and the scroll positions survive.
    void render();

    static QString caption();

protected:
    void paintEvent(QPaintEvent *event) override;
    // The window's own menu, on the background and the square: the window's
    // actions with their shortcuts. The boxes and lists keep their own.
    void contextMenuEvent(QContextMenuEvent *event) override;
    // A new language: the captions, the explanation and everything render()
    // writes are shown in it; the workspace keeps the boxes, the square and
    // the lists as they were.
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    // The fixed captions, in the language shown.
    void retranslate();
    void createSquare();
    void connectControls();
    void setTabOrder();

    // Runs a workspace handler, reports a failure to the user, then renders.
    void run(const QString &action, const std::function<void()> &handler);
    void onListSelectionChanged(qint16 index);
    void levelListRows(qint16 leader);
    void renderExplanation();
    void renderInsights();

    Workspace m_ws;
    QString m_shownExplanation;
    qint16 m_markedList = -1; // the list the user last selected a row in

    std::array<QLabel *, 3> m_Label1{};
    std::array<QLineEdit *, 2> m_Text2{};
    std::array<QPlainTextEdit *, 1> m_Text1{};
    QGroupBox *m_Frame1 = nullptr;
    std::array<QLabel *, 10> m_Label2{};
    std::array<QLabel *, 25> m_Label3{};
    std::array<QLabel *, 3> m_Label4{};
    std::array<QListWidget *, 4> m_List1{};
    std::array<ColourButton *, 2> m_Command1{};
    SquareMarks *m_marks = nullptr;
    QAction *m_practiceAction = nullptr;
    QAction *m_breakAction = nullptr;
    QAction *m_byHandAction = nullptr;
};

} // namespace playfair
