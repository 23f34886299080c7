// The one way out of a run, and where the run stands.
#pragma once

namespace amorix {

// Closes every open window, each handling its own unload, then ends the
// run with status 0. Safe to call from a window's own unload handling
// while it runs: the innermost call ends the run, the outer one ends
// nothing more.
void ExitApplication();

// True from the moment ExitApplication starts closing windows.
bool applicationExiting();

// True once ExitApplication has ended the run.
bool applicationEnded();

// Starts a new run: ExitApplication may end it again. Start-up calls it.
void beginRun();

} // namespace amorix
