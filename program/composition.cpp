#include "composition.h"

#include "main_window/frmMain.h"
#include "shell/link_label.h"

namespace amorix {

MainWindowParts openMainWindow()
{
    auto* window = new frmMain;
    return {window, window->lblFullBrand, window->lblCobrand};
}

int runProgram() { return runApplication(openMainWindow); }

} // namespace amorix
