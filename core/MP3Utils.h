#pragma once
#include <cstdint>
#include <string>

// Reads the first MPEG-1 Layer III frame headers of a file: bit rate, sampling frequency,
// channel mode, protection bit, and whether the bit rate changes within the first ten headers.
class MP3Utils {
public:
    std::int16_t BitRate() const;            // kbit/s; 0 free format, 999 forbidden index
    std::int16_t ChannelMode() const;        // 0 stereo, 1 joint, 2 dual, 3 single channel
    bool CRC() const;
    // Reads the file. False when it cannot be opened (OpenError() says why); the stored values
    // are then those of before the call. The path is stored either way.
    bool MP3File(const std::string& sMP3FileName);
    const std::string& MP3File() const;
    std::int32_t SamplingFrequency() const;  // Hz; 0 for the reserved index
    bool Stereo() const;
    bool VBR() const;
    const std::string& OpenError() const;

    // (implementation-defined private fields and scan helpers)
};
