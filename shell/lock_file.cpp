#include "lock_file.h"

#include <QLockFile>
#include <QThread>

namespace amorix {

bool removeAbandonedLock(QLockFile& lock)
{
    qint64 pid = 0;
    QString host, application;
    if (!lock.getLockInfo(&pid, &host, &application))
        QThread::msleep(100);
    return lock.removeStaleLockFile();
}

bool takeLock(QLockFile& lock, std::chrono::milliseconds patience)
{
    // Staleness is decided by whether an owner holds the lock, never by the
    // file's age or what it names.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return true;
    if (lock.error() != QLockFile::LockFailedError)
        return false;
    removeAbandonedLock(lock);
    return lock.tryLock(static_cast<int>(patience.count()));
}

} // namespace amorix
