// The single-instance lock: a live copy's lock refuses a start; every other
// thing found at the lock's place lets the program start.
#include "scoped_environment.h"
#include "system/platform.h"
#include "system/settings_store.h"
#include "system/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace amorix;
using amorix::test::ScopedEnvironment;

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

    // Whatever a lock file that no live copy holds says, it is taken over,
    // also where its folder has since become read-only.
    void abandonedLockIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("garbage") << QByteArray("\x01\xff not a lock \n\n\n", 17) << false;
        QTest::newRow("process id 0") << lockContents("0") << false;
        QTest::newRow("negative process id") << lockContents("-1") << false;
        QTest::newRow("huge process id") << lockContents("99999999999999999999") << false;
        QTest::newRow("dead process id") << lockContents("2147483646") << false;
        // Process ids are reused: a live process that is not a copy holding
        // the lock, ourselves included, does not own it.
        QTest::newRow("our own process id")
            << lockContents(QByteArray::number(QCoreApplication::applicationPid())) << false;
        QTest::newRow("process id 1") << lockContents("1") << false;
        QTest::newRow("no line ends") << QByteArray("12345") << false;
        QTest::newRow("dead process id, read-only folder") << lockContents("2147483646") << true;
    }
    void abandonedLockIsTakenOver()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, readOnlyFolder);
        const QString lock = readOnlyFolder ? folder.filePath("read-only/amorix.lock") : lockPath();
        QVERIFY(QDir().mkpath(QFileInfo(lock).path()));
        writeFile(lock, contents);
#ifdef Q_OS_UNIX
        // Read-only by its permissions and, for root, whom they do not stop, the immutable flag.
        const QString dir = QFileInfo(lock).path();
        const bool root = readOnlyFolder && ::geteuid() == 0;
        QFile::setPermissions(dir,
                              readOnlyFolder ? QFile::ReadOwner | QFile::ExeOwner
                                             : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (root)
            QProcess::execute("chattr", {"+i", dir});
        const auto reopen = qScopeGuard([=] {
            if (root)
                QProcess::execute("chattr", {"-i", dir});
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        QVERIFY(!readOnlyFolder || !QFile::remove(lock)); // the folder keeps its file
#else
        if (readOnlyFolder)
            QSKIP("a folder's read-only mark on Windows does not keep its files from being removed");
#endif
        LockFileInstance next(lock);
        QVERIFY(!next.previousInstanceRunning());
        // ...and now holds it for real.
        LockFileInstance later(lock);
        QVERIFY(later.previousInstanceRunning());
    }

    // The lock lives only in a folder of the user's alone, so no other user
    // can hold or plant it; the XDG folders are used only when absolute.
    void privateFolders_data()
    {
        QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR, made as named below the test folder
        QTest::addColumn<QString>("config"); // XDG_CONFIG_HOME
        QTest::addColumn<QString>("lockFolder"); // "runtime", "cache" or "none"
        QTest::newRow("private runtime folder") << "private"
                                                << "config"
                                                << "runtime";
        QTest::newRow("no runtime folder (ssh)") << QString() << "config"
                                                 << "cache";
        QTest::newRow("relative runtime folder") << "relative"
                                                 << "config"
                                                 << "cache";
        QTest::newRow("shared /tmp") << "/tmp"
                                     << "config"
                                     << "cache";
        QTest::newRow("open to the group") << "group"
                                           << "config"
                                           << "cache";
        QTest::newRow("someone else's") << "foreign"
                                        << "config"
                                        << "cache";
        QTest::newRow("link to a private folder") << "link"
                                                  << "config"
                                                  << "cache";
        QTest::newRow("relative config home") << "private"
                                              << "relative"
                                              << "runtime";
        QTest::newRow("cache folder planted as a link") << QString() << "config"
                                                        << "none";
    }
    void privateFolders()
    {
#ifndef Q_OS_UNIX
        QSKIP("Windows keeps the lock in the user's own temporary folder");
#else
        QFETCH(QString, runtime);
        QFETCH(QString, config);
        QFETCH(QString, lockFolder);
        QTemporaryDir root;
        const QString cache = root.filePath("cache");
        const QString privateRuntime = root.filePath("private");
        QVERIFY(QDir().mkpath(privateRuntime) && QDir().mkpath(cache));
        QVERIFY(QFile::setPermissions(privateRuntime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QString runtimeValue = runtime.startsWith(u'/') || runtime.isEmpty() ? runtime : root.filePath(runtime);
        if (runtime == "relative") {
            runtimeValue = "private";
        } else if (runtime == "group" || runtime == "foreign") {
            QVERIFY(QDir().mkpath(runtimeValue));
            ::chmod(QFile::encodeName(runtimeValue).constData(), runtime == "group" ? 0750 : 0700);
            if (runtime == "foreign" && ::chown(QFile::encodeName(runtimeValue).constData(), 65534, 65534) != 0)
                QSKIP("only root can give a folder to another user");
        } else if (runtime == "link") {
            QVERIFY(QFile::link(privateRuntime, runtimeValue));
        }
        if (lockFolder == "none")
            QVERIFY(QFile::link(privateRuntime, cache + "/amorix"));

        const ScopedEnvironment runtimeVariable("XDG_RUNTIME_DIR",
                                                runtimeValue.isNull() ? QByteArray() : runtimeValue.toUtf8());
        const ScopedEnvironment cacheVariable("XDG_CACHE_HOME", cache.toUtf8());
        const ScopedEnvironment configVariable("XDG_CONFIG_HOME",
                                               config == "relative" ? "relative" : root.filePath(config).toUtf8());

        const QString folder = platform::lockFolder();
        const QString expected = lockFolder == "runtime" ? privateRuntime
            : lockFolder == "cache"                      ? cache + "/amorix"
                                                         : QString();
        QCOMPARE(folder, expected);
        if (!folder.isEmpty()) {
            struct stat info { };
            QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &info), 0);
            QVERIFY(S_ISDIR(info.st_mode) && info.st_uid == ::geteuid());
            QCOMPARE(info.st_mode & 0777, 0700u);
        }

        const std::unique_ptr<SettingsStore> store = platform::openUserSettings("amorix");
        const auto* file = dynamic_cast<IniFileStore*>(store.get());
        QVERIFY(file);
        QCOMPARE(file->fileName(),
                 (config == "relative" ? QDir::homePath() + "/.config" : root.filePath(config)) + "/amorix.ini");
#endif
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
