#include "toolkit/Colour.h"

namespace Colour {

QRgb toQRgb(int colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QColor toQColor(int colour) { return QColor(toQRgb(colour)); }

int fromQRgb(QRgb value) { return rgb(qRed(value), qGreen(value), qBlue(value)); }

int fromQColor(const QColor& colour) { return fromQRgb(colour.rgb()); }

}  // namespace Colour
