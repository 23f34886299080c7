#include "announced.h"

#include "captions.h"
#include "entry_accessible.h"

#include "system/platform.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStackedWidget>

#include <functional>
#include <utility>
#include <vector>

namespace amorix {
namespace {

// The role a widget is heard in, where it differs from its class's.
const char* const kHeardAs = "amorixHeardAs";
// The title a value is named with, where the value's name carries it.
const char* const kTitledBy = "amorixTitledBy";

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

// A value named with its title and its text, as both stand on the screen.
class TitledValue final : public QAccessibleWidget {
public:
    TitledValue(QLabel* value, QLabel* title)
        : QAccessibleWidget(value, QAccessible::StaticText)
        , title_(title)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        const QString value = static_cast<const QLabel*>(widget())->text();
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        return title_ ? title_->text() + u' ' + value : value;
    }

private:
    QPointer<QLabel> title_;
};

// A list's current item, standing alone in a holder of its own under the
// list: no list of many items around it that a screen reader would walk to
// place it. Named by the item's text when it was chosen; a new choice is a
// new item.
class ChosenItem final : public QAccessibleInterface {
public:
    ChosenItem(QComboBox* list, const QString& text)
        : list_(list)
        , text_(text)
    {
    }
    bool isValid() const override { return !list_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return holder_; }
    QAccessibleInterface* child(int index) const override { return index == 0 ? item_ : nullptr; }
    int childCount() const override { return item_ ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override { return child && child == item_ ? 0 : -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? text_ : QString(); }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override { return list_ ? QRect(list_->mapToGlobal(QPoint(0, 0)), list_->size()) : QRect(); }
    QAccessible::Role role() const override { return item_ ? QAccessible::Client : QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!item_)
            state.focusable = state.focused = state.selectable = state.selected = true;
        return state;
    }

    // The item and the holder it stands in, registered with Qt, which owns
    // them from then on.
    static QAccessibleInterface* make(QComboBox* list, const QString& text)
    {
        auto* holder = new ChosenItem(list, text);
        auto* item = new ChosenItem(list, text);
        holder->item_ = item;
        holder->holder_ = QAccessible::queryAccessibleInterface(list);
        item->holder_ = holder;
        QAccessible::registerAccessibleInterface(holder);
        QAccessible::registerAccessibleInterface(item);
        return item;
    }

private:
    QPointer<QComboBox> list_;
    QString text_;
    QAccessibleInterface* holder_ = nullptr;
    ChosenItem* item_ = nullptr;
};

// Tells a screen reader the list's new item as the point of focus. The
// item told before goes once the new one stands.
void focusOnItem(QComboBox* list, const QString& text)
{
    static QAccessibleInterface* told = nullptr;
    QAccessibleInterface* item = ChosenItem::make(list, text);
    QAccessibleEvent focus(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    if (QAccessibleInterface* before = std::exchange(told, item)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before->parent()));
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
    }
}

QAccessibleInterface* heardAs(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLineEdit"))
        return new EntryAccessible(static_cast<QLineEdit*>(object));
    if (const QVariant title = object ? object->property(kTitledBy) : QVariant(); title.isValid())
        return new TitledValue(static_cast<QLabel*>(object), qobject_cast<QLabel*>(title.value<QObject*>()));
    const QVariant role = object ? object->property(kHeardAs) : QVariant();
    if (!role.isValid() || !object->isWidgetType())
        return nullptr;
    if (role.toInt() == QAccessible::StaticText)
        return new StandingText(static_cast<QLabel*>(object));

    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

void installHeardAs()
{
    static const bool installed = (QAccessible::installFactory(heardAs), true);
    Q_UNUSED(installed);
}

void setHeardAs(QWidget* widget, QAccessible::Role role)
{
    installHeardAs();
    widget->setProperty(kHeardAs, int{role});
}

// The events that tell a screen reader what a control says or holds, or
// that it has the focus: from a control nobody can see, they are dropped.
bool toldOutOfSight(const QAccessibleEvent* event)
{
    switch (event->type()) {
    case QAccessible::Focus:
    case QAccessible::ValueChanged:
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
    case QAccessible::Selection:
    case QAccessible::SelectionAdd:
    case QAccessible::SelectionRemove:
    case QAccessible::SelectionWithin:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextAttributeChanged:
    case QAccessible::TextColumnChanged: break;
    default: return false;
    }
    const auto* control = qobject_cast<const QWidget*>(event->object());
    return control && !control->isVisible();
}

// Hands on what can be seen to the platform's screen-reader bridge, which
// Qt calls when no handler is installed.
void tellWhatIsSeen(QAccessibleEvent* event)
{
    if (toldOutOfSight(event))
        return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(tellWhatIsSeen);
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

// What waits until a screen reader listens (a control's label, the filter
// of what is seen): a run without one does none of it.
class WaitingForReaders final : public QAccessible::ActivationObserver {
public:
    static void whenListening(std::function<void()> work)
    {
        if (QAccessible::isActive()) {
            work();
            return;
        }
        static WaitingForReaders* waiting = [] {
            auto* observer = new WaitingForReaders;
            QAccessible::installActivationObserver(observer);
            return observer;
        }();
        waiting->work_.push_back(std::move(work));
    }
    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        for (const std::function<void()>& work : std::exchange(work_, {}))
            work();
    }

private:
    std::vector<std::function<void()>> work_;
};

} // namespace

void nameForReaders(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    WaitingForReaders::whenListening([control = QPointer<QWidget>(control)] {
        if (control)
            tieLabel(control);
    });
}

void titleFor(QLabel* title, QLabel* value)
{
    title->setBuddy(value);
    if (!platform::screenReaderNeeds().titleInValueName)
        return;
    installHeardAs();
    value->setProperty(kTitledBy, QVariant::fromValue<QObject*>(title));
    // A value that told of its text already has Qt's own account, made
    // before it had a title: that one goes, and the next is made anew.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(value)));
}

void speakItemChanges(QComboBox* list)
{
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
        if (index < 0 || !QAccessible::isActive())
            return;
        if (QItemSelectionModel* selection = list->view()->selectionModel())
            selection->select(list->model()->index(index, list->modelColumn()), QItemSelectionModel::ClearAndSelect);
        if (list->hasFocus() && platform::screenReaderNeeds().listItemAsFocus)
            focusOnItem(list, list->currentText());
    });
    if (!platform::screenReaderNeeds().listItemAsFocus)
        return;
    list->setAccessibleDescription(list->currentText());
    QObject::connect(list, &QComboBox::currentTextChanged, list, &QWidget::setAccessibleDescription);
}

void hearOnlyWhatIsSeen()
{
    // Until a reader listens, the platform's bridge tells nobody anything.
    static const bool installed =
        (WaitingForReaders::whenListening([] { QAccessible::installUpdateHandler(tellWhatIsSeen); }), true);
    Q_UNUSED(installed);
    installHeardAs();
}

void turnTo(QStackedWidget* stack, QWidget* page, QWidget* focus)
{
    const QWidget* covered = stack->currentWidget();
    const QWidget* focused = QApplication::focusWidget();
    if (focus && page != covered && covered && focused && covered->isAncestorOf(focused)) {
        // For a moment both pages are shown, before anything is painted.
        page->show();
        focus->setFocus(Qt::OtherFocusReason);
    }
    stack->setCurrentWidget(page);
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
