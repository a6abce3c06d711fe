#include "RefreshIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QIcon RefreshIcon(const QColor& colour) {
    QPixmap picture(16, 15);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::FlatCap));
    const QRectF circle(2.5, 2.0, 11.0, 11.0);
    painter.drawArc(circle, 60 * 16, 280 * 16);  // open at the top right
    QPainterPath head;
    head.moveTo(9.0, 0.0);
    head.lineTo(14.5, 3.5);
    head.lineTo(9.0, 7.0);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(head);
    return QIcon(picture);
}
