// Whatever a user or a broken settings file throws at the program: it does
// not crash, does not freeze, and says nothing but its own messages.
#include "main_window/frmMain.h"
#include "main_window_driver.h"
#include "memory_store.h"
#include "program/application.h"
#include "program/composition.h"
#include "rules/text_rules.h"
#include "stand_ins.h"
#include "system/settings_store.h"
#include "system/single_instance.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace amorix;

#ifndef AMORIX_TIME_SCALE
#define AMORIX_TIME_SCALE 1
#endif

// Makes what stands at a settings file's place and answers the place.
using MakeSettings = std::function<QString(const QString&)>;
Q_DECLARE_METATYPE(MakeSettings)

class TestHostile : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

private slots:
    void cleanup() { test::resetProgram(); }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown"); // empty: refused as missing
        // A megabyte is cut to what a box holds.
        const auto megabyte = [](const QString& piece) { return piece.repeated((1 << 20) / piece.size()); };
        const auto held = [](const QString& text) { return trimSpaces(text.left(kLongestEntry)); };
        const std::pair<const char*, QString> pieces[] = {{"words", QStringLiteral(" words and")},
                                                          {"one word", QStringLiteral("x")},
                                                          {"lines", QStringLiteral("a line\n")}};
        for (const auto& [kind, piece] : pieces)
            QTest::addRow("a megabyte of %s", kind) << megabyte(piece) << held(megabyte(piece));
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

        // Freeze checks, not measures: the sanitizers slow everything down several times.
        QElapsedTimer timer;
        const auto quick = [&](qint64 ms) {
            QVERIFY2(timer.elapsed() < ms * AMORIX_TIME_SCALE,
                     qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
        };
        // Pasted and selected, as a person would bring in such a name.
        QLineEdit* const boxes[] = {test::nameBox(&window, 0), test::nameBox(&window, 1)};
        for (QLineEdit* box : boxes) {
            QApplication::clipboard()->setText(name);
            timer.start();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            box->selectAll();
            box->repaint();
            quick(1000);
            QCOMPARE(box->text(), name.left(kLongestEntry));
        }

        timer.start();
        QTest::mouseClick(test::child<QPushButton>(&window, "cmdProceed"), Qt::LeftButton);
        window.repaint();
        quick(500);
        // Back at the still selected names.
        timer.start();
        window.cmdBack_Click();
        window.repaint();
        quick(1000);

        if (shown.isEmpty()) {
            QCOMPARE(desktop.messageTexts(), QStringList{"Please Enter Your Name"});
            return;
        }
        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(test::value(&window, 0)->text(), shown);
        QCOMPARE(test::value(&window, 5)->text(), shown);
        QCOMPARE(test::value(&window, 2)->text(), QStringLiteral("3"));
    }

    void brokenSettings_data()
    {
        // Makes what stands at the settings file's place; answers that place.
        QTest::addColumn<MakeSettings>("make");
        QTest::addColumn<bool>("special"); // no regular file, and none may replace it
        const auto file = [](const QByteArray& bytes) {
            return MakeSettings([bytes](const QString& path) {
                QFile file(path);
                if (file.open(QIODevice::WriteOnly))
                    file.write(bytes);
                return path;
            });
        };
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(static_cast<char>((i * 7919) % 256));
        QTest::newRow("garbage") << file(garbage) << false;
        QTest::newRow("truncated") << file("[Settings]\n%99%CA%C7=\\u0086\\u00") << false;
        QTest::newRow("value not encoded")
            << file("[Settings]\nDuration=12/7/2026\n%99%CA%C7%B6%C9%BE%C4%C3=\\x3\n") << false;
        QTest::newRow("a folder where the file should be") << MakeSettings([](const QString& path) {
            QDir().mkpath(path);
            return path;
        }) << true;
        QTest::newRow("folder that cannot be written") << MakeSettings([](const QString&) {
            return QStringLiteral("/proc/amorix-settings/amorix.ini"); // no one may create folders here
        }) << false;
#ifdef Q_OS_UNIX
        // Opening a pipe blocks until a writer comes; a device never ends.
        QTest::newRow("pipe") << MakeSettings([](const QString& path) {
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
            return path;
        }) << true;
        QTest::newRow("link to a device") << MakeSettings([](const QString& path) {
            QFile::link(QStringLiteral("/dev/zero"), path);
            return path;
        }) << true;
#endif
    }
    void brokenSettings()
    {
        QFETCH(MakeSettings, make);
        QFETCH(bool, special);
        const QString path = make(folder.filePath(QStringLiteral("%1.ini").arg(QTest::currentDataTag())));

        test::StandIns desktop;
        IniFileStore store(path);
        test::FixedInstance instance(false);
        StartApplication(instance, store, openMainWindow);

        frmMain* window = test::openWindow<frmMain>();
        QVERIFY(window && window->isVisible());
        QVERIFY2(desktop.messages.isEmpty(), qPrintable(desktop.messageTexts().join(", ")));
        QVERIFY(desktop.ends.isEmpty());
        // Nothing was written in place of what was there.
        if (special)
            QVERIFY(QFileInfo::exists(path) && !QFileInfo(path).isFile());
    }
};

QTEST_MAIN(TestHostile)
#include "test_hostile.moc"
