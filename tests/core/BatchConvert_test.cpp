#include "BatchConvert.h"

#include "common/FakeConversionHost.h"
#include "common/FakeProgressSink.h"
#include "common/ScratchHome.h"

namespace {

using namespace tunewrap;
using Kind = FileOutcome::Kind;
using Kinds = std::vector<Kind>;
using Names = std::vector<std::string>;
constexpr auto kYes = MsgButton::Yes, kNo = MsgButton::No;
constexpr ListId kMP3 = ListId::MP3, kBMU = ListId::BMU;

std::string Wrapped(const std::string& mp3) {
    return "BMU V1.0" + mp3;
}

class BatchConvert : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        host.directories[0] = Path("mp3"), host.directories[1] = Path("bmu");
        for (const char* pane : {"mp3", "bmu"}) std::filesystem::create_directory(Path(pane));
        Option(OptionId::PreserveFileDateTime);
    }
    std::string In(ListId pane, const std::string& name) {
        return host.directories[static_cast<int>(pane)] + "/" + name;
    }
    // A file in the pane's folder, listed and selected unless `listed` is false.
    void Put(ListId pane, const std::string& name, const std::string& bytes, bool listed = true) {
        WriteFile(In(pane, name), bytes);
        if (listed) host.List(pane).push_back({name, true});
    }
    void Option(OptionId option) { host.options[static_cast<int>(option)] = 1; }
    std::map<std::string, std::string> Sources(ListId from) {
        std::map<std::string, std::string> bytesAndTimes;
        std::error_code gone;
        for (const auto& entry : host.List(from)) {
            const std::string path = In(from, entry.name);
            bytesAndTimes[path] =
                ReadFile(path) + "@" +
                std::to_string(
                    std::filesystem::last_write_time(path, gone).time_since_epoch().count());
        }
        return bytesAndTimes;
    }
    // Runs one batch and checks the end steps, which come whatever happened, and that no source
    // changed.
    Kinds Run(bool toBMU) {
        const auto sources = Sources(toBMU ? kMP3 : kBMU);
        Kinds kinds;
        for (const auto& o : toBMU ? ConvertToBMU(host, sink) : ConvertToMP3(host, sink))
            kinds.push_back(o.kind);
        const std::string dir = host.directories[toBMU ? 1 : 0] + "/";
        const Names end = toBMU ? Names{"RefillList BMU " + dir + " *.bmu",
                                        "RefillList BMU " + dir + " *.wav append", "EndBusy"}
                                : Names{"RefillList MP3 " + dir + " *.mp3", "EndBusy"};
        EXPECT_EQ(host.calls.front(), "BeginBusy");
        EXPECT_EQ(Names(host.calls.end() - static_cast<long>(end.size()), host.calls.end()), end);
        EXPECT_FALSE(sink.cancel);
        EXPECT_EQ(Sources(toBMU ? kMP3 : kBMU), sources);
        host.calls.clear();
        return kinds;
    }
    void ExpectQuestion(std::size_t index, const std::string& text, const std::string& title) {
        ASSERT_LT(index, host.questions.size());
        const auto& q = host.questions[index];
        EXPECT_EQ(q.text, text);
        EXPECT_EQ(q.title, title);
        EXPECT_EQ(q.icon, title == "File Exists" ? MsgIcon::Question : MsgIcon::Exclamation);
        EXPECT_EQ(q.defaultButton, title == "File Exists" ? kNo : kYes);
    }

    const std::string music = ReadFile(TestDataPath("cbr128_joint.mp3"));
    const std::string mono = ReadFile(TestDataPath("cbr96_mono.mp3"));
    FakeConversionHost host;
    FakeProgressSink sink;
};

TEST_F(BatchConvert, OverwriteQuestions) {
    for (const std::string name : {"a", "b", "c"}) {
        Put(kMP3, name + ".mp3", music);
        Put(kBMU, name + ".bmu", "old", false);
    }
    host.answers = {kYes, kNo, kYes};
    EXPECT_EQ(Run(true), (Kinds{Kind::Converted, Kind::SkippedExists, Kind::Converted}));
    EXPECT_EQ(ReadFile(In(kBMU, "a.bmu")) + ReadFile(In(kBMU, "c.bmu")),
              Wrapped(music) + Wrapped(music));
    EXPECT_EQ(ReadFile(In(kBMU, "b.bmu")), "old");
    EXPECT_TRUE(host.SelectedNames(kMP3).empty());
    ExpectQuestion(1, "b.bmu already exists. Do you want to overwrite it?", "File Exists");
}

TEST_F(BatchConvert, WavNamesExpectMonoAndNoToAWarningWritesNothing) {
    Option(OptionId::WAVExtension);
    Put(kMP3, "fx.mp3", mono);
    Put(kBMU, "fx.bmu", "old", false);  // not what is written, so not asked about
    Put(kMP3, "vo.mp3", music);
    Put(kBMU, "vo.wav", "old", false);
    Put(kMP3, "no.mp3", music);
    host.answers = {kYes, kYes, kNo};
    EXPECT_EQ(Run(true), (Kinds{Kind::Converted, Kind::Converted, Kind::SkippedUnsuitable}));
    EXPECT_EQ(ReadFile(In(kBMU, "fx.wav")) + ReadFile(In(kBMU, "vo.wav")),
              Wrapped(mono) + Wrapped(music));
    EXPECT_FALSE(std::filesystem::exists(In(kBMU, "no.wav")));
    EXPECT_TRUE(host.SelectedNames(kMP3).empty());
    ExpectQuestion(0, "vo.wav already exists. Do you want to overwrite it?", "File Exists");
    ExpectQuestion(1,
                   "Warning! 'vo.mp3'\r\nhas the following potential issues if you convert it to "
                   "a BMU:\r\n\r\n- Bit Rate is not 96 kbps - 128 kbps reported\r\n- Channel mode "
                   "is not mono\r\n\r\nDo you wish to continue?",
                   "Warning");
}

TEST_F(BatchConvert, CancelInTheSecondOfThree) {
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) Put(kMP3, name, music);
    sink.cancelAtYield = 3;  // each file: one block, then the final yield
    EXPECT_EQ(Run(true), (Kinds{Kind::Converted, Kind::Cancelled}));
    EXPECT_EQ(Listing("bmu"), std::set<std::string>{"a.bmu"});
    EXPECT_EQ(host.SelectedNames(kMP3), Names{"c.mp3"});
    Run(true);  // the next batch is not cancelled from the start
    EXPECT_EQ(ReadFile(In(kBMU, "c.bmu")), Wrapped(music));
}

TEST_F(BatchConvert, FailedFileAsksWhetherToGoOn) {
    for (const auto answer : {kYes, kNo}) {
        host.List(kMP3) = {{"gone.mp3", true}};  // listed, then deleted
        host.questions.clear();
        std::filesystem::remove(In(kBMU, "b.bmu"));
        Put(kMP3, "b.mp3", music);
        host.answers = {answer};
        EXPECT_EQ(Run(true),
                  answer == kYes ? (Kinds{Kind::Failed, Kind::Converted}) : Kinds{Kind::Failed});
        ExpectQuestion(0,
                       "gone.mp3 could not be converted:\r\nNo such file or directory\r\n\r\nDo "
                       "you want to continue with the remaining files?",
                       "Conversion Failed");
        EXPECT_EQ(host.SelectedNames(kMP3).size(), answer == kYes ? 0u : 1u);
    }
}

TEST_F(BatchConvert, UnwrapFailuresAndOneNameFromTwoFiles) {
    host.directories[0] = host.directories[1];  // one folder for both panes
    Put(kBMU, "blocked.bmu", Wrapped("x"));
    std::filesystem::create_directory(In(kMP3, "blocked.mp3"));
    Put(kBMU, "self.mp3", music);  // a name the BMU list would not show: it would overwrite itself
    Option(OptionId::OverwriteAll);
    host.answers = {kYes, kYes};
    EXPECT_EQ(Run(false), (Kinds{Kind::Failed, Kind::Failed}));
    EXPECT_EQ(ReadFile(In(kBMU, "self.mp3")), music);

    host.directories[0] = Path("mp3");
    host.List(kBMU) = {};
    host.options[static_cast<int>(OptionId::OverwriteAll)] = 0;
    Put(kBMU, "song.bmu", Wrapped("123"));
    Put(kBMU, "song.wav", Wrapped("45"));
    host.answers = {kYes};
    Run(false);
    EXPECT_EQ(ReadFile(In(kMP3, "song.mp3")), "45");
    ExpectQuestion(2, "song.mp3 already exists. Do you want to overwrite it?", "File Exists");
}

TEST_F(BatchConvert, NoSelectionAndAListThatShrinks) {
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) Put(kMP3, name, music);
    for (auto& entry : host.List(kMP3)) entry.selected = false;
    EXPECT_TRUE(Run(true).empty());
    EXPECT_TRUE(Listing("bmu").empty());
    for (auto& entry : host.List(kMP3)) entry.selected = true;
    host.onCall = [this](const std::string& call) {
        if (call == "DeselectEntry MP3 1") host.List(kMP3).resize(1);
    };
    EXPECT_EQ(Run(true).size(), 1u);  // and no look past the list's end
}

}  // namespace
