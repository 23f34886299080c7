// What differs between the platforms the program runs on, each answered in
// the platform's own file (platform_unix.cpp, platform_windows.cpp), chosen
// by the build. Everything above this folder is the same everywhere.
#pragma once

#include "seams.h"

#include "rules/settings_codec.h"

#include <QFile>
#include <QString>

#include <memory>

namespace amorix {
class SettingsStore;
}

namespace amorix::platform {

// The user's own settings store for this executable: an INI file in the
// user's configuration folder on Linux, the user's registry on Windows.
std::unique_ptr<SettingsStore> openUserSettings(const QString& executableName);

// The folder for the single-instance lock: one that belongs to the user
// alone (on Linux the runtime folder, else a folder of the user's own in
// the cache home; on Windows the user's temporary folder); empty when
// there is none (the program then runs without the lock).
QString lockFolder();

// Opens a lock file for holding, made where missing. A file that can only
// be read (its folder became read-only) is opened for reading where that
// still holds it (Linux); a file another program keeps open for itself
// alone (Qt's own lock files on Windows) is in use.
enum class LockFileOpening { Opened, InUse, Unusable };
LockFileOpening openLockFile(QFile& file);
// An exclusive lock on an open file, taken at once or not at all; the
// system drops it when the file is closed or the process ends.
bool holdExclusively(QFile& file);
// True while the path still names the open file: the owner of a lock file
// removes it as it lets go.
bool stillAt(QFile& file, const QString& path);
// Lets go of a held lock file and removes it where its folder allows,
// without ever removing a file another owner holds.
void letGo(QFile& file);

// Forces what was written to the file onto the disk; false when the disk
// refuses it (a full disk may say so only now).
bool syncToDisk(QFileDevice& file);

// The system's single-byte code page for stored settings: Windows' ANSI
// code page; Latin-1 on Linux, which has none.
const CodePage& systemCodePage();

// Tells installers that a copy of the program runs, until the process
// ends: a named mutex on Windows, in the session's and the global
// namespace, that the installer and the uninstaller look for. Nothing on
// Linux, where a package upgrade never needs the program closed.
void markRunning();

// The longest web address, in bytes of UTF-8, that the desktop's opener
// can be handed.
int longestAddress();

// What this platform's screen readers need beyond what Qt tells them; each
// platform's file gives the reason for each answer.
struct ScreenReaderNeeds {
    // A reading's value carries its row title in its own name, instead of
    // only through the title tied to it as its label.
    bool titleInValueName;
    // A list's new item is told as a point of focus of its own, instead of
    // leaving it to the list's own change of value.
    bool listItemAsFocus;
};
const ScreenReaderNeeds& screenReaderNeeds();

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
