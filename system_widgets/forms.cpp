#include "forms.h"

#include "system/program_state.h"

namespace amorix::forms {

void add(QWidget* window)
{
    if (!window || loaded().contains(window))
        return;
    programState().windows.append(window);
    QObject::connect(window, &QObject::destroyed, [window] { remove(window); });
}

void remove(QWidget* window)
{
    programState().windows.removeIf(
        [window](const QPointer<QWidget>& entry) { return entry.isNull() || entry == window; });
}

QList<QWidget*> loaded()
{
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& entry : std::as_const(programState().windows))
        if (!entry.isNull())
            windows.append(entry.data());
    return windows;
}

} // namespace amorix::forms
