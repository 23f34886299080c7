// Saves one X window, by id, as a PNG: window_shot <window id> <file.png>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3)
        return 2;
    bool ok = false;
    const WId id = QByteArray(argv[1]).toULongLong(&ok, 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!ok || !screen)
        return 2;
    const QPixmap shot = screen->grabWindow(id);
    return !shot.isNull() && shot.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
