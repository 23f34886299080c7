#include "app_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace amorix {

QPixmap appIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x40, 0x40, 0x40));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);

    QPainterPath heart;
    heart.moveTo(16, 27);
    heart.cubicTo(3, 18, 4, 7, 11, 7);
    heart.cubicTo(14, 7, 15.5, 9, 16, 11);
    heart.cubicTo(16.5, 9, 18, 7, 21, 7);
    heart.cubicTo(28, 7, 29, 18, 16, 27);
    painter.setBrush(QColor(0xE0, 0x30, 0x60));
    painter.drawPath(heart);

    painter.setPen(QPen(QColor(0, 255, 255), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(16, 15), 3.2, 3.2);
    return pixmap;
}

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(appIconPixmap(size));
    return icon;
}

} // namespace amorix
