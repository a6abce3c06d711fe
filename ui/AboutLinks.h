#pragma once

// Who made the program and where to read more, as the About box shows it. A link without a
// scheme names a document shipped with the program (found next to the executable, in the
// installed documentation folder or in the source tree).
namespace aboutlinks {

inline constexpr const char* kAuthor = "Tunewrap developers";
// The .invalid top-level domain can never be delivered, so a stray mail reaches nobody.
inline constexpr const char* kEmail = "tunewrap@users.noreply.invalid";
inline constexpr const char* kHomePage = "README.md";
inline constexpr const char* kAddingBMUs = "docs/adding-bmus.md";

}  // namespace aboutlinks
