// The look of the platform the layout was made for, where Qt's own style
// differs.
#pragma once

#include <QString>

class QGroupBox;
class QStyle;
class QWidget;

namespace amorix {

// Frame captions are bold and stand a few pixels in from the frame's edge
// (the frame's own font, which its controls inherit, stays the window's),
// tabs have narrow padding, a check box is its whole rectangle. Set on the
// controls that need it; not owned.
QStyle* classicStyle();

// How far a frame's caption stands in from its left edge, in pixels.
constexpr int kFrameCaptionIndent = 6;

// A frame with a caption, in the classic style.
QGroupBox* captionedFrame(const QString& caption, QWidget* parent);

} // namespace amorix
