#include "mdlFileOps.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "FileIo.h"
#include "common/ScratchHome.h"

using namespace mdlFileOps;
using Names = std::multiset<std::string>;

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
const std::string kUnicodeName = "\xC3\xA9t\xC3\xA9 \xE6\x9B\xB2.mp3";

class FileOpsTest : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        for (const std::string name :
             {"SONG.MP3", "b.mp3", "[live] c.mp3", "notes.txt", "sub/x", kUnicodeName.c_str()})
            WriteFile(Path("m/") + name, "abc");
        std::filesystem::create_directories(FsPath(Path("m/folder.mp3")));
    }
    // Every name of one whole walk; the handle must be 0 again afterwards.
    Names Walk(const std::string& mask, std::int32_t attributes = 0) {
        Names names;
        SearchHandle handle = 0;
        for (std::string n; !(n = FindFile(handle, Path(mask), attributes)).empty();)
            names.insert(n);
        EXPECT_EQ(handle, 0) << mask;
        return names;
    }
    // Seconds since 1970 of a file's last-write time, as the file system keeps it (UTC).
    static std::int64_t UtcSeconds(const std::string& path) {
        std::int64_t size = 0;
        platform::FileTime time;
        return platform::SizeAndModified(path, size, time) ? time.seconds : -1;
    }
};

}  // namespace

// Masks match without regard to case, and brackets are plain characters.
TEST_F(FileOpsTest, WalksExistsAndLength) {
    EXPECT_EQ(Walk("m//*.mp3"),
              (Names{"SONG.MP3", "b.mp3", "[live] c.mp3", "folder.mp3", kUnicodeName}));
    EXPECT_EQ(Walk("m/[live]*"), Names{"[live] c.mp3"});
    EXPECT_EQ(Walk("m/?.MP3"), Names{"b.mp3"});
    EXPECT_EQ(Walk("m/*", FILE_ATTRIBUTE_DIRECTORY), (Names{"folder.mp3", "sub"}));
    EXPECT_EQ(Walk("m/*").size(), 7u);  // never "." or ".."
    EXPECT_TRUE(Walk("gone/*.mp3").empty());
    SearchHandle handle = 0;
    EXPECT_FALSE(FindFile(handle, Path("m/*.mp3"), 0).empty());
    EXPECT_EQ(FindFile(handle, "", FIND_ABANDON), "");
    EXPECT_EQ(handle, 0);

    EXPECT_TRUE(FileExists(Path("m/SONG.MP3")) && FileExists(Path("m/sub")) &&
                FileExists(Path("m/*.TXT")));
    EXPECT_FALSE(FileExists(Path("m/missing")) || FileExists(Path("m/*.wav")));
    EXPECT_EQ(GetFileLength(Path("m/") + kUnicodeName), 3);
    EXPECT_EQ(GetFileLength(Path("m/missing")) + GetFileLength(Path("m/folder.mp3")), -2);
#ifdef _WIN32
    // Exact names match as the file system does: without regard to case here.
    EXPECT_EQ(Walk("m/song.mp3"), Names{"SONG.MP3"});
    EXPECT_TRUE(FileExists(Path("m\\song.mp3")));
#else
    EXPECT_TRUE(Walk("m/song.mp3").empty());
    EXPECT_FALSE(FileExists(Path("m/song.mp3")));
    ASSERT_EQ(chmod(Path("m/SONG.MP3").c_str(), 0200), 0);  // root may open it all the same
    EXPECT_EQ(GetFileLength(Path("m/SONG.MP3")), access(Path("m/SONG.MP3").c_str(), R_OK) ? -1 : 3);
    ASSERT_EQ(mkfifo(Path("m/pipe").c_str(), 0600), 0);
    EXPECT_EQ(GetFileLength(Path("m/pipe")), 0);  // must not wait for a writer
    std::filesystem::resize_file(Path("m/b.mp3"), 3ULL << 30);
    EXPECT_EQ(GetFileLength(Path("m/b.mp3")), 3LL << 30);
#endif
    // Outright, a mask takes the files it matches and, without bIncludeFolders, no folder.
    ShellDelete(0, Path("m/*.mp3"), "", false, true, false);
    EXPECT_EQ(Walk("m/*.mp3"), Names{"folder.mp3"});
}

// Local time goes through the offset in force now, both ways: a winter and a summer record half
// a year apart land exactly that far apart, and copying a time from file to file is exact, to
// the millisecond, also for the hour summer time skips.
TEST_F(FileOpsTest, TimesToTheMillisecondAcrossASummerTimeChange) {
#ifndef _WIN32
    // (Wine takes the zone from the environment it starts in: the test sets it there.)
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
#endif
    const std::string file = Path("m/SONG.MP3"), other = Path("m/b.mp3");
    const SYSTEMTIME winter{2022, 1, 0, 10, 8, 0, 0, 7}, summer{2022, 7, 0, 11, 8, 0, 0, 993};
    SetFileDateTime(file, winter);
    EXPECT_EQ(GetFileDateTime(file), (SYSTEMTIME{2022, 1, 1, 10, 8, 0, 0, 7}));  // a Monday
    const std::int64_t winterUtc = UtcSeconds(file);
    // 2022-01-10 08:00 as if it were UTC; the zone is one or two hours ahead, by the season.
    const std::int64_t offset = 1641801600 - winterUtc;
    EXPECT_TRUE(offset == 3600 || offset == 7200) << offset;
    SetFileDateTime(file, summer);
    EXPECT_EQ(UtcSeconds(file) - winterUtc, 182 * kSecondsPerDay);

    for (const SYSTEMTIME t : {winter, summer, SYSTEMTIME{2022, 3, 0, 27, 2, 30, 0, 500}}) {
        SetFileDateTime(file, t);
        SetFileDateTime(other, GetFileDateTime(file));
        EXPECT_EQ(GetFileDateTime(other), GetFileDateTime(file));
        EXPECT_EQ(GetFileDateTime(other).wMilliseconds, t.wMilliseconds);
    }
    SetFileDateTime(file, SYSTEMTIME{2023, 2, 0, 29, 0, 0, 0, 0});  // no such day: no change
    EXPECT_EQ(GetFileDateTime(file).wDay, 27);
    EXPECT_EQ(GetFileDateTime(Path("m/missing")), SYSTEMTIME{});
#ifndef _WIN32
    unsetenv("TZ");
    tzset();
#endif
}
