#pragma once

#include "engine/alphabet.h"
#include "workspace/uilanguage.h"

#include <optional>

class QTranslator;

namespace playfair {

// The program in Bulgarian or in English. Bulgarian needs no translation of
// the program's own texts, which are Bulgarian in the code; English is the
// translation embedded from translations/playfair_en.ts. Qt's own texts (the
// save dialog, the overwrite question, the text boxes' menus) come from
// Qt's translations on the system (Debian's qt6-translations-l10n), where
// they are installed; without them those stay in English.

// The language the user last chose from a window's menu, or none. It is kept
// in the settings (~/.config/playfair/playfair.conf on Linux).
std::optional<UiLanguage> storedLanguage();

// The language to start in: the one the user chose, else the system's.
UiLanguage startLanguage();

// Shows the program in `language` from now on: installs its translations,
// which makes Qt send every window a QEvent::LanguageChange, and sets
// uiLanguage(). Needs the QApplication.
void showLanguage(UiLanguage language);

// The user's choice from the menu: shows the language and remembers it.
void chooseLanguage(UiLanguage language);

// The alphabet the exercise window last worked in, kept beside the
// language: latin-ij until one is chosen.
const Alphabet &storedAlphabet();
void storeAlphabet(const Alphabet &alphabet);

// The alphabet last chosen in the break window, which its demonstration
// and its search work in; none while the window reads it from the text.
const Alphabet *storedBreakAlphabet();
void storeBreakAlphabet(const Alphabet *alphabet);

// The program's own translation into `language`, for the texts written
// before the QApplication exists (the command line's); none for Bulgarian.
const QTranslator *programTranslator(UiLanguage language);

} // namespace playfair
