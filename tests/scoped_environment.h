// An environment variable set for as long as the object lives and put back
// as it was when it goes, also when the check that needed it fails.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace amorix::test {

class ScopedEnvironment {
public:
    // A null value unsets the variable.
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name_(name)
        , saved_(qgetenv(name))
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~ScopedEnvironment() { saved_.isNull() ? qunsetenv(name_) : qputenv(name_, saved_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    QByteArray saved_;
};

} // namespace amorix::test
