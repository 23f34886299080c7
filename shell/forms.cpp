#include "forms.h"

#include <QPointer>

namespace amorix::forms {
namespace {

QList<QPointer<QWidget>>& collection()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

} // namespace

void add(QWidget* window)
{
    if (!window || loaded().contains(window))
        return;
    collection().append(window);
    QObject::connect(window, &QObject::destroyed, [window] { remove(window); });
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

} // namespace amorix::forms
