#pragma once
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "UiTestApp.h"
#include "frmMain.h"
#include "mdlBrowseForFolder.h"

// A main window on two scratch folders: mp3/ with a.mp3 and b.mp3, bmu/ with x.bmu, a BMU file
// named y.wav and a wave file (never listed). Questions are recorded and answered by `answer`.
class PanesFixture : public UiTest {
  protected:
    void SetUp() override {
        for (const char* file : {"mp3/a.mp3", "mp3/b.mp3", "bmu/x.bmu"}) Touch(file);
        Touch("bmu/y.wav", "BMU V1.0");
        Touch("bmu/real.wav", "RIFF");
        window = std::make_unique<frmMain>();
        window->SetAskYesNoHook([this](const std::string& text, const std::string& title,
                                       tunewrap::MsgIcon icon, tunewrap::MsgButton defaultButton) {
            questions.push_back(text + "|" + title + "|" +
                                (icon == tunewrap::MsgIcon::Question ? "?" : "!") +
                                (defaultButton == tunewrap::MsgButton::Yes ? "Yes" : "No"));
            return answer;
        });
        window->txtMP3Dir->setText(Path("mp3"));
        window->txtBMUDir->setText(Path("bmu"));
        window->cmdMP3Refresh_Click();
        window->cmdBMURefresh_Click();
    }
    void TearDown() override { mdlBrowseForFolder::SetAnswererForTesting(nullptr); }

    QString Path(const QString& relative) const { return QDir(tmp.path()).filePath(relative); }
    bool Exists(const QString& relative) const { return QFileInfo::exists(Path(relative)); }
    void Touch(const QString& relative, const QByteArray& bytes = "x") const {
        QDir().mkpath(QFileInfo(Path(relative)).path());
        QFile file(Path(relative));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }

    static QStringList Names(const FileListView* list, bool selectedOnly = false) {
        QStringList names;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list->topLevelItem(row);
            if (!selectedOnly || item->isSelected()) names << item->text(0);
        }
        return names;
    }
    static void Select(FileListView* list, const QStringList& names) {
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            list->topLevelItem(row)->setSelected(names.contains(list->topLevelItem(row)->text(0)));
        }
    }

    QTemporaryDir tmp;
    std::unique_ptr<frmMain> window;
    std::vector<std::string> questions;  // text|title|icon default
    tunewrap::MsgButton answer = tunewrap::MsgButton::No;
};
