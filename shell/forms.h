// The application's collection of loaded windows, in the order they were
// loaded. A window joins when it is built and leaves when it is unloaded
// (closed for good) or destroyed.
#pragma once

#include <QList>
#include <QMargins>
#include <QWidget>

#include <functional>
#include <initializer_list>

namespace amorix::forms {

void add(QWidget* window);
void remove(QWidget* window);
QList<QWidget*> loaded();

// Tab visits these controls of one window in this order.
void chainTabOrder(std::initializer_list<QWidget*> order);

// Tab and Shift+Tab for a window whose views share one place: `step` moves
// the focus as the window would, and is repeated past the controls of a
// view that another one covers, so the focus stays on what can be seen.
bool focusNextSeen(QWidget* window, const std::function<bool()>& step);

// Where a window whose frame has these margins (title bar and borders)
// stands with its whole frame centred in the screen's free area.
QPoint centredFramePosition(const QRect& available, const QSize& client, const QMargins& frame);

// Moves a window to the centre of the primary screen by its frame. Until
// the window manager has framed it, the frame of a program window that is
// shown stands in for its own, as both are framed alike; called again once
// it is shown, it uses its own.
void centreOnScreen(QWidget* window);

template <class Form>
Form* find()
{
    for (QWidget* window : loaded())
        if (auto* form = qobject_cast<Form*>(window))
            return form;
    return nullptr;
}

} // namespace amorix::forms
