#include "WrapCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kWrapFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

// The caption's "&" marks its Alt letter: underlined where the style shows them, as a plain
// check box draws it.
int CaptionFlags(const QWidget& box) {
    const bool underline = box.style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, &box);
    return kWrapFlags | (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
}
}  // namespace

WrapCheckBox::WrapCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

QRect WrapCheckBox::CaptionRect() const {
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
    return rect().adjusted(indicator + spacing, 0, 0, 0);
}

QSize WrapCheckBox::CaptionSize(int maxWidth) const {
    return fontMetrics()
        .boundingRect(QRect(0, 0, maxWidth, 10000), CaptionFlags(*this), text())
        .size();
}

void WrapCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);
    const QRect caption = CaptionRect();
    style()->drawItemText(&painter, caption, CaptionFlags(*this), option.palette, isEnabled(),
                          text(), foregroundRole());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        const QSize used = CaptionSize(caption.width());
        focus.rect = QRect(caption.left(), caption.top() + (caption.height() - used.height()) / 2,
                           used.width(), used.height())
                         .adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrapCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}
