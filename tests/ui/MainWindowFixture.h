#pragma once
#include <QApplication>
#include <QHeaderView>
#include <memory>
#include <string>
#include <vector>

#include "common/ScratchHome.h"
#include "frmMain.h"
#include "mdlRegistry.h"

// A private home with its own settings per test, and the one widget application of the program.
class MainWindowTest : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        static int argc = 1;
        static char arg0[] = "tunewrap-tests";
        static char* argv[] = {arg0, nullptr};
        static QApplication* app = new QApplication(argc, argv);
        (void)app;
    }

    std::string Home() const { return Path("home"); }

    static std::string Stored(const char* name, const char* key = mdlRegistry::kProgramKey) {
        std::string value;
        if (mdlRegistry::ReadRegString(mdlRegistry::HKEY_LOCAL_MACHINE, key, name, value) != 0) {
            return "<absent>";
        }
        return value;
    }
    static void Store(const char* name, const std::string& value,
                      const char* key = mdlRegistry::kProgramKey) {
        mdlRegistry::WriteRegString(mdlRegistry::HKEY_LOCAL_MACHINE, key, name, value);
    }
    std::string SettingsFile() const { return Path("home/.config/Brenlo/Tunewrap.conf"); }

    static std::vector<std::string> Names(const FileListView& list) {
        std::vector<std::string> names;
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            names.push_back(list.topLevelItem(i)->text(0).toStdString());
        }
        return names;
    }
    static std::string Cell(const FileListView& list, const std::string& name, int column) {
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            if (list.topLevelItem(i)->text(0).toStdString() == name) {
                return list.topLevelItem(i)->text(column).toStdString();
            }
        }
        return "<missing>";
    }

    // Two panes with files: Music holds the source files, Game/music the destination files.
    void StoreDirectories() {
        Store("MP3Dir", Path("Music"));
        Store("BMUDir", Path("Game/music"));
        std::filesystem::create_directories(Path("Music"));
        std::filesystem::create_directories(Path("Game/music"));
    }

    std::unique_ptr<frmMain> Open() { return std::make_unique<frmMain>(); }
};
