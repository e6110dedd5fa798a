// The clothes of the default project: each garment is drawn to fit the
// default body picture (body.cpp) and sits right when the top-left corner
// of its picture is placed at a fixed offset on the 200 x 450 body.
//
// Garments are drawn in body coordinates on a transparent layer; only when
// a picture is written is the layer laid on a key colour, with hard edges,
// so that the editor can tell the garment from its background pixel by
// pixel.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

namespace art {

// ---- cloth_kit.cpp: tools shared by the garment drawers -------------------

// The three tones of one fabric: the colour itself, its shadow and the
// darker outline around it.
struct Fabric {
    QColor base;
    QColor shade;
    QColor line;
};
Fabric fabric(QColor base);

// A transparent layer covering 'area' of the body, and a painter on it that
// takes body coordinates.
struct Layer {
    explicit Layer(QRect area);
    QRect area;
    QImage image;
};
void beginOnBody(QPainter &p, Layer &layer);

// A smooth closed outline through points given for the right half of a
// figure (x >= 100), from a point on the centre line at the top to one at
// the bottom, completed by its mirror image. Give a point twice for a
// sharp corner.
QPainterPath symmetric(const QVector<QPointF> &rightHalf);
// A smooth closed outline through the points as they are.
QPainterPath smoothShape(const QVector<QPointF> &pts);
// The mirror image about the body's centre line x = 100.
QPainterPath mirroredShape(const QPainterPath &path);

// A garment piece is filled, printed with its details, shaded along its
// right side (the light comes from the top left) and outlined last.
void fillPiece(QPainter &p, const QPainterPath &shape, const Fabric &f);
void shadeSide(QPainter &p, const QPainterPath &shape, qreal width = 5);
void outlinePiece(QPainter &p, const QPainterPath &shape, const Fabric &f, qreal width = 1.8);
// A thin line inside a garment: a seam, a fold, a pleat.
void seam(QPainter &p, const QPainterPath &path, QColor colour, qreal width = 1.1);

// The picture of a layer on a key colour: a pixel is either the key colour
// or fully opaque, so no blended fringe is left at the garment's edge; a
// garment pixel that happens to be the key colour is moved off it.
QImage keyedPicture(const QImage &layer, QColor key);
// The same on a larger canvas, the layer's top-left corner at 'at'.
QImage keyedPictureOn(const QImage &layer, QSize canvas, QPoint at, QColor key);

// ---- garments_upper.cpp / garments_lower.cpp / accessories.cpp ------------

// Each drawer returns its layer; the layer's area is the garment's place on
// the body (its top-left corner is the item's offset).
Layer summerDress(const Fabric &cloth, const Fabric &sash, QColor dots);
Layer stripedTop(const Fabric &cloth, const Fabric &stripe);
Layer denimJacket(const Fabric &cloth, QColor stitching);
Layer pleatedSkirt(const Fabric &cloth);
Layer shoes(const Fabric &leather);
Layer sunHat(const Fabric &straw, const Fabric &ribbon);
Layer scarf(const Fabric &first, const Fabric &second);
Layer sunglasses();

// ---- wardrobe.cpp: the default wardrobe and the sample bitmaps ------------

struct Garment {
    QString name;   // the item's name in the wardrobe
    Layer layer;    // picture and place on the body
    QColor key;     // background colour of the stored picture
};
QVector<Garment> defaultWardrobe();

struct SampleBitmap {
    QString fileName;  // e.g. "Summer_dress_on_purple.bmp"
    QImage picture;
};
QVector<SampleBitmap> sampleBitmaps();

// Writes the item data file and the item table of the default wardrobe.
bool writeWardrobeFiles(const QString &dataPath, const QString &tablePath);

}  // namespace art
