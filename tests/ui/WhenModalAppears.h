#pragma once
#include <QApplication>
#include <QTimer>
#include <functional>

// Runs `act` on the first modal widget of type T as soon as the event loop of a modal exec()
// shows it. The caller then enters that exec().
template <typename T>
void WhenModalAppears(std::function<void(T*)> act) {
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start();
}
