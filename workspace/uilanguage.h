#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace playfair {

// The languages the program's windows, messages and worksheets are shown in.
// The texts in the code are Bulgarian; English is their translation
// (translations/playfair_en.ts), loaded by ui/translations.h.
enum class UiLanguage { Bulgarian, English };

// The language shown now: Bulgarian until setUiLanguage() says otherwise.
// The texts themselves follow Qt's translators; this tells the parts that
// choose a file or a way of writing figures by language (the explanation,
// the break window's numbers) which one to take.
UiLanguage uiLanguage();
void setUiLanguage(UiLanguage language);

// How figures are written in `language`: 4,39 and 0,3 s in Bulgarian,
// 4.39 and 0.3 s in English.
QLocale localeOf(UiLanguage language);
inline QLocale uiLocale()
{
    return localeOf(uiLanguage());
}

// "bg" and "en", as the settings and the translation files name them.
QString languageCode(UiLanguage language);
std::optional<UiLanguage> languageOfCode(QStringView code);

// What a program reads to choose its language, as on Unix and in GNU
// gettext: LANGUAGE, a list of languages in order of preference such as
// "en_GB:en", and the locale, the first set of LC_ALL, LC_MESSAGES and LANG.
struct LocaleEnvironment
{
    QString language;
    QString lcAll;
    QString lcMessages;
    QString lang;

    static LocaleEnvironment current();
};

// The user's language: English when the languages named put English before
// Bulgarian, else Bulgarian, for every other language too. LANGUAGE counts
// only beside a real locale: under C or POSIX (or none) it is left aside, as
// gettext does, and the program is Bulgarian.
UiLanguage languageOf(const LocaleEnvironment &environment);

} // namespace playfair
