#pragma once

#include <QString>

#include <optional>

namespace monocl {

// The languages the window speaks; System follows the desktop: Russian
// when its language is Russian or its locale is C or POSIX, English
// otherwise.
enum class Language { System, Russian, English };

// "ru", "en" or "system", as the command line and the settings spell them.
std::optional<Language> languageNamed(const QString& name);
QString languageName(Language language);

// The language given on the command line, over any other choice.
void setLanguageOverride(std::optional<Language> language);

// The choice made in the menu, kept in the settings. The settings are
// written a second after the last choice, and at the program's end.
Language rememberedLanguage();
void rememberLanguage(Language language);

// Russian or English: the override, else the remembered choice, else the
// desktop's.
Language windowLanguage();

// Installs the translations of windowLanguage(), the program's and Qt's
// own, in place of the ones installed before, which makes every widget
// receive a LanguageChange event. Nothing happens when they are the same.
// The decimal separator is not touched: it follows the locale.
void installTranslations();

// Whether the installed translation is English.
bool speaksEnglish();

} // namespace monocl
