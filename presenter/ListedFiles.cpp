#include "ListedFiles.h"

#include "BmuFile.h"

namespace tunewrap {

// Wave audio shares the ".wav" name with BMU files.
bool IsWaveAudio(const std::string& name, const std::string& path) {
    if (!HasExtension(name, kWavExtension)) return false;
    const ContainerProbe probe = ProbeContainer(path);
    return !probe.read() || probe.kind == Container::RiffWave;
}

bool ShownInList(ListId list, const std::string& name, const std::string& path) {
    if (list == ListId::MP3) return HasExtension(name, kMp3Extension);
    return HasExtension(name, kBmuExtension) ||
           (HasExtension(name, kWavExtension) && !IsWaveAudio(name, path));
}

}  // namespace tunewrap
