// The real seams to the desktop: the message box as it is built, the window
// it stands over, and the web opener started from an argument list.
#include "exit_screen/frmExitScreen.h"
#include "main_window/frmMain.h"
#include "memory_store.h"
#include "program/application.h"
#include "program/composition.h"
#include "program/update_reminder.h"
#include "rules/settings_codec.h"
#include "rules/titles.h"
#include "scoped_environment.h"
#include "stand_ins.h"
#include "system/modHelp.h"
#include "system/platform.h"
#include "system/seams.h"
#include "system/settings_store.h"
#include "system/single_instance.h"
#include "system_widgets/message_boxes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace amorix;
using amorix::test::FixedInstance;

Q_DECLARE_METATYPE(std::function<void()>)

namespace {

void writeScript(const QString& path, const QByteArray& body)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDesktopSeams : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { test::resetProgram(); }

    // The program's own page: Latin-1 on Linux, the ANSI code page on Windows.
    void codecUsesTheSystemPage()
    {
#ifdef Q_OS_WIN
        QCOMPARE(EncodeSetting(QStringLiteral("1")), QStringLiteral("\u2020")); // Windows-1252 under Wine
#else
        QCOMPARE(EncodeSetting(QStringLiteral("1")), QStringLiteral("\u0086"));
#endif
        QCOMPARE(DecodeSetting(QStringLiteral("\u0086")), QStringLiteral("1"));
    }

    // Each web-link operation hands its one address to the desktop.
    void fixedPages_data()
    {
        QTest::addColumn<std::function<void()>>("operation");
        QTest::addColumn<QString>("address");
        QTest::newRow("softwares") << std::function<void()>(modHelp::OpenSoftwaresPage)
                                   << QStringLiteral("http://softwares.velmora.example/velmorasoftwares");
        QTest::newRow("donate") << std::function<void()>(modHelp::OpenDonatePage)
                                << QStringLiteral("http://help.velmora.example/donate.html");
        QTest::newRow("online help") << std::function<void()>(modHelp::OpenOnlineHelpPage)
                                     << QStringLiteral("http://amorix.velmora.example/amorix-help.html");
        QTest::newRow("fully branded") << std::function<void()>(modHelp::OpenFullyBrandedPage)
                                       << QStringLiteral("http://help.velmora.example/fully-branded.html");
        QTest::newRow("co-brand") << std::function<void()>(modHelp::OpenCoBrandPage)
                                  << QStringLiteral("http://help.velmora.example/co-brand.html");
        QTest::newRow("home") << std::function<void()>(modHelp::OpenHomePage)
                              << QStringLiteral("http://www.velmora.example");
        QTest::newRow("download") << std::function<void()>(modHelp::OpenDownloadPage)
                                  << QStringLiteral("http://amorix.velmora.example/download-amorix.html");
        QTest::newRow("any address, unchanged")
            << std::function<void()>([] { modHelp::OpenAddress(QStringLiteral(" x?a=b c&d ")); })
            << QStringLiteral(" x?a=b c&d ");
    }
    void fixedPages()
    {
        QFETCH(std::function<void()>, operation);
        QFETCH(QString, address);
        test::StandIns desktop;
        operation();
        QCOMPARE(desktop.opened, QStringList{address});
        QVERIFY(desktop.messages.isEmpty());
    }

    // The update question's two sentences are joined by a lone carriage
    // return; the box shows them on two lines, the words unchanged.
    void updateQuestionShowsTwoLines()
    {
        QVERIFY(updateQuestion().contains(u'\r'));
        QVERIFY(!updateQuestion().contains(u'\n'));
        const auto box =
            buildMessageBox({kAppTitle, updateQuestion(), MessageIcon::Information, MessageButtons::YesNo, nullptr});
        QCOMPARE(box->text(), QString(updateQuestion()).replace(u'\r', u'\n'));
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QVERIFY2(label->sizeHint().height() >= 2 * label->fontMetrics().lineSpacing(),
                 qPrintable(QString::number(label->sizeHint().height())));
        QCOMPARE(box->windowTitle(), QStringLiteral("QX Amorix"));
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box->icon(), QMessageBox::Information);
    }

    void boxStandsOverItsWindow()
    {
        frmMain window;
        window.move(40, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto box = buildMessageBox(
            {kAppTitle, QStringLiteral("Please Enter Your Name"), MessageIcon::Critical, MessageButtons::Ok, &window});
        QCOMPARE(box->parentWidget(), &window);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QPoint offset = box->frameGeometry().center() - window.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 40, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }

    // Each message names the program's window it speaks for; the ones that
    // come before any window name none.
    void messagesNameTheirWindow()
    {
        test::StandIns desktop;
        beginRun();
        auto* main = new frmMain;
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main));
        main->cmdProceed_Click();
        QCOMPARE(desktop.messages.size(), 1);
        QCOMPARE(desktop.messages.last().owner.data(), main);

        auto* exit = new frmExitScreen;
        exit->show();
        QVERIFY(QTest::qWaitForWindowActive(exit));
        test::child<QPushButton>(exit, "cmdSubmit")->click();
        QCOMPARE(desktop.messages.size(), 2);
        QCOMPARE(desktop.messages.last().owner.data(), exit);
        test::resetProgram();

        test::MemoryStore store;
        store.values[kReminderSetting] = shortDateText(QDate(2000, 1, 1));
        ShowUpdateReminder(store);
        QCOMPARE(desktop.messages.size(), 3);
        QVERIFY(desktop.messages.last().owner.isNull());

        FixedInstance running(true);
        StartApplication(running, store, openMainWindow);
        QCOMPARE(desktop.messageTexts().last(), QStringLiteral("Application is already running"));
        QVERIFY(desktop.messages.last().owner.isNull());
    }

    // The opener is found on PATH and started with the address as one
    // argument, whatever spaces the folder or the address hold; it is not
    // waited for.
    void openerStartsFromAnArgumentList_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("spaces, ampersand, hash")
            << QStringLiteral("http://softwares.velmora.example/a b?taf1=Tom & Jerry#x");
        // The longest address the program hands over reaches the opener whole.
        QTest::newRow("longest") << "http://softwares.velmora.example/?taf1="
                + QString(platform::longestAddress() - 39, u'x');
    }
    void openerStartsFromAnArgumentList()
    {
        QFETCH(QString, address);
#ifdef Q_OS_WIN
        QSKIP("Windows hands addresses to its shell; the check under Wine follows a link to its opener");
#endif
        QTemporaryDir sandbox;
        const QString folder = sandbox.filePath("my bin");
        QVERIFY(QDir().mkpath(folder));
        const QString log = sandbox.filePath("log");
        const QString done = sandbox.filePath("done");
        writeScript(folder + "/xdg-open",
                    "printf '%s|' \"$#\" \"$@\" > '" + log.toUtf8() + "'\nsleep 1\ntouch '" + done.toUtf8() + "'\n");
        const test::ScopedEnvironment path("PATH", folder.toUtf8() + ":/usr/bin:/bin");

        QCOMPARE(address.toUtf8().size(), address.size());
        desktop().openAddress(address);
        QVERIFY(!QFile::exists(done)); // returned before the opener finished
        QTRY_COMPARE_WITH_TIMEOUT(readAll(log), "1|" + address.toUtf8() + "|", 5000);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(done), 5000);
    }

    // With no opener on the system a link does nothing: no question to the
    // user, no wait.
    void noOpenerIsNoError()
    {
        class CountingBoxes final : public MessageBoxes {
        public:
            int shown = 0;
            MessageAnswer show(const Message&) override { return ++shown, MessageAnswer::Ok; }
        } boxes;
        installMessageBoxes(&boxes);
        QTemporaryDir empty;
        const test::ScopedEnvironment path("PATH", empty.path().toUtf8());
        QElapsedTimer timer;
        timer.start();
        desktop().openAddress(QStringLiteral("http://www.velmora.example"));
        QCoreApplication::processEvents();
        installMessageBoxes(nullptr);
        QCOMPARE(boxes.shown, 0);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_MAIN(TestDesktopSeams)
#include "test_desktop_seams.moc"
