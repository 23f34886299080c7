// Any five texts: the request address decodes back to exactly those texts,
// one key each, and no other keys.
#include "exit_screen/modTellAFriend.h"

#include <QList>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

using namespace amorix;

static void require(bool condition)
{
    if (!condition)
        std::abort();
}

// A web server's form decoder: fields split at "&", key and value at the
// first "=", "+" a space, %XX a UTF-8 byte.
static QList<QPair<QString, QString>> formFields(const QString& query)
{
    const auto decoded = [](QByteArray part) {
        return QString::fromUtf8(QByteArray::fromPercentEncoding(part.replace('+', ' ')));
    };
    QList<QPair<QString, QString>> fields;
    for (const QByteArray& field : query.toLatin1().split('&')) {
        const qsizetype eq = field.indexOf('=');
        fields.append({decoded(field.left(eq)), decoded(field.mid(eq + 1))});
    }
    return fields;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Five texts separated by zero bytes.
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QList<QByteArray> parts = bytes.split('\0');
    while (parts.size() < 5)
        parts.append(QByteArray());
    QStringList texts;
    for (int i = 0; i < 5; ++i)
        texts.append(QString::fromUtf8(parts[i]));
    // What a text box can hold: valid Unicode, so that UTF-8 round trips.
    for (QString& text : texts)
        text = QString::fromUtf8(text.toUtf8());

    const modTellAFriend::Referral referral{texts[0], texts[1], texts[2], texts[3], texts[4]};
    const QString address = modTellAFriend::requestAddress(referral);
    for (const QChar c : address)
        require(c.unicode() > 32 && c.unicode() < 127);

    const QList<QPair<QString, QString>> items = formFields(address.mid(address.indexOf(u'?') + 1));
    require(items.size() == 6);
    const QString expected[6] = {texts[0], texts[1], texts[2],
                                 texts[3], texts[4], QStringLiteral("http://amorix.velmora.example/")};
    for (int i = 0; i < 6; ++i) {
        require(items[i].first == QStringLiteral("taf%1").arg(i + 1));
        require(items[i].second == expected[i]);
    }
    return 0;
}
