// The break window's inputs: the demonstration, the ciphertext box and the
// settings of the search, their captions, how they pass the user's changes
// to the session, and how they show it again.

#include "breakwindow.h"

#include "breakwindowparts.h"
#include "ui/shared/colourbutton.h"
#include "ui/shared/wrappedlabel.h"
#include "ui/translations.h"

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
using analysis::AlphabetKind;
using analysis::Language;

// The language box's item that leaves the language to the search.
constexpr int automaticLanguage = -1;
constexpr int automaticAlphabet = -1;

// The routes a demonstration's key word may be written in by, as the box
// names them.
QString routeName(SquareRoute route)
{
    switch (route) {
    case SquareRoute::Rows:
        return BreakWindow::tr("по редове");
    case SquareRoute::Columns:
        return BreakWindow::tr("по колони");
    case SquareRoute::RowSnake:
        return BreakWindow::tr("змийка по редове");
    case SquareRoute::ColumnSnake:
        return BreakWindow::tr("змийка по колони");
    case SquareRoute::Spiral:
        return BreakWindow::tr("спирала");
    case SquareRoute::Diagonals:
        return BreakWindow::tr("по диагонали");
    }
    return {};
}

} // namespace

void BreakWindow::retranslateInputs()
{
    m_demonstration->setTitle(tr("Демонстрация: текст, криптиран с известен ключ"));
    m_demoText->setAccessibleName(tr("Текст за демонстрация"));
    m_useKeyWord->setText(tr("ключова дума:"));
    m_keyWord->setAccessibleName(tr("Ключова дума"));
    m_useRandom->setText(tr("случаен квадрат"));
    //: Before the way the key word is written into the square: "by rows", "by columns"…
    m_routeLabel->setText(tr("вписана:"));
    m_demoRoute->setAccessibleName(tr("Как се вписва ключовата дума"));
    m_demoRoute->setToolTip(tr("Как ключовата дума и останалите букви се вписват в квадрата; спиралата върви по "
                               "часовниковата стрелка от горния ляв ъгъл."));
    for (SquareRoute route : squareRoutes)
        m_demoRoute->setItemText(m_demoRoute->findData(int(route)), routeName(route));
    m_demoDoubles->setText(tr("удвоените букви остават"));
    m_encrypt->setText(tr("Криптирай"));
    m_encrypt->setAccessibleName(tr("Криптирай текста за демонстрация"));
    m_encrypt->setMinimumWidth(m_encrypt->fontMetrics().horizontalAdvance(m_encrypt->text()) + 24);

    m_ciphertextFrame->setTitle(tr("Шифрован текст"));
    m_ciphertext->setAccessibleName(tr("Шифрован текст"));
    m_language->setAccessibleName(tr("Език"));
    m_language->setItemText(m_language->findData(automaticLanguage), tr("автоматично"));
    m_language->setToolTip(tr("„автоматично“: търсенето чете всеки текст и на двата езика и само намира езика."));
    m_language->setItemText(m_language->findData(int(Language::English)), tr("английски"));
    m_language->setItemText(m_language->findData(int(Language::Bulgarian)), tr("български на латиница"));
    m_doublesKept->setText(tr("удвоените букви са оставени"));
    m_doublesKept->setToolTip(tr("Отбележете, ако при криптирането двойките от еднакви букви не са разделени с X: "
                                 "такава двойка в шифъра стои вместо себе си."));
    m_crib->setAccessibleName(tr("Известна дума"));
    m_crib->setPlaceholderText(tr("ако знаете дума от текста"));
    m_timeLimit->setAccessibleName(tr("Време за търсене"));
    //: The unit after the time limit's number: seconds.
    m_timeLimit->setSuffix(tr(" с"));
    m_timeLimit->setToolTip(tr("Търсенето спира най-късно след толкова секунди: до един час, за дълго търсене "
                               "на кратък шифър."));
    m_languageLabel->setText(tr("език:"));
    m_alphabetLabel->setText(tr("азбука:"));
    m_alphabet->setAccessibleName(tr("Азбука на квадрата"));
    m_alphabet->setItemText(m_alphabet->findData(automaticAlphabet), tr("автоматично"));
    m_alphabet->setItemText(m_alphabet->findData(int(AlphabetKind::LatinIJ)), tr("латиница, J като I (5 × 5)"));
    m_alphabet->setItemText(m_alphabet->findData(int(AlphabetKind::LatinQ)), tr("латиница без Q (5 × 5)"));
    m_alphabet->setItemText(m_alphabet->findData(int(AlphabetKind::LatinDigits)), tr("латиница и цифри (6 × 6)"));
    m_alphabet->setItemText(m_alphabet->findData(int(AlphabetKind::Cyrillic)), tr("кирилица (5 × 6)"));
    m_alphabet->setToolTip(tr("„автоматично“: кирилица, ако в текста има кирилски букви; 6 × 6, ако има цифри "
                              "между буквите; без Q, ако има J и няма Q; иначе класическият квадрат."));
    m_cribLabel->setText(tr("известна дума:"));
    m_timeLimitLabel->setText(tr("най-много:"));
    m_start->setText(tr("Започни"));
    m_stop->setText(tr("Спри"));
    for (ColourButton *button : {m_start, m_stop}) {
        button->setAccessibleName(button->text());
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(m_start->text()) + 32);
    }
    m_stop->setToolTip(tr("Спира търсенето; същото прави клавишът Esc."));
}

QWidget *BreakWindow::createDemonstration()
{
    auto *group = named(new QGroupBox(this), "demonstration");
    m_demonstration = group;
    auto *layout = new QVBoxLayout(group);

    m_demoText = named(new QPlainTextEdit(group), "demoText");
    m_demoText->setTabChangesFocus(true);
    layout->addWidget(m_demoText);

    auto *key = new QGridLayout;
    m_useKeyWord = named(new QRadioButton(group), "useKeyWord");
    m_keyWord = named(new QLineEdit(QStringLiteral("RODINA"), group), "keyWord");
    m_useRandom = named(new QRadioButton(group), "useRandomSquare");
    auto *choice = new QButtonGroup(group);
    choice->addButton(m_useKeyWord);
    choice->addButton(m_useRandom);
    m_useRandom->setChecked(true);
    m_demoRoute = named(new QComboBox(group), "demoRoute");
    for (SquareRoute route : squareRoutes)
        m_demoRoute->addItem(QString(), int(route));
    m_demoDoubles = named(new QCheckBox(group), "demoDoublesKept");
    m_encrypt = named(new ColourButton(QString(), startColour(), group), "encrypt");
    m_encrypt->setAutoDefault(false);
    auto *route = new QHBoxLayout;
    m_routeLabel = new QLabel(group);
    m_routeLabel->setBuddy(m_demoRoute);
    route->addWidget(m_routeLabel);
    route->addWidget(m_demoRoute);
    route->addStretch();
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

    m_preparation = named(new WrappedLabel(QString(), group), "preparation");
    layout->addWidget(m_preparation);
    return group;
}

QWidget *BreakWindow::createSearchInputs()
{
    auto *group = named(new QGroupBox(this), "ciphertextFrame");
    m_ciphertextFrame = group;
    auto *layout = new QVBoxLayout(group);

    m_ciphertext = named(new QPlainTextEdit(group), "ciphertext");
    m_ciphertext->setTabChangesFocus(true);
    m_ciphertext->installEventFilter(this);
    layout->addWidget(m_ciphertext, 1);

    auto *settings = new QGridLayout;
    m_language = named(new QComboBox(group), "language");
    m_language->addItem(QString(), automaticLanguage);
    m_language->addItem(QString(), int(Language::English));
    m_language->addItem(QString(), int(Language::Bulgarian));
    m_alphabet = named(new QComboBox(group), "alphabet");
    m_alphabet->addItem(QString(), automaticAlphabet);
    for (AlphabetKind kind : analysis::alphabetKinds)
        m_alphabet->addItem(QString(), int(kind));
    m_doublesKept = named(new QCheckBox(group), "doublesKept");
    m_crib = named(new QLineEdit(group), "crib");
    m_timeLimit = named(new QSpinBox(group), "timeLimit");
    m_timeLimit->setRange(BreakSession::shortestTimeLimit, BreakSession::longestTimeLimit);
    m_timeLimit->setAccelerated(true);
    m_timeLimit->setValue(30);
    const auto label = [group](QWidget *buddy) {
        auto *caption = new QLabel(group);
        caption->setBuddy(buddy);
        return caption;
    };
    m_languageLabel = label(m_language);
    m_cribLabel = label(m_crib);
    m_timeLimitLabel = label(m_timeLimit);
    settings->addWidget(m_languageLabel, 0, 0);
    settings->addWidget(m_language, 0, 1, 1, 3);
    // The alphabet under the language.
    m_alphabetLabel = label(m_alphabet);
    settings->addWidget(m_alphabetLabel, 1, 0);
    settings->addWidget(m_alphabet, 1, 1, 1, 3);
    settings->addWidget(m_doublesKept, 2, 1, 1, 3);
    settings->addWidget(m_cribLabel, 3, 0);
    settings->addWidget(m_crib, 3, 1, 1, 3);
    settings->addWidget(m_timeLimitLabel, 4, 0);
    settings->addWidget(m_timeLimit, 4, 1);
    m_start = named(new ColourButton(QString(), startColour(), group), "start");
    m_stop = named(new ColourButton(QString(), stopColour(), group), "stop");
    for (ColourButton *button : {m_start, m_stop})
        button->setAutoDefault(false);
    settings->addWidget(m_start, 4, 2);
    settings->addWidget(m_stop, 4, 3);
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
    connect(m_useKeyWord, &QRadioButton::toggled, m_routeLabel, &QLabel::setEnabled);
    m_demoRoute->setEnabled(false);
    m_routeLabel->setEnabled(false);
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
    connect(m_alphabet, &QComboBox::currentIndexChanged, this, [this] {
        const int alphabet = m_alphabet->currentData().toInt();
        m_session.setAlphabet(alphabet == automaticAlphabet ? std::nullopt : std::optional(AlphabetKind(alphabet)));
        storeBreakAlphabet(alphabet == automaticAlphabet ? nullptr : &Alphabet::of(AlphabetKind(alphabet)));
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
// from it, so the cursor stays where the user left it. The demonstration's
// texts and the ciphertext box's prompt speak of the alphabet chosen.
void BreakWindow::renderInputs()
{
    m_demoText->setPlaceholderText(m_session.demonstrationPrompt());
    m_demoDoubles->setToolTip(m_session.doublesKeptNote());
    m_preparation->setWrappedText(m_session.preparationNote());
    m_ciphertext->setPlaceholderText(m_session.ciphertextPrompt());
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
    const std::optional<AlphabetKind> alphabet = m_session.alphabet();
    const int alphabetIndex = m_alphabet->findData(alphabet ? int(*alphabet) : automaticAlphabet);
    if (m_alphabet->currentIndex() != alphabetIndex) {
        const QSignalBlocker blocker(m_alphabet);
        m_alphabet->setCurrentIndex(alphabetIndex);
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
