#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// What an operation cannot do without, measured on the same machine in the
// same run: reading the bytes it must touch from the page cache and
// finding their line ends, writing a copy where it rewrites the file, and
// setting the pixels it paints.
namespace Limit {

// Reads length bytes of path from offset on, in large pieces, and counts
// their line ends.
qint64 passOver(const QString& path, qint64 offset, qint64 length);

// Sets pixels pixels of a picture height pixels high, column by column,
// with its top-left corner at (x, y) of figure.
void paint(QImage& figure, int pixels, int height, int x, int y);

// One copy of path with extra at its end: read, line ends found, written
// to a new file beside it, put on disk and renamed, as a rewrite must.
void copy(const QString& path, const QByteArray& extra = QByteArray());

}  // namespace Limit
