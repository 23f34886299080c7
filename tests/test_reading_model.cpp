// The main window's rules without its widgets: which problem keeps the
// entries from a reading, and the twelve values a reading shows.
#include "engine/interpretations.h"
#include "rules/reading_model.h"
#include "rules/resume_next.h"
#include "rules/text_rules.h"

#include <QLoggingCategory>
#include <QTest>

#include <stdexcept>

using namespace amorix;
using namespace amorix::reading;

namespace {

QString personal(int n) { return fromUtf8View(personalInterpretation(n)); }
QString love(int n) { return fromUtf8View(loveInterpretation(n)); }
QString significance() { return fromUtf8View(significanceText()); }

const QStringList kMonths = {"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};

// Entries as the controls hold them after choosing these items.
Entries entries(const QString& name, const QString& month, const QString& day, const QString& year)
{
    return {name, int(kMonths.indexOf(month)), day.toInt() - 1, day, year};
}

QStringList shown(const Reading& reading)
{
    QStringList texts;
    for (const std::optional<QString>& value : reading)
        texts.append(value.value_or(QStringLiteral("<none>")));
    return texts;
}

QStringList traced;
void recordTrace(QtMsgType, const QMessageLogContext& context, const QString& text)
{
    if (QByteArray(context.category) == "amorix.handlers")
        traced.append(text);
}

} // namespace

Q_DECLARE_METATYPE(amorix::reading::Entries)

class TestReadingModel : public QObject {
    Q_OBJECT

private slots:
    void firstProblem_data()
    {
        QTest::addColumn<Entries>("user");
        QTest::addColumn<Entries>("partner");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<int>("focusOn"); // name box index, or -1: the focus stays

        const QString yourName = QStringLiteral("Please Enter Your Name");
        const QString partnersName = QStringLiteral("Please Enter Your Partner's Name");
        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        const Entries ok = entries("Ann", "May", "5", "1990");

        QTest::newRow("both names empty")
            << entries("", "January", "1", "1900") << entries("", "January", "1", "1900") << yourName << true << 0;
        QTest::newRow("name of spaces") << entries("   ", "May", "5", "1990") << ok << yourName << true << 0;
        QTest::newRow("name of a tab is a name") << entries("\t", "May", "5", "1990") << ok << QString() << false << -1;
        QTest::newRow("partner missing, user's date impossible")
            << entries("Ann", "February", "31", "1999") << entries("", "May", "5", "1990") << partnersName << true << 1;
        QTest::newRow("29 Feb 1903") << entries("Ann", "February", "29", "1903") << ok << february << false << -1;
        QTest::newRow("29 Feb 1900, no leap year")
            << entries("Ann", "February", "29", "1900") << ok << february << false << -1;
        QTest::newRow("30 Feb 2000") << entries("Ann", "February", "30", "2000") << ok << february << false << -1;
        QTest::newRow("31 Feb 1999") << entries("Ann", "February", "31", "1999") << ok << february << false << -1;
        QTest::newRow("31 April") << entries("Ann", "April", "31", "1990") << ok << thirty << false << -1;
        QTest::newRow("31 June") << entries("Ann", "June", "31", "1990") << ok << thirty << false << -1;
        QTest::newRow("31 September") << entries("Ann", "September", "31", "1990") << ok << thirty << false << -1;
        QTest::newRow("31 November") << entries("Ann", "November", "31", "1990") << ok << thirty << false << -1;
        QTest::newRow("both dates impossible: user's reported")
            << entries("Ann", "April", "31", "1990") << entries("Bo", "February", "30", "1990") << thirty << false
            << -1;
        QTest::newRow("partner's date only")
            << ok << entries("Bo", "February", "29", "2001") << february << false << -1;
        QTest::newRow("29 Feb 1904 passes")
            << entries("Ann", "February", "29", "1904") << ok << QString() << false << -1;
        QTest::newRow("29 Feb 2000 passes")
            << entries("Ann", "February", "29", "2000") << ok << QString() << false << -1;
        QTest::newRow("30 April passes") << entries("Ann", "April", "30", "1990") << ok << QString() << false << -1;
        QTest::newRow("31 July passes") << entries("Ann", "July", "31", "1990") << ok << QString() << false << -1;
        QTest::newRow("31 December passes")
            << entries("Ann", "December", "31", "2050") << ok << QString() << false << -1;
        QTest::newRow("start-up dates pass") << entries("Ann", "January", "1", "1900")
                                             << entries("Bo", "January", "1", "1900") << QString() << false << -1;
    }
    void firstProblem()
    {
        QFETCH(Entries, user);
        QFETCH(Entries, partner);
        QFETCH(QString, message);
        QFETCH(bool, stop);
        QFETCH(int, focusOn);
        const std::optional<Problem> problem = reading::firstProblem({user, partner});
        if (message.isEmpty()) {
            QVERIFY2(!problem, qPrintable(problem ? problem->message : QString()));
            return;
        }
        QVERIFY(problem);
        QCOMPARE(problem->message, message);
        QCOMPARE(problem->icon, stop ? MessageIcon::Critical : MessageIcon::Information);
        QCOMPARE(problem->focusName.value_or(-1), focusOn);
    }

    void readings_data()
    {
        QTest::addColumn<Entries>("user");
        QTest::addColumn<Entries>("partner");
        QTest::addColumn<QStringList>("expected");
        const Entries anna = entries("Anna", "March", "7", "1985");
        const Entries ben = entries("Ben", "December", "28", "1979");
        QTest::newRow("Anna and Ben")
            << anna << ben
            << QStringList{
                   "Anna",         "March 7, 1985", "6", significance(), personal(6), "Ben", "December 28, 1979", "3",
                   significance(), personal(3),     "9", love(9)};
        QTest::newRow("start-up dates")
            << entries("Ann", "January", "1", "1900") << entries("Bo", "January", "1", "1900")
            << QStringList{
                   "Ann",          "January 1, 1900", "3", significance(), personal(3), "Bo", "January 1, 1900", "3",
                   significance(), personal(3),       "6", love(6)};
        QTest::newRow("names trimmed, inner spaces kept")
            << entries("  Mary Ann  ", "November", "30", "1958") << entries(" Jo ", "December", "31", "2050")
            << QStringList{"Mary Ann",
                           "November 30, 1958",
                           "1",
                           significance(),
                           personal(1),
                           "Jo",
                           "December 31, 2050",
                           "5",
                           significance(),
                           personal(5),
                           "6",
                           love(6)};
        QTest::newRow("persons exchanged: same love number")
            << ben << anna
            << QStringList{
                   "Ben",          "December 28, 1979", "3", significance(), personal(3), "Anna", "March 7, 1985", "6",
                   significance(), personal(6),         "9", love(9)};
        QTest::newRow("29 February 2000")
            << entries("Leap", "February", "29", "2000") << entries("Day", "September", "9", "1998")
            << QStringList{"Leap",
                           "February 29, 2000",
                           "6",
                           significance(),
                           personal(6),
                           "Day",
                           "September 9, 1998",
                           "9",
                           significance(),
                           personal(9),
                           "6",
                           love(6)};

        // A step that fails leaves its values out; the rest are made.
        const QString none = QStringLiteral("<none>");
        QTest::newRow("year that is no number")
            << entries("Ann", "May", "5", "soon") << ben
            << QStringList{"Ann", none,           none,        significance(), none, "Ben", "December 28, 1979",
                           "3",   significance(), personal(3), none,           none};
        QTest::newRow("sum past 16 bits")
            << Entries{"Ann", 11, 0, "32767", "2050"} << ben
            << QStringList{"Ann", none,           none,        significance(), none, "Ben", "December 28, 1979",
                           "3",   significance(), personal(3), none,           none};
    }
    void readings()
    {
        QFETCH(Entries, user);
        QFETCH(Entries, partner);
        QFETCH(QStringList, expected);
        QCOMPARE(shown(makeReading({user, partner})), expected);
    }

    void valueLabelsInOrder()
    {
        QCOMPARE(valueIndex(0, Name), 0);
        QCOMPARE(valueIndex(0, Interpretation), 4);
        QCOMPARE(valueIndex(1, Name), 5);
        QCOMPARE(valueIndex(1, Interpretation), 9);
        QCOMPARE(kLoveNumber, 10);
        QCOMPARE(kLoveInterpretation, 11);
        QCOMPARE(kValueCount, 12);
    }

    // What a guarded step swallows is traced for developers, silently
    // unless they switch the trace on.
    void skippedStepsAreTraced()
    {
        traced.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordTrace);
        resumeNext([] { throw std::invalid_argument("not a number"); });
        QVERIFY(traced.isEmpty());

        QLoggingCategory::setFilterRules(QStringLiteral("amorix.handlers.warning=true"));
        resumeNext([] { throw std::invalid_argument("not a number"); });
        resumeNext([] { throw 42; });
        const std::optional<int> value = attempt([]() -> int { throw std::overflow_error("too big"); });
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(previous);

        QVERIFY(!value);
        QCOMPARE(traced.size(), 3);
        QVERIFY(traced[0].contains("not a number"));
        QVERIFY(traced[1].contains("unknown"));
        QVERIFY(traced[2].contains("too big"));
        QCOMPARE(attempt([] { return 7; }), std::optional<int>(7));
    }
};

QTEST_GUILESS_MAIN(TestReadingModel)
#include "test_reading_model.moc"
