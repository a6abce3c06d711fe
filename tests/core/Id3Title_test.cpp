#include "Id3Title.h"

#include <gtest/gtest.h>

#include "ByteSource.h"

namespace {

using namespace std::string_literals;

std::string SyncSafe(std::size_t size) {
    return {static_cast<char>(size >> 21 & 0x7F), static_cast<char>(size >> 14 & 0x7F),
            static_cast<char>(size >> 7 & 0x7F), static_cast<char>(size & 0x7F)};
}
std::string Plain(std::size_t size, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>(size >> (8 * i) & 0xFF);
    return out;
}
// A frame as the tag's major version writes it; `format` is its second flags byte.
std::string Frame(int version, const std::string& id, const std::string& data, char format = 0) {
    if (version == 2) return id + Plain(data.size(), 3) + data;
    return id + (version == 4 ? SyncSafe(data.size()) : Plain(data.size(), 4)) + '\0' + format +
           data;
}
std::string Tag(int version, const std::string& frames, char flags = 0) {
    return "ID3" + std::string{static_cast<char>(version), '\0', flags} + SyncSafe(frames.size()) +
           frames;
}
// Gives the bytes a few at a time, as a file read in small pieces would.
std::string Title(const std::string& bytes) {
    struct Pieces final : ByteSource {
        const std::string* bytes;
        std::span<const std::uint8_t> View(std::uint64_t offset) override {
            if (offset >= bytes->size()) return {};
            return {reinterpret_cast<const std::uint8_t*>(bytes->data()) + offset,
                    std::min<std::size_t>(7, bytes->size() - offset)};
        }
    } source;
    source.bytes = &bytes;
    return tunewrap::Id3v2Title(source);
}

TEST(Id3v2Title, EachVersionAndEncodingAndWhatIsNoTitle) {
    const std::string cover = Frame(3, "APIC", std::string(70000, '\xFF'));  // full of sync bytes
    const std::string utf16le("\x01\xFF\xFEH\0\xE9\0\x3D\xD8\x35\xDE\0\0x\0", 15);  // H é 😵
    const struct {
        std::string tag;
        std::string title;
    } cases[] = {
        {Tag(3, cover + Frame(3, "TIT2", "\0Harbour \xE9\0Other"s, 0)), "Harbour \xC3\xA9"},
        {Tag(4, Frame(4, "TPE1", "\3x") + Frame(4, "TIT2", "\3Nacht\0Zwei"s)), "Nacht"},
        {Tag(2, Frame(2, "TT2", "\0Old"s)), "Old"},
        // Extended headers: 2.3 counts its size without the size field, 2.4 with it.
        {Tag(3, Plain(6, 4) + std::string(6, '\0') + Frame(3, "TIT2", "\0Ext"s), 0x40), "Ext"},
        {Tag(4, SyncSafe(6) + "\1\0"s + Frame(4, "TIT2", "\0Ext4"s), 0x40), "Ext4"},
        {Tag(3, Frame(3, "TIT2", utf16le)), "H\xC3\xA9\xF0\x9F\x98\xB5"},
        {Tag(4, Frame(4, "TIT2", std::string("\2\0A\xD8\x3D", 5))), "A\xEF\xBF\xBD"},
        // Unsynchronised in the frame (2.4): FF 00 was FF; a data length goes first.
        {Tag(4, Frame(4, "TIT2", std::string("\0\0\0\4\0\xFF\0\x41", 8), 0x03)),
         "\xC3\xBF"
         "A"},
        {Tag(3, Frame(3, "TIT2", "\0Squeezed"s, '\x80')), ""},           // compressed
        {Tag(3, Frame(3, "TIT2", "\0Old way"s), '\x80'), ""},            // whole tag unsynchronised
        {Tag(3, std::string(10, '\0') + Frame(3, "TIT2", "\0x"s)), ""},  // after the padding
        {Tag(3, Frame(3, "TIT2", "\0Cut off"s)).substr(0, 20), ""},
        {Tag(5, Frame(4, "TIT2", "\3Future")), ""},
        {"\xFF\xFB\x90\x00", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Title(c.tag), c.title) << c.tag.substr(0, 40);
}

}  // namespace
