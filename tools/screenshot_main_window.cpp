// Saves a picture of the main window with files in both lists, and optionally one with the
// list menu open, the "Pack into hak" dialog, and one after a batch and that batch's details;
// --facts shows the audio facts columns:
// screenshot_main_window [--dark] [--screen=WxH] [--maximised] [--facts] OUT.png [MENU.png
// [HAK.png [BATCH.png DETAILS.png]]]
// Runs in a private home so the user's settings stay untouched.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPainter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include "BatchSummary.h"
#include "HakPlan.h"
#include "ScreenshotOptions.h"
#include "frmHak.h"
#include "frmMainTestAccess.h"
#include "mdlRegistry.h"

namespace {

// Frames of silence at 44.1 kHz by the header's bit-rate and channel byte (0x90 0x40: 128 kbit/s
// joint stereo), as many as fill `size` after `head`, so the audio facts read real lengths.
void WriteSized(const QString& path, qint64 size, const QByteArray& head, const QDateTime& time,
                char rate = '\x90', char channels = '\x40') {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    static constexpr int kKbits[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192};
    QByteArray frame(144 * kKbits[(rate >> 4) & 0x0F] * 1000 / 44100, '\0');
    frame[0] = '\xFF', frame[1] = '\xFB', frame[2] = rate, frame[3] = channels;
    file.write(head);
    while (file.size() + frame.size() <= size) file.write(frame);
    file.resize(size);
    file.setFileTime(time, QFileDevice::FileModificationTime);
}

}  // namespace

int main(int argc, char* argv[]) {
    // A short, fixed home keeps the directory boxes readable in the picture.
    QTemporaryDir scratch;
    struct ScratchHome {
        QString path;
        explicit ScratchHome(const QString& where) : path(where) { QDir().mkpath(path); }
        ~ScratchHome() { QDir(path).removeRecursively(); }
    } home(QDir::rootPath() + QStringLiteral("tmp/player"));  // C:\tmp\player on Windows
    qputenv("HOME", home.path.toUtf8());
    qputenv("XDG_CONFIG_HOME", (scratch.path() + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (scratch.path() + "/.local/share").toUtf8());
    const ScreenshotOptions options = ReadScreenshotOptions(argc, argv);
    QApplication app(argc, argv);
    ApplyLook(options);
    const QString out = options.files.value(0, QStringLiteral("main-window.png"));

    const QString mp3Dir = home.path + "/Music";
    const QString bmuDir = home.path + "/NWN/music";
    QDir().mkpath(mp3Dir);
    QDir().mkpath(bmuDir);
    const QDateTime base(QDate(2024, 3, 14), QTime(20, 15, 42));
    const struct {
        const char* name;
        qint64 size;
        char rate = '\x90', channels = '\x40';
    } songs[] = {{"Harbour Lights.mp3", 4812306},
                 {"Night Watch.mp3", 3390148},
                 {"Tavern Jig.mp3", 2204117, '\xB0'},
                 {"The Long Road.mp3", 6021990},
                 {"Winter Market.mp3", 5110024, '\x90', '\xC0'},
                 {"footsteps.mp3", 38412, '\x70', '\xC0'}};
    int minutes = 0;
    for (const auto& song : songs) {
        WriteSized(mp3Dir + '/' + song.name, song.size, "", base.addSecs(minutes += 517), song.rate,
                   song.channels);
    }
    const struct {
        const char* name;
        qint64 size;
    } bmus[] = {
        {"Harbour Lights.bmu", 4812314}, {"Night Watch.bmu", 3390156}, {"footsteps.wav", 38420}};
    for (const auto& bmu : bmus) {
        WriteSized(bmuDir + '/' + bmu.name, bmu.size, "BMU V1.0",
                   base.addDays(1).addSecs(minutes += 61));
    }
    using namespace mdlRegistry;
    WriteRegString(HKEY_CURRENT_USER, kProgramKey, "MP3Dir",
                   QDir::toNativeSeparators(mp3Dir).toStdString());
    WriteRegString(HKEY_CURRENT_USER, kProgramKey, "BMUDir",
                   QDir::toNativeSeparators(bmuDir).toStdString());

    frmMainTestAccess window;
    window.lvwMP3List->topLevelItem(2)->setSelected(true);
    window.lvwMP3List->topLevelItem(4)->setSelected(true);
    window.cmdConvertToBMU->setEnabled(true);
    options.maximised ? window.showMaximized() : window.show();
    QApplication::processEvents();
    if (options.facts) {
        // Every fact's column shown from the headings' menu, which is drawn open over them.
        QHeaderView& header = *window.lvwMP3List->header();
        emit header.customContextMenuRequested({20, 5});
        for (QAction* entry : window.mnuColumns->actions()) entry->trigger();
        window.WaitForFacts(tunewrap::ListId::MP3);
        // Below the rows, so that it hides none of the facts.
        emit header.customContextMenuRequested(
            {header.sectionViewportPosition(FileListView::LengthColumn), 150});
        QApplication::processEvents();
        QPixmap shot = window.grab();
        QPainter(&shot).drawPixmap(window.mapFromGlobal(window.mnuColumns->pos()),
                                   window.mnuColumns->grab());
        return shot.save(out) ? 0 : 1;
    }
    if (!window.grab().save(out)) return 1;
    if (options.files.size() < 2) return 0;

    // With a second file name: the same window with the list menu open over the selection. The
    // menu is a window of its own, so it is drawn onto the picture where it stands.
    window.lvwMP3List_MouseUp(Qt::RightButton,
                              window.lvwMP3List->viewport()->mapToGlobal(QPoint(150, 96)));
    QApplication::processEvents();
    QPixmap shot = window.grab();
    QPainter(&shot).drawPixmap(window.mapFromGlobal(window.mnuPopup->pos()),
                               window.mnuPopup->grab());
    window.mnuPopup->close();
    if (!shot.save(options.files[1])) return 1;
    if (options.files.size() < 3) return 0;

    // With a third: "Pack into hak" over the selection, on a music table of the game's 138 rows,
    // with one display name typed as the dialog refuses it.
    QFile table(home.path + "/ambientmusic.2da");
    table.open(QIODevice::WriteOnly);
    table.write(
        "2DA V2.0\r\n\r\n   Description Resource Stinger1 Stinger2 Stinger3 DisplayName\r\n");
    for (int row = 0; row < 138; ++row)
        table.write(QStringLiteral("%1 %2 mus_%1 **** **** **** ****\r\n")
                        .arg(row)
                        .arg(60000 + row)
                        .toUtf8());
    table.close();
    tunewrap::HakPlan plan(
        {(mp3Dir + "/Tavern Jig.mp3").toStdString(), (mp3Dir + "/Winter Market.mp3").toStdString()},
        (home.path + "/NWN/hak").toStdString(), tunewrap::game::ThisMachine());
    plan.SetTablePath(table.fileName().toStdString());
    frmHak dialog(plan, &window);
    dialog.show();
    dialog.Typed(1, frmHak::DisplayName, QStringLiteral("Winter \"Market\""));
    dialog.tblSongs->item(1, frmHak::DisplayName)->setText(QStringLiteral("Winter \"Market\""));
    QApplication::processEvents();
    if (!dialog.grab().save(options.files[2])) return 1;
    dialog.close();
    if (options.files.size() < 5) return 0;

    // With two more: after a batch of the two selected songs, one of them there already, and its
    // details.
    WriteSized(bmuDir + "/The Long Road.bmu", 6021998, "BMU V1.0", base.addDays(2));
    window.cmdBMURefresh_Click();
    for (QTreeWidgetItem* row : window.lvwBMUList->findItems("The Long Road.bmu", Qt::MatchExactly))
        row->setSelected(true);
    for (int i = 0; i < window.lvwMP3List->topLevelItemCount(); ++i)
        window.lvwMP3List->topLevelItem(i)->setSelected(false);
    window.cmdConvertToBMU->setEnabled(false);
    window.cmdConvertToMP3->setEnabled(true);
    const std::string bmuPath = QDir::toNativeSeparators(bmuDir).toStdString();
    using Outcome = tunewrap::FileOutcome;
    const Outcome outcomes[] = {
        {"Night Watch.mp3", bmuPath + "/Night Watch.bmu", Outcome::Kind::SkippedExists, {}, false},
        {"The Long Road.mp3", bmuPath + "/The Long Road.bmu", Outcome::Kind::Converted, {}, false}};
    tunewrap::BatchSummary summary;
    tunewrap::BatchTally tally;
    for (const Outcome& outcome : outcomes) {
        tally.Count(outcome.kind);
        summary.files.push_back({outcome.sourceName, tunewrap::OutcomeText(outcome)});
    }
    summary.line = tally.Text();
    window.ShowSummary(summary);
    window.cmdBatchDetails->click();
    auto* details = window.findChild<QWidget*>("frmBatchDetails");
    details->resize(details->width(), details->height() / 2);
    QApplication::processEvents();
    if (!window.grab().save(options.files[3])) return 1;
    return details->grab().save(options.files[4]) ? 0 : 1;
}
