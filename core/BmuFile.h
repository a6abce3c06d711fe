#pragma once
#include <cstddef>
#include <string>
#include <string_view>

class MP3Utils;

// What a file holds and what a converted file is called: the BMU container, and the RIFF wave
// audio that may share its ".wav" name.
namespace tunewrap {

// A BMU file is this header and the MP3 data right after it.
inline constexpr char kBmuHeader[8] = {'B', 'M', 'U', ' ', 'V', '1', '.', '0'};
inline constexpr std::size_t kBmuHeaderSize = sizeof kBmuHeader;

inline constexpr std::string_view kMp3Extension = ".mp3";
inline constexpr std::string_view kBmuExtension = ".bmu";
inline constexpr std::string_view kWavExtension = ".wav";

enum class Container { Bmu, RiffWave, Other };

// Classifies a file by its first bytes (as many as it has, up to kBmuHeaderSize).
Container ClassifyContainer(std::string_view head);

struct ContainerProbe {
    Container kind = Container::Other;
    std::string error;  // why the file could not be read; empty when it was
    bool read() const { return error.empty(); }
};

// Reads the first bytes of a file without waiting: a named pipe or a device called like a song
// gives what it has at once (usually nothing) instead of blocking the caller.
ContainerProbe ProbeContainer(const std::string& path);

// Scans a file's MPEG audio into `reader`: of a BMU file the MP3 behind the header, seen from its
// own first byte on, so the scan meets it exactly as it met the MP3 file it was made from; of
// any other file all of it. The probe says which it was, or why the file could not be read.
// With `title`, the MP3's ID3v2 title goes there (Id3v2Title).
ContainerProbe ScanAudio(const std::string& path, MP3Utils& reader, std::string* title = nullptr);

// Whether `name` ends in `extension`, in any case ("LOUD.WAV" is a ".wav" name).
bool HasExtension(std::string_view name, std::string_view extension);

// The name a converted file gets: a real extension (".mp3", ".bmu", ".wav", any case) gives way
// to the new one; any other name keeps all of its characters and gets the new one appended.
std::string DestinationName(std::string_view sourceName, std::string_view extension);

}  // namespace tunewrap
