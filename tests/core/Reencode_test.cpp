#include "Reencode.h"

#include <malloc.h>
#include <mpg123.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <random>

#include "MP3Utils.h"
#include "Suitability.h"
#include "common/CoverTag.h"
#include "common/FakeProgressSink.h"
#include "common/ProcStatus.h"
#include "common/ScratchHome.h"

using namespace tunewrap;

namespace {

// What libmpg123 makes of a file: its format, its length and its energy.
struct Decoded {
    bool clean = false;  // opened and read to its end without an error
    long rate = 0;
    int channels = 0;
    double seconds = 0;
    double meanSquare = 0;  // over all samples of all channels
};

Decoded Decode(const std::string& path) {
    Decoded d;
    mpg123_handle* h = mpg123_new(nullptr, nullptr);
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(h);
    for (const long rate : {8000L, 11025L, 12000L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L})
        mpg123_format(h, rate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
    float buffer[4096];
    std::size_t samples = 0;
    double sum = 0;
    int code = mpg123_open(h, path.c_str());
    while (code == MPG123_OK || code == MPG123_NEW_FORMAT) {
        std::size_t bytes = 0;
        code = mpg123_read(h, buffer, sizeof buffer, &bytes);
        for (std::size_t i = 0; i < bytes / sizeof(float); ++i) sum += buffer[i] * buffer[i];
        samples += bytes / sizeof(float);
    }
    int encoding = 0;
    mpg123_getformat(h, &d.rate, &d.channels, &encoding);
    d.clean = code == MPG123_DONE && samples > 0;
    d.seconds = static_cast<double>(samples) / d.channels / static_cast<double>(d.rate);
    d.meanSquare = sum / static_cast<double>(samples);
    mpg123_close(h);
    mpg123_delete(h);
    return d;
}

class ReencodeTest : public ScratchHome {
  protected:
    ConvertResult Reencode(const std::string& from, const std::string& to, bool renameWav = false) {
        return ReencodeFile(from, Path(to), renameWav, sink);
    }
    FakeProgressSink sink;
};

TEST_F(ReencodeTest, ResultSuitsTheGameAndSoundsLikeTheSource) {
    const Bytes cover = Id3Tag(3, Picture({0xFF, 0xD8, 0xFF, 0xE0}, 60'000));
    WriteFile(Path("covered.mp3"), std::string(cover.begin(), cover.end()) + Sample("vbr.mp3"));
    // The encoder's delay and padding are named in the first frame, so a decoder that reads it
    // gives back the source's length to within the resampler's rounding.
    constexpr double kLengthSlack = 2 / 44100.0;

    // Mono is the channels' average: a tone on one side only loses half its energy.
    const std::tuple<std::string, bool, double> cases[] = {
        {"vbr.mp3", false, 0},        {"cbr192_joint.mp3", false, 0}, {"cbr128_48k.mp3", false, 0},
        {"cbr128_32k.mp3", false, 0}, {"cbr96_mono.mp3", false, 0},   {"cbr128_joint.mp3", true, 0},
        {"mpeg2_22k.mp3", false, 0},  {"covered.mp3", false, 0},      {"left_only.mp3", true, -3},
    };
    for (const auto& [name, renameWav, decibels] : cases) {
        SCOPED_TRACE(name);
        const std::string source = name == "covered.mp3" ? Path(name) : TestDataPath(name);
        ASSERT_TRUE(Reencode(source, "out.mp3", renameWav).ok());
        MP3Utils reader;
        ASSERT_TRUE(reader.MP3File(Path("out.mp3")));
        EXPECT_FALSE(CheckSuitability("out.mp3", reader, renameWav).WarningWanted());
        // Nothing in front of the first frame: no tag.
        EXPECT_EQ(static_cast<unsigned char>(ReadFile(Path("out.mp3"))[0]), 0xFF);

        const Decoded in = Decode(source), out = Decode(Path("out.mp3"));
        ASSERT_TRUE(out.clean);
        EXPECT_EQ(out.rate, 44100);
        EXPECT_EQ(out.channels, renameWav ? 1 : 2);
        EXPECT_NEAR(out.seconds, in.seconds, kLengthSlack);
        EXPECT_NEAR(10 * std::log10(out.meanSquare / in.meanSquare), decibels, 1);
    }
}

TEST_F(ReencodeTest, CancelOrFailureLeavesNothing) {
    const std::string clip = Sample("cbr192_joint.mp3");
    std::string song;
    while (song.size() < 200'000) song += clip;
    WriteFile(Path("song.mp3"), song);
    ASSERT_TRUE(Reencode(Path("song.mp3"), "out.mp3").ok());
    EXPECT_EQ(sink.events.front(), "file Re-encoding song.mp3");
    EXPECT_EQ(sink.events[1], "total " + std::to_string(song.size()));
    EXPECT_NE(sink.IndexOf("done " + std::to_string(song.size())), -1);

    sink = FakeProgressSink{};
    sink.cancelAtYield = 2;
    WriteFile(Path("out.mp3"), "old");
    EXPECT_EQ(Reencode(Path("song.mp3"), "out.mp3").status, ConvertResult::Status::Cancelled);
    EXPECT_EQ(sink.yields, 2);
    EXPECT_EQ(ReadFile(Path("out.mp3")), "old");
    sink = FakeProgressSink{};

    // Cancel is looked at as often at a low bit rate, where few bytes hold many seconds.
    const std::string lowClip = Sample("mpeg25_11k.mp3");
    std::string low;
    while (low.size() < 40'000) low += lowClip;
    WriteFile(Path("low.mp3"), low);
    ASSERT_TRUE(Reencode(Path("low.mp3"), "low-out.mp3").ok());
    EXPECT_GE(sink.yields, Decode(Path("low.mp3")).seconds / 0.2);
    std::filesystem::remove(Path("low.mp3"));
    std::filesystem::remove(Path("low-out.mp3"));
    sink = FakeProgressSink{};

    // Damaged: no audio at all, or a tag that claims more bytes than the file has.
    const Bytes tag = Id3Tag(3, Picture({0x89, 'P', 'N', 'G'}, 90'000));
    WriteFile(Path("cut.mp3"), std::string(tag.begin(), tag.begin() + 5000) + clip);
    WriteFile(Path("noise.mp3"), std::string(tag.begin() + 10, tag.end()));
    for (const char* damaged : {"cut.mp3", "noise.mp3"}) {
        const ConvertResult result = Reencode(Path(damaged), "out.mp3");
        EXPECT_EQ(result.status, ConvertResult::Status::Failed) << damaged;
        EXPECT_EQ(result.reason, kNoAudioReason) << damaged;
    }
    EXPECT_EQ(Reencode(Path("none.mp3"), "out.mp3").reason, std::strerror(ENOENT));
    EXPECT_EQ(Listing(""),
              (std::set<std::string>{"cut.mp3", "home", "noise.mp3", "out.mp3", "song.mp3"}));
    EXPECT_EQ(ReadFile(Path("out.mp3")), "old");

    if (!MountTmpfs("small", "size=8k")) GTEST_SKIP() << "cannot mount tmpfs here";
    EXPECT_EQ(Reencode(Path("song.mp3"), "small/out.mp3").reason, std::strerror(ENOSPC));
    EXPECT_EQ(Listing("small"), std::set<std::string>{});
}

// Damaged audio, and what is not audio at all, are re-encoded as far as they decode, as players
// play them; nothing ends the program.
TEST_F(ReencodeTest, DamagedAudioAndJunkAreReencoded) {
    // Every frame at the loudest gain: decoded samples millions of times full scale.
    ASSERT_TRUE(Reencode(TestDataPath("gain255.mp3"), "out.mp3").ok());
    const Decoded loud = Decode(Path("out.mp3"));
    EXPECT_TRUE(loud.clean);
    EXPECT_LE(loud.meanSquare, 1.1);

    // Zeros after the frames, between them, and a long hole at the end.
    const std::string clip = Sample("cbr192_joint.mp3");
    const double clipSeconds = Decode(TestDataPath("cbr192_joint.mp3")).seconds;
    const std::string zeros(8192, '\0');
    WriteFile(Path("tail.mp3"), clip + zeros.substr(0, 2048));
    WriteFile(Path("gap.mp3"), clip + zeros + clip);
    WriteFile(Path("sparse.mp3"), clip);
    std::filesystem::resize_file(Path("sparse.mp3"), 64 << 20);
    for (const auto& [name, clips] :
         {std::pair{"tail.mp3", 1}, {"gap.mp3", 2}, {"sparse.mp3", 1}}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Reencode(Path(name), "out.mp3").ok());
        EXPECT_GE(Decode(Path("out.mp3")).seconds, clips * clipSeconds);
    }

    // One byte in a hundred changed at random, in copies of a two-second song.
    std::string song;
    while (song.size() < 50'000) song += clip;
    std::mt19937 random(1);
    for (int copy = 0; copy < 12; ++copy) {
        std::string damaged = song;
        for (std::size_t i = 0; i < damaged.size() / 100; ++i)
            damaged[random() % damaged.size()] = static_cast<char>(random());
        WriteFile(Path("damaged.mp3"), damaged);
        const ConvertResult result = Reencode(Path("damaged.mp3"), "out.mp3");
        EXPECT_TRUE(result.ok()) << copy << ": " << result.reason;
    }
}

// A cover picture is passed over, not held: memory stays the same for any size of tag.
TEST_F(ReencodeTest, TagIsSkippedUnheld) {
    {
        const Bytes tag = Id3Tag(3, Picture({0xFF, 0xD8, 0xFF, 0xE0}, 24 << 20));
        WriteFile(Path("covered.mp3"),
                  std::string(tag.begin(), tag.end()) + Sample("cbr192_joint.mp3"));
    }
    malloc_trim(0);  // else the decoder could gather the tag into the memory that made it
    // Writing 5 starts the peak memory figure (VmHWM) again from what the process holds now.
    std::ofstream clearRefs("/proc/self/clear_refs");
    if (!(clearRefs << "5" << std::flush) || ProcStatusKiB("VmHWM") == 0)
        GTEST_SKIP() << "no peak memory figure here";
    const long before = ProcStatusKiB("VmHWM");
    ASSERT_TRUE(Reencode(Path("covered.mp3"), "out.mp3").ok());
    EXPECT_LT(ProcStatusKiB("VmHWM") - before, 8 << 10) << "KiB";
}

}  // namespace
