// The pieces the main window's views are built from: a borderless frame in
// the views' colours and the bold Verdana labels in their kinds.
#pragma once

#include <QColor>
#include <QString>

class QFrame;
class QLabel;
class QStackedWidget;
class QWidget;

namespace amorix {

class BoxedLabel;
class LinkLabel;

// Makes the frame borderless, with white text on the background.
void paintView(QFrame* frame, const QColor& background);
// A new frame so painted.
QFrame* viewFrame(QWidget* parent, const QColor& background);
// Views on one place: a borderless stack of which one page shows.
QStackedWidget* viewStack(QWidget* parent);

// A bold caption on one line (an ampersand marks its access key).
QLabel* captionLabel(QWidget* parent, const QString& caption, const QColor& text);

// A bold caption that wraps, from the top left, measured once within
// this width and at least minimumHeight high (so that what follows keeps
// its place).
BoxedLabel* wrappedLabel(QWidget* parent, const QString& caption, const QColor& text, int width, int minimumHeight);

// A bold, underlined link in light blue, centred and wrapped; an opaque one
// paints its own black background.
LinkLabel* bannerLink(QWidget* parent, const QString& caption, bool opaque);

} // namespace amorix
