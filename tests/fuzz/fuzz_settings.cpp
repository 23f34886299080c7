// Any bytes as a stored setting: the codec never fails and always round
// trips, and reading a date from the text never fails either. Any bytes as
// the settings file: a value written into it reads back the same.
#include "rules/ini_text.h"
#include "rules/settings_codec.h"

#include <QLocale>

#include <cstdint>
#include <cstdlib>

using namespace amorix;

static void require(bool condition)
{
    if (!condition)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // The same bytes read three ways: UTF-8, Latin-1 and raw UTF-16 units.
    QString texts[3] = {QString::fromUtf8(bytes), QString::fromLatin1(bytes),
                        QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2)};
    // Latin-1, as the Linux build stores settings.
    const CodePage& page = latin1CodePage();
    for (const QString& text : texts) {
        require(DecodeSetting(EncodeSetting(text, page), page) == text);
        require(EncodeSetting(DecodeSetting(text, page), page) == text);

        // Characters of names and dates (codes 32..170) land on 117..255.
        QString printable;
        for (const QChar c : text)
            printable += QChar(static_cast<char16_t>(32 + c.unicode() % 139));
        const QString stored = EncodeSetting(printable, page);
        for (const QChar c : stored)
            require(c.unicode() >= 117 && c.unicode() <= 255);
        require(DecodeSetting(stored, page) == printable);

        // The reminder's date reading: no crash, and a date read back is the
        // same day written again.
        for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c(),
                                      QLocale(QLocale::German, QLocale::Germany)}) {
            const QDate date = dateFromStoredText(DecodeSetting(text, page), locale);
            if (date.isValid())
                require(dateFromStoredText(storedDateText(date), locale) == date);
        }

        const QString section = QStringLiteral("Settings");
        const QString key = EncodeSetting(QStringLiteral("Duration"), page);
        require(ini::value(ini::withValue(text, section, key, text), section, key) == text);
    }
    return 0;
}
