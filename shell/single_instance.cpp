#include "single_instance.h"

#include "platform.h"
#include "settings_store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

namespace amorix {
namespace {

QString defaultLockPath()
{
    // Same executable means same file: two builds in different folders are
    // different programs, a copy started twice is the same one.
    const QString exe =
        platform::executableIdentity(QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
    const QByteArray tag = QCryptographicHash::hash(exe.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return platform::lockFolder() + u'/' + executableBaseName() + u'-' + QString::fromLatin1(tag)
           + QStringLiteral(".lock");
}

} // namespace

LockFileInstance::LockFileInstance()
    : LockFileInstance(defaultLockPath())
{
}

LockFileInstance::LockFileInstance(const QString& lockFilePath)
    : path_(lockFilePath)
    , lock_(std::make_unique<QLockFile>(lockFilePath))
{
    // Whether a lock is stale is decided below, by whether its owner still
    // holds it, never by its age or by what it says.
    lock_->setStaleLockTime(0);
}

LockFileInstance::~LockFileInstance() = default;

bool LockFileInstance::previousInstanceRunning()
{
    if (lock_->isLocked() || lock_->tryLock(0))
        return false;
    // Anything but "the file is there" (no folder, no permission) must not
    // keep the user from the program.
    if (lock_->error() != QLockFile::LockFailedError)
        return false;

    const QFileInfo existing(path_);
    // A link never leads us to another file: the link itself goes.
    if (existing.isSymLink())
        QFile::remove(path_);
    else if (!existing.isFile() || !existing.isWritable())
        return false; // a folder or someone else's file: run without the lock
    else if (!takeOverAbandonedLock())
        return true;
    return !lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError;
}

bool LockFileInstance::takeOverAbandonedLock()
{
    // The copy that holds the lock keeps it locked at the system level
    // (an exclusive file lock, or on Windows a handle that forbids
    // deleting) from the moment it creates the file until it ends, so the
    // file can be removed only when its owner is gone, whatever it holds:
    // a dead process id, one reused by another program, or nothing at all.
    // A copy that is writing its lock this very instant gets a moment to
    // finish first.
    qint64 pid = 0;
    QString host, application;
    if (!lock_->getLockInfo(&pid, &host, &application))
        QThread::msleep(100);
    return lock_->removeStaleLockFile();
}

} // namespace amorix
