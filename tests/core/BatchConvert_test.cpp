#include "BatchConvert.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "ConvertFile.h"
#include "FakeConversionHost.h"
#include "FakeProgressSink.h"
#include "ScratchDir.h"

namespace {

using tunewrap::ListId;
using tunewrap::MsgButton;
using tunewrap::MsgIcon;
using tunewrap::OptionId;
using Bytes = std::vector<std::uint8_t>;
using Kind = tunewrap::FileOutcome::Kind;
using Names = std::vector<std::string>;

constexpr MsgButton kYes = MsgButton::Yes, kNo = MsgButton::No;

Bytes Wrapped(const Bytes& mp3) {
    Bytes bmu(std::begin(tunewrap::kBmuHeader), std::end(tunewrap::kBmuHeader));
    bmu.resize(bmu.size() + mp3.size());
    std::copy(mp3.begin(), mp3.end(), bmu.end() - static_cast<std::ptrdiff_t>(mp3.size()));
    return bmu;
}

class BatchConvert : public ScratchDir {
  protected:
    void SetUp() override {
        ScratchDir::SetUp();
        for (ListId list : {ListId::MP3, ListId::BMU}) {
            const std::string dir = Path(list == ListId::MP3 ? "mp3" : "bmu");
            std::filesystem::create_directory(dir);
            host.directories[static_cast<int>(list)] = dir;
        }
    }

    std::string In(ListId pane, const std::string& name) {
        return host.directories[static_cast<int>(pane)] + "/" + name;
    }
    // A file in the pane's directory, listed (selected) unless `listed` is false.
    void Put(ListId pane, const std::string& name, const Bytes& bytes, bool listed = true) {
        std::ofstream(In(pane, name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        if (listed) host.List(pane).push_back({name, true});
    }
    std::vector<Kind> Kinds(const std::vector<tunewrap::FileOutcome>& outcomes) {
        std::vector<Kind> kinds;
        for (const auto& o : outcomes) kinds.push_back(o.kind);
        return kinds;
    }
    void ExpectEndSteps(const Names& refills) {
        EXPECT_EQ(host.Calls("RefillList"), refills);
        ASSERT_FALSE(host.calls.empty());
        EXPECT_EQ(host.calls.back(), "EndBusy");
        EXPECT_EQ(host.calls.front(), "BeginBusy");
        EXPECT_FALSE(sink.cancel);
    }
    Names BmuRefills() {
        const std::string dir = host.directories[1] + "/";
        return {"RefillList BMU " + dir + " *.bmu", "RefillList BMU " + dir + " *.wav append"};
    }

    const Bytes music = Read(TestDataPath("cbr128_joint.mp3"));
    const Bytes mono = Read(TestDataPath("cbr96_mono.mp3"));
    const Bytes old = {'o', 'l', 'd'};
    FakeConversionHost host;
    FakeProgressSink sink;
};

TEST_F(BatchConvert, NoSelectionStillRunsTheEndSteps) {
    Put(ListId::MP3, "a.mp3", music);
    Put(ListId::MP3, "b.mp3", music);
    for (auto& e : host.List(ListId::MP3)) e.selected = false;
    EXPECT_TRUE(tunewrap::ConvertToBMU(host, sink).empty());
    EXPECT_TRUE(host.questions.empty());
    EXPECT_FALSE(std::filesystem::exists(In(ListId::BMU, "a.bmu")));
    ExpectEndSteps(BmuRefills());
}

TEST_F(BatchConvert, OverwriteQuestionsYesNoYes) {
    for (const char* name : {"a", "b", "c"}) {
        Put(ListId::MP3, std::string(name) + ".mp3", music);
        Put(ListId::BMU, std::string(name) + ".bmu", old, false);
    }
    host.answers = {kYes, kNo, kYes};
    const auto outcomes = tunewrap::ConvertToBMU(host, sink);
    EXPECT_EQ(Kinds(outcomes),
              (std::vector{Kind::Converted, Kind::SkippedExists, Kind::Converted}));
    EXPECT_EQ(Read(In(ListId::BMU, "a.bmu")), Wrapped(music));
    EXPECT_EQ(Read(In(ListId::BMU, "b.bmu")), old);
    EXPECT_EQ(Read(In(ListId::BMU, "c.bmu")), Wrapped(music));
    EXPECT_TRUE(host.SelectedNames(ListId::MP3).empty());
    ASSERT_EQ(host.questions.size(), 3u);
    const auto& q = host.questions[1];
    EXPECT_EQ(q.text, "b.bmu already exists. Do you want to overwrite it?");
    EXPECT_EQ(q.title, "File Exists");
    EXPECT_EQ(q.icon, MsgIcon::Question);
    EXPECT_EQ(q.defaultButton, kNo);
    EXPECT_EQ(outcomes[1].destinationPath, In(ListId::BMU, "b.bmu"));
    ExpectEndSteps(BmuRefills());
}

TEST_F(BatchConvert, OverwriteAllAsksNothing) {
    Put(ListId::MP3, "a.mp3", music);
    Put(ListId::BMU, "a.bmu", old, false);
    host.options[static_cast<int>(OptionId::OverwriteAll)] = 1;
    tunewrap::ConvertToBMU(host, sink);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(Read(In(ListId::BMU, "a.bmu")), Wrapped(music));
}

TEST_F(BatchConvert, RenameWavNamesExpectsMonoAndChecksTheWavName) {
    host.options[static_cast<int>(OptionId::WAVExtension)] = 1;
    Put(ListId::MP3, "fx.mp3", mono);
    Put(ListId::BMU, "fx.bmu", old, false);  // not what is written, so not asked about
    Put(ListId::MP3, "vo.mp3", music);
    Put(ListId::BMU, "vo.wav", old, false);
    host.answers = {kYes, kYes};
    tunewrap::ConvertToBMU(host, sink);
    EXPECT_EQ(Read(In(ListId::BMU, "fx.wav")), Wrapped(mono));
    EXPECT_EQ(Read(In(ListId::BMU, "vo.wav")), Wrapped(music));
    ASSERT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(host.questions[0].text, "vo.wav already exists. Do you want to overwrite it?");
    EXPECT_EQ(host.questions[1].text,
              "Warning! 'vo.mp3'\r\nhas the following potential issues if you convert it to a "
              "BMU:\r\n\r\n- Bit Rate is not 96 kbps - 128 kbps reported\r\n- Channel mode is not "
              "mono\r\n\r\nDo you wish to continue?");
}

TEST_F(BatchConvert, NoToAWarningWritesNothing) {
    const Bytes fast = Read(TestDataPath("cbr192_joint.mp3"));
    Put(ListId::MP3, "fast.mp3", fast);
    Put(ListId::MP3, "kept.mp3", fast);
    Put(ListId::BMU, "kept.bmu", old, false);
    host.options[static_cast<int>(OptionId::OverwriteAll)] = 1;
    host.answers = {kNo, kNo};
    const auto outcomes = tunewrap::ConvertToBMU(host, sink);
    EXPECT_EQ(Kinds(outcomes), (std::vector{Kind::SkippedUnsuitable, Kind::SkippedUnsuitable}));
    EXPECT_EQ(host.QuestionTitles(), (Names{"Warning", "Warning"}));
    EXPECT_EQ(host.questions[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.questions[0].defaultButton, kYes);
    EXPECT_FALSE(std::filesystem::exists(In(ListId::BMU, "fast.bmu")));
    EXPECT_EQ(Read(In(ListId::BMU, "kept.bmu")), old);
    EXPECT_TRUE(host.SelectedNames(ListId::MP3).empty());
}

TEST_F(BatchConvert, CancelInTheSecondOfThree) {
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) Put(ListId::MP3, name, music);
    sink.cancelAtYield = 3;  // each file: one block, then the final yield
    const auto outcomes = tunewrap::ConvertToBMU(host, sink);
    EXPECT_EQ(Kinds(outcomes), (std::vector{Kind::Converted, Kind::Cancelled}));
    EXPECT_EQ(Read(In(ListId::BMU, "a.bmu")), Wrapped(music));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(host.directories[1]),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_EQ(host.SelectedNames(ListId::MP3), Names{"c.mp3"});
    ExpectEndSteps(BmuRefills());
    // The next batch starts afresh.
    sink.cancelAtYield = 0;
    tunewrap::ConvertToBMU(host, sink);
    EXPECT_EQ(Read(In(ListId::BMU, "c.bmu")), Wrapped(music));
}

TEST_F(BatchConvert, BmuAndWavOfOneNameBothBecomeTheSameMp3) {
    Put(ListId::BMU, "song.bmu", Wrapped({1, 2, 3}));
    Put(ListId::BMU, "song.wav", Wrapped({4, 5}));
    host.options[static_cast<int>(OptionId::WAVExtension)] = 1;  // no part in this direction
    host.answers = {kYes};
    tunewrap::ConvertToMP3(host, sink);
    EXPECT_EQ(Read(In(ListId::MP3, "song.mp3")), (Bytes{4, 5}));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].text, "song.mp3 already exists. Do you want to overwrite it?");
    EXPECT_TRUE(host.Calls("OptionState 2").empty());
    ExpectEndSteps({"RefillList MP3 " + host.directories[0] + "/ *.mp3"});
}

TEST_F(BatchConvert, FailedFileAsksWhetherToGoOn) {
    for (const MsgButton answer : {kYes, kNo}) {
        host.List(ListId::MP3) = {{"gone.mp3", true}};  // listed, then deleted
        host.questions.clear();
        host.calls.clear();
        std::filesystem::remove(In(ListId::BMU, "b.bmu"));
        Put(ListId::MP3, "b.mp3", music);
        host.answers = {answer};
        const auto outcomes = tunewrap::ConvertToBMU(host, sink);
        ASSERT_EQ(host.questions.size(), 1u);
        EXPECT_EQ(host.questions[0].text,
                  "gone.mp3 could not be converted:\r\nNo such file or directory\r\n\r\nDo you "
                  "want to continue with the remaining files?");
        EXPECT_EQ(host.questions[0].title, "Conversion Failed");
        EXPECT_EQ(host.questions[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(host.questions[0].defaultButton, kYes);
        EXPECT_EQ(outcomes[0].kind, Kind::Failed);
        EXPECT_EQ(std::filesystem::exists(In(ListId::BMU, "b.bmu")), answer == kYes);
        EXPECT_EQ(host.SelectedNames(ListId::MP3).size(), answer == kYes ? 0u : 1u);
        ExpectEndSteps(BmuRefills());
    }
}

TEST_F(BatchConvert, CopyFailureAndWritingOverItselfAreFailures) {
    host.directories[0] = host.directories[1];  // one folder for both panes
    Put(ListId::BMU, "blocked.bmu", Wrapped({1}));
    std::filesystem::create_directory(In(ListId::MP3, "blocked.mp3"));
    Put(ListId::BMU, "self.mp3", music);  // a name the BMU list would not show
    host.options[static_cast<int>(OptionId::OverwriteAll)] = 1;
    host.answers = {kYes, kYes};
    const auto outcomes = tunewrap::ConvertToMP3(host, sink);
    EXPECT_EQ(Kinds(outcomes), (std::vector{Kind::Failed, Kind::Failed}));
    EXPECT_EQ(Read(In(ListId::BMU, "self.mp3")), music);
}

TEST_F(BatchConvert, StopsWhereTheListEndsNow) {
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) Put(ListId::MP3, name, music);
    host.onCall = [this](const std::string& call) {
        if (call == "DeselectEntry MP3 1") host.List(ListId::MP3).resize(1);
    };
    EXPECT_EQ(tunewrap::ConvertToBMU(host, sink).size(), 1u);
    ExpectEndSteps(BmuRefills());
}

TEST_F(BatchConvert, SourcesAreNeverChanged) {
    Put(ListId::MP3, "a.mp3", music);
    Put(ListId::MP3, "b.mp3", Read(TestDataPath("vbr.mp3")));
    Put(ListId::BMU, "c.bmu", Wrapped(music));
    Put(ListId::BMU, "d.wav", Wrapped(mono));
    std::map<std::string, std::pair<Bytes, std::filesystem::file_time_type>> before;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root_ / "mp3")) {
        before[e.path()] = {Read(e.path()), e.last_write_time()};
    }
    for (const auto& e : std::filesystem::recursive_directory_iterator(root_ / "bmu")) {
        before[e.path()] = {Read(e.path()), e.last_write_time()};
    }
    host.options[static_cast<int>(OptionId::PreserveFileDateTime)] = 1;
    host.answers = {kYes};  // the VBR warning
    tunewrap::ConvertToBMU(host, sink);
    tunewrap::ConvertToMP3(host, sink);
    for (const auto& [path, state] : before) {
        EXPECT_EQ(Read(path), state.first) << path;
        EXPECT_EQ(std::filesystem::last_write_time(path), state.second) << path;
    }
}

}  // namespace
