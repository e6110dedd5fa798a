// Shared declarations of the artwork tool: every picture the editor's window
// carries is drawn here with QPainter and written as a file by main.cpp.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QVector>

#include <cstdint>
#include <functional>

namespace art {

// ---- metal.cpp: brushed metal, copper bars, the window background --------

// Horizontally brushed metal of the given base colour. The seed fixes the
// grain so that every run writes the same bytes.
QImage brushedMetal(QSize size, QColor base, std::uint32_t seed);

// A copper bar over the rows firstRow..lastRow (inclusive) of an image.
void paintCopperBar(QImage &img, int firstRow, int lastRow, int left, int right);

QImage background();   // 792 x 588, the window's backdrop
QImage askMePanel();   // 232 x 111, the in-window question box

// A small stable hash of a text, used as a noise seed per picture.
std::uint32_t seedOf(const QString &text);

// ---- faces.cpp: raised button faces and their states ----------------------

enum class FaceState { Normal, Pressed, Disabled };

// Draws a pictogram into the given area of a face.
using Pictogram = std::function<void(QPainter &, const QRectF &)>;

// A button face of imageSize whose raised part covers buttonSize from the
// top-left corner (the mode buttons are smaller than their pictures).
QImage buttonFace(QSize imageSize, QSize buttonSize, FaceState state,
                  const Pictogram &draw, std::uint32_t seed);

// A flat 17 x 17 tile with a double chevron; direction as in Dir below.
QImage arrowTile(int direction);

// ---- pictograms.cpp: the small drawings on the faces ----------------------

enum Dir { Up = 0, Right = 1, Down = 2, Left = 3 };

// Each drawer fits its drawing into the box, keeping its proportions.
void drawTick(QPainter &p, const QRectF &box);
void drawCross(QPainter &p, const QRectF &box);
void drawDress(QPainter &p, const QRectF &box);
void drawShirt(QPainter &p, const QRectF &box);
void drawClothes(QPainter &p, const QRectF &box);   // shirt behind a dress
void drawFigure(QPainter &p, const QRectF &box);    // the bare body
void drawBin(QPainter &p, const QRectF &box);
void drawFloppy(QPainter &p, const QRectF &box);
void drawFolder(QPainter &p, const QRectF &box);
void drawArrow(QPainter &p, QPointF from, QPointF to, qreal width);
void drawChevrons(QPainter &p, const QRectF &box, Dir dir, int count);
void drawBigArrow(QPainter &p, const QRectF &box, Dir dir);
void drawNudgeMarks(QPainter &p, const QRectF &box);  // four small arrows

// Colours shared by the pictograms and the icon.
QColor outlineColour();
QColor arrowColour();

// ---- face_table.cpp: which face shows what --------------------------------

struct FaceEntry {
    QString name;      // the control's name, also the file name
    QSize size;        // picture size
    QSize button;      // raised area (equal to size except for mode buttons)
    bool pressed;      // also write <name>_pressed.bmp
    bool disabled;     // also write <name>_disabled.bmp
    Pictogram draw;
};

QVector<FaceEntry> faceTable();

// ---- keys_flags.cpp: key-colour buttons and language flags ----------------

QImage keyColourButton(const QString &name);  // AutoButton, WhiteButton, PinkButton
QImage unionFlag();                           // 25 x 18
QImage germanFlag();                          // 25 x 18

// ---- icon.cpp: the window icon --------------------------------------------

// The icon motif drawn at one size, with transparency.
QImage iconImage(int size);

// Writes a Windows icon file holding 256-colour images of the given sizes.
bool writeIcon(const QString &path, const QVector<int> &sizes);

// ---- body.cpp: the default project's body picture -------------------------

QImage defaultBody();  // 200 x 450 on white

}  // namespace art
