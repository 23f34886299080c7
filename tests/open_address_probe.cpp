// Opens the address given on the command line through the program's real
// desktop opener, then waits a moment so the opener can start.
#include "shell/modHelp.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    amorix::modHelp::OpenAddress(QString::fromLocal8Bit(argv[1]));
    QTimer::singleShot(200, &app, &QApplication::quit);
    return QApplication::exec();
}
