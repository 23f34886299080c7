#include "forms.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace amorix::forms {
namespace {

QList<QPointer<QWidget>>& collection()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

// True when the widget, or a frame it sits in below top, is covered by a
// later sibling shown over its whole place.
bool coveredByAnotherView(const QWidget* widget, const QWidget* top)
{
    for (const QWidget* w = widget; w && w != top; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        if (!parent)
            break;
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            const auto* other = qobject_cast<const QWidget*>(siblings[i]);
            if (other && other->isVisible() && other->geometry().contains(w->geometry()))
                return true;
        }
    }
    return false;
}

} // namespace

void add(QWidget* window)
{
    if (!window || loaded().contains(window))
        return;
    collection().append(window);
    QObject::connect(window, &QObject::destroyed, [window] { remove(window); });
}

bool focusNextSeen(QWidget* window, const std::function<bool()>& step)
{
    for (int tries = 0; tries < 64; ++tries) {
        if (!step())
            return false;
        const QWidget* focused = window->focusWidget();
        if (!focused || !coveredByAnotherView(focused, window))
            return true;
    }
    return true;
}

void remove(QWidget* window)
{
    collection().removeIf([window](const QPointer<QWidget>& entry) { return entry.isNull() || entry == window; });
}

QList<QWidget*> loaded()
{
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& entry : collection())
        if (!entry.isNull())
            windows.append(entry.data());
    return windows;
}

void chainTabOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QPoint centredFramePosition(const QRect& available, const QSize& client, const QMargins& frame)
{
    const QSize outer = client.grownBy(frame);
    return available.topLeft()
        + QPoint((available.width() - outer.width()) / 2, (available.height() - outer.height()) / 2);
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const auto margins = [](const QWidget* w) {
        const QRect outer = w->frameGeometry(), inner = w->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    };
    QMargins frame = margins(window);
    for (const QWidget* other : loaded())
        if (frame.isNull() && other != window && other->isVisible())
            frame = margins(other);
    // move() places a window by its frame's corner.
    window->move(centredFramePosition(screen->availableGeometry(), window->size(), frame));
}

} // namespace amorix::forms
