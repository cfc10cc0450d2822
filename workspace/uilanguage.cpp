#include "uilanguage.h"

#include <QStringList>

#include <atomic>

namespace playfair {

namespace {

// Read by the break window's search reports on the window's thread only, but
// atomic all the same: a test may switch while another thread formats.
std::atomic<UiLanguage> shown{UiLanguage::Bulgarian};

// The language part of a locale or language name: "en" of "en_GB.UTF-8@euro".
QStringView languagePart(QStringView name)
{
    qsizetype end = 0;
    while (end < name.size() && name[end] != u'_' && name[end] != u'.' && name[end] != u'@' && name[end] != u'-')
        ++end;
    return name.left(end);
}

} // namespace

UiLanguage uiLanguage()
{
    return shown.load(std::memory_order_relaxed);
}

void setUiLanguage(UiLanguage language)
{
    shown.store(language, std::memory_order_relaxed);
}

QLocale localeOf(UiLanguage language)
{
    return language == UiLanguage::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                           : QLocale(QLocale::Bulgarian, QLocale::Bulgaria);
}

QString languageCode(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("bg");
}

std::optional<UiLanguage> languageOfCode(QStringView code)
{
    const QStringView part = languagePart(code);
    if (part.compare(u"en", Qt::CaseInsensitive) == 0)
        return UiLanguage::English;
    if (part.compare(u"bg", Qt::CaseInsensitive) == 0)
        return UiLanguage::Bulgarian;
    return std::nullopt;
}

LocaleEnvironment LocaleEnvironment::current()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

UiLanguage languageOf(const LocaleEnvironment &environment)
{
    QString locale = environment.lcAll;
    if (locale.isEmpty())
        locale = environment.lcMessages;
    if (locale.isEmpty())
        locale = environment.lang;

    QStringList names;
    if (!locale.isEmpty() && locale != u"C" && locale != u"POSIX")
        names = environment.language.split(u':', Qt::SkipEmptyParts);
    names << locale;
    for (const QString &name : std::as_const(names)) {
        if (const std::optional<UiLanguage> language = languageOfCode(name))
            return *language;
    }
    return UiLanguage::Bulgarian;
}

} // namespace playfair
