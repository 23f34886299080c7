#include "platform.h"

#include "rules/settings_codec.h"
#include "settings_store.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

#include <io.h>
#include <windows.h>

namespace amorix::platform {
namespace {

// The user's registry: HKEY_CURRENT_USER\Software\Velmora\<executable>.
class RegistryStore final : public SettingsStore {
public:
    explicit RegistryStore(const QString& executableName)
        : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora"), executableName)
    {
    }
    QString read(const QString& name) override
    {
        return DecodeSetting(settings_.value(keyFor(name), QString()).toString());
    }
    bool write(const QString& name, const QString& value) override
    {
        settings_.setValue(keyFor(name), EncodeSetting(value));
        settings_.sync();
        return settings_.status() == QSettings::NoError;
    }

private:
    static QString keyFor(const QString& name) { return kSettingsSection + u'/' + EncodeSetting(name); }
    QSettings settings_;
};

} // namespace

std::unique_ptr<SettingsStore> openUserSettings(const QString& executableName)
{
    return std::make_unique<RegistryStore>(executableName);
}

QString lockFolder()
{
    // The user's temporary folder (%TEMP%); Qt's runtime folder on Windows
    // is the visible home folder.
    return QDir::tempPath();
}

const CodePage& systemCodePage()
{
    // The character of each byte in the ANSI code page; a byte that stands
    // for no character alone (a lead byte of a double-byte page) keeps its
    // Latin-1 character.
    static const CodePage page = [] {
        CodePage ansi = latin1CodePage();
        for (std::size_t byte = 0; byte < ansi.size(); ++byte) {
            const char in = static_cast<char>(byte);
            wchar_t out = 0;
            if (MultiByteToWideChar(CP_ACP, 0, &in, 1, &out, 1) == 1)
                ansi[byte] = static_cast<char16_t>(out);
        }
        return ansi;
    }();
    return page;
}

void markRunning()
{
    // Held, never released: the system closes both when the process ends.
    // The global one may be refused to a limited account; the session's
    // one is always there.
    CreateMutexW(nullptr, FALSE, L"QXAmorixRunning");
    CreateMutexW(nullptr, FALSE, L"Global\\QXAmorixRunning");
}

LockFileOpening openLockFile(QFile& file)
{
    if (file.open(QIODevice::ReadWrite))
        return LockFileOpening::Opened;
    // A file there that could be written is kept open by its owner alone.
    const QFileInfo existing(file.fileName());
    return existing.exists() && existing.isWritable() ? LockFileOpening::InUse : LockFileOpening::Unusable;
}

bool holdExclusively(QFile& file)
{
    OVERLAPPED start{};
    return LockFileEx(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())),
                      LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start)
        != 0;
}

// A file that is open cannot be removed on Windows.
bool stillAt(QFile&, const QString&) { return true; }

void letGo(QFile& file)
{
    // Removed once closed; a file another owner opened meanwhile stays.
    const QString path = file.fileName();
    file.close();
    QFile::remove(path);
}

bool syncToDisk(QFileDevice& file)
{
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))) != 0;
}

// The shell starts the browser with the address on a command line of at
// most 32,767 characters; the rest is room for the browser's own path and
// switches.
int longestAddress() { return 30000; }

const ScreenReaderNeeds& screenReaderNeeds()
{
    static constexpr ScreenReaderNeeds needs{
        // Qt 6.4's UI Automation provider reports no LabeledBy: a value
        // heard by its name alone needs its title in that name.
        .titleInValueName = true,
        // Qt tells a list's new item as a notification on the named list
        // itself; a point of focus elsewhere would lead readers away from it.
        .listItemAsFocus = false,
    };
    return needs;
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
