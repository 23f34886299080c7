// The program's icon: a heart on a dark round tile, drawn at any size.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace amorix {

QImage appIconImage(int size);
QPixmap appIconPixmap(int size);
QIcon appIcon();

} // namespace amorix
