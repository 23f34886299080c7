// The baseline: a Qt Widgets program with one empty main window, ended at
// its first paint.
#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaint firstPaint([] { QApplication::quit(); });
    app.installEventFilter(&firstPaint);
    QMainWindow window;
    window.resize(550, 388);
    window.show();
    return QApplication::exec();
}
