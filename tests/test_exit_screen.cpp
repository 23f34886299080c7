// The exit screen and its refer-a-friend form, driven as a person would.
#include "exit_screen/frmExitScreen.h"
#include "exit_screen/modTellAFriend.h"
#include "exit_screen/refer_a_friend_form.h"
#include "look/link_label.h"
#include "program/application.h"
#include "rules/text_rules.h"
#include "stand_ins.h"
#include "system/platform.h"
#include "typing.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <functional>
#include <memory>

using namespace amorix;

#ifndef AMORIX_TIME_SCALE
#define AMORIX_TIME_SCALE 1
#endif

// One way of leaving the exit screen.
using Leave = std::function<void(frmExitScreen&)>;
Q_DECLARE_METATYPE(Leave)

class TestExitScreen : public QObject {
    Q_OBJECT
    std::unique_ptr<test::StandIns> desktop;
    QPointer<frmExitScreen> screen;

    frmExitScreen& s() { return *screen; }

    void type(QLineEdit* box, const QString& text)
    {
        QTest::mouseClick(box, Qt::LeftButton); // focus in: a placeholder empties
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        test::typeText(box, text);
    }

    void fill(const QString& name, const QString& email, const QString& friendName, const QString& friendEmail)
    {
        test::child<QLineEdit>(&s(), "txtName")->setText(name);
        test::child<QLineEdit>(&s(), "txtEmail")->setText(email);
        test::child<QLineEdit>(&s(), "txtFriendName")->setText(friendName);
        test::child<QLineEdit>(&s(), "txtFriendEmail")->setText(friendEmail);
    }

    QUrlQuery lastRequest() const
    {
        const QString address = desktop->opened.last();
        return QUrlQuery(address.mid(address.indexOf(u'?') + 1));
    }

private slots:
    void init()
    {
        beginRun();
        desktop = std::make_unique<test::StandIns>();
        desktop->draws = {0.3f};
        screen = new frmExitScreen;
        screen->show();
        QVERIFY(QTest::qWaitForWindowActive(screen));
    }
    void cleanup()
    {
        delete screen;
        desktop.reset();
    }

    void opensReadyToLeave()
    {
        QCOMPARE(s().windowTitle(), QStringLiteral("QX Amorix v" AMORIX_VERSION));
        QVERIFY2(test::drawnSize(s(), {741, 315}),
                 qPrintable(QStringLiteral("%1x%2").arg(s().width()).arg(s().height())));
        QVERIFY(s().windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(QApplication::activeWindow(), screen.data());
        QCOMPARE(QApplication::focusWidget(), test::child<QPushButton>(&s(), "cmdClose"));
        QCOMPARE(test::child<QLabel>(&s(), "lblSupport")->text(), supportText(1));
        QCOMPARE(desktop->seeds, 1);
        QCOMPARE(test::child<ReferAFriendForm>(&s(), "fraReferAFriend")->title(), QStringLiteral("Refer A Friend"));
        QCOMPARE(test::child<QGroupBox>(&s(), "fraCatalogue")->title(), QStringLiteral("Download Velmora Softwares"));
        // The message box is out of sight and out of reach: no Tab stop,
        // offered to no screen reader.
        QVERIFY(!test::child<QPlainTextEdit>(&s(), "txtMessage")->isVisibleTo(&s()));
        // Heard as a dialog, whose texts a screen reader reads as it opens.
        QCOMPARE(QAccessible::queryAccessibleInterface(&s())->role(), QAccessible::Dialog);
        QCOMPARE(test::child<ReferAFriendForm>(&s(), "fraReferAFriend")->messageText(),
                 QStringLiteral("Your Message\r\n"));
    }

    void catalogueText()
    {
        const QString text = amorix::catalogueText();
        QVERIFY(text.startsWith("If you have enjoyed this software you will surely be interested in our other "
                                "Velmora Softwares. "));
        const qsizetype gap = text.indexOf(QString(61, u' '));
        QVERIFY(gap > 0);
        QVERIFY(text.mid(gap + 61).startsWith("All the programs in the Velmora Softwares suite are simple and easy "
                                              "to use."));
        QVERIFY(text.at(gap - 1) != u' ' && text.at(gap + 61) != u' ');
        QVERIFY(text.endsWith(". ") && !text.endsWith("  "));
        QCOMPARE(text.count(QChar(0x2019)), 1);
        QVERIFY(text.contains(QStringLiteral("world\u2019s")));
        QVERIFY(!text.contains(u'\''));
        QCOMPARE(test::child<QLabel>(&s(), "lblCatalogue")->text(), text);
    }

    void supportTextDrawn_data()
    {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("index");
        QTest::newRow("0") << 0.0f << 0;
        QTest::newRow("just under a quarter") << 0.2499f << 0;
        QTest::newRow("1") << 0.25f << 1;
        QTest::newRow("2") << 0.5f << 2;
        QTest::newRow("3") << 0.75f << 3;
        QTest::newRow("just under one") << std::nextafter(1.0f, 0.0f) << 3;
    }
    void supportTextDrawn()
    {
        QFETCH(float, draw);
        QFETCH(int, index);
        desktop->draws = {draw};
        frmExitScreen other;
        QCOMPARE(test::child<QLabel>(&other, "lblSupport")->text(), supportText(static_cast<std::size_t>(index)));
    }

    void checkBoxOpensHomeOncePerClick()
    {
        for (int click = 1; click <= 3; ++click) {
            QTest::mouseClick(test::child<QCheckBox>(&s(), "chkVisitHome"), Qt::LeftButton);
            QCOMPARE(desktop->opened.size(), click);
            QVERIFY(!test::child<QCheckBox>(&s(), "chkVisitHome")->isChecked());
        }
        QCOMPARE(desktop->opened.last(), QStringLiteral("http://www.velmora.example"));
        QVERIFY(s().isVisible());
    }

    void softwaresLink()
    {
        QTest::mouseClick(test::child<LinkLabel>(&s(), "lblGoToHome"), Qt::LeftButton);
        QTest::mouseClick(test::child<LinkLabel>(&s(), "lblGoToHome"), Qt::LeftButton);
        QCOMPARE(desktop->opened,
                 (QStringList{"http://softwares.velmora.example/velmorasoftwares",
                              "http://softwares.velmora.example/velmorasoftwares"}));
        QVERIFY(s().isVisible());
        QVERIFY(desktop->ends.isEmpty());
    }

    void leaving_data()
    {
        QTest::addColumn<Leave>("leave");
        QTest::newRow("Exit button") << Leave([](frmExitScreen& screen) {
            QTest::mouseClick(test::child<QPushButton>(&screen, "cmdClose"), Qt::LeftButton);
        });
        QTest::newRow("Enter right away")
            << Leave([](frmExitScreen&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
        QTest::newRow("Alt+X") << Leave(
            [](frmExitScreen& screen) { QTest::keyClick(&screen, Qt::Key_X, Qt::AltModifier); });
        QTest::newRow("close box") << Leave([](frmExitScreen& screen) { screen.close(); });
    }
    void leaving()
    {
        QFETCH(Leave, leave);
        leave(s());
        QTRY_COMPARE(desktop->ends, QList<int>{0}); // an access key clicks after a short animation
        QVERIFY(applicationEnded());
        QVERIFY(desktop->messages.isEmpty());
        QTRY_VERIFY(screen.isNull());
    }

    void placeholders()
    {
        // Entering a box that shows its placeholder empties it ...
        QTest::mouseClick(test::child<QLineEdit>(&s(), "txtName"), Qt::LeftButton);
        QCOMPARE(test::child<QLineEdit>(&s(), "txtName")->text(), QString());
        // ... leaving it empty or blank brings the placeholder back.
        QTest::keyClicks(test::child<QLineEdit>(&s(), "txtName"), "   ");
        QTest::keyClick(test::child<QLineEdit>(&s(), "txtName"), Qt::Key_Tab);
        QCOMPARE(test::child<QLineEdit>(&s(), "txtName")->text(), QStringLiteral("Your Name"));
        // Other text is left alone both ways.
        type(test::child<QLineEdit>(&s(), "txtFriendName"), "your name");
        QTest::mouseClick(test::child<QLineEdit>(&s(), "txtName"), Qt::LeftButton);
        QCOMPARE(test::child<QLineEdit>(&s(), "txtFriendName")->text(), QStringLiteral("your name"));
        // A placeholder surrounded by spaces still counts as the placeholder.
        test::child<QLineEdit>(&s(), "txtEmail")->setText("  Your Email Address ");
        QTest::mouseClick(test::child<QLineEdit>(&s(), "txtEmail"), Qt::LeftButton);
        QCOMPARE(test::child<QLineEdit>(&s(), "txtEmail")->text(), QString());
        // The hidden message box keeps its text: it is not its placeholder.
        test::child<QPlainTextEdit>(&s(), "txtMessage")->setFocus(Qt::TabFocusReason);
        QCOMPARE(test::child<ReferAFriendForm>(&s(), "fraReferAFriend")->messageText(),
                 QStringLiteral("Your Message\r\n"));
        QVERIFY(desktop->messages.isEmpty());
    }

    void tabOrder()
    {
        const QList<QWidget*> expected = {
            test::child<QPushButton>(&s(), "cmdClose"),    test::child<QCheckBox>(&s(), "chkVisitHome"),
            test::child<QLineEdit>(&s(), "txtName"),       test::child<QPushButton>(&s(), "cmdSubmit"),
            test::child<QLineEdit>(&s(), "txtEmail"),      test::child<QLineEdit>(&s(), "txtFriendEmail"),
            test::child<QLineEdit>(&s(), "txtFriendName"), test::child<LinkLabel>(&s(), "lblGoToHome")};
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[i]);
        }
    }

    void spaceRefusedInAddresses_data()
    {
        QTest::addColumn<bool>("friends");
        QTest::newRow("own address") << false;
        QTest::newRow("friend's address") << true;
    }
    void spaceRefusedInAddresses()
    {
        QFETCH(bool, friends);
        QLineEdit* box =
            friends ? test::child<QLineEdit>(&s(), "txtFriendEmail") : test::child<QLineEdit>(&s(), "txtEmail");
        type(box, "ab");
        QTest::keyClick(box, Qt::Key_Space);
        QTest::keyClicks(box, "c");
        QCOMPARE(box->text(), QStringLiteral("abc"));
        QCOMPARE(desktop->messageTexts(), QStringList{"Email Address Cannot Contain Space"});
        QCOMPARE(desktop->messages.front().icon, MessageIcon::Critical);
        QCOMPARE(QApplication::focusWidget(), box);
        // Spaces in the name boxes are fine.
        type(test::child<QLineEdit>(&s(), "txtName"), "Anna Lee");
        QCOMPARE(test::child<QLineEdit>(&s(), "txtName")->text(), QStringLiteral("Anna Lee"));
        QCOMPARE(desktop->messages.size(), 1);
    }

    void submitMessagesInOrder_data()
    {
        QTest::addColumn<QStringList>("fields"); // name, email, friend's name, friend's email
        QTest::addColumn<QString>("message");
        QTest::newRow("untouched form") << QStringList{"Your Name", "Your Email Address", "Friend's Name",
                                                       "Friend's Email Address"}
                                        << "Please Enter Proper Email Address";
        QTest::newRow("same addresses first")
            << QStringList{"", "a@b.c", "", "a@b.c"} << "Please Enter Distinct Email Addresses";
        QTest::newRow("no dot") << QStringList{"Anna", "a@bc", "Ben", "b@c.d"} << "Please Enter Proper Email Address";
        QTest::newRow("name placeholder")
            << QStringList{"Your Name", "a@b.c", "Ben", "b@c.d"} << "Please Enter Your Name";
        QTest::newRow("friend's name placeholder")
            << QStringList{"Anna", "a@b.c", "Friend's Name", "b@c.d"} << "Please Enter Your Friend's Name";
        QTest::newRow("valid") << QStringList{"Anna", "a@b.c", "Ben", "b@c.d"} << QString();
    }
    void submitMessagesInOrder()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        fill(fields[0], fields[1], fields[2], fields[3]);
        QTest::mouseClick(test::child<QPushButton>(&s(), "cmdSubmit"), Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(desktop->messages.isEmpty());
            QCOMPARE(desktop->opened.size(), 1);
        } else {
            QCOMPARE(desktop->messageTexts(), QStringList{message});
            QCOMPARE(desktop->messages.front().icon, MessageIcon::Critical);
            QCOMPARE(desktop->messages.front().title, QStringLiteral("QX Amorix"));
            QVERIFY(desktop->opened.isEmpty());
        }
        // Nothing is reset either way.
        QCOMPARE(test::child<QLineEdit>(&s(), "txtName")->text(), fields[0]);
        QCOMPARE(test::child<QLineEdit>(&s(), "txtFriendEmail")->text(), fields[3]);
        QVERIFY(desktop->ends.isEmpty());
    }

    // A request longer than the desktop can be handed is refused in words,
    // one that fits goes out unchanged.
    void longRequest_data()
    {
        QTest::addColumn<int>("beyondLongest"); // characters the request has past the longest that fits
        QTest::newRow("exactly the longest") << 0;
        QTest::newRow("one character too long") << 1;
        QTest::newRow("a megabyte pasted") << (6 << 20);
    }
    void longRequest()
    {
        QFETCH(int, beyondLongest);
        fill("", "a@b.c", "Ben", "b@c.d");
        const modTellAFriend::Referral shortest{"", "a@b.c", "Your Message\r\n", "Ben", "b@c.d"};
        const int bytes =
            platform::longestAddress() - int(modTellAFriend::requestAddress(shortest).size()) + beyondLongest;
        // "é" travels as six bytes (%C3%A9), so one box can fill the request.
        const QString pasted = QString(bytes / 6, u'é') + QString(bytes % 6, u'x');
        const qsizetype name = std::min<qsizetype>(pasted.size(), kLongestEntry);
        QApplication::clipboard()->setText(pasted);
        QElapsedTimer timer;
        timer.start();
        test::child<QLineEdit>(&s(), "txtName")->setFocus();
        test::child<QLineEdit>(&s(), "txtName")->selectAll();
        QTest::keyClick(test::child<QLineEdit>(&s(), "txtName"), Qt::Key_V, Qt::ControlModifier);
        test::child<QLineEdit>(&s(), "txtName")->selectAll();
        s().repaint();
        // A freeze check, not a measure (the sanitizers slow everything down).
        QVERIFY2(timer.elapsed() < qint64{1000} * AMORIX_TIME_SCALE, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(test::child<QLineEdit>(&s(), "txtName")->text().size(), name);

        QTest::mouseClick(test::child<QPushButton>(&s(), "cmdSubmit"), Qt::LeftButton);
        if (beyondLongest > 0) {
            QCOMPARE(desktop->messageTexts(), QStringList{modTellAFriend::requestTooLong()});
            QCOMPARE(desktop->messages.front().icon, MessageIcon::Critical);
            QCOMPARE(desktop->messages.front().buttons, MessageButtons::Ok);
            QVERIFY(desktop->opened.isEmpty());
        } else {
            QVERIFY(desktop->messages.isEmpty());
            QCOMPARE(desktop->opened.size(), 1);
            QCOMPARE(desktop->opened[0].size(), platform::longestAddress());
        }
        QCOMPARE(test::child<QLineEdit>(&s(), "txtName")->text().size(), name);
    }

    void requestCarriesWhatWasTyped_data()
    {
        QTest::addColumn<QStringList>("typed"); // name, email, friend's name, friend's email
        QTest::newRow("plain") << QStringList{"Anna", "anna@example.org", "Ben", "ben@example.org"};
        QTest::newRow("ampersand, equals, plus")
            << QStringList{"Tom & Jerry", "t+j=1@example.org", "R&D Team", "rd@example.org"};
        QTest::newRow("hash and percent") << QStringList{"#1 fan", "a%40b@example.org", "100% Ben", "b#@x.y"};
        QTest::newRow("non-ASCII letters") << QStringList{"Zoë Ångström", "zoe@exämple.org", "Łukasz 李", "l@x.y"};
    }
    void requestCarriesWhatWasTyped()
    {
        QFETCH(QStringList, typed);
        type(test::child<QLineEdit>(&s(), "txtName"), "  " + typed[0]);
        test::child<QLineEdit>(&s(), "txtEmail")
            ->setText(typed[1] + "  "); // pasted: spaces are not checked, only trimmed
        type(test::child<QLineEdit>(&s(), "txtFriendName"), typed[2]);
        type(test::child<QLineEdit>(&s(), "txtFriendEmail"), typed[3]);
        QTest::mouseClick(test::child<QPushButton>(&s(), "cmdSubmit"), Qt::LeftButton);
        QTest::mouseClick(test::child<QPushButton>(&s(), "cmdSubmit"), Qt::LeftButton);

        QCOMPARE(desktop->opened.size(), 2);
        QCOMPARE(desktop->opened[0], desktop->opened[1]);
        QVERIFY(desktop->opened[0].startsWith("http://softwares.velmora.example/qxvs-refer-a-friend.php?taf1="));
        const QUrlQuery query = lastRequest();
        QStringList keys;
        for (const auto& item : query.queryItems())
            keys.append(item.first);
        QCOMPARE(keys, (QStringList{"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"}));
        const auto value = [&](const char* key) { return query.queryItemValue(key, QUrl::FullyDecoded); };
        QCOMPARE(value("taf1"), typed[0]);
        QCOMPARE(value("taf2"), typed[1]);
        QCOMPARE(value("taf3"), QStringLiteral("Your Message\r\n")); // the untouched hidden message
        QCOMPARE(value("taf4"), typed[2]);
        QCOMPARE(value("taf5"), typed[3]);
        QCOMPARE(value("taf6"), QStringLiteral("http://amorix.velmora.example/"));
    }

    void typedMessageTravelsWithItsLineBreaks()
    {
        fill("Anna", "a@b.c", "Ben", "b@c.d");
        test::child<QPlainTextEdit>(&s(), "txtMessage")->setFocus(Qt::TabFocusReason);
        test::child<QPlainTextEdit>(&s(), "txtMessage")->selectAll();
        QTest::keyClicks(test::child<QPlainTextEdit>(&s(), "txtMessage"), "Hi Ben,");
        QTest::keyClick(test::child<QPlainTextEdit>(&s(), "txtMessage"), Qt::Key_Return);
        QTest::keyClicks(test::child<QPlainTextEdit>(&s(), "txtMessage"), "try this & that");
        QTest::mouseClick(test::child<QPushButton>(&s(), "cmdSubmit"), Qt::LeftButton);
        QCOMPARE(lastRequest().queryItemValue("taf3", QUrl::FullyDecoded),
                 QStringLiteral("Hi Ben,\r\ntry this & that"));
    }
};

QTEST_MAIN(TestExitScreen)
#include "test_exit_screen.moc"
