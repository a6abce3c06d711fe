#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <filesystem>
#include <tuple>

#include "BatchConvert.h"
#include "BmuFile.h"
#include "ConvertFile.h"
#include "MP3Utils.h"
#include "Options.h"
#include "Reencode.h"
#include "Suitability.h"
#include "common/CoverTag.h"
#include "common/FakeProgressSink.h"
#include "common/ScratchHome.h"

using namespace tunewrap;
using namespace std::chrono_literals;

namespace {

// Plays the window: two lists with selections, scripted answers in order, and a log of the
// questions and of the calls that frame a batch.
class FakeHost : public ConversionHost {
  public:
    struct Entry {
        std::string name;
        bool selected = true;
    };
    std::vector<Entry> lists[2];
    std::string dirs[2];
    std::array<bool, kOptionCount> options = DefaultOptionStates();
    void Check(OptionId option) { options[int(option)] = true; }
    std::deque<MsgButton> answers;
    std::vector<std::string> log;

    int EntryCount(ListId l) override { return static_cast<int>(lists[int(l)].size()); }
    bool EntrySelected(ListId l, int p) override { return At(l, p).selected; }
    std::string EntryName(ListId l, int p) override { return At(l, p).name; }
    void DeselectEntry(ListId l, int p) override { At(l, p).selected = false; }
    // The kind is logged with the title: the command line answers by kind alone.
    MsgButton AskYesNo(QuestionKind kind, const TextLines& text, const std::string& title,
                       MsgIcon icon, MsgButton byDefault) override {
        const char* kinds[] = {"exists", "unsuitable", "failed", "delete"};
        log.push_back(std::string(kinds[int(kind)]) + ":" + title + "|" + JoinLines(text, "\n") +
                      "|" + (icon == MsgIcon::Question ? "?" : "!") +
                      (byDefault == MsgButton::Yes ? "Y" : "N"));
        const MsgButton answer = answers.empty() ? byDefault : answers.front();
        if (!answers.empty()) answers.pop_front();
        if (onAsk) onAsk();
        return answer;
    }
    std::function<void()> onAsk;  // what happens while a question waits
    void BeginBusy() override { log.push_back("BeginBusy"); }
    void EndBusy() override { log.push_back("EndBusy"); }
    void RefillList(ListId l, const std::string& dir, const std::string& mask,
                    bool append) override {
        log.push_back("Refill " + std::to_string(int(l)) + " " + dir + mask + (append ? " +" : ""));
    }
    std::string DirectoryText(ListId pane) override { return dirs[int(pane)]; }
    int OptionState(OptionId option) override { return options[int(option)]; }
    void EntryDone(ListId, int, const FileOutcome& outcome) override {
        const bool failed = outcome.kind == FileOutcome::Kind::Failed;
        done.push_back(failed ? "failed: " + outcome.reason
                              : std::filesystem::path(outcome.destinationPath).filename().string());
        log.push_back("Done");
    }
    std::vector<std::string> done;  // what each entry came to, as it came to it

  private:
    // A position outside the list would be a fault of the job: fail loudly, never follow it.
    Entry& At(ListId l, int p) {
        static Entry none;
        auto& list = lists[int(l)];
        const bool inside = p >= 1 && p <= static_cast<int>(list.size());
        EXPECT_TRUE(inside) << "position " << p << " outside the list";
        return inside ? list[static_cast<std::size_t>(p - 1)] : none;
    }
};

// Unwrapping: three BMU files of two blocks and a tail each (three yields per copy).
class BatchConvertTest : public ScratchHome {
  protected:
    FakeHost host;
    FakeProgressSink sink;
    const std::string payload = std::string(2 * 4096 + 10, 'p');

    void SetUp() override {
        ScratchHome::SetUp();
        host.dirs[0] = Path("mp3");
        host.dirs[1] = Path("bmu");
        for (const char* name : {"a.bmu", "b.wav", "c.bmu"}) {
            WriteFile(Path("bmu/") + name, "BMU V1.0" + payload);
            host.lists[1].push_back({name});
        }
        WriteFile(Path("mp3/keep"), "");
    }
    std::vector<bool> Selection() const {
        std::vector<bool> selected;
        for (const auto& e : host.lists[1]) selected.push_back(e.selected);
        return selected;
    }
};

// Each batch lists its destination again at the end, also one with nothing selected.
TEST_F(BatchConvertTest, AsksBeforeEachOverwriteDeselectsEveryEntryReachedAndRefills) {
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) WriteFile(Path("mp3/") + name, "old");
    host.answers = {MsgButton::Yes, MsgButton::No, MsgButton::Yes};
    ConvertToMP3(host, sink);
    EXPECT_EQ(host.log[1],
              "exists:File Exists|a.mp3 already exists. Do you want to overwrite it?|?N");
    EXPECT_EQ(ReadFile(Path("mp3/a.mp3")), payload);
    EXPECT_EQ(ReadFile(Path("mp3/b.mp3")), "old");
    EXPECT_EQ(ReadFile(Path("mp3/c.mp3")), payload);
    EXPECT_EQ(Selection(), (std::vector<bool>{false, false, false}));

    host.Check(OptionId::OverwriteAll);  // no more questions
    for (auto& e : host.lists[1]) e.selected = true;
    host.log.clear();
    ConvertToMP3(host, sink);
    EXPECT_EQ(host.log,
              (std::vector<std::string>{"BeginBusy", "Done", "Done", "Done",
                                        "Refill 0 " + Path("mp3") + "/*.mp3", "EndBusy"}));
    EXPECT_EQ(ReadFile(Path("mp3/b.mp3")), payload);
    host.lists[0] = {{"x.mp3", false}};
    host.log.clear();
    ConvertToBMU(host, sink);
    const std::string dir = Path("bmu") + "/";
    EXPECT_EQ(host.log, (std::vector<std::string>{"BeginBusy", "Refill 1 " + dir + "*.bmu",
                                                  "Refill 1 " + dir + "*.wav +", "EndBusy"}));
}

#ifndef _WIN32  // Windows names hold no '?', and its links need privileges
// The question is about the exact name: a link to nothing is a name taken, and a name with
// wildcard characters stands for itself, not for the files it would match as a mask.
TEST_F(BatchConvertTest, TheOverwriteQuestionIsAboutTheExactName) {
    std::filesystem::create_symlink(Path("nowhere"), Path("mp3/a.mp3"));
    WriteFile(Path("mp3/b.mp3"), "old");
    WriteFile(Path("bmu/?.bmu"), "BMU V1.0" + payload);
    host.lists[1] = {{"a.bmu"}, {"?.bmu"}};
    ConvertToMP3(host, sink);  // "No" to every question
    EXPECT_EQ(std::count_if(host.log.begin(), host.log.end(),
                            [](const std::string& line) { return line.starts_with("exists:"); }),
              1);
    EXPECT_TRUE(std::filesystem::is_symlink(Path("mp3/a.mp3")));
    EXPECT_EQ(ReadFile(Path("mp3/?.mp3")), payload);
}
#endif

// Only a real extension gives way; a source of the wrong kind, and a second source of a name the
// batch has just written (whatever "overwrite all" says), fail. Each is reported before the
// question about going on.
TEST_F(BatchConvertTest, NamesRefusalsAndCollisionsAreSettledPerEntry) {
    const std::string bmu = "BMU V1.0" + payload;
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"ab", bmu, "ab.mp3"},
        {"song.flac", bmu, "song.flac.mp3"},
        {".bmu", bmu, ".bmu.mp3"},
        {"x.Wav", bmu, "x.mp3"},
        {"x.BMU", bmu, "failed: would overwrite a file this run just created"},
        {"riff.wav", "RIFF\x24\0\0\0WAVEfmt ", "failed: not a BMU file"},
        {"short.bmu", "BMU V1.", "failed: not a BMU file"}};
    host.lists[1].clear();
    for (const auto& [name, bytes, outcome] : cases) {
        WriteFile(Path("bmu/") + name, bytes);
        host.lists[1].push_back({name});
    }
    host.Check(OptionId::OverwriteAll);
    ConvertToMP3(host, sink);
    std::vector<std::string> expected;
    for (const auto& c : cases) expected.push_back(std::get<2>(c));
    EXPECT_EQ(host.done, expected);
    const auto done = std::find(host.log.begin(), host.log.end(), "Done") + 4;
    ASSERT_LT(done + 1, host.log.end());
    EXPECT_TRUE(done[1].starts_with("failed:Conversion Failed|x.BMU could not be converted:\n"))
        << done[1];

    WriteFile(Path("mp3/w.mp3"), bmu);
    host.lists[0] = {{"w.mp3"}};
    ConvertToBMU(host, sink);
    EXPECT_EQ(host.done.back(), "failed: already a BMU file");
    EXPECT_FALSE(std::filesystem::exists(Path("bmu/w.bmu")));
}

// With "re-encode unsuitable" no "Warning" is asked: an unsuitable MP3 is wrapped re-encoded, a
// suitable one as it is, and one that cannot be decoded fails like any file.
TEST_F(BatchConvertTest, ReencodeUnsuitableWrapsAFreshEncodingUnasked) {
    if (!ReencodeAvailable()) GTEST_SKIP() << "built without re-encoding";
    const std::string good = Sample("cbr128_joint.mp3");
    WriteFile(Path("mp3/vbr.mp3"), Sample("vbr.mp3"));
    WriteFile(Path("mp3/noise.mp3"), std::string(5000, 'x'));
    WriteFile(Path("mp3/good.mp3"), good);
    const auto sourceTime = std::filesystem::last_write_time(Path("mp3/vbr.mp3")) - 1h;
    std::filesystem::last_write_time(Path("mp3/vbr.mp3"), sourceTime);
    host.lists[0] = {{"vbr.mp3"}, {"noise.mp3"}, {"good.mp3"}};
    host.Check(OptionId::ReencodeUnsuitable);
    ConvertToBMU(host, sink);

    EXPECT_EQ(host.done, (std::vector<std::string>{
                             "vbr.bmu", std::string("failed: ") + kNoAudioReason, "good.bmu"}));
    ASSERT_EQ(host.log.size(), 8u);  // the one question: going on after noise.mp3
    EXPECT_TRUE(host.log[3].starts_with("failed:Conversion Failed|noise.mp3 ")) << host.log[3];
    const std::string wrapped = ReadFile(Path("bmu/vbr.bmu"));
    ASSERT_TRUE(wrapped.starts_with("BMU V1.0"));
    WriteFile(Path("inner.mp3"), wrapped.substr(kBmuHeaderSize));
    MP3Utils reader;
    ASSERT_TRUE(reader.MP3File(Path("inner.mp3")));
    EXPECT_FALSE(CheckSuitability("inner.mp3", reader, false).WarningWanted());
    EXPECT_EQ(std::filesystem::last_write_time(Path("bmu/vbr.bmu")), sourceTime);
    EXPECT_EQ(ReadFile(Path("bmu/good.bmu")), "BMU V1.0" + good);
}

// A source is read once: the first read tells its kind, feeds the header scan (which reads on
// past a cover picture) and starts the copy. A source changed while a question waits would mix
// old and new bytes, and fails.
TEST_F(BatchConvertTest, WrapsAndUnwrapsEverySizeByteForByteFromOneRead) {
    const Bytes tag = Id3Tag(3, Picture({0x89, 'P', 'N', 'G'}, 80'000));
    std::vector<std::string> payloads{std::string(tag.begin(), tag.end()) +
                                      Sample("cbr128_joint.mp3")};
    for (const std::size_t size : {0u, 7u, 16383u, 16384u, 16385u, 300 * 4096u + 77}) {
        payloads.emplace_back(size, '\0');
        for (std::size_t i = 0; i < size; ++i) payloads.back()[i] = char(i * 131 + i / 4099);
    }
    host.Check(OptionId::OverwriteAll);
    for (const ListId way : {ListId::MP3, ListId::BMU}) {
        host.lists[int(way)].clear();
        for (std::size_t i = 0; i < payloads.size(); ++i) {
            const std::string name =
                "p" + std::to_string(i) + (way == ListId::MP3 ? ".mp3" : ".bmu");
            if (way == ListId::MP3) WriteFile(Path("mp3/" + name), payloads[i]);
            host.lists[int(way)].push_back({name});
        }
        way == ListId::MP3 ? ConvertToBMU(host, sink) : ConvertToMP3(host, sink);
        for (std::size_t i = 0; i < payloads.size(); ++i) {
            const std::string stem = "/p" + std::to_string(i);
            EXPECT_TRUE(ReadFile(Path("bmu") + stem + ".bmu") == "BMU V1.0" + payloads[i]) << i;
            EXPECT_TRUE(ReadFile(Path("mp3") + stem + ".mp3") == payloads[i]) << i;
        }
    }
    host.lists[0] = {{"p3.mp3"}};  // unsuitable: asked about
    host.onAsk = [&] { std::ofstream(Path("mp3/p3.mp3"), std::ios::app) << "more"; };
    ConvertToBMU(host, sink);
    EXPECT_EQ(host.done.back(), std::string("failed: ") + kSourceChangedReason);
    EXPECT_EQ(ReadFile(Path("bmu/p3.bmu")), "BMU V1.0" + payloads[3]);
}

TEST_F(BatchConvertTest, CancelInTheSecondFileKeepsTheFirstAndLeavesTheThirdSelected) {
    sink.cancelAtYield = 4;  // the first block of b.wav
    ConvertToMP3(host, sink);
    EXPECT_EQ(ReadFile(Path("mp3/a.mp3")), payload);
    EXPECT_EQ(Listing("mp3"), (std::set<std::string>{"a.mp3", "keep"}));
    EXPECT_EQ(Selection(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(host.log.back(), "EndBusy");
    EXPECT_FALSE(sink.CancelRequested());  // the next batch starts clear
}

// Each selected file is told its place in the batch before its copy starts, with the sources'
// sizes as they were at the start; the batch's bytes done grow with the file's share.
TEST_F(BatchConvertTest, EachFileIsToldItsPlaceAndTheBytesOfTheWholeBatch) {
    host.lists[1][1].selected = false;
    WriteFile(Path("bmu/c.bmu"), "BMU V1.0" + payload + "tail");
    ConvertToMP3(host, sink);
    const int first = sink.IndexOf("batch 1/2 0+8210/16424");
    const int second = sink.IndexOf("batch 2/2 8210+8214/16424");
    EXPECT_TRUE(first >= 0 && first < sink.IndexOf("file a.bmu"));
    EXPECT_TRUE(second > sink.IndexOf("file a.bmu") && second < sink.IndexOf("file c.bmu"));
    const BatchPosition at{
        .file = 2, .files = 3, .bytesBefore = 100, .fileBytes = 50, .batchBytes = 200};
    EXPECT_EQ(at.BatchDone(4, 8), 125);  // a header's bytes apart, the file's half is its half
    EXPECT_EQ(at.BatchDone(9, 8), 150);
    EXPECT_EQ(at.BatchDone(0, 0), 150);  // nothing to copy is all done
}

TEST_F(BatchConvertTest, AListThatShrinksDuringTheBatchEndsItCleanly) {
    sink.onYield = [&] { host.lists[1].resize(1); };  // the user refreshed mid-copy
    ConvertToMP3(host, sink);
    EXPECT_EQ(Listing("mp3"), (std::set<std::string>{"a.mp3", "keep"}));
    EXPECT_EQ(host.log.back(), "EndBusy");
}

}  // namespace
