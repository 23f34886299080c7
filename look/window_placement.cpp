#include "window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace amorix {
namespace {

QMargins frameMargins(const QWidget* window)
{
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void centreByFrame(QWidget* window, const QMargins& frame)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        // move() places a window by its frame's corner.
        window->move(centredFramePosition(screen->availableGeometry(), window->size(), frame));
}

// Marks a window that a CentreOnceFramed watches.
constexpr const char* kWatched = "amorixCentredOnceFramed";

// The window manager frames a window some time after it is shown, and
// moves it as it does: at the first move or resize that finds the frame,
// the window is centred by it once more, and this watcher goes.
class CentreOnceFramed final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Move && event->type() != QEvent::Resize)
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (const QMargins frame = frameMargins(window); !frame.isNull()) {
            window->removeEventFilter(this);
            deleteLater();
            centreByFrame(window, frame);
        }
        return false;
    }
};

} // namespace

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
    QMargins frame = frameMargins(window);
    if (frame.isNull()) {
        for (const QWidget* other : QApplication::topLevelWidgets())
            if (frame.isNull() && other != window && other->isVisible())
                frame = frameMargins(other);
        if (!window->property(kWatched).toBool()) {
            window->setProperty(kWatched, true);
            window->installEventFilter(new CentreOnceFramed(window));
        }
    }
    centreByFrame(window, frame);
}

} // namespace amorix
