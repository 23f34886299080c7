// The main window's menu bar: File and Help, and two commands on the bar
// itself. The window connects each command to its handler.
#pragma once

#include <QCoreApplication>

class QAction;
class QMenu;
class QMenuBar;

namespace amorix {

class MainMenu {
    Q_DECLARE_TR_FUNCTIONS(amorix::MainMenu)
public:
    // Fills the bar.
    explicit MainMenu(QMenuBar* bar);

    QAction* mnuProceed() const { return mnuProceed_; }
    QAction* mnuExit() const { return mnuExit_; }
    QAction* mnuOnline() const { return mnuOnline_; }
    QAction* mnuVisit() const { return mnuVisit_; }
    QAction* mnuUpdate() const { return mnuUpdate_; }
    QAction* mnuAbout() const { return mnuAbout_; }
    QAction* mnuDonate() const { return mnuDonate_; }
    QAction* mnuMakeMoney() const { return mnuMakeMoney_; }

private:
    QMenu* mnuFile_ = nullptr;
    QAction* mnuProceed_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    QAction* mnuOnline_ = nullptr;
    QAction* mnuVisit_ = nullptr;
    QAction* mnuUpdate_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuDonate_ = nullptr;
    QAction* mnuMakeMoney_ = nullptr;
};

} // namespace amorix
