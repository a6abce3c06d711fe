#pragma once
#include <QString>
#include <QStringList>

// The window speaks the first of the desktop's languages that it has a translation for; English,
// the language its texts are written in, where it has none or English comes first. Qt's own texts
// (standard buttons, the file dialog) follow in the same language where the system has them.
namespace languages {

// The language chosen ("de", "pl"...), or "en".
QString LoadForDesktop();
// The first of `wanted` (as the desktop lists its languages: "de-AT", "pl") that is English or in
// `spoken`; English where none is.
QString Choose(const QStringList& wanted, const QStringList& spoken);
// Replaces the language loaded before; "en" goes back to the source texts. False, changing
// nothing, for a language the window does not speak.
bool Load(const QString& language);
// The languages the window speaks besides English, in name order.
QStringList Available();
// Lets the code without Qt find its texts through the translators loaded into the application.
void ShareWithPlainCode();

}  // namespace languages
