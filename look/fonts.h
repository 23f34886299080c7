// Fonts by face and point size, as laid out at 96 dpi, and type that
// shrinks to fit where a stand-in face runs wider.
#pragma once

#include <QFont>
#include <QString>

#include <functional>

class QWidget;

namespace amorix {

// A face at a size in points as laid out at 96 dpi. Where the face is not
// installed the nearest sans face of the same size and weight stands in.
QFont faceFont(const QString& family, double points, bool bold = false, bool underline = false);
QFont verdana(double points, bool bold = false, bool underline = false);

// Where a stand-in face runs wider than the one laid out for, steps the
// widget's font down a pixel at a time (to 8 px at the least) until what
// it needs fits the width it has.
void shrinkFontToFit(QWidget* widget, int availableWidth, const std::function<int()>& neededWidth);

} // namespace amorix
