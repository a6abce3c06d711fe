#include "mdlFileOps.h"

#include <sys/stat.h>
#include <unistd.h>

#include "common/ScratchHome.h"

using namespace mdlFileOps;
using Names = std::multiset<std::string>;

namespace {

class FileOpsTest : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        for (const char* name : {"SONG.MP3", "b.mp3", "[live] c.mp3", "notes.txt", "sub/x"})
            WriteFile(Path("m/") + name, "abc");
        std::filesystem::create_directories(Path("m/folder.mp3"));
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
};

}  // namespace

TEST_F(FileOpsTest, WalksExistsAndLength) {
    EXPECT_EQ(Walk("m//*.mp3"), (Names{"SONG.MP3", "b.mp3", "[live] c.mp3", "folder.mp3"}));
    EXPECT_EQ(Walk("m/[live]*"), Names{"[live] c.mp3"});
    EXPECT_EQ(Walk("m/?.MP3"), Names{"b.mp3"});
    EXPECT_EQ(Walk("m/*", FILE_ATTRIBUTE_DIRECTORY), (Names{"folder.mp3", "sub"}));
    EXPECT_EQ(Walk("m/*").size(), 6u);        // never "." or ".."
    EXPECT_TRUE(Walk("m/song.mp3").empty());  // exact names are case-sensitive
    EXPECT_TRUE(Walk("gone/*.mp3").empty());
    SearchHandle handle = 0;
    EXPECT_FALSE(FindFile(handle, Path("m/*.mp3"), 0).empty());
    EXPECT_EQ(FindFile(handle, "", FIND_ABANDON), "");
    EXPECT_EQ(handle, 0);

    EXPECT_TRUE(FileExists(Path("m/SONG.MP3")) && FileExists(Path("m/sub")) &&
                FileExists(Path("m/*.TXT")));
    EXPECT_FALSE(FileExists(Path("m/song.mp3")) || FileExists(Path("m/*.wav")));
    EXPECT_EQ(GetFileLength(Path("m/SONG.MP3")), 3);
    EXPECT_EQ(GetFileLength(Path("m/missing")) + GetFileLength(Path("m/folder.mp3")), -2);
    ASSERT_EQ(chmod(Path("m/SONG.MP3").c_str(), 0200), 0);  // root may open it all the same
    EXPECT_EQ(GetFileLength(Path("m/SONG.MP3")), access(Path("m/SONG.MP3").c_str(), R_OK) ? -1 : 3);
    ASSERT_EQ(mkfifo(Path("m/pipe").c_str(), 0600), 0);
    EXPECT_EQ(GetFileLength(Path("m/pipe")), 0);  // must not wait for a writer
    std::filesystem::resize_file(Path("m/b.mp3"), 3ULL << 30);
    EXPECT_EQ(GetFileLength(Path("m/b.mp3")), 3LL << 30);
}

TEST_F(FileOpsTest, TimesToTheMillisecond) {
    const std::string file = Path("m/SONG.MP3"), other = Path("m/b.mp3");
    SetFileDateTime(file, {2023, 7, 0, 14, 23, 59, 58, 321});
    EXPECT_EQ(GetFileDateTime(file), (SYSTEMTIME{2023, 7, 5, 14, 23, 59, 58, 321}));  // a Friday
    SetFileDateTime(file, SYSTEMTIME{2023, 2, 0, 29, 0, 0, 0, 0});  // no such day: no change
    EXPECT_EQ(GetFileDateTime(file).wDay, 14);
    EXPECT_EQ(GetFileDateTime(Path("m/missing")), SYSTEMTIME{});

    // Copying a time from file to file is exact, whatever the season.
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    for (const SYSTEMTIME t :
         {SYSTEMTIME{2022, 1, 0, 10, 8, 0, 0, 7}, SYSTEMTIME{2022, 7, 0, 10, 8, 0, 0, 993},
          SYSTEMTIME{2022, 3, 0, 27, 2, 30, 0, 500}}) {  // a skipped hour
        SetFileDateTime(file, t);
        SetFileDateTime(other, GetFileDateTime(file));
        EXPECT_EQ(std::filesystem::last_write_time(file), std::filesystem::last_write_time(other));
    }
    unsetenv("TZ");
    tzset();
}
