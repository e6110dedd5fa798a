#include "formats/picture/Colour.h"

namespace Colour {

QColor toQColor(int colour) { return QColor(toQRgb(colour)); }

int fromQColor(const QColor& colour) { return fromQRgb(colour.rgb()); }

}  // namespace Colour
