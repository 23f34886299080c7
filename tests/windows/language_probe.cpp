// Prints the Help menu's caption in the language the program starts in,
// chosen as start-up chooses it, from the desktop's language.
#include "program/language.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    amorix::useDesktopLanguage();
    std::printf("%s\n", QCoreApplication::translate("amorix::MainMenu", "&Help").toUtf8().constData());
    return 0;
}
