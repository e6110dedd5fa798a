#include "formats/datafolder/InstanceLock.h"

#include "formats/datafolder/SettingsFile.h"
#include "formats/files/FileAccess.h"
#include "formats/localisation/LanguageFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace {

constexpr int kInUseText = 54;  // the language files' line for a folder in use

// The texts of a language file, or an empty table when it cannot be read
// (a FIFO in its place is not waited on).
TextTable textsOf(const QString& path)
{
    TextTable texts;
    QFile file;
    if (FileAccess::openForReading(file, path))
        LanguageFile::read(file, texts);
    return texts;
}

// Whether the lock file could be read as naming a process. After a failed
// tryLock, one that can is held by a running Tavolin: QLockFile itself
// takes over a lock whose process is gone or runs another program.
bool namesOwner(const QLockFile& lock)
{
    qint64 pid = 0;
    QString hostName, appName;
    return lock.getLockInfo(&pid, &hostName, &appName);
}

QString whyNoLock(const QLockFile& lock)
{
    const QString path = QDir::toNativeSeparators(lock.fileName());
    switch (lock.error()) {
    case QLockFile::PermissionError:
        return QStringLiteral("%1: no permission to create it").arg(path);
    case QLockFile::LockFailedError:
        return QStringLiteral("%1: it can be neither read nor removed").arg(path);
    default:
        return QStringLiteral("%1: it could not be created or written").arg(path);
    }
}

InstanceLock::Outcome outcomeOf(std::unique_ptr<QLockFile> lock)
{
    InstanceLock::Outcome outcome;
    if (lock->isLocked())
        outcome.lock = std::move(lock);
    else if (lock->error() == QLockFile::LockFailedError && namesOwner(*lock))
        outcome.inUse = true;
    else {
        outcome.noLock = true;
        outcome.noLockReason = whyNoLock(*lock);
    }
    return outcome;
}

}  // namespace

namespace InstanceLock {

Outcome acquire(const QString& folder)
{
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QLatin1String(kFileName)));
    // Never stale by age: a program may stay open for days. A lock whose
    // process no longer runs is stale all the same.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError && !namesOwner(*lock)) {
        // An empty or damaged lock file names no process, and with no age
        // limit QLockFile would respect it for ever. A Tavolin holds its
        // lock file locked from just after creating it, so one that is still
        // being written is not removed.
        lock->removeStaleLockFile();
        lock->tryLock(0);
    }
    return outcomeOf(std::move(lock));
}

QString inUseMessage(const QString& folder)
{
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    QString language;
    QByteArray settings;
    if (FileAccess::readAll(base + QLatin1String(SettingsFile::kFileName), settings)) {
        QBuffer in(&settings);
        in.open(QIODevice::ReadOnly);
        language = SettingsFile::read(in).Language.value_or(QString());
    }
    if (FileAccess::isPlainName(language)) {
        const QString text = textsOf(FileAccess::resolvePath(base + language))[kInUseText];
        if (!text.isEmpty())
            return text;
    }
    return LanguageFile::builtInText(QString(), kInUseText);
}

}  // namespace InstanceLock
