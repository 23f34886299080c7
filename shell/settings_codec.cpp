#include "settings_codec.h"

#include <QRegularExpression>

namespace amorix {
namespace {

constexpr int kShift = 85;

QString shifted(const QString& text, int by)
{
    QString result = text;
    for (QChar& c : result) {
        if (c.unicode() <= 0xFF)
            c = QChar(static_cast<char16_t>((c.unicode() + by + 256) % 256));
    }
    return result;
}

} // namespace

QString EncodeSetting(const QString& text) { return shifted(text, kShift); }
QString DecodeSetting(const QString& text) { return shifted(text, -kShift); }

QString shortDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // A run of exactly two y's is a two-digit year; widen it to four.
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return format;
}

QString shortDateText(QDate date, const QLocale& locale) { return locale.toString(date, shortDateFormat(locale)); }

QDate dateFromShortText(const QString& text, const QLocale& locale)
{
    return locale.toDate(text.trimmed(), shortDateFormat(locale));
}

namespace {
const QString kStoredDateFormat = QStringLiteral("yyyy-MM-dd");
}

QString storedDateText(QDate date) { return date.toString(kStoredDateFormat); }

QDate dateFromStoredText(const QString& text, const QLocale& locale)
{
    // QDate's own format reading is the same in every locale.
    if (const QDate date = QDate::fromString(text.trimmed(), kStoredDateFormat); date.isValid())
        return date;
    return dateFromShortText(text, locale);
}

} // namespace amorix
