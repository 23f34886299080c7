#include "composition.h"

#include "about_box/frmAbout.h"
#include "exit_screen/frmExitScreen.h"
#include "look/link_label.h"
#include "main_window/frmMain.h"

namespace amorix {

MainWindowParts openMainWindow()
{
    auto* window = new frmMain;
    // Closing the main window brings up the exit screen, the run's last window.
    window->setSuccessor([] { (new frmExitScreen)->show(); });
    // Help, About: the about box, modal over the main window.
    window->setAboutBox([](QWidget* owner) {
        auto* about = new frmAbout(owner);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->exec();
    });
    return {window, window->lblFullBrand(), window->lblCobrand()};
}

int runProgram() { return runApplication(openMainWindow); }

} // namespace amorix
