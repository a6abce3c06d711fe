#pragma once
#include <QFont>
#include <QFontMetricsF>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtMath>
#include <algorithm>

// Window layouts are drawn in twips for an 8 pt interface font at 96 dpi: 15 twips to the pixel,
// 13-pixel text lines and characters 5 pixels wide on average. A taller or wider interface
// font stretches the whole layout by the same factor, so captions never clip and the
// proportions stay.
class Twips {
  public:
    explicit Twips(const QFont& uiFont)
        : scale_(std::max({1.0, QFontMetricsF(uiFont).height() / kDesignLineHeight,
                           QFontMetricsF(uiFont).averageCharWidth() / kDesignCharWidth})) {}

    int px(int twips) const { return qRound(twips * scale_ / kTwipsPerPixel); }
    QPoint point(int left, int top) const { return {px(left), px(top)}; }
    QSize size(int width, int height) const { return {px(width), px(height)}; }
    QRect rect(int left, int top, int width, int height) const {
        return {point(left, top), size(width, height)};
    }

  private:
    static constexpr double kTwipsPerPixel = 15.0;
    static constexpr double kDesignLineHeight = 13.0;
    static constexpr double kDesignCharWidth = 5.0;
    double scale_;
};
