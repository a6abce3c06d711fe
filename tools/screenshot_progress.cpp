// Saves a picture of the progress dialog at 40 per cent, and optionally one of the dialog in a
// batch, on its second file of six: screenshot_progress [--dark] OUT.png [BATCH.png]
#include <QApplication>
#include <QTimer>

#include "ScreenshotOptions.h"
#include "frmProgress.h"

namespace {

bool SaveDialog(ProgressValues& values, const QString& file) {
    frmProgress dialog(values, nullptr);
    dialog.show();
    values.done = values.total * 2 / 5;
    // The bars follow the done count on the dialog's own timer tick.
    QMetaObject::invokeMethod(dialog.findChild<QTimer*>("tmrTimer"), "timeout");
    QApplication::processEvents();
    return dialog.grab().save(file);
}

}  // namespace

int main(int argc, char* argv[]) {
    const ScreenshotOptions options = ReadScreenshotOptions(argc, argv);
    QApplication app(argc, argv);
    ApplyLook(options);
    ProgressValues values{"Tavern Ambience 02.mp3", 5'000'000, 0, false, {}};
    if (!SaveDialog(values, options.files.value(0, "progress.png"))) return 1;
    if (options.files.size() < 2) return 0;
    values.batch = {.file = 2,
                    .files = 6,
                    .bytesBefore = 4'812'314,
                    .fileBytes = 5'000'000,
                    .batchBytes = 26'545'600};
    return SaveDialog(values, options.files[1]) ? 0 : 1;
}
