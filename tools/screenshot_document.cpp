// Saves a picture of the document viewer the About box's links open:
// screenshot_document [--dark] OUT.png [DOCUMENT[#SECTION]]  (README.md unless given)
#include <QApplication>

#include "ScreenshotOptions.h"
#include "frmDocument.h"

int main(int argc, char* argv[]) {
    const ScreenshotOptions options = ReadScreenshotOptions(argc, argv);
    QApplication app(argc, argv);
    ApplyLook(options);
    frmDocument viewer(nullptr);
    viewer.ShowShipped(options.files.value(1, "README.md"));
    QApplication::processEvents();
    return viewer.grab().save(options.files.value(0, "document.png")) ? 0 : 1;
}
