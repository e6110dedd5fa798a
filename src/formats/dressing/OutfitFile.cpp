#include "formats/dressing/OutfitFile.h"

#include "formats/text/Cp1252.h"
#include "formats/text/LineReader.h"

#include <QIODevice>

namespace OutfitFile {

namespace {

bool isHeading(const QString& line) { return line.startsWith(QLatin1String(kHeadingPrefix)); }

QByteArray lineBytes(const QString& line) { return Cp1252::encode(line) + "\r\n"; }

}  // namespace

QStringList names(QIODevice& in)
{
    QStringList found;
    LineReader reader(in);
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        if (line.startsWith(QLatin1String(kHeadingWord)))
            found.append(line.mid(8, 100));
    }
    return found;
}

QStringList entries(QIODevice& in, const QString& heading, bool& found)
{
    QStringList worn;
    LineReader reader(in);
    found = false;
    while (!found && !reader.atEnd())
        found = reader.readLine() == heading;
    while (found && !reader.atEnd()) {
        const QString line = reader.readLine();
        if (isHeading(line))
            break;
        worn.append(line);
    }
    return worn;
}

QByteArray outfit(const QString& name, const QStringList& entries)
{
    QByteArray bytes = lineBytes(QLatin1String(kHeadingPrefix) + name);
    for (const QString& entry : entries)
        if (!entry.isEmpty())
            bytes += lineBytes(entry);
    return bytes;
}

bool copyWithout(QIODevice& in, QIODevice& out, const QString& heading)
{
    LineReader reader(in);
    QByteArray copy;
    bool skipping = false;
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        if (skipping) {
            if (!isHeading(line))
                continue;
            skipping = false;  // the next heading is copied without being compared
        } else if (line == heading) {
            skipping = true;
            continue;
        }
        copy += lineBytes(line);
    }
    return out.write(copy) == copy.size();
}

bool copyAdding(QIODevice& in, QIODevice& out, const QByteArray& bytes)
{
    // Not at the end after reading all: a failed read, and the old file stays.
    const QByteArray old = in.readAll();
    // A last line without its line end would swallow the new heading.
    const QByteArray added = lineEndBefore(old).toByteArray() + bytes;
    return in.atEnd() && out.write(old + added) == old.size() + added.size();
}

}  // namespace OutfitFile
