#include "update_reminder.h"

#include "rules/settings_codec.h"
#include "system/modHelp.h"
#include "system/seams.h"
#include "system/settings_store.h"
#include "system_widgets/message_boxes.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdlib>

namespace amorix {
namespace {

// This module's texts.
class UpdateReminder {
    Q_DECLARE_TR_FUNCTIONS(amorix::UpdateReminder)
};

} // namespace

QString updateQuestion()
{
    return UpdateReminder::tr("There maybe an update to this software available") + u'\r'
        + UpdateReminder::tr("Do you want to check for an update?");
}

void ShowUpdateReminder(SettingsStore& store)
{
    const QDate today = clock().today();
    const QString todayText = storedDateText(today);

    const QDate last = dateFromStoredText(store.read(kReminderSetting));
    // A first start, and a stored text that is no date, both start the
    // count afresh from today without a word.
    if (!last.isValid()) {
        store.write(kReminderSetting, todayText);
        return;
    }

    const qint64 days = today.daysTo(last);
    if (std::abs(days) < kReminderDays)
        return;

    const MessageAnswer answer = tellUser(updateQuestion(), MessageIcon::Information, MessageButtons::YesNo);
    if (!store.write(kReminderSetting, todayText))
        return;
    if (answer == MessageAnswer::Yes)
        modHelp::OpenDownloadPage();
}

} // namespace amorix
