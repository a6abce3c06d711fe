#include "frmProgress.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "TwipScale.h"

namespace {

// Layout in twips: client area, then each control's left, top, width, height.
constexpr int kClientWidth = 3495;
constexpr int kClientHeight = 975;
constexpr int kFileName[4] = {120, 0, 3255, 255};
constexpr int kBar[4] = {120, 240, 3255, 255};
constexpr int kCancelTop = 600, kCancelWidth = 1095, kCancelHeight = 255;

const QColor kBarForeground(0, 0, 255);

QRect Place(const TwipScale& scale, const int (&box)[4]) {
    return scale.Rect(box[0], box[1], box[2], box[3]);
}

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

    const TwipScale scale(font());
    setFixedSize(scale.Px(kClientWidth), scale.Px(kClientHeight));
    lblFileName->setGeometry(Place(scale, kFileName));
    picProgress->setGeometry(Place(scale, kBar));
    picProgress->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picProgress->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int cancelWidth = scale.Px(kCancelWidth);
    cmdCancel->setGeometry((width() - cancelWidth) / 2, scale.Px(kCancelTop), cancelWidth,
                           scale.Px(kCancelHeight));
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
