#include "frmProgress.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "TwipsLayout.h"

namespace {

// Client area of the dialog's design, in twips.
constexpr int kClientWidth = 3495;
constexpr int kClientHeight = 975;

const QColor kBarForeground(0, 0, 255);

}  // namespace

frmProgress::frmProgress(ProgressValues& values, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      values_(values),
      lblFileName(new QLabel(QStringLiteral("File Name"), this)),
      picProgress(new QLabel(this)),
      cmdCancel(new QPushButton(QStringLiteral("Cancel"), this)),
      tmrTimer(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Converting..."));
    setAttribute(Qt::WA_DeleteOnClose);
    lblFileName->setObjectName(QStringLiteral("lblFileName"));
    picProgress->setObjectName(QStringLiteral("picProgress"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));

    picProgress->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picProgress->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const std::vector<PlacedControl> layout = {
        {lblFileName, {120, 0, 3255, 255}},
        {picProgress, {120, 240, 3255, 255}},
        {cmdCancel, {1200, 600, 1095, 255}},
    };
    const LayoutScale scale = FittingScale(layout, font());
    Place(layout, scale);
    setFixedSize(scale.ToPixelsX(kClientWidth), scale.ToPixelsY(kClientHeight));
    // Rounding may leave the button a pixel off the middle; it is meant to sit in it.
    cmdCancel->move((width() - cmdCancel->width()) / 2, cmdCancel->y());
    // Enter must not end a long copy by accident; Escape and a click on Cancel do.
    cmdCancel->setAutoDefault(false);
    setTabOrder(lblFileName, picProgress);
    setTabOrder(picProgress, cmdCancel);

    connect(cmdCancel, &QPushButton::clicked, this, &frmProgress::cmdCancel_Click);
    connect(tmrTimer, &QTimer::timeout, this, &frmProgress::tmrTimer_Timer);
    tmrTimer->setInterval(kTimerIntervalMs);
    Form_Load();
}

void frmProgress::Form_Load() {
    barFont_ = picProgress->font();
    barFont_.setBold(true);
    // Drawn at the screen's pixel density so the digits stay sharp on scaled displays.
    const qreal density = picProgress->devicePixelRatioF();
    barImage_ = QImage(picProgress->contentsRect().size() * density, QImage::Format_RGB32);
    barImage_.setDevicePixelRatio(density);
    lblFileName->setText(QString::fromStdString(values_.fileName));
    barTotal_ = values_.total;
    UpdateProgress(0);
    tmrTimer->start();
}

void frmProgress::tmrTimer_Timer() {
    UpdateProgress(values_.done);
}

void frmProgress::cmdCancel_Click() {
    cmdCancel->setText(QStringLiteral("Canceling"));
    cmdCancel->setEnabled(false);
    values_.cancel = true;
    Unload();
}

void frmProgress::reject() {
    if (!unloading_) cmdCancel_Click();
}

void frmProgress::Unload() {
    if (unloading_) return;
    unloading_ = true;
    tmrTimer->stop();
    QDialog::reject();  // hides and, as the dialog deletes itself on close, frees it
}

void frmProgress::UpdateProgress(std::int64_t done) {
    const QSize size = barImage_.deviceIndependentSize().toSize();
    const int width = size.width();
    const int height = size.height();
    // The copy opens the dialog only with a positive total and never reports more than it;
    // clamping keeps the bar sane should either ever be broken.
    const bool scaled = barTotal_ > 0;
    done = scaled ? std::clamp<std::int64_t>(done, 0, barTotal_) : 0;
    // Multiplying first keeps exact halves exact (2.5 % rounds to 2, 7.5 % to 8).
    const double percent = scaled ? static_cast<double>(done) * 100.0 / barTotal_ : 0.0;
    const QString text = QString::number(static_cast<long long>(std::nearbyint(percent))) + '%';
    const int filled =
        scaled ? static_cast<int>(std::lround(static_cast<double>(done) * width / barTotal_)) : 0;

    QPainter painter(&barImage_);
    painter.fillRect(0, 0, width, height, palette().color(QPalette::Button));
    painter.setFont(barFont_);
    painter.setPen(kBarForeground);
    const QFontMetrics metrics(barFont_);
    const int x = (width - metrics.horizontalAdvance(text)) / 2;
    const int y = (height - metrics.height()) / 2;
    painter.drawText(x, y + metrics.ascent(), text);
    // Not-xor turns the button face dark blue and the blue digits white inside the box.
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.fillRect(0, 0, filled, height, kBarForeground);
    painter.end();
    picProgress->setPixmap(QPixmap::fromImage(barImage_));
    picProgress->setAccessibleName(text);  // what a screen reader says for the picture
}
