// What differs between the platforms the program runs on, each answered in
// the platform's own file (platform_unix.cpp, platform_windows.cpp), chosen
// by the build. Everything above the shell is the same everywhere.
#pragma once

#include "seams.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace amorix::platform {

// The user's own settings store for this executable: an INI file in the
// user's configuration folder on Linux, the user's registry on Windows.
std::unique_ptr<QSettings> openUserSettings(const QString& executableName);

// The folder for the single-instance lock: private to the user and
// cleared with the session where the platform has such a folder.
QString lockFolder();

// How the lock names the executable: the same file gives the same name.
QString executableIdentity(const QString& canonicalPath);

// The real desktop opener: hands a web address to the desktop's default
// handler and returns at once; whether an opener exists, fails or takes
// long, nothing is reported and nothing waits.
class DesktopOpener final : public Desktop {
public:
    void openAddress(const QString& address) override;
};

} // namespace amorix::platform
