#pragma once
#include <functional>
#include <string>

#include "WindowHandle.h"

namespace mdlBrowseForFolder {

// Lets the user choose a folder, starting at startFolder when it exists. Returns the chosen
// path (a root keeps its trailing separator, other folders have none) or "" on cancel.
std::string BrowseForFolder(platform::WindowHandle ownerWindow, const std::string& title,
                            const std::string& startFolder);

// Tests answer the picker instead of a person: while set, BrowseForFolder calls it instead of
// opening a dialog.
using Answerer =
    std::function<std::string(const std::string& title, const std::string& startFolder)>;
void SetAnswererForTesting(Answerer answerer);

}  // namespace mdlBrowseForFolder
