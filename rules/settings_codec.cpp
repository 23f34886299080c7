#include "settings_codec.h"

#include <QRegularExpression>

#include <optional>

namespace amorix {
namespace {

constexpr int kShift = 85;

std::optional<int> byteOf(char16_t c, const CodePage& page)
{
    for (int byte = 0; byte < 256; ++byte)
        if (page[static_cast<std::size_t>(byte)] == c)
            return byte;
    return std::nullopt;
}

QString shifted(const QString& text, const CodePage& page, int by)
{
    QString result = text;
    for (QChar& c : result) {
        if (const std::optional<int> byte = byteOf(c.unicode(), page))
            c = QChar(page[static_cast<std::size_t>((*byte + by + 256) % 256)]);
        else if (by < 0 && c.unicode() <= 0xFF) // written through Latin-1
            c = QChar(static_cast<char16_t>((c.unicode() + by + 256) % 256));
    }
    return result;
}

} // namespace

const CodePage& latin1CodePage()
{
    static const CodePage page = [] {
        CodePage identity{};
        for (std::size_t byte = 0; byte < identity.size(); ++byte)
            identity[byte] = static_cast<char16_t>(byte);
        return identity;
    }();
    return page;
}

QString EncodeSetting(const QString& text, const CodePage& page) { return shifted(text, page, kShift); }
QString DecodeSetting(const QString& text, const CodePage& page) { return shifted(text, page, -kShift); }

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
