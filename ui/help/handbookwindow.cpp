#include "handbookwindow.h"

#include "handbookbrowser.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QResource>
#include <QStyle>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

// The pages and pictures as one resource file (rcc --binary), embedded by
// cmake/embed.cmake in a section of its own; see CMakeLists.txt.
extern "C" const unsigned char playfair_handbook[];

namespace playfair {

namespace {

const QString pagesFolder = QStringLiteral(":/handbook/docs/handbook/");

// The contents first, then the windows in the order a lesson meets them;
// pages not named here follow in the order of their names.
constexpr std::array contentsOrder{"index.md",  "main-window.md", "exercise.md",     "class-set.md", "checking.md",
                                   "break.md",  "by-hand.md",     "command-line.md", "zoom.md",      "lessons.md"};

void registerPages()
{
    static const bool registered = QResource::registerResource(playfair_handbook);
    Q_UNUSED(registered);
}

QString pagePath(const QString &language, const QString &page)
{
    return pagesFolder + language + QLatin1Char('/') + page;
}

} // namespace

HandbookWindow::HandbookWindow(QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_browser(new HandbookBrowser(this))
    , m_back(new QToolButton(this))
    , m_forward(new QToolButton(this))
    , m_home(new QToolButton(this))
    , m_search(new QLineEdit(this))
    , m_searchNote(new QLabel(this))
    , m_language(languageOfProgram())
{
    setObjectName(QStringLiteral("HandbookWindow"));
    m_browser->setObjectName(QStringLiteral("handbookBrowser"));
    m_back->setObjectName(QStringLiteral("handbookBack"));
    m_forward->setObjectName(QStringLiteral("handbookForward"));
    m_home->setObjectName(QStringLiteral("handbookHome"));
    m_search->setObjectName(QStringLiteral("handbookSearch"));
    m_searchNote->setObjectName(QStringLiteral("handbookSearchNote"));

    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_home->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    m_search->setClearButtonEnabled(true);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_home);
    bar->addStretch();
    bar->addWidget(m_searchNote);
    bar->addWidget(m_search, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, [this] { showPage(QStringLiteral("index.md")); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_search, &QLineEdit::returnPressed, this, [this] { find(m_search->text()); });
    connect(m_search, &QLineEdit::textEdited, m_searchNote, &QLabel::clear);

    retranslate();
    resize(780, 680);
}

QString HandbookWindow::languageOfProgram()
{
    registerPages();
    //: The folder of the handbook's pages in the language of this
    //: translation: "en" for English.
    const QString language = tr("bg");
    return QFile::exists(pagePath(language, QStringLiteral("index.md"))) ? language : QStringLiteral("bg");
}

QStringList HandbookWindow::pages(const QString &language)
{
    registerPages();
    QStringList found = QDir(pagesFolder + language).entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
    QStringList ordered;
    for (const char *page : contentsOrder) {
        if (found.removeOne(QLatin1String(page)))
            ordered << QLatin1String(page);
    }
    return ordered + found;
}

QUrl HandbookWindow::pageUrl(const QString &language, const QString &page)
{
    return QUrl(QStringLiteral("qrc") + pagePath(language, page));
}

QString HandbookWindow::page() const
{
    return m_browser->source().fileName();
}

void HandbookWindow::showPage(const QString &page)
{
    m_browser->setSource(pageUrl(m_language, page), QTextDocument::MarkdownResource);
}

bool HandbookWindow::find(const QString &text)
{
    m_searchNote->clear();
    if (text.trimmed().isEmpty())
        return false;
    if (m_browser->find(text))
        return true;
    const QStringList all = pages(m_language);
    const qsizetype here = all.indexOf(page());
    for (qsizetype step = 1; step <= all.size(); ++step) {
        const QString next = all.at((here + step) % all.size());
        QFile file(pagePath(m_language, next));
        if (!file.open(QIODevice::ReadOnly) || !QString::fromUtf8(file.readAll()).contains(text, Qt::CaseInsensitive))
            continue;
        if (next != page())
            showPage(next);
        m_browser->moveCursor(QTextCursor::Start);
        if (m_browser->find(text))
            return true;
    }
    m_searchNote->setText(tr("„%1“ не е намерено.").arg(text));
    return false;
}

void HandbookWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        followLanguage();
    }
    QWidget::changeEvent(event);
}

void HandbookWindow::retranslate()
{
    setWindowTitle(tr("Ръководство - Playfair"));
    m_back->setToolTip(tr("Назад"));
    m_forward->setToolTip(tr("Напред"));
    m_home->setToolTip(tr("Съдържание"));
    m_back->setAccessibleName(m_back->toolTip());
    m_forward->setAccessibleName(m_forward->toolTip());
    m_home->setAccessibleName(m_home->toolTip());
    m_search->setPlaceholderText(tr("Търсене в ръководството"));
    m_search->setAccessibleName(m_search->placeholderText());
    m_searchNote->clear();
}

void HandbookWindow::followLanguage()
{
    const QString language = languageOfProgram();
    if (language == m_language)
        return;
    const QString shown = page();
    m_language = language;
    showPage(QFile::exists(pagePath(language, shown)) ? shown : QStringLiteral("index.md"));
    m_browser->clearHistory();
}

} // namespace playfair
