// The plain functions behind the windows: the settings codec and the date
// it stores, the date rules, the text rules, and every web address built.
#include "rules/date_rules.h"
#include "rules/ini_text.h"
#include "rules/referral.h"
#include "rules/settings_codec.h"
#include "rules/text_rules.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

#include <chrono>
#include <functional>

using namespace amorix;
using modTellAFriend::Referral;

Q_DECLARE_METATYPE(Referral)
Q_DECLARE_METATYPE(CodePage)

namespace {

// Decodes one application/x-www-form-urlencoded value the way a web
// server's form decoder does ("+" is a space, %XX a UTF-8 byte).
QString formDecoded(const QString& value)
{
    QByteArray bytes = value.toLatin1();
    bytes.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(bytes));
}

// The query of an address as ordered key/value pairs, decoded by a form decoder.
QList<QPair<QString, QString>> formFields(const QString& address)
{
    QList<QPair<QString, QString>> fields;
    const QString query = address.mid(address.indexOf(u'?') + 1);
    for (const QString& pair : query.split(u'&')) {
        const qsizetype eq = pair.indexOf(u'=');
        fields.append({formDecoded(pair.left(eq)), formDecoded(pair.mid(eq + 1))});
    }
    return fields;
}

// Windows-1252: Latin-1 but for the printable characters it puts on 128..159.
CodePage windows1252()
{
    CodePage page = latin1CodePage();
    const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                               0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                               0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::copy(std::begin(high), std::end(high), page.begin() + 0x80);
    return page;
}

void writeText(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestTextAndAddresses : public QObject {
    Q_OBJECT
private slots:
    // Names and values are shifted 85 bytes up in a single-byte code page:
    // Latin-1 on Linux, the ANSI code page (Windows-1252 here) on Windows.
    void codecShiftsByEightyFive_data()
    {
        QTest::addColumn<CodePage>("page");
        QTest::addColumn<QString>("digitOne"); // "1" as stored
        QTest::addColumn<QString>("date"); // "12/7/2026" as stored
        QTest::newRow("Latin-1") << latin1CodePage() << QStringLiteral("\u0086")
                                 << QStringLiteral("\u0086\u0087\u0084\u008C\u0084\u0087\u0085\u0087\u008B");
        QTest::newRow("Windows-1252") << windows1252() << QStringLiteral("\u2020")
                                      << QStringLiteral("\u2020\u2021\u201E\u0152\u201E\u2021\u2026\u2021\u2039");
    }
    void codecShiftsByEightyFive()
    {
        QFETCH(CodePage, page);
        QFETCH(QString, digitOne);
        QFETCH(QString, date);
        QCOMPARE(EncodeSetting(QStringLiteral("abc"), page), QStringLiteral("\u00B6\u00B7\u00B8"));
        QCOMPARE(DecodeSetting(QStringLiteral("\u00B6\u00B7\u00B8"), page), QStringLiteral("abc"));
        QCOMPARE(EncodeSetting(QStringLiteral("1"), page), digitOne);
        QCOMPARE(EncodeSetting(QStringLiteral("12/7/2026"), page), date);
        QCOMPARE(EncodeSetting(QString(), page), QString());

        QString all;
        for (std::size_t code = 32; code <= 170; ++code) {
            const QString one(QChar{page[code]});
            const QString stored = EncodeSetting(one, page);
            QCOMPARE(stored.size(), 1);
            QCOMPARE(stored.at(0), QChar(page[code + 85]));
            QCOMPARE(DecodeSetting(stored, page), one);
            // What earlier versions stored through Latin-1 (dates and names
            // of ASCII letters) still reads.
            if (code < 128)
                QCOMPARE(DecodeSetting(EncodeSetting(one, latin1CodePage()), page), one);
            all += one;
        }
        QCOMPARE(DecodeSetting(EncodeSetting(all, page), page), all);
    }

    void codecIsTotalOutsideTheNameRange()
    {
        // Control characters, the top of Latin-1, other scripts, lone surrogates.
        QString other;
        for (char16_t code = 0; code < 32; ++code)
            other += QChar{code};
        for (char16_t code = 171; code <= 300; ++code)
            other += QChar{code};
        other += QStringLiteral("\u05D0\u4E2D\U0001F600") + QChar(0xD800);
        QCOMPARE(DecodeSetting(EncodeSetting(other, latin1CodePage()), latin1CodePage()), other);
        QCOMPARE(EncodeSetting(DecodeSetting(other, latin1CodePage()), latin1CodePage()), other);
    }

    void shortDateHasFourDigitYear_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("12/7/2026");
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << QStringLiteral("07/12/2026");
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral("07.12.2026");
        QTest::newRow("C") << QLocale::c() << QString();
    }
    void shortDateHasFourDigitYear()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        const QDate day(2026, 12, 7);
        const QString written = shortDateText(day, locale);
        if (!text.isEmpty())
            QCOMPARE(written, text);
        QVERIFY2(written.contains(QStringLiteral("2026")), qPrintable(written));
        QCOMPARE(dateFromShortText(written, locale), day);
        // Dates far from today read back as the same day too.
        for (const QDate other : {QDate(1926, 1, 31), QDate(2099, 2, 28), QDate(2000, 2, 29)})
            QCOMPARE(dateFromShortText(shortDateText(other, locale), locale), other);
    }

    // The settings file's text is read and written as QSettings reads and
    // writes it: files of earlier versions read as they were meant, and
    // what is written now reads back the same through either.
    void iniTextAsQSettingsHasIt_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("otherLines"); // already in the file
        QTest::newRow("encoded date") << EncodeSetting(QStringLiteral("2026-12-07"), latin1CodePage()) << QString();
        QTest::newRow("encoded US date beside other keys")
            << EncodeSetting(QStringLiteral("12/7/2026"), latin1CodePage())
            << QStringLiteral("[General]\nx=1\n[Other]\ny=2\n");
        QString everyCode;
        for (char16_t code = 0; code < 0x180; ++code)
            everyCode += QChar(code);
        QTest::newRow("every code to 0x17F") << everyCode << QStringLiteral("[Settings]\nother=kept\n");
        QTest::newRow("list, comment and padding signs") << QStringLiteral("  a,b;c=d \"q\" \\ ") << QString();
        QTest::newRow("control then hex digit") << QStringLiteral("\u0001f\u0002A9") << QString();
        QTest::newRow("at sign first") << QStringLiteral("@Variant(x)") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("other scripts") << QStringLiteral("李\u05D0\U0001F600") << QStringLiteral("\r\n");
        QTest::newRow("other blanks at the ends") << QStringLiteral("\u2000\u00A0x\u0085\u3000") << QString();
    }
    void iniTextAsQSettingsHasIt()
    {
        QFETCH(QString, value);
        QFETCH(QString, otherLines);
        const QString key = EncodeSetting(QStringLiteral("Duration"), latin1CodePage());
        QTemporaryDir folder;

        // Ours, read by QSettings.
        const QString ours = ini::withValue(otherLines, QStringLiteral("Settings"), key, value);
        QCOMPARE(ini::value(ours, QStringLiteral("Settings"), key), value);
        const QString oursPath = folder.filePath("ours.ini");
        writeText(oursPath, ours.toUtf8());
        QCOMPARE(QSettings(oursPath, QSettings::IniFormat).value("Settings/" + key).toString(), value);
        if (otherLines.contains("other=kept"))
            QCOMPARE(QSettings(oursPath, QSettings::IniFormat).value("Settings/other").toString(), "kept");

        // QSettings', read by us.
        const QString theirsPath = folder.filePath("theirs.ini");
        {
            QSettings theirs(theirsPath, QSettings::IniFormat);
            theirs.setValue("Settings/" + key, value);
        }
        QFile theirs(theirsPath);
        QVERIFY(theirs.open(QIODevice::ReadOnly));
        QCOMPARE(ini::value(QString::fromUtf8(theirs.readAll()), QStringLiteral("Settings"), key), value);
    }

    void textThatIsNoDate()
    {
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        for (const QString& text :
             {QStringLiteral("soon"), QStringLiteral("13/45/2026"), QStringLiteral("//"), QString(500, u'9')})
            QVERIFY2(!dateFromShortText(text, us).isValid(), qPrintable(text));
    }

    void everyListDateAgainstTheCalendar()
    {
        using namespace std::chrono;
        for (int year = 1900; year <= 2050; ++year)
            for (int month = 0; month < 12; ++month)
                for (int day = 0; day < 31; ++day) {
                    const bool exists = year_month_day{std::chrono::year{year}, std::chrono::month{unsigned(month + 1)},
                                                       std::chrono::day{unsigned(day + 1)}}
                                            .ok();
                    const DateProblem problem = dateProblem(day, month, year);
                    if (exists != (problem == DateProblem::None))
                        QFAIL(qPrintable(QStringLiteral("%1-%2-%3").arg(year).arg(month + 1).arg(day + 1)));
                    if (!exists)
                        QCOMPARE(problem, month == 1 ? DateProblem::FebruaryTooLong : DateProblem::ThirtyDayMonth);
                }
    }

    void trimRemovesSpacesOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("outer spaces") << QStringLiteral("  Anna Lee  ") << QStringLiteral("Anna Lee");
        QTest::newRow("only spaces") << QStringLiteral("     ") << QString();
        QTest::newRow("tab and line break stay") << QStringLiteral("\tAnna\r\n ") << QStringLiteral("\tAnna\r\n");
        QTest::newRow("no-break space stays") << QStringLiteral("\u00A0x") << QStringLiteral("\u00A0x");
    }
    void trimRemovesSpacesOnly()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(trimSpaces(text), trimmed);
    }

    void addressChecks_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("message");
        const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
        const QString proper = QStringLiteral("Please Enter Proper Email Address");
        QTest::newRow("untouched form") << "Your Email Address"
                                        << "Friend's Email Address" << proper;
        QTest::newRow("same address") << "a@b.c"
                                      << "a@b.c" << distinct;
        QTest::newRow("same after trimming") << "  a@b.c"
                                             << "a@b.c  " << distinct;
        QTest::newRow("both empty: same") << ""
                                          << "   " << distinct;
        QTest::newRow("case differs: distinct") << "A@b.c"
                                                << "a@b.c" << QString();
        QTest::newRow("no @ in own") << "ab.c"
                                     << "a@b.c" << proper;
        QTest::newRow("no @ in friend's") << "a@b.c"
                                          << "ab.c" << proper;
        QTest::newRow("no dot in own") << "a@bc"
                                       << "a@b.c" << proper;
        QTest::newRow("no dot in friend's") << "a@b.c"
                                            << "a@bc" << proper;
        QTest::newRow("dot before @ passes") << "a.b@c"
                                             << "x@y.z" << QString();
        QTest::newRow("plain") << "anna@example.org"
                               << "ben@example.org" << QString();
    }
    void addressChecks()
    {
        QFETCH(QString, email);
        QFETCH(QString, friendEmail);
        QFETCH(QString, message);
        QCOMPARE(modTellAFriend::addressProblem(email, friendEmail), message);
    }

    void referralChecksInOrder_data()
    {
        QTest::addColumn<Referral>("referral");
        QTest::addColumn<QString>("message");
        const Referral good{"Anna", "anna@x.org", "Hi", "Ben", "ben@x.org"};
        const auto with = [&](const std::function<void(Referral&)>& change) {
            Referral r = good;
            change(r);
            return r;
        };
        QTest::newRow("all given") << good << QString();
        QTest::newRow("name placeholder")
            << with([](Referral& r) { r.name = "Your Name"; }) << "Please Enter Your Name";
        QTest::newRow("lower-case placeholder is a name")
            << with([](Referral& r) { r.name = "your name"; }) << QString();
        QTest::newRow("everything empty: name first") << Referral{} << "Please Enter Your Name";
        QTest::newRow("email empty") << with([](Referral& r) { r.email = ""; }) << "Please Enter Your Email";
        QTest::newRow("email placeholder")
            << with([](Referral& r) { r.email = "Your Email Address"; }) << "Please Enter Your Email";
        QTest::newRow("message placeholder")
            << with([](Referral& r) { r.message = "Your Message"; }) << "Please Enter Your Message";
        QTest::newRow("message design text passes")
            << with([](Referral& r) { r.message = "Your Message\r\n"; }) << QString();
        QTest::newRow("friend's name placeholder")
            << with([](Referral& r) { r.friendName = "Friend's Name"; }) << "Please Enter Your Friend's Name";
        QTest::newRow("friend's email spaces")
            << with([](Referral& r) { r.friendEmail = "   "; }) << "Please Enter Your Friend's Email";
        QTest::newRow("friend's email placeholder")
            << with([](Referral& r) { r.friendEmail = "Friend's Email Address"; })
            << "Please Enter Your Friend's Email";
    }
    void referralChecksInOrder()
    {
        QFETCH(Referral, referral);
        QFETCH(QString, message);
        QCOMPARE(modTellAFriend::referralProblem(referral), message);
    }

    void requestAddressDecodesToWhatWasTyped_data()
    {
        QTest::addColumn<Referral>("referral");
        QTest::newRow("plain") << Referral{"Anna", "anna@x.org", "Hello", "Ben", "ben@x.org"};
        QTest::newRow("design-time message") << Referral{"Anna", "anna@x.org", "Your Message\r\n", "Ben", "ben@x.org"};
        QTest::newRow("ampersand and equals") << Referral{"Tom & Jerry", "a=b@x.org", "x&taf9=y", "R&D", "c@x.org"};
        QTest::newRow("plus, hash, percent") << Referral{"C++ fan", "a+tag@x.org", "50% #1", "Ben#2", "b%41@x.org"};
        QTest::newRow("spaces and line breaks")
            << Referral{"Anna Lee", "a@x.org", "Hi there,\r\nsee you\r\n", "Ben  Ray", "b@x.org"};
        QTest::newRow("non-ASCII") << Referral{"Zoë Ångström", "zoe@x.org", "Liebe Grüße ♥", "Ωmega 李", "o@x.org"};
        QTest::newRow("quotes and slashes") << Referral{"O'Brien \"Bo\"", "a@x.org", "/?:;,<>", "\\", "b@x.org"};
    }
    void requestAddressDecodesToWhatWasTyped()
    {
        QFETCH(Referral, referral);
        const QString address = modTellAFriend::requestAddress(referral);

        QVERIFY(address.startsWith(QStringLiteral("http://softwares.velmora.example/qxvs-refer-a-friend.php?taf1=")));
        QVERIFY(address.endsWith(QStringLiteral("&taf6=http://amorix.velmora.example/")));
        for (const QChar c : address)
            QVERIFY2(c.unicode() > 32 && c.unicode() < 127, qPrintable(address));

        const QList<QPair<QString, QString>> expected = {
            {"taf1", referral.name},       {"taf2", referral.email},       {"taf3", referral.message},
            {"taf4", referral.friendName}, {"taf5", referral.friendEmail}, {"taf6", "http://amorix.velmora.example/"},
        };
        QCOMPARE(formFields(address), expected);

        // An RFC 3986 decoder reads the same values.
        const QUrlQuery query(QUrl(address).query(QUrl::FullyEncoded));
        for (const auto& [key, value] : expected)
            QCOMPARE(query.queryItemValue(key, QUrl::FullyDecoded), value);
    }
};

QTEST_GUILESS_MAIN(TestTextAndAddresses)
#include "test_text_and_addresses.moc"
