#include "application.h"

#include "app_icon.h"
#include "forms.h"
#include "link_label.h"
#include "main_window/frmMain.h"
#include "resume_next.h"
#include "seams.h"
#include "settings_store.h"
#include "single_instance.h"
#include "update_reminder.h"

#include <QApplication>
#include <QPointer>

namespace amorix {

std::int16_t intCoBrandRandomNumber = 0;

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

int runApplication()
{
    QApplication::setWindowIcon(appIcon());
    LockFileInstance instance;
    IniSettingsStore store;
    StartApplication(instance, store);
    if (applicationEnded())
        return 0;
    return QApplication::exec();
}

void StartApplication(InstanceLock& instance, SettingsStore& store)
{
    beginRun();
    bool alreadyRunning = false;
    resumeNext([&] { alreadyRunning = instance.previousInstanceRunning(); });
    if (alreadyRunning) {
        resumeNext([] { tellUser(QStringLiteral("Application is already running"), MessageIcon::Information); });
        ExitApplication();
        return;
    }
    resumeNext([] { dice().seedFromClock(); });
    resumeNext([&] { ShowUpdateReminder(store); });
    resumeNext([] {
        auto* window = new frmMain;
        window->show();
        window->activateWindow();
    });
    resumeNext([] { CoBrand_Randomize(); });
}

void CoBrand_Randomize()
{
    resumeNext([] { intCoBrandRandomNumber = static_cast<std::int16_t>(drawBelow(6) + 1); });
    frmMain* window = forms::find<frmMain>();
    if (!window)
        return;
    if (intCoBrandRandomNumber % 2 == 0)
        resumeNext([&] { window->lblFullBrand->raise(); });
    else
        resumeNext([&] { window->lblCobrand->raise(); });
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
