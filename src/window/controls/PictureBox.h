#pragma once
#include "formats/picture/Colour.h"
#include "window/controls/Controls.h"

#include <QImage>
#include <QWidget>

// A picture box: it holds its Picture and a drawing surface of its inner
// size. Cls and setting Picture put the picture back on the surface;
// painting lands on the surface; the widget shows the surface. Pixel reads,
// pixel writes and the AND copy work on the surface's scan lines. An
// overlay may lie over the surface on the screen only.
class PictureBox : public Control<QWidget> {
    Q_OBJECT
public:
    enum class Border { None, Flat, Sunken };

    explicit PictureBox(QWidget* parent = nullptr);

    void setBorder(Border border);
    Border borderStyle() const { return border_; }
    int borderWidth() const;

    // A box that sizes itself takes its picture's size (plus its border).
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }
    bool AutoSize() const { return autoSize_; }

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);

    int BackColor() const { return backColour_; }
    void setBackColor(int colour);

    // Inner size in pixels.
    int ScaleWidth() const { return width() - 2 * borderWidth(); }
    int ScaleHeight() const { return height() - 2 * borderWidth(); }

    // Erases everything painted: the surface shows the picture again.
    void Cls();
    void Refresh() { update(); }

    // The colour of a surface pixel, or -1 outside the surface.
    int Point(int x, int y) const;
    // Sets a surface pixel; outside the surface nothing happens.
    void PSet(int x, int y, int colour);

    // Writes straight to the surface's scan lines, for the many thousand
    // pixels of an item; the same as PSet for each, with one repaint
    // request for all. Valid until the box is resized or repainted.
    class Pixels {
    public:
        void set(qint64 x, qint64 y, int colour)
        {
            if (quint64(x) < quint64(width_) && quint64(y) < quint64(height_))
                bits_[y * stride_ + x] = Colour::toQRgb(colour);
        }

    private:
        friend class PictureBox;
        QRgb* bits_ = nullptr;
        qsizetype stride_ = 0;
        int width_ = 0, height_ = 0;
    };
    Pixels pixels();
    // Each pixel of the rectangle at (x, y) becomes its own colour ANDed
    // with the pixel of source's surface at (sourceX, sourceY) + the same
    // distance. Parts outside either surface are left out.
    void AndCopyFrom(const PictureBox& source, int sourceX, int sourceY, int width, int height,
                     int x, int y);

    const QImage& surface() const;
    // Puts back a surface taken earlier with surface(), as it was; one of
    // another size is left out.
    void restoreSurface(const QImage& surface);

    // A mark shown over the surface, at its top-left corner, where the
    // overlay is not see-through: it is painted with the widget and never
    // lands on the surface, so Point, the AND copy and every other read see
    // the surface alone. It belongs to the picture it marks: setting
    // Picture takes it away. Cls keeps it, as Cls puts that picture back.
    void setOverlay(const QImage& overlay);
    void clearOverlay() { setOverlay(QImage()); }
    const QImage& overlay() const { return overlay_; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The surface follows the inner size. A hidden widget gets no resize
    // events until it is shown, so every use checks the size first.
    void resizeSurface() const;

    QImage picture_;
    mutable QImage surface_;
    QImage overlay_;
    Border border_ = Border::None;
    bool autoSize_ = false;
    bool pressed_ = false;
    bool repaintPending_ = false;
    int backColour_ = 16777215;  // white
};
