#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QFile;
class QIODevice;

// Every file name the program forms goes through this layer. Names are the
// handlers' own ("Projects\" + name): the backslash is the folder separator,
// and each part of the path is matched without regard to case, so that a
// file written as "Default.Data" is the file opened as "Default.DATA" on a
// case-sensitive file system too.
namespace FileAccess {

// The outcome of a file operation; on failure, a short description for the
// window (the handlers show their own message from the text table and keep
// this as detail).
struct Result {
    bool ok = true;
    QString error;

    static Result success() { return {}; }
    static Result failure(const QString& why) { return {false, why}; }
    explicit operator bool() const { return ok; }
};

// The path of an existing file or folder that matches name in every part
// without regard to case (an exact match is preferred), or, where a part
// does not exist yet, the name as given from that part on.
QString resolvePath(const QString& name);

bool exists(const QString& name);

// Whether a file name can hold ch on this machine and on Windows: no
// folder separator, no control character, none of < > : " | ? *.
bool allowedInFileName(QChar ch);

// Whether a value read from a file (a project, a language file, a body
// picture, an item data file) is a plain file name inside its folder: not
// empty, no folder separator, not "." or "..", no drive letter or other
// colon, no control character. Nothing a file says may lead the program
// outside its data folder.
bool isPlainName(const QString& value);

// Opens a file of the program for reading; fails for a missing or
// unreadable file, which the readers take as an empty one. Only a regular
// file is opened, never through a link: a folder, a device, a FIFO (which
// would keep the program waiting) or a link in its place is refused at once.
Result openForReading(QFile& file, const QString& name);

// Whether a read may reach its file through a link: the program's own
// files never do; a picture the user picks may be a link to a regular file.
enum class Links { Refuse, Follow };

// Opens path (already resolved) for reading when it is a regular file, as
// openForReading does; notRegular tells that a folder, a device, a FIFO or
// a refused link stands there.
Result openRegular(QFile& file, const QString& path, Links links, bool* notRegular = nullptr);

// The most readAll takes: every file read whole is small (settings,
// language, project, outfits, table), and a larger one is damage.
inline constexpr qint64 kMaxWholeFile = 8 << 20;

// Whole contents of a file; fails for a missing, unreadable or
// non-regular file and for one larger than kMaxWholeFile.
Result readAll(const QString& name, QByteArray& bytes);

// Whether anything at all has the name path: a file, a folder, a FIFO, a
// link (dangling or not).
bool isThere(const QString& path);

// Why path is no regular file ("a folder", "a named pipe", "a link"...),
// or empty when it is one; a missing file is none of these.
QString notRegularReason(const QString& path);

// Writes a new file, or replaces an existing one, with content: the bytes go
// to a temporary file of the name tempName first, which then replaces the
// file in one atomic rename. The temporary file is made afresh: whatever
// has its name (a leftover copy, a link, dangling or not) is removed first,
// so nothing is ever written through a link; a rename over a link replaces
// the link. A failure leaves the old file whole and removes
// the temporary file. The new file keeps the old one's permission bits, and
// both its bytes and its folder entry are on the disk before this returns.
Result replaceWith(const QString& name, const QString& tempName, const QByteArray& content);

// Streams a rewrite: copy reads the old file and writes the new one; the new
// one takes the old one's place only when copy succeeds and every byte is
// on disk.
using CopyFunction = std::function<bool(QIODevice& in, QIODevice& out)>;
Result rewriteThrough(const QString& name, const QString& tempName, const CopyFunction& copy);

// Appends bytes at the end of a file (created when missing). A write that
// fails part-way is cut back to the old length. The bytes, and the folder
// entry of a file made here, are on the disk before this returns.
Result append(const QString& name, const QByteArray& bytes);

// Creates a new empty file; fails when anything has its name already (a
// link too, dangling or not). Its folder entry is on the disk before this
// returns.
Result createEmpty(const QString& name);

// Removes a file; the removal is on the disk before this returns.
Result remove(const QString& name);

// Puts the folder's entries on the disk, so that a file created, renamed
// or removed in it stays so after a power cut. A file system that cannot
// sync a folder keeps its entries by its own rules; that is no failure.
void syncFolder(const QString& folder);

// Deletes several files as one: each is first renamed aside, and only when
// every rename has worked are they deleted; after a failed rename the
// files renamed so far go back. Files that do not exist are passed over.
// The copies set aside are deleted in the reverse order of names, and a
// copy that cannot be deleted stops the deleting, so that while any copy is
// left, so is the first name's.
// A file that was renamed aside but could not be deleted afterwards is
// named in leftovers with the reason (the operation still counts as done: none of the
// names exists any more); the start-up sweep removes such files later.
Result removeTogether(const QStringList& names, QStringList* leftovers = nullptr);

// The name ending of files set aside by removeTogether.
inline constexpr char kAsideSuffix[] = ".deleted";

// A file for createTogether: its name, what writes its bytes, and its
// permission bits (-1: as a new file gets them).
struct NewFile {
    QString name;
    std::function<bool(QIODevice& out)> write;
    int permissions = -1;
};

// Makes new files as one: each is written whole to a working copy (its
// name + ".new") and synced first, in the order given; then they take
// their names in the reverse order, so the first is the last to appear,
// and one sync of the folder puts them on the disk together. Fails, making
// none, when anything has one of the names already; after any failure
// none of them is left.
Result createTogether(const QList<NewFile>& files);

// Moves files to the desktop's trash as one, so that the file manager can
// put them back: each goes there with the trash's note of where it came
// from. After a failed move the files moved so far come back and none is
// left in the trash; where there is no trash, nothing is moved and this
// fails. Files that do not exist are passed over. trashed gets where each
// file went, in the order of names. The folders the files left are
// synced, and so are the trash's folders and notes.
Result moveToTrash(const QStringList& names, QStringList* trashed);

// Deletes files moved to the trash by moveToTrash, with their notes there:
// the copies of files that were put back in their place. A file that is no
// longer in the trash is passed over.
Result removeFromTrash(const QStringList& trashed);

// The steps of file operations, for tests that make one of them fail.
enum class Step { Open, Write, Flush, Rename, Remove };

// Called before every step with the path it acts on; when it returns true,
// that step fails as a full disk or a refused permission would (a failing
// write puts half of its bytes down first). Empty by default; a test sets
// it and clears it again.
using FaultHook = std::function<bool(Step step, const QString& path)>;
void setFaultHook(FaultHook hook);

// What has reached the disk for good: a file's bytes (after fsync) or a
// folder's entries (after the folder's fsync). Told with the path, for
// tests that work out what a power cut at any moment would leave.
enum class Durable { FileBytes, FolderEntries };
using DurabilityHook = std::function<void(Durable what, const QString& path)>;
void setDurabilityHook(DurabilityHook hook);

}  // namespace FileAccess
