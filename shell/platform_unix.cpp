#include "platform.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace amorix::platform {

std::unique_ptr<QSettings> openUserSettings(const QString& executableName)
{
    // ~/.config/<executable>.ini ($XDG_CONFIG_HOME where set).
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, executableName);
}

QString lockFolder()
{
    // $XDG_RUNTIME_DIR: the user's own, gone when the session ends.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
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
