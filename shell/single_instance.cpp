#include "single_instance.h"

#include "executable_name.h"
#include "lock_file.h"
#include "platform.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace amorix {
namespace {

QString defaultLockPath()
{
    const QString folder = platform::lockFolder();
    if (folder.isEmpty())
        return QString();
    // Same executable means same file: two builds in different folders are
    // different programs, a copy started twice is the same one.
    const QString exe =
        platform::executableIdentity(QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
    const QByteArray tag = QCryptographicHash::hash(exe.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return folder + u'/' + executableBaseName() + u'-' + QString::fromLatin1(tag) + QStringLiteral(".lock");
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
    if (path_.isEmpty())
        return false; // no private folder for the lock: run without it
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
    else if (!removeAbandonedLock(*lock_))
        return true;
    return !lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError;
}

} // namespace amorix
