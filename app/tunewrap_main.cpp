#include <QApplication>
#include <cstdio>
#include <cstring>

#include "CloseOnSignal.h"
#include "Version.h"
#include "frmMain.h"

namespace {

constexpr const char* kUsage =
    "Usage: tunewrap [--help | --version]\n"
    "Opens the Tunewrap window: MP3 files on the left, the game's BMU files on the right.\n"
    "For scripts and whole folders use tunewrap-cli.\n"
    "\n"
    "Options:\n"
    "  -h,--help    Print this help and exit\n"
    "  --version    Print the version and the licence and exit\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before any window system is touched, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n%s\n", tunewrap::VersionTitle().c_str(), tunewrap::kLicenceLine);
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
        }
    }
    QApplication app(argc, argv);  // takes Qt's own options (-platform, -style...) off argv
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') {
            std::fprintf(stderr, "tunewrap: unknown option %s\n%s", argv[i], kUsage);
            return 2;
        }
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brenlo.Tunewrap"));
    frmMain window;
    CloseOnSignal closeOnSignal(&window);
    window.show();
    return app.exec();
}
