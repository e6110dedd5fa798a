// The small drawings on the button faces. Each object is designed on a
// 20 x 20 grid and scaled into the box it is given, so one drawing serves
// the 60 x 30, 75 x 34 and 30 x 30 faces alike.
#include "artwork.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace art {

QColor outlineColour() { return QColor(34, 30, 40); }
QColor arrowColour() { return QColor(255, 212, 48); }

namespace {

const QColor kDress(228, 60, 122);
const QColor kShirt(60, 134, 224);
const QColor kSkin(247, 206, 172);
const QColor kHair(112, 64, 30);
const QColor kBin(172, 180, 192);
const QColor kFloppy(46, 80, 176);
const QColor kFolderBack(206, 150, 34);
const QColor kFolderFront(252, 206, 88);

// Maps a design grid of w x h units, centred, onto a box; restores the
// painter when it goes out of scope.
class Grid {
public:
    Grid(QPainter &p, const QRectF &box, qreal w = 20, qreal h = 20) : p_(p)
    {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        scale_ = std::min(box.width() / w, box.height() / h);
        p_.translate(box.center());
        p_.scale(scale_, scale_);
        p_.translate(-w / 2, -h / 2);
    }
    ~Grid() { p_.restore(); }

    // An outline that stays about one pixel wide whatever the scale.
    QPen outline(qreal pixels = 1.1) const
    {
        QPen pen(outlineColour(), pixels / scale_);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    }

    void shape(const QPolygonF &poly, QColor fill) const
    {
        p_.setPen(outline());
        p_.setBrush(fill);
        p_.drawPolygon(poly);
    }

private:
    QPainter &p_;
    qreal scale_ = 1;
};

// A stroke with a dark rim: the dark line first, the colour on top.
void rimmedStroke(QPainter &p, const QPainterPath &path, QColor colour, qreal width)
{
    QPen rim(outlineColour(), width + 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(path, rim);
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(path, pen);
}

// Turns the painter about the box centre so that "up" drawings point dir.
void turnTowards(QPainter &p, const QRectF &box, Dir dir)
{
    p.translate(box.center());
    p.rotate(90.0 * dir);
    p.translate(-box.center());
}

}  // namespace

void drawTick(QPainter &p, const QRectF &box)
{
    Grid g(p, box);
    QPainterPath path;
    path.moveTo(3.5, 10.5);
    path.lineTo(8, 15.5);
    path.lineTo(16.5, 4.5);
    rimmedStroke(p, path, QColor(52, 200, 70), 3.6);
}

void drawCross(QPainter &p, const QRectF &box)
{
    Grid g(p, box);
    QPainterPath path;
    path.moveTo(4.5, 4.5);
    path.lineTo(15.5, 15.5);
    path.moveTo(15.5, 4.5);
    path.lineTo(4.5, 15.5);
    rimmedStroke(p, path, QColor(226, 40, 40), 3.6);
}

void drawDress(QPainter &p, const QRectF &box)
{
    Grid g(p, box);
    const QPolygonF dress({{7, 1}, {8.6, 1}, {10, 3.6}, {11.4, 1}, {13, 1}, {13.6, 5},
                           {12.4, 8.2}, {17, 18.2}, {13.5, 19.2}, {10, 18.6}, {6.5, 19.2},
                           {3, 18.2}, {7.6, 8.2}, {6.4, 5}});
    g.shape(dress, kDress);
    // A light belt marks the waist, which makes the shape read as a dress.
    p.setPen(QPen(QColor(255, 190, 215), 1.2));
    p.drawLine(QPointF(7.9, 8.9), QPointF(12.1, 8.9));
}

void drawShirt(QPainter &p, const QRectF &box)
{
    Grid g(p, box);
    const QPolygonF shirt({{6.5, 2}, {10, 4.2}, {13.5, 2}, {19, 5.2}, {17.2, 9.2},
                           {15, 8.2}, {15, 18}, {5, 18}, {5, 8.2}, {2.8, 9.2}, {1, 5.2}});
    g.shape(shirt, kShirt);
}

void drawClothes(QPainter &p, const QRectF &box)
{
    const qreal w = box.width(), h = box.height();
    drawShirt(p, QRectF(box.x() - w * 0.06, box.y(), w * 0.74, h * 0.74));
    drawDress(p, QRectF(box.x() + w * 0.3, box.y() + h * 0.2, w * 0.76, h * 0.8));
}

void drawFigure(QPainter &p, const QRectF &box)
{
    Grid g(p, box);
    // The body in one outline: shoulders, arms a little away from the
    // sides, legs apart, as on the default body picture.
    const QPolygonF body({{9, 6}, {11, 6}, {11.2, 7}, {13.6, 7.8}, {15.6, 13.4},
                          {14.3, 13.8}, {12.8, 10}, {12.6, 12.6}, {13.3, 19.4}, {11.2, 19.4},
                          {10, 14.2}, {8.8, 19.4}, {6.7, 19.4}, {7.4, 12.6}, {7.2, 10},
                          {5.7, 13.8}, {4.4, 13.4}, {6.4, 7.8}, {8.8, 7}});
    g.shape(body, kSkin);
    p.setPen(g.outline());
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(10, 3.6), 2.7, 2.9);
    // Hair as a cap over the head keeps the figure friendly at tiny sizes.
    QPainterPath hair;
    hair.moveTo(7.2, 4.2);
    hair.cubicTo(6.8, -0.4, 13.2, -0.4, 12.8, 4.2);
    hair.cubicTo(11.8, 2.4, 8.2, 2.4, 7.2, 4.2);
    p.setBrush(kHair);
    p.drawPath(hair);
}

void drawBin(QPainter &p, const QRectF &box)
{
    Grid g(p, box);
    g.shape(QPolygonF({{4.2, 6}, {15.8, 6}, {14.6, 19}, {5.4, 19}}), kBin);
    g.shape(QPolygonF({{8, 3.4}, {8, 2}, {12, 2}, {12, 3.4}}), kBin.darker(120));
    g.shape(QPolygonF({{2.8, 3.4}, {17.2, 3.4}, {17.2, 5.8}, {2.8, 5.8}}), kBin.lighter(110));
    // Ribs down the can.
    p.setPen(g.outline(1.0));
    for (qreal x : {7.6, 10.0, 12.4})
        p.drawLine(QPointF(x, 8), QPointF(x + (x - 10) * 0.1, 17));
}

void drawFloppy(QPainter &p, const QRectF &box)
{
    Grid g(p, box);
    g.shape(QPolygonF({{2, 2}, {16, 2}, {18, 4}, {18, 18}, {2, 18}}), kFloppy);
    g.shape(QPolygonF({{5.5, 2}, {14, 2}, {14, 8}, {5.5, 8}}), QColor(206, 212, 222));
    g.shape(QPolygonF({{11, 3.2}, {12.8, 3.2}, {12.8, 6.8}, {11, 6.8}}), kFloppy.darker(140));
    g.shape(QPolygonF({{4.5, 10.5}, {15.5, 10.5}, {15.5, 18}, {4.5, 18}}), QColor(248, 248, 240));
    // Lines on the label say "disk" rather than "box".
    p.setPen(QPen(QColor(150, 150, 170), 0.9));
    p.drawLine(QPointF(6, 13), QPointF(14, 13));
    p.drawLine(QPointF(6, 15.5), QPointF(14, 15.5));
}

void drawFolder(QPainter &p, const QRectF &box)
{
    Grid g(p, box);
    g.shape(QPolygonF({{1, 4}, {7, 4}, {8.6, 6}, {19, 6}, {19, 17.5}, {1, 17.5}}), kFolderBack);
    g.shape(QPolygonF({{3.2, 8.6}, {19.6, 8.6}, {18.6, 17.5}, {1, 17.5}}), kFolderFront);
}

void drawArrow(QPainter &p, QPointF from, QPointF to, qreal width)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    p.translate(from);
    p.rotate(std::atan2(d.y(), d.x()) * 180.0 / M_PI);
    // Drawn pointing along +x: a shaft and a head 1.6 widths long.
    const qreal head = std::min(width * 1.6, len * 0.6);
    const qreal half = width / 2, wing = width * 1.15;
    const QPolygonF arrow({{0, -half}, {len - head, -half}, {len - head, -wing},
                           {len, 0}, {len - head, wing}, {len - head, half}, {0, half}});
    QPen pen(outlineColour(), 1.1);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(arrowColour());
    p.drawPolygon(arrow);
    p.restore();
}

void drawChevrons(QPainter &p, const QRectF &box, Dir dir, int count)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    turnTowards(p, box, dir);
    // Stacked "^" marks, evenly spaced and centred in the box.
    const qreal halfWidth = box.width() * 0.34;
    const qreal rise = box.height() * 0.2;
    const qreal gap = box.height() * (count > 2 ? 0.22 : 0.28);
    const qreal stroke = std::max(1.6, box.height() * 0.09);
    const qreal top = box.center().y() - (rise + gap * (count - 1)) / 2;
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        const qreal y = top + gap * i;
        path.moveTo(box.center().x() - halfWidth, y + rise);
        path.lineTo(box.center().x(), y);
        path.lineTo(box.center().x() + halfWidth, y + rise);
    }
    rimmedStroke(p, path, arrowColour(), stroke);
    p.restore();
}

void drawBigArrow(QPainter &p, const QRectF &box, Dir dir)
{
    p.save();
    turnTowards(p, box, dir);
    const QPointF c = box.center();
    const qreal h = box.height() * 0.8;
    drawArrow(p, c + QPointF(0, h / 2), c - QPointF(0, h / 2), box.width() * 0.3);
    p.restore();
}

void drawNudgeMarks(QPainter &p, const QRectF &box)
{
    // One small arrow on each side of the box, pointing outwards: the item
    // is being moved.
    const QPointF c = box.center();
    const qreal rx = box.width() / 2, ry = box.height() / 2;
    const qreal len = std::min(rx, ry) * 0.5, w = std::max(2.0, len * 0.55);
    drawArrow(p, c + QPointF(0, -ry + len), c + QPointF(0, -ry), w);
    drawArrow(p, c + QPointF(0, ry - len), c + QPointF(0, ry), w);
    drawArrow(p, c + QPointF(-rx + len, 0), c + QPointF(-rx, 0), w);
    drawArrow(p, c + QPointF(rx - len, 0), c + QPointF(rx, 0), w);
}

}  // namespace art
