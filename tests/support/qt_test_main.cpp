// main() for the test programs that need a widget application. Home, settings, data (and so the
// trash), cache and runtime folders all point into one temporary folder, set before Qt reads
// them, so no test can reach the real user's files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    const QByteArray root = home.path().toLocal8Bit();
    for (const char* name : {"config", "data", "cache", "runtime"}) {
        if (!QDir(home.path()).mkpath(name)) return 2;
    }
    setenv("HOME", root.constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
    setenv("XDG_CACHE_HOME", (root + "/cache").constData(), 1);
    setenv("XDG_RUNTIME_DIR", (root + "/runtime").constData(), 1);
    // Test discovery runs the program without the test environment.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // No test may talk to the desktop session of whoever runs them.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    QFile::setPermissions(root + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
