#include "platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace amorix::platform {

std::unique_ptr<QSettings> openUserSettings(const QString& executableName)
{
    // The user's registry: HKEY_CURRENT_USER\Software\Velmora\<executable>.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora"),
                                       executableName);
}

QString lockFolder()
{
    // The user's temporary folder (%TEMP%); Qt's runtime folder on Windows
    // is the visible home folder.
    return QDir::tempPath();
}

QString executableIdentity(const QString& canonicalPath)
{
    // Windows paths name the same file in any letter case.
    return QDir::toNativeSeparators(canonicalPath).toLower();
}

void DesktopOpener::openAddress(const QString& address)
{
    // Qt hands the address to the Windows shell's "open" action, which
    // starts the default browser and returns without waiting for it.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace amorix::platform
