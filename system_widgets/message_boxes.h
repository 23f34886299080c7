// Modal message boxes, the one way the program tells the user anything:
// the real ones are Qt's, tests install a stand-in that records and
// answers without a person.
#pragma once

#include "rules/message_icon.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class QMessageBox;

namespace amorix {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    QString title;
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    // The window the box speaks for: it stands over that window, centred on
    // it. None before any window is open; the box is then centred on the screen.
    QPointer<QWidget> owner;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};

MessageBoxes& messageBoxes();
// Installs a stand-in; nullptr puts the real one back. Not owned.
void installMessageBoxes(MessageBoxes* standIn);

// The box the real seam shows for a message, not yet shown.
std::unique_ptr<QMessageBox> buildMessageBox(const Message& message);

// The program's window the user is working in: the active one, else a
// window that is shown; none before the first window opens.
QWidget* activeProgramWindow();

// Shows a message titled with the application title, over the program's
// active window, and returns the answer. Never throws.
MessageAnswer tellUser(const QString& text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok);

} // namespace amorix
