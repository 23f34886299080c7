// A settings store held in memory, with a switch to make writes fail.
#pragma once

#include "system/settings_store.h"

#include <QMap>

namespace amorix::test {

class MemoryStore final : public SettingsStore {
public:
    QMap<QString, QString> values;
    bool writesFail = false;
    int writes = 0;

    QString read(const QString& name) override { return values.value(name); }
    bool write(const QString& name, const QString& value) override
    {
        ++writes;
        if (writesFail)
            return false;
        values[name] = value;
        return true;
    }
};

} // namespace amorix::test
