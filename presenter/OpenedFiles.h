#pragma once
#include <array>
#include <string>
#include <vector>

#include "ConversionHost.h"

// Files and folders handed to the window from outside: dropped on a pane from the file manager,
// or named on the command line (the file manager's "Open with").

// What a drop on a pane does. A drop is taken whole or not at all.
struct PaneDrop {
    enum class Kind { Refused, ListFolder, Convert };
    Kind kind = Kind::Refused;
    struct File {
        std::string path, name;
    };
    std::string folder;       // ListFolder: what the pane lists from now on
    std::vector<File> files;  // Convert: the dropped files, where they are, in drop order
};

// One folder is listed in the pane. Files that the other pane's list would show (MP3 files on
// the destination pane, BMU files on the source pane) are converted into the pane's folder.
// Anything else is refused: more than one folder, a folder with files, a file of the pane's own
// kind or of no kind the window converts, a missing file. `paths` are the file system's bytes.
PaneDrop ReadPaneDrop(tunewrap::ListId pane, const std::vector<std::string>& paths);

// Files dropped on one pane come from the other pane's kind.
inline tunewrap::ListId OtherPane(tunewrap::ListId pane) {
    return pane == tunewrap::ListId::MP3 ? tunewrap::ListId::BMU : tunewrap::ListId::MP3;
}

// The command line's files and folders, pane by pane (indexed by ListId).
struct WindowArguments {
    std::array<std::string, 2> folders;                // empty: the pane keeps its folder
    std::array<std::vector<std::string>, 2> selected;  // names to select in the pane's list
    std::string error;                                 // "PATH: why"; then nothing is opened
};

// MP3 files open their folder in the source pane and BMU files theirs in the destination pane,
// selected, ready for the convert button; each folder not listed yet goes to the next pane no
// file claimed, source first. Files of one kind from two folders, a third folder, a missing path or
// a file of no kind the window lists are errors. Folders come back absolute.
WindowArguments ParseWindowArguments(const std::vector<std::string>& paths);
