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
    std::string Trash(const std::string& rest) const { return Path("data/Trash/") + rest; }
    static bool Exists(const std::string& path) {
        return std::filesystem::exists(std::filesystem::symlink_status(path));
    }
};

}  // namespace

// A relative name is trashed from the current directory into a trash made on first use, and
// the info file names the origin so the file manager can restore it.
TEST_F(TrashTest, RoundTripNamesTheOrigin) {
    setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
    WriteFile(Path("m/My Song #1.mp3"), "first");
    const auto oldCwd = std::filesystem::current_path();
    std::filesystem::current_path(Path("m"));
    ShellDelete(0, "My Song #1.mp3", "", false, false, false);
    std::filesystem::current_path(oldCwd);
    EXPECT_TRUE(std::filesystem::is_empty(Path("m")));
    EXPECT_EQ(std::filesystem::status(Path("data/Trash")).permissions(),
              std::filesystem::perms::owner_all);
    WriteFile(Path("m/My Song #1.mp3"), "second");
    WriteFile(Trash("files/My Song #1.mp3.2"), "left");  // its info file lost: still taken
    EXPECT_TRUE(MoveToTrash(Path("m/My Song #1.mp3")).ok);
    for (const auto& [name, text] : {std::pair{"", "first"}, {".2", "left"}, {".3", "second"}})
        EXPECT_EQ(ReadFile(Trash("files/My Song #1.mp3") + name), text);
    EXPECT_FALSE(Exists(Trash("info/My Song #1.mp3.2.trashinfo")));
    const std::string info = ReadFile(Trash("info/My Song #1.mp3.trashinfo"));
    EXPECT_EQ(
        info.rfind("[Trash Info]\nPath=" + Path("m/My%20Song%20%231.mp3") + "\nDeletionDate=20", 0),
        0u)
        << info;
    EXPECT_EQ(MoveToTrash(Path("m/none")).error, std::strerror(ENOENT));
}

TEST_F(TrashTest, WildcardsFoldersAndPermanentDelete) {
    setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
    for (const char* f : {"m/a.mp3", "m/b.MP3", "m/keep.txt", "m/dir.mp3/in", "n/named/in"})
        WriteFile(Path(f), "x");
    ShellDelete(0, Path("m/*.mp3") + '\0' + Path("n/named"), "", false, false, false);
    EXPECT_FALSE(Exists(Path("m/a.mp3")) || Exists(Path("m/b.MP3")));
    EXPECT_TRUE(Exists(Path("m/keep.txt")) && Exists(Path("m/dir.mp3/in")));  // files only
    EXPECT_TRUE(Exists(Trash("files/named/in")));  // a folder named outright goes too
    ShellDelete(0, Path("m/*.mp3") + '\0' + Path("m/keep.txt"), "", false, true, true);
    EXPECT_FALSE(Exists(Path("m/dir.mp3")) || Exists(Path("m/keep.txt")) ||
                 Exists(Trash("files/keep.txt")));  // for good, not to the trash
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
    EXPECT_FALSE(MoveToTrash(Path("usb/b.mp3")).ok);
    EXPECT_EQ(ReadFile(Path("usb/b.mp3")), "b");
}
