#include "application.h"

#include "language.h"
#include "update_reminder.h"

#include "look/announced.h"
#include "look/app_icon.h"
#include "rules/resume_next.h"
#include "system/platform.h"
#include "system/seams.h"
#include "system/settings_store.h"
#include "system/single_instance.h"
#include "system_widgets/message_boxes.h"

#include <QApplication>
#include <QStackedWidget>

namespace amorix {
namespace {

// This module's texts.
class Application {
    Q_DECLARE_TR_FUNCTIONS(amorix::Application)
};

} // namespace

int runApplication(const OpenMainWindow& openMainWindow)
{
    useDesktopLanguage();
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
    hearOnlyWhatIsSeen();
    bool alreadyRunning = false;
    resumeNext([&] { alreadyRunning = instance.previousInstanceRunning(); });
    if (alreadyRunning) {
        tellUser(Application::tr("Application is already running"), MessageIcon::Information);
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
    // The two labels are the pages of one stack; the drawn one shows.
    if (QWidget* front = draw % 2 == 0 ? lblFullBrand : lblCobrand)
        if (auto* faces = qobject_cast<QStackedWidget*>(front->parentWidget()))
            faces->setCurrentWidget(front);
    return draw;
}

} // namespace amorix
