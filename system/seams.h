// What the program asks of the system and the desktop, each behind a small
// interface of ours: the real one talks to Qt and the desktop, tests
// install stand-ins that record and answer without a person and without a
// browser. Message boxes, which need widgets, are the layer above's
// (system_widgets/message_boxes.h).
#pragma once

#include <QDate>
#include <QString>

namespace amorix {

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

Desktop& desktop();
Clock& clock();
Dice& dice();
ProcessControl& processControl();

// Installs stand-ins; nullptr puts the real one back. Not owned.
void installDesktop(Desktop* standIn);
void installClock(Clock* standIn);
void installDice(Dice* standIn);
void installProcessControl(ProcessControl* standIn);

// A whole number from 0 to count - 1, drawn as floor(r * count) in single
// precision from one draw r of the dice.
int drawBelow(int count);

} // namespace amorix
