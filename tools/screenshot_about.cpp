// Saves a picture of the About box: screenshot_about [--dark] OUT.png
#include <QApplication>

#include "ScreenshotOptions.h"
#include "frmAbout.h"

int main(int argc, char* argv[]) {
    const ScreenshotOptions options = ReadScreenshotOptions(argc, argv);
    QApplication app(argc, argv);
    ApplyLook(options);
    frmAbout about(nullptr);
    about.show();
    QApplication::processEvents();
    return about.grab().save(options.files.value(0, "about.png")) ? 0 : 1;
}
