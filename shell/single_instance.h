// One running copy per executable and user: the first copy holds a lock
// file in the user's runtime folder for as long as it runs. A start is
// refused only while a live copy holds that lock; a lock left by a copy that
// died, or damaged on the way, is taken over; a lock that cannot be used at
// all lets the program run.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace amorix {

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when another copy of this program already runs for this user.
    virtual bool previousInstanceRunning() = 0;
};

class LockFileInstance final : public InstanceLock {
public:
    // By default the lock lives in the user's runtime folder and is named
    // after the executable's path; tests name their own file.
    LockFileInstance();
    explicit LockFileInstance(const QString& lockFilePath);
    ~LockFileInstance() override;

    bool previousInstanceRunning() override;
    QString lockFilePath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace amorix
