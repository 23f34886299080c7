// The settings file's text: INI as QSettings writes and reads it. Only the
// one line a write changes is touched; every other line stays as it was.
#pragma once

#include <QString>

#include <optional>

namespace amorix::ini {

// The value of key in [section], unescaped; nothing when the key is absent.
std::optional<QString> value(const QString& text, const QString& section, const QString& key);

// The text with key in [section] set to value: its line replaced where it
// has one, else a line added to the section, else the section added.
QString withValue(const QString& text, const QString& section, const QString& key, const QString& value);

// Keys and values escaped as QSettings escapes them, and back.
QString escapedKey(const QString& key);
QString unescapedKey(QStringView escaped);
QString escapedValue(const QString& value);
QString unescapedValue(QStringView escaped);

} // namespace amorix::ini
