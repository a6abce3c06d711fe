#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// The window shows its texts in the user's language; the command line stays English, because
// scripts read what it prints. Code without Qt marks a text it composes with Tr (or, in a table,
// with TW_TRANSLATE_NOOP and Tr where it is shown); the translation tools collect the marks, and
// the window installs the lookup that finds each text in the user's language.
namespace platform {

// The text in the user's language, or source itself where no lookup is installed or the language
// has no translation of it. context groups the texts of one module, as the translators see them.
std::string Tr(const char* context, const char* source);

// text with %1 ... %9 replaced by values[0] ... values[8] in one pass, so that a value holding "%2"
// stays as it is. Translations may put the values in another order.
std::string Filled(std::string_view text, std::initializer_list<std::string_view> values);

using TextLookup = std::string (*)(const char* context, const char* source);
// nullptr goes back to the source texts. Safe to call while other threads call Tr.
void SetTextLookup(TextLookup lookup);

}  // namespace platform

// A table's text, marked for the translation tools; it is looked up with Tr(context, text) where it
// is shown.
#define TW_TRANSLATE_NOOP(context, text) text
