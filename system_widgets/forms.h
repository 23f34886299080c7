// The application's collection of loaded windows, in the order they were
// loaded. A window joins when it is built and leaves when it is unloaded
// (closed for good) or destroyed.
#pragma once

#include <QList>
#include <QWidget>

namespace amorix::forms {

void add(QWidget* window);
void remove(QWidget* window);
QList<QWidget*> loaded();

template <class Form>
Form* find()
{
    for (QWidget* window : loaded())
        if (auto* form = qobject_cast<Form*>(window))
            return form;
    return nullptr;
}

} // namespace amorix::forms
