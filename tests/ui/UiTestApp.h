#pragma once
#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

// One QApplication for a test program, started with $HOME and the XDG folders pointing into a
// temporary directory so nothing a window does can reach the user's own files.
inline QApplication& UiTestApp() {
    static QApplication* app = [] {
        static QTemporaryDir home;
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            qputenv(name, (home.path() + '/' + name).toUtf8());
        static int argc = 1;
        static char arg0[] = "tunewrap-tests";
        static char* argv[] = {arg0, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Base of fixtures that hold widgets as members: the application exists before they do.
class UiTest : public testing::Test {
  protected:
    UiTest() { UiTestApp(); }
};
