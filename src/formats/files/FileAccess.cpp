#include "formats/files/FileAccess.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileAccess::FaultHook faultHook;
FileAccess::DurabilityHook durabilityHook;

void madeDurable(FileAccess::Durable what, const QString& path)
{
    if (durabilityHook)
        durabilityHook(what, path);
}

// The folder a path lies in, "." for a bare name.
QString folderOf(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

// Whether a test asked for this step to fail.
bool faulted(FileAccess::Step step, const QString& path) { return faultHook && faultHook(step, path); }

// What the system says when such a step fails for real.
QString faultMessage(FileAccess::Step step)
{
    const bool disk = step == FileAccess::Step::Write || step == FileAccess::Step::Flush;
    return disk ? QStringLiteral("No space left on device") : QStringLiteral("Permission denied");
}

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// What stands at a path instead of a regular file, in words for the window.
QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISLNK(mode))
        return QStringLiteral("a link");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QString();
}

// Opens path for reading when it is a regular file, not through a link
// unless links follow. O_NONBLOCK keeps a FIFO from holding the program
// until a writer comes; the file itself is then read as usual. -1 with the
// reason on failure; notRegular tells that something else stands there.
int openRegularDescriptor(const QString& path, QString& why, FileAccess::Links links = FileAccess::Links::Refuse,
                          bool* notRegular = nullptr)
{
    const int noFollow = links == FileAccess::Links::Refuse ? O_NOFOLLOW : 0;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | noFollow | O_NONBLOCK);
    if (notRegular)
        *notRegular = fd < 0 && errno == ELOOP && noFollow;
    if (fd < 0) {
        why = errno == ELOOP ? QStringLiteral("not a regular file: a link") : systemError();
        return -1;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        why = QStringLiteral("not a regular file: %1").arg(kindOf(info.st_mode));
        if (notRegular)
            *notRegular = true;
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// A file whose writes pass the fault hook: a failing write puts down half
// of its bytes, as a disk that fills up in the middle of a write does.
class GuardedFile : public QFile {
public:
    // The path is kept apart: a QFile opened on a descriptor forgets its name.
    explicit GuardedFile(const QString& path) : QFile(path), path_(path) {}
    const QString& path() const { return path_; }

    // Opens the file for reading if it is a regular file (see
    // openRegularDescriptor).
    bool openRegular()
    {
        if (faulted(FileAccess::Step::Open, path_)) {
            setErrorString(faultMessage(FileAccess::Step::Open));
            return false;
        }
        QString why;
        const int fd = openRegularDescriptor(path_, why);
        if (fd < 0) {
            setErrorString(why);
            return false;
        }
        return QFile::open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    }

    // Creates the file afresh for writing: whatever has its name goes
    // first, a link among them, and the new file is made exclusively, so
    // no write ever lands behind a link. A folder of the name stays and
    // fails the open.
    bool openFresh()
    {
        if (faulted(FileAccess::Step::Open, path_)) {
            setErrorString(faultMessage(FileAccess::Step::Open));
            return false;
        }
        const QByteArray encoded = QFile::encodeName(path_);
        struct stat info;
        if (::lstat(encoded.constData(), &info) == 0 && !S_ISDIR(info.st_mode))
            ::unlink(encoded.constData());
        return openNew();
    }

    // Creates the file, failing when anything has its name.
    bool openNew()
    {
        const int fd = ::open(QFile::encodeName(path_).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            setErrorString(systemError());
            return false;
        }
        return QFile::open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    }

    bool open(OpenMode mode) override
    {
        if (faulted(FileAccess::Step::Open, path_)) {
            setErrorString(faultMessage(FileAccess::Step::Open));
            return false;
        }
        return QFile::open(mode);
    }

    // Writes what is buffered and waits until the bytes are on the disk.
    bool syncToDisk()
    {
        if (faulted(FileAccess::Step::Flush, path_)) {
            setErrorString(faultMessage(FileAccess::Step::Flush));
            return false;
        }
        if (!flush())
            return false;
        if (::fsync(handle()) != 0) {
            setErrorString(QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        madeDurable(FileAccess::Durable::FileBytes, path_);
        return true;
    }

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        if (faulted(FileAccess::Step::Write, path_)) {
            QFile::writeData(data, length / 2);
            setErrorString(faultMessage(FileAccess::Step::Write));
            return -1;
        }
        return QFile::writeData(data, length);
    }

private:
    QString path_;
};

// The entry of folder whose name equals part without regard to case; the
// exact spelling wins when both exist.
QString matchEntry(const QString& folder, const QString& part)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (dir.exists(part))
        return part;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(part, Qt::CaseInsensitive) == 0)
            return entry;
    return QString();
}

QString joinPath(const QString& folder, const QString& part)
{
    if (folder.isEmpty())
        return part;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + part;
    return folder + QLatin1Char('/') + part;
}


// Puts temp in the place of target in one step: rename(2) replaces an
// existing file atomically, so there is never a moment without either.
FileAccess::Result moveOver(const QString& temp, const QString& target)
{
    const bool refused = faulted(FileAccess::Step::Rename, target);
    if (refused || std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0) {
        const QString why = refused ? faultMessage(FileAccess::Step::Rename) : QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temp);
        return FileAccess::Result::failure(QStringLiteral("cannot rename %1 to %2: %3").arg(temp, target, why));
    }
    FileAccess::syncFolder(folderOf(target));
    return FileAccess::Result::success();
}

// A working copy takes the permission bits of the file it replaces, so a
// file the user made private stays private after the program rewrote it.
void keepPermissions(const QString& target, QFile& copy)
{
    struct stat old;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0)
        ::fchmod(copy.handle(), old.st_mode & 07777);
}

}  // namespace

namespace FileAccess {

QString resolvePath(const QString& name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    QString resolved = absolute ? QStringLiteral("/") : QString();
    bool matching = true;
    for (const QString& part : parts) {
        QString entry = part;
        if (matching && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QString found = matchEntry(resolved, part);
            if (found.isEmpty())
                matching = false;  // nothing below a missing folder can exist
            else
                entry = found;
        }
        resolved = joinPath(resolved, entry);
    }
    return resolved;
}

bool allowedInFileName(QChar ch)
{
    const char16_t code = ch.unicode();
    const bool control = code < 32 || (code >= 127 && code < 160);
    return !control && !QStringLiteral("/\\<>:\"|?*").contains(ch);
}

bool exists(const QString& name)
{
    const QString path = resolvePath(name);
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool isPlainName(const QString& value)
{
    if (value.isEmpty() || value == QLatin1String(".") || value == QLatin1String(".."))
        return false;
    for (const QChar ch : value) {
        const char16_t code = ch.unicode();
        const bool control = code < 32 || (code >= 127 && code < 160);
        if (control || ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch == QLatin1Char(':'))
            return false;
    }
    return true;
}

bool isThere(const QString& path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

QString notRegularReason(const QString& path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return QString();
    return kindOf(info.st_mode);
}

Result readAll(const QString& name, QByteArray& bytes)
{
    GuardedFile file(resolvePath(name));
    if (!file.openRegular())
        return Result::failure(file.errorString());
    if (file.size() > kMaxWholeFile)
        return Result::failure(QStringLiteral("larger than any such file can be (%1 bytes)").arg(file.size()));
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result::failure(file.errorString());
    return Result::success();
}

Result replaceWith(const QString& name, const QString& tempName, const QByteArray& content)
{
    return rewriteThrough(name, tempName, [&content](QIODevice&, QIODevice& out) {
        return out.write(content) == content.size();
    });
}

Result rewriteThrough(const QString& name, const QString& tempName, const CopyFunction& copy)
{
    const QString target = resolvePath(name);
    const QString temp = resolvePath(tempName);

    // A missing file reads as an empty one: the copy then writes only what
    // it adds.
    GuardedFile file(target);
    QBuffer empty;
    QIODevice* in = &empty;
    if (QFileInfo::exists(target) || !notRegularReason(target).isEmpty()) {
        if (!file.openRegular())
            return Result::failure(QStringLiteral("%1: %2").arg(target, file.errorString()));
        in = &file;
    } else {
        empty.open(QIODevice::ReadOnly);
    }

    GuardedFile out(temp);
    if (!out.openFresh())
        return Result::failure(QStringLiteral("%1: %2").arg(temp, out.errorString()));
    if (in == &file)
        keepPermissions(target, out);

    // A read that breaks off would look like the end of the old file: the
    // copy would be short, so it must not take the old file's place.
    const bool copied = copy(*in, out);
    const bool readWhole = file.error() == QFileDevice::NoError;
    const bool synced = copied && readWhole && out.syncToDisk();
    const QString why = readWhole ? out.errorString() : file.errorString();
    out.close();
    in->close();
    if (!copied || !synced) {
        QFile::remove(temp);
        return Result::failure(why.isEmpty() ? QStringLiteral("write failed") : why);
    }
    return moveOver(temp, target);
}

Result append(const QString& name, const QByteArray& bytes)
{
    GuardedFile file(resolvePath(name));
    const bool made = !QFileInfo::exists(file.path());
    // Unbuffered: bytes left in a write buffer after a failed flush would
    // stop the cut back and be written again when the file closes.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return Result::failure(file.errorString());
    const qint64 oldSize = file.size();
    if (file.write(bytes) == bytes.size() && file.syncToDisk()) {
        if (made)
            syncFolder(folderOf(file.path()));
        return Result::success();
    }
    const QString why = file.errorString();
    file.resize(oldSize);
    return Result::failure(why);
}

Result createEmpty(const QString& name)
{
    GuardedFile file(resolvePath(name));
    if (faulted(Step::Open, file.path()))
        return Result::failure(faultMessage(Step::Open));
    if (!file.openNew())
        return Result::failure(QStringLiteral("%1: %2").arg(file.path(), file.errorString()));
    if (!file.syncToDisk()) {
        const QString why = file.errorString();
        file.close();
        QFile::remove(file.path());
        return Result::failure(why);
    }
    syncFolder(folderOf(file.path()));
    return Result::success();
}

Result remove(const QString& name)
{
    QFile file(resolvePath(name));
    if (faulted(Step::Remove, file.fileName()))
        return Result::failure(faultMessage(Step::Remove));
    if (!file.remove())
        return Result::failure(file.errorString());
    syncFolder(folderOf(file.fileName()));
    return Result::success();
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // The rename or creation before this has already happened; a folder
    // that cannot be synced (some file systems refuse it) keeps it by the
    // file system's own rules, and telling the change as failed would be
    // untrue.
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    if (synced)
        madeDurable(Durable::FolderEntries, folder);
}

}  // namespace FileAccess

namespace FileAccess {

namespace {

// Empty when path is now away, else why not.
QString renameAside(const QString& path, const QString& away)
{
    if (faulted(Step::Rename, path))
        return faultMessage(Step::Rename);
    QFile file(path);
    return file.rename(away) ? QString() : file.errorString();
}

// Empty when away is deleted, else why not.
QString deleteAside(const QString& away)
{
    if (faulted(Step::Remove, away))
        return faultMessage(Step::Remove);
    QFile file(away);
    return file.remove() ? QString() : file.errorString();
}
}  // namespace

Result removeTogether(const QStringList& names, QStringList* leftovers)
{
    QList<QPair<QString, QString>> aside;  // original path, path set aside
    for (const QString& name : names) {
        const QString path = resolvePath(name);
        if (!QFileInfo::exists(path))
            continue;
        const QString away = path + QLatin1String(kAsideSuffix);
        QFile::remove(away);
        const QString refused = renameAside(path, away);
        if (!refused.isEmpty()) {
            for (const auto& [original, moved] : aside)
                QFile::rename(moved, original);
            return Result::failure(QStringLiteral("cannot remove %1: %2").arg(path, refused));
        }
        aside.append({path, away});
    }
    // Every name is gone now, on the disk too; a file set aside that cannot
    // be deleted only takes room until the next sweep.
    QStringList folders;
    for (const auto& entry : aside)
        if (!folders.contains(folderOf(entry.first)))
            folders.append(folderOf(entry.first));
    for (const QString& folder : folders)
        syncFolder(folder);
    // A copy that cannot be deleted stops the deleting: the copies before
    // it, the first name's among them, stay for the sweep to know them by.
    for (auto entry = aside.crbegin(); entry != aside.crend(); ++entry) {
        const QString refused = deleteAside(entry->second);
        if (refused.isEmpty())
            continue;
        if (leftovers)
            for (auto left = entry; left != aside.crend(); ++left)
                leftovers->append(left->second + (left == entry ? QStringLiteral(": ") + refused : QString()));
        break;
    }
    for (const QString& folder : folders)
        syncFolder(folder);
    return Result::success();
}

namespace {

// Syncs each folder once.
void syncFolders(const QStringList& paths)
{
    QStringList folders;
    for (const QString& path : paths)
        if (!folders.contains(folderOf(path)))
            folders.append(folderOf(path));
    for (const QString& folder : folders)
        syncFolder(folder);
}

// Writes one file of createTogether to its working copy; empty when done,
// else why not.
QString writeWorkingCopy(const NewFile& file, const QString& temp)
{
    GuardedFile out(temp);
    if (!out.openFresh())
        return QStringLiteral("%1: %2").arg(temp, out.errorString());
    if (file.permissions >= 0)
        ::fchmod(out.handle(), mode_t(file.permissions));
    const bool written = file.write(out) && out.syncToDisk();
    const QString why = out.errorString();
    out.close();
    if (written)
        return QString();
    QFile::remove(temp);
    return QStringLiteral("%1: %2").arg(temp, why.isEmpty() ? QStringLiteral("write failed") : why);
}

}  // namespace

Result createTogether(const QList<NewFile>& files)
{
    QStringList targets, temps;
    for (const NewFile& file : files) {
        targets.append(resolvePath(file.name));
        temps.append(targets.last() + QStringLiteral(".new"));
        if (isThere(targets.last()))
            return Result::failure(QStringLiteral("%1 is there already").arg(targets.last()));
    }
    const auto discard = [&temps] {
        for (const QString& temp : temps)
            QFile::remove(temp);
    };
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString refused = writeWorkingCopy(files[i], temps[i]);
        if (!refused.isEmpty()) {
            discard();
            return Result::failure(refused);
        }
    }
    for (qsizetype i = files.size() - 1; i >= 0; --i) {
        const bool refused = faulted(Step::Rename, targets[i]);
        if (refused || std::rename(QFile::encodeName(temps[i]).constData(), QFile::encodeName(targets[i]).constData()) != 0) {
            const QString why = refused ? faultMessage(Step::Rename) : systemError();
            // The files that took their names were not there before.
            for (qsizetype placed = i + 1; placed < files.size(); ++placed)
                QFile::remove(targets[placed]);
            discard();
            syncFolders(targets);
            return Result::failure(QStringLiteral("cannot rename %1 to %2: %3").arg(temps[i], targets[i], why));
        }
    }
    syncFolders(targets);
    return Result::success();
}

namespace {

// Qt 6.4 puts a file it cannot trash in the user's trash into "files" of
// the current folder, the data folder here. So the trash of the user's data
// folder must be there, or be one that can be made: only then is a file
// moved to a trash.
bool userTrashUsable()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QFileInfo folder(data);
    if (data.isEmpty() || !folder.isAbsolute() || !folder.isDir())
        return false;
    const QFileInfo trash(QDir(data).filePath(QStringLiteral("Trash")));
    if (!trash.exists())
        return folder.isWritable();
    const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    return trash.isDir() && (trash.permissions() & owner) == owner;
}

// The trash's note on a file it holds: "info/NAME.trashinfo" beside the
// trash's "files/NAME".
QString trashNoteOf(const QString& inTrash)
{
    const QFileInfo file(inTrash);
    QDir trash(file.absolutePath());
    trash.cdUp();
    return trash.filePath(QStringLiteral("info/") + file.fileName() + QStringLiteral(".trashinfo"));
}

// Puts the bytes of a file written by someone else on the disk.
void syncFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::fsync(fd) == 0)
        madeDurable(Durable::FileBytes, path);
    ::close(fd);
}

// Empty when path is in the trash now (where: inTrash), else why not.
QString trashOne(const QString& path, QString& inTrash)
{
    if (faulted(Step::Rename, path))
        return faultMessage(Step::Rename);
    QFile file(path);
    if (!file.moveToTrash())
        return file.errorString().isEmpty() ? QStringLiteral("the trash refused it") : file.errorString();
    inTrash = file.fileName();
    // A relative place is Qt's fallback of the current folder: no trash.
    return QFileInfo(inTrash).isAbsolute() ? QString() : QStringLiteral("there is no trash to take it");
}

// Takes files moved to the trash back to where they were.
void takeBackFromTrash(const QList<QPair<QString, QString>>& moved)
{
    for (auto entry = moved.crbegin(); entry != moved.crend(); ++entry) {
        std::rename(QFile::encodeName(entry->second).constData(), QFile::encodeName(entry->first).constData());
        QFile::remove(trashNoteOf(entry->second));
    }
}

}  // namespace

Result moveToTrash(const QStringList& names, QStringList* trashed)
{
    if (!userTrashUsable())
        return Result::failure(QStringLiteral("there is no trash"));
    QList<QPair<QString, QString>> moved;  // original path, path in the trash
    for (const QString& name : names) {
        const QString path = resolvePath(name);
        if (!QFileInfo::exists(path))
            continue;
        QString inTrash;
        const QString refused = trashOne(path, inTrash);
        if (!inTrash.isEmpty())
            moved.append({path, inTrash});
        if (!refused.isEmpty()) {
            takeBackFromTrash(moved);
            syncFolders({path});
            return Result::failure(QStringLiteral("cannot move %1 to the trash: %2").arg(path, refused));
        }
    }
    QStringList places;
    for (const auto& [original, inTrash] : moved) {
        places << original << inTrash << trashNoteOf(inTrash);
        syncFile(trashNoteOf(inTrash));
        if (trashed)
            trashed->append(inTrash);
    }
    syncFolders(places);
    return Result::success();
}

Result removeFromTrash(const QStringList& trashed)
{
    for (const QString& inTrash : trashed) {
        for (const QString& path : {inTrash, trashNoteOf(inTrash)}) {
            if (!isThere(path))
                continue;
            const Result removed = remove(path);
            if (!removed)
                return Result::failure(QStringLiteral("%1: %2").arg(path, removed.error));
        }
    }
    return Result::success();
}

Result openForReading(QFile& file, const QString& name)
{
    file.setFileName(resolvePath(name));
    if (faulted(Step::Open, file.fileName()))
        return Result::failure(faultMessage(Step::Open));
    return openRegular(file, file.fileName(), Links::Refuse);
}

Result openRegular(QFile& file, const QString& path, Links links, bool* notRegular)
{
    QString why;
    const int fd = openRegularDescriptor(path, why, links, notRegular);
    if (fd < 0)
        return Result::failure(why);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Result::failure(file.errorString());
    }
    return Result::success();
}

void setFaultHook(FaultHook hook) { faultHook = std::move(hook); }

void setDurabilityHook(DurabilityHook hook) { durabilityHook = std::move(hook); }

}  // namespace FileAccess
