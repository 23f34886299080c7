// What the program asks of the desktop, each behind a small interface of
// ours: the real one talks to Qt and the desktop, tests install stand-ins
// that record and answer without a person and without a browser.
#pragma once

#include "rules/titles.h"

#include "rules/message_icon.h"

#include <QDate>
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

// Modal message boxes: everything the user is told goes through here.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};

// The desktop's default handler for web addresses.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Hands the address over and returns at once; failure is silent.
    virtual void openAddress(const QString& address) = 0;
};

// Today's calendar date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
};

// The pseudo-random generator.
class Dice {
public:
    virtual ~Dice() = default;
    virtual void seedFromClock() = 0;
    // Uniform in [0, 1), single precision.
    virtual float next() = 0;
};

// Ending the run.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    // Leaves the event loop with this status; the process then ends.
    virtual void end(int status) = 0;
};

MessageBoxes& messageBoxes();
Desktop& desktop();
Clock& clock();
Dice& dice();
ProcessControl& processControl();

// Installs stand-ins; nullptr puts the real one back. Not owned.
void installMessageBoxes(MessageBoxes* standIn);
void installDesktop(Desktop* standIn);
void installClock(Clock* standIn);
void installDice(Dice* standIn);
void installProcessControl(ProcessControl* standIn);

// The box the real seam shows for a message, not yet shown.
std::unique_ptr<QMessageBox> buildMessageBox(const Message& message);

// The program's window the user is working in: the active one, else the
// last loaded window that is shown; none before the first window opens.
QWidget* activeProgramWindow();

// Shows a message titled with the application title, over the program's
// active window, and returns the answer. Never throws.
MessageAnswer tellUser(const QString& text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok);

// A whole number from 0 to count - 1, drawn as floor(r * count) in single
// precision from one draw r of the dice.
int drawBelow(int count);

} // namespace amorix
