// The trace of steps that failed and were skipped. Off unless a developer
// enables it (QT_LOGGING_RULES="amorix.handlers.warning=true"); the user
// never sees it.
#pragma once

#include <QLoggingCategory>

namespace amorix {

Q_DECLARE_LOGGING_CATEGORY(lcHandlers)

} // namespace amorix
