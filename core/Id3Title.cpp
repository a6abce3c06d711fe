#include "Id3Title.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "ByteSource.h"
#include "Id3v2.h"

namespace tunewrap {
namespace {

using id3::kId3;

// How each major version lays out a frame header: the id, the size (plain or seven bits to the
// byte), the flags.
struct FrameLayout {
    std::uint8_t version;
    const char* titleId;
    std::size_t idBytes;
    std::size_t sizeBytes;
    bool syncSafeSize;
    std::size_t headerBytes;
    // The second flags byte: frames the title cannot be read from, its own unsynchronisation,
    // and a data-length field in front of the data.
    std::uint8_t unreadableFlags;
    std::uint8_t unsynchronisedFlag;
    std::uint8_t dataLengthFlag;
};
constexpr FrameLayout kLayouts[] = {
    {2, "TT2", 3, 3, false, 6, 0x00, 0x00, 0x00},
    {3, "TIT2", 4, 4, false, 10, 0xC0, 0x00, 0x00},  // compressed, encrypted
    {4, "TIT2", 4, 4, true, 10, 0x0C, 0x02, 0x01},   // compressed, encrypted
};
// A title larger than this is no title but damage.
constexpr std::uint32_t kLongestTitleFrame = 64 * 1024;

enum Encoding : std::uint8_t { kLatin1 = 0, kUtf16WithBom = 1, kUtf16BigEndian = 2, kUtf8 = 3 };

std::uint32_t Number(const std::uint8_t* bytes, std::size_t count, bool syncSafe) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = (value << (syncSafe ? kId3.bitsPerSizeByte : 8)) | bytes[i];
    return value;
}

void AppendUtf8(std::string& text, std::uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string FromUtf16(const std::uint8_t* data, std::size_t size, bool bigEndian) {
    constexpr std::uint32_t kReplacement = 0xFFFD;
    std::string text;
    std::uint32_t high = 0;  // a lead surrogate waiting for its trail
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint32_t unit =
            bigEndian ? (data[i] << 8 | data[i + 1]) : (data[i + 1] << 8 | data[i]);
        if (unit == 0) break;
        const bool lead = unit >= 0xD800 && unit < 0xDC00, trail = unit >= 0xDC00 && unit < 0xE000;
        if (high != 0 && !trail) AppendUtf8(text, kReplacement);
        if (lead) {
            high = unit;
        } else if (trail) {
            AppendUtf8(text, high != 0 ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00)
                                       : kReplacement);
            high = 0;
        } else {
            AppendUtf8(text, unit);
            high = 0;
        }
    }
    if (high != 0) AppendUtf8(text, kReplacement);
    return text;
}

std::string DecodeText(const std::vector<std::uint8_t>& data) {
    if (data.empty()) return {};
    const std::uint8_t* text = data.data() + 1;
    const std::size_t size = data.size() - 1;
    switch (data[0]) {
        case kLatin1: {
            std::string utf8;
            for (std::size_t i = 0; i < size && text[i] != 0; ++i) AppendUtf8(utf8, text[i]);
            return utf8;
        }
        case kUtf16WithBom: {
            const bool bom = size >= 2 && ((text[0] == 0xFE && text[1] == 0xFF) ||
                                           (text[0] == 0xFF && text[1] == 0xFE));
            return bom ? FromUtf16(text + 2, size - 2, text[0] == 0xFE)
                       : FromUtf16(text, size, false);
        }
        case kUtf16BigEndian:
            return FromUtf16(text, size, true);
        case kUtf8: {
            std::string utf8(reinterpret_cast<const char*>(text), size);
            return utf8.substr(0, utf8.find('\0'));
        }
    }
    return {};
}

// Undoes unsynchronisation: every 0xFF 0x00 was 0xFF.
void Resynchronise(std::vector<std::uint8_t>& data) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[kept++] = data[i];
        if (data[i] == 0xFF && i + 1 < data.size() && data[i + 1] == 0x00) ++i;
    }
    data.resize(kept);
}

}  // namespace

std::string Id3v2Title(ByteSource& source) {
    std::uint8_t tag[kId3.size];
    if (ReadBytesAt(source, 0, tag, kId3.size) != kId3.size ||
        std::memcmp(tag, kId3.magic, sizeof kId3.magic) != 0)
        return {};
    const FrameLayout* layout = nullptr;
    for (const FrameLayout& known : kLayouts) {
        if (known.version == tag[kId3.versionAt]) layout = &known;
    }
    const std::uint8_t flags = tag[kId3.flagsAt];
    if (layout == nullptr || (layout->version < 4 && (flags & id3::kUnsynchronisedFlag) != 0))
        return {};
    const std::uint64_t end = kId3.size + Number(tag + kId3.sizeAt, kId3.sizeBytes, true);
    std::uint64_t at = kId3.size;
    if (layout->version > 2 && (flags & id3::kExtendedHeaderFlag) != 0) {
        std::uint8_t size[4];
        if (ReadBytesAt(source, at, size, 4) != 4) return {};
        // Version 2.3 counts the extended header without its size field, 2.4 with it.
        at += layout->version == 3 ? 4 + Number(size, 4, false) : Number(size, 4, true);
    }
    std::uint8_t header[10];
    while (at + layout->headerBytes <= end &&
           ReadBytesAt(source, at, header, layout->headerBytes) == layout->headerBytes &&
           header[0] != 0) {  // padding
        const std::uint32_t size =
            Number(header + layout->idBytes, layout->sizeBytes, layout->syncSafeSize);
        at += layout->headerBytes;
        if (std::memcmp(header, layout->titleId, layout->idBytes) != 0) {
            at += size;
            continue;
        }
        const std::uint8_t format = layout->headerBytes == 10 ? header[9] : 0;
        if ((format & layout->unreadableFlags) != 0 || size > kLongestTitleFrame) return {};
        std::vector<std::uint8_t> data(size);
        if (ReadBytesAt(source, at, data.data(), size) != size) return {};
        if ((format & layout->unsynchronisedFlag) != 0 ||
            (layout->version == 4 && (flags & id3::kUnsynchronisedFlag) != 0))
            Resynchronise(data);
        if ((format & layout->dataLengthFlag) != 0)
            data.erase(data.begin(), data.begin() + std::min<std::size_t>(4, data.size()));
        return DecodeText(data);
    }
    return {};
}

}  // namespace tunewrap
