// Start and end of a run: the single-instance rule, the update reminder,
// the main window and its banner, and the one way out.
#pragma once

#include <cstdint>

namespace amorix {

class InstanceLock;
class SettingsStore;

// The last draw of CoBrand_Randomize, 1..6.
extern std::int16_t intCoBrandRandomNumber;

// A whole run in a process whose QApplication exists: the icon, the
// single-instance lock in the user's runtime folder, the user's settings,
// StartApplication, then the event loop. Returns the process's exit status.
int runApplication();

// The process's entry, run once before any window exists.
void StartApplication(InstanceLock& instance, SettingsStore& store);

// Puts one of the main window's two banner labels in front at random.
void CoBrand_Randomize();

// Unloads every loaded window in load order, then ends the run with status
// 0. Safe to call from a window's own unload handling while it runs: the
// innermost call ends the run and the outer one unloads nothing more.
void ExitApplication();

// True from the moment ExitApplication starts unloading windows.
bool applicationExiting();

// True once ExitApplication has ended the run.
bool applicationEnded();

// Starts a new run: ExitApplication may end it again. StartApplication
// calls it; tests that drive several runs in one process call it too.
void beginRun();

} // namespace amorix
