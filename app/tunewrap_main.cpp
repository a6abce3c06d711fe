#include <QApplication>
#include <cstring>
#include <string>
#include <vector>

#include "CloseOnSignal.h"
#include "CommandLine.h"
#include "Languages.h"
#include "OpenedFiles.h"
#include "Terminal.h"
#include "UiText.h"
#include "UserMessage.h"
#include "Version.h"
#include "frmMain.h"

namespace {

//: the options, FILE, DIR and the program names stay as they are
constexpr const char* kUsage = TW_TRANSLATE_NOOP(
    "tunewrap_main",
    "Usage: tunewrap [--help | --version] [--] [FILE | DIR]...\n"
    "Opens the Tunewrap window: MP3 files on the left, the game's BMU files on the right.\n"
    "MP3 FILEs open their folder on the left, BMU FILEs theirs on the right, selected and\n"
    "ready to convert; a DIR is listed on the left, a second DIR on the right.\n"
    "Nothing is converted until you press a convert button.\n"
    "For scripts and whole folders use tunewrap-cli.\n"
    "\n"
    "Options:\n"
    "  -h,--help    Print this help and exit\n"
    "  --version    Print the version and the licence and exit\n");

}  // namespace

int main(int argc, char* argv[]) {
    argv = platform::StartCommandLine(argc, argv);  // Windows hands over names in UTF-16
    // Answered before any window system is touched, so that they work without a display, in the
    // language the window would speak.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const bool version = std::strcmp(argv[i], "--version") == 0;
        if (version || std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            QCoreApplication noWindows(argc, argv);
            languages::LoadForDesktop();
            const std::string text =
                version ? tunewrap::VersionTitle() + "\n" + tunewrap::kLicenceLine + "\n"
                        : platform::Tr("tunewrap_main", kUsage);
            return platform::TellUser(text) ? 0 : 1;
        }
    }
    QApplication app(argc, argv);  // takes Qt's own options (-platform, -style...) off argv
    languages::LoadForDesktop();
    std::vector<std::string> paths;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        if (options && std::strcmp(argv[i], "--") == 0) {
            options = false;
        } else if (options && argv[i][0] == '-') {
            platform::TellUserError(
                platform::Filled(platform::Tr("tunewrap_main", "tunewrap: unknown option %1"),
                                 {platform::ShownOn(stderr, argv[i])}) +
                "\n" + platform::Tr("tunewrap_main", kUsage));
            return 2;
        } else {
            paths.emplace_back(argv[i]);
        }
    }
    const WindowArguments arguments = ParseWindowArguments(paths);
    if (!arguments.error.empty()) {
        platform::TellUserError("tunewrap: " + platform::ShownOn(stderr, arguments.error) + "\n");
        return 2;
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brenlo.Tunewrap"));
    frmMain window;
    window.OpenWith(arguments);
    CloseOnSignal closeOnSignal(&window);
    window.show();
    return app.exec();
}
