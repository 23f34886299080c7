// The stand-ins put in for the desktop's seams, in one place: none means
// the real one. Tests put them in; the program never does.
//
// The rest lives where it is made, once: the real seams behind the
// stand-ins (made on first use; the dice's generator among them, seeded
// anew at each start), where the run stands and the message boxes' stand-in
// (system_widgets/, the layer that owns windows), the translators loaded at
// start (program/language.cpp), the classic style and the font faces found
// (look/), the accessibility factories, the messages held while the display
// is sought (system/desktop_required.cpp), and constant tables and texts.
#pragma once

namespace amorix {

class Clock;
class Desktop;
class Dice;
class ProcessControl;

// Not owned.
struct SeamStandIns {
    Desktop* desktop = nullptr;
    Clock* clock = nullptr;
    Dice* dice = nullptr;
    ProcessControl* processControl = nullptr;
};

struct ProgramState {
    SeamStandIns standIns;
};

ProgramState& programState();

} // namespace amorix
