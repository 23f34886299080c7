// The numerology engine against an independent digit-sum reference, the
// worked examples, the 16-bit limits and the texts' promises.
#include "engine/interpretations.h"
#include "engine/numerology.h"
#include "rules/text_rules.h"

#include <QTest>

#include <limits>
#include <stdexcept>
#include <string>

using namespace amorix;

namespace {

// Sums decimal digits until one digit is left, the slow way.
int repeatedDigitSum(int total)
{
    while (total > 9) {
        int sum = 0;
        for (const char digit : std::to_string(total))
            sum += digit - '0';
        total = sum;
    }
    return total;
}

std::size_t count(std::string_view text, std::string_view what)
{
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Length in characters of a UTF-8 text.
qsizetype characters(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).size();
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    void reductionOfEveryTotal()
    {
        for (int total = 1; total <= std::numeric_limits<std::int16_t>::max(); ++total) {
            const int reduced = digitReduction(static_cast<std::int16_t>(total));
            if (reduced != 1 + (total - 1) % 9 || reduced != repeatedDigitSum(total))
                QFAIL(qPrintable(QStringLiteral("total %1 reduced to %2").arg(total).arg(reduced)));
        }
    }

    void reductionRefusesTotalsBelowOne_data()
    {
        QTest::addColumn<int>("total");
        QTest::newRow("zero") << 0;
        QTest::newRow("minus one") << -1;
        QTest::newRow("lowest") << int{std::numeric_limits<std::int16_t>::min()};
    }
    void reductionRefusesTotalsBelowOne()
    {
        QFETCH(int, total);
        QVERIFY_THROWS_EXCEPTION(std::domain_error, digitReduction(static_cast<std::int16_t>(total)));
    }

    void birthNumbers_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("expected");
        QTest::newRow("1 Jan 1900, smallest total") << 1 << 1 << 1900 << 3;
        QTest::newRow("7 Mar 1985, month counts as 3") << 7 << 3 << 1985 << 6;
        QTest::newRow("28 Dec 1979") << 28 << 12 << 1979 << 3;
        QTest::newRow("15 Aug 1990") << 15 << 8 << 1990 << 6;
        QTest::newRow("9 Sep 1998") << 9 << 9 << 1998 << 9;
        QTest::newRow("1 Jan 1982, 22 is no master number") << 1 << 1 << 1982 << 4;
        QTest::newRow("30 Nov 1958, three passes") << 30 << 11 << 1958 << 1;
        QTest::newRow("31 Dec 2050, largest total") << 31 << 12 << 2050 << 5;
    }
    void birthNumbers()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, expected);
        QCOMPARE(birthNumber(static_cast<std::int16_t>(day), static_cast<std::int16_t>(month),
                             static_cast<std::int16_t>(year)),
                 expected);
    }

    void loveNumbers_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<int>("partner");
        QTest::addColumn<int>("expected");
        QTest::newRow("3+6") << 3 << 6 << 9;
        QTest::newRow("4+5") << 4 << 5 << 9;
        QTest::newRow("6+6") << 6 << 6 << 3;
        QTest::newRow("1+9, ten gives one") << 1 << 9 << 1;
        QTest::newRow("2+9, eleven gives two") << 2 << 9 << 2;
        QTest::newRow("9+9") << 9 << 9 << 9;
    }
    void loveNumbers()
    {
        QFETCH(int, user);
        QFETCH(int, partner);
        QFETCH(int, expected);
        QCOMPARE(loveNumber(static_cast<std::int16_t>(user), static_cast<std::int16_t>(partner)), expected);
        QCOMPARE(loveNumber(static_cast<std::int16_t>(partner), static_cast<std::int16_t>(user)), expected);
    }

    void overflowAtTheSixteenBitEdge_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("overflows");
        QTest::newRow("total exactly 32767") << 1 << 1 << 32765 << false;
        QTest::newRow("total 32768") << 1 << 2 << 32765 << true;
        QTest::newRow("day + month overflows first") << 32767 << 1 << 0 << true;
        QTest::newRow("negative edge") << -32768 << -1 << 0 << true;
    }
    void overflowAtTheSixteenBitEdge()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(bool, overflows);
        const auto call = [&] {
            return birthNumber(static_cast<std::int16_t>(day), static_cast<std::int16_t>(month),
                               static_cast<std::int16_t>(year));
        };
        if (overflows)
            QVERIFY_THROWS_EXCEPTION(std::overflow_error, call());
        else
            QCOMPARE(call(), 1 + (32767 - 1) % 9);
    }

    void loveSumOverflow() { QVERIFY_THROWS_EXCEPTION(std::overflow_error, loveNumber(32767, 1)); }

    void texts_data()
    {
        QTest::addColumn<bool>("love");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<int>("length");
        const auto row = [](bool love, int n, const char* opening, int length) {
            QTest::addRow("%s %d", love ? "love" : "personal", n) << love << n << QString::fromUtf8(opening) << length;
        };
        row(false, 1, "You tend to show off your partners to your friends.", 219);
        row(false, 2, "You will find it difficult to remain in any relationship.", 286);
        row(false, 3, "You will be the dominating half in your relationship.", 279);
        row(false, 4, "You will be very serious about your relationships.", 265);
        row(false, 5, "You are very jovial and happy by nature.", 273);
        row(false, 6, "You cannot be mushy and romantic.", 244);
        row(false, 7, "You will be loving and romantic.", 180);
        row(false, 8, "You will be generous and loving.", 209);
        row(false, 9, "You will go all out to conquer your partner's heart.", 170);
        row(true, 1,
            "You may have many arguments but you will stick to each other through the worst phases of your life.", 267);
        row(true, 2, "People will think that you both are the perfect couple.", 344);
        row(true, 3, "You both tend to spend too much of money on shopping.", 271);
        row(true, 4, "This combination will be based on love and security.", 220);
        row(true, 5, "This relationship is based on absolute fun and frolic.", 226);
        row(true, 6, "This relationship has all the excitement of a storybook romance.", 232);
        row(true, 7, "Pleasure and affluence are ready to be showered in your lives.", 341);
        row(true, 8, "You are quite attuned to each other and one of the best matches.", 187);
        row(true, 9, "There are possible difficulties because of your different temperaments.", 288);
    }
    void texts()
    {
        QFETCH(bool, love);
        QFETCH(int, number);
        QFETCH(QString, opening);
        QFETCH(int, length);
        const std::string_view text = love ? loveInterpretation(number) : personalInterpretation(number);
        const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));

        QVERIFY2(qtext.startsWith(opening + u' '), qPrintable(qtext));
        QVERIFY2(qAbs(characters(text) - length) <= length * 5 / 100,
                 qPrintable(QStringLiteral("%1 characters").arg(characters(text))));
        QVERIFY(!qtext.contains(u'\n') && !qtext.contains(u'\r'));
        QVERIFY(qtext.endsWith(u'.'));

        const std::size_t typographic = count(text, "\u2019");
        if (love && number == 9) {
            QCOMPARE(typographic, std::size_t{3});
            for (const char* word : {"other\u2019s", "doesn\u2019t", "won\u2019t"})
                QVERIFY2(text.find(word) != std::string_view::npos, word);
            QCOMPARE(count(text, "'"), std::size_t{0});
        } else {
            QCOMPARE(typographic, std::size_t{0});
            for (const QChar c : qtext)
                QVERIFY2(c.unicode() < 128, qPrintable(qtext));
        }
    }

    void textsOutsideOneToNine_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0;
        QTest::newRow("10") << 10;
        QTest::newRow("-1") << -1;
    }
    void textsOutsideOneToNine()
    {
        QFETCH(int, number);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, personalInterpretation(number));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, loveInterpretation(number));
    }

    void significanceText()
    {
        QCOMPARE(fromUtf8View(amorix::significanceText()),
                 QStringLiteral("This number shows the positive and negative traits of your personality, your "
                                "hidden talents and your future romance."));
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "test_engine.moc"
