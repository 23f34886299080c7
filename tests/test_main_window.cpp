// The main window driven as a person would: entries, messages, the reading
// on its three tabs, Back, the menu and the link labels, and closing.
#include "about_box/frmAbout.h"
#include "engine/interpretations.h"
#include "exit_screen/frmExitScreen.h"
#include "main_window/frmMain.h"
#include "main_window_driver.h"
#include "program/composition.h"
#include "program/language.h"
#include "rules/text_rules.h"
#include "stand_ins.h"
#include "system/platform.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace amorix;
using amorix::test::inFront;
using amorix::test::Person;

namespace {

QString personal(int n) { return fromUtf8View(personalInterpretation(n)); }
QString love(int n) { return fromUtf8View(loveInterpretation(n)); }
QString significance() { return fromUtf8View(significanceText()); }

const Person anna{"Anna", "March", "7", "1985"};
const Person ben{"Ben", "December", "28", "1979"};

// One way of following a link: a menu command, or a click on a link label
// (which shows itself as one: a pointing hand, underlined).
using Follow = std::function<void(frmMain&)>;
Follow command(const char* item)
{
    return [item](frmMain& window) { test::child<QAction>(&window, item)->trigger(); };
}
Follow click(const char* link)
{
    return [link](frmMain& window) {
        QLabel* label = test::child<LinkLabel>(&window, link);
        test::bringToFront(label);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->width() / 2, 5));
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label->font().underline());
    };
}

} // namespace

Q_DECLARE_METATYPE(Person)
Q_DECLARE_METATYPE(Follow)

class TestMainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<test::StandIns> desktop;
    QPointer<frmMain> window;

    frmMain& w() { return *window; }

    void readingFor(const Person& user, const Person& partner)
    {
        test::enter(w(), 0, user);
        test::enter(w(), 1, partner);
        QTest::mouseClick(test::child<QPushButton>(&w(), "cmdProceed"), Qt::LeftButton);
    }

private slots:
    void init()
    {
        desktop = std::make_unique<test::StandIns>();
        window = qobject_cast<frmMain*>(openMainWindow().window); // followed by the exit screen
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup()
    {
        test::resetProgram();
        delete window;
        desktop.reset();
    }

    void opensOnTheInputArea()
    {
        QCOMPARE(w().windowTitle(), QStringLiteral("QX Amorix v" AMORIX_VERSION));
        QCOMPARE(w().centralWidget()->size(), QSize(550, 368));
        QVERIFY(inFront(test::child<QFrame>(&w(), "fraMain")));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(test::nameBox(&w(), i)->text(), QString());
            QCOMPARE(test::dateList(&w(), i, "cboMonth")->currentText(), QStringLiteral("January"));
            QCOMPARE(test::dateList(&w(), i, "cboDate")->currentText(), QStringLiteral("1"));
            QCOMPARE(test::dateList(&w(), i, "cboYear")->currentText(), QStringLiteral("1900"));
        }
        QCOMPARE(test::details(&w(), 0)->title(), QStringLiteral("Your Personal Details"));
        QCOMPARE(test::details(&w(), 1)->title(), QStringLiteral("Your Partner's Personal Details"));
        QCOMPARE(test::child<QPushButton>(&w(), "cmdProceed")->text(), QStringLiteral("&Get My Amorix Reading"));
        QCOMPARE(w().lblCobrand()->text(),
                 QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                                "Put your site's name &  link here. See \"Help\" for details. Click Here for more "
                                "info on co-branding."));
        QCOMPARE(w().lblCobrand()->parentWidget(), w().lblFullBrand()->parentWidget()); // one place, one shows
    }

    void listsHoldTheirItemsInOrder()
    {
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(test::dateList(&w(), i, "cboMonth")->count(), 12);
            QCOMPARE(test::dateList(&w(), i, "cboMonth")->itemText(11), QStringLiteral("December"));
            QCOMPARE(test::dateList(&w(), i, "cboDate")->count(), 31);
            for (int d = 0; d < 31; ++d)
                QCOMPARE(test::dateList(&w(), i, "cboDate")->itemText(d), QString::number(d + 1));
            QCOMPARE(test::dateList(&w(), i, "cboYear")->count(), 151);
            QCOMPARE(test::dateList(&w(), i, "cboYear")->itemText(0), QStringLiteral("1900"));
            QCOMPARE(test::dateList(&w(), i, "cboYear")->itemText(150), QStringLiteral("2050"));
            QVERIFY(!test::dateList(&w(), i, "cboMonth")->isEditable()
                    && !test::dateList(&w(), i, "cboDate")->isEditable()
                    && !test::dateList(&w(), i, "cboYear")->isEditable());
        }
    }

    void personsAreIndependent()
    {
        test::choose(test::dateList(&w(), 0, "cboMonth"), "April");
        test::choose(test::dateList(&w(), 0, "cboDate"), "31"); // shown as chosen; refused only on proceed
        QCOMPARE(test::dateList(&w(), 1, "cboMonth")->currentText(), QStringLiteral("January"));
        QCOMPARE(test::dateList(&w(), 1, "cboDate")->currentText(), QStringLiteral("1"));
        QCOMPARE(test::dateList(&w(), 0, "cboDate")->currentText(), QStringLiteral("31"));
    }

    void tabOrder()
    {
        const QList<QWidget*> expected = {
            test::nameBox(&w(), 0), test::dateList(&w(), 0, "cboMonth"), test::dateList(&w(), 0, "cboDate"),
            test::dateList(&w(), 0, "cboYear"), test::nameBox(&w(), 1), test::dateList(&w(), 1, "cboMonth"),
            test::dateList(&w(), 1, "cboDate"), test::dateList(&w(), 1, "cboYear"),
            test::child<QPushButton>(&w(), "cmdProceed"), test::child<LinkLabel>(&w(), "lblHomeLink"),
            // the banner label in front; the one behind is passed over
            inFront(w().lblCobrand()) ? w().lblCobrand() : w().lblFullBrand(), test::nameBox(&w(), 0)};
        test::nameBox(&w(), 0)->setFocus();
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[i]);
        }
    }

    void tabSkipsTheViewBehind()
    {
        readingFor(anna, ben);
        // In the reading view Tab visits only what is in sight.
        QSet<QWidget*> visited;
        test::child<QPushButton>(&w(), "cmdBack")->setFocus();
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.insert(QApplication::focusWidget());
        }
        QVERIFY(visited.contains(test::child<QTabBar>(&w(), "tabResults"))
                && visited.contains(test::child<QPushButton>(&w(), "cmdBack")));
        QVERIFY(visited.contains(test::value(&w(), 0)) && !visited.contains(test::value(&w(), 5)));
        QVERIFY(!visited.contains(test::nameBox(&w(), 0))
                && !visited.contains(test::child<QPushButton>(&w(), "cmdProceed")));

        // Back on the entries, Tab from the button passes the two link labels
        // in sight and comes round to the user's name.
        QTest::mouseClick(test::child<QPushButton>(&w(), "cmdBack"), Qt::LeftButton);
        test::child<QPushButton>(&w(), "cmdProceed")->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), test::nameBox(&w(), 0));
    }

    void annaAndBen()
    {
        readingFor(anna, ben);
        QVERIFY(desktop->messages.isEmpty());
        QCOMPARE(test::values(w()),
                 (QStringList{"Anna", "March 7, 1985", "6", significance(), personal(6), "Ben", "December 28, 1979",
                              "3", significance(), personal(3), "9", love(9)}));
        QVERIFY(inFront(test::readingView(&w())));
        QVERIFY(inFront(test::display(&w(), 0)));
        QVERIFY(test::value(&w(), 11)->text().contains(QChar(0x2019)));
        // What the reading covers is out of reach: hidden, its entries kept.
        QVERIFY(!inFront(test::child<QFrame>(&w(), "fraMain")) && !inFront(test::display(&w(), 1))
                && !inFront(test::display(&w(), 2)));
    }

    // In another language the lists name the months and the reading writes
    // the dates as that language does (the first of a month as an ordinal
    // where it has one), and the engine's texts are translated.
    void readingInOtherLanguages_data()
    {
        QTest::addColumn<QLocale>("language");
        QTest::addColumn<Person>("user");
        QTest::addColumn<Person>("partner");
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("German") << QLocale(QLocale::German) << Person{"Anna", "März", "7", "1985"}
                                << Person{"Ben", "Dezember", "28", "1979"}
                                << QStringList{"7. März 1985", "28. Dezember 1979"};
        QTest::newRow("French") << QLocale(QLocale::French) << Person{"Anna", "mars", "1", "1985"}
                                << Person{"Ben", "décembre", "28", "1979"}
                                << QStringList{"1er mars 1985", "28 décembre 1979"};
        QTest::newRow("Brazilian Portuguese")
            << QLocale(QLocale::Portuguese, QLocale::Brazil) << Person{"Anna", "março", "1", "1985"}
            << Person{"Ben", "dezembro", "28", "1979"} << QStringList{"1º de março de 1985", "28 de dezembro de 1979"};
    }
    void readingInOtherLanguages()
    {
        QFETCH(QLocale, language);
        QFETCH(Person, user);
        QFETCH(Person, partner);
        QFETCH(QStringList, dates);
        QVERIFY(useLanguage(language));
        const auto backToEnglish = qScopeGuard([] { useLanguage(QLocale::c()); });
        delete window;
        window = qobject_cast<frmMain*>(openMainWindow().window);
        readingFor(user, partner);
        const QStringList values = test::values(w());
        QCOMPARE((QStringList{values[1], values[6]}), dates);
        // The engine's texts are translated too, looked up where they are marked.
        for (const auto& [shown, english] : {std::pair{values[3], significanceText()},
                                             {values[4], personalInterpretation(values[2].toInt())},
                                             {values[11], loveInterpretation(values[10].toInt())}})
            QVERIFY2(!shown.isEmpty() && shown != fromUtf8View(english), qPrintable(shown));
    }

    // What only the window shows of a failed check: the message box, where
    // the focus goes, and that nothing else changed. The checks themselves
    // are the model's, tested in full there.
    void validation_data()
    {
        QTest::addColumn<Person>("user");
        QTest::addColumn<Person>("partner");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<int>("focusOn"); // name box index, or -1 for the proceed button

        const QString yourName = QStringLiteral("Please Enter Your Name");
        const QString partnersName = QStringLiteral("Please Enter Your Partner's Name");
        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        const Person ok{"Ann", "May", "5", "1990"};
        const auto named = [](const char* name, const char* month, const char* day, const char* year) {
            return Person{name, month, day, year};
        };

        QTest::newRow("both names empty")
            << named("", "January", "1", "1900") << named("", "January", "1", "1900") << yourName << true << 0;
        QTest::newRow("partner missing, user's date impossible")
            << named("Ann", "February", "31", "1999") << named("", "May", "5", "1990") << partnersName << true << 1;
        QTest::newRow("31 April") << named("Ann", "April", "31", "1990") << ok << thirty << false << -1;
        QTest::newRow("partner's date only") << ok << named("Bo", "February", "29", "2001") << february << false << -1;
        QTest::newRow("29 Feb 1904 passes") << named("Ann", "February", "29", "1904") << ok << QString() << false << -1;
    }
    void validation()
    {
        QFETCH(Person, user);
        QFETCH(Person, partner);
        QFETCH(QString, message);
        QFETCH(bool, stop);
        QFETCH(int, focusOn);

        // A previous reading that a failure must leave alone.
        readingFor(anna, ben);
        QTest::mouseClick(test::child<QPushButton>(&w(), "cmdBack"), Qt::LeftButton);
        const QStringList before = test::values(w());

        test::enter(w(), 0, user);
        test::enter(w(), 1, partner);
        test::child<QPushButton>(&w(), "cmdProceed")->setFocus();
        QTest::keyClick(test::child<QPushButton>(&w(), "cmdProceed"), Qt::Key_Space);

        if (message.isEmpty()) {
            QVERIFY(desktop->messages.isEmpty());
            QVERIFY(inFront(test::readingView(&w())));
            return;
        }
        QCOMPARE(desktop->messageTexts(), QStringList{message});
        QCOMPARE(desktop->messages.front().title, QStringLiteral("QX Amorix"));
        QCOMPARE(desktop->messages.front().icon, stop ? MessageIcon::Critical : MessageIcon::Information);
        QCOMPARE(desktop->messages.front().buttons, MessageButtons::Ok);
        QCOMPARE(QApplication::focusWidget(),
                 focusOn < 0 ? static_cast<QWidget*>(test::child<QPushButton>(&w(), "cmdProceed"))
                             : static_cast<QWidget*>(test::nameBox(&w(), focusOn)));
        QCOMPARE(test::values(w()), before);
        QVERIFY(inFront(test::child<QFrame>(&w(), "fraMain")));
        QCOMPARE(test::nameBox(&w(), 0)->text(), user.name);
        QCOMPARE(test::dateList(&w(), 0, "cboDate")->currentText(), user.day);
    }

    void failedValidationKeepsTheReadingInFront()
    {
        readingFor(anna, ben);
        const QStringList reading = test::values(w());
        test::nameBox(&w(), 0)->setText(QString()); // cleared behind the reading; the menu proceeds anyway
        test::child<QAction>(&w(), "mnuProceed")->trigger();
        QCOMPARE(desktop->messageTexts(), QStringList{"Please Enter Your Name"});
        QVERIFY(inFront(test::readingView(&w())) && !inFront(test::child<QFrame>(&w(), "fraMain")));
        QCOMPARE(test::values(w()), reading);
    }

    void tabsAndBack()
    {
        readingFor(anna, ben);
        test::clickTab(test::child<QTabBar>(&w(), "tabResults"), 1);
        QVERIFY(inFront(test::display(&w(), 1)));
        test::clickTab(test::child<QTabBar>(&w(), "tabResults"), 2);
        QVERIFY(inFront(test::display(&w(), 2)));
        test::clickTab(test::child<QTabBar>(&w(), "tabResults"), 0);
        QVERIFY(inFront(test::display(&w(), 0)));

        // A new reading shows frame 0 though tab 3 stays selected; clicking
        // that tab again shows its frame.
        test::clickTab(test::child<QTabBar>(&w(), "tabResults"), 2);
        QTest::mouseClick(test::child<QPushButton>(&w(), "cmdBack"), Qt::LeftButton);
        QVERIFY(inFront(test::child<QFrame>(&w(), "fraMain")) && !inFront(test::readingView(&w())));
        QCOMPARE(test::nameBox(&w(), 0)->text(), QStringLiteral("Anna"));
        QCOMPARE(test::dateList(&w(), 1, "cboYear")->currentText(), QStringLiteral("1979"));
        const QStringList first = test::values(w());
        QTest::mouseClick(test::child<QPushButton>(&w(), "cmdProceed"), Qt::LeftButton);
        QCOMPARE(test::values(w()), first);
        QVERIFY(inFront(test::display(&w(), 0)));
        QCOMPARE(test::child<QTabBar>(&w(), "tabResults")->currentIndex(), 2);
        test::clickTab(test::child<QTabBar>(&w(), "tabResults"), 2);
        QVERIFY(inFront(test::display(&w(), 2)));

        // The tab strip answers the keyboard too.
        test::child<QTabBar>(&w(), "tabResults")->setFocus();
        QTest::keyClick(test::child<QTabBar>(&w(), "tabResults"), Qt::Key_Left);
        QVERIFY(inFront(test::display(&w(), 1)));
    }

    void accessKeys()
    {
        test::type(test::nameBox(&w(), 0), "Anna");
        test::type(test::nameBox(&w(), 1), "Ben");
        // An access key clicks its button after a short press animation.
        QTest::keyClick(&w(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(inFront(test::readingView(&w())));
        QTest::keyClick(&w(), Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(inFront(test::child<QFrame>(&w(), "fraMain")));
    }

    void menuBar()
    {
        QStringList shown;
        for (QAction* action : w().menuBar()->actions())
            if (action->isVisible())
                shown.append(action->text());
        QCOMPARE(shown, (QStringList{"&File", "&Help", "&Donate"}));
        QVERIFY(!test::child<QAction>(&w(), "mnuMakeMoney")->isVisible()
                && !test::child<QAction>(&w(), "mnuMakeMoney")->isEnabled());
        QVERIFY(test::child<QAction>(&w(), "mnuDonate")->menu() == nullptr);

        const auto captions = [](QMenu* menu) {
            QStringList texts;
            for (QAction* action : menu->actions())
                texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            return texts;
        };
        QCOMPARE(captions(test::child<QMenu>(&w(), "mnuFile")), (QStringList{"&Get My Amorix Reading", "-", "E&xit"}));
        QCOMPARE(captions(test::child<QMenu>(&w(), "mnuHelp")),
                 (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                              "&About Software"}));
    }

    void linksOpenTheirPages_data()
    {
        QTest::addColumn<Follow>("follow");
        QTest::addColumn<QString>("address");
        QTest::newRow("Online Help") << command("mnuOnline") << "http://amorix.velmora.example/amorix-help.html";
        QTest::newRow("Visit Us Online") << command("mnuVisit") << "http://www.velmora.example";
        QTest::newRow("Check for Software Update")
            << command("mnuUpdate") << "http://amorix.velmora.example/download-amorix.html";
        QTest::newRow("Donate") << command("mnuDonate") << "http://help.velmora.example/donate.html";
        QTest::newRow("top link line, same as Visit Us Online") << click("lblHomeLink") << "http://www.velmora.example";
        QTest::newRow("co-brand banner") << click("lblCobrand") << "http://help.velmora.example/co-brand.html";
        QTest::newRow("full-brand banner") << click("lblFullBrand") << "http://help.velmora.example/fully-branded.html";
    }
    void linksOpenTheirPages()
    {
        QFETCH(Follow, follow);
        QFETCH(QString, address);
        test::type(test::nameBox(&w(), 0), "Anna");
        follow(w());
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(desktop->opened, QStringList{address});
        QVERIFY(desktop->messages.isEmpty());
        QVERIFY(inFront(test::child<QFrame>(&w(), "fraMain")));
        QCOMPARE(test::nameBox(&w(), 0)->text(), QStringLiteral("Anna"));
    }

    void accessibleNamesAndRoles()
    {
        const auto name = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(name(test::nameBox(&w(), 0)), QStringLiteral("Your name"));
        // A list is labelled by whose date part it holds (Qt on Linux names
        // it by its item) and described by its item.
        const auto labels = [](QWidget* widget) {
            QStringList texts;
            for (const auto& [label, relation] :
                 QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label))
                texts.append(label->text(QAccessible::Name));
            return texts;
        };
        QAccessible::setActive(true); // a screen reader listens from now on
        const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
        QComboBox* day = test::dateList(&w(), 1, "cboDate");
        QCOMPARE(labels(day), (QStringList{"Your partner's birth day", "Your Partner's Personal Details"}));
        test::choose(day, "7");
        const platform::ScreenReaderNeeds& needs = platform::screenReaderNeeds();
        QCOMPARE(QAccessible::queryAccessibleInterface(day)->text(QAccessible::Description),
                 needs.listItemAsFocus ? QStringLiteral("7") : QString());
        QCOMPARE(labels(test::nameBox(&w(), 0)), QStringList{"Your Personal Details"}); // the shown title is not tied
        // A value is labelled by its row title.
        readingFor(anna, ben);
        QCOMPARE(labels(test::value(&w(), 2)), QStringList{"Birth Number"});
        for (QLabel* link : {static_cast<QLabel*>(test::child<LinkLabel>(&w(), "lblHomeLink")),
                             static_cast<QLabel*>(w().lblCobrand())}) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(link);
            QCOMPARE(face->role(), QAccessible::Link);
            QCOMPARE(face->text(QAccessible::Name), link->text());
        }
        // Pressing the link through accessibility opens its page.
        QAccessible::queryAccessibleInterface(test::child<LinkLabel>(&w(), "lblHomeLink"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(desktop->opened, QStringList{"http://www.velmora.example"});

        readingFor(anna, ben);
        QAccessibleInterface* value = QAccessible::queryAccessibleInterface(test::value(&w(), 6));
        QCOMPARE(value->text(QAccessible::Name),
                 needs.titleInValueName ? QStringLiteral("Date Of Birth December 28, 1979")
                                        : QStringLiteral("December 28, 1979"));
        QCOMPARE(value->text(QAccessible::Description), QStringLiteral("Partner's date of birth"));
    }

    void aboutBoxIsModal()
    {
        QPointer<QWidget> seen;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            seen = QApplication::activeModalWidget();
            modal = seen && seen->isModal() && qobject_cast<frmAbout*>(seen);
            QTest::keyClick(seen, Qt::Key_Escape);
        });
        test::child<QAction>(&w(), "mnuAbout")->trigger(); // returns once the box is closed
        QVERIFY(modal);
        QVERIFY(!seen || !seen->isVisible());
        QVERIFY(window);
    }

    void closingBringsUpTheExitScreen_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("File, Exit") << true;
        QTest::newRow("close box") << false;
    }
    void closingBringsUpTheExitScreen()
    {
        QFETCH(bool, byMenu);
        if (byMenu)
            test::child<QAction>(&w(), "mnuExit")->trigger();
        else
            w().close();
        QVERIFY(!w().isVisible());
        auto* screen = test::openWindow<frmExitScreen>();
        QVERIFY(screen);
        QVERIFY(screen->isVisible());
        QVERIFY(screen->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!test::openWindow<frmMain>());
        QVERIFY(desktop->messages.isEmpty());
        QVERIFY(desktop->ends.isEmpty());
        QTRY_VERIFY(window.isNull()); // the main window goes away for good
    }

    void closingWhileProceedingShowsNoExitScreen()
    {
        // The window is closed from within the message box of the proceed action.
        desktop->onMessage = [&](const Message&) { w().close(); };
        QTest::mouseClick(test::child<QPushButton>(&w(), "cmdProceed"), Qt::LeftButton);
        QCOMPARE(desktop->messageTexts(), QStringList{"Please Enter Your Name"});
        QVERIFY(!test::openWindow<frmExitScreen>());
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
