#include "app_icon.h"

#include <QIconEngine>
#include <QPainter>

#include <algorithm>
#include <QPainterPath>

namespace amorix {

QImage appIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
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
    painter.end();
    return image;
}

QPixmap appIconPixmap(int size) { return QPixmap::fromImage(appIconImage(size)); }

namespace {

// Paints each size only when something asks for it: start-up needs one or
// two small ones, not the large ones a launcher may want.
class PaintedIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->drawPixmap(rect, appIconPixmap(std::min(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return appIconPixmap(std::min(size.width(), size.height()));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }
    QIconEngine* clone() const override { return new PaintedIconEngine; }
};

} // namespace

QIcon appIcon()
{
    return QIcon(new PaintedIconEngine);
}

} // namespace amorix
