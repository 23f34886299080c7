// Lock files that a live owner holds at the system level: the owner keeps
// the file open with an exclusive lock on it (flock on Linux, LockFileEx on
// Windows), which the system drops when the owner ends, however it ends.
// Whether a lock is free is decided by that alone, never by the file's age,
// what it says, or whether its folder lets it be removed: a lock left by a
// copy that was killed is taken over even in a folder that has since become
// read-only. Qt's own lock files (QLockFile, which QSettings uses) hold
// theirs the same way, so writers of either kind take turns on one file.
#pragma once

#include <QString>

#include <chrono>
#include <memory>

class QFile;

namespace amorix {

class HeldLock {
public:
    enum class Outcome {
        Taken, // this object holds the lock
        HeldElsewhere, // a live owner holds it
        Unusable, // no lock can be had here: no folder, no file, a folder in its place
    };

    explicit HeldLock(QString path);
    ~HeldLock();
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

    // Takes the lock, waiting at most `patience` for a live owner to let go.
    Outcome take(std::chrono::milliseconds patience = {});
    bool held() const { return file_ != nullptr; }
    // Lets go and removes the file where the folder allows.
    void release();

private:
    Outcome tryOnce();

    QString path_;
    std::unique_ptr<QFile> file_;
};

} // namespace amorix
