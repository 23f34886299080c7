// Start and end of a run: the single-instance rule, the update reminder,
// the main window and its banner, and the one way out.
#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>

namespace amorix {

class InstanceLock;
class SettingsStore;

// The faces of the die CoBrand_Randomize casts.
constexpr int kCoBrandFaces = 6;

// What start-up opens: the program's main window, built but not yet shown,
// and the two banner labels on the same spot, one of which the draw brings
// to the front. The program supplies it; the shell knows no window above it.
struct MainWindowParts {
    QWidget* window = nullptr;
    QWidget* lblFullBrand = nullptr;
    QWidget* lblCobrand = nullptr;
};
using OpenMainWindow = std::function<MainWindowParts()>;

// A whole run in a process whose QApplication exists: the icon, the
// single-instance lock in the user's runtime folder, the user's settings,
// StartApplication, then the event loop. Returns the process's exit status.
int runApplication(const OpenMainWindow& openMainWindow);

// The process's entry, run once before any window exists.
void StartApplication(InstanceLock& instance, SettingsStore& store, const OpenMainWindow& openMainWindow);

// Puts one of the main window's two banner labels in front at random and
// returns the draw, 1..6: an even one brings the fully-branded label.
std::int16_t CoBrand_Randomize(QWidget* lblFullBrand, QWidget* lblCobrand);

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
