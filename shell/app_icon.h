// The program's icon: a heart on a dark round tile, drawn at any size.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace amorix {

QPixmap appIconPixmap(int size);
QIcon appIcon();

} // namespace amorix
