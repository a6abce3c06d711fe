#include <QMessageBox>
#include <QTimer>

#include "MainWindowFixture.h"

namespace {

using tunewrap::MsgButton;
using tunewrap::MsgIcon;

// MPEG-1 Layer III frames at 44.1 kHz: 128 kbit/s stereo, or 96 kbit/s mono (a sound effect,
// which draws the warning when it is wrapped as music).
std::string Frames(bool music, int count) {
    const std::string header =
        music ? std::string("\xFF\xFB\x90\x00", 4) : std::string("\xFF\xFB\x70\xC0", 4);
    const std::size_t length = music ? 417 : 313;
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += header + std::string(length - 4, '\x55');
    return bytes;
}

struct Question {
    std::string text;
    std::string title;
    MsgIcon icon;
    MsgButton defaultButton;
};

class Converting : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StoreDirectories();
    }
    // Answers the window's questions in turn and records them, with the busy state seen then.
    void Script(frmMain& window, std::vector<MsgButton> answers) {
        window.SetAskYesNoHook([this, &window, answers](const std::string& text,
                                                        const std::string& title, MsgIcon icon,
                                                        MsgButton defaultButton) {
            questions.push_back({text, title, icon, defaultButton});
            busyWhenAsked = !window.cmdInfo->isEnabled() && !window.chkWAVExtension->isEnabled() &&
                            window.cursor().shape() == Qt::WaitCursor;
            return questions.size() <= answers.size() ? answers[questions.size() - 1]
                                                      : MsgButton::No;
        });
    }
    static void Select(FileListView& list, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            list.findItems(QString::fromLatin1(name), Qt::MatchExactly).at(0)->setSelected(true);
        }
    }
    static void ExpectIdle(const frmMain& window) {
        EXPECT_FALSE(window.cmdConvertToBMU->isEnabled());
        EXPECT_FALSE(window.cmdConvertToMP3->isEnabled());
        EXPECT_TRUE(window.cmdInfo->isEnabled());
        EXPECT_TRUE(window.chkWAVExtension->isEnabled());
        EXPECT_NE(window.cursor().shape(), Qt::WaitCursor);
    }
    std::vector<Question> questions;
    bool busyWhenAsked = false;
};

TEST_F(Converting, ToBmuAsksWarnsCopiesAndRefillsTheDestination) {
    const std::string song = Frames(true, 12);
    WriteFile(Path("Music/song.mp3"), song);
    WriteFile(Path("Music/zap.mp3"), Frames(false, 12));
    WriteFile(Path("Music/kept.mp3"), Frames(true, 3));
    WriteFile(Path("Game/music/song.bmu"), "old");
    auto window = Open();
    Script(*window, {MsgButton::Yes, MsgButton::Yes});
    Select(*window->lvwMP3List, {"song.mp3", "zap.mp3"});
    window->cmdConvertToBMU->setEnabled(true);
    window->cmdConvertToBMU->click();

    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].text, "song.bmu already exists. Do you want to overwrite it?");
    EXPECT_EQ(questions[0].title, "File Exists");
    EXPECT_EQ(questions[0].icon, MsgIcon::Question);
    EXPECT_EQ(questions[0].defaultButton, MsgButton::No);
    EXPECT_EQ(questions[1].title, "Warning");
    EXPECT_EQ(questions[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(questions[1].defaultButton, MsgButton::Yes);
    EXPECT_TRUE(busyWhenAsked);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "BMU V1.0" + song);
    EXPECT_EQ(Names(*window->lvwBMUList), (std::vector<std::string>{"song.bmu", "zap.bmu"}));
    EXPECT_EQ(window->CountSelectedItems(*window->lvwMP3List), 0);
    ExpectIdle(*window);
}

TEST_F(Converting, ToMp3UnwrapsBothKindsAndKeepsWhatTheUserDeclined) {
    WriteFile(Path("Game/music/theme.bmu"), "BMU V1.0theme bytes");
    WriteFile(Path("Game/music/sfx.wav"), "BMU V1.0sfx bytes");
    WriteFile(Path("Music/theme.mp3"), "mine");
    auto window = Open();
    Script(*window, {MsgButton::No});
    Select(*window->lvwBMUList, {"theme.bmu", "sfx.wav"});
    window->cmdConvertToMP3->setEnabled(true);
    window->cmdConvertToMP3->click();

    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, "theme.mp3 already exists. Do you want to overwrite it?");
    EXPECT_EQ(ReadFile(Path("Music/theme.mp3")), "mine");
    EXPECT_EQ(ReadFile(Path("Music/sfx.mp3")), "sfx bytes");
    EXPECT_EQ(Names(*window->lvwMP3List), (std::vector<std::string>{"sfx.mp3", "theme.mp3"}));
    EXPECT_EQ(window->CountSelectedItems(*window->lvwBMUList), 0);
    ExpectIdle(*window);
}

TEST_F(Converting, ClosingDuringACopyCancelsItThenClosesAndSaves) {
    WriteFile(Path("Music/big.mp3"), Frames(true, 6000));  // about 2.5 MB: many blocks
    WriteFile(Path("Music/next.mp3"), Frames(true, 3));
    auto window = Open();
    window->show();
    Script(*window, {});
    Select(*window->lvwMP3List, {"big.mp3", "next.mp3"});
    window->chkOverwriteAll->setChecked(true);
    QTimer::singleShot(0, window.get(), [&] { window->close(); });
    window->cmdConvertToBMU_Click();

    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->BatchRunning());
    EXPECT_TRUE(std::filesystem::is_empty(Path("Game/music")));
    EXPECT_EQ(Stored("OverwriteAll"), "1");
    EXPECT_EQ(Stored("MP3Dir"), Path("Music"));
    EXPECT_EQ(window->CountSelectedItems(*window->lvwMP3List), 1) << "next.mp3 not reached";
}

TEST_F(Converting, ClosingWhileAQuestionIsOpenDeclinesItAndCloses) {
    WriteFile(Path("Music/song.mp3"), Frames(true, 3));
    WriteFile(Path("Game/music/song.bmu"), "old");
    auto window = Open();
    window->show();
    Select(*window->lvwMP3List, {"song.mp3"});
    bool asked = false;
    auto* poll = new QTimer(window.get());
    QObject::connect(poll, &QTimer::timeout, window.get(), [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->stop();
            asked = box->text() == "song.bmu already exists. Do you want to overwrite it?" &&
                    box->defaultButton() == box->button(QMessageBox::No);
            window->close();
        }
    });
    poll->start(0);
    window->cmdConvertToBMU_Click();

    EXPECT_TRUE(asked);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "old");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Stored("BMUDir"), Path("Game/music"));
}

}  // namespace
