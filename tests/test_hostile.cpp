// Whatever a user or a broken settings file throws at the program: it does
// not crash, does not freeze, and says nothing but its own messages.
#include "main_window/frmMain.h"
#include "main_window_driver.h"
#include "memory_store.h"
#include "program/composition.h"
#include "shell/application.h"
#include "shell/forms.h"
#include "shell/settings_store.h"
#include "shell/single_instance.h"
#include "stand_ins.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace amorix;

class TestHostile : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

private slots:
    void cleanup()
    {
        test::closeAllForms();
        beginRun();
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown"); // empty: refused as missing
        const QString longName = QString(40000, u'x') + u' ' + QString(20000, u'y');
        QTest::newRow("sixty thousand characters") << "  " + longName + "  " << longName;
        QTest::newRow("forty thousand spaces") << QString(40000, u' ') << QString();
        QTest::newRow("emoji") << QStringLiteral(" 💖 Zoë 👩‍❤️‍👨 ")
                               << QStringLiteral("💖 Zoë 👩‍❤️‍👨");
        QTest::newRow("right to left") << QStringLiteral("  مريم وعلي  ") << QStringLiteral("مريم وعلي");
        QTest::newRow("Hebrew with Latin") << QStringLiteral("דנה Dana") << QStringLiteral("דנה Dana");
        QTest::newRow("combining marks") << QStringLiteral("Z\u0351\u0352a\u0300\u0301\u0302l\u0303go")
                                         << QStringLiteral("Z\u0351\u0352a\u0300\u0301\u0302l\u0303go");
        QTest::newRow("control characters")
            << QStringLiteral("\tA\u0001\u200B\uFEFF") << QStringLiteral("\tA\u0001\u200B\uFEFF");
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        test::StandIns desktop;
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // Pasted, as a person would bring in such a name.
        for (QLineEdit* box : window.txtName) {
            QApplication::clipboard()->setText(name);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), name);
        }

        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(window.cmdProceed, Qt::LeftButton);
        window.repaint();
        QVERIFY2(timer.elapsed() < 500, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));

        if (shown.isEmpty()) {
            QCOMPARE(desktop.messageTexts(), QStringList{"Please Enter Your Name"});
            return;
        }
        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(window.lblResult[0]->text(), shown);
        QCOMPARE(window.lblResult[5]->text(), shown);
        QCOMPARE(window.lblResult[2]->text(), QStringLiteral("3"));
    }

    void brokenSettings_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("value not encoded") << "plain";
        QTest::newRow("a folder where the file should be") << "folder";
        QTest::newRow("folder that cannot be written") << "unwritable";
#ifdef Q_OS_UNIX
        // Opening a pipe blocks until a writer comes; a device never ends.
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to a device") << "device";
#endif
    }
    void brokenSettings()
    {
        QFETCH(QString, kind);
        QString path = folder.filePath(kind + ".ini");
        QFile file(path);
        if (kind == "garbage") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            QByteArray bytes;
            for (int i = 0; i < 4096; ++i)
                bytes.append(static_cast<char>((i * 7919) % 256));
            file.write(bytes);
        } else if (kind == "truncated") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Settings]\n%99%CA%C7=\\u0086\\u00");
        } else if (kind == "plain") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Settings]\nDuration=12/7/2026\n%99%CA%C7%B6%C9%BE%C4%C3=\\x3\n");
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(path));
#ifdef Q_OS_UNIX
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "device") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
#endif
        } else {
            path = QStringLiteral("/proc/amorix-settings/amorix.ini"); // no one may create folders here
        }
        file.close();

        test::StandIns desktop;
        IniFileStore store(path);
        test::FixedInstance instance(false);
        StartApplication(instance, store, openMainWindow);

        frmMain* window = forms::find<frmMain>();
        QVERIFY(window && window->isVisible());
        QVERIFY2(desktop.messages.isEmpty(), qPrintable(desktop.messageTexts().join(", ")));
        QVERIFY(desktop.ends.isEmpty());
        // Nothing was written in place of what was there.
        if (kind == "pipe" || kind == "device" || kind == "folder")
            QVERIFY(!QFileInfo(path).isFile());
    }
};

QTEST_MAIN(TestHostile)
#include "test_hostile.moc"
