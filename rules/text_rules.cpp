#include "text_rules.h"

#include <limits>
#include <stdexcept>

namespace amorix {

QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

std::int16_t int16FromText(const QString& text)
{
    bool ok = false;
    const int value = trimSpaces(text).toInt(&ok);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw std::invalid_argument("not a 16-bit number: " + text.toStdString());
    return static_cast<std::int16_t>(value);
}

QString fromUtf8View(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace amorix
