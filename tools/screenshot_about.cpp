// Saves a picture of the About box: screenshot_about OUT.png
#include <QApplication>

#include "frmAbout.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frmAbout about(nullptr);
    about.show();
    QApplication::processEvents();
    return about.grab().save(argc > 1 ? QString::fromLocal8Bit(argv[1]) : "about.png") ? 0 : 1;
}
