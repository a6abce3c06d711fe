#pragma once
#include <cstdint>
#include <span>

#include "ByteSource.h"
#include "MP3Utils.h"

// Scans bytes already in memory, all in one view.
inline void ScanBytes(MP3Utils& reader, std::span<const std::uint8_t> bytes) {
    struct Memory final : ByteSource {
        std::span<const std::uint8_t> bytes;
        std::span<const std::uint8_t> View(std::uint64_t offset) override {
            return offset < bytes.size() ? bytes.subspan(offset) : std::span<const std::uint8_t>{};
        }
    } source;
    source.bytes = bytes;
    reader.Scan(source);
}
