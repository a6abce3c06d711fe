#include "MP3Utils.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "ByteSource.h"
#include "FileByteSource.h"

namespace {

// The four header bytes h0..h3 as they stand in the file, and where each field sits.
constexpr std::size_t kHeaderSize = 4;
constexpr std::uint8_t kSyncByte = 0xFF;        // h0: first eight sync bits
constexpr int kVersionLayerShift = 1;           // h1 bits 7-1: sync tail, version, layer
constexpr std::uint8_t kMpeg1Layer3 = 0x7D;     //   111 sync, 11 MPEG-1, 01 Layer III
constexpr std::uint8_t kProtectionMask = 0x01;  // h1 bit 0
constexpr int kBitRateShift = 4;                // h2 bits 7-4
constexpr std::uint8_t kBitRateMask = 0x0F;
constexpr int kSamplingShift = 2;  // h2 bits 3-2
constexpr std::uint8_t kSamplingMask = 0x03;
constexpr int kPaddingShift = 1;  // h2 bit 1
constexpr std::uint8_t kPaddingMask = 0x01;
constexpr int kChannelModeShift = 6;  // h3 bits 7-6
constexpr std::uint8_t kChannelModeMask = 0x03;

constexpr std::int16_t kSingleChannel = 3;
constexpr int kMaxHeaders = 10;

// kbit/s by index; 0 is free format and 15 the forbidden index, which keep values of their own.
constexpr std::int16_t kBitRates[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                        112, 128, 160, 192, 224, 256, 320, 999};
// Hz by index; 3 is reserved.
constexpr std::int32_t kSamplingFrequencies[4] = {44100, 48000, 32000, 0};

// A Layer III frame carries 1152 samples: 1152 / 8 bits = 144 bytes per bit/s per Hz.
constexpr std::int64_t kBytesPerFrameFactor = 144;
constexpr std::int64_t kBitsPerKilobit = 1000;

bool IsSecondHeaderByte(std::uint8_t h1) {
    return (h1 >> kVersionLayerShift) == kMpeg1Layer3;
}

bool IsHeader(const std::uint8_t* h) {
    return h[0] == kSyncByte && IsSecondHeaderByte(h[1]);
}

std::size_t ReadAt(ByteSource& source, std::uint64_t offset, std::uint8_t* destination,
                   std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        const auto view = source.View(offset + got);
        if (view.empty()) break;
        const std::size_t take = std::min(view.size(), count - got);
        std::memcpy(destination + got, view.data(), take);
        got += take;
    }
    return got;
}

// End of the run of sync bytes that starts at `i`; a word at a time, as files of nothing but
// sync bytes exist.
std::size_t SyncRunEnd(const std::uint8_t* data, std::size_t i, std::size_t size) {
    constexpr std::uint64_t kAllSync = ~std::uint64_t{0};
    while (i + sizeof kAllSync <= size) {
        std::uint64_t word;
        std::memcpy(&word, data + i, sizeof word);
        if (word != kAllSync) break;
        i += sizeof word;
    }
    while (i < size && data[i] == kSyncByte) ++i;
    return i;
}

// The byte-by-byte search: single bytes are taken until a sync byte; the byte after it is taken
// with it, and unless that pair opens a header both are used up. So in a run of sync bytes they
// pair up among themselves, and only the last one of an odd run pairs with the byte after the
// run. Returns where the first pair that opens a header starts; the caller still needs its four
// bytes.
std::optional<std::uint64_t> FindHeaderStart(ByteSource& source, std::uint64_t offset) {
    bool syncAtViewEnd = false;
    for (;;) {
        const auto view = source.View(offset);
        if (view.empty()) return std::nullopt;
        const std::size_t size = view.size();
        std::size_t i = 0;
        if (syncAtViewEnd) {
            if (IsSecondHeaderByte(view[0])) return offset - 1;
            syncAtViewEnd = false;
            i = 1;
        }
        while (i < size) {
            if (view[i] != kSyncByte) {
                const void* sync = std::memchr(view.data() + i, kSyncByte, size - i);
                if (sync == nullptr) {
                    i = size;
                    break;
                }
                i = static_cast<std::size_t>(static_cast<const std::uint8_t*>(sync) - view.data());
            }
            const std::size_t runEnd = SyncRunEnd(view.data(), i, size);
            const bool lastSyncUnpaired = (runEnd - i) % 2 != 0;
            i = runEnd;
            if (!lastSyncUnpaired) continue;
            if (runEnd == size) {
                syncAtViewEnd = true;
                break;
            }
            if (IsSecondHeaderByte(view[runEnd])) return offset + runEnd - 1;
            i = runEnd + 1;
        }
        offset += i;
    }
}

}  // namespace

std::int16_t MP3Utils::BitRate() const {
    return kBitRates[intBitRateIndex_ & kBitRateMask];
}
std::int16_t MP3Utils::ChannelMode() const {
    return intChannelMode_;
}
bool MP3Utils::CRC() const {
    return bCRC_;
}
const std::string& MP3Utils::MP3File() const {
    return sMP3FileName_;
}
std::int32_t MP3Utils::SamplingFrequency() const {
    return kSamplingFrequencies[intSamplingFrequencyIndex_ & kSamplingMask];
}
bool MP3Utils::Stereo() const {
    return bStereo_;
}
bool MP3Utils::VBR() const {
    return bVBR_;
}
const std::string& MP3Utils::OpenError() const {
    return sOpenError_;
}

bool MP3Utils::MP3File(const std::string& sMP3FileName) {
    FileByteSource source;
    const bool opened = source.Open(sMP3FileName);
    sOpenError_ = opened ? std::string() : source.Error();
    if (opened) Scan(source);
    sMP3FileName_ = sMP3FileName;
    return opened;
}

void MP3Utils::ScanBytes(std::span<const std::uint8_t> bytes) {
    MemoryByteSource source(bytes);
    Scan(source);
}

void MP3Utils::Scan(ByteSource& source) {
    bVBR_ = false;
    bool found = false;
    bool padding = false;
    int frameCounter = 0;
    std::uint8_t h[kHeaderSize];
    std::uint64_t headerStart = 0;
    bool complete = ReadAt(source, headerStart, h, kHeaderSize) == kHeaderSize;
    while (complete) {
        if (IsHeader(h)) {
            found = true;
            padding = ((h[2] >> kPaddingShift) & kPaddingMask) != 0;
            const bool goOn = StoreHeader(h, frameCounter);
            ++frameCounter;
            if (!goOn || frameCounter >= kMaxHeaders) break;
        }
        if (!found) {
            const auto start = FindHeaderStart(source, headerStart + kHeaderSize);
            if (!start) break;
            headerStart = *start;
        } else {
            headerStart += static_cast<std::uint64_t>(FrameLength(padding));
        }
        complete = ReadAt(source, headerStart, h, kHeaderSize) == kHeaderSize;
    }
}

// Stores what one recognised header says; false when the walk must end here.
bool MP3Utils::StoreHeader(const std::uint8_t* h, int frameCounter) {
    intPrevBitRateIndex_ = intBitRateIndex_;
    intBitRateIndex_ = static_cast<std::int16_t>((h[2] >> kBitRateShift) & kBitRateMask);
    if (frameCounter != 0) {
        if (intPrevBitRateIndex_ != intBitRateIndex_) {
            bVBR_ = true;
            return false;
        }
        return true;
    }
    intChannelMode_ = static_cast<std::int16_t>((h[3] >> kChannelModeShift) & kChannelModeMask);
    bStereo_ = intChannelMode_ != kSingleChannel;
    bCRC_ = (h[1] & kProtectionMask) != 0;
    intSamplingFrequencyIndex_ =
        static_cast<std::int16_t>((h[2] >> kSamplingShift) & kSamplingMask);
    // The reserved frequency gives no frame length, so there is nowhere to walk to.
    return SamplingFrequency() != 0;
}

// Rounded down to whole bytes; 64-bit, so no header can overflow it.
std::int64_t MP3Utils::FrameLength(bool padding) const {
    const std::int64_t frequency = SamplingFrequency();
    if (frequency == 0) return 0;
    return kBytesPerFrameFactor * BitRate() * kBitsPerKilobit / frequency + (padding ? 1 : 0);
}

const char* ChannelModeName(std::int16_t channelMode) {
    static constexpr const char* kNames[] = {"stereo", "joint stereo", "dual channel",
                                             "single channel"};
    return channelMode >= 0 && channelMode < std::ssize(kNames) ? kNames[channelMode] : "unknown";
}
