// Fonts by face and point size, as drawn at 96 dpi.
#pragma once

#include <QFont>
#include <QString>

namespace amorix {

// A face at a size in points as drawn at 96 dpi. Where the face is not
// installed the nearest sans face of the same size and weight stands in.
QFont faceFont(const QString& family, double points, bool bold = false, bool underline = false);
QFont verdana(double points, bool bold = false, bool underline = false);

} // namespace amorix
