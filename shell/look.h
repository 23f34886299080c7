// Layout and look helpers shared by the windows: positions come in twips
// (15 twips a pixel at 96 dpi; Qt scales pixels for high-dpi screens),
// fonts by face and point size, colours per control.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

class QGroupBox;
class QPushButton;
class QStyle;
class QWidget;

namespace amorix {

constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

constexpr QSize twipsSize(int width, int height) { return QSize(pixels(width), pixels(height)); }

// A face at a size in points as laid out at 96 dpi. Where the face is not
// installed the nearest sans face of the same size and weight stands in.
QFont faceFont(const QString& family, double points, bool bold = false, bool underline = false);
QFont verdana(double points, bool bold = false, bool underline = false);

// Where a stand-in face runs wider than the one laid out for, steps the
// widget's font down a pixel at a time (to 8 px at the least) until what
// it needs fits the width it has.
void shrinkFontToFit(QWidget* widget, int availableWidth, const std::function<int()>& neededWidth);

// Sets a control's text colour, on a background that the control or a
// window around it fixes.
void setTextColour(QWidget* widget, const QColor& text);
// Fills a control's background and sets the colour of its text with it, so
// that no desktop palette can put its own text colour on the fixed face.
void setColours(QWidget* widget, const QColor& text, const QColor& background);

// Caption as a plain label shows it: "&&" is one ampersand, a lone "&"
// (an access-key mark) is dropped.
QString labelText(const QString& caption);

// A command button as the platform has it: Enter, keypad Enter and Space
// press it while it has the focus, and its access key moves the focus to it
// before it acts. Enter typed elsewhere (in a text box) presses no button.
QPushButton* commandButton(const QString& caption, QWidget* parent);

// The look of the platform the layout was made for, where Qt's own style
// differs: frame captions are bold and stand a few pixels in from the
// frame's edge (the frame's own font, which its controls inherit, stays the
// window's), tabs have narrow padding, a check box is its whole rectangle.
// Set on the controls that need it; not owned.
QStyle* classicStyle();

// How far a frame's caption stands in from its left edge, in pixels.
constexpr int kFrameCaptionIndent = 6;

// A frame with a caption, in the classic style.
QGroupBox* captionedFrame(const QString& caption, QWidget* parent);

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
