#include "command_button.h"

#include <QEvent>
#include <QPushButton>

namespace amorix {
namespace {

// A button whose access key (Alt+G) moves the focus to it before it acts,
// as the platform's buttons do: a check it runs that refuses leaves the
// focus on the button.
class CommandButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::Shortcut && focusPolicy() != Qt::NoFocus)
            setFocus(Qt::ShortcutFocusReason);
        return QPushButton::event(event);
    }
};

} // namespace

QPushButton* commandButton(const QString& caption, QWidget* parent)
{
    auto* button = new CommandButton(caption, parent);
    // An auto-default button takes Enter while focused; outside a dialog
    // that is all it does, and a dialog's default stays the one it names.
    button->setAutoDefault(true);
    return button;
}

} // namespace amorix
