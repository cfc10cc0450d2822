#pragma once

#include "workspace/classset.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace playfair {

// "Комплект за класа…": the teacher's choices for a class set. The dialog
// only collects them into a ClassSetChoices, which it shows through one
// render() after every change; ClassSet says whether they make a set, and
// the exercise window draws and saves it.
//
// The sheets are numbered variants, as many as the spin box says, or one
// for each pupil of the list typed or pasted, one name a line.
class ClassSetDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ClassSetDialog(const ClassSetChoices &choices, QWidget *parent = nullptr);

    const ClassSetChoices &choices() const { return m_choices; }
    bool byNames() const { return m_byNames; }

    // What is wrong with the choices in words, or empty.
    static QString problemText(const ClassSetChoices &choices);

protected:
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void retranslate();
    // Reads every control into the choices.
    void collect();
    void render();

    ClassSetChoices m_choices;
    bool m_byNames = false;
    int m_numbered = 25; // the spin box's count, kept while names are typed

    QRadioButton *m_byNumber = nullptr;
    QRadioButton *m_byNamesButton = nullptr;
    QSpinBox *m_variants = nullptr;
    QPlainTextEdit *m_names = nullptr;
    QLabel *m_directionLabel = nullptr;
    QComboBox *m_direction = nullptr;
    QLabel *m_pairsLabel = nullptr;
    QSpinBox *m_pairs = nullptr;
    QLabel *m_sheetLabel = nullptr;
    QComboBox *m_sheet = nullptr;
    QLabel *m_setNumberLabel = nullptr;
    QSpinBox *m_setNumber = nullptr;
    QPushButton *m_newSetNumber = nullptr;
    QLabel *m_summary = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace playfair
