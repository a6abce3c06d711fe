#pragma once
#include <string>

#include "ConversionHost.h"

class FileListView;

// Lists the entries of dirWithSeparator matching mask (files and folders alike) in `list`,
// emptying it first unless `append`. A name ending in "wav" that holds RIFF wave audio is left
// out; a .wav that cannot be read, or an entry that vanishes meanwhile, is skipped. Shows the
// busy pointer while it runs.
void FillFileList(FileListView& list, const std::string& dirWithSeparator, const std::string& mask,
                  bool append);

// Whether `list` shows the file `name` at `path`: an MP3 file in the source list; in the
// destination list a .bmu file, or a .wav file that is not wave audio.
bool ShownInList(tunewrap::ListId list, const std::string& name, const std::string& path);
