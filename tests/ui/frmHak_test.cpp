#include "frmHak.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

#include "Erf.h"
#include "HakPlan.h"
#include "MainWindowFixture.h"

namespace {

class PackIntoHak : public TwoFolders {};

// Typing into a cell of the real dialog, one key at a time, as the user does.
void TypeInto(frmHak& dialog, int row, int column, const QString& text) {
    QTableWidgetItem* item = dialog.tblSongs->item(row, column);
    dialog.tblSongs->setCurrentItem(item);
    dialog.tblSongs->editItem(item);
    QLineEdit* editor = dialog.tblSongs->findChildren<QLineEdit*>().last();  // the newest
    editor->clear();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

TEST_F(PackIntoHak, TheDialogMarksANameAsItIsTypedAndMakeWritesTheHak) {
    for (const char* song : {"Music/Night Watch.mp3", "Music/Rain.mp3"})
        WriteFile(Path(song), Sample("cbr128_stereo.mp3"));
    WriteFile(Path("base.2da"),
              "2DA V2.0\n\nDescription Resource Stinger1 Stinger2 Stinger3 "
              "DisplayName\n0 **** mus_town **** **** **** Town\n");
    auto window = Open();
    Script(*window);
    window->show();
    Select(*window->lvwMP3List, {"Night Watch.mp3", "Rain.mp3"});
    QTest::mouseClick(
        window->lvwMP3List->viewport(), Qt::RightButton, Qt::NoModifier,
        window->lvwMP3List->visualItemRect(window->lvwMP3List->topLevelItem(0)).center());
    EXPECT_TRUE(window->mnuPopupPackIntoHak->isEnabled());
    window->mnuPopup->hide();
    bool checked = false;
    window->SetHakDialogHook([&](tunewrap::HakPlan& plan) {
        frmHak dialog(plan, window.get());
        dialog.show();
        plan.SetTablePath(Path("base.2da"));
        dialog.cmdGameTable->click();  // back to the game's: there is none here
        EXPECT_FALSE(dialog.cmdMake->isEnabled());
        EXPECT_NE(dialog.lblStart->text().indexOf("No music table"), -1);
        plan.SetTablePath(Path("base.2da"));
        dialog.txtHak->setText(QString::fromStdString(Path("Game/my.hak")));
        emit dialog.txtHak->editingFinished();
        EXPECT_TRUE(dialog.cmdMake->isEnabled());
        TypeInto(dialog, 1, frmHak::GameName, "Night Watch");
        QTableWidgetItem* name = dialog.tblSongs->item(1, frmHak::GameName);
        EXPECT_FALSE(name->icon().isNull());
        EXPECT_EQ(name->data(Qt::AccessibleDescriptionRole).toString(),
                  "1 to 16 of a-z, 0-9 and _");
        EXPECT_EQ(dialog.lblProblem->text(), "Rain.mp3: 1 to 16 of a-z, 0-9 and _");
        EXPECT_FALSE(dialog.cmdMake->isEnabled());
        TypeInto(dialog, 1, frmHak::GameName, "mus_bat_rain");
        TypeInto(dialog, 1, frmHak::DisplayName, "Rain at Night");
        EXPECT_TRUE(name->icon().isNull() && dialog.lblProblem->text().isEmpty());
        checked = dialog.cmdMake->isEnabled();
        QTest::mouseClick(dialog.cmdMake, Qt::LeftButton);
        return dialog.result() == QDialog::Accepted;
    });
    window->mnuPopupPackIntoHak->trigger();
    EXPECT_TRUE(checked);
    std::string error;
    const auto hak = tunewrap::game::OpenRandomAccess(Path("Game/my.hak"), error);
    ASSERT_TRUE(hak) << error;
    const auto read = tunewrap::game::ReadErfIndex(*hak);
    ASSERT_EQ(read.index.entries.size(), 3u);
    EXPECT_EQ(read.index.entries[1].resRef, "mus_bat_rain");
    EXPECT_EQ(window->lblBatchSummary->text().toStdString(),
              "2 packed, 0 failed. Hak written to " + Path("Game/my.hak"));
    EXPECT_TRUE(questions.empty());
}

}  // namespace
