// The default project's body picture: a young woman in a plain leotard,
// standing straight, arms a little away from her sides, feet apart. Clothes
// are later painted over her at fixed offsets, so her pose is symmetric
// about x = 100 and her landmarks sit at even heights: shoulders at about
// y 105, waist y 200, hips y 235, knees y 330, soles y 434.
#include "artwork.h"

#include <QPainterPath>

namespace art {

namespace {

const QColor kSkin(250, 216, 190);
const QColor kLine(96, 60, 50);
const QColor kHair(122, 74, 38);
const QColor kLeotard(132, 170, 226);

// A smooth closed curve through the points (Catmull-Rom turned into
// cubic Bezier pieces), so the body can be given as a list of landmarks.
QPainterPath smoothClosed(const QVector<QPointF> &pts)
{
    const int n = pts.size();
    QPainterPath path(pts[0]);
    for (int i = 0; i < n; ++i) {
        const QPointF p0 = pts[(i - 1 + n) % n], p1 = pts[i];
        const QPointF p2 = pts[(i + 1) % n], p3 = pts[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    path.closeSubpath();
    return path;
}

// The right half of an outline, from the top of the centre line to its
// bottom, completed by its mirror image on the left.
QVector<QPointF> mirrored(const QVector<QPointF> &rightHalf)
{
    QVector<QPointF> all = rightHalf;
    for (int i = rightHalf.size() - 2; i >= 1; --i)
        all.append(QPointF(200 - rightHalf[i].x(), rightHalf[i].y()));
    return all;
}

// A limb of the right side and its twin on the left.
QPainterPath pair(const QVector<QPointF> &right)
{
    QVector<QPointF> left;
    for (const QPointF &p : right)
        left.append(QPointF(200 - p.x(), p.y()));
    return smoothClosed(right).united(smoothClosed(left));
}

QPainterPath head()
{
    return smoothClosed(mirrored({{100, 24}, {116, 27}, {125, 41}, {126, 60},
                                  {120, 77}, {109, 87}, {100, 89}}));
}

QPainterPath torso()
{
    return smoothClosed(mirrored({{100, 97}, {111, 98}, {120, 102}, {133, 105}, {143, 109},
                                  {148, 117}, {145, 128}, {139, 139}, {134, 155}, {129, 176},
                                  {125, 198}, {128, 214}, {136, 229}, {140, 242}, {136, 254},
                                  {120, 262}, {100, 266}}));
}

QPainterPath arms()
{
    return pair({{134, 108}, {145, 107}, {152, 118}, {155, 138}, {158, 165}, {163, 196},
                 {168, 228}, {172, 243}, {177, 252}, {178, 264}, {172, 272}, {165, 268},
                 {162, 257}, {160, 243}, {154, 212}, {148, 183}, {143, 161}, {139, 139},
                 {134, 122}});
}

QPainterPath legs()
{
    return pair({{104, 246}, {124, 240}, {140, 245}, {139, 268}, {136, 298}, {132, 328},
                 {132, 350}, {132, 372}, {128, 400}, {126, 417}, {131, 424}, {139, 429},
                 {137, 434}, {124, 435}, {114, 433}, {112, 423}, {113, 404}, {112, 372},
                 {110, 346}, {109, 328}, {107, 300}, {104, 274}, {101, 260}});
}

QPainterPath neck()
{
    QPainterPath p;
    p.addRoundedRect(QRectF(89, 76, 22, 30), 6, 6);
    return p;
}

QPen linePen(qreal width = 2.0)
{
    QPen pen(kLine, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

// Shoulder-length hair behind the head: it shows beside the cheeks and
// neck, above the shoulders.
void drawBackHair(QPainter &p)
{
    const QPainterPath back = smoothClosed(mirrored({{100, 15}, {121, 19}, {134, 33},
                                                     {138, 55}, {138, 78}, {141, 94},
                                                     {129, 98}, {121, 90}, {100, 88}}));
    p.fillPath(back, kHair);
    p.strokePath(back, linePen());
}

// The fringe over the forehead, drawn after the face so it covers the top
// of the head's outline.
void drawFringe(QPainter &p)
{
    const QPainterPath fringe = smoothClosed({{72, 54}, {71, 38}, {80, 23}, {100, 15},
                                              {120, 23}, {129, 38}, {128, 54}, {123, 43},
                                              {112, 37}, {104, 42}, {94, 37}, {83, 40}});
    p.fillPath(fringe, kHair);
    p.strokePath(fringe, linePen());
    // Two light strands give the hair some shine.
    p.setPen(QPen(kHair.lighter(150), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(84, 22, 22, 16), 60 * 16, 70 * 16);
    p.drawArc(QRectF(98, 24, 20, 16), 40 * 16, 60 * 16);
}

void drawFace(QPainter &p)
{
    for (qreal x : {90.0, 110.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 160, 160, 110));
        p.drawEllipse(QPointF(x < 100 ? x - 6 : x + 6, 70), 5.5, 3.2);  // cheeks
        p.setBrush(QColor(52, 36, 40));
        p.drawEllipse(QPointF(x, 59), 3.4, 4.4);                        // eyes
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x - 1.1, 57.4), 1.2, 1.3);
        p.setPen(QPen(kHair.darker(130), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 6, 47, 12, 8), 30 * 16, 120 * 16);         // brows
    }
    p.setPen(QPen(kLine.lighter(130), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(97, 63, 6, 6), 200 * 16, 140 * 16);                // nose
    QPainterPath smile(QPointF(92, 75));
    smile.quadTo(100, 82, 108, 75);
    p.strokePath(smile, QPen(QColor(180, 72, 84), 1.9, Qt::SolidLine, Qt::RoundCap));
}

// The leotard: the torso from a scooped neckline down to high leg cuts,
// held up by two straps.
void drawLeotard(QPainter &p, const QPainterPath &body)
{
    // The upper edge runs from the neckline down to the armpit, so the suit
    // stays off the shoulders.
    const QPainterPath cut = smoothClosed(mirrored({{100, 141}, {112, 137}, {124, 132},
                                                    {138, 141}, {165, 152}, {165, 236},
                                                    {139, 237}, {118, 252}, {100, 267}}));
    QPainterPath suit = body.intersected(cut);
    QPainterPath straps;
    for (int side : {1, -1}) {
        straps.moveTo(100 + side * 18, 136);
        straps.lineTo(100 + side * 24, 103);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(5);
    stroker.setCapStyle(Qt::FlatCap);
    suit = suit.united(stroker.createStroke(straps).intersected(body));
    p.fillPath(suit, kLeotard);
    p.strokePath(suit, QPen(kLeotard.darker(190), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// Faint marks for the knees and collarbones keep the figure from looking
// like a cut-out.
void drawDetails(QPainter &p)
{
    p.setPen(QPen(QColor(214, 160, 140), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (qreal x : {80.0, 120.0})
        p.drawArc(QRectF(x - 5, 326, 10, 8), 200 * 16, 140 * 16);
    p.drawArc(QRectF(83, 104, 14, 8), 200 * 16, 120 * 16);
    p.drawArc(QRectF(103, 104, 14, 8), 220 * 16, 120 * 16);
}

}  // namespace

QImage defaultBody()
{
    QImage img(200, 450, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    drawBackHair(p);
    const QPainterPath trunk = torso();
    const QPainterPath body = trunk.united(neck()).united(arms()).united(legs());
    p.fillPath(body, kSkin);
    p.strokePath(body, linePen());
    drawLeotard(p, trunk);
    drawDetails(p);

    const QPainterPath face = head();
    p.fillPath(face, kSkin);
    p.strokePath(face, linePen());
    drawFace(p);
    drawFringe(p);
    return img;
}

}  // namespace art
