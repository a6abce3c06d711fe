#pragma once
#include <QApplication>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "ClearStoredSettings.h"
#include "FileManagerProperties.h"
#include "OffscreenScreen.h"
#include "common/ScratchHome.h"
#include "frmAbout.h"
#include "frmMainTestAccess.h"
#include "mdlBrowseForFolder.h"
#include "mdlRegistry.h"

// A private home with its own settings per test, and the one widget application of the program.
class MainWindowTest : public ScratchHome {
  protected:
    using Strings = std::vector<std::string>;
    using MsgButton = tunewrap::MsgButton;
    using Window = frmMainTestAccess;

    MainWindowTest() {  // before any widget a fixture holds, and away from the user's folders
        static QApplication* app = [] {
            static QTemporaryDir home;
            for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
                qputenv(name, (home.path() + '/' + name).toUtf8());
            // A desktop's screen, unless a test asks for another.
            UseOffscreenScreen(home.path(),
                               qEnvironmentVariable("TUNEWRAP_TEST_SCREEN", "1920x1080").toUtf8());
            static int argc = 1;
            static char arg0[] = "tunewrap-tests";
            static char* argv[] = {arg0, nullptr};
            return new QApplication(argc, argv);
        }();
        (void)app;
    }
    void SetUp() override {
        ScratchHome::SetUp();
#ifdef _WIN32
        ClearStoredSettings();
#endif
    }
    void TearDown() override {
        mdlBrowseForFolder::SetAnswererForTesting(nullptr);
        platform::SetFileManagerForTesting(nullptr);
        ScratchHome::TearDown();
    }

    static std::string Stored(const char* name) {
        std::string value;
        const bool found = mdlRegistry::ReadRegString(mdlRegistry::HKEY_CURRENT_USER,
                                                      mdlRegistry::kProgramKey, name, value) == 0;
        return found ? value : "<absent>";
    }
    static void Store(const char* name, const std::string& value) {
        mdlRegistry::WriteRegString(mdlRegistry::HKEY_CURRENT_USER, mdlRegistry::kProgramKey, name,
                                    value);
    }
    // Two panes with files: Music holds the source files, Game/music the destination files.
    void StoreDirectories() {
        Store("MP3Dir", Path("Music"));
        Store("BMUDir", Path("Game/music"));
        std::filesystem::create_directories(Path("Music"));
        std::filesystem::create_directories(Path("Game/music"));
    }
    std::unique_ptr<Window> Open() {
        return std::make_unique<Window>();
    }

    static Strings Names(const FileListView& list, bool selectedOnly = false) {
        Strings names;
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list.topLevelItem(i);
            if (!selectedOnly || item->isSelected()) names.push_back(item->text(0).toStdString());
        }
        return names;
    }
    static void Select(FileListView& list, const Strings& names) {  // exactly these
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list.topLevelItem(i);
            item->setSelected(std::count(names.begin(), names.end(), item->text(0).toStdString()));
        }
    }

    // Answers the window's questions from `answers` in turn (No once they run out) and notes
    // each as "text|title|icon default button", and whether the window looked busy meanwhile.
    void Script(Window& window, std::vector<MsgButton> answers = {}) {
        questions.clear();
        window.SetAskYesNoHook([this, &window, answers](const std::string& text,
                                                        const std::string& title,
                                                        tunewrap::MsgIcon icon, MsgButton button) {
            questions.push_back(text + "|" + title + "|" +
                                (icon == tunewrap::MsgIcon::Question ? "?" : "!") +
                                (button == MsgButton::Yes ? "Yes" : "No"));
            busyWhenAsked = !window.cmdInfo->isEnabled() && !window.chkWAVExtension->isEnabled() &&
                            window.cursor().shape() == Qt::WaitCursor;
            return questions.size() <= answers.size() ? answers[questions.size() - 1]
                                                      : MsgButton::No;
        });
    }
    Strings questions;
    bool busyWhenAsked = false;

    // Runs `act` on the first modal widget of type T once the caller's modal exec() shows it.
    template <typename T>
    static void WhenModalAppears(std::function<void(T*)> act) {
        auto* poll = new QTimer(QCoreApplication::instance());
        QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
            if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                act(modal);
            }
        });
        poll->start(0);
    }
    static void FlushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static void Tick(QObject* dialog) {
        QMetaObject::invokeMethod(dialog->findChild<QObject*>("tmrTimer"), "timeout");
    }
};

// A window over the Music and Game/music folders, opened once the test has filled them.
class TwoFolders : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StoreDirectories();
    }
};
