#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance of an sRGB colour, from its linearised channels.
constexpr double kRedWeight = 0.2126, kGreenWeight = 0.7152, kBlueWeight = 0.0722;
constexpr double kLinearLimit = 0.04045, kLinearSlope = 12.92;
constexpr double kGammaOffset = 0.055, kGamma = 2.4;
// Keeps the ratio finite for black: the flare a screen adds to every colour.
constexpr double kFlare = 0.05;
constexpr int kBlendSteps = 64;

double Linear(double channel) {
    return channel <= kLinearLimit
               ? channel / kLinearSlope
               : std::pow((channel + kGammaOffset) / (1 + kGammaOffset), kGamma);
}

double Luminance(const QColor& colour) {
    return kRedWeight * Linear(colour.redF()) + kGreenWeight * Linear(colour.greenF()) +
           kBlueWeight * Linear(colour.blueF());
}

QColor Blend(const QColor& from, const QColor& to, double share) {
    auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(static_cast<float>(mix(from.redF(), to.redF())),
                            static_cast<float>(mix(from.greenF(), to.greenF())),
                            static_cast<float>(mix(from.blueF(), to.blueF())));
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double first = Luminance(a), second = Luminance(b);
    return (std::max(first, second) + kFlare) / (std::min(first, second) + kFlare);
}

QColor ReadableOn(const QColor& wanted, const QColor& background) {
    if (ContrastRatio(wanted, background) >= kReadableContrast) return wanted;
    const QColor extreme =
        ContrastRatio(Qt::white, background) > ContrastRatio(Qt::black, background)
            ? QColor(Qt::white)
            : QColor(Qt::black);
    for (int step = 1; step < kBlendSteps; ++step) {
        // Judged as the screen will get it, in whole 8-bit channels.
        const QColor blended(Blend(wanted, extreme, static_cast<double>(step) / kBlendSteps).rgb());
        if (ContrastRatio(blended, background) >= kReadableContrast) return blended;
    }
    return extreme;
}
