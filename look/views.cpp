#include "views.h"

#include <QWidget>

namespace amorix {

void bringToFront(QWidget* view)
{
    view->raise();
    view->show();
    for (QObject* sibling : view->parentWidget()->children()) {
        auto* other = qobject_cast<QWidget*>(sibling);
        if (other && other != view && other->geometry() == view->geometry())
            other->hide();
    }
}

bool inFront(const QWidget* view) { return view && !view->isHidden(); }

} // namespace amorix
