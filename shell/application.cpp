#include "application.h"

#include "app_icon.h"
#include "forms.h"
#include "platform.h"
#include "rules/resume_next.h"
#include "seams.h"
#include "settings_store.h"
#include "single_instance.h"
#include "update_reminder.h"

#include <QApplication>
#include <QPointer>

namespace amorix {

namespace {

bool exiting = false;
bool ended = false;

void endRun()
{
    if (ended)
        return;
    ended = true;
    resumeNext([] { processControl().end(0); });
}

} // namespace

bool applicationEnded() { return ended; }
bool applicationExiting() { return exiting; }

void beginRun()
{
    exiting = false;
    ended = false;
}

int runApplication(const OpenMainWindow& openMainWindow)
{
    QApplication::setWindowIcon(appIcon());
    platform::markRunning();
    LockFileInstance instance;
    const std::unique_ptr<SettingsStore> store = openUserSettings();
    StartApplication(instance, *store, openMainWindow);
    if (applicationEnded())
        return 0;
    return QApplication::exec();
}

void StartApplication(InstanceLock& instance, SettingsStore& store, const OpenMainWindow& openMainWindow)
{
    beginRun();
    bool alreadyRunning = false;
    resumeNext([&] { alreadyRunning = instance.previousInstanceRunning(); });
    if (alreadyRunning) {
        tellUser(QStringLiteral("Application is already running"), MessageIcon::Information);
        ExitApplication();
        return;
    }
    dice().seedFromClock();
    resumeNext([&] { ShowUpdateReminder(store); });
    MainWindowParts main;
    resumeNext([&] { main = openMainWindow(); });
    if (!main.window) {
        // No window could be opened: nothing is left to run for.
        ExitApplication();
        return;
    }
    main.window->show();
    main.window->activateWindow();
    CoBrand_Randomize(main.lblFullBrand, main.lblCobrand);
}

std::int16_t CoBrand_Randomize(QWidget* lblFullBrand, QWidget* lblCobrand)
{
    const auto draw = static_cast<std::int16_t>(drawBelow(kCoBrandFaces) + 1);
    QWidget* front = draw % 2 == 0 ? lblFullBrand : lblCobrand;
    if (front)
        front->raise();
    return draw;
}

void ExitApplication()
{
    if (exiting) {
        // Called again from a window's unload handling: end here.
        endRun();
        return;
    }
    exiting = true;
    const QList<QWidget*> loaded = forms::loaded();
    for (const QPointer<QWidget> window : loaded) {
        if (ended)
            break;
        if (window)
            resumeNext([&] { window->close(); });
    }
    endRun();
}

} // namespace amorix
