#pragma once
#include <QObject>

class QSocketNotifier;
class QWidget;

// Turns SIGTERM, SIGINT and SIGHUP (logout, kill, Ctrl+C in a terminal, the terminal closed)
// into an ordinary close of the window, so a running copy is cancelled and the settings are saved
// as on any other close. The handler only writes a byte to a pipe; the window is closed from the
// event loop.
class CloseOnSignal : public QObject {
    Q_OBJECT
  public:
    explicit CloseOnSignal(QWidget* window);
    ~CloseOnSignal() override;
    CloseOnSignal(const CloseOnSignal&) = delete;
    CloseOnSignal& operator=(const CloseOnSignal&) = delete;

    bool Installed() const { return notifier_ != nullptr; }

  private:
    void OnSignal();

    QWidget* window_;
    QSocketNotifier* notifier_ = nullptr;
};
