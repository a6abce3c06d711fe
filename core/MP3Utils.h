#pragma once
#include <cstdint>
#include <span>
#include <string>

class ByteSource;

// Reads the first MPEG-1 Layer III frame headers of a file: bit rate, sampling frequency,
// channel mode, protection bit, and whether the bit rate changes within the first ten headers.
class MP3Utils {
  public:
    std::int16_t BitRate() const;      // kbit/s; 0 free format, 999 forbidden index
    std::int16_t ChannelMode() const;  // 0 stereo, 1 joint, 2 dual, 3 single channel
    bool CRC() const;
    // Reads the file. False when it cannot be opened (OpenError() says why); the stored values
    // are then those of before the call. The path is stored either way.
    bool MP3File(const std::string& sMP3FileName);
    const std::string& MP3File() const;
    std::int32_t SamplingFrequency() const;  // Hz; 0 for the reserved index
    bool Stereo() const;
    bool VBR() const;
    const std::string& OpenError() const;

    // The same scan over bytes from elsewhere (memory, a fuzzer); the stored path is kept.
    void ScanBytes(std::span<const std::uint8_t> bytes);
    void Scan(ByteSource& source);

  private:
    bool StoreHeader(const std::uint8_t* h, int frameCounter);
    std::int64_t FrameLength(bool padding) const;

    std::int16_t intBitRateIndex_ = 0;
    std::int16_t intChannelMode_ = 0;
    bool bCRC_ = false;
    std::string sMP3FileName_;
    std::int16_t intSamplingFrequencyIndex_ = 0;
    bool bStereo_ = false;
    bool bVBR_ = false;
    std::int16_t intPrevBitRateIndex_ = 0;

    std::string sOpenError_;
};

// The channel mode's name as people read it ("joint stereo"), "unknown" outside 0 to 3.
const char* ChannelModeName(std::int16_t channelMode);
