// The program's name as the user reads it.
#pragma once

#include <QString>

namespace amorix {

// Every message box's title.
inline const QString kAppTitle = QStringLiteral("QX Amorix");
// Every window's title, and the product line in the about box and exit screen.
inline const QString kWindowTitle = QStringLiteral("QX Amorix v" AMORIX_VERSION);

} // namespace amorix
