#include "ConvertFile.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <random>

#include "FakeProgressSink.h"
#include "common/ScratchHome.h"
#include "mdlFileOps.h"

using namespace tunewrap;

namespace {

using Converter = ConvertResult (*)(const std::string&, const std::string&, const std::string&,
                                    bool, ProgressSink&, SystemTimer&);

const std::string kHeader(kBmuHeader, sizeof kBmuHeader);

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

int OpenDescriptors() {
    int n = 0;
    if (DIR* fds = opendir("/proc/self/fd")) {
        while (readdir(fds)) ++n;
        closedir(fds);
    }
    return n;
}

class ConvertFileTest : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        gFakeTickMs = 0;
        std::filesystem::create_directories(Path("mp3"));
        std::filesystem::create_directories(Path("bmu"));
    }

    ConvertResult Run(Converter convert, const std::string& from, const std::string& to,
                      bool preserve = false) {
        return convert(from, to, std::filesystem::path(from).filename().string(), preserve, sink,
                       stopwatch);
    }

    bool Exists(const std::string& path) const { return std::filesystem::exists(path); }

    FakeProgressSink sink;
    SystemTimer stopwatch{&FakeTick};
};

}  // namespace

TEST_F(ConvertFileTest, PayloadSizesAndRoundTrip) {
    for (const std::size_t size :
         {0u, 1u, 7u, 8u, 9u, 4096u, 3 * 4096u, 3 * 4096u + 1, 3 * 4096u + 8, 300 * 4096u + 77}) {
        SCOPED_TRACE(size);
        const std::string mp3 = RandomBytes(size, static_cast<unsigned>(size));
        WriteFile(Path("mp3/a.mp3"), mp3);
        ASSERT_TRUE(Run(ConvertFileToBMU, Path("mp3/a.mp3"), Path("bmu/a.bmu")).ok());
        EXPECT_EQ(ReadFile(Path("bmu/a.bmu")), kHeader + mp3);
        ASSERT_TRUE(Run(ConvertFileToMP3, Path("bmu/a.bmu"), Path("mp3/b.mp3")).ok());
        EXPECT_EQ(ReadFile(Path("mp3/b.mp3")), mp3);
        EXPECT_EQ(sink.total, static_cast<std::int64_t>(size));
        EXPECT_EQ(sink.done, static_cast<std::int64_t>(size));
        EXPECT_EQ(sink.Count("yield"), 2 * (static_cast<int>(size / 4096) + 1));  // both ways
        sink.events.clear();
    }
}

TEST_F(ConvertFileTest, ShortFilesUnwrapToNothing) {
    for (const std::string content : {"", "BMU", "BMU V1.", "BMU V1.0", "XXXXXXXX"}) {
        WriteFile(Path("bmu/s.wav"), content);
        ASSERT_TRUE(Run(ConvertFileToMP3, Path("bmu/s.wav"), Path("mp3/s.mp3")).ok());
        EXPECT_EQ(std::filesystem::file_size(Path("mp3/s.mp3")), 0u) << content;
        EXPECT_EQ(sink.total, 0);
    }
}

TEST_F(ConvertFileTest, OverwriteLeavesNoOldBytesAndKeepsPermissions) {
    WriteFile(Path("bmu/a.bmu"), std::string(100000, 'o'));
    chmod(Path("bmu/a.bmu").c_str(), 0640);
    WriteFile(Path("mp3/a.mp3"), "new");
    WriteFile(Path("bmu/a.bmu") + kPartFileSuffix, std::string(9000, 's'));  // from a crash
    ASSERT_TRUE(Run(ConvertFileToBMU, Path("mp3/a.mp3"), Path("bmu/a.bmu")).ok());
    EXPECT_EQ(ReadFile(Path("bmu/a.bmu")), kHeader + "new");
    EXPECT_EQ(std::filesystem::status(Path("bmu/a.bmu")).permissions(),
              static_cast<std::filesystem::perms>(0640));
    EXPECT_FALSE(Exists(Path("bmu/a.bmu") + kPartFileSuffix));
}

TEST_F(ConvertFileTest, StalePartFileLinkIsNotFollowed) {
    WriteFile(Path("victim"), "precious");
    std::filesystem::create_symlink(Path("victim"), Path("bmu/a.bmu") + kPartFileSuffix);
    WriteFile(Path("mp3/a.mp3"), "x");
    ASSERT_TRUE(Run(ConvertFileToBMU, Path("mp3/a.mp3"), Path("bmu/a.bmu")).ok());
    EXPECT_EQ(ReadFile(Path("victim")), "precious");
}

TEST_F(ConvertFileTest, CancelLeavesNothingAndClosesBoth) {
    const std::string mp3 = RandomBytes(10 * 4096 + 5, 1);
    WriteFile(Path("mp3/a.mp3"), mp3);
    WriteFile(Path("bmu/old.bmu"), "old");
    for (const std::string target : {"bmu/a.bmu", "bmu/old.bmu"}) {
        for (const int k : {1, 4, 10, 11}) {  // 11: during the last Yield, after the tail
            SCOPED_TRACE(target + " cancel at " + std::to_string(k));
            sink = FakeProgressSink{};
            sink.cancelAtYield = k;
            const int fds = OpenDescriptors();
            const ConvertResult result = Run(ConvertFileToBMU, Path("mp3/a.mp3"), Path(target));
            EXPECT_EQ(result.status, ConvertResult::Status::Cancelled);
            EXPECT_EQ(OpenDescriptors(), fds);
            EXPECT_EQ(Exists(Path(target)), target == "bmu/old.bmu");
            EXPECT_FALSE(Exists(Path(target) + kPartFileSuffix));
            EXPECT_EQ(sink.Count("yield"), std::min(k, 10) + 1);
            EXPECT_EQ(sink.done, static_cast<std::int64_t>(mp3.size()));
        }
    }
    EXPECT_EQ(ReadFile(Path("bmu/old.bmu")), "old");
    EXPECT_EQ(ReadFile(Path("mp3/a.mp3")), mp3);
}

TEST_F(ConvertFileTest, FailuresAreReportedAndLeaveTheDestinationIntact) {
    const int fds = OpenDescriptors();
    ConvertResult result = Run(ConvertFileToBMU, Path("mp3/none.mp3"), Path("bmu/none.bmu"));
    EXPECT_EQ(result.status, ConvertResult::Status::Failed);
    EXPECT_EQ(result.reason, std::strerror(ENOENT));
    EXPECT_TRUE(sink.events.empty());

    // The source loses its end while it is being copied.
    WriteFile(Path("mp3/a.mp3"), RandomBytes(3 << 20, 2));
    WriteFile(Path("bmu/a.bmu"), "old");
    sink.onYield = [this](int) { truncate(Path("mp3/a.mp3").c_str(), 1000); };
    result = Run(ConvertFileToBMU, Path("mp3/a.mp3"), Path("bmu/a.bmu"));
    EXPECT_EQ(result.status, ConvertResult::Status::Failed);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadFile(Path("bmu/a.bmu")), "old");
    EXPECT_FALSE(Exists(Path("bmu/a.bmu") + kPartFileSuffix));
    EXPECT_EQ(OpenDescriptors(), fds);
}

TEST_F(ConvertFileTest, DiskFullLeavesTheDestinationIntact) {
    if (!MountTmpfs("small", "size=256k")) GTEST_SKIP() << "cannot mount tmpfs here";
    WriteFile(Path("small/a.bmu"), "old");
    WriteFile(Path("mp3/a.mp3"), RandomBytes(4 << 20, 3));
    const int fds = OpenDescriptors();
    const ConvertResult result = Run(ConvertFileToBMU, Path("mp3/a.mp3"), Path("small/a.bmu"));
    EXPECT_EQ(result.status, ConvertResult::Status::Failed);
    EXPECT_EQ(result.reason, std::strerror(ENOSPC));
    EXPECT_EQ(ReadFile(Path("small/a.bmu")), "old");
    EXPECT_FALSE(Exists(Path("small/a.bmu") + kPartFileSuffix));
    EXPECT_EQ(OpenDescriptors(), fds);
}

TEST_F(ConvertFileTest, ReadOnlyDestinationFails) {
    if (!MountTmpfs("ro", "size=64k")) GTEST_SKIP() << "cannot mount tmpfs here";
    WriteFile(Path("ro/a.bmu"), "old");
    ASSERT_TRUE(RemountReadOnly(Path("ro")));
    WriteFile(Path("mp3/a.mp3"), "abc");
    const ConvertResult result = Run(ConvertFileToBMU, Path("mp3/a.mp3"), Path("ro/a.bmu"));
    EXPECT_EQ(result.status, ConvertResult::Status::Failed);
    EXPECT_EQ(result.reason, std::strerror(EROFS));
    EXPECT_EQ(ReadFile(Path("ro/a.bmu")), "old");
}

TEST_F(ConvertFileTest, PreservedTimeMatchesToTheMillisecond) {
    WriteFile(Path("bmu/a.wav"), kHeader + "tune");
    const mdlFileOps::SYSTEMTIME when{2004, 2, 0, 29, 13, 14, 15, 678};
    mdlFileOps::SetFileDateTime(Path("bmu/a.wav"), when);
    ASSERT_TRUE(Run(ConvertFileToMP3, Path("bmu/a.wav"), Path("mp3/a.mp3"), true).ok());
    EXPECT_EQ(mdlFileOps::GetFileDateTime(Path("mp3/a.mp3")),
              mdlFileOps::GetFileDateTime(Path("bmu/a.wav")));
    ASSERT_TRUE(Run(ConvertFileToBMU, Path("mp3/a.mp3"), Path("bmu/b.bmu"), false).ok());
    EXPECT_NE(mdlFileOps::GetFileDateTime(Path("bmu/b.bmu")).wYear, 2004);
}

TEST_F(ConvertFileTest, ReportsInTheDocumentedOrder) {
    WriteFile(Path("mp3/a.mp3"), std::string(2 * 4096 + 1, 'x'));
    ASSERT_TRUE(Run(ConvertFileToBMU, Path("mp3/a.mp3"), Path("bmu/a.bmu")).ok());
    EXPECT_EQ(sink.events,
              (std::vector<std::string>{"file a.mp3", "done 4096", "total 8193", "done 4096",
                                        "yield", "done 8192", "yield", "done 8193", "yield"}));
}

TEST_F(ConvertFileTest, LargeCopyOpensTheDialogBeforeTheFirstBlock) {
    WriteFile(Path("mp3/big.mp3"), std::string(987136, 'x'));
    ASSERT_TRUE(Run(ConvertFileToBMU, Path("mp3/big.mp3"), Path("bmu/big.bmu")).ok());
    EXPECT_EQ(sink.IndexOf("show"), 3);
    EXPECT_EQ(sink.Count("show"), 1);
    EXPECT_EQ(sink.events.back(), "close");

    sink = FakeProgressSink{};
    WriteFile(Path("mp3/big.mp3"), std::string(987135, 'x'));  // 240 blocks and a tail
    ASSERT_TRUE(Run(ConvertFileToBMU, Path("mp3/big.mp3"), Path("bmu/big.bmu")).ok());
    EXPECT_EQ(sink.Count("show"), 0);
    EXPECT_EQ(sink.Count("close"), 0);
}

TEST_F(ConvertFileTest, SlowCopyOpensTheDialogOnceAfterThreeSeconds) {
    WriteFile(Path("mp3/a.mp3"), std::string(20 * 4096, 'x'));
    sink.msPerYield = 1000;
    ASSERT_TRUE(Run(ConvertFileToBMU, Path("mp3/a.mp3"), Path("bmu/a.bmu")).ok());
    // Block 4 ends 3000 ms after the start (not more); block 5 ends at 4000 ms.
    EXPECT_EQ(sink.Count("show"), 1);
    EXPECT_EQ(sink.IndexOf("show"), sink.IndexOf("done 20480") + 1);
    EXPECT_EQ(sink.Count("close"), 1);
}
