#include "settings_store.h"

#include "executable_name.h"
#include "held_lock.h"
#include "platform.h"
#include "rules/ini_text.h"
#include "rules/settings_codec.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace amorix {
namespace {

using namespace std::chrono_literals;

// Settings files are a few lines; anything far larger is no settings file
// of ours and is not read into memory.
constexpr qint64 kLargestFile = 1 << 20;

// A regular file, or nothing yet. A pipe would block the reader for good,
// a device would never end.
bool usable(const QFileInfo& file) { return !file.exists() || (file.isFile() && file.size() <= kLargestFile); }

std::optional<QString> fileText(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QString();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.read(kLargestFile));
}

} // namespace

QString EncodeSetting(const QString& text) { return EncodeSetting(text, platform::systemCodePage()); }
QString DecodeSetting(const QString& text) { return DecodeSetting(text, platform::systemCodePage()); }

std::unique_ptr<SettingsStore> openUserSettings() { return platform::openUserSettings(executableBaseName()); }

IniFileStore::IniFileStore(QString filePath)
    : path_(std::move(filePath))
{
}

QString IniFileStore::read(const QString& name)
{
    if (!usable(QFileInfo(path_)))
        return QString();
    const std::optional<QString> text = fileText(path_);
    if (!text)
        return QString();
    return DecodeSetting(ini::value(*text, kSettingsSection, EncodeSetting(name)).value_or(QString()));
}

bool IniFileStore::write(const QString& name, const QString& value)
{
    const QFileInfo file(path_);
    if (!usable(file) || !QDir().mkpath(file.absolutePath()))
        return false;

    // The same lock file QSettings uses, so that writers of either kind
    // take turns.
    HeldLock lock(path_ + QStringLiteral(".lock"));
    if (lock.take(900ms) != HeldLock::Outcome::Taken)
        return false;

    // Read under the lock: what another writer just stored is kept.
    const std::optional<QString> text = fileText(path_);
    if (!text)
        return false;
    const QByteArray bytes =
        ini::withValue(*text, kSettingsSection, EncodeSetting(name), EncodeSetting(value)).toUtf8();

    // Unbuffered and synced here, so that a write the disk refuses is seen
    // before the file is replaced: QSaveFile's commit() does not notice a
    // failed flush or sync and would put a short file in its place.
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (out.write(bytes) != bytes.size() || !platform::syncToDisk(out)) {
        out.cancelWriting();
        out.commit();
        return false;
    }
    return out.commit();
}

} // namespace amorix
