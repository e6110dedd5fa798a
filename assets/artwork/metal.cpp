// Brushed metal and copper: the window background and the question panel.
#include "artwork.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace art {

namespace {

int clampByte(int v) { return std::clamp(v, 0, 255); }

// Adds the same brightness change to all three channels, so the metal keeps
// its hue and only its lightness varies.
QRgb shade(QColor c, int delta)
{
    return qRgb(clampByte(c.red() + delta), clampByte(c.green() + delta),
                clampByte(c.blue() + delta));
}

// One row of brushing: white noise smeared along the row by a wrapping box
// filter, which gives the long thin streaks of brushed metal. The result is
// scaled so that its typical swing is about 'amplitude' brightness steps.
std::vector<int> streakRow(std::mt19937 &rng, int width, int radius, int amplitude)
{
    std::vector<int> noise(width);
    for (int &n : noise)
        n = int(rng() % 201) - 100;
    const int span = 2 * radius + 1;
    // A mean of 'span' uniform values in -100..100 swings by about
    // 58 / sqrt(span).
    const double scale = amplitude * std::sqrt(double(span)) / (58.0 * span);
    std::vector<int> row(width);
    int sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += noise[(i + width) % width];
    for (int x = 0; x < width; ++x) {
        row[x] = int(std::lround(sum * scale));
        sum -= noise[(x - radius + width) % width];
        sum += noise[(x + radius + 1) % width];
    }
    return row;
}

// Lays a translucent colour over a rectangle: the lit and shaded edges of
// the slots.
void tintRect(QImage &img, const QRect &r, QColor colour, int alpha)
{
    QPainter p(&img);
    QColor c = colour;
    c.setAlpha(alpha);
    p.fillRect(r, c);
}

// A recessed slot: a dark floor with a shadow along its top and left edges
// and a lit lip along its bottom and right edges, as if cut into the plate.
void paintSlot(QImage &img, const QRect &r)
{
    QPainter p(&img);
    QLinearGradient floor(r.topLeft(), r.bottomLeft());
    floor.setColorAt(0.0, QColor(26, 29, 36));
    floor.setColorAt(1.0, QColor(44, 49, 58));
    p.fillRect(r, floor);
    p.end();
    tintRect(img, QRect(r.left(), r.top(), r.width(), 1), Qt::black, 200);
    tintRect(img, QRect(r.left(), r.top(), 1, r.height()), Qt::black, 200);
    tintRect(img, QRect(r.left(), r.bottom(), r.width(), 1), QColor(190, 200, 215), 200);
    tintRect(img, QRect(r.right(), r.top(), 1, r.height()), QColor(190, 200, 215), 170);
}

// A few dark screw heads give the plate a sense of being bolted together.
void paintScrew(QPainter &p, QPointF centre)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(50, 55, 65), 1.0));
    QRadialGradient g(centre - QPointF(1, 1), 4.5);
    g.setColorAt(0.0, QColor(210, 215, 225));
    g.setColorAt(1.0, QColor(95, 102, 115));
    p.setBrush(g);
    p.drawEllipse(centre, 3.5, 3.5);
    p.drawLine(centre + QPointF(-2, 2), centre + QPointF(2, -2));
}

}  // namespace

std::uint32_t seedOf(const QString &text)
{
    std::uint32_t h = 2166136261u;  // FNV-1a: stable across runs and builds
    for (QChar c : text) {
        h ^= c.unicode();
        h *= 16777619u;
    }
    return h;
}

QImage brushedMetal(QSize size, QColor base, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    QImage img(size, QImage::Format_RGB32);
    const int h = size.height();
    for (int y = 0; y < h; ++y) {
        // A faint top-to-bottom fall of light keeps large plates from
        // looking flat; the per-row offset gives the brushed banding.
        const int light = h > 1 ? 6 - (12 * y) / (h - 1) : 0;
        const int band = int(rng() % 7) - 3;
        const std::vector<int> streak = streakRow(rng, size.width(), 14, 5);
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(rng() % 5) - 2;
            line[x] = shade(base, light + band + streak[x] + grain);
        }
    }
    return img;
}

void paintCopperBar(QImage &img, int firstRow, int lastRow, int left, int right)
{
    std::mt19937 rng(std::uint32_t(firstRow * 7919 + left));
    const int rows = lastRow - firstRow + 1;
    // Copper from a bright upper edge to a dark lower edge: reads as a
    // rounded rod lit from above.
    const QColor stops[] = {QColor(240, 178, 128), QColor(214, 134, 78),
                            QColor(178, 98, 50), QColor(112, 58, 30)};
    for (int y = firstRow; y <= lastRow; ++y) {
        const double t = rows > 1 ? double(y - firstRow) / (rows - 1) : 0.0;
        const double pos = t * 3.0;
        const int i = std::min(int(pos), 2);
        const double f = pos - i;
        const QColor a = stops[i], b = stops[i + 1];
        const QColor c(int(a.red() + (b.red() - a.red()) * f),
                       int(a.green() + (b.green() - a.green()) * f),
                       int(a.blue() + (b.blue() - a.blue()) * f));
        const std::vector<int> streak = streakRow(rng, img.width(), 10, 4);
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = left; x <= right; ++x)
            line[x] = shade(c, streak[x]);
    }
}

QImage background()
{
    QImage img = brushedMetal(QSize(792, 588), QColor(112, 122, 137), seedOf("background"));
    paintCopperBar(img, 8, 16, 0, img.width() - 1);
    paintCopperBar(img, 530, 538, 0, img.width() - 1);
    // The three slots of the mode buttons, inclusive pixel ranges.
    paintSlot(img, QRect(QPoint(275, 8), QPoint(349, 41)));
    paintSlot(img, QRect(QPoint(459, 8), QPoint(533, 41)));
    paintSlot(img, QRect(QPoint(643, 8), QPoint(717, 41)));
    QPainter p(&img);
    for (QPointF c : {QPointF(8, 28), QPointF(743, 28), QPointF(8, 552)})
        paintScrew(p, c);
    return img;
}

QImage askMePanel()
{
    const QSize size(232, 111);
    QImage img = brushedMetal(size, QColor(136, 146, 161), seedOf("AskMe"));
    // The bars leave the middle (the question) and the strip where the
    // two answer buttons stand (rows 68..98) plain.
    paintCopperBar(img, 4, 11, 2, size.width() - 3);
    paintCopperBar(img, 101, 107, 2, size.width() - 3);
    QPainter p(&img);
    const int w = size.width(), h = size.height();
    p.setPen(QColor(225, 232, 242));
    p.drawLine(0, 0, w - 1, 0);
    p.drawLine(0, 0, 0, h - 1);
    p.setPen(QColor(185, 194, 208));
    p.drawLine(1, 1, w - 2, 1);
    p.drawLine(1, 1, 1, h - 2);
    p.setPen(QColor(40, 44, 52));
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, 0, w - 1, h - 1);
    p.setPen(QColor(78, 85, 98));
    p.drawLine(1, h - 2, w - 2, h - 2);
    p.drawLine(w - 2, 1, w - 2, h - 2);
    return img;
}

}  // namespace art
