#pragma once
#include <QColor>

// Text needs this contrast with its background to stay readable for most readers (the common
// accessibility guideline for body text).
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours by their relative luminance: 1 (the same) to 21 (black and
// white).
double ContrastRatio(const QColor& a, const QColor& b);

// `wanted`, or the nearest colour towards black or white that reaches kReadableContrast on
// `background`.
QColor ReadableOn(const QColor& wanted, const QColor& background);
