#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "ConversionHost.h"
#include "Suitability.h"

namespace tunewrap {

// What a file list shows of a song at a glance, read from its frame headers: of a BMU file, of
// the MP3 behind its header.
struct AudioFacts {
    bool read = false;  // false when the file could not be opened
    HeaderValues header{.audio = {}};
    std::int16_t channelMode = 0;
    double seconds = 0.0;             // 0 when no length can be told
    bool lengthEstimated = false;     // a variable bit rate without a frame count
    std::int32_t averageBitRate = 0;  // kbit/s, of a variable bit rate with a frame count
};
AudioFacts ReadAudioFacts(const std::string& path);

// The columns that follow Name, Size and Modified, in that order.
enum class FactColumn { Length, BitRate, Kilohertz, Channels, Verdict };
inline constexpr int kFactColumnCount = 5;

// Whether the game plays the file as the converter would judge it, and why not.
struct Verdict {
    bool known = false;  // the file was read
    bool suitable = false;
    TextLines lines;  // the warning's issue lines; a name that is merely long is named too
};
// The .wav expectation (96 kbit/s mono) holds for the MP3 list when the option says so, and for a
// destination file by its own name.
bool JudgedAsWav(ListId list, std::string_view fileName, bool wavOption);
Verdict Judge(const std::string& fileName, const AudioFacts& facts, bool renameWav);

// A cell's text, and the value it sorts by (-1 for a cell without one).
std::string FactText(const AudioFacts& facts, const Verdict& verdict, FactColumn column);
double FactKey(const AudioFacts& facts, const Verdict& verdict, FactColumn column);

}  // namespace tunewrap
