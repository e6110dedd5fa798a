// The window icon: a dress on a hanger, written as a Windows icon file with
// one 256-colour image per size.
#include "artwork.h"

#include <QDataStream>
#include <QFile>
#include <QHash>
#include <QPainterPath>

#include <algorithm>

namespace art {

namespace {

// ---- the motif -------------------------------------------------------------

// A golden wire hanger with a dark rim, so it shows on light and dark
// desktops alike.
void drawHanger(QPainter &p)
{
    QPainterPath wire;
    wire.moveTo(16, 9.5);
    wire.lineTo(16, 6.8);
    wire.cubicTo(16, 5.2, 19.6, 4.8, 19.6, 3.2);
    wire.cubicTo(19.6, 1.2, 15.4, 0.8, 14.6, 2.8);
    wire.moveTo(16, 9.5);
    wire.lineTo(3, 15.5);
    wire.lineTo(29, 15.5);
    wire.closeSubpath();
    p.strokePath(wire, QPen(QColor(52, 40, 30), 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(wire, QPen(QColor(238, 196, 92), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void drawHangingDress(QPainter &p)
{
    QPen rim(QColor(70, 18, 42), 1.6);
    rim.setJoinStyle(Qt::RoundJoin);
    p.setPen(rim);
    p.setBrush(QColor(232, 56, 120));
    p.drawPolygon(QPolygonF({{10.5, 14.2}, {13, 14.2}, {16, 17.6}, {19, 14.2}, {21.5, 14.2},
                             {22.2, 19}, {20.6, 22}, {28.5, 30.8}, {16, 31.2}, {3.5, 30.8},
                             {11.4, 22}, {9.8, 19}}));
    p.setPen(QPen(QColor(255, 200, 222), 1.6));
    p.drawLine(QPointF(11.8, 22.6), QPointF(20.2, 22.6));
}

// ---- colour reduction ------------------------------------------------------

struct Indexed {
    QVector<QRgb> palette;       // 256 entries
    QVector<quint8> pixels;      // top-down, one index per pixel
    QVector<bool> transparent;   // top-down
};

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr * 3 + dg * dg * 4 + db * db * 2;
}

// Popularity reduction: colours are counted in 5-bit-per-channel bins and
// the most frequent bins become the palette. The motif has few colours, so
// this keeps them exact and only the blended edge pixels move a little.
// Index 0 is black, the colour Windows expects under a transparent pixel.
Indexed reduce(const QImage &argb)
{
    Indexed out;
    out.palette.fill(qRgb(0, 0, 0), 256);
    QHash<int, int> count;
    QHash<int, QRgb> sample;
    const QImage img = argb.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 128)
                continue;
            const int key = (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3);
            if (!count.contains(key))
                sample[key] = c;
            ++count[key];
        }
    QVector<int> keys = count.keys().toVector();
    std::sort(keys.begin(), keys.end(), [&](int a, int b) {
        return count[a] != count[b] ? count[a] > count[b] : a < b;
    });
    const int used = std::min<int>(keys.size(), 255);
    for (int i = 0; i < used; ++i)
        out.palette[i + 1] = qRgb(qRed(sample[keys[i]]), qGreen(sample[keys[i]]), qBlue(sample[keys[i]]));

    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            const bool clear = qAlpha(c) < 128;
            int best = 0;
            if (!clear) {
                best = 1;
                for (int i = 2; i <= used; ++i)
                    if (distance(c, out.palette[i]) < distance(c, out.palette[best]))
                        best = i;
            }
            out.pixels.append(quint8(best));
            out.transparent.append(clear);
        }
    return out;
}

// ---- the file --------------------------------------------------------------

int rowBytes(int bitsPerRow) { return ((bitsPerRow + 31) / 32) * 4; }

// One icon image: a bitmap header whose height counts the colour rows and
// the mask rows together, the palette, the colour rows bottom-up, then the
// one-bit mask rows bottom-up (a set bit lets the desktop show through).
QByteArray iconEntry(int size)
{
    const Indexed ix = reduce(iconImage(size));
    const int xorRow = rowBytes(size * 8), andRow = rowBytes(size);
    QByteArray data;
    QDataStream s(&data, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint32(40) << qint32(size) << qint32(size * 2) << quint16(1) << quint16(8)
      << quint32(0) << quint32((xorRow + andRow) * size) << qint32(0) << qint32(0)
      << quint32(256) << quint32(0);
    for (QRgb c : ix.palette)
        s << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < xorRow; ++x)
            s << quint8(x < size ? ix.pixels[y * size + x] : 0);
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int byte = 0; byte < andRow; ++byte) {
            quint8 bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = byte * 8 + bit;
                if (x < size && ix.transparent[y * size + x])
                    bits |= quint8(0x80 >> bit);
            }
            s << bits;
        }
    }
    return data;
}

}  // namespace

QImage iconImage(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    drawHanger(p);
    drawHangingDress(p);
    return img;
}

bool writeIcon(const QString &path, const QVector<int> &sizes)
{
    QVector<QByteArray> entries;
    for (int size : sizes)
        entries.append(iconEntry(size));

    QByteArray file;
    QDataStream s(&file, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0) << quint16(1) << quint16(sizes.size());  // icon directory
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        // Width and height 0 would mean 256; colour count 0 means 256 colours.
        s << quint8(sizes[i]) << quint8(sizes[i]) << quint8(0) << quint8(0) << quint16(1)
          << quint16(8) << quint32(entries[i].size()) << offset;
        offset += quint32(entries[i].size());
    }
    for (const QByteArray &e : entries)
        s.writeRawData(e.constData(), e.size());

    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    return out.write(file) == file.size();
}

}  // namespace art
