#include "toolkit/Colour.h"

namespace Colour {

QColor toQColor(int colour) { return QColor(toQRgb(colour)); }

int fromQRgb(QRgb value) { return rgb(qRed(value), qGreen(value), qBlue(value)); }

int fromQColor(const QColor& colour) { return fromQRgb(colour.rgb()); }

}  // namespace Colour
