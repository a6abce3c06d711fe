#include "Erf.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ByteCopier.h"
#include "FailureReasons.h"
#include "FileIo.h"
#include "LePack.h"
#include "ResourceTypes.h"
#include "common/ScratchHome.h"
#include "linux/FileIoForTests.h"

using namespace tunewrap::game;

namespace {

const std::string kStrings = U32(0) + U32(5) + "hello";

// Two entries after one localized string: keys at 173, resource list at 221, data at 237.
std::string HandMade() {
    return "HAK V1.0" + U32(1) + U32(13) + U32(2) + U32(160) + U32(173) + U32(221) + U32(126) +
           U32(340) + U32(0xFFFFFFFF) + std::string(116, '\0') + kStrings + Padded("mus_a", 16) +
           U32(0) + U16(8) + U16(0) + Padded("tbl", 16) + U32(1) + U16(2017) + U16(0) + U32(237) +
           U32(11) + U32(248) + U32(3) + "BMU V1.0xyz" + "2DA";
}

const ErfIndex kIndex{ErfKind::Hak, 1, kStrings, 0xFFFFFFFF, {}};
const auto kOn = [](std::int64_t) { return true; };
const auto kStop = [](std::int64_t) { return false; };

class ErfTest : public ScratchHome {
  protected:
    bool Stream(ErfWriter& writer, std::string_view name, std::int64_t size,
                const std::function<bool(std::int64_t)>& keepGoing, std::string& error) {
        platform::ReadOnlyFile from(Path("a.mp3"));
        return writer.Add(name, kResourceTypeBmu, from, size, "BMU V1.0", keepGoing, error);
    }
};

}  // namespace

TEST_F(ErfTest, WritesTheHandComputedLayoutAndReadsItBack) {
    WriteFile(Path("a.mp3"), "xyz");
    ErfWriter writer;
    std::string error;
    ASSERT_TRUE(writer.Begin(Path("a.hak"), kIndex, 2, {126, 340}, error)) << error;
    ASSERT_TRUE(Stream(writer, "MUS_A", 3, kOn, error)) << error;
    ASSERT_TRUE(writer.Add("tbl", kResourceType2da, "2DA", error)) << error;
    ASSERT_TRUE(writer.Finish(error)) << error;
    EXPECT_EQ(ReadFile(Path("a.hak")), HandMade());
    struct stat st {};
    ASSERT_EQ(stat(Path("a.hak").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);

    const auto file = OpenRandomAccess(Path("a.hak"), error);
    ASSERT_TRUE(file) << error;
    const ErfRead read = ReadErfIndex(*file);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.index.kind, ErfKind::Hak);
    EXPECT_EQ(read.index.localizedStringCount, 1u);
    EXPECT_EQ(read.index.localizedStrings, kStrings);
    EXPECT_EQ(read.index.descriptionStrRef, 0xFFFFFFFF);
    ASSERT_EQ(read.index.entries.size(), 2u);
    EXPECT_EQ(read.index.entries[1].resRef, "tbl");
    EXPECT_EQ(read.index.entries[1].type, kResourceType2da);
    EXPECT_EQ(read.index.entries[1].offset, 248u);
    EXPECT_EQ(read.index.entries[1].size, 3u);
}

TEST_F(ErfTest, StreamsAnEntryInChunksAskingBetweenThem) {
    const std::int64_t chunk = tunewrap::ByteCopier::kChunkBytes;
    const std::int64_t size = 2 * chunk + 1000;
    std::string mp3(size, '\0');
    for (std::size_t i = 0; i < mp3.size(); ++i) mp3[i] = static_cast<char>(i * 7 + i / 251);
    WriteFile(Path("a.mp3"), mp3);
    std::vector<std::int64_t> asked;
    const auto keepGoing = [&](std::int64_t done) { return asked.push_back(done), true; };
    ErfWriter writer;
    std::string error;
    ErfIndex module;
    module.kind = ErfKind::Mod;
    ASSERT_TRUE(writer.Begin(Path("b.mod"), module, 1, {}, error)) << error;
    ASSERT_TRUE(Stream(writer, "mus_big", size, keepGoing, error)) << error;
    ASSERT_TRUE(writer.Finish(error)) << error;
    EXPECT_EQ(asked, (std::vector<std::int64_t>{chunk, 2 * chunk, size}));
    const std::string archive = ReadFile(Path("b.mod"));
    const ErfRead read = ReadErfIndex(MemoryRandomAccess(archive));
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.index.kind, ErfKind::Mod);
    const ErfEntry& entry = read.index.entries.at(0);
    EXPECT_EQ(archive.substr(entry.offset, entry.size), "BMU V1.0" + mp3);
}

// Each run ends unfinished; the archive it would have replaced stays as it was, and no part file
// is left beside it.
TEST_F(ErfTest, AnUnfinishedWriteLeavesTheOldArchive) {
    using Steps = std::function<bool(ErfWriter&, std::string&)>;
    const std::pair<const char*, Steps> cases[] = {
        {"", [&](ErfWriter& w, std::string& e) { return Stream(w, "a", 3, kStop, e); }},
        {tunewrap::kSourceChangedReason,
         [&](ErfWriter& w, std::string& e) { return Stream(w, "a", 4, kOn, e); }},
        {"1 of 2 entries were added",
         [](ErfWriter& w, std::string& e) { return w.Add("a", 1, "", e) && w.Finish(e); }},
        {"\"a-b\" is not a valid resource name",
         [](ErfWriter& w, std::string& e) { return w.Add("a-b", 1, "", e); }},
        {"Entry a is in the archive twice",
         [](ErfWriter& w, std::string& e) { return w.Add("a", 1, "", e) && w.Add("A", 1, "", e); }},
        {"More entries than announced",
         [](ErfWriter& w, std::string& e) {
             return w.Add("a", 1, "", e) && w.Add("b", 1, "", e) && w.Add("c", 1, "", e);
         }},
        {tunewrap::kSourceChangedReason, [&](ErfWriter& w, std::string& e) {
             const auto change = [&](std::int64_t) {
                 return WriteFile(Path("a.mp3"), "xyzw"), true;
             };
             return Stream(w, "a", 3, change, e);
         }}};
    platform::testing::UseNamedPartFilesOnly(true);
    WriteFile(Path("a.mp3"), "xyz");
    WriteFile(Path("a.hak"), "old");
    for (const auto& [reason, steps] : cases) {
        ErfWriter writer;
        std::string error;
        ASSERT_TRUE(writer.Begin(Path("a.hak"), kIndex, 2, {}, error)) << error;
        EXPECT_FALSE(steps(writer, error));
        EXPECT_EQ(error, reason);
        EXPECT_EQ(Listing(""), (std::set<std::string>{"a.hak", "a.mp3", "home"})) << reason;
        EXPECT_EQ(ReadFile(Path("a.hak")), "old");
    }
    platform::testing::UseNamedPartFilesOnly(false);
}

TEST(ErfRead, RefusesDamagedArchives) {
    const struct {
        const char* what;
        std::size_t at;
        std::string bytes;
    } cases[] = {{"unknown type", 0, "BIFF"},
                 {"unknown version", 4, "V1.1"},
                 {"more languages than room", 8, U32(2)},
                 {"strings past the end", 12, U32(1000)},
                 {"string longer than its room", 164, U32(6)},
                 {"more keys than the file holds", 16, U32(0x10000000)},
                 {"strings in the header", 20, U32(100)},
                 {"keys in the header", 24, U32(0)},
                 {"resource list past the end", 28, U32(250)},
                 {"entry past the end", 233, U32(4)},
                 {"entry offset wraps", 229, U32(0xFFFFFFFF)},
                 {"name with a dash", 197, "t-l"},
                 {"empty name", 197, std::string(3, '\0')},
                 {"twin of another case", 173, Padded("TBL", 20) + U16(2017)},
                 {"too short", 159, ""}};
    ASSERT_TRUE(ReadErfIndex(MemoryRandomAccess(HandMade())).ok);
    for (const auto& [what, at, bytes] : cases) {
        std::string archive = HandMade();
        archive.replace(at, bytes.size(), bytes);
        if (bytes.empty()) archive.resize(at);
        const ErfRead read = ReadErfIndex(MemoryRandomAccess(archive));
        EXPECT_FALSE(read.ok) << what;
        EXPECT_FALSE(read.error.empty()) << what;
    }
}
