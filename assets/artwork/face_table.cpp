// Which face shows what. Most faces tell a small story, "this goes there":
// an object, an arrow, and where it goes.
#include "artwork.h"

#include <QFont>

namespace art {

namespace {

using Drawer = void (*)(QPainter &, const QRectF &);

// Object, arrow, target, side by side across the face.
Pictogram goesInto(Drawer object, Drawer target)
{
    return [object, target](QPainter &p, const QRectF &r) {
        const qreal side = r.height();
        const QRectF left(r.left(), r.top(), side, side);
        const QRectF right(r.right() - side, r.top(), side, side);
        object(p, left);
        target(p, right);
        const qreal y = r.center().y();
        drawArrow(p, QPointF(left.right() - 1, y), QPointF(right.left() + 1, y),
                  r.height() * 0.26);
    };
}

Pictogram centred(Drawer d)
{
    return [d](QPainter &p, const QRectF &r) {
        const qreal side = r.height() + 2;
        d(p, QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side));
    };
}

Pictogram chevrons(Dir dir)
{
    return [dir](QPainter &p, const QRectF &r) { drawChevrons(p, r.adjusted(1, 1, -1, -1), dir, 3); };
}

Pictogram bigArrow(Dir dir)
{
    return [dir](QPainter &p, const QRectF &r) { drawBigArrow(p, r, dir); };
}

// The dress with an arrow on each side (it has been moved), then a disk.
void updateItem(QPainter &p, const QRectF &r)
{
    const qreal side = r.height();
    const QRectF marks(r.left(), r.top(), side + 4, side);
    drawNudgeMarks(p, marks);
    drawDress(p, marks.adjusted(5, 4, -5, -4));
    drawFloppy(p, QRectF(r.right() - side + 1, r.top() + 1, side - 2, side - 2));
}

// A wide face: clothes on the left, the figure who will wear them right.
void playground(QPainter &p, const QRectF &r)
{
    const qreal side = r.height();
    drawClothes(p, QRectF(r.center().x() - side - 2, r.top(), side, side));
    drawFigure(p, QRectF(r.center().x() + 2, r.top() - 1, side + 2, side + 2));
}

// Two figures, one a little behind the other, and the folder of a project.
void newProject(QPainter &p, const QRectF &r)
{
    const qreal side = r.height();
    drawFigure(p, QRectF(r.left() + 2, r.top() - 1, side, side));
    drawFigure(p, QRectF(r.left() + side * 0.62 + 2, r.top() + 1, side, side));
    drawFolder(p, QRectF(r.right() - side - 2, r.top(), side, side));
}

// The file name of a picture, an arrow, and the clothes it becomes.
void addBmpItem(QPainter &p, const QRectF &r)
{
    QFont font("DejaVu Sans Condensed");
    font.setBold(true);
    font.setPixelSize(10);
    p.setFont(font);
    const QRectF text(r.left() - 1, r.top(), 28, r.height());
    p.setPen(QColor(20, 20, 28));
    p.drawText(text.adjusted(0, 0, 0, -r.height() / 2), Qt::AlignCenter, "PIC");
    p.drawText(text.adjusted(0, r.height() / 2, 0, 0), Qt::AlignCenter, ".BMP");
    const qreal side = r.height();
    const QRectF clothes(r.right() - side, r.top(), side, side);
    const qreal y = r.center().y();
    drawArrow(p, QPointF(text.right() + 1, y), QPointF(clothes.left(), y), side * 0.26);
    drawClothes(p, clothes);
}

FaceEntry face(const QString &name, QSize size, bool pressed, bool disabled, Pictogram draw)
{
    return {name, size, size, pressed, disabled, std::move(draw)};
}

// The mode buttons are 73 x 33 while their pictures are 75 x 34.
FaceEntry modeFace(const QString &name, bool disabled, Pictogram draw)
{
    return {name, QSize(75, 34), QSize(73, 33), true, disabled, std::move(draw)};
}

}  // namespace

QVector<FaceEntry> faceTable()
{
    const QSize wide(60, 30), square(30, 30);
    return {
        face("SayYes", wide, true, false, centred(drawTick)),
        face("SayNo", wide, true, false, centred(drawCross)),
        face("LetsGo", wide, false, false, centred(drawTick)),
        face("UpdateItem", wide, true, false, updateItem),
        face("DeleteOutfit", wide, true, false, goesInto(drawClothes, drawBin)),
        face("SaveOutfit", wide, true, false, goesInto(drawClothes, drawFloppy)),
        face("DeleteProject", wide, true, true, goesInto(drawFolder, drawBin)),
        face("CreatProject", wide, true, false, goesInto(drawFigure, drawFolder)),
        face("RemoveItem", wide, false, true, goesInto(drawFigure, drawDress)),
        face("DressItem", wide, false, true, goesInto(drawDress, drawFigure)),
        face("DeleteSkirt", wide, true, false, goesInto(drawDress, drawBin)),
        face("AddToWardrobe", wide, true, false, goesInto(drawDress, drawFloppy)),
        face("RemoveAllItems", wide, false, false, centred(drawFigure)),
        modeFace("PlaygroundOnOff", false, playground),
        modeFace("NewProject", false, newProject),
        modeFace("AddBMPItem", true, addBmpItem),
        face("MoveUpList", square, false, false, chevrons(Up)),
        face("MoveDownList", square, false, false, chevrons(Down)),
        face("MoveLayerUp", square, false, false, bigArrow(Up)),
        face("MoveLayerDown", square, false, false, bigArrow(Down)),
        face("SkirtUp", square, false, false, chevrons(Up)),
        face("SkirtDown", square, false, false, chevrons(Down)),
        face("SkirtLeft", square, false, false, chevrons(Left)),
        face("SkirtRight", square, false, false, chevrons(Right)),
    };
}

}  // namespace art
