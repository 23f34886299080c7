#include "run.h"

#include "forms.h"
#include "rules/resume_next.h"
#include "system/program_state.h"
#include "system/seams.h"

#include <QPointer>

namespace amorix {
namespace {

void endRun()
{
    if (programState().ended)
        return;
    programState().ended = true;
    resumeNext([] { processControl().end(0); });
}

} // namespace

bool applicationEnded() { return programState().ended; }
bool applicationExiting() { return programState().exiting; }

void beginRun()
{
    programState().exiting = false;
    programState().ended = false;
}

void ExitApplication()
{
    if (programState().exiting) {
        // Called again from a window's unload handling: end here.
        endRun();
        return;
    }
    programState().exiting = true;
    const QList<QWidget*> loaded = forms::loaded();
    for (const QPointer<QWidget> window : loaded) {
        if (programState().ended)
            break;
        if (window)
            resumeNext([&] { window->close(); });
    }
    endRun();
}

} // namespace amorix
