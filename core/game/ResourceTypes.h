#pragma once
#include <cstddef>
#include <cstdint>

// The game's resource-type numbers and name rules, as its archives and key files store them.
namespace tunewrap::game {

inline constexpr std::uint16_t kResourceTypeWav = 4;
inline constexpr std::uint16_t kResourceTypeBmu = 8;
inline constexpr std::uint16_t kResourceType2da = 2017;

// The file extension each type has outside an archive.
struct ResourceTypeName {
    std::uint16_t type;
    const char* extension;
};
inline constexpr ResourceTypeName kResourceTypeNames[] = {
    {kResourceTypeWav, "wav"}, {kResourceTypeBmu, "bmu"}, {kResourceType2da, "2da"}};

// A resource name (ResRef) is 1 to this many characters; archives store it zero-padded to it.
inline constexpr std::size_t kResRefMaxLength = 16;

}  // namespace tunewrap::game
