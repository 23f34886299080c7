// The program's real start-up, ended by ExitApplication at the main
// window's first paint.
#include "first_paint.h"
#include "shell/app_icon.h"
#include "shell/application.h"
#include "shell/settings_store.h"
#include "shell/single_instance.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(amorix::appIcon());
    FirstPaint firstPaint([] { amorix::ExitApplication(); });
    app.installEventFilter(&firstPaint);

    amorix::LockFileInstance instance;
    amorix::IniSettingsStore store;
    amorix::StartApplication(instance, store);
    if (amorix::applicationEnded())
        return 0;
    return QApplication::exec();
}
