#include "window/controls/Fonts.h"

#include <cmath>

namespace Fonts {

QString substituteFor(const QString& designedFace)
{
    if (designedFace == QLatin1String("OpenSymbol"))
        return QStringLiteral("DejaVu Sans");
    return QStringLiteral("Liberation Sans");
}

int pixelSize(double points) { return int(std::lround(points * 96.0 / 72.0)); }

QFont designFont(const QString& designedFace, double points, bool bold)
{
    QFont font(substituteFor(designedFace));
    font.setPixelSize(pixelSize(points));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace Fonts
