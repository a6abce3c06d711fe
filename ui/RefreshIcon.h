#pragma once
#include <QIcon>

// The refresh buttons' picture: a round arrow, 16 x 15 pixels, drawn in the palette's text
// colour so it stays visible in dark themes.
QIcon RefreshIcon(const QColor& colour);
