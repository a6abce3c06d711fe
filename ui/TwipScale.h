#pragma once
#include <QFont>
#include <QFontMetrics>
#include <QRect>

#include <algorithm>
#include <cmath>

// Turns layout figures in twips into pixels. 15 twips make one pixel at 96 dpi with the
// 8-point dialog font the layouts were designed for; a larger UI font grows the whole layout
// by the same factor (like dialog units), so captions keep fitting their controls.
class TwipScale {
  public:
    static constexpr int kTwipsPerPixel = 15;
    // Line height and average character width of the design font at 96 dpi.
    static constexpr double kDesignLineHeight = 13.0;
    static constexpr double kDesignCharWidth = 6.0;

    explicit TwipScale(const QFont& font) {
        const QFontMetrics metrics(font);
        factor_ = std::max({1.0, metrics.height() / kDesignLineHeight,
                            metrics.averageCharWidth() / kDesignCharWidth});
    }

    double Factor() const { return factor_; }
    int Px(int twips) const {
        return static_cast<int>(std::lround(twips * factor_ / kTwipsPerPixel));
    }
    QRect Rect(int left, int top, int width, int height) const {
        return QRect(Px(left), Px(top), Px(width), Px(height));
    }

  private:
    double factor_ = 1.0;
};
