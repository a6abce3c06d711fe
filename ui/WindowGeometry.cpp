#include "WindowGeometry.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>

namespace {

enum Field { X, Y, Width, Height, Maximised, FieldCount };

}  // namespace

std::string WindowGeometryText(const WindowGeometry& geometry) {
    const QRect& r = geometry.normal;
    return QStringLiteral("%1,%2,%3,%4,%5")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .arg(geometry.maximised ? 1 : 0)
        .toStdString();
}

std::optional<WindowGeometry> ParseWindowGeometry(const std::string& text) {
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char(','));
    if (parts.size() != FieldCount) return std::nullopt;
    std::array<int, FieldCount> fields{};
    for (int i = 0; i < FieldCount; ++i) {
        bool ok = false;
        fields[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    if (fields[Width] <= 0 || fields[Height] <= 0 || (fields[Maximised] & ~1) != 0) {
        return std::nullopt;
    }
    return WindowGeometry{QRect(fields[X], fields[Y], fields[Width], fields[Height]),
                          fields[Maximised] == 1};
}

QRect StartingPlace(const std::optional<WindowGeometry>& stored, QSize designed, QSize minimum,
                    const QList<QRect>& screens, QMargins frame) {
    auto onScreen = [&](auto fits) { return std::any_of(screens.begin(), screens.end(), fits); };
    if (stored && onScreen([&](const QRect& area) { return area.contains(stored->normal); })) {
        return stored->normal;
    }
    QSize size = designed;
    if (stored && onScreen([&](const QRect& area) {
            return area.size().boundedTo(stored->normal.size()) == stored->normal.size();
        })) {
        size = stored->normal.size();
    }
    if (screens.isEmpty()) return QRect(QPoint(), size);
    const QRect room = screens.front() - frame;
    size = size.boundedTo(room.size()).expandedTo(minimum);
    QRect place(QPoint(), size);
    place.moveCenter(room.center());
    return place;
}
