// amorix: a love numerology reading for two birth dates.
#include "program/composition.h"
#include "system/desktop_required.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    auto desktopRequired = std::make_unique<amorix::DesktopRequired>();
    QApplication app(argc, argv);
    desktopRequired.reset();
    return amorix::runProgram();
}
