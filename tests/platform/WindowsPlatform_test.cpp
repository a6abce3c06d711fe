// The Win32 side of the platform layer, under Wine or Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "ConvertFile.h"
#include "FileIo.h"
#include "PathJoin.h"
#include "common/FakeProgressSink.h"
#include "common/ScratchHome.h"
#include "mdlFileOps.h"

using namespace mdlFileOps;
using Status = tunewrap::ConvertResult::Status;

namespace {

class WindowsPlatform : public ScratchHome {
  protected:
    // Written and read through the platform layer, which takes paths of any length.
    static void Put(const std::string& path, const std::string& bytes) {
        platform::PartFile file;
        ASSERT_TRUE(file.Create(path, 0644) && file.Write(bytes.data(), bytes.size()) &&
                    file.PutInPlace(nullptr))
            << path << ": " << std::strerror(errno);
    }
    static std::string Get(const std::string& path) {
        platform::ReadOnlyFile file(path);
        std::string bytes(static_cast<std::size_t>(std::max<std::int64_t>(file.size(), 0)), '\0');
        if (file.error() != 0 || file.Read(bytes.data(), bytes.size()) != file.size()) return "-";
        return bytes;
    }
    tunewrap::ConvertResult Wrap(const std::string& from, const std::string& to) {
        return tunewrap::ConvertFileToBMU(from, to, "a.mp3", true, sink, stopwatch);
    }
    tunewrap::ConvertResult Unwrap(const std::string& from, const std::string& to) {
        return tunewrap::ConvertFileToMP3(from, to, "a.bmu", true, sink, stopwatch);
    }

    FakeProgressSink sink;
    SystemTimer stopwatch{&FakeTick};
};

}  // namespace

TEST(WindowsPaths, EitherSlashSeparatesAndADriveIsARoot) {
    for (const auto& [path, dir, name] :
         std::vector<std::array<std::string, 3>>{{"C:\\music\\a.mp3", "C:\\music", "a.mp3"},
                                                 {"C:\\a.mp3", "C:\\", "a.mp3"},
                                                 {"C:/a.mp3", "C:/", "a.mp3"},
                                                 {"music/sub\\a.mp3", "music/sub", "a.mp3"},
                                                 {"\\a.mp3", "\\", "a.mp3"},
                                                 {"a.mp3", ".", "a.mp3"}}) {
        std::string gotDir, gotName;
        platform::SplitPath(path, gotDir, gotName);
        EXPECT_EQ(gotDir + "|" + gotName, dir + "|" + name) << path;
    }
}

// A part file left by a killed program is held by no one: the next conversion of that
// destination removes it. One held by a running conversion is left alone, and its own
// conversion puts it in place over the other's result.
TEST_F(WindowsPlatform, PartFilesOfKilledAndRunningConversions) {
    const std::string part = Path("a.bmu") + platform::kPartFileSuffix;
    WriteFile(Path("a.mp3"), "tune");
    WriteFile(part, "left by a killed run");
    ASSERT_TRUE(Wrap(Path("a.mp3"), Path("a.bmu")).ok());
    EXPECT_EQ(Listing(""), (std::set<std::string>{"a.bmu", "a.mp3", "home"}));

    platform::PartFile running;
    ASSERT_TRUE(running.Create(Path("a.bmu"), 0644) && running.Write("first", 5));
    std::error_code held;
    EXPECT_FALSE(std::filesystem::remove(FsPath(part), held));
    WriteFile(Path("b.mp3"), "second");
    ASSERT_TRUE(Wrap(Path("b.mp3"), Path("a.bmu")).ok());
    EXPECT_EQ(ReadFile(Path("a.bmu")), "BMU V1.0second");
    ASSERT_TRUE(running.PutInPlace(nullptr));
    EXPECT_EQ(ReadFile(Path("a.bmu")), "first");
    {
        platform::PartFile abandoned;  // a cancelled copy
        ASSERT_TRUE(abandoned.Create(Path("a.bmu"), 0644) && abandoned.Write("x", 1));
    }
    EXPECT_EQ(Listing(""), (std::set<std::string>{"a.bmu", "a.mp3", "b.mp3", "home"}));
    EXPECT_EQ(Wrap(Path("none.mp3"), Path("a.bmu")).reason, std::strerror(ENOENT));
    EXPECT_EQ(Wrap(Path("a.mp3"), Path("no dir/a.bmu")).status, Status::Failed);
}

// Paths past MAX_PATH, names of any script, and names too long for a part-file suffix convert
// both ways, times kept; two spellings of one file are one file.
TEST_F(WindowsPlatform, LongAndNonAsciiNames) {
    std::string relative = "p";
    for (int i = 0; i < 5; ++i) relative += "/" + std::string(60, static_cast<char>('p' + i));
    const std::string dir = Path(relative);
    const std::string name = "\xC3\xBC\xC3\xB1\xC3\xAF \xE6\x9B\xB2 \xF0\x9F\x8E\xB5";
    ASSERT_TRUE(
        std::filesystem::create_directories(L"\\\\?\\" + FsPath(dir).make_preferred().wstring()));
    const std::string mp3 = ReadFile(TestDataPath("cbr128_joint.mp3"));
    for (const std::string& stem : {dir + "/" + name, dir + "/" + std::string(240, 'x')}) {
        ASSERT_GT(stem.size(), 300u);
        Put(stem + ".mp3", mp3);
        SetFileDateTime(stem + ".mp3", {2004, 2, 0, 29, 13, 14, 15, 678});
        ASSERT_TRUE(Wrap(stem + ".mp3", stem + ".bmu").ok()) << stem;
        ASSERT_EQ(Unwrap(stem + ".bmu", stem + ".back.mp3").reason, "") << stem;
        EXPECT_EQ(Get(stem + ".bmu"), "BMU V1.0" + mp3);
        EXPECT_EQ(Get(stem + ".back.mp3"), mp3);
        EXPECT_EQ(GetFileDateTime(stem + ".back.mp3"),
                  (SYSTEMTIME{2004, 2, 0, 29, 13, 14, 15, 678}));
    }
    SearchHandle walk = 0;
    EXPECT_EQ(FindFile(walk, dir + "/" + name + ".bm?", 0), name + ".bmu");
    FindFile(walk, "", FIND_ABANDON);
    std::string backslashed = dir + "/" + name + ".mp3";
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(platform::IdentityOf(backslashed), platform::IdentityOf(dir + "/./" + name + ".mp3"));
    EXPECT_NE(platform::IdentityOf(dir + "/" + name + ".mp3"),
              platform::IdentityOf(dir + "/" + name + ".bmu"));
}
