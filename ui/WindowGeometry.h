#pragma once
#include <QList>
#include <QMargins>
#include <QRect>
#include <optional>
#include <string>

// Where the main window stood when it was closed: its normal (not maximised) place on the
// desktop in device-independent pixels, and whether it was maximised. Stored as one text,
// "x,y,width,height,maximised", which a person can read and fix by hand and a start-up can check
// against today's screens.
struct WindowGeometry {
    QRect normal;
    bool maximised = false;
};

std::string WindowGeometryText(const WindowGeometry& geometry);

// Nothing for a text that is not five whole numbers, the size positive and the last 0 or 1.
std::optional<WindowGeometry> ParseWindowGeometry(const std::string& text);

// Where the window opens, given the available areas of the screens, the first being the primary
// one. A stored place that lies wholly on one screen is taken as it is. Otherwise the stored size,
// when it fits some screen, or else `designed`, is centred on the primary screen with room for
// `frame` around it, and shrunk to fit there, though not below `minimum`.
QRect StartingPlace(const std::optional<WindowGeometry>& stored, QSize designed, QSize minimum,
                    const QList<QRect>& screens, QMargins frame);
