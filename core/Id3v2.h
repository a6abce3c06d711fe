#pragma once
#include <cstddef>
#include <cstdint>

// ID3v2 tags as they stand in front of an MP3's audio.
namespace tunewrap::id3 {

// The header of an ID3v2 tag: "ID3", two version bytes (never 0xFF), flags, then the tag's size
// in four bytes of seven bits each, counting neither this header nor the footer (of the same
// size) that a flag announces.
struct Id3v2Header {
    std::uint8_t magic[3];
    std::size_t size;
    std::size_t versionAt;
    std::size_t flagsAt;
    std::uint8_t footerFlag;
    std::size_t sizeAt;
    std::size_t sizeBytes;
    int bitsPerSizeByte;
    std::uint8_t spareSizeBit;  // clear in every size byte
};
inline constexpr Id3v2Header kId3{{'I', 'D', '3'}, 10, 3, 5, 0x10, 6, 4, 7, 0x80};
// Tag header flags, by version: the whole tag unsynchronised (2.2, 2.3), an extended header
// after the tag header (2.3, 2.4).
inline constexpr std::uint8_t kUnsynchronisedFlag = 0x80;
inline constexpr std::uint8_t kExtendedHeaderFlag = 0x40;

}  // namespace tunewrap::id3
