#include "desktop_opener.h"

#include <QProcess>
#include <QStandardPaths>

namespace amorix {

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

} // namespace amorix
