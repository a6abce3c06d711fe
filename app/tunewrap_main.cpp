#include <QApplication>

#include "CloseOnSignal.h"
#include "frmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frmMain window;
    CloseOnSignal closeOnSignal(&window);
    window.show();
    return app.exec();
}
