#include "window/controls/PictureBox.h"

#include "formats/picture/Colour.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : Control<QWidget>(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resizeSurface();
}

int PictureBox::borderWidth() const
{
    switch (border_) {
    case Border::None: return 0;
    case Border::Flat: return 1;
    case Border::Sunken: return 2;
    }
    return 0;
}

void PictureBox::setBorder(Border border)
{
    border_ = border;
    resizeSurface();
    update();
}

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    overlay_ = QImage();
    if (autoSize_ && !picture_.isNull())
        resize(picture_.width() + 2 * borderWidth(), picture_.height() + 2 * borderWidth());
    Cls();
}

void PictureBox::setOverlay(const QImage& overlay)
{
    overlay_ = overlay;
    update();
}

void PictureBox::setBackColor(int colour)
{
    backColour_ = colour;
    update();
}

void PictureBox::Cls()
{
    resizeSurface();
    surface_.fill(Colour::toQRgb(backColour_));
    if (!picture_.isNull()) {
        QPainter painter(&surface_);
        painter.drawImage(0, 0, picture_);
    }
    update();
}

int PictureBox::Point(int x, int y) const
{
    resizeSurface();
    if (!surface_.valid(x, y))
        return -1;
    return Colour::fromQRgb(reinterpret_cast<const QRgb*>(surface_.constScanLine(y))[x]);
}

void PictureBox::PSet(int x, int y, int colour)
{
    resizeSurface();
    if (!surface_.valid(x, y))
        return;
    reinterpret_cast<QRgb*>(surface_.scanLine(y))[x] = Colour::toQRgb(colour);
    // One repaint request for a whole run of pixels.
    if (!repaintPending_) {
        repaintPending_ = true;
        update();
    }
}

PictureBox::Pixels PictureBox::pixels()
{
    resizeSurface();
    Pixels pixels;
    if (surface_.isNull())
        return pixels;
    pixels.bits_ = reinterpret_cast<QRgb*>(surface_.bits());
    pixels.stride_ = surface_.bytesPerLine() / qsizetype(sizeof(QRgb));
    pixels.width_ = surface_.width();
    pixels.height_ = surface_.height();
    if (!repaintPending_) {
        repaintPending_ = true;
        update();
    }
    return pixels;
}

void PictureBox::AndCopyFrom(const PictureBox& source, int sourceX, int sourceY, int width,
                             int height, int x, int y)
{
    resizeSurface();
    const QImage& from = source.surface();
    for (int row = 0; row < height; ++row) {
        const int sy = sourceY + row, dy = y + row;
        if (sy < 0 || sy >= from.height() || dy < 0 || dy >= surface_.height())
            continue;
        const QRgb* in = reinterpret_cast<const QRgb*>(from.constScanLine(sy));
        QRgb* out = reinterpret_cast<QRgb*>(surface_.scanLine(dy));
        for (int col = 0; col < width; ++col) {
            const int sx = sourceX + col, dx = x + col;
            if (sx >= 0 && sx < from.width() && dx >= 0 && dx < surface_.width())
                out[dx] = (out[dx] & in[sx]) | 0xFF000000u;
        }
    }
    update();
}

const QImage& PictureBox::surface() const
{
    resizeSurface();
    return surface_;
}

void PictureBox::restoreSurface(const QImage& surface)
{
    resizeSurface();
    if (surface.size() != surface_.size() || surface.format() != surface_.format())
        return;
    surface_ = surface;
    update();
}

// What was painted stays where it fits.
void PictureBox::resizeSurface() const
{
    const QSize inner(qMax(0, ScaleWidth()), qMax(0, ScaleHeight()));
    if (surface_.size() == inner)
        return;
    QImage next(inner, QImage::Format_RGB32);
    next.fill(Colour::toQRgb(backColour_));
    QPainter painter(&next);
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_);
    if (!surface_.isNull())
        painter.drawImage(0, 0, surface_);
    painter.end();
    surface_ = next;
}

void PictureBox::resizeEvent(QResizeEvent*) { resizeSurface(); }

void PictureBox::paintEvent(QPaintEvent*)
{
    repaintPending_ = false;
    QPainter painter(this);
    const int b = borderWidth();
    painter.drawImage(b, b, surface());
    // The border is drawn after it: an overlay larger than the surface
    // never shows on the border.
    if (!overlay_.isNull())
        painter.drawImage(b, b, overlay_);
    if (border_ == Border::Flat) {
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, width() - 1, height() - 1);
    } else if (border_ == Border::Sunken) {
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(QColor(64, 64, 64));
        painter.drawLine(1, 1, width() - 2, 1);
        painter.drawLine(1, 1, 1, height() - 2);
        painter.setPen(Qt::white);
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
        painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
        painter.setPen(QColor(212, 208, 200));
        painter.drawLine(1, height() - 2, width() - 2, height() - 2);
        painter.drawLine(width() - 2, 1, width() - 2, height() - 2);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit Click();
}
