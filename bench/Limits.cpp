#include "Limits.h"

#include <QFile>

#include <cstring>
#include <unistd.h>

namespace {
constexpr qint64 kPiece = 1 << 18;

qint64 countLineEnds(const char* from, const char* to)
{
    qint64 count = 0;
    while (const void* hit = std::memchr(from, '\n', size_t(to - from))) {
        ++count;
        from = static_cast<const char*>(hit) + 1;
    }
    return count;
}
}  // namespace

namespace Limit {

qint64 passOver(const QString& path, qint64 offset, qint64 length)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        qFatal("cannot read %s", qPrintable(path));
    QByteArray piece(kPiece, Qt::Uninitialized);
    qint64 lines = 0;
    while (length > 0) {
        const qint64 got = file.read(piece.data(), qMin(length, kPiece));
        if (got <= 0)
            break;
        lines += countLineEnds(piece.constData(), piece.constData() + got);
        length -= got;
    }
    return lines;
}

void paint(QImage& figure, int pixels, int height, int x, int y)
{
    for (int i = 0; i < pixels; ++i) {
        const int px = x + i / height, py = y + i % height;
        if (figure.valid(px, py))
            reinterpret_cast<QRgb*>(figure.scanLine(py))[px] = QRgb(0xFF000000u | unsigned(i));
    }
}

void copy(const QString& path, const QByteArray& extra)
{
    QFile in(path), out(path + QStringLiteral(".limit"));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot copy %s", qPrintable(path));
    QByteArray piece(kPiece, Qt::Uninitialized);
    qint64 lines = 0;
    for (qint64 got; (got = in.read(piece.data(), kPiece)) > 0;) {
        lines += countLineEnds(piece.constData(), piece.constData() + got);
        out.write(piece.constData(), got);
    }
    out.write(extra);
    if (!out.flush() || ::fsync(out.handle()) != 0 || lines < 0)
        qFatal("cannot write the copy of %s", qPrintable(path));
    out.close();
    QFile::remove(path + QStringLiteral(".copy"));
    if (!QFile::rename(out.fileName(), path + QStringLiteral(".copy")))
        qFatal("cannot rename the copy of %s", qPrintable(path));
}

}  // namespace Limit
