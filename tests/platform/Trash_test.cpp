#include <unistd.h>

#include <cstring>

#include "common/ScratchHome.h"
#include "linux/Trash.h"
#include "mdlFileOps.h"

using mdlFileOps::ShellDelete;
using platform::trash::MoveToTrash;

namespace {

class TrashTest : public ScratchHome {
  protected:
    std::string Trash() const { return Path("home/.local/share/Trash"); }

    static bool Exists(const std::string& path) {
        std::error_code ignored;
        return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
    }

    static std::size_t Entries(const std::string& directory) {
        std::error_code ignored;
        std::size_t n = 0;
        for (auto it = std::filesystem::directory_iterator(directory, ignored);
             it != std::filesystem::directory_iterator(); ++it) {
            ++n;
        }
        return n;
    }
};

}  // namespace

TEST_F(TrashTest, FileGoesToTheHomeTrashWithItsOrigin) {
    const std::string file = Path("music/My Song #1.mp3");
    WriteFile(file, "tune");
    ShellDelete(0, file, "", false, false, false);
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(ReadFile(Trash() + "/files/My Song #1.mp3"), "tune");
    const std::string info = ReadFile(Trash() + "/info/My Song #1.mp3.trashinfo");
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=", 0), 0u) << info;
    EXPECT_NE(info.find("Path=" + Path("music/My%20Song%20%231.mp3") + "\n"), std::string::npos);
    EXPECT_NE(info.find("\nDeletionDate=20"), std::string::npos);
}

TEST_F(TrashTest, SameNameTwiceGetsTwoEntries) {
    for (const char* content : {"first", "second"}) {
        WriteFile(Path("music/a.mp3"), content);
        EXPECT_TRUE(MoveToTrash(Path("music/a.mp3")).ok);
    }
    EXPECT_EQ(Entries(Trash() + "/files"), 2u);
    EXPECT_EQ(Entries(Trash() + "/info"), 2u);
    EXPECT_EQ(ReadFile(Trash() + "/files/a.mp3"), "first");
}

TEST_F(TrashTest, ListWildcardsAndFolders) {
    WriteFile(Path("music/a.mp3"), "a");
    WriteFile(Path("music/b.MP3"), "b");
    WriteFile(Path("music/keep.txt"), "k");
    WriteFile(Path("music/dir.mp3/inner"), "i");
    WriteFile(Path("other/named/inner"), "i");
    const std::string list = Path("music/*.mp3") + '\0' + Path("other/named");
    ShellDelete(0, list, "", false, false, false);
    EXPECT_FALSE(Exists(Path("music/a.mp3")));
    EXPECT_FALSE(Exists(Path("music/b.MP3")));
    EXPECT_TRUE(Exists(Path("music/keep.txt")));
    EXPECT_TRUE(Exists(Path("music/dir.mp3/inner")));          // files only under a wildcard
    EXPECT_EQ(ReadFile(Trash() + "/files/named/inner"), "i");  // named folder trashed
    ShellDelete(0, Path("music/*.mp3"), "", false, false, true);
    EXPECT_FALSE(Exists(Path("music/dir.mp3")));
}

TEST_F(TrashTest, PermanentDeleteBypassesTheTrash) {
    WriteFile(Path("music/a.mp3"), "a");
    WriteFile(Path("music/dir/inner"), "i");
    ShellDelete(0, Path("music/a.mp3") + '\0' + Path("music/dir"), "", false, true, false);
    EXPECT_FALSE(Exists(Path("music/a.mp3")));
    EXPECT_FALSE(Exists(Path("music/dir")));
    EXPECT_FALSE(Exists(Trash()));
}

TEST_F(TrashTest, MissingDataHomeIsCreatedAndNothingLandsInTheCurrentDirectory) {
    setenv("XDG_DATA_HOME", Path("fresh/data").c_str(), 1);
    std::filesystem::create_directories(Path("cwd"));
    const auto oldCwd = std::filesystem::current_path();
    std::filesystem::current_path(Path("cwd"));
    WriteFile(Path("cwd/x.mp3"), "x");
    ShellDelete(0, "x.mp3", "", false, false, false);  // a relative path, too
    std::filesystem::current_path(oldCwd);
    EXPECT_EQ(Entries(Path("cwd")), 0u);
    EXPECT_EQ(ReadFile(Path("fresh/data/Trash/files/x.mp3")), "x");
    EXPECT_NE(ReadFile(Path("fresh/data/Trash/info/x.mp3.trashinfo")).find(Path("cwd/x.mp3")),
              std::string::npos);
    EXPECT_EQ(std::filesystem::status(Path("fresh/data/Trash")).permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
}

TEST_F(TrashTest, OtherFileSystemUsesItsOwnTrashOrKeepsTheFile) {
    if (!MountTmpfs("usb", "size=1m")) GTEST_SKIP() << "cannot mount tmpfs here";
    WriteFile(Path("usb/songs/a.mp3"), "a");
    EXPECT_TRUE(MoveToTrash(Path("usb/songs/a.mp3")).ok);
    const std::string trash = Path("usb/.Trash-" + std::to_string(getuid()));
    EXPECT_EQ(ReadFile(trash + "/files/a.mp3"), "a");
    EXPECT_NE(ReadFile(trash + "/info/a.mp3.trashinfo").find("Path=songs/a.mp3\n"),
              std::string::npos);

    WriteFile(Path("usb/b.mp3"), "b");
    std::filesystem::remove_all(trash);
    ASSERT_TRUE(RemountReadOnly(Path("usb")));
    const auto result = MoveToTrash(Path("usb/b.mp3"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(ReadFile(Path("usb/b.mp3")), "b");
}

TEST_F(TrashTest, MissingItemReportsWhy) {
    const auto result = MoveToTrash(Path("music/none.mp3"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, std::strerror(ENOENT));
}
