// Everything the program holds for the whole run, in one place: the
// stand-ins put in for the desktop's seams, whether the run is ending or
// has ended, and the windows loaded. Resetting it starts afresh.
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
