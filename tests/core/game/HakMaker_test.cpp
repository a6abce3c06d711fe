#include "HakMaker.h"

#include <gtest/gtest.h>

#include "BmuFile.h"
#include "Erf.h"
#include "Reencode.h"
#include "TwoDa.h"
#include "common/FakeProgressSink.h"
#include "common/ScratchHome.h"

namespace {

using namespace tunewrap::game;
using Status = TrackOutcome::Status;

// A machine where no game is installed.
const Machine kNoGame{[](const char*) { return nullptr; },
                      [](const std::string&) { return false; }};

class HakMaker : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        WriteFile(Path("base.2da"),
                  "2DA V2.0\r\n\r\n   Description Resource Stinger1 Stinger2 Stinger3 "
                  "DisplayName\r\n0 1 mus_town **** **** **** ****\r\n"
                  "1 **** mus_bat_x **** **** **** \"Old Fight\"\r\n");
        WriteFile(Path("Café Nocturne.mp3"), kMusic);
        WriteFile(Path("Loud.mp3"), kLoud);
        WriteFile(Path("notes.mp3"), "not audio");
    }
    HakReport Make(const std::vector<std::string>& songs, const std::string& addTo = {},
                   const std::string& table = "base.2da", bool reencode = false) {
        HakRequest request{Path("out.hak"),
                           addTo.empty() ? "" : Path(addTo),
                           table.empty() ? "" : Path(table),
                           {},
                           reencode,
                           {}};
        std::vector<std::string> paths;
        for (const std::string& song : songs) paths.push_back(Path(song));
        request.tracks = NameTracks(paths);
        return MakeHak(request, kNoGame, sink_);
    }
    // The hak's entries by name, each with its bytes.
    std::map<std::string, std::string> Entries(const std::string& hak) {
        std::string error;
        const auto file = OpenRandomAccess(Path(hak), error);
        const ErfRead read = ReadErfIndex(*file);
        EXPECT_TRUE(read.ok) << read.error;
        std::map<std::string, std::string> entries;
        for (const ErfEntry& entry : read.index.entries) {
            std::string bytes(entry.size, '\0');
            file->readAt(entry.offset, entry.size, bytes.data());
            entries[entry.resRef + "." + std::to_string(entry.type)] = bytes;
        }
        return entries;
    }
    std::vector<std::vector<std::string>> Rows(const std::string& hak) {
        return ReadTwoDa(Entries(hak)["ambientmusic.2017"]).table.rows;
    }
    const std::string kMusic = Sample("cbr128_stereo.mp3");
    const std::string kLoud = Sample("cbr192_joint.mp3");
    const std::string kHeader{tunewrap::kBmuHeader, tunewrap::kBmuHeaderSize};
    FakeProgressSink sink_;
};

TEST_F(HakMaker, PacksSongsAfterTheBaseRowsAndAddsToAHakKeepingItsEntries) {
    HakReport report = Make({"Café Nocturne.mp3", "Loud.mp3", "notes.mp3"});
    ASSERT_TRUE(report.written) << report.error;
    EXPECT_EQ(report.baseTable, Path("base.2da"));
    EXPECT_EQ(report.tracks[0].status, Status::Packed);
    EXPECT_EQ(report.tracks[1].row, 3u);
    EXPECT_TRUE(report.tracks[1].suitability.WarningWanted());  // 192 kbit/s, packed as it is
    EXPECT_EQ(report.tracks[2].status, Status::Failed);
    EXPECT_EQ(report.tracks[2].reason, tunewrap::kNoAudioReason);
    auto entries = Entries("out.hak");
    EXPECT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries["cafe_nocturne.8"], kHeader + kMusic);
    EXPECT_EQ(entries["loud.8"], kHeader + kLoud);
    EXPECT_EQ(Rows("out.hak"),
              (std::vector<std::vector<std::string>>{
                  {"1", "mus_town", "****", "****", "****", "****"},
                  {"****", "mus_bat_x", "****", "****", "****", "Old Fight"},
                  {"****", "cafe_nocturne", "****", "****", "****", "Café Nocturne"},
                  {"****", "loud", "****", "****", "****", "Loud"}}));

    // Added to itself, from its own table: the song packed again keeps its row and takes its
    // new bytes, the other entry stays as it was, the new song comes last.
    WriteFile(Path("Café Nocturne.mp3"), kLoud);
    WriteFile(Path("New.bmu"), kHeader + kMusic);  // already wrapped: packed as it is
    report = Make({"Café Nocturne.mp3", "New.bmu"}, "out.hak", "");
    ASSERT_TRUE(report.written) << report.error;
    EXPECT_EQ(report.baseTable, "ambientmusic.2da in " + Path("out.hak"));
    EXPECT_EQ(report.tracks[0].row, 2u);
    const auto added = Entries("out.hak");
    EXPECT_EQ(added.at("loud.8"), entries["loud.8"]);
    EXPECT_EQ(added.at("cafe_nocturne.8"), kHeader + kLoud);
    EXPECT_EQ(added.at("new.8"), kHeader + kMusic);
    EXPECT_EQ(Rows("out.hak").size(), 5u);
}

TEST_F(HakMaker, WritesNothingWithoutABaseTableOrWhenCancelledOrAddingToADamagedHak) {
    WriteFile(Path("out.hak"), "kept");
    HakReport report = Make({"Loud.mp3"}, {}, "");
    EXPECT_FALSE(report.written);
    EXPECT_NE(report.error.find("No music table to start from"), std::string::npos);
    EXPECT_EQ(report.tracks[0].status, Status::Failed);
    WriteFile(Path("bad.2da"), "2DA V2.0\r\n\r\nResource\r\n0 \"open\r\n");
    EXPECT_NE(Make({"Loud.mp3"}, {}, "bad.2da").error.find("bad.2da, line 4"), std::string::npos);
    EXPECT_FALSE(Make({"Loud.mp3"}, "base.2da", "").written);  // not a hak
    sink_.cancelAtYield = 1;
    report = Make({"Café Nocturne.mp3", "Loud.mp3"});
    EXPECT_TRUE(report.cancelled);
    EXPECT_EQ(SummaryText(report, "x", ". "),
              "0 packed, 0 failed, cancelled. No hak written: cancelled");
    EXPECT_EQ(report.tracks[1].status, Status::Cancelled);
    EXPECT_EQ(ReadFile(Path("out.hak")), "kept");
    EXPECT_EQ(Listing("."), (std::set<std::string>{"Café Nocturne.mp3", "Loud.mp3", "bad.2da",
                                                   "base.2da", "home", "notes.mp3", "out.hak"}));
}

TEST_F(HakMaker, ReencodesUnsuitableSongsWhenAsked) {
    if (!tunewrap::ReencodeAvailable()) GTEST_SKIP() << "no re-encoding in this build";
    const HakReport report = Make({"Loud.mp3"}, {}, "base.2da", true);
    ASSERT_TRUE(report.written) << report.error;
    EXPECT_EQ(report.tracks[0].status, Status::Reencoded);
    const std::string packed = Entries("out.hak")["loud.8"];
    EXPECT_TRUE(packed.starts_with(kHeader) && packed != kHeader + kLoud);
}

}  // namespace
