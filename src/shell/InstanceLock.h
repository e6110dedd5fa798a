#pragma once
#include <QLockFile>
#include <QString>

#include <memory>

// One window per data folder: two windows writing the same files would
// undo each other's changes. The lock is a file in the folder that holds
// the owner's process id; a lock whose process is gone (after a crash) is
// taken over.
namespace InstanceLock {

inline constexpr char kFileName[] = "Tavolin.lock";

// The held lock, or none when another running program holds the folder
// (or the lock cannot be made: a folder that cannot be written is left to
// the window, which tells of each failed write). Trying writes nothing to
// a folder that is in use.
struct Outcome {
    std::unique_ptr<QLockFile> lock;
    bool inUse = false;
};
Outcome acquire(const QString& folder);

// The message for a second start on folder, in the language its settings
// name; the built-in English text when that file cannot be read. Reads
// only.
QString inUseMessage(const QString& folder);

}  // namespace InstanceLock
