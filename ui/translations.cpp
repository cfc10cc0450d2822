#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace playfair {

namespace {

// The settings of the user's choice, without the system-wide fallbacks that
// would cost every start-up more files to look for.
class Settings : public QSettings
{
public:
    Settings()
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("playfair"),
                    QStringLiteral("playfair"))
    {
        setFallbacksEnabled(false);
    }
};

QString languageKey()
{
    return QStringLiteral("language");
}

// The program's English, read once from the resources; it lives as long as
// the program.
QTranslator *english()
{
    static QTranslator *const translator = [] {
        auto *loaded = new QTranslator;
        if (!loaded->load(QStringLiteral(":/playfair/translations/playfair_en.qm")))
            qFatal("The embedded English translation is missing from the build.");
        return loaded;
    }();
    return translator;
}

// Qt's translation installed now, and the language shown.
struct Installed
{
    QTranslator qt;
    std::optional<UiLanguage> language;
};

Installed &installed()
{
    static Installed now;
    return now;
}

} // namespace

std::optional<UiLanguage> storedLanguage()
{
    return languageOfCode(Settings().value(languageKey()).toString());
}

UiLanguage startLanguage()
{
    return storedLanguage().value_or(languageOf(LocaleEnvironment::current()));
}

const QTranslator *programTranslator(UiLanguage language)
{
    return language == UiLanguage::English ? english() : nullptr;
}

void showLanguage(UiLanguage language)
{
    Installed &now = installed();
    setUiLanguage(language);
    if (now.language == language)
        return;
    // The English translator is made only when English is first shown, so a
    // Bulgarian start-up never reads it.
    if (now.language == UiLanguage::English)
        QCoreApplication::removeTranslator(english());
    QCoreApplication::removeTranslator(&now.qt);
    now.language = language;
    if (language == UiLanguage::English)
        QCoreApplication::installTranslator(english());
    // qtbase_bg.qm or qtbase_en.qm (the latter gives Qt's English its plurals).
    if (now.qt.load(QStringLiteral("qtbase_") + languageCode(language),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&now.qt);
}

void chooseLanguage(UiLanguage language)
{
    showLanguage(language);
    Settings().setValue(languageKey(), languageCode(language));
}

} // namespace playfair

namespace playfair {

namespace {

const Alphabet *alphabetUnder(const QString &key)
{
    const QByteArray code = Settings().value(key).toString().toLatin1();
    return Alphabet::byCode(std::string_view(code.constData(), std::size_t(code.size())));
}

void keepAlphabetUnder(const QString &key, const Alphabet *alphabet)
{
    // No alphabet is kept as an empty code, which names none.
    Settings().setValue(key, alphabet ? QString::fromLatin1(alphabet->code().data(), qsizetype(alphabet->code().size()))
                                      : QString());
}

} // namespace

const Alphabet &storedAlphabet()
{
    const Alphabet *alphabet = alphabetUnder(QStringLiteral("alphabet"));
    return alphabet ? *alphabet : Alphabet::classic();
}

void storeAlphabet(const Alphabet &alphabet)
{
    keepAlphabetUnder(QStringLiteral("alphabet"), &alphabet);
}

const Alphabet *storedBreakAlphabet()
{
    return alphabetUnder(QStringLiteral("breakAlphabet"));
}

void storeBreakAlphabet(const Alphabet *alphabet)
{
    keepAlphabetUnder(QStringLiteral("breakAlphabet"), alphabet);
}

} // namespace playfair
