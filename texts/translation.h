#pragma once

#include <initializer_list>
#include <string>

// The texts the user reads are written here in Russian, and the window's
// language may be another. MONOCL_TR(context, text) looks a text up in the
// translation the window has installed; MONOCL_NOOP(context, text) only
// marks a text (in a table, say) to be looked up where it is used. Qt's
// translation tools read both (as translate and QT_TRANSLATE_NOOP).
#define MONOCL_TR(context, text) ::monocl::translated(context, text)
#define MONOCL_NOOP(context, text) text

namespace monocl {

// Gives the translation of a Russian text, or nothing to keep the text.
using TextTranslator = std::string (*)(const char* context, const char* text);

// Installed by the window; without one every text stays as it is written.
void setTextTranslator(TextTranslator translator);

std::string translated(const char* context, const char* text);

// The text with "%1", "%2", ... replaced by the values in turn, as a
// translated text carries its numbers where its language puts them.
std::string withValues(std::string text, std::initializer_list<std::string> values);

} // namespace monocl
