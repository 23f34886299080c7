#include "single_instance.h"

#include "executable_name.h"
#include "platform.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>

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
    : lock_(lockFilePath)
{
}

bool LockFileInstance::previousInstanceRunning()
{
    // No folder for the lock, or no lock to be had there (a folder in its
    // place): the program runs without it.
    return lock_.take() == HeldLock::Outcome::HeldElsewhere;
}

} // namespace amorix
