// The pieces the main window's views are built from: a borderless frame in
// the views' colours and the bold Verdana labels in their three kinds.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QStackedWidget;
class QWidget;

namespace amorix {

class LinkLabel;

// Makes the frame borderless, with white text on the background.
void paintView(QFrame* frame, const QColor& background);
// A new frame so painted.
QFrame* viewFrame(QWidget* parent, const QColor& background);
// Views on one place: a borderless stack there, of which one page shows.
QStackedWidget* viewStack(QWidget* parent, const QRect& place);
// Adds a view to the stack, on the whole place from the start.
void addView(QStackedWidget* stack, QWidget* view);

// A bold caption (an ampersand marks its access key) on a fixed place.
QLabel* captionLabel(QWidget* parent, const QString& caption, const QRect& place, const QColor& text);

// A caption that sizes itself to its text, placed by its top-left corner.
QLabel* autoSizeLabel(QWidget* parent, const QString& caption, int leftTwips, int topTwips, const QColor& text);

// A caption that wraps within its place, from the top left.
QLabel* wrappedLabel(QWidget* parent, const QString& caption, const QRect& place, const QColor& text);

// A bold, underlined link in light blue, centred and wrapped; an opaque one
// paints its own black background.
LinkLabel* bannerLink(QWidget* parent, const QString& caption, const QRect& place, bool opaque);

} // namespace amorix
