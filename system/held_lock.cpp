#include "held_lock.h"

#include "platform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

namespace amorix {
namespace {

// What the owner writes into the file, as Qt's lock files have it: process
// id, program and host. Only for a person reading it: nothing decides by it.
QByteArray ownerLines()
{
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n'
        + QSysInfo::machineHostName().toUtf8() + '\n';
}

} // namespace

HeldLock::HeldLock(QString path)
    : path_(std::move(path))
{
}

HeldLock::~HeldLock() { release(); }

HeldLock::Outcome HeldLock::take(std::chrono::milliseconds patience)
{
    if (held())
        return Outcome::Taken;
    const QDeadlineTimer deadline(patience);
    for (;;) {
        const Outcome outcome = tryOnce();
        if (outcome != Outcome::HeldElsewhere || deadline.hasExpired())
            return outcome;
        QThread::msleep(20);
    }
}

HeldLock::Outcome HeldLock::tryOnce()
{
    const QFileInfo existing(path_);
    // A link never leads the lock to another file: the link itself goes.
    if (existing.isSymLink())
        QFile::remove(path_);
    else if (existing.exists() && !existing.isFile())
        return Outcome::Unusable;

    // The owner that lets go removes the file; one opened just before that
    // is no longer the lock, and the file now at the path is tried instead.
    for (int attempt = 0; attempt < 3; ++attempt) {
        auto file = std::make_unique<QFile>(path_);
        if (const auto opening = platform::openLockFile(*file); opening != platform::LockFileOpening::Opened)
            return opening == platform::LockFileOpening::InUse ? Outcome::HeldElsewhere : Outcome::Unusable;
        if (!platform::holdExclusively(*file))
            return Outcome::HeldElsewhere;
        if (!platform::stillAt(*file, path_))
            continue;
        if (file->isWritable() && file->resize(0)) {
            file->write(ownerLines());
            file->flush();
        }
        file_ = std::move(file);
        return Outcome::Taken;
    }
    return Outcome::HeldElsewhere;
}

void HeldLock::release()
{
    if (!file_)
        return;
    platform::letGo(*file_);
    file_.reset();
}

} // namespace amorix
