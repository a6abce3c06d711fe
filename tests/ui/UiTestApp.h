#pragma once
#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

// Base of the window tests: one QApplication per program, started with $HOME and the XDG
// folders in a temporary directory so nothing a window does reaches the user's own files.
class UiTest : public testing::Test {
  protected:
    UiTest() {
        static QApplication* app = [] {
            static QTemporaryDir home;
            for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
                qputenv(name, (home.path() + '/' + name).toUtf8());
            static int argc = 1;
            static char arg0[] = "tunewrap-tests";
            static char* argv[] = {arg0, nullptr};
            return new QApplication(argc, argv);
        }();
        (void)app;
    }
    static void FlushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static void Tick(QObject* dialog) {
        QMetaObject::invokeMethod(dialog->findChild<QObject*>("tmrTimer"), "timeout");
    }
};
