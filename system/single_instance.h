// One running copy per executable and user: the first copy holds a lock
// file in a folder of the user's own (platform::lockFolder) for as long as
// it runs. A start is refused only while a live copy holds that lock; a lock
// left by a copy that died, or damaged on the way, is taken over; a lock
// that cannot be used at all lets the program run.
#pragma once

#include "held_lock.h"

#include <QString>

namespace amorix {

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when another copy of this program already runs for this user.
    virtual bool previousInstanceRunning() = 0;
};

class LockFileInstance final : public InstanceLock {
public:
    // By default the lock lives in the user's lock folder and is named
    // after the executable's path; tests name their own file.
    LockFileInstance();
    explicit LockFileInstance(const QString& lockFilePath);

    bool previousInstanceRunning() override;

private:
    HeldLock lock_;
};

} // namespace amorix
