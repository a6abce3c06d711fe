#pragma once
#include <string>

// The freedesktop.org trash: a trashed item goes to Trash/files, with a Trash/info/NAME.trashinfo
// that names where it came from, so the file manager can restore it.
namespace platform::trash {

struct TrashResult {
    bool ok = false;
    std::string error;  // the OS's reason when not ok
};

// The user's home trash: $XDG_DATA_HOME/Trash, else ~/.local/share/Trash. Empty when no absolute
// location can be found (the trash is never placed relative to the current directory).
std::string HomeTrashDirectory();

// Moves one file, link or folder into the trash of its own file system: the home trash when it
// lives on the same file system, else the trash at the top of its mount. When no trash can take
// it, the item stays where it is and the result says why.
TrashResult MoveToTrash(const std::string& path);

// "Path=" form of a path: bytes outside the URL-safe set as %XX.
std::string PercentEncode(const std::string& path);

}  // namespace platform::trash
