#include "frmProgress.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "AccessibleLabels.h"
#include "Contrast.h"
#include "ProgressSink.h"
#include "TwipsLayout.h"

namespace {

// Client area of the dialog's design, in twips; a batch of several files adds its rows.
constexpr int kClientWidth = 3495;
constexpr int kClientHeight = 975;
constexpr int kBatchRowsHeight = 600;

// The bar's text and box colour: blue, as designed, on a light face; on a dark face its
// complement, yellow, under which not-xor still fills dark blue with white digits.
const QColor kBarForegrounds[] = {QColor(0, 0, 255), QColor(255, 255, 0)};

QColor NotXor(const QColor& pen, const QColor& pixel) {
    return QColor(~(pen.rgb() ^ pixel.rgb()) & RGB_MASK);
}

// The foreground whose digits read best both on the face and, white, inside the box.
QColor BarForeground(const QColor& face) {
    auto worst = [&face](const QColor& pen) {
        return std::min(ContrastRatio(pen, face), ContrastRatio(Qt::white, NotXor(pen, face)));
    };
    return *std::max_element(std::begin(kBarForegrounds), std::end(kBarForegrounds),
                             [&](const QColor& a, const QColor& b) { return worst(a) < worst(b); });
}

}  // namespace

frmProgress::frmProgress(ProgressValues& values, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      values_(values),
      batch_(values.batch),
      lblFileName(new QLabel(tr("File Name"), this)),
      picProgress(new ProgressPicture(this)),
      cmdCancel(new QPushButton(tr("Cancel"), this)),
      tmrTimer(new QTimer(this)) {
    setWindowTitle(tr("Converting..."));
    setAttribute(Qt::WA_DeleteOnClose);
    lblFileName->setObjectName(QStringLiteral("lblFileName"));
    picProgress->setObjectName(QStringLiteral("picProgress"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));

    const bool severalFiles = batch_.files > 1;
    const int batchRows = severalFiles ? kBatchRowsHeight : 0;
    std::vector<PlacedControl> layout = {
        {lblFileName, {120, 0, 3255, 255}},
        {picProgress, {120, 240, 3255, 255}},
        {cmdCancel, {1200, 600 + batchRows, 1095, 255}},
    };
    if (severalFiles) {
        lblBatch = new QLabel(tr("File %1 of %2").arg(batch_.file).arg(batch_.files), this);
        lblBatch->setObjectName(QStringLiteral("lblBatch"));
        picBatchProgress = new ProgressPicture(this);
        picBatchProgress->setObjectName(QStringLiteral("picBatchProgress"));
        picBatchProgress->setAccessibleName(tr("Batch progress"));
        layout.push_back({lblBatch, {120, 600, 3255, 255}});
        layout.push_back({picBatchProgress, {120, 840, 3255, 255}});
    }
    for (ProgressPicture* bar : {picProgress, picBatchProgress}) {
        if (bar == nullptr) continue;
        bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    const LayoutScale scale = FittingScale(layout, font());
    Place(layout, scale);
    setFixedSize(scale.ToPixelsX(kClientWidth), scale.ToPixelsY(kClientHeight + batchRows));
    // Rounding may leave the button a pixel off the middle; it is meant to sit in it.
    cmdCancel->move((width() - cmdCancel->width()) / 2, cmdCancel->y());
    // Enter must not end a long copy by accident; Escape and a click on Cancel do.
    cmdCancel->setAutoDefault(false);
    setTabOrder(lblFileName, picProgress);
    setTabOrder(picProgress, cmdCancel);
    if (severalFiles) {
        setTabOrder(picProgress, lblBatch);
        setTabOrder(lblBatch, picBatchProgress);
        setTabOrder(picBatchProgress, cmdCancel);
    }
    picProgress->setAccessibleName(tr("Progress"));

    connect(cmdCancel, &QPushButton::clicked, this, &frmProgress::cmdCancel_Click);
    connect(tmrTimer, &QTimer::timeout, this, &frmProgress::tmrTimer_Timer);
    tmrTimer->setInterval(kTimerIntervalMs);
    Form_Load();
}

void frmProgress::Form_Load() {
    barFont_ = picProgress->font();
    barFont_.setBold(true);
    lblFileName->setText(QString::fromStdString(values_.fileName));
    bar_.picture = picProgress;
    StartBar(bar_, values_.total);
    if (picBatchProgress != nullptr) {
        batchBar_.picture = picBatchProgress;
        StartBar(batchBar_, batch_.batchBytes);
    }
    UpdateProgress(0);
    tmrTimer->start();
}

void frmProgress::StartBar(Bar& bar, std::int64_t total) {
    // Drawn at the screen's pixel density so the digits stay sharp on scaled displays.
    const qreal density = bar.picture->devicePixelRatioF();
    bar.image = QImage(bar.picture->contentsRect().size() * density, QImage::Format_RGB32);
    bar.image.setDevicePixelRatio(density);
    bar.total = total;
}

void frmProgress::tmrTimer_Timer() {
    UpdateProgress(values_.done);
}

void frmProgress::cmdCancel_Click() {
    cmdCancel->setText(tr("Canceling"));
    cmdCancel->setEnabled(false);
    values_.cancel = true;
    Unload();
}

// A tool window is not activated by the window manager when it appears; without the focus, the
// Escape meant for it would go to the main window.
void frmProgress::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activateWindow();
    cmdCancel->setFocus(Qt::ActiveWindowFocusReason);
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
    DrawBar(bar_, done);
    if (batchBar_.picture != nullptr) DrawBar(batchBar_, batch_.BatchDone(done, bar_.total));
}

void frmProgress::DrawBar(Bar& bar, std::int64_t done) {
    const QSize size = bar.image.deviceIndependentSize().toSize();
    const int width = size.width();
    const int height = size.height();
    const int rounded = ProgressPercent(done, bar.total);
    const QString text = QString::number(rounded) + '%';
    // The copy opens the dialog only with a positive total and never reports more than it;
    // clamping keeps the bar sane should either ever be broken.
    const int filled = bar.total > 0
                           ? static_cast<int>(std::lround(
                                 static_cast<double>(std::clamp<std::int64_t>(done, 0, bar.total)) *
                                 width / bar.total))
                           : width;

    const QColor face = palette().color(QPalette::Button);
    const QColor foreground = BarForeground(face);
    QPainter painter(&bar.image);
    painter.fillRect(0, 0, width, height, face);
    painter.setFont(barFont_);
    painter.setPen(foreground);
    const QFontMetrics metrics(barFont_);
    const int x = (width - metrics.horizontalAdvance(text)) / 2;
    const int y = (height - metrics.height()) / 2;
    painter.drawText(x, y + metrics.ascent(), text);
    // Not-xor turns the button face dark blue and the digits white inside the box.
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.fillRect(0, 0, filled, height, foreground);
    painter.end();
    bar.picture->setPixmap(QPixmap::fromImage(bar.image));
    bar.picture->SetPercent(rounded);
}
