// A program started where no graphical desktop can be reached (no display,
// a display that is gone, a platform that does not exist) would otherwise
// end in Qt's abort with a core file.
#pragma once

namespace amorix {

// Held around the construction of the QApplication: while it lives, Qt's
// messages wait, and a fatal one ends the process with one line saying that
// a graphical desktop is needed, status 1 and nothing written. Once the
// application stands, the messages that waited go out as usual.
class DesktopRequired {
public:
    DesktopRequired();
    ~DesktopRequired();
    DesktopRequired(const DesktopRequired&) = delete;
    DesktopRequired& operator=(const DesktopRequired&) = delete;
};

} // namespace amorix
