// Ends a start-up benchmark run at the first paint of the main window.
#pragma once

#include <QEvent>
#include <QMainWindow>
#include <QObject>
#include <QTimer>

#include <functional>

class FirstPaint final : public QObject {
public:
    explicit FirstPaint(std::function<void()> then)
        : then_(std::move(then))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (qobject_cast<QMainWindow*>(widget->window())) {
                done_ = true;
                // Once this paint has finished.
                QTimer::singleShot(0, then_);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
    bool done_ = false;
};
