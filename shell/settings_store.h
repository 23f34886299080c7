// The per-user settings store: text values under section "Settings",
// names and values encoded on the way in and decoded on the way out.
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace amorix {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The decoded value, or empty text when the setting is missing.
    virtual QString read(const QString& name) = 0;
    // True once the value is on disk.
    virtual bool write(const QString& name, const QString& value) = 0;
};

// The store through QSettings: by default the user's own store of the
// platform, named after the executable (~/.config/<executable>.ini on
// Linux, HKEY_CURRENT_USER\Software\Velmora\<executable> on Windows);
// tests name an INI file of their own.
class UserSettingsStore final : public SettingsStore {
public:
    UserSettingsStore();
    explicit UserSettingsStore(const QString& filePath);
    ~UserSettingsStore() override;

    QString read(const QString& name) override;
    bool write(const QString& name, const QString& value) override;
    QString fileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

// The executable's file name without folder and extension.
QString executableBaseName();

} // namespace amorix
