// Start of a run: the single-instance rule, the update reminder, the main
// window and its banner.
#pragma once

#include "system_widgets/run.h"

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
// to the front. The composition supplies it, so start-up names no window.
struct MainWindowParts {
    QWidget* window = nullptr;
    QWidget* lblFullBrand = nullptr;
    QWidget* lblCobrand = nullptr;
};
using OpenMainWindow = std::function<MainWindowParts()>;

// A whole run in a process whose QApplication exists: the language, the icon, the
// single-instance lock, the user's settings, StartApplication, then the
// event loop. Returns the process's exit status.
int runApplication(const OpenMainWindow& openMainWindow);

// The process's entry, run once before any window exists.
void StartApplication(InstanceLock& instance, SettingsStore& store, const OpenMainWindow& openMainWindow);

// Puts one of the main window's two banner labels in front at random and
// returns the draw, 1..6: an even one brings the fully-branded label.
std::int16_t CoBrand_Randomize(QWidget* lblFullBrand, QWidget* lblCobrand);

} // namespace amorix
