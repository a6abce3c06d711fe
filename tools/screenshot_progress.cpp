// Saves a picture of the progress dialog at 40 per cent: screenshot_progress [--dark] OUT.png
#include <QApplication>
#include <QTimer>

#include "ScreenshotOptions.h"
#include "frmProgress.h"

int main(int argc, char* argv[]) {
    const ScreenshotOptions options = ReadScreenshotOptions(argc, argv);
    QApplication app(argc, argv);
    ApplyLook(options);
    ProgressValues values{"Tavern Ambience 02.mp3", 5'000'000, 0, false};
    frmProgress dialog(values, nullptr);
    dialog.show();
    values.done = values.total * 2 / 5;
    // The bar follows the done count on the dialog's own timer tick.
    QMetaObject::invokeMethod(dialog.findChild<QTimer*>("tmrTimer"), "timeout");
    QApplication::processEvents();
    return dialog.grab().save(options.files.value(0, "progress.png")) ? 0 : 1;
}
