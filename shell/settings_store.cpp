#include "settings_store.h"

#include "platform.h"
#include "settings_codec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace amorix {
namespace {

const QString kSection = QStringLiteral("Settings");

QString keyFor(const QString& name) { return kSection + u'/' + EncodeSetting(name); }

} // namespace

QString executableBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

UserSettingsStore::UserSettingsStore()
    : settings_(platform::openUserSettings(executableBaseName()))
{
}

UserSettingsStore::UserSettingsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

UserSettingsStore::~UserSettingsStore() = default;

QString UserSettingsStore::read(const QString& name)
{
    return DecodeSetting(settings_->value(keyFor(name), QString()).toString());
}

bool UserSettingsStore::write(const QString& name, const QString& value)
{
    settings_->setValue(keyFor(name), EncodeSetting(value));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString UserSettingsStore::fileName() const { return settings_->fileName(); }

} // namespace amorix
