#pragma once
#include <QList>
#include <QMargins>
#include <QRect>
#include <optional>

#include "WindowPlace.h"

// Where the window opens, given the available areas of the screens, the first being the primary
// one. A stored place that lies wholly on one screen is taken as it is. Otherwise the stored size,
// when it fits some screen, or else `designed`, is centred on the primary screen with room for
// `frame` around it, and shrunk to fit there, though not below `minimum`.
QRect StartingPlace(const std::optional<tunewrap::WindowPlace>& stored, QSize designed,
                    QSize minimum, const QList<QRect>& screens, QMargins frame);
