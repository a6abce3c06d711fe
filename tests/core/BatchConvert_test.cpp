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
using tunewrap::MsgIcon;
using Bytes = std::vector<std::uint8_t>;
using Kind = tunewrap::FileOutcome::Kind;
using Kinds = std::vector<Kind>;
using Names = std::vector<std::string>;
constexpr auto kYes = tunewrap::MsgButton::Yes, kNo = tunewrap::MsgButton::No;
constexpr ListId kMP3 = ListId::MP3, kBMU = ListId::BMU;

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
        for (const char* pane : {"mp3", "bmu"}) std::filesystem::create_directory(Path(pane));
        host.directories[0] = Path("mp3"), host.directories[1] = Path("bmu");
    }
    std::string In(ListId pane, const std::string& name) {
        return host.directories[static_cast<int>(pane)] + "/" + name;
    }
    // A file in the pane's folder, listed and selected unless `listed` is false.
    void Put(ListId pane, const std::string& name, const Bytes& bytes, bool listed = true) {
        std::ofstream(In(pane, name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (listed) host.List(pane).push_back({name, true});
    }
    void Option(tunewrap::OptionId option) { host.options[static_cast<int>(option)] = 1; }
    Kinds Run(bool toBMU) {
        Kinds kinds;
        for (const auto& o :
             toBMU ? tunewrap::ConvertToBMU(host, sink) : tunewrap::ConvertToMP3(host, sink)) {
            kinds.push_back(o.kind);
        }
        // The end steps, whatever happened.
        EXPECT_EQ(host.calls.front(), "BeginBusy");
        EXPECT_EQ(host.calls.back(), "EndBusy");
        const std::string dir = host.directories[toBMU ? 1 : 0] + "/";
        const Names refills = toBMU ? Names{"RefillList BMU " + dir + " *.bmu",
                                            "RefillList BMU " + dir + " *.wav append"}
                                    : Names{"RefillList MP3 " + dir + " *.mp3"};
        EXPECT_EQ(host.Calls("RefillList"), refills);
        EXPECT_FALSE(sink.cancel);
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

    const Bytes music = Read(TestDataPath("cbr128_joint.mp3"));
    const Bytes mono = Read(TestDataPath("cbr96_mono.mp3"));
    const Bytes old = {'o', 'l', 'd'};
    FakeConversionHost host;
    FakeProgressSink sink;
};

TEST_F(BatchConvert, OverwriteQuestionsThenOverwriteAll) {
    for (const char* name : {"a", "b", "c"}) {
        Put(kMP3, std::string(name) + ".mp3", music);
        Put(kBMU, std::string(name) + ".bmu", old, false);
    }
    host.answers = {kYes, kNo, kYes};
    EXPECT_EQ(Run(true), (Kinds{Kind::Converted, Kind::SkippedExists, Kind::Converted}));
    EXPECT_EQ(Read(In(kBMU, "a.bmu")), Wrapped(music));
    EXPECT_EQ(Read(In(kBMU, "b.bmu")), old);
    EXPECT_EQ(Read(In(kBMU, "c.bmu")), Wrapped(music));
    EXPECT_TRUE(host.SelectedNames(kMP3).empty());
    ExpectQuestion(1, "b.bmu already exists. Do you want to overwrite it?", "File Exists");

    host.List(kMP3)[1].selected = true;
    Option(tunewrap::OptionId::OverwriteAll);
    EXPECT_EQ(Run(true), Kinds{Kind::Converted});
    EXPECT_EQ(Read(In(kBMU, "b.bmu")), Wrapped(music));
    EXPECT_EQ(host.questions.size(), 3u);
}

TEST_F(BatchConvert, RenameWavNamesExpectsMonoAndChecksTheWavName) {
    Option(tunewrap::OptionId::WAVExtension);
    Put(kMP3, "fx.mp3", mono);
    Put(kBMU, "fx.bmu", old, false);  // not what is written, so not asked about
    Put(kMP3, "vo.mp3", music);
    Put(kBMU, "vo.wav", old, false);
    host.answers = {kYes, kYes};
    Run(true);
    EXPECT_EQ(Read(In(kBMU, "fx.wav")), Wrapped(mono));
    EXPECT_EQ(Read(In(kBMU, "vo.wav")), Wrapped(music));
    ExpectQuestion(0, "vo.wav already exists. Do you want to overwrite it?", "File Exists");
    ExpectQuestion(1,
                   "Warning! 'vo.mp3'\r\nhas the following potential issues if you convert it to "
                   "a BMU:\r\n\r\n- Bit Rate is not 96 kbps - 128 kbps reported\r\n- Channel mode "
                   "is not mono\r\n\r\nDo you wish to continue?",
                   "Warning");
}

TEST_F(BatchConvert, NoToAWarningWritesNothing) {
    const Bytes fast = Read(TestDataPath("cbr192_joint.mp3"));
    Put(kMP3, "fast.mp3", fast);
    Put(kMP3, "kept.mp3", fast);
    Put(kBMU, "kept.bmu", old, false);
    Option(tunewrap::OptionId::OverwriteAll);
    host.answers = {kNo, kNo};
    EXPECT_EQ(Run(true), (Kinds{Kind::SkippedUnsuitable, Kind::SkippedUnsuitable}));
    EXPECT_FALSE(std::filesystem::exists(In(kBMU, "fast.bmu")));
    EXPECT_EQ(Read(In(kBMU, "kept.bmu")), old);
    EXPECT_TRUE(host.SelectedNames(kMP3).empty());
}

TEST_F(BatchConvert, CancelInTheSecondOfThree) {
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) Put(kMP3, name, music);
    sink.cancelAtYield = 3;  // each file: one block, then the final yield
    EXPECT_EQ(Run(true), (Kinds{Kind::Converted, Kind::Cancelled}));
    EXPECT_EQ(Read(In(kBMU, "a.bmu")), Wrapped(music));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("bmu")), {}), 1);
    EXPECT_EQ(host.SelectedNames(kMP3), Names{"c.mp3"});
    Run(true);  // the next batch is not cancelled from the start
    EXPECT_EQ(Read(In(kBMU, "c.bmu")), Wrapped(music));
}

TEST_F(BatchConvert, BmuAndWavOfOneNameBothBecomeTheSameMp3) {
    Put(kBMU, "song.bmu", Wrapped({1, 2, 3}));
    Put(kBMU, "song.wav", Wrapped({4, 5}));
    Option(tunewrap::OptionId::WAVExtension);  // no part in this direction
    host.answers = {kYes};
    Run(false);
    EXPECT_EQ(Read(In(kMP3, "song.mp3")), (Bytes{4, 5}));
    ExpectQuestion(0, "song.mp3 already exists. Do you want to overwrite it?", "File Exists");
    EXPECT_EQ(host.questions.size(), 1u);
}

TEST_F(BatchConvert, FailedFileAsksWhetherToGoOn) {
    for (const auto answer : {kYes, kNo}) {
        host.List(kMP3) = {{"gone.mp3", true}};  // listed, then deleted
        host.questions.clear();
        std::filesystem::remove(In(kBMU, "b.bmu"));
        Put(kMP3, "b.mp3", music);
        host.answers = {answer};
        const Kinds expected =
            answer == kYes ? Kinds{Kind::Failed, Kind::Converted} : Kinds{Kind::Failed};
        EXPECT_EQ(Run(true), expected);
        ExpectQuestion(0,
                       "gone.mp3 could not be converted:\r\nNo such file or directory\r\n\r\nDo "
                       "you want to continue with the remaining files?",
                       "Conversion Failed");
        EXPECT_EQ(host.SelectedNames(kMP3).size(), answer == kYes ? 0u : 1u);
    }
}

TEST_F(BatchConvert, CopyFailureAndWritingOverItselfAreFailures) {
    host.directories[0] = host.directories[1];  // one folder for both panes
    Put(kBMU, "blocked.bmu", Wrapped({1}));
    std::filesystem::create_directory(In(kMP3, "blocked.mp3"));
    Put(kBMU, "self.mp3", music);  // a name the BMU list would not show
    Option(tunewrap::OptionId::OverwriteAll);
    host.answers = {kYes, kYes};
    EXPECT_EQ(Run(false), (Kinds{Kind::Failed, Kind::Failed}));
    EXPECT_EQ(Read(In(kBMU, "self.mp3")), music);
}

TEST_F(BatchConvert, NoSelectionAndAListThatShrinks) {
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) Put(kMP3, name, music);
    for (auto& entry : host.List(kMP3)) entry.selected = false;
    EXPECT_TRUE(Run(true).empty());
    EXPECT_TRUE(host.questions.empty());
    EXPECT_FALSE(std::filesystem::exists(In(kBMU, "a.bmu")));

    for (auto& entry : host.List(kMP3)) entry.selected = true;
    host.onCall = [this](const std::string& call) {
        if (call == "DeselectEntry MP3 1") host.List(kMP3).resize(1);
    };
    EXPECT_EQ(Run(true).size(), 1u);  // and no look past the list's end
}

TEST_F(BatchConvert, SourcesAreNeverChanged) {
    Put(kMP3, "a.mp3", music);
    Put(kMP3, "b.mp3", Read(TestDataPath("vbr.mp3")));
    Put(kBMU, "c.bmu", Wrapped(music));
    Put(kBMU, "d.wav", Wrapped(mono));
    std::map<std::string, std::pair<Bytes, std::filesystem::file_time_type>> before;
    for (ListId pane : {kMP3, kBMU}) {
        for (const auto& entry : host.List(pane)) {
            const std::string path = In(pane, entry.name);
            before[path] = {Read(path), std::filesystem::last_write_time(path)};
        }
    }
    Option(tunewrap::OptionId::PreserveFileDateTime);
    host.answers = {kYes};  // the VBR warning
    Run(true);
    Run(false);
    for (const auto& [path, state] : before) {
        EXPECT_EQ(Read(path), state.first) << path;
        EXPECT_EQ(std::filesystem::last_write_time(path), state.second) << path;
    }
}

}  // namespace
