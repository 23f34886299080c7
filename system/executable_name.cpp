#include "executable_name.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace amorix {

QString executableBaseName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

} // namespace amorix
