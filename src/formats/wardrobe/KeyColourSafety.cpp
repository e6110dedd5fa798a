#include "formats/wardrobe/KeyColourSafety.h"

#include "formats/picture/Colour.h"

#include <vector>

namespace KeyColourSafety {

namespace {

// What each pixel is to the search, one byte per pixel.
enum : quint8 {
    Open = 1,     // key colour or see-through: the background may pass
    Counted = 2,  // key colour and opaque in the file: lost if enclosed
    Reached = 4,  // joined to the edge
};

struct Seed {
    int x, y;
};

class Cells {
public:
    Cells(const QImage& picture, int keyColour, const QImage& seeThrough);

    int width() const { return width_; }
    int height() const { return height_; }
    quint8* row(int y) { return cells_.data() + qsizetype(y) * width_; }
    // Open and not reached yet.
    static bool waiting(quint8 cell) { return (cell & (Open | Reached)) == Open; }

private:
    int width_, height_;
    std::vector<quint8> cells_;
};

bool maskBit(const uchar* line, int x) { return (line[x >> 3] >> (7 - (x & 7))) & 1; }

// The colour is compared the way storing compares it, so that exactly the
// pixels storing leaves out are looked at.
Cells::Cells(const QImage& picture, int keyColour, const QImage& seeThrough)
    : width_(picture.width()), height_(picture.height()), cells_(qsizetype(width_) * height_)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const QImage mask = seeThrough.isNull() || seeThrough.format() == QImage::Format_Mono
                            ? seeThrough
                            : seeThrough.convertToFormat(QImage::Format_Mono);
    // The mask may be larger than the picture: a box shows only the top-left
    // corner of a large picture.
    const int maskWidth = qMin(mask.width(), width_), maskHeight = qMin(mask.height(), height_);
    for (int y = 0; y < height_; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        const uchar* clear = y < maskHeight ? mask.constScanLine(y) : nullptr;
        quint8* out = row(y);
        for (int x = 0; x < width_; ++x) {
            if (clear && x < maskWidth && maskBit(clear, x))
                out[x] = Open;
            else if (Colour::fromQRgb(line[x]) == keyColour)
                out[x] = Open | Counted;
        }
    }
}

// Seeds the start of each run of waiting cells in row y between left and
// right.
void seedRuns(Cells& cells, std::vector<Seed>& seeds, int y, int left, int right)
{
    const quint8* row = cells.row(y);
    for (int x = left; x <= right; ++x)
        if (Cells::waiting(row[x]) && (x == left || !Cells::waiting(row[x - 1])))
            seeds.push_back({x, y});
}

// Scan-line fill from every open edge pixel: each seed fills its whole run
// of the row and seeds the runs beside it in the rows above and below. Every
// pixel is filled once and looked at from at most its two neighbour rows,
// and the seeds live on an explicit stack, so that neither time nor the call
// stack grows beyond the number of pixels.
void reachFromEdges(Cells& cells)
{
    const int width = cells.width(), height = cells.height();
    std::vector<Seed> seeds;
    seedRuns(cells, seeds, 0, 0, width - 1);
    seedRuns(cells, seeds, height - 1, 0, width - 1);
    for (int y = 1; y < height - 1; ++y)
        for (int x : {0, width - 1})
            if (Cells::waiting(cells.row(y)[x]))
                seeds.push_back({x, y});

    while (!seeds.empty()) {
        const Seed seed = seeds.back();
        seeds.pop_back();
        quint8* row = cells.row(seed.y);
        if (!Cells::waiting(row[seed.x]))
            continue;  // filled from another seed meanwhile
        int left = seed.x, right = seed.x;
        while (left > 0 && Cells::waiting(row[left - 1]))
            --left;
        while (right < width - 1 && Cells::waiting(row[right + 1]))
            ++right;
        for (int x = left; x <= right; ++x)
            row[x] |= Reached;
        if (seed.y > 0)
            seedRuns(cells, seeds, seed.y - 1, left, right);
        if (seed.y < height - 1)
            seedRuns(cells, seeds, seed.y + 1, left, right);
    }
}

QImage emptyMask(const QSize& size)
{
    QImage mask(size, QImage::Format_Mono);
    mask.setColor(0, qRgb(255, 255, 255));
    mask.setColor(1, qRgb(0, 0, 0));
    mask.fill(0);
    return mask;
}

}  // namespace

Enclosed findEnclosed(const QImage& picture, int keyColour, const QImage& seeThrough)
{
    Enclosed enclosed;
    if (picture.isNull())
        return enclosed;
    Cells cells(picture, keyColour, seeThrough);
    reachFromEdges(cells);
    enclosed.mask = emptyMask(picture.size());
    for (int y = 0; y < cells.height(); ++y) {
        const quint8* row = cells.row(y);
        uchar* bits = enclosed.mask.scanLine(y);
        for (int x = 0; x < cells.width(); ++x) {
            if ((row[x] & (Counted | Reached)) == Counted) {
                bits[x >> 3] |= uchar(0x80 >> (x & 7));
                ++enclosed.count;
            }
        }
    }
    return enclosed;
}

QImage hatch(const QImage& mask)
{
    QImage overlay(mask.size(), QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    const QImage bits = mask.format() == QImage::Format_Mono ? mask : mask.convertToFormat(QImage::Format_Mono);
    const QRgb red = Colour::toQRgb(Colour::rgb(255, 0, 0)), black = Colour::toQRgb(0);
    for (int y = 0; y < bits.height(); ++y) {
        const uchar* in = bits.constScanLine(y);
        QRgb* out = reinterpret_cast<QRgb*>(overlay.scanLine(y));
        for (int x = 0; x < bits.width(); ++x)
            if (maskBit(in, x))
                out[x] = ((x + y) >> 2) & 1 ? black : red;
    }
    return overlay;
}

}  // namespace KeyColourSafety
