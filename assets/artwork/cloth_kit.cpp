// Tools shared by the garment drawers: outlines in body coordinates, the
// fabric look (fill, shadow, outline, seams) and the hard-edged pictures on
// a key colour.
#include "clothes.h"

#include <QTransform>

#include <algorithm>

namespace art {

Fabric fabric(QColor base)
{
    return {base, base.darker(122), base.darker(240)};
}

Layer::Layer(QRect onBody) : area(onBody), image(onBody.size(), QImage::Format_ARGB32_Premultiplied)
{
    image.fill(Qt::transparent);
}

void beginOnBody(QPainter &p, Layer &layer)
{
    p.begin(&layer.image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-layer.area.topLeft());
}

QPainterPath smoothShape(const QVector<QPointF> &pts)
{
    // Catmull-Rom through the points, turned into cubic Bezier pieces, as
    // the body itself is drawn; a repeated point gives a corner.
    const int n = pts.size();
    QPainterPath path(pts[0]);
    for (int i = 0; i < n; ++i) {
        const QPointF p0 = pts[(i - 1 + n) % n], p1 = pts[i];
        const QPointF p2 = pts[(i + 1) % n], p3 = pts[(i + 2) % n];
        if (p1 == p2)
            continue;
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    path.closeSubpath();
    return path;
}

QPainterPath symmetric(const QVector<QPointF> &rightHalf)
{
    QVector<QPointF> all = rightHalf;
    for (int i = rightHalf.size() - 2; i >= 1; --i)
        all.append(QPointF(200 - rightHalf[i].x(), rightHalf[i].y()));
    return smoothShape(all);
}

QPainterPath mirroredShape(const QPainterPath &path)
{
    return QTransform(-1, 0, 0, 1, 200, 0).map(path);
}

void fillPiece(QPainter &p, const QPainterPath &shape, const Fabric &f)
{
    p.fillPath(shape, f.base);
}

void shadeSide(QPainter &p, const QPainterPath &shape, qreal width)
{
    // The strip along every right-facing edge, darkened over whatever is
    // printed there: the side turned away from the light gives the garment
    // some roundness.
    const QPainterPath side = shape.subtracted(shape.translated(-width, 0));
    p.fillPath(side, QColor(20, 16, 60, 46));
}

void outlinePiece(QPainter &p, const QPainterPath &shape, const Fabric &f, qreal width)
{
    p.strokePath(shape, QPen(f.line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void seam(QPainter &p, const QPainterPath &path, QColor colour, qreal width)
{
    p.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

namespace {

// A colour one step away from the key, for the rare garment pixel that
// would otherwise vanish with the background.
QRgb offKey(QRgb c)
{
    auto step = [](int v) { return v >= 128 ? v - 5 : v + 5; };
    return qRgb(step(qRed(c)), step(qGreen(c)), step(qBlue(c)));
}

}  // namespace

QImage keyedPictureOn(const QImage &layer, QSize canvas, QPoint at, QColor key)
{
    const QRgb keyRgb = key.rgb();
    QImage out(canvas, QImage::Format_RGB32);
    out.fill(keyRgb);
    const QImage src = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            // Half covered or more belongs to the garment, in its own
            // colour; the rest is background. No pixel is a mix of both.
            if (qAlpha(row[x]) < 128 || !out.rect().contains(at.x() + x, at.y() + y))
                continue;
            QRgb c = qUnpremultiply(row[x]) | 0xff000000u;
            if ((c & 0xffffffu) == (keyRgb & 0xffffffu))
                c = offKey(c);
            out.setPixel(at.x() + x, at.y() + y, c);
        }
    }
    return out;
}

QImage keyedPicture(const QImage &layer, QColor key)
{
    return keyedPictureOn(layer, layer.size(), QPoint(0, 0), key);
}

}  // namespace art
