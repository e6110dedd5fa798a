#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

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

// Whole contents of a file; fails for a missing or unreadable file.
Result readAll(const QString& name, QByteArray& bytes);

// Writes a new file, or replaces an existing one, with content: the bytes go
// to a temporary file of the name tempName first, which then replaces the
// file in one atomic rename. A failure leaves the old file whole and removes
// the temporary file.
Result replaceWith(const QString& name, const QString& tempName, const QByteArray& content);

// Streams a rewrite: copy reads the old file and writes the new one; the new
// one takes the old one's place only when copy succeeds and every byte is
// on disk.
using CopyFunction = std::function<bool(QIODevice& in, QIODevice& out)>;
Result rewriteThrough(const QString& name, const QString& tempName, const CopyFunction& copy);

// Appends bytes at the end of a file (created when missing). A write that
// fails part-way is cut back to the old length.
Result append(const QString& name, const QByteArray& bytes);

// Creates an empty file, or empties an existing one.
Result createEmpty(const QString& name);

Result remove(const QString& name);

// Deletes several files as one: each is first renamed aside, and only when
// every rename has worked are they deleted; after a failed rename the
// files renamed so far go back. Files that do not exist are passed over.
Result removeTogether(const QStringList& names);

}  // namespace FileAccess
