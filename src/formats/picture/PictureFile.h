#pragma once
#include <QImage>
#include <QString>

// Picture files as the program reads them: a bitmap, PNG, GIF or JPEG, by
// the handlers' path, within limits that keep a hostile header from taking
// the memory it claims.
namespace PictureFile {

// The largest picture the program loads; larger claims in a file's header
// are refused before any memory is taken for them, and a picture that comes
// out larger than its header said is refused once read.
constexpr int kMaxPictureSide = 8192;
constexpr qint64 kMaxPicturePixels = 16 * 1024 * 1024;

struct LoadedPicture {
    QImage image;  // null when loading failed; always opaque
    QString error;
    bool tooLarge = false;  // refused for the size its header claims
    // For a picture with an alpha channel: a one-bit mask (Format_Mono)
    // that is 1 where the alpha is below 128. Those pixels are white in
    // image. Null for a picture without alpha.
    QImage seeThrough;
    bool notRegular = false;  // a folder, a device or a FIFO has the name
};

// Loads a picture file by the handlers' path (through FileAccess): a
// bitmap, PNG, GIF or JPEG.
LoadedPicture load(const QString& name);

}  // namespace PictureFile
