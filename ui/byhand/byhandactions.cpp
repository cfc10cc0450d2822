// What the by-hand window's controls, shortcuts and files call: each user
// action goes to the session, then the window follows it (a key-word search
// the session asks for, and render()).

#include "byhandwindow.h"

#include "keyjob.h"
#include "pairboard.h"
#include "squareeditor.h"
#include "ui/shared/colourbutton.h"
#include "ui/shared/windowparts.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>

namespace playfair {

using analysis::Language;

void ByHandWindow::createActions()
{
    const auto add = [this](const QKeySequence &shortcut, const std::function<void()> &run) {
        return addWindowAction(this, shortcut, run);
    };
    m_undoAction = add(QKeySequence::Undo, [this] {
        m_session.undo();
        followSession();
    });
    m_redoAction = add(QKeySequence::Redo, [this] {
        m_session.redo();
        followSession();
    });
    m_openAction = add(QKeySequence::Open, [this] { chooseFileToOpen(); });
    m_saveAction = add(QKeySequence::Save, [this] { chooseFileToSave(); });
}

void ByHandWindow::connectControls()
{
    connect(m_ciphertext, &QPlainTextEdit::textChanged, this,
            [this] { m_session.setCiphertextBox(m_ciphertext->toPlainText()); });
    connect(m_newBoard, &QPushButton::clicked, this, [this] {
        m_session.startBoard();
        followSession();
    });
    connect(m_lessonButton, &QPushButton::clicked, this, [this] {
        m_session.startLesson();
        followSession();
    });
    connect(m_undo, &QPushButton::clicked, m_undoAction, &QAction::trigger);
    connect(m_redo, &QPushButton::clicked, m_redoAction, &QAction::trigger);
    connect(m_language, &QComboBox::currentIndexChanged, this, [this] {
        m_session.setLanguage(Language(m_language->currentData().toInt()));
        followSession();
    });

    connect(m_back, &QPushButton::clicked, this, [this] {
        m_session.goToStep(m_session.lessonStep() - 1);
        followSession();
    });
    connect(m_forward, &QPushButton::clicked, this, [this] {
        m_session.goToStep(m_session.lessonStep() + 1);
        followSession();
    });
    connect(m_show, &QPushButton::clicked, this, [this] {
        m_session.showStep();
        followSession();
    });

    connect(m_board, &PairBoard::guessEntered, this, [this](int pair, const QString &text) {
        m_session.setGuess(pair, text);
        followSession();
    });
    // The window's Undo and Redo reach past a box that has nothing of its own to undo.
    connect(m_board, &PairBoard::boxesMade, this, [this] {
        for (int pair = 0; pair < m_board->pairCount(); ++pair)
            m_board->box(pair)->installEventFilter(this);
    });
    for (int cell = 0; cell < 25; ++cell)
        m_square->cell(cell)->installEventFilter(this);
    m_word->installEventFilter(this);
    m_ownKey->installEventFilter(this);
    connect(m_square, &SquareEditor::letterTyped, this, [this](int cell, const QString &text) {
        m_session.placeLetter(cell, text);
        followSession();
    });

    connect(m_word, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_session.setProbableWord(text);
        render();
    });
    const auto placeChosen = [this] {
        const int row = m_places->currentRow();
        if (row >= 0 && m_session.placeWord(m_places->item(row)->data(Qt::UserRole).toInt()))
            followSession();
    };
    connect(m_placeWord, &QPushButton::clicked, this, placeChosen);
    connect(m_places, &QListWidget::itemActivated, this, placeChosen);
    connect(m_places, &QListWidget::currentRowChanged, this, [this] { render(); });

    const auto applyChosen = [this] {
        QString key = m_ownKey->text().trimmed();
        if (key.isEmpty() && m_keys->count() > 0)
            key = (m_keys->currentItem() ? m_keys->currentItem() : m_keys->item(0))->text();
        m_session.applyKey(key);
        followSession();
    };
    connect(m_applyKey, &QPushButton::clicked, this, applyChosen);
    connect(m_ownKey, &QLineEdit::returnPressed, this, applyChosen);
    connect(m_keys, &QListWidget::itemActivated, this, [this, applyChosen] {
        m_ownKey->clear();
        applyChosen();
    });
    connect(m_keys, &QListWidget::currentRowChanged, this, [this] { m_ownKey->clear(); });

    connect(m_hintButton, &QPushButton::clicked, this, [this] {
        m_session.askHint();
        render();
    });
}

void ByHandWindow::followSession()
{
    if (std::optional<ByHandSession::KeySearch> search = m_session.takeKeySearch())
        startKeySearch(std::move(*search));
    render();
}

void ByHandWindow::startKeySearch(ByHandSession::KeySearch search)
{
    forgetKeyJob();
    const int run = search.run;
    auto *job = new KeyJob(std::move(search.input), std::move(search.options));
    connect(
        job, &KeyJob::finished, this,
        [this, run](const std::vector<analysis::FittingKey> &keys) {
            if (m_session.keysFound(run, keys)) {
                m_keyJob = nullptr;
                render();
            }
        },
        Qt::QueuedConnection);
    m_keyJob = job;
    job->start();
}

// The job is asked to stop, and nothing it sends reaches the window any more.
void ByHandWindow::forgetKeyJob()
{
    if (m_keyJob) {
        m_keyJob->disconnect(this);
        m_keyJob->stop();
        m_keyJob = nullptr;
    }
}

void ByHandWindow::offerInput(const BreakInput &input)
{
    QString letters;
    for (QChar c : input.ciphertext.toUpper()) {
        if (c >= u'A' && c <= u'Z')
            letters += c == u'J' ? QChar(u'I') : c;
    }
    if (letters.isEmpty() || letters == m_session.board().ciphertext)
        return;
    m_session.setInput(input.ciphertext, input.note);
    followSession();
}

bool ByHandWindow::saveBoardAs(const QString &path)
{
    const QString problem = m_session.save(path);
    if (problem.isEmpty())
        return true;
    QMessageBox::warning(this, caption(), problem);
    return false;
}

bool ByHandWindow::openBoardFrom(const QString &path)
{
    const QString problem = m_session.open(path);
    followSession();
    if (problem.isEmpty())
        return true;
    QMessageBox::warning(this, caption(), problem);
    return false;
}

void ByHandWindow::chooseFileToOpen()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    //: The open dialog's title and the kind of file it shows.
    const QString path = QFileDialog::getOpenFileName(this, tr("Отвори дъска"), folder, tr("Дъски (*.txt)"));
    if (!path.isEmpty())
        openBoardFrom(path);
}

void ByHandWindow::chooseFileToSave()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    //: The save dialog's title; the file name it proposes; the kind of file.
    QString path = QFileDialog::getSaveFileName(this, tr("Запази дъската"), QDir(folder).filePath(tr("дъска-playfair.txt")),
                                                tr("Дъски (*.txt)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        path += QStringLiteral(".txt");
    saveBoardAs(path);
}

} // namespace playfair
