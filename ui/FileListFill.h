#pragma once
#include <string>

class FileListView;

// Lists the entries of dirWithSeparator matching mask (files and folders alike) in `list`,
// emptying it first unless `append`. A name ending in "wav" that holds RIFF wave audio is left
// out; a .wav that cannot be read, or an entry that vanishes meanwhile, is skipped. Shows the
// busy pointer while it runs.
void FillFileList(FileListView& list, const std::string& dirWithSeparator, const std::string& mask,
                  bool append);
