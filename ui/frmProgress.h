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
// percentage written across its middle, and Cancel. It reads the name and the total once when
// it opens and the done count at every tick of its timer; Cancel sets the flag the copy polls.
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

    // The bar as last drawn.
    const QImage& BarImage() const { return barImage_; }

  public slots:
    void reject() override;  // Escape, window-system close

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void tmrTimer_Timer();
    void cmdCancel_Click();
    void UpdateProgress(std::int64_t done);

    ProgressValues& values_;
    QLabel* lblFileName;
    ProgressPicture* picProgress;
    QPushButton* cmdCancel;
    QTimer* tmrTimer;

    QImage barImage_;  // persists between redraws; the screen shows it on refresh
    QFont barFont_;
    std::int64_t barTotal_ = 0;
    bool unloading_ = false;
};
