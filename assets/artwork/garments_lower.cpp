// Garments for the lower body: the pleated skirt (waist to above the knees)
// and a pair of strap shoes.
#include "clothes.h"

#include <QPolygonF>

namespace art {

namespace {

// ---- pleated skirt ------------------------------------------------------------

const qreal kBandTop = 193, kBandBottom = 204;

QPainterPath skirtShape()
{
    // A waistband round the waist, then the skirt widening over the hips
    // to a hem well above the knees (they are at y 330).
    return symmetric({{100, kBandTop}, {114, kBandTop}, {129, kBandTop + 1},
                      {129, kBandTop + 1}, {129, kBandBottom}, {136, 218}, {144, 240},
                      {150, 265}, {154, 292}, {154, 292}, {128, 297}, {100, 299}});
}

// The hem's height at x: the hem curves a little lower in the middle.
qreal hemY(qreal x)
{
    const qreal t = (x - 100) / 54;
    return 299 - 7 * t * t;
}

// Knife pleats: each pleat is a panel from the waistband to the hem, the
// folded-under part of it in shadow, with a dark crease between panels.
void pleats(QPainter &p, const QPainterPath &skirt, const Fabric &cloth)
{
    const int count = 11;
    const qreal topLeft = 70, topRight = 130, hemLeft = 44, hemRight = 156;
    p.save();
    p.setClipPath(skirt);
    for (int i = 0; i < count; ++i) {
        const qreal t0 = qreal(i) / count, t1 = qreal(i + 1) / count;
        const qreal tFold = t0 + (t1 - t0) * 0.62;
        auto top = [&](qreal t) { return QPointF(topLeft + (topRight - topLeft) * t, kBandBottom); };
        auto hem = [&](qreal t) {
            const qreal x = hemLeft + (hemRight - hemLeft) * t;
            return QPointF(x, hemY(x) + 2);
        };
        const QPolygonF fold({top(tFold), top(t1), hem(t1), hem(tFold)});
        p.setPen(Qt::NoPen);
        p.setBrush(cloth.shade);
        p.drawPolygon(fold);
        QPainterPath crease(top(t1));
        crease.lineTo(hem(t1));
        seam(p, crease, cloth.line, 1.0);
        QPainterPath edge(top(tFold));
        edge.lineTo(hem(tFold));
        seam(p, edge, cloth.base.lighter(118), 0.8);
    }
    p.restore();
}

void waistband(QPainter &p, const QPainterPath &skirt, const Fabric &cloth)
{
    p.save();
    p.setClipPath(skirt);
    p.fillRect(QRectF(60, kBandTop - 2, 80, kBandBottom - kBandTop + 2), cloth.base.darker(112));
    p.setPen(QPen(cloth.line, 1.2));
    p.drawLine(QPointF(60, kBandBottom), QPointF(140, kBandBottom));
    p.restore();
    // A button at the side and a belt loop either side of the front.
    p.setPen(QPen(QColor(150, 120, 40), 1.0));
    p.setBrush(QColor(236, 200, 96));
    p.drawEllipse(QPointF(121, 198.5), 2.4, 2.4);
    p.setPen(QPen(cloth.line, 1.0));
    p.setBrush(cloth.base.darker(104));
    for (qreal x : {84.0, 116.0})
        p.drawRect(QRectF(x - 1.5, kBandTop - 0.5, 3, kBandBottom - kBandTop + 2));
}

// ---- shoes --------------------------------------------------------------------

// The shoe of the wearer's left foot (seen on the right of the picture):
// the toe points a little outwards, as the foot does.
QPainterPath shoeShape()
{
    return smoothShape({{109, 419}, {114, 420.5}, {120, 421.5}, {126, 419}, {131, 420},
                        {137, 423}, {142, 428}, {143.5, 433}, {140, 437.5}, {128, 439.5},
                        {115, 439}, {109, 437}, {107.5, 430}});
}

QPainterPath strapShape()
{
    QPainterPath strap;
    strap.addRoundedRect(QRectF(108.5, 412.5, 20.5, 4.5), 2, 2);
    return strap;
}

void paintShoe(QPainter &p, const Fabric &leather)
{
    const QPainterPath shoe = shoeShape();
    fillPiece(p, shoe, leather);
    p.save();
    p.setClipPath(shoe);
    // The sole shows as a dark rim along the bottom; a gleam on the toe.
    p.fillRect(QRectF(100, 436, 50, 6), leather.line);
    p.setPen(QPen(QColor(252, 214, 214), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(124, 424, 14, 9), 70 * 16, 70 * 16);
    p.restore();
    QPainterPath throat(QPointF(110, 422));
    throat.quadTo(120, 425, 130, 421.5);
    seam(p, throat, leather.shade, 1.2);
    const QPainterPath strap = strapShape();
    fillPiece(p, strap, leather);
    outlinePiece(p, strap, leather, 1.2);
    p.setPen(QPen(QColor(150, 120, 40), 0.9));
    p.setBrush(QColor(240, 206, 100));
    p.drawEllipse(QPointF(126, 414.7), 1.6, 1.6);
    // The strap ends are sewn into the shoe's sides.
    for (qreal x : {109.5, 128.0}) {
        QPainterPath tab(QPointF(x, 416.5));
        tab.lineTo(x + (x < 115 ? -0.5 : 1.5), 421);
        seam(p, tab, leather.base, 3.4);
    }
    shadeSide(p, shoe, 4);
    outlinePiece(p, shoe, leather, 1.6);
}

}  // namespace

Layer pleatedSkirt(const Fabric &cloth)
{
    Layer layer(QRect(43, 190, 114, 112));
    QPainter p;
    beginOnBody(p, layer);
    const QPainterPath skirt = skirtShape();
    fillPiece(p, skirt, cloth);
    pleats(p, skirt, cloth);
    waistband(p, skirt, cloth);
    shadeSide(p, skirt, 4);
    outlinePiece(p, skirt, cloth);
    return layer;
}

Layer shoes(const Fabric &leather)
{
    Layer layer(QRect(54, 410, 92, 31));
    QPainter p;
    beginOnBody(p, layer);
    paintShoe(p, leather);
    p.save();
    p.setTransform(QTransform(-1, 0, 0, 1, 200, 0), true);
    paintShoe(p, leather);
    p.restore();
    return layer;
}

}  // namespace art
