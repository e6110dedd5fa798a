// Button faces: a brushed-metal plate with a bevel and a pictogram, in the
// three looks a button can have (up, pushed in, switched off).
#include "artwork.h"

#include <algorithm>

namespace art {

namespace {

const QColor kFaceMetal(152, 162, 177);
const QColor kPressedMetal(116, 125, 139);
const QColor kDisabledMetal(166, 168, 172);
const QColor kSlotFloor(30, 33, 40);

void line(QPainter &p, QColor c, int x1, int y1, int x2, int y2)
{
    p.setPen(c);
    p.drawLine(x1, y1, x2, y2);
}

// Light from the top left: bright upper and left edges, dark lower and
// right edges, two pixels each, so the plate stands out of the window.
void raisedBevel(QPainter &p, int w, int h)
{
    line(p, QColor(236, 241, 248), 0, 0, w - 1, 0);
    line(p, QColor(236, 241, 248), 0, 0, 0, h - 1);
    line(p, QColor(198, 206, 218), 1, 1, w - 2, 1);
    line(p, QColor(198, 206, 218), 1, 1, 1, h - 2);
    line(p, QColor(26, 28, 34), 0, h - 1, w - 1, h - 1);
    line(p, QColor(26, 28, 34), w - 1, 0, w - 1, h - 1);
    line(p, QColor(84, 92, 106), 1, h - 2, w - 2, h - 2);
    line(p, QColor(84, 92, 106), w - 2, 1, w - 2, h - 2);
}

// The same edges swapped: the plate now lies below the window's surface.
void sunkenBevel(QPainter &p, int w, int h)
{
    line(p, QColor(26, 28, 34), 0, 0, w - 1, 0);
    line(p, QColor(26, 28, 34), 0, 0, 0, h - 1);
    line(p, QColor(72, 79, 92), 1, 1, w - 2, 1);
    line(p, QColor(72, 79, 92), 1, 1, 1, h - 2);
    line(p, QColor(192, 200, 212), 0, h - 1, w - 1, h - 1);
    line(p, QColor(192, 200, 212), w - 1, 0, w - 1, h - 1);
}

void flatBorder(QPainter &p, int w, int h)
{
    p.setPen(QColor(118, 122, 130));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
}

// The pictogram on its own transparent layer, so that it can be greyed.
QImage pictogramLayer(QSize size, const QRectF &area, const Pictogram &draw)
{
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, area);
    return layer;
}

// A layer recoloured to one colour, keeping its coverage.
QImage tinted(const QImage &layer, QColor colour)
{
    QImage out = layer;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    return out;
}

// Greys a layer and pulls it towards the plate's tone: the pictogram stays
// recognisable but plainly out of use.
QImage greyed(const QImage &layer)
{
    QImage out = layer.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(row[x]);
            const int lum = qGray(row[x]);
            const int g = 96 + lum * 45 / 100;
            row[x] = qRgba(g, g, g + 4, a);
        }
    }
    return out;
}

}  // namespace

QImage buttonFace(QSize imageSize, QSize buttonSize, FaceState state,
                  const Pictogram &draw, std::uint32_t seed)
{
    const QColor metal = state == FaceState::Normal    ? kFaceMetal
                         : state == FaceState::Pressed ? kPressedMetal
                                                       : kDisabledMetal;
    QImage img(imageSize, QImage::Format_RGB32);
    img.fill(kSlotFloor);  // only seen where the picture is larger than the button
    const QImage plate = brushedMetal(buttonSize, metal, seed);
    QPainter p(&img);
    p.drawImage(0, 0, plate);

    const int w = buttonSize.width(), h = buttonSize.height();
    QRectF area(4, 4, w - 8, h - 8);
    if (state == FaceState::Pressed)
        area.translate(1, 1);  // content sinks with the plate
    const QImage layer = pictogramLayer(imageSize, area, draw);

    if (state == FaceState::Disabled) {
        const QImage grey = greyed(layer);
        p.drawImage(1, 1, tinted(layer, QColor(232, 234, 238, 170)));
        p.drawImage(0, 0, grey);
        flatBorder(p, w, h);
    } else {
        p.drawImage(0, 0, layer);
        if (state == FaceState::Pressed)
            sunkenBevel(p, w, h);
        else
            raisedBevel(p, w, h);
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

QImage arrowTile(int direction)
{
    QImage img = brushedMetal(QSize(17, 17), kFaceMetal, seedOf("tile") + direction);
    QPainter p(&img);
    p.setPen(QColor(58, 64, 76));
    p.drawRect(0, 0, 16, 16);
    drawChevrons(p, QRectF(2, 2, 13, 13), Dir(direction), 2);
    return img;
}

}  // namespace art
