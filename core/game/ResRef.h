#pragma once
#include <set>
#include <string>
#include <string_view>

#include "ResourceTypes.h"

// Resource names the game accepts, made from the names people give their files.
namespace tunewrap::game {

// Music is named mus_*; the toolset lists mus_bat_* as battle music.
inline constexpr std::string_view kMusicPrefix = "mus_";
inline constexpr std::string_view kBattleMusicPrefix = "mus_bat_";

// Whether `name` is stored in an archive as it is: 1 to 16 of a-z, 0-9 and _.
bool IsValidResRef(std::string_view name);

// A valid resource name for a file called `fileName` (UTF-8, with or without its extension; the
// extension is dropped): lower case, accented letters folded to their base letter, every other
// character _, runs of _ made one, cut to 16 characters keeping a mus_bat_ or mus_ prefix whole.
// A name already in `taken` (lower case) gets _2, _3... instead, still within 16 characters; the
// name made is added to `taken`. Never empty: a name with nothing left becomes "track".
std::string MakeResRef(std::string_view fileName, std::set<std::string>& taken);

}  // namespace tunewrap::game
