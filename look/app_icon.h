// The program's icon: a heart on a dark round tile, stored as PNG files at
// each size it is shown, loaded only when a size is asked for.
#pragma once

#include <QIcon>

namespace amorix {

QIcon appIcon();

} // namespace amorix
