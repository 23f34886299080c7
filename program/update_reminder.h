// Once fifteen or more days lie between today and the last reminder, ask
// whether to look for a newer version and open the download page on Yes.
#pragma once

#include <QString>

namespace amorix {

class SettingsStore;

inline const QString kReminderSetting = QStringLiteral("Duration");
// The question comes once this many days or more lie between today and the
// stored date, either way.
constexpr int kReminderDays = 15;
// The question, its two sentences parted by a lone carriage return.
QString updateQuestion();

void ShowUpdateReminder(SettingsStore& store);

} // namespace amorix
