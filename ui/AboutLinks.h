#pragma once

// Who made the program and where to read more, as the About box shows it. The links name
// documents shipped with the program (found next to the executable, in the installed
// documentation folder or in the source tree).
#include <QtGlobal>

namespace aboutlinks {

inline constexpr const char* kAuthor = QT_TRANSLATE_NOOP("frmAbout", "Tunewrap developers");
// The address the box has always shown. Mail to it is never delivered (.invalid) and the project
// has no public address yet, so the link leads to the README's advice on reporting a problem.
inline constexpr const char* kEmail = "tunewrap@users.noreply.invalid";
inline constexpr const char* kEmailLeadsTo = "README.md#reporting-problems";
inline constexpr const char* kHomePage = "README.md";
inline constexpr const char* kAddingBMUs = "docs/adding-bmus.md";

}  // namespace aboutlinks
