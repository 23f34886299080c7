#include "desktop_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace amorix {

void DesktopOpener::openAddress(const QString& address)
{
    // Qt hands the address to the Windows shell's "open" action, which
    // starts the default browser and returns without waiting for it.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace amorix
