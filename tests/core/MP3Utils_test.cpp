#include "MP3Utils.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <tuple>
#include <vector>

#include "FileByteSource.h"
#include "common/CoverTag.h"
#include "common/MemoryByteSource.h"
#include "common/ScratchHome.h"

namespace {

// BitRate, SamplingFrequency, ChannelMode, Stereo, VBR, CRC, and the audio found
using Values = std::tuple<int, int, int, bool, bool, bool, std::string>;
const std::string k13 = "MPEG-1 Layer III";
const Values kNewReader{0, 44100, 0, false, false, false, "none"};

Values Of(const MP3Utils& r) {
    return {r.BitRate(),
            r.SamplingFrequency(),
            r.ChannelMode(),
            r.Stereo(),
            r.VBR(),
            r.CRC(),
            r.Audio().found ? MpegAudioName(r.Audio()) : "none"};
}
Values Scan(const Bytes& bytes) {
    MP3Utils reader;
    ScanBytes(reader, bytes);
    return Of(reader);
}
// One frame: the header, then zeros up to `length` bytes.
Bytes Frame(std::uint8_t h1, std::uint8_t h2, std::uint8_t h3, std::size_t length) {
    Bytes frame(length, 0);
    frame[0] = 0xFF, frame[1] = h1, frame[2] = h2, frame[3] = h3;
    return frame;
}
Bytes operator*(const Bytes& frame, int times) {
    Bytes out;
    while (times-- > 0) out = out + frame;
    return out;
}
const Bytes k128 = Frame(0xFB, 0x90, 0x40, 417);  // 128 kbit/s, 44.1 kHz, joint stereo
const Bytes k192 = Frame(0xFB, 0xB0, 0x40, 626);
const Bytes kLone{0xFF, 0xFB, 0x90, 0x00}, kZeros4(4, 0);

// A frame carrying an information tag `id` at `at`, as an encoder puts it into the first frame.
Bytes Tagged(Bytes frame, std::size_t at, const char* id) {
    std::copy(id, id + 4, frame.begin() + static_cast<std::ptrdiff_t>(at));
    return frame;
}

TEST(MP3UtilsScan, WhatTheSearchAndTheWalkFind) {
    const Bytes tag{'I', 'D', '3', 3, 0, 0, 0, 0, 0, 6, 'a', 'b', 'c', 'd', 'e', 'f'};
    const Bytes tagWithSync{'I', 'D', '3', 3, 0, 0, 0, 0, 0, 6, 0xFF, 0xFA, 0xB0, 0xC0, 0, 0};
    const Bytes withFooter{'I', 'D', '3', 4, 0, 0x10, 0, 0, 0, 1, 'a',
                           '3', 'D', 'I', 4, 0, 0x10, 0, 0, 0, 1};
    const Bytes mono96 = Frame(0xFB, 0x70, 0xC0, 313);
    const std::pair<Bytes, Values> cases[] = {
        {kLone, {128, 44100, 0, true, false, false, k13}},
        {{}, kNewReader},
        {{0xFF, 0xFB, 0x90}, kNewReader},                          // short of four bytes
        {Bytes{0} + kLone, kNewReader},                            // search starts at byte five
        {kZeros4 + Bytes{0xFF, 0xFF, 0xFB, 0x90, 0}, kNewReader},  // first FF takes the second
        {kZeros4 + Bytes{0xFF, 0xFB, 0x90}, kNewReader},           // pair found, header cut short
        // Other MPEG audio is named, and false MPEG-1 Layer III headers in its data are ignored.
        {Frame(0xF3, 0x90, 0x40, 209) * 5, {0, 44100, 0, false, false, false, "MPEG-2 Layer III"}},
        {Frame(0xFD, 0x90, 0x40, 417) * 5 + k192,
         {0, 44100, 0, false, false, false, "MPEG-1 Layer II"}},
        {Bytes(9, 0) + Frame(0xE2, 0x90, 0, 9) + k128,
         {0, 44100, 0, false, false, false, "MPEG-2.5 Layer III"}},
        {Bytes{0xFF, 0xF2, 0xF0, 0} + k128 * 3,
         {128, 44100, 1, true, false, false, k13}},  // invalid
        // An odd run of FF before FB leaves the last FF to start a pair; an even run eats it.
        {kZeros4 + Bytes{0xFF, 0xFF, 0xFF, 0xFB, 0xB0, 0},
         {192, 44100, 0, true, false, false, k13}},
        {kZeros4 + Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFB, 0xB0, 0}, kNewReader},
        // ID3v2 tags are skipped by their sizes, also two in a row: sync pairs inside don't count.
        {tag + k128 * 3, {128, 44100, 1, true, false, false, k13}},
        {withFooter + tagWithSync + k128 * 3, {128, 44100, 1, true, false, false, k13}},
        {Frame(0xFA, 0x94, 0x80, 384) * 10, {128, 48000, 2, true, false, true, k13}},
        {Bytes{0xFF, 0xFB, 0xF0, 0}, {999, 44100, 0, true, false, false, k13}},
        // A bit rate change means VBR, ends the walk, and only ten headers are looked at.
        {k128 + k192 + k128, {192, 44100, 1, true, true, false, k13}},
        {k128 * 9 + k192, {192, 44100, 1, true, true, false, k13}},
        {k128 * 10 + k192, {128, 44100, 1, true, false, false, k13}},
        // Unless the first frame's tag says otherwise, where the side information ends (by
        // channel mode) or, for VBRI, at a fixed place.
        {Tagged(k128, 36, "Xing") * 3, {128, 44100, 1, true, true, false, k13}},
        {Tagged(mono96, 21, "Xing") * 3, {96, 44100, 3, false, true, false, k13}},
        {Tagged(k128, 36, "VBRI") * 3, {128, 44100, 1, true, true, false, k13}},
        {Tagged(k128, 36, "Info") + k192, {192, 44100, 1, true, false, false, k13}},
        {Tagged(mono96, 36, "Xing") * 3, {96, 44100, 3, false, false, false, k13}},
        // Off step, the walk keeps the last real header's stride until it meets one again.
        {k128 + Bytes(417, 0) + k192, {192, 44100, 1, true, true, false, k13}},
        // Free format: length 0 reads the same header until ten are counted; padded, length 1
        // hops byte by byte. A reserved frequency has no frame length: values so far stay.
        {Bytes{0xFF, 0xFB, 0x00, 0x00}, {0, 44100, 0, true, false, false, k13}},
        {Bytes{0xFF, 0xFB, 0x02, 0, 0} + Frame(0xFB, 0x90, 0, 4),
         {128, 44100, 0, true, true, false, k13}},
        {Bytes{0xFF, 0xFB, 0x02, 0} + Bytes(5000, 0), {0, 44100, 0, true, false, false, k13}},
        {Frame(0xFB, 0x9C, 0xC0, 8) * 3, {128, 0, 3, false, false, false, k13}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(Scan(cases[i].first), cases[i].second) << i;
    MP3Utils reader;
    ScanBytes(reader, k128 + k192);
    ScanBytes(reader, Bytes(100, 0));  // reading again resets only VBR and what was found
    EXPECT_EQ(Of(reader), (Values{192, 44100, 1, true, false, false, "none"}));
}

// The tag's frame count, where each kind keeps it (Xing and Info only when their flags say so),
// and where the first frame starts.
TEST(MP3UtilsScan, InformationTagsCountFramesAndTheFirstFrameIsPlaced) {
    const auto counted = [](Bytes frame, std::size_t at, const char* id, std::size_t countAt,
                            std::uint8_t flags) {
        frame = Tagged(std::move(frame), at, id);
        frame[at + 7] = flags;
        frame[countAt] = 0x01, frame[countAt + 1] = 0x02, frame[countAt + 2] = 0x03;
        frame[countAt + 3] = 0x04;
        return frame;
    };
    for (const auto& [bytes, frames, first] : std::vector<std::tuple<Bytes, std::uint32_t, int>>{
             {counted(k128, 36, "Xing", 44, 0x01) + k128, 0x01020304, 0},
             {counted(k128, 36, "Info", 44, 0x0F) + k128, 0x01020304, 0},
             {counted(k128, 36, "Xing", 44, 0x0E) + k128, 0, 0},  // no count flagged
             {counted(k128, 36, "VBRI", 50, 0x00) + k128, 0x01020304, 0},
             {Bytes(7, 0) + k128 * 2, 0, 7},
         }) {
        MP3Utils reader;
        ScanBytes(reader, bytes);
        EXPECT_EQ(reader.FrameCount(), frames) << first;
        EXPECT_EQ(reader.FirstFrame(), std::uint64_t(first));
    }
}

TEST(MP3UtilsScan, FrameLengthLandsOnTheNextHeader) {
    // 128k/44.1k, same padded, 320k/48k, 192k/32k, forbidden index at 44.1k, 32k/44.1k padded
    for (const auto& [h2, length] : std::vector<std::pair<std::uint8_t, std::size_t>>{
             {0x90, 417}, {0x92, 418}, {0xE4, 960}, {0xB8, 864}, {0xF0, 3262}, {0x12, 105}}) {
        const Bytes second = Frame(0xFB, static_cast<std::uint8_t>(h2 ^ 0x40), 0, 8);
        EXPECT_TRUE(std::get<4>(Scan(Frame(0xFB, h2, 0, length) + second))) << length;
        EXPECT_FALSE(std::get<4>(Scan(Frame(0xFB, h2, 0, length + 1) + second))) << length;
    }
}

// Bytes without a frame header are read to the end once, not once for each kind of audio looked
// for; audio of another kind met on the way is still named.
TEST(MP3UtilsScan, BytesWithoutMpeg1Layer3HeadersAreReadOnce) {
    // Reads a page at a time and keeps the last two, as a file is read through two windows.
    struct InPages final : ByteSource {
        const Bytes& bytes;
        std::uint64_t kept[2] = {~0ull, ~0ull};
        int reads = 0;
        explicit InPages(const Bytes& b) : bytes(b) {}
        std::span<const std::uint8_t> View(std::uint64_t offset) override {
            if (offset >= bytes.size()) return {};
            const std::uint64_t page = offset / 4096;
            if (page != kept[0] && page != kept[1]) kept[reads++ % 2] = page;
            const std::size_t end = std::min<std::size_t>(bytes.size(), (page + 1) * 4096);
            return {bytes.data() + offset, end - offset};
        }
    };
    const std::size_t size = 1 << 20;
    Bytes mpeg2(size, 0);
    std::copy(kLone.begin(), kLone.end(), mpeg2.begin() + size / 2);
    mpeg2[size / 2 + 1] = 0xF3;
    for (const auto& [bytes, audio] : std::vector<std::pair<Bytes, std::string>>{
             {Bytes(size, 0), "none"}, {Bytes(size, 0xFF), "none"}, {mpeg2, "MPEG-2 Layer III"}}) {
        InPages source(bytes);
        MP3Utils reader;
        reader.Scan(source);
        EXPECT_EQ(std::get<6>(Of(reader)), audio);
        EXPECT_LE(source.reads, static_cast<int>(size / 4096) + 1) << audio;
    }
}

using MP3UtilsFile = ScratchHome;

TEST_F(MP3UtilsFile, RealEncodingsAndUnopenablePaths) {
    for (const auto& [name, values] : std::vector<std::pair<std::string, Values>>{
             {"cbr128_joint.mp3", {128, 44100, 1, true, false, false, k13}},
             {"cbr96_mono.mp3", {96, 44100, 3, false, false, false, k13}},
             {"vbr.mp3", {32, 44100, 1, true, true, false, k13}},
             {"vbr_first128.mp3", {128, 44100, 1, true, true, false, k13}},
             // Other MPEG audio is named by its first header.
             {"mpeg2_22k.mp3", {0, 44100, 0, false, false, false, "MPEG-2 Layer III"}},
             {"mpeg25_11k.mp3", {0, 44100, 0, false, false, false, "MPEG-2.5 Layer III"}},
         }) {
        MP3Utils reader;
        EXPECT_TRUE(reader.MP3File(TestDataPath(name)));
        EXPECT_EQ(Of(reader), values) << name;
    }
    MP3Utils reader;
    ASSERT_TRUE(reader.MP3File(TestDataPath("cbr192_joint.mp3")));
    std::vector<std::string> unopenable{Path("missing.mp3"), root_.string()};
#ifndef _WIN32
    ASSERT_EQ(mkfifo(Path("pipe.mp3").c_str(), 0600), 0);
    unopenable.push_back(Path("pipe.mp3"));
#endif
    for (const std::string& path : unopenable) {
        EXPECT_FALSE(reader.MP3File(path));
        EXPECT_FALSE(reader.OpenError().empty());
        EXPECT_EQ(reader.MP3File(), path);
        EXPECT_EQ(Of(reader), (Values{192, 44100, 1, true, false, false, k13}));  // unchanged
    }
    WriteFile(Path("b.mp3"), "");
    EXPECT_TRUE(reader.MP3File(Path("b.mp3")));
    EXPECT_EQ(reader.OpenError(), "");
}

TEST_F(MP3UtilsFile, TagsWithCoverPicturesAreSkippedWhole) {
    const std::string clip = Sample("cbr128_joint.mp3");
    const Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, jpeg{0xFF, 0xD8, 0xFF, 0xE0};
    const Bytes big = Id3Tag(3, Picture(png, 90'000)), cut(big.begin(), big.begin() + 5000);
    for (const Bytes& tag :
         {Id3Tag(3, Picture(png, 80'000)), Id3Tag(4, Picture(jpeg, 500'000)),
          Id3Tag(3, Picture(jpeg, 200'000)), Id3Tag(4, Picture(png, 3'000)), cut}) {
        WriteFile(Path("tagged.mp3"), std::string(tag.begin(), tag.end()) + clip);
        MP3Utils reader;
        reader.MP3File(Path("tagged.mp3"));
        // A size past the end of the file leaves no audio to find.
        EXPECT_EQ(Of(reader),
                  tag == cut ? kNewReader : (Values{128, 44100, 1, true, false, false, k13}));
    }
}

// The file goes through buffers: the first read, then reads that grow as the scan walks on.
// What straddles their edges must read as from memory.
TEST_F(MP3UtilsFile, BufferEdgesReadLikeMemory) {
    for (const std::size_t edge : {FileByteSource::kBufferSize, 2 * FileByteSource::kBufferSize}) {
        for (std::size_t shift = 0; shift < 6; ++shift) {
            for (std::size_t run = 1; run < 4; ++run) {
                const Bytes bytes = Bytes(edge - run - shift + 2, 0) + Bytes(run, 0xFF) +
                                    Bytes{0xFB, 0x90, 0x40} + Bytes(413, 0) + k192;
                WriteFile(Path("edge.mp3"), std::string(bytes.begin(), bytes.end()));
                MP3Utils fromFile;
                fromFile.MP3File(Path("edge.mp3"));
                EXPECT_EQ(Of(fromFile), Scan(bytes)) << edge << " " << shift << " " << run;
            }
        }
    }
}

}  // namespace
