// The program's real start-up, ended by ExitApplication at the main
// window's first paint.
#include "first_paint.h"
#include "program/application.h"
#include "program/composition.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaint firstPaint([] { amorix::ExitApplication(); });
    app.installEventFilter(&firstPaint);
    return amorix::runProgram();
}
