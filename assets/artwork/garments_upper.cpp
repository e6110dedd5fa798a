// Garments for the upper body: the summer dress (shoulders to knees), the
// striped top (shoulders to just below the waist, short sleeves) and the
// open denim jacket (shoulders to hips, long sleeves). Outlines keep two or
// three pixels outside the body's own outline so that it is covered.
#include "clothes.h"

namespace art {

namespace {

// ---- summer dress -----------------------------------------------------------

QPainterPath dressShape()
{
    // Broad straps over the shoulders, a fitted bodice, a skirt that flares
    // from the waist and ends just above the knees, clear of the hands.
    return symmetric({{100, 127}, {107, 125}, {112, 118}, {113, 104}, {113, 104},
                      {131, 103}, {131, 103}, {136, 112}, {140, 126}, {141, 140},
                      {138, 154}, {133, 176}, {128, 197}, {134, 214}, {144, 240},
                      {152, 268}, {159, 297}, {164, 317}, {164, 317}, {134, 323},
                      {100, 325}});
}

void dressDots(QPainter &p, const QPainterPath &dress, QColor dots)
{
    p.save();
    p.setClipPath(dress);
    p.setPen(Qt::NoPen);
    p.setBrush(dots);
    for (int row = 0; row * 12 < 230; ++row) {
        const qreal y = 108 + row * 12;
        const qreal shift = (row % 2) * 6.5;
        for (qreal x = 34 + shift; x < 170; x += 13)
            p.drawEllipse(QPointF(x, y), 2.1, 2.1);
    }
    p.restore();
}

// Soft folds falling from the waist into the skirt.
void dressFolds(QPainter &p, const QPainterPath &dress, QColor shade)
{
    p.save();
    p.setClipPath(dress);
    const qreal tops[] = {82, 91, 109, 118};
    const qreal bottoms[] = {62, 84, 116, 139};
    for (int i = 0; i < 4; ++i) {
        QPainterPath fold(QPointF(tops[i], 214));
        fold.quadTo(tops[i] + (bottoms[i] - tops[i]) * 0.3, 270, bottoms[i], 322);
        seam(p, fold, shade, 1.4);
    }
    p.restore();
}

// A sash around the waist with a bow at the front, and a band of the same
// colour just above the hem.
void dressTrim(QPainter &p, const QPainterPath &dress, const Fabric &sash)
{
    p.save();
    p.setClipPath(dress);
    QPainterPath band(QPointF(20, 303));
    band.quadTo(100, 318, 180, 303);
    seam(p, band, sash.base, 4.0);
    p.fillRect(QRectF(60, 192, 80, 10), sash.base);
    p.setPen(QPen(sash.line, 1.2));
    p.drawLine(QPointF(60, 192), QPointF(140, 192));
    p.drawLine(QPointF(60, 202), QPointF(140, 202));
    p.restore();

    // The bow: two loops, two tails and a knot.
    const QPainterPath loops = smoothShape({{100, 197}, {92, 190}, {85, 193}, {86, 203},
                                            {100, 198}, {114, 203}, {115, 193}, {108, 190}});
    const QPainterPath tails = smoothShape({{98, 199}, {91, 214}, {96, 216}, {100, 203},
                                            {104, 216}, {109, 214}, {102, 199}});
    for (const QPainterPath &part : {tails, loops}) {
        p.fillPath(part, sash.base);
        outlinePiece(p, part, sash, 1.2);
    }
    QPainterPath knot;
    knot.addEllipse(QPointF(100, 197.5), 3.2, 3.8);
    p.fillPath(knot, sash.shade);
    outlinePiece(p, knot, sash, 1.1);
}

// ---- striped top ------------------------------------------------------------

QPainterPath topShape()
{
    // A crew neck round the base of the neck, short sleeves over the upper
    // arms, a loose body whose hem lies a little below the waist.
    return symmetric({{100, 107}, {106, 106}, {110, 102}, {111, 97}, {111, 97},
                      {124, 100}, {137, 104}, {148, 108}, {155, 116}, {159, 132},
                      {161, 152}, {161, 152}, {141, 148}, {141, 148}, {138, 158},
                      {135, 178}, {132, 196}, {133, 208}, {134, 216}, {134, 216},
                      {116, 218}, {100, 219}});
}

void topStripes(QPainter &p, const QPainterPath &top, const Fabric &stripe)
{
    p.save();
    p.setClipPath(top);
    for (qreal y = 113; y < 222; y += 10)
        p.fillRect(QRectF(30, y, 140, 4.5), stripe.base);
    // Ribbed bands in the stripe colour at the neck and on the sleeves.
    QPainterPath neck(QPointF(88, 97));
    neck.cubicTo(90, 110, 110, 110, 112, 97);
    seam(p, neck, stripe.base, 7);
    for (int side : {1, -1}) {
        QPainterPath cuff(QPointF(100 + side * 140.5, 146.5));
        cuff.lineTo(100 + side * 162, 150.5);
        seam(p, cuff, stripe.base, 5);
    }
    p.restore();
}

void topSeams(QPainter &p, const Fabric &cloth, const Fabric &stripe)
{
    // Where the sleeves are sewn on, and the inner edge of the neckband.
    for (int side : {1, -1}) {
        QPainterPath armhole(QPointF(100 + side * 146, 108));
        armhole.quadTo(100 + side * 143, 128, 100 + side * 139.5, 148);
        seam(p, armhole, cloth.shade, 1.2);
        QPainterPath cuffLine(QPointF(100 + side * 141, 143.5));
        cuffLine.lineTo(100 + side * 160.5, 147.5);
        seam(p, cuffLine, stripe.line, 1.0);
    }
    // The neckband's lower edge: its curve moved down by half its width.
    QPainterPath neckband(QPointF(88, 100.5));
    neckband.cubicTo(90, 113.5, 110, 113.5, 112, 100.5);
    p.save();
    p.setClipPath(topShape());
    seam(p, neckband, stripe.line, 1.0);
    p.restore();
    QPainterPath hemFold(QPointF(70, 209));
    hemFold.quadTo(100, 213, 130, 209);
    seam(p, hemFold, cloth.shade, 1.0);
}

// ---- denim jacket -----------------------------------------------------------

// The wearer's left half of the open jacket (seen on the right of the
// picture): the front from the lapel to the side seam, and the sleeve down
// to the wrist. The other half is its mirror image.
QPainterPath jacketHalf()
{
    return smoothShape({{111, 96}, {111, 96}, {122, 99}, {134, 102}, {146, 106}, {153, 113},
                        {157, 127}, {159, 145}, {161, 166}, {164, 190}, {167, 212},
                        {171, 231}, {174, 240}, {174, 240}, {156, 243}, {156, 243},
                        {153, 224}, {149, 203}, {145, 182}, {141.5, 163}, {139, 150},
                        {139, 150}, {137, 164}, {134, 186}, {133, 205}, {135, 220},
                        {136, 228}, {136, 228}, {109, 230}, {109, 230}, {110, 180},
                        {111.5, 141}, {111.5, 141}, {107, 113}, {107.5, 103}});
}

QPainterPath jacketCollar()
{
    return smoothShape({{111, 95.5}, {111, 95.5}, {121, 102}, {123, 118}, {113, 140},
                        {113, 140}, {107.5, 113}, {108, 103}});
}

void jacketBands(QPainter &p, const QPainterPath &half, const Fabric &cloth)
{
    p.save();
    p.setClipPath(half);
    p.fillRect(QRectF(100, 218, 40, 14), cloth.shade);
    const QPolygonF cuff({{150, 233}, {170, 228.5}, {178, 250}, {150, 250}});
    p.setPen(Qt::NoPen);
    p.setBrush(cloth.shade);
    p.drawPolygon(cuff);
    p.restore();
    p.setPen(QPen(cloth.line, 1.1));
    p.drawLine(QPointF(109.5, 218), QPointF(135, 217));
    p.drawLine(QPointF(154.5, 233.5), QPointF(171, 229));
}

// A patch pocket on the chest, its flap buttoned down over it.
void jacketPocket(QPainter &p, const Fabric &cloth, QColor stitching)
{
    QPainterPath patch;
    patch.addRoundedRect(QRectF(116.5, 147, 14, 18), 1.5, 1.5);
    p.fillPath(patch, cloth.base.lighter(106));
    outlinePiece(p, patch, cloth, 1.0);
    QPen stitch(stitching, 1.0);
    stitch.setDashPattern({2.5, 2});
    p.setPen(stitch);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(118.5, 149, 10, 14), 1, 1);
    const QPainterPath flap = smoothShape({{115.5, 146}, {115.5, 146}, {131.5, 146}, {131.5, 146},
                                           {131.5, 152}, {131.5, 152}, {123.5, 156}, {123.5, 156},
                                           {115.5, 152}, {115.5, 152}});
    p.fillPath(flap, cloth.shade);
    outlinePiece(p, flap, cloth, 1.0);
}

// Everything that belongs to one half; drawn once as it is and once
// mirrored.
void jacketHalfDetails(QPainter &p, const Fabric &cloth, QColor stitching)
{
    const QPainterPath half = jacketHalf();
    jacketBands(p, half, cloth);
    jacketPocket(p, cloth, stitching);
    QPen stitch(stitching, 1.0);
    stitch.setDashPattern({2.5, 2});
    p.setPen(stitch);
    p.setBrush(Qt::NoBrush);
    // The yoke across the chest and the seam where the sleeve is set in.
    QPainterPath yoke(QPointF(118, 138));
    yoke.quadTo(130, 134, 143, 134);
    p.drawPath(yoke);
    QPainterPath armhole(QPointF(146.5, 107));
    armhole.quadTo(144, 128, 140.5, 149);
    seam(p, armhole, cloth.line, 1.0);
    p.setPen(stitch);
    p.drawLine(QPointF(113.5, 145), QPointF(112.5, 216));
    p.drawLine(QPointF(110, 222), QPointF(135, 221.5));
    // A crease at the elbow.
    QPainterPath crease(QPointF(150, 190));
    crease.quadTo(155, 187, 160, 189);
    seam(p, crease, cloth.shade.darker(115), 1.1);
    const QPainterPath collar = jacketCollar();
    p.fillPath(collar, cloth.shade);
    outlinePiece(p, collar, cloth, 1.1);
}

void jacketButtons(QPainter &p)
{
    const QColor copper(196, 128, 64);
    p.setPen(QPen(copper.darker(200), 1.0));
    p.setBrush(copper);
    for (qreal y : {170.0, 194.0, 224.5})
        p.drawEllipse(QPointF(115.5, y), 2.3, 2.3);
    for (int side : {1, -1})
        p.drawEllipse(QPointF(100 + side * 123.5, 152.5), 1.7, 1.7);
}

}  // namespace

Layer summerDress(const Fabric &cloth, const Fabric &sash, QColor dots)
{
    Layer layer(QRect(34, 100, 132, 228));
    QPainter p;
    beginOnBody(p, layer);
    const QPainterPath dress = dressShape();
    fillPiece(p, dress, cloth);
    dressDots(p, dress, dots);
    dressFolds(p, dress, cloth.shade);
    dressTrim(p, dress, sash);
    shadeSide(p, dress);
    outlinePiece(p, dress, cloth);
    return layer;
}

Layer stripedTop(const Fabric &cloth, const Fabric &stripe)
{
    Layer layer(QRect(36, 94, 128, 128));
    QPainter p;
    beginOnBody(p, layer);
    const QPainterPath top = topShape();
    fillPiece(p, top, cloth);
    topStripes(p, top, stripe);
    topSeams(p, cloth, stripe);
    shadeSide(p, top);
    outlinePiece(p, top, cloth);
    return layer;
}

Layer denimJacket(const Fabric &cloth, QColor stitching)
{
    Layer layer(QRect(24, 92, 153, 154));
    QPainter p;
    beginOnBody(p, layer);
    const QPainterPath jacket = jacketHalf().united(mirroredShape(jacketHalf()));
    fillPiece(p, jacket, cloth);
    jacketHalfDetails(p, cloth, stitching);
    p.save();
    p.setTransform(QTransform(-1, 0, 0, 1, 200, 0), true);
    jacketHalfDetails(p, cloth, stitching);
    p.restore();
    jacketButtons(p);
    shadeSide(p, jacket);
    outlinePiece(p, jacket, cloth);
    return layer;
}

}  // namespace art
