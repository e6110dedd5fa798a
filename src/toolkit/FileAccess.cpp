#include "toolkit/FileAccess.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <unistd.h>

namespace {

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

bool syncToDisk(QFile& file)
{
    if (!file.flush())
        return false;
    return ::fsync(file.handle()) == 0;
}

// Puts temp in the place of target in one step: rename(2) replaces an
// existing file atomically, so there is never a moment without either.
FileAccess::Result moveOver(const QString& temp, const QString& target)
{
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(temp);
        return FileAccess::Result::failure(QStringLiteral("cannot rename %1 to %2").arg(temp, target));
    }
    return FileAccess::Result::success();
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

bool exists(const QString& name)
{
    const QString path = resolvePath(name);
    return !path.isEmpty() && QFileInfo::exists(path);
}

Result readAll(const QString& name, QByteArray& bytes)
{
    QFile file(resolvePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(file.errorString());
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
    QFile file(target);
    QBuffer empty;
    QIODevice* in = &empty;
    if (QFileInfo::exists(target)) {
        if (!file.open(QIODevice::ReadOnly))
            return Result::failure(file.errorString());
        in = &file;
    } else {
        empty.open(QIODevice::ReadOnly);
    }

    QFile out(temp);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Result::failure(out.errorString());

    const bool copied = copy(*in, out);
    const bool synced = copied && syncToDisk(out);
    const QString why = out.errorString();
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
    QFile file(resolvePath(name));
    // Unbuffered: bytes left in a write buffer after a failed flush would
    // stop the cut back and be written again when the file closes.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return Result::failure(file.errorString());
    const qint64 oldSize = file.size();
    if (file.write(bytes) == bytes.size() && syncToDisk(file))
        return Result::success();
    const QString why = file.errorString();
    file.resize(oldSize);
    return Result::failure(why);
}

Result createEmpty(const QString& name)
{
    QFile file(resolvePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Result::failure(file.errorString());
    return Result::success();
}

Result remove(const QString& name)
{
    QFile file(resolvePath(name));
    if (!file.remove())
        return Result::failure(file.errorString());
    return Result::success();
}

}  // namespace FileAccess

namespace FileAccess {

Result removeTogether(const QStringList& names)
{
    QList<QPair<QString, QString>> aside;  // original path, path set aside
    for (const QString& name : names) {
        const QString path = resolvePath(name);
        if (!QFileInfo::exists(path))
            continue;
        const QString away = path + QStringLiteral(".deleted");
        QFile::remove(away);
        if (!QFile::rename(path, away)) {
            for (const auto& [original, moved] : aside)
                QFile::rename(moved, original);
            return Result::failure(QStringLiteral("cannot remove %1").arg(path));
        }
        aside.append({path, away});
    }
    for (const auto& entry : aside)
        QFile::remove(entry.second);
    return Result::success();
}

}  // namespace FileAccess
