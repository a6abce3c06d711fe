#pragma once
#include <QDialog>
#include <QImage>

#include <cstdint>

#include "ProgressValues.h"

class ProgressPicture;
class QLabel;
class QPushButton;
class QTimer;

// The small window shown while one long file is copied: the file's name, a bar with the
// percentage written across its middle, and Cancel; in a batch of several files also the file's
// number and a bar for the whole batch below. It reads the name, the total and the batch position
// once when it opens and the done count at every tick of its timer; Cancel sets the flag the copy
// polls.
// Escape and closing from the window system count as Cancel, so every way a user has of
// dismissing the dialog stops the copy rather than hiding its progress.
class frmProgress : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kTimerIntervalMs = 50;

    // values must outlive the dialog.
    frmProgress(ProgressValues& values, QWidget* owner);

    // Closes the dialog without touching the cancel flag (the copy has ended).
    void Unload();

    // The file's bar as last drawn.
    const QImage& BarImage() const { return bar_.image; }

  public slots:
    void reject() override;  // Escape, window-system close

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void tmrTimer_Timer();
    void cmdCancel_Click();
    void UpdateProgress(std::int64_t done);

    struct Bar {
        ProgressPicture* picture = nullptr;
        QImage image;  // persists between redraws; the screen shows it on refresh
        std::int64_t total = 0;
    };
    void StartBar(Bar& bar, std::int64_t total);
    void DrawBar(Bar& bar, std::int64_t done);

    ProgressValues& values_;
    const BatchPosition batch_;
    QLabel* lblFileName;
    ProgressPicture* picProgress;
    QLabel* lblBatch = nullptr;  // "File 2 of 6", in a batch of several files only
    ProgressPicture* picBatchProgress = nullptr;
    QPushButton* cmdCancel;
    QTimer* tmrTimer;

    Bar bar_;
    Bar batchBar_;
    QFont barFont_;
    bool unloading_ = false;
};
