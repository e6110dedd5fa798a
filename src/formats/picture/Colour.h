#pragma once
#include <QColor>
#include <QRgb>

// The handlers speak of colours as red + 256 x green + 65536 x blue.
// Qt's QRgb is 0xAARRGGBB, so red and blue trade places; the conversion
// happens here and nowhere else.
namespace Colour {

constexpr int White = 16777215;
constexpr int Purple = 16711935;
constexpr int NeutralGrey = 6579300;

constexpr int rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

// Inline: painting an item converts every one of its pixels.
constexpr QRgb toQRgb(int colour)
{
    return 0xFF000000u | (QRgb(colour & 0xFF) << 16) | (QRgb(colour) & 0xFF00u) | ((QRgb(colour) >> 16) & 0xFFu);
}
QColor toQColor(int colour);
constexpr int fromQRgb(QRgb value) { return rgb(qRed(value), qGreen(value), qBlue(value)); }
int fromQColor(const QColor& colour);

}  // namespace Colour
