// What the program holds for the run that changes what it does next, in
// one place: the stand-ins put in for the seams, whether the run is ending
// or has ended, and the windows loaded. Resetting it starts afresh.
//
// The rest lives where it is made, once, and is never reset, as no test or
// run needs it back as it was: the real seams behind the stand-ins (made on
// first use; the dice's generator among them, seeded anew at each start),
// the translators loaded at start (program/language.cpp), the classic
// style and the font faces found (look/), the accessibility factories, the
// messages held while the display is sought (system/desktop_required.cpp),
// and constant tables and texts.
#pragma once

#include <QList>
#include <QPointer>

class QWidget;

namespace amorix {

class Clock;
class Desktop;
class Dice;
class MessageBoxes;
class ProcessControl;

// Stand-ins for the desktop's seams; none means the real one. Not owned.
struct SeamStandIns {
    MessageBoxes* messageBoxes = nullptr;
    Desktop* desktop = nullptr;
    Clock* clock = nullptr;
    Dice* dice = nullptr;
    ProcessControl* processControl = nullptr;
};

struct ProgramState {
    SeamStandIns standIns;

    // From the moment ExitApplication starts unloading windows.
    bool exiting = false;
    // Once ExitApplication has ended the run.
    bool ended = false;

    // The loaded windows, in the order they were loaded.
    QList<QPointer<QWidget>> windows;
};

ProgramState& programState();

} // namespace amorix
