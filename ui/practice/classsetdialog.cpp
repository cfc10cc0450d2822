#include "classsetdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace playfair {

ClassSetDialog::ClassSetDialog(const ClassSetChoices &choices, QWidget *parent)
    : QDialog(parent)
    , m_choices(choices)
    , m_byNames(!choices.names.isEmpty())
    , m_numbered(choices.names.isEmpty() ? choices.variants : 25)
{
    setObjectName(QStringLiteral("ClassSetDialog"));
    // The exercise window's font, as its other parts have it.
    setAttribute(Qt::WA_WindowPropagation);
    createControls();
    retranslate();
    {
        const QSignalBlocker blockers[]{QSignalBlocker(m_variants), QSignalBlocker(m_names), QSignalBlocker(m_pairs),
                                        QSignalBlocker(m_setNumber)};
        m_variants->setValue(std::clamp(m_numbered, 1, ClassSet::mostVariants));
        m_names->setPlainText(choices.names.join(u'\n'));
        m_pairs->setValue(choices.pairs);
        m_setNumber->setValue(int(choices.setNumber));
    }
    (m_byNames ? m_byNamesButton : m_byNumber)->setChecked(true);
    collect();
}

QString ClassSetDialog::problemText(const ClassSetChoices &choices)
{
    switch (ClassSet::problemOf(choices)) {
    case ClassSet::Problem::None:
        break;
    case ClassSet::Problem::NoVariants:
        return tr("Напишете имената на учениците, по едно на ред.");
    case ClassSet::Problem::TooManyNames:
        return tr("Имената са %1, а вариантите са най-много %2.").arg(choices.names.size()).arg(ClassSet::mostVariants);
    case ClassSet::Problem::TooManyVariants:
    case ClassSet::Problem::PairsOutOfRange:
    case ClassSet::Problem::SetNumberOutOfRange:
        // The spin boxes keep these in range.
        return tr("Изборът не дава комплект.");
    }
    return {};
}

void ClassSetDialog::createControls()
{
    auto *layout = new QVBoxLayout(this);

    auto *sheets = new QGridLayout;
    m_byNumber = new QRadioButton(this);
    m_byNumber->setObjectName(QStringLiteral("byNumber"));
    m_variants = new QSpinBox(this);
    m_variants->setObjectName(QStringLiteral("variants"));
    m_variants->setRange(1, ClassSet::mostVariants);
    m_byNamesButton = new QRadioButton(this);
    m_byNamesButton->setObjectName(QStringLiteral("byNames"));
    m_names = new QPlainTextEdit(this);
    m_names->setObjectName(QStringLiteral("names"));
    m_names->setTabChangesFocus(true);
    m_names->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_names->setMinimumHeight(fontMetrics().lineSpacing() * 7);
    auto *count = new QHBoxLayout;
    count->addWidget(m_byNumber);
    count->addWidget(m_variants);
    count->addStretch();
    sheets->addLayout(count, 0, 0);
    sheets->addWidget(m_byNamesButton, 1, 0);
    sheets->addWidget(m_names, 2, 0);
    layout->addLayout(sheets);

    auto *form = new QFormLayout;
    m_direction = new QComboBox(this);
    m_direction->setObjectName(QStringLiteral("direction"));
    m_direction->addItems({QString(), QString(), QString()});
    m_directionLabel = new QLabel(this);
    m_directionLabel->setBuddy(m_direction);
    form->addRow(m_directionLabel, m_direction);
    m_pairs = new QSpinBox(this);
    m_pairs->setObjectName(QStringLiteral("pairs"));
    m_pairs->setRange(PracticeTask::minPairCount, PracticeTask::maxPairCount);
    m_pairsLabel = new QLabel(this);
    m_pairsLabel->setBuddy(m_pairs);
    auto *pairs = new QHBoxLayout;
    pairs->addWidget(m_pairs);
    pairs->addStretch();
    form->addRow(m_pairsLabel, pairs);
    m_sheet = new QComboBox(this);
    m_sheet->setObjectName(QStringLiteral("sheet"));
    m_sheet->addItems({QString(), QString()});
    m_sheetLabel = new QLabel(this);
    m_sheetLabel->setBuddy(m_sheet);
    form->addRow(m_sheetLabel, m_sheet);
    auto *number = new QHBoxLayout;
    m_setNumber = new QSpinBox(this);
    m_setNumber->setObjectName(QStringLiteral("setNumber"));
    m_setNumber->setRange(1, int(ClassSet::largestSetNumber));
    // Room for six digits, whatever the number shown first.
    m_setNumber->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("9999999")) + 30);
    m_newSetNumber = new QPushButton(this);
    m_newSetNumber->setObjectName(QStringLiteral("newSetNumber"));
    m_newSetNumber->setAutoDefault(false);
    number->addWidget(m_setNumber);
    number->addWidget(m_newSetNumber);
    number->addStretch();
    m_setNumberLabel = new QLabel(this);
    m_setNumberLabel->setBuddy(m_setNumber);
    form->addRow(m_setNumberLabel, number);
    layout->addLayout(form);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(m_buttons);

    m_direction->setCurrentIndex(int(m_choices.direction));
    m_sheet->setCurrentIndex(m_choices.squareShown ? 0 : 1);

    const auto changed = [this] { collect(); };
    // Both, as the one checked may tell before the other is unchecked.
    connect(m_byNumber, &QRadioButton::toggled, this, changed);
    connect(m_byNamesButton, &QRadioButton::toggled, this, changed);
    connect(m_variants, &QSpinBox::valueChanged, this, changed);
    connect(m_names, &QPlainTextEdit::textChanged, this, [this] {
        // Typing a name chooses the list.
        if (!m_byNamesButton->isChecked() && !m_names->toPlainText().trimmed().isEmpty())
            m_byNamesButton->setChecked(true);
        collect();
    });
    connect(m_direction, &QComboBox::currentIndexChanged, this, changed);
    connect(m_pairs, &QSpinBox::valueChanged, this, changed);
    connect(m_sheet, &QComboBox::currentIndexChanged, this, changed);
    connect(m_setNumber, &QSpinBox::valueChanged, this, changed);
    connect(m_newSetNumber, &QPushButton::clicked, this, [this] {
        m_setNumber->setValue(int(QRandomGenerator::global()->bounded(1u, ClassSet::largestSetNumber + 1)));
    });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ClassSetDialog::retranslate()
{
    setWindowTitle(tr("Комплект за класа"));
    m_byNumber->setText(tr("Брой варианти:"));
    m_byNamesButton->setText(tr("Лист за всеки ученик, с името му (по едно име на ред):"));
    m_directionLabel->setText(tr("Посока:"));
    m_direction->setItemText(int(ClassSetDirection::Encrypt), tr("криптиране"));
    m_direction->setItemText(int(ClassSetDirection::Decrypt), tr("декриптиране"));
    m_direction->setItemText(int(ClassSetDirection::Mixed), tr("смесено: нечетните криптират, четните декриптират"));
    m_pairsLabel->setText(tr("Двойки на лист:"));
    m_sheetLabel->setText(tr("Лист:"));
    m_sheet->setItemText(0, tr("квадратът е даден"));
    m_sheet->setItemText(1, tr("само ключовата дума и празна мрежа"));
    m_setNumberLabel->setText(tr("Номер на комплекта:"));
    m_setNumber->setToolTip(tr("Същият номер със същия избор дава същия комплект."));
    m_newSetNumber->setText(tr("Нов номер"));
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("Запази като PDF…"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отказ"));
}

void ClassSetDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        render();
    }
    QDialog::changeEvent(event);
}

void ClassSetDialog::collect()
{
    m_byNames = m_byNamesButton->isChecked();
    m_numbered = m_variants->value();
    m_choices.names = m_byNames ? ClassSet::namesOf(m_names->toPlainText()) : QStringList();
    m_choices.variants = m_byNames ? int(m_choices.names.size()) : m_numbered;
    m_choices.direction = ClassSetDirection(m_direction->currentIndex());
    m_choices.pairs = m_pairs->value();
    m_choices.squareShown = m_sheet->currentIndex() == 0;
    m_choices.setNumber = quint32(m_setNumber->value());
    render();
}

void ClassSetDialog::render()
{
    m_variants->setEnabled(!m_byNames);
    const QString problem = problemText(m_choices);
    const int count = m_choices.variants;
    m_summary->setText(!problem.isEmpty() ? problem
                           : count == 1   ? tr("Един лист и отговорите му, в един PDF файл.")
                                          : tr("%1 различни листа и отговорите на всички, в един PDF файл.").arg(count));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

} // namespace playfair
