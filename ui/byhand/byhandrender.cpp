// The by-hand window's texts and its one picture of the session.

#include "byhandwindow.h"

#include "pairboard.h"
#include "squareeditor.h"
#include "ui/shared/colourbutton.h"
#include "ui/shared/wrappedlabel.h"
#include "workspace/byhand/lesson.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace playfair {

namespace {

void setPlainText(QPlainTextEdit *box, const QString &text)
{
    if (box->toPlainText() != text)
        box->setPlainText(text);
}

} // namespace

void ByHandWindow::retranslate()
{
    setWindowTitle(caption());
    m_title->setText(tr("Разбиване на ръка - диграфов шифър, cipher Playfair"));
    m_ciphertextFrame->setTitle(tr("Шифрован текст"));
    m_ciphertext->setAccessibleName(tr("Шифрован текст"));
    m_ciphertext->setPlaceholderText(tr("Напишете или поставете шифрован текст и натиснете „Нова дъска“…"));
    m_newBoard->setText(tr("Нова дъска"));
    m_lessonButton->setText(tr("Урок"));
    m_undo->setText(tr("Отмени"));
    m_redo->setText(tr("Повтори"));
    findChild<QPushButton *>(QStringLiteral("open"))->setText(tr("Отвори…"));
    findChild<QPushButton *>(QStringLiteral("save"))->setText(tr("Запази…"));
    m_languageLabel->setText(tr("Езикът на текста:"));
    m_language->setItemText(0, tr("английски"));
    m_language->setItemText(1, tr("български"));
    m_undoAction->setText(tr("Отмени"));
    m_redoAction->setText(tr("Повтори"));
    m_openAction->setText(tr("Отвори дъска…"));
    m_saveAction->setText(tr("Запази дъската…"));

    m_lesson->setTitle(tr("Урок"));
    m_stepText->setAccessibleName(tr("Стъпка от урока"));
    m_back->setText(tr("Назад"));
    m_show->setText(tr("Покажи"));
    m_forward->setText(tr("Напред"));

    m_boardFrame->setTitle(tr("Дъска: под всяка шифрована двойка напишете откритата"));
    m_board->retranslate();
    m_tools->setTabText(0, tr("Честоти"));
    m_tools->setTabText(1, tr("Вероятна дума"));
    m_tools->setTabText(2, tr("Ключова дума"));
    m_tally->setAccessibleName(tr("Честоти"));
    m_word->setAccessibleName(tr("Вероятна дума"));
    m_word->setPlaceholderText(tr("Дума, която вероятно е в текста, например THE"));
    m_placeWord->setText(tr("Постави"));
    m_places->setAccessibleName(tr("Места на думата"));
    m_keys->setAccessibleName(tr("Ключови думи"));
    m_ownKey->setAccessibleName(tr("Своя ключова дума"));
    m_ownKey->setPlaceholderText(tr("или своя дума"));
    m_applyKey->setText(tr("Приложи"));

    m_squareFrame->setTitle(tr("Квадрат"));
    m_square->retranslate();
    m_pieces->setAccessibleName(tr("Други части на квадрата"));
    m_pieces->setPlaceholderText(tr("Други части на квадрата"));
    m_hintButton->setText(tr("Какво следва?"));
    m_plainFrame->setTitle(tr("Открит текст"));
    m_plaintext->setAccessibleName(tr("Открит текст"));
    m_words->setAccessibleName(tr("Думи"));
    m_notesFrame->setTitle(tr("Изводи"));
    m_notes->setAccessibleName(tr("Изводи"));
}

void ByHandWindow::render()
{
    if (m_ciphertext->toPlainText() != m_session.ciphertextBox()) {
        const QSignalBlocker blocker(m_ciphertext);
        m_ciphertext->setPlainText(m_session.ciphertextBox());
    }
    m_undo->setEnabled(m_session.canUndo());
    m_redo->setEnabled(m_session.canRedo());
    findChild<QPushButton *>(QStringLiteral("save"))->setEnabled(m_session.pairCount() > 0);
    m_saveAction->setEnabled(m_session.pairCount() > 0);
    m_undoAction->setEnabled(m_session.canUndo());
    m_redoAction->setEnabled(m_session.canRedo());
    const int language = m_language->findData(int(m_session.language()));
    if (m_language->currentIndex() != language) {
        const QSignalBlocker blocker(m_language);
        m_language->setCurrentIndex(language);
    }

    renderLesson();
    renderBoard();
    renderTools();

    QList<int> placed;
    for (int cell = 0; cell < 25; ++cell) {
        if (m_session.isPlaced(cell))
            placed.append(cell);
    }
    m_square->showSquare(m_session.squareLetters(), placed, m_session.runCells(), m_session.rejectedCell(),
                         m_session.rejectedLetter());
    m_squareNote->setWrappedText(m_session.squareNote());
    const QStringList pieces = m_session.otherPieces();
    setPlainText(m_pieces, pieces.isEmpty() ? QString() : tr("Други части на квадрата:") + u'\n' + pieces.join(QStringLiteral("\n\n")));
    m_hint->setWrappedText(m_session.hint());
    m_hintButton->setEnabled(m_session.pairCount() > 0);

    setPlainText(m_plaintext, m_session.plaintextPairs());
    setPlainText(m_words, m_session.plaintextWords());
    m_words->setVisible(!m_words->toPlainText().isEmpty());
    setPlainText(m_notes, m_session.notes());
}

void ByHandWindow::renderBoard()
{
    const CipherTally &tally = m_session.tally();
    const QList<int> marked = m_session.markedPairs();
    QList<PairBoard::Pair> pairs;
    for (int pair = 0; pair < m_session.pairCount(); ++pair) {
        PairBoard::Pair view;
        view.cipher = m_session.cipherPair(pair);
        const QString rejected = m_session.rejectedGuess(pair);
        view.rejected = !rejected.isEmpty();
        view.guess = view.rejected ? rejected : m_session.guess(pair);
        view.following = m_session.followingPair(pair);
        view.reversed = tally.isReversed(pair);
        view.repeated = tally.isRepeated(pair);
        view.marked = marked.contains(pair);
        if (view.reversed)
            view.tip = tr("Двойка %1: обратната ѝ двойка също се среща.").arg(pair + 1);
        else if (view.repeated)
            view.tip = tr("Двойка %1: среща се повече от веднъж.").arg(pair + 1);
        else
            view.tip = tr("Двойка %1").arg(pair + 1);
        pairs.append(view);
    }
    m_board->showPairs(pairs);
}

void ByHandWindow::renderTools()
{
    setPlainText(m_tally, m_session.tallyText());

    // The places of the probable word, those it can stand at first.
    const QList<ByHandSession::Place> places = m_session.wordPlaces();
    QStringList texts;
    QList<int> indexes;
    for (int possible : {1, 0}) {
        for (int i = 0; i < int(places.size()); ++i) {
            if (int(places[i].possible) == possible) {
                texts.append(tr("От буква %1: %2").arg(places[i].position + 1).arg(places[i].description));
                indexes.append(i);
            }
        }
    }
    QStringList shown;
    for (int row = 0; row < m_places->count(); ++row)
        shown.append(m_places->item(row)->text());
    if (shown != texts) {
        const QSignalBlocker blocker(m_places);
        m_places->clear();
        for (int i = 0; i < int(texts.size()); ++i) {
            auto *item = new QListWidgetItem(texts[i], m_places);
            item->setData(Qt::UserRole, indexes[i]);
            if (!places[indexes[i]].possible)
                item->setForeground(QColor(110, 110, 110));
        }
        if (!texts.isEmpty())
            m_places->setCurrentRow(0);
    }
    if (m_word->text() != m_session.probableWord() && !m_word->hasFocus()) {
        const QSignalBlocker blocker(m_word);
        m_word->setText(m_session.probableWord());
    }
    const int row = m_places->currentRow();
    m_placeWord->setEnabled(row >= 0 && places.value(m_places->item(row)->data(Qt::UserRole).toInt()).possible);

    const QStringList keys = m_session.keyWords();
    QStringList shownKeys;
    for (int i = 0; i < m_keys->count(); ++i)
        shownKeys.append(m_keys->item(i)->text());
    if (shownKeys != keys) {
        const QSignalBlocker blocker(m_keys);
        m_keys->clear();
        m_keys->addItems(keys);
        if (!keys.isEmpty())
            m_keys->setCurrentRow(0);
    }
    m_keyNote->setWrappedText(m_session.keyNote());
    m_applyKey->setEnabled(m_session.pairCount() > 0);
}

void ByHandWindow::renderLesson()
{
    m_lesson->setVisible(m_session.inLesson());
    if (!m_session.inLesson())
        return;
    const int step = m_session.lessonStep();
    const QList<LessonText> texts = Lesson::texts(uiLanguage());
    const LessonText text = texts.value(step);
    m_stepTitle->setWrappedText(tr("Стъпка %1 от %2: %3").arg(step + 1).arg(m_session.lessonStepCount()).arg(text.title));
    if (m_stepText->toPlainText() != text.body) {
        m_stepText->setPlainText(text.body);
    }
    m_stepDone->setText(m_session.stepDone() ? tr("✓ Готово") : QString());
    m_back->setEnabled(step > 0);
    m_forward->setEnabled(step + 1 < m_session.lessonStepCount());
}

} // namespace playfair
