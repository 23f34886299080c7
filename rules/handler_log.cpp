#include "handler_log.h"

namespace amorix {

// Only critical messages are on by default: the warnings stay silent.
Q_LOGGING_CATEGORY(lcHandlers, "amorix.handlers", QtCriticalMsg)

} // namespace amorix
