#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>

// On the offscreen platform (and only there), a screen of `size` ("WIDTHxHEIGHT") instead of the
// platform's 800 x 600, described in a file in `dir`. Call before the application is made.
inline void UseOffscreenScreen(const QString& dir, const QByteArray& size) {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen") return;
    const QList<QByteArray> sides = size.split('x');
    QFile config(QDir(dir).filePath("screen.json"));
    if (sides.size() != 2 || !config.open(QIODevice::WriteOnly)) return;
    config.write(R"({"screens":[{"name":"screen","x":0,"y":0,"width":)" + sides[0] +
                 R"(,"height":)" + sides[1] + R"(,"logicalDpi":96}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
}
