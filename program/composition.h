// The program put together: start-up with this program's main window.
#pragma once

#include "program/application.h"

namespace amorix {

// Builds the main window with its about box, followed by the exit screen
// when the user closes it, and names its banner labels for start-up.
MainWindowParts openMainWindow();

// The whole run, in a process whose QApplication exists.
int runProgram();

} // namespace amorix
