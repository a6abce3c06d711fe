#pragma once
// What every screenshot program takes besides its file names: --dark for a dark desktop,
// --screen=WIDTHxHEIGHT for the screen's size in pixels (1920x1080 unless given, where every
// window shows at its designed size), and (the main window) --maximised and --facts (the audio
// facts' columns shown, their headings' menu open). QT_SCALE_FACTOR=1.5 in
// the environment gives the pictures at 150 %.
#include <QApplication>
#include <QStringList>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <cstring>

#include "DarkPalette.h"
#include "Languages.h"
#include "OffscreenScreen.h"

struct ScreenshotOptions {
    bool dark = false;
    bool maximised = false;
    bool facts = false;
    QByteArray screen = "1920x1080";
    QStringList files;
};

// Before the application is made.
inline ScreenshotOptions ReadScreenshotOptions(int argc, char* argv[]) {
    ScreenshotOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dark") == 0) {
            options.dark = true;
        } else if (std::strcmp(argv[i], "--maximised") == 0) {
            options.maximised = true;
        } else if (std::strcmp(argv[i], "--facts") == 0) {
            options.facts = true;
        } else if (std::strncmp(argv[i], "--screen=", std::strlen("--screen=")) == 0) {
            options.screen = argv[i] + std::strlen("--screen=");
        } else {
            options.files << QString::fromLocal8Bit(argv[i]);
        }
    }
    static QTemporaryDir screenDir;
    UseOffscreenScreen(screenDir.path(), options.screen);
    return options;
}

// Once the application is made: the desktop's language (LANGUAGE=de), and the dark theme where
// asked for.
inline void ApplyLook(const ScreenshotOptions& options) {
    languages::LoadForDesktop();
    if (!options.dark) return;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkPalette());
}
