// The break window's inputs: the demonstration, the ciphertext box and the
// settings of the search, how they pass the user's changes to the session,
// and how they show it again.

#include "breakwindow.h"

#include "breakwindowparts.h"
#include "ui/shared/colourbutton.h"
#include "ui/shared/wrappedlabel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace playfair {

namespace {

using namespace breakwindowparts;
using analysis::Language;

// The language box's item that leaves the language to the search.
constexpr int automaticLanguage = -1;

// The routes a demonstration's key word may be written in by, as the box
// names them.
QString routeName(SquareRoute route)
{
    switch (route) {
    case SquareRoute::Rows:
        return QStringLiteral("по редове");
    case SquareRoute::Columns:
        return QStringLiteral("по колони");
    case SquareRoute::RowSnake:
        return QStringLiteral("змийка по редове");
    case SquareRoute::ColumnSnake:
        return QStringLiteral("змийка по колони");
    case SquareRoute::Spiral:
        return QStringLiteral("спирала");
    case SquareRoute::Diagonals:
        return QStringLiteral("по диагонали");
    }
    return {};
}

} // namespace

QWidget *BreakWindow::createDemonstration()
{
    auto *group = named(new QGroupBox(QStringLiteral("Демонстрация: текст, криптиран с известен ключ"), this),
                        "demonstration");
    m_demonstration = group;
    auto *layout = new QVBoxLayout(group);

    m_demoText = named(new QPlainTextEdit(group), "demoText", QStringLiteral("Текст за демонстрация"));
    m_demoText->setPlaceholderText(
        QStringLiteral("Напишете или поставете текст на английски или на български; кирилицата се пише с "
                       "латински букви…"));
    m_demoText->setTabChangesFocus(true);
    m_demoText->setFixedHeight(3 * m_demoText->fontMetrics().lineSpacing() + 12);
    layout->addWidget(m_demoText);

    auto *key = new QGridLayout;
    m_useKeyWord = named(new QRadioButton(QStringLiteral("ключова дума:"), group), "useKeyWord");
    m_keyWord = named(new QLineEdit(QStringLiteral("RODINA"), group), "keyWord", QStringLiteral("Ключова дума"));
    m_useRandom = named(new QRadioButton(QStringLiteral("случаен квадрат"), group), "useRandomSquare");
    auto *choice = new QButtonGroup(group);
    choice->addButton(m_useKeyWord);
    choice->addButton(m_useRandom);
    m_useRandom->setChecked(true);
    m_demoRoute = named(new QComboBox(group), "demoRoute", QStringLiteral("Как се вписва ключовата дума"));
    for (SquareRoute route : squareRoutes)
        m_demoRoute->addItem(routeName(route), int(route));
    m_demoRoute->setToolTip(QStringLiteral("Как ключовата дума и останалите букви се вписват в квадрата; спиралата "
                                           "върви по часовниковата стрелка от горния ляв ъгъл."));
    m_demoDoubles = named(new QCheckBox(QStringLiteral("удвоените букви остават"), group), "demoDoublesKept");
    m_demoDoubles->setToolTip(QStringLiteral("Двойка от еднакви букви не се разделя с X и минава през шифъра "
                                             "непроменена, както в някои истински съобщения."));
    m_encrypt = named(new ColourButton(QStringLiteral("Криптирай"), startColour(), group), "encrypt",
                      QStringLiteral("Криптирай текста за демонстрация"));
    m_encrypt->setAutoDefault(false);
    m_encrypt->setMinimumWidth(m_encrypt->fontMetrics().horizontalAdvance(m_encrypt->text()) + 24);
    auto *route = new QHBoxLayout;
    auto *routeLabel = new QLabel(QStringLiteral("вписана:"), group);
    routeLabel->setBuddy(m_demoRoute);
    route->addWidget(routeLabel);
    route->addWidget(m_demoRoute);
    route->addStretch();
    connect(m_useKeyWord, &QRadioButton::toggled, routeLabel, &QLabel::setEnabled);
    routeLabel->setEnabled(false);
    key->addWidget(m_useKeyWord, 0, 0);
    key->addWidget(m_keyWord, 0, 1);
    key->addLayout(route, 1, 1);
    key->addWidget(m_useRandom, 2, 0);
    key->addWidget(m_encrypt, 2, 1, Qt::AlignRight);
    key->addWidget(m_demoDoubles, 3, 0, 1, 2);
    key->setColumnStretch(1, 1);
    layout->addLayout(key);
    // The square's choice (Tab stops at the checked one), the key word and
    // its route, the button, then the doubled letters' choice under them.
    setTabOrder(m_useKeyWord, m_useRandom);
    setTabOrder(m_useRandom, m_keyWord);
    setTabOrder(m_keyWord, m_demoRoute);
    setTabOrder(m_demoRoute, m_encrypt);
    setTabOrder(m_encrypt, m_demoDoubles);

    layout->addWidget(new WrappedLabel(
        QStringLiteral("Текстът се подготвя като истинските съобщения Playfair: между двете букви на двойка от "
                       "еднакви букви се вмъква X (Q, ако буквата е X), освен ако удвоените букви остават, а "
                       "накрая X изравнява нечетен брой букви (Q след крайно X)."),
        group));
    return group;
}

QWidget *BreakWindow::createSearchInputs()
{
    auto *group = named(new QGroupBox(QStringLiteral("Шифрован текст"), this), "ciphertextFrame");
    auto *layout = new QVBoxLayout(group);

    m_ciphertext = named(new QPlainTextEdit(group), "ciphertext", QStringLiteral("Шифрован текст"));
    m_ciphertext->setPlaceholderText(
        QStringLiteral("Поставете шифрован текст: броят се само латинските букви, J е I."));
    m_ciphertext->setTabChangesFocus(true);
    m_ciphertext->setMinimumHeight(2 * m_ciphertext->fontMetrics().lineSpacing() + 12);
    m_ciphertext->installEventFilter(this);
    layout->addWidget(m_ciphertext, 1);
    m_setAside = named(new WrappedLabel(QString(), group), "setAside");
    m_setAside->hide();
    layout->addWidget(m_setAside);

    auto *settings = new QGridLayout;
    m_language = named(new QComboBox(group), "language", QStringLiteral("Език"));
    m_language->addItem(QStringLiteral("автоматично"), automaticLanguage);
    m_language->addItem(QStringLiteral("английски"), int(Language::English));
    m_language->addItem(QStringLiteral("български на латиница"), int(Language::Bulgarian));
    m_language->setToolTip(QStringLiteral("„автоматично“: търсенето чете всеки текст и на двата езика и само "
                                          "намира езика."));
    m_doublesKept = named(new QCheckBox(QStringLiteral("удвоените букви са оставени"), group), "doublesKept");
    m_doublesKept->setToolTip(QStringLiteral("Отбележете, ако при криптирането двойките от еднакви букви не са "
                                             "разделени с X: такава двойка в шифъра стои вместо себе си."));
    m_crib = named(new QLineEdit(group), "crib", QStringLiteral("Известна дума"));
    m_crib->setPlaceholderText(QStringLiteral("ако знаете дума от текста"));
    m_timeLimit = named(new QSpinBox(group), "timeLimit", QStringLiteral("Време за търсене"));
    m_timeLimit->setRange(5, 600);
    m_timeLimit->setValue(30);
    m_timeLimit->setSuffix(QStringLiteral(" с"));
    m_timeLimit->setToolTip(QStringLiteral("Търсенето спира най-късно след толкова секунди."));
    const auto label = [group](const QString &text, QWidget *buddy) {
        auto *caption = new QLabel(text, group);
        caption->setBuddy(buddy);
        return caption;
    };
    settings->addWidget(label(QStringLiteral("език:"), m_language), 0, 0);
    settings->addWidget(m_language, 0, 1, 1, 3);
    settings->addWidget(m_doublesKept, 1, 1, 1, 3);
    settings->addWidget(label(QStringLiteral("известна дума:"), m_crib), 2, 0);
    settings->addWidget(m_crib, 2, 1, 1, 3);
    settings->addWidget(label(QStringLiteral("най-много:"), m_timeLimit), 3, 0);
    settings->addWidget(m_timeLimit, 3, 1);
    m_start = named(new ColourButton(QStringLiteral("Започни"), startColour(), group), "start", QStringLiteral("Започни"));
    m_stop = named(new ColourButton(QStringLiteral("Спри"), stopColour(), group), "stop", QStringLiteral("Спри"));
    for (ColourButton *button : {m_start, m_stop}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(m_start->text()) + 32);
    }
    m_stop->setToolTip(QStringLiteral("Спира търсенето; същото прави клавишът Esc."));
    settings->addWidget(m_start, 3, 2);
    settings->addWidget(m_stop, 3, 3);
    settings->setColumnStretch(1, 1);
    layout->addLayout(settings);
    return group;
}

void BreakWindow::connectControls()
{
    connect(m_encrypt, &QPushButton::clicked, this, &BreakWindow::makeDemonstration);
    connect(m_start, &QPushButton::clicked, this, &BreakWindow::start);
    connect(m_stop, &QPushButton::clicked, this, &BreakWindow::stop);
    // Escape stops a search wherever the focus is in the window.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &BreakWindow::stop);
    connect(m_crib, &QLineEdit::returnPressed, this, &BreakWindow::start);
    connect(m_useKeyWord, &QRadioButton::toggled, m_keyWord, &QLineEdit::setEnabled);
    connect(m_useKeyWord, &QRadioButton::toggled, m_demoRoute, &QComboBox::setEnabled);
    m_demoRoute->setEnabled(false);
    connect(m_keyWord, &QLineEdit::textEdited, this, [this] { m_useKeyWord->setChecked(true); });
    m_keyWord->setEnabled(false);
    connect(m_ciphertext, &QPlainTextEdit::textChanged, this, [this] {
        m_session.setCiphertext(m_ciphertext->toPlainText());
        render();
    });
    connect(m_crib, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_session.setCrib(text);
        render();
    });
    connect(m_language, &QComboBox::currentIndexChanged, this, [this] {
        const int language = m_language->currentData().toInt();
        m_session.setLanguage(language == automaticLanguage ? std::nullopt : std::optional(Language(language)));
        render();
    });
    connect(m_doublesKept, &QCheckBox::toggled, this, [this](bool kept) {
        m_session.setDoubles(kept ? Doubles::Kept : Doubles::Split);
        render();
    });
    connect(m_timeLimit, &QSpinBox::valueChanged, this, [this](int seconds) { m_session.setTimeLimit(seconds); });
}

void BreakWindow::makeDemonstration()
{
    const std::optional<QString> keyWord
        = m_useRandom->isChecked() ? std::nullopt : std::optional<QString>(m_keyWord->text());
    m_session.demonstrate(m_demoText->toPlainText(), keyWord, *QRandomGenerator::global(),
                          SquareRoute(m_demoRoute->currentData().toInt()),
                          m_demoDoubles->isChecked() ? Doubles::Kept : Doubles::Split);
    render();
}

// The boxes show what the session holds; they change only where they differ
// from it, so the cursor stays where the user left it.
void BreakWindow::renderInputs()
{
    if (m_ciphertext->toPlainText() != m_session.ciphertext()) {
        const QSignalBlocker blocker(m_ciphertext);
        m_ciphertext->setPlainText(m_session.ciphertext());
    }
    if (m_crib->text() != m_session.crib()) {
        const QSignalBlocker blocker(m_crib);
        m_crib->setText(m_session.crib());
    }
    const std::optional<Language> chosen = m_session.language();
    const int language = m_language->findData(chosen ? int(*chosen) : automaticLanguage);
    if (m_language->currentIndex() != language) {
        const QSignalBlocker blocker(m_language);
        m_language->setCurrentIndex(language);
    }
    if (m_doublesKept->isChecked() != (m_session.doubles() == Doubles::Kept)) {
        const QSignalBlocker blocker(m_doublesKept);
        m_doublesKept->setChecked(m_session.doubles() == Doubles::Kept);
    }
    if (m_timeLimit->value() != m_session.timeLimit()) {
        const QSignalBlocker blocker(m_timeLimit);
        m_timeLimit->setValue(m_session.timeLimit());
    }
}

} // namespace playfair
