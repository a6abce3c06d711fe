#include "MP3Utils.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "ByteSource.h"
#include "FileByteSource.h"
#include "FileIo.h"
#include "Id3v2.h"
#include "UiText.h"
#include "mdlString.h"

namespace {

using tunewrap::id3::kId3;

// The four header bytes h0..h3 as they stand in the file, and where each field sits.
constexpr std::size_t kHeaderSize = 4;
constexpr std::uint8_t kSyncByte = kMpegSyncByte;  // h0: first eight sync bits

struct BitField {
    int byte;
    int shift;
    std::uint8_t mask;
    std::uint8_t Of(const std::uint8_t* h) const { return (h[byte] >> shift) & mask; }
};
constexpr BitField kSyncTail{1, 5, 0x07};  // h1 bits 7-5: last three sync bits, all set
constexpr BitField kVersion{1, 3, 0x03};
constexpr BitField kLayer{1, 1, 0x03};
constexpr BitField kProtection{1, 0, 0x01};  // 0 when a CRC follows the header
constexpr BitField kBitRateIndex{2, 4, 0x0F};
constexpr BitField kSamplingIndex{2, 2, 0x03};
constexpr BitField kPadding{2, 1, 0x01};
constexpr BitField kChannelModeBits{3, 6, 0x03};

constexpr std::uint8_t kReservedVersion = 1;
constexpr std::uint8_t kReservedLayer = 0;
constexpr std::uint8_t kForbiddenBitRateIndex = 15;
constexpr std::uint8_t kReservedSamplingIndex = 3;
constexpr std::uint8_t kCrcPresent = 0;

constexpr std::int16_t kSingleChannel = 3;
constexpr int kMaxHeaders = 10;

// kbit/s by index; 0 is free format and 15 the forbidden index, which keep values of their own.
constexpr std::int16_t kBitRates[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                        112, 128, 160, 192, 224, 256, 320, 999};
constexpr std::uint8_t kFreeFormatIndex = 0;
struct SpecialBitRate {
    std::int16_t bitRate;
    const char* name;
};
constexpr SpecialBitRate kSpecialBitRates[] = {
    {kBitRates[kFreeFormatIndex], TW_TRANSLATE_NOOP("MP3Utils", "free format")},
    //: a bit rate the header forbids
    {kBitRates[kForbiddenBitRateIndex], TW_TRANSLATE_NOOP("MP3Utils", "invalid")}};
// Hz by index; 3 is reserved.
constexpr std::int32_t kSamplingFrequencies[4] = {44100, 48000, 32000, 0};

// Names by field value; the reserved values never get this far.
constexpr const char* kVersionNames[4] = {"MPEG-2.5", "", "MPEG-2", "MPEG-1"};
constexpr const char* kLayerNames[4] = {"", TW_TRANSLATE_NOOP("MP3Utils", "Layer III"),
                                        TW_TRANSLATE_NOOP("MP3Utils", "Layer II"),
                                        TW_TRANSLATE_NOOP("MP3Utils", "Layer I")};

// A Layer III frame carries 1152 samples: 1152 / 8 bits = 144 bytes per bit/s per Hz.
constexpr std::int64_t kBytesPerFrameFactor = 144;
constexpr std::int64_t kBitsPerKilobit = 1000;

// The information tag an encoder puts into the first frame instead of audio. Xing and Info
// (LAME's name for a constant bit rate) follow the side information, whose size depends on the
// channel mode, also when the frame carries a CRC; VBRI always sits at the same place.
constexpr std::uint64_t kSideInfoSize[4] = {32, 32, 32, 17};  // bytes, by channel mode
constexpr std::uint64_t kVbriAfterHeader = 32;
constexpr std::size_t kTagIdSize = 4;
// The frame count follows at `framesAt` after the id; Xing and Info have it only when their flags
// (the word after the id) say so.
struct InformationTag {
    char id[kTagIdSize + 1];
    bool afterSideInfo;
    bool variable;
    std::uint64_t framesAt;
    bool flagged;
};
constexpr InformationTag kInformationTags[] = {{"Xing", true, true, 8, true},
                                               {"Info", true, false, 8, true},
                                               {"VBRI", false, true, 14, false}};
constexpr std::uint8_t kFramesFlag = 0x01;  // in the flags' last byte

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | bytes[3];
}

bool IsMpeg1Layer3(const std::uint8_t* h) {
    return kSyncTail.Of(h) == kSyncTail.mask &&
           kVersion.Of(h) == static_cast<std::uint8_t>(MpegVersion::Mpeg1) &&
           kLayer.Of(h) == static_cast<std::uint8_t>(MpegLayer::Layer3);
}

bool IsSecondHeaderByte(std::uint8_t h1) {
    const std::uint8_t h[] = {kSyncByte, h1};
    return IsMpeg1Layer3(h);
}

bool IsHeader(const std::uint8_t* h) {
    return h[0] == kSyncByte && IsSecondHeaderByte(h[1]);
}

// End of the run of sync bytes that starts at `i`; a word at a time, as files of nothing but
// sync bytes exist.
std::size_t SyncRunEnd(const std::uint8_t* data, std::size_t i, std::size_t size) {
    constexpr std::uint64_t kAllSync = ~std::uint64_t{0};
    // Four words at a time first, which the compiler turns into vector instructions.
    constexpr std::size_t kWords = 4;
    while (i + kWords * sizeof kAllSync <= size) {
        std::uint64_t words[kWords];
        std::memcpy(words, data + i, sizeof words);
        if ((words[0] & words[1] & words[2] & words[3]) != kAllSync) break;
        i += sizeof words;
    }
    while (i + sizeof kAllSync <= size) {
        std::uint64_t word;
        std::memcpy(&word, data + i, sizeof word);
        if (word != kAllSync) break;
        i += sizeof word;
    }
    while (i < size && data[i] == kSyncByte) ++i;
    return i;
}

// A header of any MPEG audio with no reserved or forbidden field.
bool IsValidHeader(const std::uint8_t* h) {
    return h[0] == kSyncByte && kSyncTail.Of(h) == kSyncTail.mask &&
           kVersion.Of(h) != kReservedVersion && kLayer.Of(h) != kReservedLayer &&
           kBitRateIndex.Of(h) != kForbiddenBitRateIndex &&
           kSamplingIndex.Of(h) != kReservedSamplingIndex;
}

struct HeaderAt {
    std::uint64_t offset;
    MpegAudio audio;
};

// The first valid header of any MPEG version and layer that starts in `view`, which starts at
// `offset`. Reading a header's bytes may read on past the view, which then must not be used again.
std::optional<HeaderAt> ValidHeaderIn(ByteSource& source, std::uint64_t offset,
                                      std::span<const std::uint8_t> view) {
    const std::size_t size = view.size();
    for (std::size_t i = 0; i < size; ++i) {
        const void* sync = std::memchr(view.data() + i, kSyncByte, size - i);
        if (sync == nullptr) break;
        i = static_cast<std::size_t>(static_cast<const std::uint8_t*>(sync) - view.data());
        // Within a run of sync bytes the bit-rate index would be the forbidden one: only the last
        // two of a run can start a header.
        const std::size_t runEnd = SyncRunEnd(view.data(), i, size);
        i = std::max(i, runEnd - std::min<std::size_t>(runEnd, 2));
        std::uint8_t h[kHeaderSize];
        if (ReadBytesAt(source, offset + i, h, kHeaderSize) < kHeaderSize) return std::nullopt;
        if (IsValidHeader(h)) {
            return HeaderAt{offset + i,
                            {true, static_cast<MpegVersion>(kVersion.Of(h)),
                             static_cast<MpegLayer>(kLayer.Of(h))}};
        }
    }
    return std::nullopt;
}

// The byte-by-byte search, from `offset + skip` on: single bytes are taken until a sync byte; the
// byte after it is taken with it, and unless that pair opens a header both are used up. So in a
// run of sync bytes they pair up among themselves, and only the last one of an odd run pairs with
// the byte after the run. Returns where the first pair that opens a header starts; the caller
// still needs its four bytes. The same pass looks for the first valid header of any kind from
// `offset` on, into `valid` until one is found: a file without headers is read once, not twice.
// What it finds in the pair's view past the pair does not matter, as audio of another kind
// matters only before the pair.
std::optional<std::uint64_t> FindHeaderStart(ByteSource& source, std::uint64_t offset,
                                             std::size_t skip, std::optional<HeaderAt>& valid) {
    bool syncAtViewEnd = false;
    std::optional<std::uint64_t> start;
    while (!start) {
        const auto view = source.View(offset);
        if (view.empty()) return std::nullopt;
        const std::size_t size = view.size();
        std::size_t i = std::min(skip, size);
        skip -= i;
        if (syncAtViewEnd) {
            if (IsSecondHeaderByte(view[0])) start = offset - 1;
            syncAtViewEnd = false;
            i = 1;
        }
        while (!start && i < size) {
            if (view[i] != kSyncByte) {
                const void* sync = std::memchr(view.data() + i, kSyncByte, size - i);
                if (sync == nullptr) break;
                i = static_cast<std::size_t>(static_cast<const std::uint8_t*>(sync) - view.data());
            }
            const std::size_t runEnd = SyncRunEnd(view.data(), i, size);
            const bool lastSyncUnpaired = (runEnd - i) % 2 != 0;
            i = runEnd;
            if (!lastSyncUnpaired) continue;
            if (runEnd == size) {
                syncAtViewEnd = true;
            } else if (IsSecondHeaderByte(view[runEnd])) {
                start = offset + runEnd - 1;
            } else {
                i = runEnd + 1;
            }
        }
        // Last, as it may read past the view.
        if (!valid) valid = ValidHeaderIn(source, offset, view);
        offset += size;
    }
    return start;
}

struct TagSays {
    bool variable;
    std::uint32_t frames;  // 0 when the tag does not count them
};

// What the first frame's information tag says of the bit rate (variable or constant) and of the
// frames, or nothing without a tag.
std::optional<TagSays> ReadInformationTag(ByteSource& source, std::uint64_t frameStart,
                                          std::int16_t channelMode) {
    for (const InformationTag& tag : kInformationTags) {
        const std::uint64_t at =
            frameStart + kHeaderSize +
            (tag.afterSideInfo ? kSideInfoSize[channelMode] : kVbriAfterHeader);
        std::uint8_t id[kTagIdSize];
        if (ReadBytesAt(source, at, id, kTagIdSize) < kTagIdSize ||
            std::memcmp(id, tag.id, kTagIdSize) != 0) {
            continue;
        }
        std::uint8_t flags[4], frames[4];
        const bool counted =
            (!tag.flagged || (ReadBytesAt(source, at + kTagIdSize, flags, 4) == 4 &&
                              (flags[3] & kFramesFlag) != 0)) &&
            ReadBytesAt(source, at + tag.framesAt, frames, 4) == 4;
        return TagSays{tag.variable, counted ? BigEndian32(frames) : 0};
    }
    return std::nullopt;
}

}  // namespace

std::uint64_t AudioStart(ByteSource& source) {
    std::uint64_t start = 0;
    std::uint8_t tag[kId3.size];
    while (ReadBytesAt(source, start, tag, kId3.size) == kId3.size &&
           std::memcmp(tag, kId3.magic, sizeof kId3.magic) == 0 &&
           tag[kId3.versionAt] != kSyncByte && tag[kId3.versionAt + 1] != kSyncByte) {
        std::uint64_t size = 0;
        for (std::size_t i = kId3.sizeAt; i < kId3.sizeAt + kId3.sizeBytes; ++i) {
            if ((tag[i] & kId3.spareSizeBit) != 0) return start;  // not a tag after all
            size = (size << kId3.bitsPerSizeByte) | tag[i];
        }
        const bool footer = (tag[kId3.flagsAt] & kId3.footerFlag) != 0;
        start += kId3.size + size + (footer ? kId3.size : 0);
    }
    return start;
}

std::int16_t MP3Utils::BitRate() const {
    return kBitRates[intBitRateIndex_ & kBitRateIndex.mask];
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
    return kSamplingFrequencies[intSamplingFrequencyIndex_ & kSamplingIndex.mask];
}
bool MP3Utils::Stereo() const {
    return bStereo_;
}
bool MP3Utils::VBR() const {
    return bVBR_;
}
std::uint32_t MP3Utils::FrameCount() const {
    return frameCount_;
}
std::uint64_t MP3Utils::FirstFrame() const {
    return firstFrame_;
}
MpegAudio MP3Utils::Audio() const {
    return audio_;
}
const std::string& MP3Utils::OpenError() const {
    return sOpenError_;
}

bool MP3Utils::MP3File(const std::string& sMP3FileName) {
    platform::ReadOnlyFile file(sMP3FileName);
    FileByteSource source(file);
    const bool opened = source.Error().empty();
    sOpenError_ = source.Error();
    if (opened) Scan(source);
    sMP3FileName_ = sMP3FileName;
    return opened;
}

void MP3Utils::Scan(ByteSource& source) {
    bVBR_ = false;
    audio_ = {};
    frameCount_ = 0;
    firstFrame_ = 0;
    const std::uint64_t audioStart = AudioStart(source);
    // Audio of another kind that comes first: any MPEG-1 Layer III header further on is a false
    // one inside its data.
    std::optional<HeaderAt> other;
    std::optional<TagSays> tagSays;
    bool found = false;
    bool padding = false;
    int frameCounter = 0;
    std::uint8_t h[kHeaderSize];
    std::uint64_t headerStart = audioStart;
    bool complete = ReadBytesAt(source, headerStart, h, kHeaderSize) == kHeaderSize;
    while (complete) {
        if (IsHeader(h)) {
            if (!found && other && other->offset < headerStart) break;
            found = true;
            padding = kPadding.Of(h) != 0;
            const bool goOn = StoreHeader(h, frameCounter);
            if (frameCounter == 0) {
                audio_ = kMpeg1Layer3Audio;
                firstFrame_ = headerStart;
                tagSays = ReadInformationTag(source, headerStart, intChannelMode_);
            }
            ++frameCounter;
            if (!goOn || frameCounter >= kMaxHeaders) break;
        }
        if (!found) {
            // Once only, from the audio's start: the header found next is taken.
            const auto start = FindHeaderStart(source, headerStart, kHeaderSize, other);
            if (other && other->audio.IsMpeg1Layer3()) other.reset();
            if (!start) break;
            headerStart = *start;
        } else {
            headerStart += static_cast<std::uint64_t>(FrameLength(padding));
        }
        complete = ReadBytesAt(source, headerStart, h, kHeaderSize) == kHeaderSize;
    }
    if (!found && other) audio_ = other->audio;
    if (tagSays) {
        bVBR_ = tagSays->variable;
        frameCount_ = tagSays->frames;
    }
}

// Stores what one recognised header says; false when the walk must end here.
bool MP3Utils::StoreHeader(const std::uint8_t* h, int frameCounter) {
    intPrevBitRateIndex_ = intBitRateIndex_;
    intBitRateIndex_ = kBitRateIndex.Of(h);
    if (frameCounter != 0) {
        if (intPrevBitRateIndex_ != intBitRateIndex_) {
            bVBR_ = true;
            return false;
        }
        return true;
    }
    intChannelMode_ = kChannelModeBits.Of(h);
    bStereo_ = intChannelMode_ != kSingleChannel;
    bCRC_ = kProtection.Of(h) == kCrcPresent;
    intSamplingFrequencyIndex_ = kSamplingIndex.Of(h);
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
    static constexpr const char* kNames[] = {TW_TRANSLATE_NOOP("MP3Utils", "stereo"),
                                             TW_TRANSLATE_NOOP("MP3Utils", "joint stereo"),
                                             TW_TRANSLATE_NOOP("MP3Utils", "dual channel"),
                                             TW_TRANSLATE_NOOP("MP3Utils", "single channel")};
    return channelMode >= 0 && channelMode < std::ssize(kNames)
               ? kNames[channelMode]
               : TW_TRANSLATE_NOOP("MP3Utils", "unknown");
}

std::string MpegAudioName(const MpegAudio& audio) {
    if (!audio.found) return platform::Tr("MP3Utils", "none found");
    return std::string(MpegVersionName(audio.version)) + " " +
           platform::Tr("MP3Utils", MpegLayerName(audio.layer));
}
const char* MpegVersionName(MpegVersion version) {
    return kVersionNames[static_cast<std::uint8_t>(version) & kVersion.mask];
}
const char* MpegLayerName(MpegLayer layer) {
    return kLayerNames[static_cast<std::uint8_t>(layer) & kLayer.mask];
}

std::string BitRateText(std::int16_t bitRate, const char* unit) {
    for (const SpecialBitRate& special : kSpecialBitRates) {
        if (special.bitRate == bitRate) return platform::Tr("MP3Utils", special.name);
    }
    return mdlString::TrimmedStr(std::int32_t{bitRate}) + " " + unit;
}
