// The layout's named colours, and how a control is given them.
#pragma once

#include <QColor>

class QWidget;

namespace amorix {

// Sets a control's text colour, on a background that the control or a
// window around it fixes.
void setTextColour(QWidget* widget, const QColor& text);
// Fills a control's background and sets the colour of its text with it, so
// that no desktop palette can put its own text colour on the fixed face.
void setColours(QWidget* widget, const QColor& text, const QColor& background);

// Named colours of the layout.
namespace colour {
inline const QColor black{0, 0, 0};
inline const QColor white{255, 255, 255};
inline const QColor darkGrey{0x40, 0x40, 0x40};
inline const QColor teal{0, 128, 128};
inline const QColor cyan{0, 255, 255};
inline const QColor brown{0x56, 0x26, 0x16};
inline const QColor linkBlue{0x64, 0x86, 0xDF};
inline const QColor navy{0, 0, 128};
inline const QColor blue{0, 0, 192};
inline const QColor yellow{255, 255, 0};
// The platform's tab strip: light tabs, dark captions.
inline const QColor tabFace{0xF0, 0xF0, 0xF0};
inline const QColor tabCaption{0, 0, 0};
} // namespace colour

} // namespace amorix
