#include "run.h"

#include "rules/resume_next.h"
#include "system/seams.h"

#include <QApplication>

namespace amorix {
namespace {

// Where the run stands; beginRun starts afresh.
struct RunState {
    // From the moment ExitApplication starts closing the windows.
    bool exiting = false;
    // Once ExitApplication has ended the run.
    bool ended = false;
};

RunState& runState()
{
    static RunState state;
    return state;
}

void endRun()
{
    if (runState().ended)
        return;
    runState().ended = true;
    resumeNext([] { processControl().end(0); });
}

} // namespace

bool applicationEnded() { return runState().ended; }
bool applicationExiting() { return runState().exiting; }

void beginRun() { runState() = RunState{}; }

void ExitApplication()
{
    if (runState().exiting) {
        // Called again from a window's unload handling: end here.
        endRun();
        return;
    }
    runState().exiting = true;
    // Every open window closes, each handling its own unload.
    resumeNext([] { QApplication::closeAllWindows(); });
    endRun();
}

} // namespace amorix
