#pragma once
#include <QFont>
#include <QString>

// The window was designed with Windows faces that Debian does not ship.
// Each is drawn with a free face of the same kind: "MS Sans Serif",
// "Microsoft Sans Serif" and "Arial" with Liberation Sans (Arial's metrics),
// "OpenSymbol", which holds no letters, with DejaVu Sans, the face the
// system draws letters with when a symbol font has none.
namespace Fonts {

// The face actually used for a designed face.
QString substituteFor(const QString& designedFace);

// A font of the designed face and size in points, measured as on the design
// screen (96 pixels to the inch), so that texts take the same room at any
// screen resolution. The designed face is kept in the font's style name
// field of the control table, not here.
QFont designFont(const QString& designedFace, double points, bool bold = false);

// Pixel height of a size in points on the design screen.
int pixelSize(double points);

}  // namespace Fonts
