// A source that changes under a running batch: truncated or deleted while it is being copied.
#include <unistd.h>

#include <filesystem>

#include "BatchConvert.h"
#include "ConvertFile.h"
#include "FaultFixture.h"
#include "core/FakeConversionHost.h"
#include "core/FakeProgressSink.h"

namespace {

using tunewrap::ListId;
using Kind = tunewrap::FileOutcome::Kind;
constexpr auto kYes = tunewrap::MsgButton::Yes;

class BatchFaults : public FaultTest {
  protected:
    void SetUp() override {
        FaultTest::SetUp();
        host.directories[0] = Path("mp3");
        host.directories[1] = Path("bmu");
        host.options[static_cast<int>(tunewrap::OptionId::OverwriteAll)] = 1;
        std::filesystem::create_directories(Path("bmu"));
    }
    void Put(const std::string& name, const std::string& bytes) {
        WriteFile(Path("mp3/" + name), bytes);
        host.List(ListId::MP3).push_back({name, true});
    }

    FakeConversionHost host;
    FakeProgressSink sink;
};

TEST_F(BatchFaults, SourceChangedDuringTheCopy) {
    // Large enough that the copy is still in its first blocks when the change comes.
    const std::string original(10 << 20, '\x55');
    const struct {
        const char* what;
        void (*change)(const std::string& path);
        Kind kind;
    } cases[] = {
        {"truncated", [](const std::string& p) { ASSERT_EQ(truncate(p.c_str(), 10000), 0); },
         Kind::Failed},
        {"deleted", [](const std::string& p) { ASSERT_EQ(unlink(p.c_str()), 0); }, Kind::Converted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host.List(ListId::MP3).clear();
        host.questions.clear();
        WriteFile(Path("bmu/song.bmu"), "old bytes");
        std::filesystem::remove(Path("bmu/next.bmu"));
        Put("song.mp3", original);
        Put("next.mp3", "next");
        host.answers = {kYes, kYes, kYes};  // the warnings, and going on after a failure
        sink.yields = 0;
        sink.onYield = [&] {
            if (sink.yields == 1) c.change(Path("mp3/song.mp3"));
        };

        const auto outcomes = tunewrap::ConvertToBMU(host, sink);
        ASSERT_EQ(outcomes.size(), 2u);
        EXPECT_EQ(outcomes[0].kind, c.kind) << outcomes[0].reason;
        EXPECT_EQ(outcomes[1].kind, Kind::Converted) << "the batch goes on";
        if (c.kind == Kind::Failed) {
            EXPECT_EQ(outcomes[0].reason,
                      "The source file became shorter while it was being copied");
            ASSERT_EQ(host.questions.size(), 3u);  // warning, failure, warning
            EXPECT_EQ(host.questions[1].title, "Conversion Failed");
            EXPECT_EQ(ReadFile(Path("bmu/song.bmu")), "old bytes");
        } else {
            // An open file outlives its name: the copy is whole.
            EXPECT_EQ(ReadFile(Path("bmu/song.bmu")), "BMU V1.0" + original);
        }
        EXPECT_EQ(Listing("bmu"), (std::set<std::string>{"next.bmu", "song.bmu"}));
    }
}

}  // namespace
