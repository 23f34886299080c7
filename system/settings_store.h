// The per-user settings store: text values under section "Settings",
// names and values encoded on the way in and decoded on the way out.
#pragma once

#include "rules/settings_codec.h"

#include <QString>

#include <memory>

namespace amorix {

// The settings codec through the system's code page: Windows' ANSI code
// page, and Latin-1 on systems that have none.
QString EncodeSetting(const QString& text);
QString DecodeSetting(const QString& text);

inline const QString kSettingsSection = QStringLiteral("Settings");

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The decoded value, or empty text when the setting is missing.
    virtual QString read(const QString& name) = 0;
    // True once the value is on disk.
    virtual bool write(const QString& name, const QString& value) = 0;
};

// The user's own store for this executable: the INI file
// ~/.config/<executable>.ini on Linux, the registry key
// HKEY_CURRENT_USER\Software\Velmora\<executable> on Windows.
std::unique_ptr<SettingsStore> openUserSettings();

// A store in one INI file, in the format QSettings reads and writes. It
// never blocks and never damages the file:
// - only a regular file (or none yet) is used; a pipe, a device or a folder
//   in its place reads as empty and takes no write;
// - a write waits at most about a second for the file's lock, and takes
//   over a lock that no live process holds;
// - a write replaces the file in one step once the new text is whole on
//   disk, so a failed write (a full disk) leaves the file as it was.
class IniFileStore final : public SettingsStore {
public:
    explicit IniFileStore(QString filePath);

    QString read(const QString& name) override;
    bool write(const QString& name, const QString& value) override;
    QString fileName() const { return path_; }

private:
    QString path_;
};

} // namespace amorix
