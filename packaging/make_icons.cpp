// Draws the program's icon, a heart on a dark round tile, at each size the
// program and its package ship, and writes them as PNG files:
//   make_icons FOLDER          writes FOLDER/amorix-<size>.png
//   make_icons --check FOLDER  fails unless those files show the drawing
// The program itself only loads the stored files; it never draws its icon.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstring>

namespace {

QImage drawIcon(int size)
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

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s [--check] FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[argc - 1]);
    if (!check && !QDir().mkpath(folder))
        return 1;
    int problems = 0;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral("%1/amorix-%2.png").arg(folder).arg(size);
        const QImage drawn = drawIcon(size);
        const bool ok = check ? QImage(file).convertToFormat(drawn.format()) == drawn : drawn.save(file);
        if (!ok) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file), check ? "differs from the drawing" : "cannot write");
            ++problems;
        }
    }
    return problems == 0 ? 0 : 1;
}
