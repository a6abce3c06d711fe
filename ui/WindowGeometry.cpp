#include "WindowGeometry.h"

#include <algorithm>

QRect StartingPlace(const std::optional<tunewrap::WindowPlace>& stored, QSize designed,
                    QSize minimum, const QList<QRect>& screens, QMargins frame) {
    const QRect normal =
        stored ? QRect(stored->x, stored->y, stored->width, stored->height) : QRect();
    auto onScreen = [&](auto fits) { return std::any_of(screens.begin(), screens.end(), fits); };
    if (stored && onScreen([&](const QRect& area) { return area.contains(normal); })) {
        return normal;
    }
    QSize size = designed;
    if (stored && onScreen([&](const QRect& area) {
            return area.size().boundedTo(normal.size()) == normal.size();
        })) {
        size = normal.size();
    }
    if (screens.isEmpty()) return QRect(QPoint(), size);
    const QRect room = screens.front() - frame;
    size = size.boundedTo(room.size()).expandedTo(minimum);
    QRect place(QPoint(), size);
    place.moveCenter(room.center());
    return place;
}
