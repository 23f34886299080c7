#include "announced.h"

#include "captions.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QStackedWidget>

#include <utility>

namespace amorix {
namespace {

// The role a widget is heard in, where it differs from its class's.
const char* const kHeardAs = "amorixHeardAs";

// A text of a window's own, tied to no other control: Qt ties every
// control in a captioned frame to the frame's caption.
class StandingText final : public QAccessibleWidget {
public:
    explicit StandingText(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
};

QAccessibleInterface* heardAs(const QString&, QObject* object)
{
    const QVariant role = object ? object->property(kHeardAs) : QVariant();
    if (!role.isValid() || !object->isWidgetType())
        return nullptr;
    if (role.toInt() == QAccessible::StaticText)
        return new StandingText(static_cast<QLabel*>(object));
    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

void setHeardAs(QWidget* widget, QAccessible::Role role)
{
    static const bool installed = (QAccessible::installFactory(heardAs), true);
    Q_UNUSED(installed);
    widget->setProperty(kHeardAs, int{role});
}

// A label tied to the control, by its name, never shown: Qt looks for a
// control's labels among its siblings.
void tieLabel(QWidget* control)
{
    auto* label = new QLabel(control->accessibleName(), control->parentWidget());
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(control);
    label->hide();
}

// Controls whose label waits until a screen reader listens: a run without
// one makes none.
class WaitingForReaders final : public QAccessible::ActivationObserver {
public:
    static void add(QWidget* control)
    {
        static WaitingForReaders* waiting = [] {
            auto* observer = new WaitingForReaders;
            QAccessible::installActivationObserver(observer);
            return observer;
        }();
        waiting->controls_.append(control);
    }
    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        for (const QPointer<QWidget>& control : std::exchange(controls_, {}))
            if (control)
                tieLabel(control);
    }

private:
    QList<QPointer<QWidget>> controls_;
};

} // namespace

void nameForReaders(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    if (QAccessible::isActive())
        tieLabel(control);
    else
        WaitingForReaders::add(control);
}

void titleFor(QLabel* title, QWidget* value) { title->setBuddy(value); }

void speakItemChanges(QComboBox* list)
{
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
        if (index < 0 || !list->hasFocus() || !QAccessible::isActive())
            return;
        QAccessibleEvent itemInFocus(list->view(), QAccessible::Focus);
        itemInFocus.setChild(index);
        QAccessible::updateAccessibility(&itemInFocus);
    });
    list->setAccessibleDescription(list->currentText());
    QObject::connect(list, &QComboBox::currentTextChanged, list, &QWidget::setAccessibleDescription);
}

// A filler without a name, which a screen reader passes over.
void passedOver(QStackedWidget* stack) { setHeardAs(stack, QAccessible::Client); }

void heardAsTab(QWidget* page, const QString& caption)
{
    setHeardAs(page, QAccessible::PageTab);
    page->setAccessibleName(labelText(caption));
}

void heardAsDialog(QWidget* window) { setHeardAs(window, QAccessible::Dialog); }

void readWithItsWindow(QLabel* text) { setHeardAs(text, QAccessible::StaticText); }

} // namespace amorix
