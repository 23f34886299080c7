// Opens the address given on the command line through the program's real
// desktop opener, prints how long the call took, then waits a moment so the
// opener can start.
#include "system/modHelp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QElapsedTimer timer;
    timer.start();
    amorix::modHelp::OpenAddress(QString::fromLocal8Bit(argv[1]));
    std::printf("returned after %lld ms\n", static_cast<long long>(timer.elapsed()));
    std::fflush(stdout);
    QTimer::singleShot(200, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
