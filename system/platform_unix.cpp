#include "platform.h"

#include "settings_store.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace amorix::platform {
namespace {

// An XDG base folder from the environment; the XDG rules say a relative
// value is to be ignored.
QString xdgFolder(const char* variable, const QString& fallbackUnderHome)
{
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? value : QDir::homePath() + u'/' + fallbackUnderHome;
}

// A folder that belongs to this user alone: a real folder, not a link,
// owned by the user, closed to everyone else.
bool privateFolder(const QString& path)
{
    struct stat info { };
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

} // namespace

std::unique_ptr<SettingsStore> openUserSettings(const QString& executableName)
{
    // ~/.config/<executable>.ini ($XDG_CONFIG_HOME where set).
    return std::make_unique<IniFileStore>(xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config")) + u'/'
                                          + executableName + QStringLiteral(".ini"));
}

QString lockFolder()
{
    // $XDG_RUNTIME_DIR: the user's own, gone when the session ends.
    if (QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        QDir::isAbsolutePath(runtime) && privateFolder(runtime))
        return runtime;
    // Without one (an ssh login, a session without a login manager) a
    // folder of the user's own under the cache home; never the shared /tmp,
    // where another user could hold or plant the lock.
    const QString cache = xdgFolder("XDG_CACHE_HOME", QStringLiteral(".cache"));
    const QString folder = cache + QStringLiteral("/amorix");
    QDir().mkpath(cache);
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return privateFolder(folder) ? folder : QString();
}

const CodePage& systemCodePage() { return latin1CodePage(); }

void markRunning() { }

LockFileOpening openLockFile(QFile& file)
{
    return file.open(QIODevice::ReadWrite) || file.open(QIODevice::ReadOnly) ? LockFileOpening::Opened
                                                                             : LockFileOpening::Unusable;
}

bool holdExclusively(QFile& file) { return ::flock(file.handle(), LOCK_EX | LOCK_NB) == 0; }

bool stillAt(QFile& file, const QString& path)
{
    struct stat open {
    }, named{};
    return ::fstat(file.handle(), &open) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0
        && open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

void letGo(QFile& file)
{
    // Removed while still held: whoever opens the path next finds either
    // no file or a new one, never this one let go.
    ::unlink(QFile::encodeName(file.fileName()).constData());
    file.close();
}

bool syncToDisk(QFileDevice& file) { return ::fsync(file.handle()) == 0; }

// Linux takes one argument of at most 32 pages, its closing NUL included.
int longestAddress() { return 32 * 4096 - 1; }

const ScreenReaderNeeds& screenReaderNeeds()
{
    static constexpr ScreenReaderNeeds needs{
        // Orca names a control by the labels tied to it; the title in the
        // value's name as well would be heard twice.
        .titleInValueName = false,
        // Qt tells a list's new item as a new name of the list, which Orca
        // drops for lists; a new point of focus it speaks.
        .listItemAsFocus = true,
    };
    return needs;
}

QString executableIdentity(const QString& canonicalPath) { return canonicalPath; }

void DesktopOpener::openAddress(const QString& address)
{
    // The desktop's opener is started from an argument list: its full path
    // as found on PATH and the address as one argument, so that no space in
    // either ever splits them (Qt's own opener goes through a command line).
    // xdg-open is the freedesktop.org opener; GLib's gio serves where it is
    // missing.
    if (const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open")); !xdgOpen.isEmpty())
        QProcess::startDetached(xdgOpen, {address});
    else if (const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio")); !gio.isEmpty())
        QProcess::startDetached(gio, {QStringLiteral("open"), address});
}

} // namespace amorix::platform
