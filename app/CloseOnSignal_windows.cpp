#include <QGuiApplication>
#include <QSessionManager>
#include <QWidget>

#include "CloseOnSignal.h"

// Windows ends a window program at logout or shutdown through the session, not by signals: the
// application is first asked to commit its data, and there the window closes as on any other
// close, cancelling a running copy and saving the settings.
CloseOnSignal::CloseOnSignal(QWidget* window) : QObject(window), window_(window) {
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application == nullptr) return;
    connect(application, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { OnSignal(); });
}

CloseOnSignal::~CloseOnSignal() = default;

void CloseOnSignal::OnSignal() {
    window_->close();
}
