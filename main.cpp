// amorix: a love numerology reading for two birth dates.
#include "program/composition.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return amorix::runProgram();
}
