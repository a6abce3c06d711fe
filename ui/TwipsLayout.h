#pragma once
#include <QFont>
#include <QRect>
#include <QSize>
#include <cstdint>
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

// How a control follows the room a resizable window has beyond its design (less, when it is
// smaller). The extra width is split in two shares, the first half for the left pane and the rest
// for the right one; each vertical edge moves by none, the first or both shares. Each horizontal
// edge moves down by the extra height or stays.
enum class WidthShare : std::uint8_t { None, First, Both };
struct Anchors {
    WidthShare left = WidthShare::None;
    WidthShare right = WidthShare::None;
    bool top = false;
    bool bottom = false;
};

struct PlacedControl {
    QWidget* widget = nullptr;
    TwipsRect twips;
    Anchors anchors{};
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
// Puts each control at its design place, moved and stretched by `extra` as its anchors say.
void Place(const std::vector<PlacedControl>& controls, const LayoutScale& scale, QSize extra = {});

// The most a window may shrink below its design (both components at most 0): controls that
// stretch keep their caption and `smallestStretched` twips, and controls that move up keep
// `spacingTwips` from the fixed ones above them.
QSize SmallestExtra(const std::vector<PlacedControl>& controls, const LayoutScale& scale,
                    TwipsRect smallestStretched, int spacingTwips);
