#include "ConvertFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <random>

#include "FileIo.h"
#include "common/FakeProgressSink.h"
#include "common/ScratchHome.h"
#include "linux/FileIoForTests.h"
#include "mdlFileOps.h"

using namespace tunewrap;
using Status = ConvertResult::Status;
using platform::kPartFileSuffix;

namespace {

std::string RandomBytes(std::size_t size) {
    std::mt19937 random(static_cast<unsigned>(size));
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

// Counted the same way each time, so the walk's own descriptor cancels out.
auto OpenDescriptors() {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
}

class ConvertFileTest : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        gFakeTickMs = 0;
        fds = OpenDescriptors();
    }
    void TearDown() override {
        platform::testing::UseNamedPartFilesOnly(false);
        platform::testing::LimitKernelCopy(-1);
        EXPECT_EQ(OpenDescriptors(), fds);  // every path closes both files
        ScratchHome::TearDown();
    }
    ConvertResult Wrap(const std::string& from, const std::string& to, bool preserve = false) {
        return ConvertFileToBMU(Path(from), Path(to), "a.mp3", preserve, sink, stopwatch);
    }
    ConvertResult Unwrap(const std::string& from, const std::string& to, bool preserve = false) {
        return ConvertFileToMP3(Path(from), Path(to), "a.bmu", preserve, sink, stopwatch);
    }
    // The destination after a copy that did not complete: as before, and no part file of any
    // slot beside it.
    void ExpectUntouched(const std::string& to, const std::string& before) {
        EXPECT_EQ(ReadFile(Path(to)), before);
        const auto dir = std::filesystem::path(Path(to)).parent_path();
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            EXPECT_FALSE(entry.path().string().ends_with(kPartFileSuffix)) << entry.path();
    }

    FakeProgressSink sink;
    SystemTimer stopwatch{&FakeTick};
    decltype(OpenDescriptors()) fds = 0;
};

}  // namespace

// Over a longer old file, and a stale part name that links elsewhere.
TEST_F(ConvertFileTest, RoundTripForAnyPayload) {
    WriteFile(Path("a.bmu"), std::string(100000, 'o'));
    WriteFile(Path("victim"), "precious");
    std::filesystem::create_symlink(Path("victim"), Path("a.bmu") + kPartFileSuffix);
    for (const std::size_t size : {0u, 7u, 8u, 3 * 4096u, 3 * 4096u + 1, 300 * 4096u + 77}) {
        const std::string mp3 = RandomBytes(size);
        WriteFile(Path("a.mp3"), mp3);
        ASSERT_TRUE(Wrap("a.mp3", "a.bmu").ok());
        EXPECT_EQ(ReadFile(Path("a.bmu")), "BMU V1.0" + mp3);
        mdlFileOps::SetFileDateTime(Path("a.bmu"), {2004, 2, 0, 29, 13, 14, 15, 678});
        ASSERT_TRUE(Unwrap("a.bmu", "b.mp3", true).ok());
        EXPECT_EQ(ReadFile(Path("b.mp3")), mp3);
        EXPECT_EQ(std::filesystem::last_write_time(Path("b.mp3")),
                  std::filesystem::last_write_time(Path("a.bmu")));  // to the millisecond
    }
    for (const std::string shortFile : {"", "BMU V1.", "BMU V1.0"}) {
        WriteFile(Path("s.wav"), shortFile);
        ASSERT_TRUE(Unwrap("s.wav", "s.mp3").ok());
        EXPECT_EQ(ReadFile(Path("s.mp3")), "");
    }
    ExpectUntouched("victim", "precious");
}

// Also through named part files, the only ones a cancelled copy could leave behind.
TEST_F(ConvertFileTest, CancelLeavesNoDestination) {
    WriteFile(Path("a.mp3"), RandomBytes(10 * 4096 + 5));
    WriteFile(Path("old.bmu"), "old");
    for (const int k : {1, 4, 10, 11}) {  // 11: during the last Yield, after the tail
        platform::testing::UseNamedPartFilesOnly(k % 2 == 0);
        for (const std::string to : {"a.bmu", "old.bmu"}) {
            sink = FakeProgressSink{};
            sink.cancelAtYield = k;
            EXPECT_EQ(Wrap("a.mp3", to).status, Status::Cancelled);
            EXPECT_EQ(sink.yields, std::min(k, 10) + 1);
        }
        EXPECT_FALSE(std::filesystem::exists(Path("a.bmu")));
        ExpectUntouched("old.bmu", "old");
    }
}

// Where the kernel moves nothing (another file system, FUSE) or stops part way, reading and
// writing go on from the same byte, both ways; a cancel between chunks leaves nothing either way.
TEST_F(ConvertFileTest, CopyWithoutTheKernel) {
    const std::string mp3 = RandomBytes((17 << 20) + 77);  // beyond two kernel chunks
    WriteFile(Path("a.mp3"), mp3);
    for (const std::int64_t limit : {0, 5000, (16 << 20) + 5}) {  // the last: in the tail
        platform::testing::LimitKernelCopy(limit);
        ASSERT_TRUE(Wrap("a.mp3", "a.bmu").ok());
        platform::testing::LimitKernelCopy(limit);
        ASSERT_TRUE(Unwrap("a.bmu", "b.mp3").ok());
        EXPECT_TRUE(ReadFile(Path("a.bmu")) == "BMU V1.0" + mp3) << limit;
        EXPECT_TRUE(ReadFile(Path("b.mp3")) == mp3) << limit;
    }
    WriteFile(Path("old.bmu"), "old");
    for (const std::int64_t limit : {-1, 5000}) {
        platform::testing::LimitKernelCopy(limit);
        sink = FakeProgressSink{};
        sink.cancelAtYield = 3000;
        EXPECT_EQ(Wrap("a.mp3", "old.bmu").status, Status::Cancelled);
        ExpectUntouched("old.bmu", "old");
    }
}

TEST_F(ConvertFileTest, FailuresAreReportedAndChangeNothing) {
    EXPECT_EQ(Wrap("none.mp3", "a.bmu").reason, std::strerror(ENOENT));
    ASSERT_EQ(mkfifo(Path("fifo.mp3").c_str(), 0600), 0);
    EXPECT_EQ(Wrap("fifo.mp3", "a.bmu").status, Status::Failed);  // without waiting for a writer
    EXPECT_TRUE(sink.events.empty());

    const std::string big = RandomBytes(9 << 20);
    WriteFile(Path("a.mp3"), big);
    WriteFile(Path("a.bmu"), "old");
    // Shrunk, grown, or replaced by another file under its name while it is copied.
    for (const auto& change : std::vector<std::function<void()>>{
             [this] { EXPECT_EQ(truncate(Path("a.mp3").c_str(), 1000), 0); },
             [this] { std::ofstream(Path("a.mp3"), std::ios::app) << "more"; },
             [this] {
                 WriteFile(Path("new.mp3"), "other");
                 rename(Path("new.mp3").c_str(), Path("a.mp3").c_str());
             }}) {
        WriteFile(Path("a.mp3"), big);
        sink = FakeProgressSink{};
        sink.onYield = [&] {
            if (sink.yields == 1) change();
        };
        EXPECT_EQ(Wrap("a.mp3", "a.bmu", true).reason, kSourceChangedReason);
        ExpectUntouched("a.bmu", "old");
    }
    // An open file outlives its name: a source deleted mid-copy is still copied whole.
    WriteFile(Path("a.mp3"), big);
    sink.onYield = [this] { unlink(Path("a.mp3").c_str()); };
    EXPECT_TRUE(Wrap("a.mp3", "a.bmu").ok());
    EXPECT_EQ(ReadFile(Path("a.bmu")), "BMU V1.0" + big);
    sink.onYield = nullptr;

    WriteFile(Path("a.mp3"), big);
    // Every part-file name held by a running conversion: the reason says so, not "File exists".
    platform::testing::UseNamedPartFilesOnly(true);
    std::vector<int> held;
    for (int slot = 0; slot < 64; ++slot) {
        const std::string part =
            Path("held.bmu") + (slot == 0 ? "" : "." + std::to_string(slot)) + kPartFileSuffix;
        WriteFile(part, "");
        held.push_back(open(part.c_str(), O_RDONLY));
        flock(held.back(), LOCK_EX);
    }
    EXPECT_EQ(Wrap("a.mp3", "held.bmu").reason,
              "Too many unfinished conversions of this file are in progress");
    for (const int fd : held) close(fd);

    if (!MountTmpfs("small", "size=256k")) GTEST_SKIP() << "cannot mount tmpfs here";
    WriteFile(Path("small/a.bmu"), "old");
    EXPECT_EQ(Wrap("a.mp3", "small/a.bmu").reason, std::strerror(ENOSPC));
    ExpectUntouched("small/a.bmu", "old");
    ASSERT_TRUE(RemountReadOnly(Path("small")));
    EXPECT_EQ(Wrap("a.mp3", "small/a.bmu").reason, std::strerror(EROFS));
    ExpectUntouched("small/a.bmu", "old");
}

TEST_F(ConvertFileTest, ProgressAndDialogRules) {
    WriteFile(Path("a.mp3"), std::string(2 * 4096 + 1, 'x'));
    ASSERT_TRUE(Wrap("a.mp3", "a.bmu").ok());
    EXPECT_EQ(sink.events,
              (std::vector<std::string>{"file a.mp3", "done 4096", "total 8193", "done 4096",
                                        "yield", "done 8192", "yield", "done 8193", "yield"}));
    // More than 240 whole blocks open the dialog at once; else only more than 3000 ms do.
    for (const auto& [size, msPerYield, showAfter] :
         std::vector<std::tuple<int, int, std::string>>{{987136, 0, "total 987136"},
                                                        {987135, 999, "done 20480"},
                                                        {20 * 4096, 1000, "done 20480"}}) {
        sink = FakeProgressSink{};
        sink.msPerYield = static_cast<std::uint32_t>(msPerYield);
        WriteFile(Path("a.mp3"), std::string(static_cast<std::size_t>(size), 'x'));
        ASSERT_TRUE(Wrap("a.mp3", "a.bmu").ok());
        EXPECT_EQ(sink.IndexOf("show"), sink.IndexOf(showAfter) + 1) << size;
        EXPECT_GT(sink.IndexOf("close"), sink.IndexOf("show")) << size;
    }
}

// Two conversions to one destination at once, the second within the first's copy: neither
// removes or renames the other's file, each says what happened, and the destination ends up
// holding one complete output. A leftover no one holds is cleaned up on the way.
TEST_F(ConvertFileTest, ConcurrentConversionsOfOneDestination) {
    const std::string first = RandomBytes(40 * 4096), second = RandomBytes(50 * 4096 + 3);
    WriteFile(Path("first.mp3"), first);
    WriteFile(Path("second.mp3"), second);
    for (const bool named : {false, true}) {
        platform::testing::UseNamedPartFilesOnly(named);
        WriteFile(Path("out/a.bmu") + kPartFileSuffix, "left by a crash");
        FakeProgressSink otherSink;
        SystemTimer otherStopwatch{&FakeTick};
        ConvertResult inner;
        sink.onYield = [&] {
            if (sink.yields != 2) return;
            inner = ConvertFileToBMU(Path("second.mp3"), Path("out/a.bmu"), "second.mp3", false,
                                     otherSink, otherStopwatch);
            EXPECT_TRUE(ReadFile(Path("out/a.bmu")) == "BMU V1.0" + second);
        };
        EXPECT_TRUE(Wrap("first.mp3", "out/a.bmu").ok()) << named;
        EXPECT_TRUE(inner.ok()) << inner.reason;
        EXPECT_TRUE(ReadFile(Path("out/a.bmu")) == "BMU V1.0" + first);
        EXPECT_EQ(Listing("out"), std::set<std::string>{"a.bmu"});
        sink = FakeProgressSink{};
    }
}

// A new file gets the source's permission bits less the umask, so a private song stays
// private; a replaced file keeps its own, but never set-user-ID, set-group-ID or sticky bits.
TEST_F(ConvertFileTest, PermissionsOfNewAndReplacedFiles) {
    const mode_t oldMask = umask(022);
    WriteFile(Path("a.mp3"), "tune");
    // A replaced 0666 keeps the bits the umask takes off a new file.
    const int cases[][3] = {
        {0600, -1, 0600},   {04777, -1, 0755},   {0600, 0640, 0640},
        {0600, 0666, 0666}, {0600, 07755, 0755},
    };
    for (const auto& [source, existing, expected] : cases) {
        chmod(Path("a.mp3").c_str(), static_cast<mode_t>(source));
        std::filesystem::remove(Path("a.bmu"));
        if (existing >= 0) {
            WriteFile(Path("a.bmu"), "old");
            chmod(Path("a.bmu").c_str(), static_cast<mode_t>(existing));
        }
        ASSERT_TRUE(Wrap("a.mp3", "a.bmu").ok());
        struct stat result {};
        stat(Path("a.bmu").c_str(), &result);
        EXPECT_EQ(result.st_mode & 07777, static_cast<mode_t>(expected)) << std::oct << source;
    }
    umask(oldMask);
}
