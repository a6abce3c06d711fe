#include "TwipsLayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "WrapCheckBox.h"

namespace {

constexpr double kTwipsPerDesignPixel = kTwipsPerPixel;
// Line height and average character width of the design font at 96 dpi.
constexpr double kDesignLineHeight = 13.0;
constexpr double kDesignCharWidth = 6.0;
constexpr int kButtonTextMargin = 3;  // each side, inside the button's frame
constexpr int kFrameHeightMargin = 2;

int LongestWordWidth(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}

int WrappedHeight(const QFontMetrics& metrics, const QString& text, int width) {
    return metrics.boundingRect(QRect(0, 0, std::max(width, 1), 100000), Qt::TextWordWrap, text)
        .height();
}

// A button's caption as drawn: "&" marks the Alt letter, "&&" stands for one "&".
QString Shown(const QAbstractButton* button) {
    QString text = button->text();
    for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && at < text.size();
         at = text.indexOf(QLatin1Char('&'), at + 1)) {
        text.remove(at, 1);
    }
    return text;
}

int CheckIndent(const QWidget* box) {
    return box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
           box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
}

}  // namespace

LayoutScale LayoutScale::ForFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const double factor = std::max(
        {1.0, metrics.height() / kDesignLineHeight, metrics.averageCharWidth() / kDesignCharWidth});
    return {factor, factor};
}

int LayoutScale::ToPixelsX(double twips) const {
    return static_cast<int>(std::lround(twips / kTwipsPerDesignPixel * x));
}

int LayoutScale::ToPixelsY(double twips) const {
    return static_cast<int>(std::lround(twips / kTwipsPerDesignPixel * y));
}

double LayoutScale::ToTwipsX(int pixels) const {
    return pixels * kTwipsPerDesignPixel / x;
}

QRect LayoutScale::ToPixels(const TwipsRect& twips) const {
    const int left = ToPixelsX(twips.left);
    const int top = ToPixelsY(twips.top);
    return QRect(left, top, ToPixelsX(twips.left + twips.width) - left,
                 ToPixelsY(twips.top + twips.height) - top);
}

QSize CaptionNeed(const QWidget* control, int width) {
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto* box = qobject_cast<const WrapCheckBox*>(control)) {
        const int indent = CheckIndent(box);
        return {indent + LongestWordWidth(metrics, Shown(box)),
                WrappedHeight(metrics, Shown(box), width - indent)};
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        return {CheckIndent(box) + metrics.horizontalAdvance(Shown(box)), metrics.height()};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const int content = button->text().isEmpty() ? button->iconSize().width()
                                                     : metrics.horizontalAdvance(Shown(button));
        const int contentHeight =
            button->text().isEmpty() ? button->iconSize().height() : metrics.height();
        return {content + 2 * kButtonTextMargin, contentHeight + 2 * kFrameHeightMargin};
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->wordWrap()) {
            return {LongestWordWidth(metrics, label->text()),
                    WrappedHeight(metrics, label->text(), width)};
        }
        return {metrics.horizontalAdvance(label->text()), metrics.height()};
    }
    if (qobject_cast<const QLineEdit*>(control) != nullptr) {
        return {0, metrics.height() + 2 * kFrameHeightMargin};
    }
    return {0, 0};
}

LayoutScale FittingScale(const std::vector<PlacedControl>& controls, const QFont& font) {
    LayoutScale scale = LayoutScale::ForFont(font);
    for (const PlacedControl& placed : controls) {
        const double designWidth = placed.twips.width / kTwipsPerDesignPixel;
        const int needWidth = CaptionNeed(placed.widget, 100000).width();
        scale.x = std::max(scale.x, needWidth / designWidth);
    }
    // Rounding may leave a pixel short; nudge until every control is big enough. A larger
    // scale can shrink a rounded width by one pixel, hence the repeated pass.
    for (bool allFit = false; !allFit;) {
        allFit = true;
        for (const PlacedControl& placed : controls) {
            const QRect pixels = scale.ToPixels(placed.twips);
            const QSize need = CaptionNeed(placed.widget, pixels.width());
            if (pixels.width() < need.width()) {
                scale.x += 0.001;
                allFit = false;
            } else if (pixels.height() < need.height()) {
                scale.y += 0.001;
                allFit = false;
            }
        }
    }
    return scale;
}

namespace {

// How many halves of the extra width an edge following each share moves by.
constexpr std::array<int, 3> kShareHalves = {0, 1, 2};

int Halves(WidthShare share) {
    return kShareHalves[static_cast<std::size_t>(share)];
}

}  // namespace

void Place(const std::vector<PlacedControl>& controls, const LayoutScale& scale, QSize extra) {
    const int first = extra.width() / 2;
    const std::array<int, 3> moves = {0, first, extra.width()};
    for (const PlacedControl& placed : controls) {
        const Anchors& anchors = placed.anchors;
        placed.widget->setGeometry(scale.ToPixels(placed.twips)
                                       .adjusted(moves[static_cast<std::size_t>(anchors.left)],
                                                 anchors.top ? extra.height() : 0,
                                                 moves[static_cast<std::size_t>(anchors.right)],
                                                 anchors.bottom ? extra.height() : 0));
    }
}

QSize SmallestExtra(const std::vector<PlacedControl>& controls, const LayoutScale& scale,
                    TwipsRect smallestStretched, int spacingTwips) {
    QSize extra(std::numeric_limits<int>::min(), std::numeric_limits<int>::min());
    const int spacing = scale.ToPixelsY(spacingTwips);
    for (const PlacedControl& placed : controls) {
        const QRect pixels = scale.ToPixels(placed.twips);
        const Anchors& anchors = placed.anchors;
        const QSize need = CaptionNeed(placed.widget, pixels.width());
        if (const int halves = Halves(anchors.right) - Halves(anchors.left); halves > 0) {
            const int room =
                pixels.width() - std::max(need.width(), scale.ToPixelsX(smallestStretched.width));
            extra.setWidth(std::max(extra.width(), -std::max(room, 0) * 2 / halves));
        }
        if (!anchors.top && anchors.bottom) {
            const int room = pixels.height() -
                             std::max(need.height(), scale.ToPixelsY(smallestStretched.height));
            extra.setHeight(std::max(extra.height(), -std::max(room, 0)));
        }
        if (!anchors.top || !anchors.bottom) continue;
        for (const PlacedControl& above : controls) {
            const QRect fixed = scale.ToPixels(above.twips);
            const bool sideBySide = fixed.right() < pixels.left() || fixed.left() > pixels.right();
            if (above.anchors.top || sideBySide || fixed.bottom() >= pixels.top()) continue;
            const int room = pixels.top() - (fixed.bottom() + 1) - spacing;
            extra.setHeight(std::max(extra.height(), -std::max(room, 0)));
        }
    }
    // A window with nothing to give in a direction cannot shrink in it.
    const auto limit = [](int most) {
        return most == std::numeric_limits<int>::min() ? 0 : std::min(most, 0);
    };
    return {limit(extra.width()), limit(extra.height())};
}
