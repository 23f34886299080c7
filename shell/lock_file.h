// Lock files that a live owner holds at the system level (QLockFile keeps
// an exclusive file lock on Linux, a handle that forbids deleting on
// Windows), so that one left by a process that is gone can be told apart
// from one in use, whatever the file says.
#pragma once

#include <chrono>

class QLockFile;

namespace amorix {

// Removes the lock's file when no live process holds it. A copy that is
// writing its lock this very instant gets a moment to finish first.
bool removeAbandonedLock(QLockFile& lock);

// Takes the lock, taking over an abandoned one, waiting at most `patience`
// for a live owner to let go.
bool takeLock(QLockFile& lock, std::chrono::milliseconds patience);

} // namespace amorix
