#include <QAccessible>
#include <QLabel>
#include <QMessageBox>

#include "MainWindowFixture.h"
#include "frmProgress.h"

namespace {

using Converting = TwoFolders;

// Through the real controls: the questions with the window busy, the copy, the refilled list
// with the new file selected, and only its list's button on afterwards.
TEST_F(Converting, TheButtonAsksWhileBusyCopiesAndRefillsTheDestination) {
    const std::string song = Sample("cbr128_joint.mp3");
    WriteFile(Path("Music/song.mp3"), song);
    WriteFile(Path("Game/music/song.bmu"), "old");
    auto window = Open();
    Script(*window, {MsgButton::Yes});
    Select(*window->lvwMP3List, {"song.mp3"});
    window->cmdConvertToBMU->setEnabled(true);
    window->cmdConvertToBMU->click();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].ends_with("|File Exists|?No")) << questions[0];
    EXPECT_TRUE(busyWhenAsked);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "BMU V1.0" + song);
    EXPECT_EQ(Names(*window->lvwMP3List, true), Strings{});
    EXPECT_EQ(Names(*window->lvwBMUList, true), Strings{"song.bmu"});
    EXPECT_TRUE(!window->cmdConvertToBMU->isEnabled() && window->cmdConvertToMP3->isEnabled());
    EXPECT_TRUE(window->cmdInfo->isEnabled() && window->chkWAVExtension->isEnabled());
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor);
}

// A batch of two long files: each file's dialog says which file it is and how far the batch is;
// the summary line follows, its details a click away, and the new files are selected.
TEST_F(Converting, ABatchShowsItsPlaceThenItsSummaryAndSelectsItsNewFiles) {
    const std::string longSong = "BMU V1.0" + std::string(1 << 20, 'x');  // opens the dialog
    for (const char* name : {"one.bmu", "two.bmu"}) WriteFile(Path("Game/music/") + name, longSong);
    auto window = Open();
    window->show();
    Select(*window->lvwBMUList, {"one.bmu", "two.bmu"});
    std::map<QString, QString> firstSeen;  // each file's line, and the batch's bar then
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        frmProgress* dialog = window->Progress().Dialog();
        if (dialog == nullptr) return;
        Tick(dialog);
        firstSeen.try_emplace(
            dialog->findChild<QLabel*>("lblBatch")->text(),
            QAccessible::queryAccessibleInterface(dialog->findChild<QLabel*>("picBatchProgress"))
                ->text(QAccessible::Value));
    });
    poll.start(0);
    window->cmdConvertToMP3_Click();
    poll.stop();
    EXPECT_EQ(firstSeen,
              (std::map<QString, QString>{{"File 1 of 2", "0%"}, {"File 2 of 2", "50%"}}));
    EXPECT_TRUE(window->lblBatchSummary->isVisible() && window->cmdBatchDetails->isEnabled());
    EXPECT_EQ(window->lblBatchSummary->text(), "2 converted, 0 skipped, 0 failed");
    EXPECT_EQ(Names(*window->lvwMP3List, true), (Strings{"one.mp3", "two.mp3"}));
    window->cmdBatchDetails->click();
    auto* details = window->findChild<QDialog*>("frmBatchDetails");
    ASSERT_NE(details, nullptr);
    EXPECT_TRUE(details->isVisible() && !details->isModal());
    const QTreeWidgetItem* row = details->findChild<QTreeWidget*>("lvwOutcomes")->topLevelItem(1);
    EXPECT_EQ(row->text(0) + " | " + row->text(1),
              QString::fromStdString("two.bmu | converted to " + Path("Music") + "/two.mp3"));
}

// "Yes to All" and "No to All" stand beside the box's Yes and No, its question and default as
// ever, and answer that question for the rest of the batch; the next batch asks again.
TEST_F(Converting, AnswersToAllSpareTheBatchTheirLaterQuestions) {
    for (const char* name : {"a", "b", "c"}) {
        WriteFile(Path("Music/") + name + ".mp3", Sample("cbr128_joint.mp3"));
        WriteFile(Path("Game/music/") + name + ".bmu", "old");
    }
    auto window = Open();
    window->show();
    for (const auto& [answer, kept] :
         {std::pair{QMessageBox::NoToAll, true}, {QMessageBox::YesToAll, false}}) {
        Select(*window->lvwMP3List, {"a.mp3", "b.mp3", "c.mp3"});
        Strings asked;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&, answer = answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            const bool usual = box->defaultButton() == box->button(QMessageBox::No) &&
                               box->icon() == QMessageBox::Question && box->button(answer);
            asked.push_back(box->windowTitle().toStdString() + "|" + box->text().toStdString() +
                            (usual ? "" : "|unusual"));
            (usual ? box->button(answer) : box->button(QMessageBox::No))->click();
        });
        poll.start(0);
        window->cmdConvertToBMU_Click();
        EXPECT_EQ(asked, Strings{"File Exists|a.bmu already exists. Do you want to overwrite it?"});
        for (const char* name : {"a", "b", "c"})
            EXPECT_EQ(ReadFile(Path("Game/music/") + name + ".bmu") == "old", kept) << name;
        EXPECT_EQ(window->lblBatchSummary->text(),
                  kept ? "0 converted, 3 skipped, 0 failed" : "3 converted, 0 skipped, 0 failed");
    }
}

// Closing while a question is open answers it No; closing during a copy cancels it. Either way
// the window closes once the batch has returned, nothing written.
TEST_F(Converting, ClosingDuringABatchDeclinesOrCancelsItThenCloses) {
    WriteFile(Path("Music/song.mp3"), Sample("cbr128_joint.mp3"));
    WriteFile(Path("Game/music/song.bmu"), "old");
    WriteFile(Path("Game/music/big.bmu"), "BMU V1.0" + std::string(2 << 20, 'x'));
    auto window = Open();
    window->show();
    Select(*window->lvwMP3List, {"song.mp3"});
    bool asked = false;
    WhenModalAppears<QMessageBox>([&](QMessageBox* box) {
        asked = box->defaultButton() == box->button(QMessageBox::No);
        window->close();
    });
    window->cmdConvertToBMU_Click();
    EXPECT_TRUE(asked);
    EXPECT_EQ(ReadFile(Path("Game/music/song.bmu")), "old");
    EXPECT_FALSE(window->isVisible());
    window = Open();
    window->show();
    Select(*window->lvwBMUList, {"big.bmu"});
    QTimer::singleShot(0, window.get(), [&] { window->close(); });  // runs at the copy's yield
    window->cmdConvertToMP3_Click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Listing("Music"), std::set<std::string>{"song.mp3"}) << "nothing partial may be left";
}

}  // namespace
