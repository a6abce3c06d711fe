#pragma once
#include <cstdint>
#include <span>
#include <string>

class ByteSource;

// Every MPEG audio frame header starts with this byte.
inline constexpr std::uint8_t kMpegSyncByte = 0xFF;

// The MPEG version and layer a frame header announces; each value is the header's own field.
enum class MpegVersion : std::uint8_t { Mpeg25 = 0, Mpeg2 = 2, Mpeg1 = 3 };
enum class MpegLayer : std::uint8_t { Layer3 = 1, Layer2 = 2, Layer1 = 3 };

// What audio a scan met first, after any leading ID3v2 tag.
struct MpegAudio {
    bool found = false;
    MpegVersion version = MpegVersion::Mpeg1;
    MpegLayer layer = MpegLayer::Layer3;
    bool IsMpeg1Layer3() const {
        return found && version == MpegVersion::Mpeg1 && layer == MpegLayer::Layer3;
    }
    bool operator==(const MpegAudio&) const = default;
};
constexpr MpegAudio kMpeg1Layer3Audio{true, MpegVersion::Mpeg1, MpegLayer::Layer3};

// Reads the first MPEG-1 Layer III frame headers of a file: bit rate, sampling frequency,
// channel mode, CRC, and whether the bit rate varies (the first frame's Xing, Info or VBRI tag
// when it has one, else a change within the first ten headers). A leading ID3v2 tag is skipped
// unread; MPEG audio of another version or layer met before any MPEG-1 Layer III header is
// named by Audio() and leaves the values alone.
class MP3Utils {
  public:
    std::int16_t BitRate() const;      // kbit/s; 0 free format, 999 forbidden index
    std::int16_t ChannelMode() const;  // 0 stereo, 1 joint, 2 dual, 3 single channel
    bool CRC() const;                  // true when the frames carry a CRC
    // Reads the file. False when it cannot be opened (OpenError() says why); the stored values
    // are then those of before the call. The path is stored either way.
    bool MP3File(const std::string& sMP3FileName);
    const std::string& MP3File() const;
    std::int32_t SamplingFrequency() const;  // Hz; 0 for the reserved index
    bool Stereo() const;
    bool VBR() const;
    // The frames the first frame's Xing, Info or VBRI tag counts, 0 without a count.
    std::uint32_t FrameCount() const;
    std::uint64_t FirstFrame() const;  // where the first frame header starts, in bytes
    // The values above describe the file only when this is MPEG-1 Layer III audio.
    MpegAudio Audio() const;
    const std::string& OpenError() const;

    // The same scan over bytes from elsewhere; the stored path is kept.
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

    std::uint32_t frameCount_ = 0;
    std::uint64_t firstFrame_ = 0;
    MpegAudio audio_;
    std::string sOpenError_;
};

// Where the audio starts: past the ID3v2 tags at the front, by their declared sizes (so possibly
// beyond the end), read no further than their headers. So nothing inside them (cover pictures
// are full of sync patterns) passes for a frame header, and a tag of any size costs no memory.
std::uint64_t AudioStart(ByteSource& source);

// The channel mode's name as people read it ("joint stereo"), "unknown" outside 0 to 3. It and the
// layer's name are the English words, which the window shows as platform::Tr("MP3Utils", name).
const char* ChannelModeName(std::int16_t channelMode);
// "MPEG-2 Layer III", or "none found", in the user's language; the version and the layer alone
// for the parts of a mismatch.
std::string MpegAudioName(const MpegAudio& audio);
const char* MpegVersionName(MpegVersion version);
const char* MpegLayerName(MpegLayer layer);
// The bit rate as shown to people, with `unit` after a number: "128 kbit/s", or the name of a
// special index ("free format", "invalid") in the user's language.
std::string BitRateText(std::int16_t bitRate, const char* unit);
