#include "formats/picture/PictureFile.h"

#include "formats/files/FileAccess.h"

#include <QFile>
#include <QImageReader>

namespace {

// A little-endian field of a Windows bitmap's file and info header.
qint64 headerField(const QByteArray& head, int at, int size)
{
    qint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value * 256 + static_cast<unsigned char>(head.at(at + i));
    return value;
}

bool hasInfoHeader(const QByteArray& head)
{
    return head.size() >= 34 && head.startsWith("BM") && headerField(head, 14, 4) >= 40;
}

// The size a Windows bitmap's header claims, or an invalid size. Qt gives
// no size at all for claims beyond its own limits.
QSize bitmapClaim(const QByteArray& head)
{
    if (!hasInfoHeader(head))
        return QSize();
    // Top-down rows claim a negative height; the lowest one has no positive
    // counterpart in an int and is held at the largest, which is too large.
    const qint64 rows = qAbs(qint64(qint32(headerField(head, 22, 4))));
    return QSize(qint32(headerField(head, 18, 4)), int(qMin<qint64>(rows, std::numeric_limits<int>::max())));
}

// Whether an uncompressed Windows bitmap holds fewer pixel bytes than its
// header claims. Qt reads such a file without complaint and leaves the
// missing rows black.
bool bitmapCutShort(const QByteArray& head, qint64 fileSize)
{
    const qint64 compression = hasInfoHeader(head) ? headerField(head, 30, 4) : -1;
    if (compression != 0 && compression != 3)  // BI_RGB, BI_BITFIELDS
        return false;
    const QSize claim = bitmapClaim(head);
    const qint64 stride = (qint64(claim.width()) * headerField(head, 28, 2) + 31) / 32 * 4;
    return fileSize < headerField(head, 10, 4) + stride * claim.height();
}

bool beyondLimits(QSize size)
{
    return size.width() > PictureFile::kMaxPictureSide || size.height() > PictureFile::kMaxPictureSide ||
           qint64(size.width()) * size.height() > PictureFile::kMaxPicturePixels;
}

// A pixel less than half opaque is see-through and shows white; the rest
// keep their colour, fully opaque.
PictureFile::LoadedPicture splitAlpha(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QImage seeThrough(image.size(), QImage::Format_Mono);
    seeThrough.setColor(0, qRgb(255, 255, 255));
    seeThrough.setColor(1, qRgb(0, 0, 0));
    seeThrough.fill(0);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 128) {
                line[x] = qRgb(255, 255, 255);
                seeThrough.setPixel(x, y, 1);
            } else {
                line[x] |= 0xFF000000u;
            }
        }
    }
    return {image.convertToFormat(QImage::Format_RGB32), QString(), false, seeThrough};
}

}  // namespace

namespace PictureFile {

LoadedPicture load(const QString& name)
{
    const QString path = FileAccess::resolvePath(name);
    QFile file(path);
    // A picture may be reached through a link, but it must be a regular
    // file: a FIFO named like a picture would keep the program waiting.
    bool notRegular = false;
    const FileAccess::Result opened = FileAccess::openRegular(file, path, FileAccess::Links::Follow, &notRegular);
    if (!opened) {
        LoadedPicture refused{QImage(), opened.error};
        refused.notRegular = notRegular;
        return refused;
    }

    const QByteArray head = file.peek(34);
    QImageReader reader(&file);
    // A bitmap stored top-down claims a negative height.
    const QSize size = reader.size();
    const QSize claimed = size.width() >= 0 ? QSize(size.width(), qAbs(size.height())) : bitmapClaim(head);
    if (!claimed.isValid())
        return {QImage(), reader.errorString()};
    if (beyondLimits(claimed))
        return {QImage(), QStringLiteral("picture too large"), true};
    if (bitmapCutShort(head, file.size()))
        return {QImage(), QStringLiteral("picture file cut short")};

    QImage image = reader.read();
    if (image.isNull())
        return {QImage(), reader.errorString()};
    // Qt gives a GIF's size as that of its first frame but returns the whole
    // screen, which may be far larger: what was read is measured as well.
    if (beyondLimits(image.size()))
        return {QImage(), QStringLiteral("picture too large"), true};
    if (!image.hasAlphaChannel())
        return {image.convertToFormat(QImage::Format_RGB32), QString()};
    return splitAlpha(image);
}

}  // namespace PictureFile
