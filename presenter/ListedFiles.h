#pragma once
#include <string>

#include "ConversionHost.h"

namespace tunewrap {

// Whether the file `name` at `path` is wave audio: a name ending in "wav" that holds RIFF wave
// audio, or one that cannot be read (left out rather than guessed at).
bool IsWaveAudio(const std::string& name, const std::string& path);

// Whether `list` shows the file `name` at `path`: an MP3 file in the source list; in the
// destination list a .bmu file, or a .wav file that is not wave audio.
bool ShownInList(ListId list, const std::string& name, const std::string& path);

}  // namespace tunewrap
