// amorix: a love numerology reading for two birth dates.
#include "shell/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return amorix::runApplication();
}
