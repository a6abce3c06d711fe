#include "Erf.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "ByteCopier.h"
#include "FailureReasons.h"
#include "FileIo.h"
#include "LePack.h"
#include "ResourceTypes.h"
#include "common/ScratchHome.h"
#ifndef _WIN32
#include "linux/FileIoForTests.h"
#endif

using namespace tunewrap::game;

namespace {

const std::string kStrings = U32(0) + U32(5) + "hello";

// Two entries after one localized string: keys at 173, resource list at 221, data at 237.
std::string HandMade(const std::string& mp3 = "xyz") {
    return "HAK V1.0" + U32(1) + U32(13) + U32(2) + U32(160) + U32(173) + U32(221) + U32(126) +
           U32(340) + U32(0xFFFFFFFF) + std::string(116, '\0') + kStrings + Padded("mus_a", 16) +
           U32(0) + U16(8) + U16(0) + Padded("mus_b", 16) + U32(1) + U16(8) + U16(0) + U32(237) +
           U32(8 + mp3.size()) + U32(245 + mp3.size()) + U32(3) + "BMU V1.0" + mp3 + "abc";
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

// The streamed entry spans chunks, and keepGoing is asked after each.
TEST_F(ErfTest, WritesTheHandComputedLayoutAndReadsItBack) {
    const std::int64_t chunk = tunewrap::ByteCopier::kChunkBytes, size = 2 * chunk + 1000;
    const std::string mp3 = std::string(size - 1, 'm') + 'z';
    WriteFile(Path("a.mp3"), mp3);
    std::vector<std::int64_t> asked;
    const auto keepGoing = [&](std::int64_t done) { return asked.push_back(done), true; };
    ErfWriter writer;
    std::string error;
    ASSERT_TRUE(writer.Begin(Path("a.hak"), kIndex, 2, {126, 340}, error)) << error;
    ASSERT_TRUE(Stream(writer, "MUS_A", size, keepGoing, error)) << error;
    ASSERT_TRUE(writer.Add("mus_b", kResourceTypeBmu, "abc", error)) << error;
    ASSERT_TRUE(writer.Finish(error)) << error;
    EXPECT_TRUE(ReadFile(Path("a.hak")) == HandMade(mp3));
    EXPECT_EQ(asked, (std::vector<std::int64_t>{chunk, 2 * chunk, size}));
#ifndef _WIN32  // where a file has permission bits
    struct stat st {};
    ASSERT_EQ(stat(Path("a.hak").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
#endif

    const ErfRead read = ReadErfIndex(MemoryRandomAccess(HandMade()));
    ASSERT_TRUE(read.ok) << read.error;
    const ErfIndex& index = read.index;
    EXPECT_EQ(std::tie(index.kind, index.localizedStringCount, index.localizedStrings,
                       index.descriptionStrRef),
              std::tie(kIndex.kind, kIndex.localizedStringCount, kIndex.localizedStrings,
                       kIndex.descriptionStrRef));
    std::vector<std::tuple<std::string, int, int, int>> entries;
    for (const ErfEntry& e : index.entries)
        entries.emplace_back(e.resRef, e.type, e.offset, e.size);
    EXPECT_EQ(entries, (decltype(entries){{"mus_a", 8, 237, 11}, {"mus_b", 8, 248, 3}}));
    EXPECT_EQ(ReadErfIndex(MemoryRandomAccess("MOD" + HandMade().substr(3))).index.kind,
              ErfKind::Mod);
}

// Each run ends unfinished; the archive it would have replaced stays as it was, and no part file
// is left beside it.
TEST_F(ErfTest, AnUnfinishedWriteLeavesTheOldArchive) {
    using Step = std::function<bool(ErfWriter&, std::string&)>;
    const auto add = [](const char* name) -> Step {
        return [=](ErfWriter& w, std::string& e) { return w.Add(name, 1, "", e); };
    };
    const auto stream = [&](std::int64_t size, auto keepGoing) -> Step {
        return
            [=, this](ErfWriter& w, std::string& e) { return Stream(w, "s", size, keepGoing, e); };
    };
    const Step finish = [](ErfWriter& w, std::string& e) { return w.Finish(e); };
    const auto change = [&](std::int64_t) { return WriteFile(Path("a.mp3"), "xyzw"), true; };
    const std::pair<std::string, std::vector<Step>> cases[] = {
        {"", {stream(3, kStop)}},
        {tunewrap::kSourceChangedReason, {stream(4, kOn)}},
        {"1 of 2 entries were added", {add("a"), finish}},
        {"\"a-b\" is not a valid resource name", {add("a-b")}},
        {"Entry a is in the archive twice", {add("a"), add("A")}},
        {"More entries than announced", {add("a"), add("b"), add("c")}},
        {tunewrap::kSourceChangedReason, {stream(3, change)}}};
#ifndef _WIN32
    // A part file that has a name, so that one left behind would be seen.
    platform::testing::UseNamedPartFilesOnly(true);
#endif
    WriteFile(Path("a.mp3"), "xyz");
    WriteFile(Path("a.hak"), "old");
    for (const auto& [reason, steps] : cases) {
        ErfWriter writer;
        std::string error;
        ASSERT_TRUE(writer.Begin(Path("a.hak"), kIndex, 2, {}, error)) << error;
        EXPECT_FALSE(
            std::ranges::all_of(steps, [&](const Step& step) { return step(writer, error); }));
        EXPECT_EQ(error, reason);
        EXPECT_EQ(Listing(""), (std::set<std::string>{"a.hak", "a.mp3", "home"})) << reason;
        EXPECT_EQ(ReadFile(Path("a.hak")), "old");
    }
#ifndef _WIN32
    platform::testing::UseNamedPartFilesOnly(false);
#endif
}

TEST(ErfRead, RefusesDamagedArchives) {
    const struct {
        const char* what;
        std::size_t at;
        std::string bytes;
    } cases[] = {{"type", 0, "BIFF"},
                 {"version", 4, "V1.1"},
                 {"languages", 8, U32(2)},
                 {"strings' size", 12, U32(1000)},
                 {"entries", 16, U32(1 << 28)},
                 {"strings in header", 20, U32(100)},
                 {"keys in header", 24, U32(0)},
                 {"list past end", 28, U32(250)},
                 {"string's size", 164, U32(6)},
                 {"entry past end", 233, U32(4)},
                 {"offset wraps", 229, U32(0xFFFFFFFF)},
                 {"dash", 197, "m-b"},
                 {"empty name", 197, U32(0)},
                 {"twin", 197, "MUS_A"},
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
