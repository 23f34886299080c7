#include "single_instance.h"

#include "settings_store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace amorix {
namespace {

QString defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    // Same executable means same file: two builds in different folders are
    // different programs, a copy started twice is the same one.
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
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
    // A live copy keeps its lock however long it runs; only a lock whose
    // process is gone counts as stale.
    lock_->setStaleLockTime(0);
}

LockFileInstance::~LockFileInstance() = default;

bool LockFileInstance::previousInstanceRunning()
{
    if (lock_->isLocked())
        return false;
    if (lock_->tryLock(0))
        return false;
    // Anything but "someone else holds it" (no permission, no folder) must
    // not keep the user from the program.
    return lock_->error() == QLockFile::LockFailedError;
}

} // namespace amorix
