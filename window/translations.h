// The language of the window's words: chosen from the user's locale as
// gettext chooses (LANGUAGE's list, then LC_ALL, LC_MESSAGES or LANG),
// among the languages the program ships; English otherwise.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace pelmora {

// The languages shipped besides English, as their translations are named (de, pt_BR).
QStringList shipped_languages();

// The shipped language the environment asks for ("de", "pt_BR"), or an
// empty string for English. `variable` reads an environment variable (null
// or empty when unset).
QString wanted_language(const std::function<QByteArray(const char*)>& variable, const QStringList& shipped);

// Loads the program's and the toolkit's translations for the user's
// language into the application, and gives the guide its words and
// numbers in that language. Only the window calls it: a headless run
// stays in English, byte for byte.
void load_translations();

// Uses the shipped language ("de"), or English for an empty one, in place
// of the one in use; false when its translation is missing (then English).
bool use_language(const QString& language);

// The language in use: empty for English.
QString ui_language();

// The help page's resource in that language.
QString help_page(const QString& language);

}  // namespace pelmora
