// Once fifteen or more days lie between today and the last reminder, ask
// whether to look for a newer version and open the download page on Yes.
#pragma once

#include <QString>

namespace amorix {

class SettingsStore;

inline const QString kReminderSetting = QStringLiteral("Duration");
inline const QString kUpdateQuestion = QStringLiteral("There maybe an update to this software available")
    + QChar(u'\r') + QStringLiteral("Do you want to check for an update?");

void ShowUpdateReminder(SettingsStore& store);

} // namespace amorix
