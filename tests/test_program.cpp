// The program put together: the update reminder and its stored date, start-up
// and its order, the single-instance lock, shutdown, and the about box.
#include "about_box/frmAbout.h"
#include "look/app_icon.h"
#include "look/link_label.h"
#include "main_window/frmMain.h"
#include "main_window_driver.h"
#include "memory_store.h"
#include "program/application.h"
#include "program/composition.h"
#include "program/update_reminder.h"
#include "rules/ini_text.h"
#include "rules/settings_codec.h"
#include "stand_ins.h"
#include "system/single_instance.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace amorix;
using amorix::test::FixedInstance;

namespace {

// A window that only counts how often it was unloaded.
class CountingWindow final : public QWidget {
public:
    int unloads = 0;

protected:
    void closeEvent(QCloseEvent*) override { ++unloads; }
};

// Writes beyond `bytes` fail while it lives, as on a full disk; 0 sets no limit.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
#ifdef Q_OS_UNIX
        if (bytes == 0)
            return;
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
        set_ = true;
#else
        Q_UNUSED(bytes);
#endif
    }
    ~FileSizeLimit()
    {
#ifdef Q_OS_UNIX
        if (set_)
            setrlimit(RLIMIT_FSIZE, &saved_);
#endif
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
#ifdef Q_OS_UNIX
    rlimit saved_{};
    bool set_ = false;
#endif
};

// One way of closing the about box.
using CloseAbout = std::function<void(frmAbout*)>;

QString usDate(QDate date) { return shortDateText(date, QLocale(QLocale::English, QLocale::UnitedStates)); }

} // namespace

Q_DECLARE_METATYPE(CloseAbout)

class TestProgram : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup()
    {
        test::resetProgram();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void reminder_data()
    {
        QTest::addColumn<QString>("stored"); // "none", "unreadable", or a day offset from today
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("storedAfter"); // "today" or "unchanged"
        QTest::addColumn<bool>("downloadOpened");

        QTest::newRow("first start") << "none" << MessageAnswer::No << false << "today" << false;
        QTest::newRow("14 days ago") << "-14" << MessageAnswer::Yes << false << "unchanged" << false;
        QTest::newRow("14 days ahead") << "14" << MessageAnswer::Yes << false << "unchanged" << false;
        QTest::newRow("today") << "0" << MessageAnswer::Yes << false << "unchanged" << false;
        QTest::newRow("15 days ago, No") << "-15" << MessageAnswer::No << true << "today" << false;
        QTest::newRow("15 days ago, Yes") << "-15" << MessageAnswer::Yes << true << "today" << true;
        QTest::newRow("15 days ahead, clock set back") << "15" << MessageAnswer::No << true << "today" << false;
        QTest::newRow("a century ago") << "-36500" << MessageAnswer::Yes << true << "today" << true;
        QTest::newRow("unreadable text starts afresh")
            << "unreadable" << MessageAnswer::Yes << false << "today" << false;
    }
    void reminder()
    {
        QFETCH(QString, stored);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, asked);
        QFETCH(QString, storedAfter);
        QFETCH(bool, downloadOpened);

        test::StandIns desktop;
        desktop.answers = {answer};
        test::MemoryStore store;
        if (stored == "unreadable")
            store.values["Duration"] = QStringLiteral("next Tuesday");
        else if (stored != "none")
            store.values["Duration"] = usDate(desktop.date.addDays(stored.toInt()));
        const QString before = store.values.value("Duration");

        QStringList order;
        desktop.onMessage = [&](const Message&) { order.append(QStringLiteral("asked, stored %1").arg(store.writes)); };
        ShowUpdateReminder(store);

        if (asked) {
            QCOMPARE(desktop.messages.size(), 1);
            const Message& m = desktop.messages.front();
            QCOMPARE(m.text,
                     QStringLiteral("There maybe an update to this software available\rDo you want to check "
                                    "for an update?"));
            QCOMPARE(m.title, QStringLiteral("QX Amorix"));
            QCOMPARE(m.icon, MessageIcon::Information);
            QCOMPARE(m.buttons, MessageButtons::YesNo);
            QCOMPARE(order, QStringList{"asked, stored 0"});
        } else {
            QVERIFY(desktop.messages.isEmpty());
        }
        QCOMPARE(store.values.value("Duration"), storedAfter == "today" ? QStringLiteral("2026-12-07") : before);
        QCOMPARE(desktop.opened,
                 downloadOpened ? QStringList{"http://amorix.velmora.example/download-amorix.html"} : QStringList{});
    }

    void reminderComesBackOnTheFifteenthDay()
    {
        test::StandIns desktop;
        test::MemoryStore store;
        for (int day = 0; day <= 30; ++day) {
            desktop.date = QDate(2026, 12, 20).addDays(day);
            ShowUpdateReminder(store);
        }
        // Written on day 0, asked on days 15 and 30.
        QCOMPARE(desktop.messages.size(), 2);
        QCOMPARE(store.values["Duration"], QStringLiteral("2027-01-19"));
    }

    void failingWriteOpensNothing()
    {
        test::StandIns desktop;
        desktop.answers = {MessageAnswer::Yes};
        test::MemoryStore store;
        store.values["Duration"] = usDate(desktop.date.addDays(-30));
        store.writesFail = true;
        ShowUpdateReminder(store);
        QCOMPARE(desktop.messages.size(), 1);
        QVERIFY(desktop.opened.isEmpty());
    }

    void storedEncodedOnDisk()
    {
        test::StandIns desktop;
        const QString path = folder.filePath("amorix.ini");
        {
            IniFileStore store(path);
            ShowUpdateReminder(store);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text)); // the line ends of the platform
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(!text.contains("Duration") && !text.contains("2026"), qPrintable(text));

        // [Settings] then one line: the encoded key and value, escaped as
        // QSettings escapes them (the key's characters as %XX or %UXXXX).
        const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("[Settings]"));
        const qsizetype eq = lines[1].indexOf(u'=');
        const QString key = ini::unescapedKey(QStringView(lines[1]).left(eq));
        const QString value = ini::unescapedValue(QStringView(lines[1]).mid(eq + 1));
        QCOMPARE(DecodeSetting(key), QStringLiteral("Duration"));
        QCOMPARE(DecodeSetting(value), QStringLiteral("2026-12-07"));

        // And it reads back through a fresh store: no question on the next start.
        IniFileStore again(path);
        QCOMPARE(again.read("Duration"), QStringLiteral("2026-12-07"));
        ShowUpdateReminder(again);
        QVERIFY(desktop.messages.isEmpty());
    }

    // Starts on successive days under changing languages read the stored day
    // as the day it was: the question waits its fifteen days, then comes.
    void reminderAcrossLanguages_data()
    {
        QTest::addColumn<QStringList>("locales"); // one start a day from December 8
        QTest::addColumn<QString>("writtenBefore"); // by an earlier version, in its short date format
        QTest::newRow("en_US and en_GB alternating")
            << QStringList{"en_US", "en_GB", "en_US", "en_GB", "en_US"} << QString();
        QTest::newRow("en_GB first") << QStringList{"en_GB", "en_US", "en_GB"} << QString();
        QTest::newRow("around the world") << QStringList{"de_DE", "ja_JP", "ar_EG", "th_TH", "C", "en_US"} << QString();
        QTest::newRow("earlier version, en_US") << QStringList{"en_US", "en_US"} << "12/8/2026";
        QTest::newRow("earlier version, de_DE") << QStringList{"de_DE", "en_GB"} << "08.12.2026";
    }
    void reminderAcrossLanguages()
    {
        QFETCH(QStringList, locales);
        QFETCH(QString, writtenBefore);
        test::StandIns desktop;
        const QString path = folder.filePath(QStringLiteral("%1.ini").arg(QTest::currentDataTag()));
        const QDate firstDay(2026, 12, 8);
        if (!writtenBefore.isEmpty())
            QVERIFY(IniFileStore(path).write("Duration", writtenBefore));
        for (qsizetype day = 0; day <= locales.size(); ++day) {
            // The last start comes fifteen days after the walk, in the first language.
            const bool last = day == locales.size();
            QLocale::setDefault(QLocale(locales[last ? 0 : day]));
            desktop.date = firstDay.addDays(last ? day - 1 + kReminderDays : day);
            IniFileStore store(path);
            ShowUpdateReminder(store);
            QCOMPARE(desktop.messages.size(), last ? 1 : 0);
        }
    }

    // A write that fails leaves the file exactly as it was, and says so.
    void failedWriteLeavesTheFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("largestFile"); // bytes any file may grow to; 0 for no limit
        QTest::newRow("folder no one may create") << "/proc/amorix-settings/amorix.ini" << qint64(0);
#ifdef Q_OS_UNIX
        // A file size limit fails writes as a full disk does, for root too.
        QTest::newRow("disk full") << "" << qint64(400);
#endif
    }
    void failedWriteLeavesTheFile()
    {
        QFETCH(QString, path);
        QFETCH(qint64, largestFile);
        if (path.isEmpty())
            path = folder.filePath("full.ini");
        // Another entry keeps the new text as long as the old one.
        const QByteArray before = "[Settings]\nother=" + QByteArray(1000, 'x') + "\n%99%CA%C7%B6%C9%BE%C4%C3=x\n";
        if (largestFile) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        bool written = true;
        {
            FileSizeLimit limit(largestFile);
            written = IniFileStore(path).write("Duration", "2026-12-07");
        }
        QVERIFY(!written);
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), largestFile ? before : QByteArray());
    }

    // A lock left on the settings file never holds start-up up: one that no
    // live process holds is taken over, a live one is waited for a second.
    void settingsLockNeverStalls_data()
    {
        QTest::addColumn<QByteArray>("lock"); // what the leftover lock file holds
        QTest::addColumn<bool>("held"); // by a live writer
        QTest::newRow("empty, from a copy killed while writing") << QByteArray() << false;
        QTest::newRow("naming another host") << QByteArray("4242\namorix\nelsewhere.example\n") << false;
        QTest::newRow("naming this process") << QByteArray::number(QCoreApplication::applicationPid()) << false;
        QTest::newRow("held by a live writer") << QByteArray() << true;
    }
    void settingsLockNeverStalls()
    {
        QFETCH(QByteArray, lock);
        QFETCH(bool, held);
        test::StandIns desktop;
        const QString path = folder.filePath(QStringLiteral("%1.ini").arg(QTest::currentDataTag()));
        QVERIFY(IniFileStore(path).write("Duration", "2026-11-01"));
        QLockFile live(path + ".lock");
        if (held) {
            QVERIFY(live.tryLock(0));
        } else {
            QFile file(path + ".lock");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(lock);
        }

        QElapsedTimer timer;
        timer.start();
        IniFileStore store(path);
        ShowUpdateReminder(store); // asks, then writes today
        QVERIFY2(timer.elapsed() < 2500, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
        QCOMPARE(desktop.messages.size(), 1);
        QCOMPARE(IniFileStore(path).read("Duration"),
                 held ? QStringLiteral("2026-11-01") : QStringLiteral("2026-12-07"));
    }

    void startUpOrder()
    {
        test::StandIns desktop;
        desktop.answers = {MessageAnswer::No};
        desktop.draws = {0.5f};
        test::MemoryStore store;
        store.values["Duration"] = usDate(desktop.date.addDays(-20));
        FixedInstance first(false);

        bool mainWindowDuringQuestion = true;
        desktop.onMessage = [&](const Message&) { mainWindowDuringQuestion = test::openWindow<frmMain>() != nullptr; };
        StartApplication(first, store, openMainWindow);

        QCOMPARE(desktop.seeds, 1);
        QCOMPARE(desktop.messages.size(), 1);
        QVERIFY(!mainWindowDuringQuestion);
        frmMain* window = test::openWindow<frmMain>();
        QVERIFY(window && window->isVisible());
        QVERIFY(test::inFront(window->lblFullBrand()));
        QVERIFY(desktop.ends.isEmpty());
        QVERIFY(!applicationEnded());
    }

    void secondInstance()
    {
        test::StandIns desktop;
        test::MemoryStore store;
        FixedInstance running(true);
        StartApplication(running, store, openMainWindow);

        QCOMPARE(desktop.messageTexts(), QStringList{"Application is already running"});
        QCOMPARE(desktop.messages.front().icon, MessageIcon::Information);
        QCOMPARE(desktop.messages.front().buttons, MessageButtons::Ok);
        QCOMPARE(desktop.ends, QList<int>{0});
        QVERIFY(applicationEnded());
        QCOMPARE(store.writes, 0);
        QVERIFY(desktop.opened.isEmpty());
        QVERIFY(!test::openWindow<frmMain>());
    }

    // A main window that cannot be built ends the run rather than leave a
    // process with no window.
    void noMainWindowEndsTheRun()
    {
        test::StandIns desktop;
        test::MemoryStore store;
        FixedInstance first(false);
        StartApplication(first, store, []() -> MainWindowParts { throw std::runtime_error("no window"); });
        QCOMPARE(desktop.ends, QList<int>{0});
        QVERIFY(applicationEnded());
    }

    void coBrandDraw_data()
    {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("fullBrandInFront");
        const float justBelowOne = std::nextafter(1.0f, 0.0f);
        const float sixths[] = {0.0f, 0.17f, 0.34f, 0.5f, 0.67f, justBelowOne};
        for (int n = 1; n <= 6; ++n)
            QTest::addRow("%d", n) << sixths[n - 1] << n << (n % 2 == 0);
    }
    void coBrandDraw()
    {
        QFETCH(float, draw);
        QFETCH(int, number);
        QFETCH(bool, fullBrandInFront);
        test::StandIns desktop;
        auto* window = new frmMain;
        // Start from the other label in front, so the draw must move it.
        test::bringToFront(fullBrandInFront ? window->lblCobrand() : window->lblFullBrand());
        desktop.draws = {draw};
        QCOMPARE(CoBrand_Randomize(window->lblFullBrand(), window->lblCobrand()), number);
        QCOMPARE(test::inFront(window->lblFullBrand()), fullBrandInFront);
        QCOMPARE(test::inFront(window->lblCobrand()), !fullBrandInFront);
    }

    // Every open window is closed, also where one of them calls
    // ExitApplication from its own unload handling, as the exit screen
    // does; the run ends once.
    void exitClosesEveryWindowAndEndsOnce()
    {
        test::StandIns desktop;
        class ExitingWindow final : public QWidget {
        protected:
            void closeEvent(QCloseEvent*) override { ExitApplication(); }
        };
        ExitingWindow exiting;
        CountingWindow counting;
        exiting.show();
        counting.show();
        ExitApplication();
        QCOMPARE(desktop.ends, QList<int>{0});
        QCOMPARE(counting.unloads, 1);
        QVERIFY(!exiting.isVisible() && !counting.isVisible());
        QVERIFY(applicationEnded());
    }

    // The windows show the stored icon files as they are, at each size.
    void iconIsTheStoredFiles_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 24, 32, 48, 64})
            QTest::addRow("%d", size) << size;
    }
    void iconIsTheStoredFiles()
    {
        QFETCH(int, size);
        const QIcon icon = appIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QImage shown = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage stored =
            QImage(QStringLiteral(":/amorix/icons/amorix-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!stored.isNull());
        QCOMPARE(shown, stored);
    }

    void aboutBox()
    {
        test::StandIns desktop;
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("QX Amorix v" AMORIX_VERSION));
        QVERIFY2(test::drawnSize(about, {471, 203}),
                 qPrintable(QStringLiteral("%1x%2").arg(about.width()).arg(about.height())));
        QCOMPARE(test::child<QLabel>(&about, "lblDescription")->text(),
                 QStringLiteral("QX Amorix gives you a better view about the nature of your relationship with your  "
                                "partner based on birth number calculations."));
        QCOMPARE(test::child<LinkLabel>(&about, "lblHomePage")->text(),
                 QStringLiteral("Click here to visit http://www.velmora.example"));
        QCOMPARE(test::child<LinkLabel>(&about, "lblCoBrand")->text(), QStringLiteral("Click here for more details"));
        QVERIFY(test::child<QPushButton>(&about, "cmdOK")->isDefault());
    }

    void aboutBoxLinksLeaveItOpen()
    {
        test::StandIns desktop;
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::mouseClick(test::child<LinkLabel>(&about, "lblHomePage"), Qt::LeftButton);
        QTest::mouseClick(test::child<LinkLabel>(&about, "lblCoBrand"), Qt::LeftButton);
        QCOMPARE(desktop.opened,
                 (QStringList{"http://www.velmora.example", "http://help.velmora.example/fully-branded.html"}));
        QVERIFY(about.isVisible());
    }

    void aboutBoxCloses_data()
    {
        QTest::addColumn<CloseAbout>("closeIt");
        QTest::newRow("OK") << CloseAbout(
            [](frmAbout* about) { QTest::mouseClick(test::child<QPushButton>(about, "cmdOK"), Qt::LeftButton); });
        QTest::newRow("Enter") << CloseAbout([](frmAbout* about) { QTest::keyClick(about, Qt::Key_Return); });
        QTest::newRow("Esc") << CloseAbout([](frmAbout* about) { QTest::keyClick(about, Qt::Key_Escape); });
        QTest::newRow("close box") << CloseAbout([](frmAbout* about) { about->close(); });
    }
    void aboutBoxCloses()
    {
        QFETCH(CloseAbout, closeIt);
        test::StandIns desktop;
        frmMain window;
        window.show();
        QPointer<frmAbout> about = new frmAbout(&window);
        about->setAttribute(Qt::WA_DeleteOnClose);
        QTimer::singleShot(0, this, [&] {
            QVERIFY(about->isModal() && QApplication::activeModalWidget() == about);
            closeIt(about);
        });
        QTimer::singleShot(2000, this, [&] {
            if (about)
                about->done(99);
        }); // never hang
        const int result = about->exec();
        QVERIFY(result != 99);
        QTRY_VERIFY(about.isNull());
        QVERIFY(desktop.opened.isEmpty());
    }
};

QTEST_MAIN(TestProgram)
#include "test_program.moc"
