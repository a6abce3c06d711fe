#include "MP3Utils.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>
#include <vector>

#include "ScratchDir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// BitRate, SamplingFrequency, ChannelMode, Stereo, VBR, CRC
using Values = std::tuple<int, int, int, bool, bool, bool>;
const Values kNewReader{0, 44100, 0, false, false, false};

Values Of(const MP3Utils& r) {
    return {r.BitRate(), r.SamplingFrequency(), r.ChannelMode(), r.Stereo(), r.VBR(), r.CRC()};
}
Values Scan(const Bytes& bytes) {
    MP3Utils reader;
    reader.ScanBytes(bytes);
    return Of(reader);
}
int BitRateOf(const Bytes& bytes) {
    return std::get<0>(Scan(bytes));
}
bool VBROf(const Bytes& bytes) {
    return std::get<4>(Scan(bytes));
}

// One frame: the header, then zeros up to `length` bytes.
Bytes Frame(std::uint8_t h1, std::uint8_t h2, std::uint8_t h3, std::size_t length) {
    Bytes frame(length, 0);
    frame[0] = 0xFF, frame[1] = h1, frame[2] = h2, frame[3] = h3;
    return frame;
}
Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
Bytes Repeat(const Bytes& frame, int times) {
    Bytes out;
    for (int i = 0; i < times; ++i) out = out + frame;
    return out;
}
const Bytes k128 = Frame(0xFB, 0x90, 0x40, 417);  // 128 kbit/s, 44.1 kHz, joint stereo
const Bytes k192 = Frame(0xFB, 0xB0, 0x40, 626);

TEST(MP3UtilsScan, LoneHeaderAndNewReaderValues) {
    EXPECT_EQ(Scan({0xFF, 0xFB, 0x90, 0x00}), (Values{128, 44100, 0, true, false, true}));
    MP3Utils fresh;
    EXPECT_EQ(Of(fresh), kNewReader);
    EXPECT_EQ(fresh.MP3File(), "");
}

TEST(MP3UtilsScan, HeadersTheSearchDoesNotFind) {
    const Bytes header{0xFF, 0xFB, 0x90, 0x00};
    const std::vector<Bytes> cases = {
        {},
        {0xFF, 0xFB, 0x90},    // short of four bytes
        Bytes{0x00} + header,  // searching starts at the fifth byte
        Bytes{0x00, 0x00} + header + Bytes(8, 0),
        Bytes{0x00, 0x00, 0x00} + header + Bytes(8, 0),
        Bytes(4, 0) + Bytes{0xFF, 0xFF, 0xFB, 0x90, 0x00},  // the first FF takes the second along
        Bytes(4, 0) + Bytes{0xFF, 0xFB, 0x90},              // pair found, header cut short
        Bytes(4, 0) + Bytes{0x00, 0x00, 0x00, 0xFF},
        Repeat(Frame(0xF3, 0x90, 0x40, 209), 5),  // MPEG-2
        Repeat(Frame(0xFD, 0x90, 0x40, 417), 5),  // Layer II
    };
    for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(Scan(cases[i]), kNewReader) << i;
}

TEST(MP3UtilsScan, SearchPairsUpSyncBytes) {
    // An odd run of FF before FB leaves the last FF to start a pair; an even run eats it.
    EXPECT_EQ(BitRateOf(Bytes(4, 0) + Bytes{0xFF, 0xFF, 0xFF, 0xFB, 0xB0, 0x00}), 192);
    EXPECT_EQ(BitRateOf(Bytes(4, 0) + Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFB, 0xB0, 0x00}), 0);
    // Header found after an ID3v2 tag, and a sync pair inside the tag counts first.
    const Bytes tag{'I', 'D', '3', 3, 0, 0, 0, 0, 0, 6, 'a', 'b', 'c', 'd', 'e', 'f'};
    EXPECT_EQ(Scan(tag + Repeat(k128, 3)), (Values{128, 44100, 1, true, false, true}));
    const Bytes tagWithSync{'I', 'D', '3', 3, 0, 0, 0, 0, 0, 6, 0xFF, 0xFA, 0xB0, 0xC0, 0, 0};
    EXPECT_EQ(Scan(tagWithSync + Repeat(k128, 3)), (Values{192, 44100, 3, false, false, false}));
}

TEST(MP3UtilsScan, FirstHeaderFields) {
    EXPECT_EQ(Scan(Repeat(Frame(0xFB, 0x70, 0xC0, 313), 10)),
              (Values{96, 44100, 3, false, false, true}));
    EXPECT_EQ(Scan(Repeat(Frame(0xFA, 0x94, 0x80, 384), 10)),
              (Values{128, 48000, 2, true, false, false}));
    EXPECT_EQ(BitRateOf({0xFF, 0xFB, 0xF0, 0x00}), 999);
}

TEST(MP3UtilsScan, BitRateChangeMeansVBRAndStopsTheWalk) {
    MP3Utils reader;
    reader.ScanBytes(k128 + k192 + k128);
    EXPECT_TRUE(reader.VBR());
    EXPECT_EQ(reader.BitRate(), 192);
    // Only ten headers are looked at: a change in the eleventh goes unseen.
    EXPECT_TRUE(VBROf(Repeat(k128, 9) + k192));
    EXPECT_FALSE(VBROf(Repeat(k128, 10) + k192));
}

TEST(MP3UtilsScan, FrameLengthLandsOnTheNextHeader) {
    struct Case {
        std::uint8_t h2;
        std::size_t length;
    };
    // 128k/44.1k, same padded, 320k/48k, 192k/32k, forbidden index at 44.1k, 32k/44.1k padded
    for (const Case& c : {Case{0x90, 417}, Case{0x92, 418}, Case{0xE4, 960}, Case{0xB8, 864},
                          Case{0xF0, 3262}, Case{0x12, 105}}) {
        const Bytes second = Frame(0xFB, static_cast<std::uint8_t>(c.h2 ^ 0x40), 0, 8);
        EXPECT_TRUE(VBROf(Frame(0xFB, c.h2, 0, c.length) + second)) << c.length;
        EXPECT_FALSE(VBROf(Frame(0xFB, c.h2, 0, c.length + 1) + second)) << c.length;
    }
    // Off step, the walk keeps the last real header's stride until it meets a header again.
    EXPECT_TRUE(VBROf(k128 + Bytes(417, 0) + k192));
}

TEST(MP3UtilsScan, FreeFormatAndReservedFrequencyEndTheWalk) {
    // Length 0 reads the same header until ten are counted.
    EXPECT_EQ(Scan({0xFF, 0xFB, 0x00, 0x00}), (Values{0, 44100, 0, true, false, true}));
    // Length 1 hops byte by byte; a header further on is met.
    EXPECT_EQ(BitRateOf(Bytes{0xFF, 0xFB, 0x02, 0x00, 0x00} + Frame(0xFB, 0x90, 0, 4)), 128);
    EXPECT_EQ(BitRateOf(Bytes{0xFF, 0xFB, 0x02, 0x00} + Bytes(5000, 0)), 0);
    // Reserved frequency: no frame length, values so far stay.
    EXPECT_EQ(Scan(Repeat(Frame(0xFB, 0x9C, 0xC0, 8), 3)), (Values{128, 0, 3, false, false, true}));
}

TEST(MP3UtilsScan, ReadingResetsOnlyVBR) {
    MP3Utils reader;
    reader.ScanBytes(k128 + k192);
    reader.ScanBytes(Bytes(100, 0));
    EXPECT_EQ(Of(reader), (Values{192, 44100, 1, true, false, true}));
}

class MP3UtilsFile : public ScratchDir {};

TEST_F(MP3UtilsFile, RealEncodings) {
    struct Case {
        const char* name;
        Values values;
    };
    for (const Case& c : {Case{"cbr128_joint.mp3", {128, 44100, 1, true, false, true}},
                          Case{"cbr128_stereo.mp3", {128, 44100, 0, true, false, true}},
                          Case{"cbr96_mono.mp3", {96, 44100, 3, false, false, true}},
                          Case{"cbr192_joint.mp3", {192, 44100, 1, true, false, true}},
                          Case{"cbr128_48k.mp3", {128, 48000, 1, true, false, true}}}) {
        MP3Utils reader;
        EXPECT_TRUE(reader.MP3File(TestDataPath(c.name)));
        EXPECT_EQ(Of(reader), c.values) << c.name;
    }
    MP3Utils reader;
    reader.MP3File(TestDataPath("vbr.mp3"));
    EXPECT_TRUE(reader.VBR());
}

TEST_F(MP3UtilsFile, UnopenablePathIsReportedAndChangesNothing) {
    MP3Utils reader;
    ASSERT_TRUE(reader.MP3File(Write("a.mp3", k128 + k192)));
    ASSERT_EQ(mkfifo(Path("pipe.mp3").c_str(), 0600), 0);
    for (const std::string& path : {Path("missing.mp3"), root_.string(), Path("pipe.mp3")}) {
        EXPECT_FALSE(reader.MP3File(path));
        EXPECT_FALSE(reader.OpenError().empty());
        EXPECT_EQ(reader.MP3File(), path);
        EXPECT_EQ(Of(reader), (Values{192, 44100, 1, true, true, true}));
    }
    EXPECT_TRUE(reader.MP3File(Write("b.mp3", {})));
    EXPECT_EQ(reader.OpenError(), "");
    EXPECT_EQ(reader.MP3File(), Path("b.mp3"));
}

// The file goes through a buffer; what straddles its edges must read as from memory.
TEST_F(MP3UtilsFile, BufferEdgesReadLikeMemory) {
    constexpr std::size_t kEdge = 64 * 1024;
    for (std::size_t shift = 0; shift < 6; ++shift) {
        for (std::size_t run = 1; run < 4; ++run) {
            Bytes bytes(kEdge - run - shift + 2, 0);
            bytes = bytes + Bytes(run, 0xFF) + Bytes{0xFB, 0x90, 0x40} + Bytes(413, 0) + k192;
            MP3Utils fromFile, fromMemory;
            fromFile.MP3File(Write("edge.mp3", bytes));
            fromMemory.ScanBytes(bytes);
            EXPECT_EQ(Of(fromFile), Of(fromMemory)) << shift << " " << run;
        }
    }
}

}  // namespace
