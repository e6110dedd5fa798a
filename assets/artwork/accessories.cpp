// Accessories: a wide-brimmed straw sun hat, a striped knitted scarf and a
// pair of sunglasses.
#include "clothes.h"

#include <QLinearGradient>

namespace art {

namespace {

// ---- sun hat --------------------------------------------------------------

// The brim is seen a little from above, so it is a flat ellipse round the
// crown's base; it ends above the eyebrows (y 47).
QPainterPath brimShape()
{
    QPainterPath brim;
    brim.addEllipse(QPointF(100, 33), 64, 11);
    return brim;
}

QPainterPath crownShape()
{
    // The crown sits on the hair (its top at y 15) and is as wide as the
    // head, so no hair shows above the brim.
    QPainterPath crown(QPointF(63, 33));
    crown.cubicTo(61, 13, 78, 3.5, 100, 3.5);
    crown.cubicTo(122, 3.5, 139, 13, 137, 33);
    crown.quadTo(100, 45, 63, 33);
    return crown;
}

void strawTexture(QPainter &p, const QPainterPath &area, QColor shade, bool brim)
{
    p.save();
    p.setClipPath(area);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade, 0.8));
    if (brim) {
        for (qreal r = 45; r < 64; r += 4.5)
            p.drawEllipse(QPointF(100, 33), r, r * 11 / 64);
    } else {
        for (qreal y = 11; y < 30; y += 5.5) {
            QPainterPath row(QPointF(55, y));
            row.quadTo(100, y + 4, 145, y);
            p.drawPath(row);
        }
    }
    p.restore();
}

void hatBow(QPainter &p, const Fabric &ribbon)
{
    const QPainterPath tails = smoothShape({{129, 31}, {135, 44}, {139, 42.5}, {132, 30},
                                            {140, 41}, {144, 38}, {134, 29}});
    const QPainterPath loops = smoothShape({{131, 29}, {125, 21.5}, {121, 25}, {123, 33},
                                            {131, 30}, {140, 35}, {143, 28}, {137, 23}});
    for (const QPainterPath &part : {tails, loops}) {
        fillPiece(p, part, ribbon);
        outlinePiece(p, part, ribbon, 1.2);
    }
    QPainterPath knot;
    knot.addEllipse(QPointF(131.5, 29.5), 2.8, 3.2);
    p.fillPath(knot, ribbon.shade);
    outlinePiece(p, knot, ribbon, 1.0);
}

// ---- scarf ----------------------------------------------------------------

QPainterPath scarfWrap()
{
    // Wound once round the base of the neck.
    return smoothShape({{84, 94}, {92, 98.5}, {100, 99.5}, {108, 98.5}, {116, 94},
                        {117.5, 101}, {114, 109}, {106, 113.5}, {100, 114.5},
                        {94, 113.5}, {86, 109}, {82.5, 101}});
}

QPainterPath scarfLongEnd()
{
    return smoothShape({{87, 105}, {87, 105}, {100, 107}, {100, 107}, {98.5, 150}, {100, 196},
                        {100, 196}, {84, 197}, {84, 197}, {84.5, 150}});
}

QPainterPath scarfShortEnd()
{
    return smoothShape({{100, 107}, {100, 107}, {111, 105}, {111, 105}, {113.5, 140},
                        {118, 177}, {118, 177}, {105, 179}, {105, 179}, {103, 140}});
}

// Knitted stripes across the ends, along the wrap, and a fringe below.
void scarfEnd(QPainter &p, const QPainterPath &end, const Fabric &first, const Fabric &second,
              qreal bottom, qreal left, qreal right)
{
    fillPiece(p, end, first);
    p.save();
    p.setClipPath(end);
    for (qreal y = 116; y < bottom - 4; y += 11) {
        p.fillRect(QRectF(70, y, 60, 5.5), second.base);
        p.fillRect(QRectF(70, y + 5.5, 60, 0.8), second.shade);
    }
    p.restore();
    for (qreal x = left + 1.5; x <= right - 1; x += 2.6) {
        QPainterPath strand(QPointF(x, bottom - 1));
        strand.lineTo(x + 0.4, bottom + 5.5);
        seam(p, strand, first.line, 1.6);
    }
    shadeSide(p, end, 3);
    outlinePiece(p, end, first, 1.4);
}

void scarfWrapPiece(QPainter &p, const Fabric &first, const Fabric &second)
{
    const QPainterPath wrap = scarfWrap();
    fillPiece(p, wrap, first);
    p.save();
    p.setClipPath(wrap);
    for (qreal x = 84; x < 118; x += 11)
        p.fillRect(QRectF(x, 90, 5.5, 30), second.base);
    p.restore();
    shadeSide(p, wrap, 3);
    outlinePiece(p, wrap, first, 1.4);
}

}  // namespace

Layer sunHat(const Fabric &straw, const Fabric &ribbon)
{
    Layer layer(QRect(34, 0, 132, 46));
    QPainter p;
    beginOnBody(p, layer);
    const QPainterPath brim = brimShape(), crown = crownShape();
    fillPiece(p, brim, straw);
    strawTexture(p, brim, straw.shade, true);
    // The crown's shadow falls on the brim in front of it.
    QPainterPath shadow;
    shadow.addEllipse(QPointF(103, 37), 42, 7);
    p.save();
    p.setClipPath(brim);
    p.fillPath(shadow, QColor(90, 60, 20, 70));
    p.restore();
    outlinePiece(p, brim, straw, 1.8);

    fillPiece(p, crown, straw);
    strawTexture(p, crown, straw.shade, false);
    const QPainterPath band = crown.subtracted(crown.translated(0, -7));
    fillPiece(p, band, ribbon);
    shadeSide(p, crown, 5);
    outlinePiece(p, crown, straw, 1.8);
    hatBow(p, ribbon);
    return layer;
}

Layer scarf(const Fabric &first, const Fabric &second)
{
    Layer layer(QRect(80, 90, 42, 115));
    QPainter p;
    beginOnBody(p, layer);
    scarfEnd(p, scarfShortEnd(), first, second, 178, 105, 118);
    scarfEnd(p, scarfLongEnd(), first, second, 196.5, 84, 100);
    scarfWrapPiece(p, first, second);
    return layer;
}

Layer sunglasses()
{
    Layer layer(QRect(72, 51, 56, 17));
    QPainter p;
    beginOnBody(p, layer);
    const QColor frame(46, 34, 44);
    QPen framePen(frame, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPainterPath arms(QPointF(82, 57));
    arms.lineTo(73.5, 55.5);
    arms.moveTo(118, 57);
    arms.lineTo(126.5, 55.5);
    arms.moveTo(98.5, 57.5);
    arms.quadTo(100, 55, 101.5, 57.5);
    p.strokePath(arms, framePen);
    for (qreal x : {81.5, 101.5}) {
        QPainterPath lens;
        lens.addRoundedRect(QRectF(x, 53.5, 17, 11.5), 4.5, 4.5);
        QLinearGradient tint(x, 53.5, x + 6, 65);
        tint.setColorAt(0, QColor(36, 62, 86));
        tint.setColorAt(1, QColor(86, 146, 168));
        p.fillPath(lens, tint);
        // A gleam across the glass.
        p.save();
        p.setClipPath(lens);
        p.setPen(QPen(QColor(206, 232, 240, 190), 1.6));
        p.drawLine(QPointF(x + 4, 65), QPointF(x + 11, 53));
        p.restore();
        p.strokePath(lens, framePen);
    }
    return layer;
}

}  // namespace art
