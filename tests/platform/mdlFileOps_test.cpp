#include "mdlFileOps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "common/ScratchHome.h"

using namespace mdlFileOps;

namespace {

class FileOpsTest : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        WriteFile(Path("music/SONG.MP3"), "abc");
        WriteFile(Path("music/b.mp3"), "");
        WriteFile(Path("music/[live] c.mp3"), "");
        WriteFile(Path("music/notes.txt"), "");
        std::filesystem::create_directories(Path("music/folder.mp3"));
        std::filesystem::create_directories(Path("music/sub"));
    }

    // Every name of one whole walk; the handle must be 0 again afterwards.
    static std::multiset<std::string> Walk(const std::string& mask, std::int32_t attributes) {
        std::multiset<std::string> names;
        SearchHandle handle = 0;
        for (std::string name = FindFile(handle, mask, attributes); !name.empty();
             name = FindFile(handle, mask, attributes)) {
            names.insert(name);
        }
        EXPECT_EQ(handle, 0);
        return names;
    }

    static timespec ModifiedTime(const std::string& path) {
        struct stat st {};
        stat(path.c_str(), &st);
        return st.st_mtim;
    }
};

using Names = std::multiset<std::string>;

}  // namespace

TEST_F(FileOpsTest, MasksMatchCaseInsensitivelyAndIncludeFolders) {
    EXPECT_EQ(Walk(Path("music") + "//*.mp3", 0),
              (Names{"SONG.MP3", "b.mp3", "[live] c.mp3", "folder.mp3"}));
    EXPECT_EQ(Walk(Path("music/[live]*"), 0), Names{"[live] c.mp3"});
    EXPECT_EQ(Walk(Path("music/?.MP3"), 0), Names{"b.mp3"});
}

TEST_F(FileOpsTest, DirectoriesOnlyNeverDotEntries) {
    EXPECT_EQ(Walk(Path("music/*"), FILE_ATTRIBUTE_DIRECTORY), (Names{"folder.mp3", "sub"}));
    EXPECT_EQ(Walk(Path("music/*"), 0).count("."), 0u);
    EXPECT_EQ(Walk(Path("music/*"), 0).count(".."), 0u);
}

TEST_F(FileOpsTest, EmptyResultsLeaveNoWalkOpen) {
    EXPECT_TRUE(Walk(Path("music/*.wav"), 0).empty());
    EXPECT_TRUE(Walk(Path("missing/*.mp3"), 0).empty());
    EXPECT_TRUE(Walk(Path("music/song.mp3"), 0).empty());  // exact names are case-sensitive
    EXPECT_EQ(Walk(Path("music/SONG.MP3"), 0), Names{"SONG.MP3"});
}

TEST_F(FileOpsTest, AbandonedWalkRestartsAfresh) {
    SearchHandle handle = 0;
    EXPECT_FALSE(FindFile(handle, Path("music/*.mp3"), 0).empty());
    EXPECT_NE(handle, 0);
    EXPECT_EQ(FindFile(handle, "", FIND_ABANDON), "");
    EXPECT_EQ(handle, 0);
    EXPECT_EQ(Walk(Path("music/*.mp3"), 0).size(), 4u);
}

TEST_F(FileOpsTest, FileExists) {
    EXPECT_TRUE(FileExists(Path("music/SONG.MP3")));
    EXPECT_FALSE(FileExists(Path("music/song.mp3")));
    EXPECT_TRUE(FileExists(Path("music/sub")));
    EXPECT_TRUE(FileExists(Path("music/*.TXT")));
    EXPECT_FALSE(FileExists(Path("music/*.wav")));
    EXPECT_FALSE(FileExists(Path("nowhere/x")));
}

TEST_F(FileOpsTest, GetFileLength) {
    EXPECT_EQ(GetFileLength(Path("music/SONG.MP3")), 3);
    EXPECT_EQ(GetFileLength(Path("music/missing.mp3")), -1);
    EXPECT_EQ(GetFileLength(Path("music/folder.mp3")), -1);
    ASSERT_EQ(mkfifo(Path("music/pipe").c_str(), 0600), 0);
    EXPECT_EQ(GetFileLength(Path("music/pipe")), 0);  // must not wait for a writer
    const std::int64_t big = 3LL << 30;
    std::filesystem::resize_file(Path("music/b.mp3"), static_cast<std::uintmax_t>(big));
    EXPECT_EQ(GetFileLength(Path("music/b.mp3")), big);
}

TEST_F(FileOpsTest, DateTimeRoundTripToTheMillisecond) {
    const std::string file = Path("music/SONG.MP3");
    struct stat before {};
    stat(file.c_str(), &before);
    const SYSTEMTIME set{2023, 7, 0, 14, 23, 59, 58, 321};
    SetFileDateTime(file, set);
    SYSTEMTIME got = GetFileDateTime(file);
    EXPECT_EQ(got.wDayOfWeek, 5);  // a Friday, whatever was passed
    got.wDayOfWeek = 0;
    EXPECT_EQ(got, set);
    struct stat after {};
    stat(file.c_str(), &after);
    EXPECT_EQ(after.st_atim.tv_sec, before.st_atim.tv_sec);
    EXPECT_EQ(after.st_atim.tv_nsec, before.st_atim.tv_nsec);
}

TEST_F(FileOpsTest, InvalidRecordsChangeNothing) {
    const std::string file = Path("music/SONG.MP3");
    const SYSTEMTIME original = GetFileDateTime(file);
    for (const SYSTEMTIME bad :
         {SYSTEMTIME{}, SYSTEMTIME{2023, 2, 0, 29, 0, 0, 0, 0},
          SYSTEMTIME{2024, 13, 0, 1, 0, 0, 0, 0}, SYSTEMTIME{2024, 1, 0, 1, 24, 0, 0, 0},
          SYSTEMTIME{2024, 1, 0, 1, 0, 0, 0, 1000}}) {
        SetFileDateTime(file, bad);
        EXPECT_EQ(GetFileDateTime(file), original);
    }
    EXPECT_EQ(GetFileDateTime(Path("music/missing.mp3")), SYSTEMTIME{});
    SetFileDateTime(Path("music/missing.mp3"), original);
    EXPECT_FALSE(FileExists(Path("music/missing.mp3")));
}

TEST_F(FileOpsTest, CopyingATimeIsExactAcrossDaylightSaving) {
    const char* oldTz = getenv("TZ");
    const std::string savedTz = oldTz ? oldTz : "";
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    const std::string source = Path("music/SONG.MP3"), copy = Path("music/b.mp3");
    for (const SYSTEMTIME t :
         {SYSTEMTIME{2022, 1, 0, 10, 8, 0, 0, 7}, SYSTEMTIME{2022, 7, 0, 10, 8, 0, 0, 993},
          SYSTEMTIME{2022, 3, 0, 27, 2, 30, 0, 500}}) {  // a skipped hour
        SetFileDateTime(source, t);
        SetFileDateTime(copy, GetFileDateTime(source));
        const timespec a = ModifiedTime(source), b = ModifiedTime(copy);
        EXPECT_EQ(a.tv_sec, b.tv_sec);
        EXPECT_EQ(a.tv_nsec / 1000000, b.tv_nsec / 1000000);
        EXPECT_EQ(a.tv_nsec % 1000000, 0);
    }
    if (oldTz)
        setenv("TZ", savedTz.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
