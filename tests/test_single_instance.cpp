// The single-instance lock: a live copy's lock refuses a start; every other
// thing found at the lock's place lets the program start.
#include "shell/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace amorix;

namespace {

// What a lock file holds as its owner writes it: process id, program, host.
QByteArray lockContents(const QByteArray& pid)
{
    return pid + "\namorix\n" + QSysInfo::machineHostName().toUtf8() + "\n";
}

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

    QString lockPath() const { return folder.filePath("amorix.lock"); }

private slots:
    void cleanup()
    {
        QDir(lockPath()).removeRecursively();
        QFile::remove(lockPath());
    }

    void firstCopyRunsAndHoldsTheLock()
    {
        LockFileInstance first(lockPath());
        QVERIFY(!first.previousInstanceRunning());
        QVERIFY(!first.previousInstanceRunning()); // asking again keeps the lock
        LockFileInstance second(lockPath());
        QVERIFY(second.previousInstanceRunning());
        LockFileInstance third(lockPath());
        QVERIFY(third.previousInstanceRunning());
    }

    void lockOfAnEndedCopyIsFree()
    {
        {
            LockFileInstance first(lockPath());
            QVERIFY(!first.previousInstanceRunning());
        }
        LockFileInstance next(lockPath());
        QVERIFY(!next.previousInstanceRunning());
    }

    // Whatever a lock file that no live copy holds says, it is taken over.
    void abandonedLockIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xff not a lock \n\n\n", 17);
        QTest::newRow("process id 0") << lockContents("0");
        QTest::newRow("negative process id") << lockContents("-1");
        QTest::newRow("huge process id") << lockContents("99999999999999999999");
        QTest::newRow("dead process id") << lockContents("2147483646");
        // Process ids are reused: a live process that is not a copy holding
        // the lock, ourselves included, does not own it.
        QTest::newRow("our own process id") << lockContents(QByteArray::number(QCoreApplication::applicationPid()));
        QTest::newRow("process id 1") << lockContents("1");
        QTest::newRow("no line ends") << QByteArray("12345");
    }
    void abandonedLockIsTakenOver()
    {
        QFETCH(QByteArray, contents);
        writeFile(lockPath(), contents);
        LockFileInstance next(lockPath());
        QVERIFY(!next.previousInstanceRunning());
        // ...and now holds it for real.
        LockFileInstance later(lockPath());
        QVERIFY(later.previousInstanceRunning());
    }

    void folderAtTheLockPlaceLetsTheProgramRun()
    {
        QVERIFY(QDir().mkpath(lockPath()));
        LockFileInstance next(lockPath());
        QVERIFY(!next.previousInstanceRunning());
        QVERIFY(QFileInfo(lockPath()).isDir());
    }

    void missingFolderLetsTheProgramRun()
    {
        LockFileInstance next(folder.filePath("no/such/folder/amorix.lock"));
        QVERIFY(!next.previousInstanceRunning());
    }

    // A link at the lock's place never makes the program write to the
    // file it points to.
    void linkIsNeverWrittenThrough_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("link to a file") << true;
        QTest::newRow("dangling link") << false;
    }
    void linkIsNeverWrittenThrough()
    {
        QFETCH(bool, targetExists);
        const QString target = folder.filePath("precious.txt");
        QFile::remove(target);
        if (targetExists)
            writeFile(target, "keep me\n");
        QVERIFY(QFile::link(target, lockPath()));

        LockFileInstance next(lockPath());
        QVERIFY(!next.previousInstanceRunning());

        const QFileInfo lock(lockPath());
        QVERIFY(!lock.isSymLink());
        QVERIFY(lock.isFile());
        QCOMPARE(QFileInfo::exists(target), targetExists);
        if (targetExists) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("keep me\n"));
        }
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
