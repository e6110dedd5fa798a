#pragma once
#include <QLockFile>
#include <QString>

#include <memory>

// One window per data folder: two windows writing the same files would
// undo each other's changes. The lock is a file in the folder that holds
// the owner's process id; a lock that names no running Tavolin (its process
// is gone after a crash, the id now belongs to another program, or the file
// is empty or damaged) is taken over.
namespace InstanceLock {

inline constexpr char kFileName[] = "Tavolin.lock";

// The held lock; or inUse, when a running Tavolin holds the folder; or
// noLock, when no lock can be made (a folder that cannot be written, a full
// disk, a lock file that can be neither read nor removed): the program then
// runs without one, and noLockReason says why. Trying writes nothing to a
// folder that is in use.
struct Outcome {
    std::unique_ptr<QLockFile> lock;
    bool inUse = false;
    bool noLock = false;
    QString noLockReason;
};
Outcome acquire(const QString& folder);

// The message for a second start on folder, in the language its settings
// name; the built-in English text when that file cannot be read or the
// settings name a path instead of a file of the folder. Reads only.
QString inUseMessage(const QString& folder);

}  // namespace InstanceLock
