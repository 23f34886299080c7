#include "settings_store.h"

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

IniSettingsStore::IniSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, executableBaseName()))
{
}

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::read(const QString& name)
{
    return DecodeSetting(settings_->value(keyFor(name), QString()).toString());
}

bool IniSettingsStore::write(const QString& name, const QString& value)
{
    settings_->setValue(keyFor(name), EncodeSetting(value));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString IniSettingsStore::fileName() const { return settings_->fileName(); }

} // namespace amorix
