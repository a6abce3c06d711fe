#pragma once
#include <string>

#include "ConversionHost.h"

namespace tunewrap {

// Wave audio shares the ".wav" name with BMU files, so no list shows it. A .wav that cannot be
// probed is left out as well, rather than guessed at.
bool IsWaveAudio(const std::string& name, const std::string& path);

// Whether `list` shows the file `name` at `path`: an MP3 file in the source list; in the
// destination list a .bmu file, or a .wav file that is not wave audio.
bool ShownInList(ListId list, const std::string& name, const std::string& path);

}  // namespace tunewrap
