// amorix: a love numerology reading for two birth dates.
#include "shell/app_icon.h"
#include "shell/application.h"
#include "shell/settings_store.h"
#include "shell/single_instance.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(amorix::appIcon());

    amorix::LockFileInstance instance;
    amorix::IniSettingsStore store;
    amorix::StartApplication(instance, store);
    if (amorix::applicationEnded())
        return 0;
    return QApplication::exec();
}
