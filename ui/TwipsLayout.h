#pragma once
#include <QFont>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

// Fixed window layouts designed in twips (15 twips are one pixel at 96 dpi). The design assumed
// an 8-point system font; with a larger UI font the whole layout grows like dialog units, and
// further where a caption would otherwise be clipped.
constexpr int kTwipsPerPixel = 15;
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PlacedControl {
    QWidget* widget = nullptr;
    TwipsRect twips;
};

struct LayoutScale {
    double x = 1.0;  // pixels per design pixel (15 twips)
    double y = 1.0;

    // The growth of `font` over the design font, the same on both axes, never below 1.
    static LayoutScale ForFont(const QFont& font);

    int ToPixelsX(double twips) const;
    int ToPixelsY(double twips) const;
    double ToTwipsX(int pixels) const;
    QRect ToPixels(const TwipsRect& twips) const;
};

// The smallest size `control` needs to show its caption unclipped when it is `width` pixels
// wide (wrapping captions need more height when narrower). Controls without a caption need
// nothing.
QSize CaptionNeed(const QWidget* control, int width);

// Scale from the font like dialog units, raised until every control's caption fits.
LayoutScale FittingScale(const std::vector<PlacedControl>& controls, const QFont& font);
void Place(const std::vector<PlacedControl>& controls, const LayoutScale& scale);
