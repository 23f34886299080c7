#include "message_boxes.h"

#include "rules/resume_next.h"
#include "rules/titles.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>

namespace amorix {
namespace {

class RealMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const Message& message) override
    {
        // The owner may go away while the box is up (the run ends behind
        // it), taking the box with it.
        const QPointer<QMessageBox> box = buildMessageBox(message).release();
        const int pressed = box->exec();
        delete box.data();
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
};

// The stand-in put in for the message boxes; none means the real ones.
MessageBoxes* standInBoxes = nullptr;

} // namespace

MessageBoxes& messageBoxes()
{
    if (standInBoxes)
        return *standInBoxes;
    static RealMessageBoxes real;
    return real;
}

void installMessageBoxes(MessageBoxes* standIn) { standInBoxes = standIn; }

std::unique_ptr<QMessageBox> buildMessageBox(const Message& message)
{
    // A lone carriage return is a line break in the platform's own message
    // boxes; Qt's draws it as a space, so it becomes Qt's line break. The
    // words are as given.
    QString text = message.text;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            text[i] = u'\n';
    auto box = std::make_unique<QMessageBox>(message.icon == MessageIcon::Critical ? QMessageBox::Critical
                                                                                   : QMessageBox::Information,
                                             message.title, text, QMessageBox::NoButton, message.owner.data());
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    if (message.buttons == MessageButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

QWidget* activeProgramWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget* window) {
        return window->isVisible() && (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog);
    });
    return shown == windows.cend() ? nullptr : *shown;
}

MessageAnswer tellUser(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    // A box that cannot be shown counts as answered with No (or OK).
    const Message message{kAppTitle, text, icon, buttons, activeProgramWindow()};
    return attempt([&] { return messageBoxes().show(message); })
        .value_or(buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok);
}

} // namespace amorix
