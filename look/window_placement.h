// Where a window stands and how Tab walks through it.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <initializer_list>

class QWidget;

namespace amorix {

// Tab visits these controls of one window in this order.
void chainTabOrder(std::initializer_list<QWidget*> order);

// Where a window whose frame has these margins (title bar and borders)
// stands with its whole frame centred in the screen's free area.
QPoint centredFramePosition(const QRect& available, const QSize& client, const QMargins& frame);

// Moves a window to the centre of the primary screen by its frame. Until
// the window manager has framed it, the frame of a program window that is
// shown stands in for its own, as both are framed alike; once it is
// framed, the window is centred again by its own frame.
void centreOnScreen(QWidget* window);

} // namespace amorix
