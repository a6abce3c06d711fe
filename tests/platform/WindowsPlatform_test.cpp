// The Win32 side of the platform layer, under Wine or Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "ConvertFile.h"
#include "FileIo.h"
#include "PathJoin.h"
#include "common/ConvertResultPrinter.h"
#include "common/FakeProgressSink.h"
#include "common/ScratchHome.h"
#include "mdlFileOps.h"

using namespace mdlFileOps;
using Names = std::multiset<std::string>;
using Status = tunewrap::ConvertResult::Status;

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

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
    // Every name of one whole walk; the handle must be 0 again afterwards.
    Names Walk(const std::string& mask, std::int32_t attributes = 0) {
        Names names;
        SearchHandle handle = 0;
        for (std::string n; !(n = FindFile(handle, Path(mask), attributes)).empty();)
            names.insert(n);
        EXPECT_EQ(handle, 0) << mask;
        return names;
    }
    tunewrap::ConvertResult Wrap(const std::string& from, const std::string& to) {
        return tunewrap::ConvertFileToBMU(from, to, "a.mp3", true, sink, stopwatch);
    }
    tunewrap::ConvertResult Unwrap(const std::string& from, const std::string& to) {
        return tunewrap::ConvertFileToMP3(from, to, "a.bmu", true, sink, stopwatch);
    }
    // Seconds since 1970 of a file's last-write time, as the file system keeps it (UTC).
    static std::int64_t UtcSeconds(const std::string& path) {
        std::int64_t size = 0;
        platform::FileTime time;
        return platform::SizeAndModified(path, size, time) ? time.seconds : -1;
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

// The system matches the mask, as the Windows program always did: without regard to case, for
// exact names too, and brackets are plain characters.
TEST_F(WindowsPlatform, MaskWalkAttributesAndLengths) {
    for (const char* name : {"SONG.MP3", "b.mp3", "[live] c.mp3", "notes.txt", "sub/x",
                             "\xC3\xA9t\xC3\xA9 \xE6\x9B\xB2.mp3"})
        WriteFile(Path("m/") + name, "abc");
    std::filesystem::create_directories(FsPath(Path("m/folder.mp3")));
    EXPECT_EQ(Walk("m//*.mp3"), (Names{"SONG.MP3", "b.mp3", "[live] c.mp3", "folder.mp3",
                                       "\xC3\xA9t\xC3\xA9 \xE6\x9B\xB2.mp3"}));
    EXPECT_EQ(Walk("m/[live]*"), Names{"[live] c.mp3"});
    EXPECT_EQ(Walk("m/?.MP3"), Names{"b.mp3"});
    EXPECT_EQ(Walk("m/*", FILE_ATTRIBUTE_DIRECTORY), (Names{"folder.mp3", "sub"}));
    EXPECT_EQ(Walk("m/*").size(), 7u);  // never "." or ".."
    EXPECT_EQ(Walk("m/song.mp3"), Names{"SONG.MP3"});
    EXPECT_TRUE(Walk("gone/*.mp3").empty());
    SearchHandle handle = 0;
    EXPECT_FALSE(FindFile(handle, Path("m/*.mp3"), 0).empty());
    EXPECT_EQ(FindFile(handle, "", FIND_ABANDON), "");
    EXPECT_EQ(handle, 0);

    EXPECT_TRUE(FileExists(Path("m/song.mp3")) && FileExists(Path("m\\sub")) &&
                FileExists(Path("m/*.TXT")));
    EXPECT_FALSE(FileExists(Path("m/missing")) || FileExists(Path("m/*.wav")));
    EXPECT_EQ(GetFileLength(Path("m/\xC3\xA9t\xC3\xA9 \xE6\x9B\xB2.mp3")), 3);
    EXPECT_EQ(GetFileLength(Path("m/missing")) + GetFileLength(Path("m/folder.mp3")), -2);
}

// Local time goes through the offset in force now, both ways: a winter and a summer record
// half a year apart land exactly that far apart, and copying a time is exact, to the
// millisecond, also for the hour summer time skips.
TEST_F(WindowsPlatform, LocalTimeAcrossASummerTimeChange) {
    const std::string file = Path("a.mp3"), other = Path("b.mp3");
    WriteFile(file, "a");
    WriteFile(other, "b");
    const SYSTEMTIME winter{2022, 1, 0, 10, 8, 0, 0, 7}, summer{2022, 7, 0, 11, 8, 0, 0, 993};
    SetFileDateTime(file, winter);
    EXPECT_EQ(GetFileDateTime(file), (SYSTEMTIME{2022, 1, 1, 10, 8, 0, 0, 7}));  // a Monday
    const std::int64_t winterUtc = UtcSeconds(file);
    // 2022-01-10 08:00 as if it were UTC; Berlin is one or two hours ahead, whatever the season.
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
    EXPECT_EQ(GetFileDateTime(Path("missing")), SYSTEMTIME{});
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
    EXPECT_EQ(Walk(relative + "/*.bmu").count(name + ".bmu"), 1u);
    std::string backslashed = dir + "/" + name + ".mp3";
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(platform::IdentityOf(backslashed), platform::IdentityOf(dir + "/./" + name + ".mp3"));
    EXPECT_NE(platform::IdentityOf(dir + "/" + name + ".mp3"),
              platform::IdentityOf(dir + "/" + name + ".bmu"));
}
