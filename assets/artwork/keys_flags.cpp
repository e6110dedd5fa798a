// The three key-colour buttons (a word on the colour it stands for) and the
// two language flags.
#include "artwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

namespace art {

namespace {

const QSize kKeySize(41, 17);
const QSize kFlagSize(25, 18);

// The largest bold face (up to 11 px) in which the word fits the button
// with a pixel to spare on each side; the narrow face only when the regular
// one is too wide, since PURPLE is long for 41 pixels.
QFont fittingFont(const QString &word, qreal width)
{
    for (const char *family : {"Liberation Sans", "Liberation Sans Narrow"}) {
        for (int px = 11; px >= 9; --px) {
            QFont f(family);
            f.setBold(true);
            f.setPixelSize(px);
            f.setHintingPreference(QFont::PreferFullHinting);
            if (QFontMetricsF(f).horizontalAdvance(word) <= width)
                return f;
        }
    }
    QFont f("Liberation Sans Narrow");
    f.setBold(true);
    f.setPixelSize(9);
    return f;
}

// Draws a word centred on the button, with an optional halo that keeps it
// readable over a busy background.
void drawWord(QPainter &p, const QString &word, QColor ink, QColor halo, bool withHalo)
{
    const QFont font = fittingFont(word, kKeySize.width() - 3);
    const QFontMetricsF fm(font);
    const qreal x = (kKeySize.width() - fm.horizontalAdvance(word)) / 2;
    const qreal y = (kKeySize.height() + fm.capHeight()) / 2;
    QPainterPath path;
    path.addText(QPointF(x, y), font, word);
    p.setRenderHint(QPainter::Antialiasing);
    if (withHalo)
        p.strokePath(path, QPen(halo, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, ink);
}

QImage autoButton()
{
    QImage img(kKeySize, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient rainbow(0, 0, kKeySize.width(), 0);
    for (int i = 0; i <= 6; ++i)
        rainbow.setColorAt(i / 6.0, QColor::fromHsv(i * 50, 210, 255));
    p.fillRect(img.rect(), rainbow);
    drawWord(p, "AUTO", QColor(20, 20, 24), QColor(255, 255, 255, 220), true);
    return img;
}

QImage plainButton(QColor fill, const QString &word, QColor ink)
{
    QImage img(kKeySize, QImage::Format_RGB32);
    img.fill(fill);
    QPainter p(&img);
    drawWord(p, word, ink, Qt::transparent, false);
    return img;
}

}  // namespace

QImage keyColourButton(const QString &name)
{
    if (name == "AutoButton")
        return autoButton();
    if (name == "WhiteButton")
        return plainButton(QColor(255, 255, 255), "WHITE", QColor(40, 40, 48));
    return plainButton(QColor(255, 0, 255), "PURPLE", QColor(255, 255, 255));
}

QImage unionFlag()
{
    // Built on the flag's own 60 x 30 construction grid and stretched to
    // the button: blue field, white saltire, the counterchanged red
    // saltire, then the white-edged red cross.
    QImage img(kFlagSize, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kFlagSize.width() / 60.0, kFlagSize.height() / 30.0);
    p.fillRect(QRectF(0, 0, 60, 30), QColor(1, 33, 105));

    QPainterPath diagonals;
    diagonals.moveTo(0, 0);
    diagonals.lineTo(60, 30);
    diagonals.moveTo(60, 0);
    diagonals.lineTo(0, 30);
    p.strokePath(diagonals, QPen(Qt::white, 6));

    // The red saltire lies on one side of each white arm only: clip its
    // stroke to four triangles around the centre.
    QPainterPath quarters;
    quarters.addPolygon(QPolygonF({{30, 15}, {60, 15}, {60, 30}}));
    quarters.addPolygon(QPolygonF({{30, 15}, {30, 30}, {0, 30}}));
    quarters.addPolygon(QPolygonF({{30, 15}, {0, 15}, {0, 0}}));
    quarters.addPolygon(QPolygonF({{30, 15}, {30, 0}, {60, 0}}));
    p.save();
    p.setClipPath(quarters);
    p.strokePath(diagonals, QPen(QColor(200, 16, 46), 4));
    p.restore();

    QPainterPath cross;
    cross.moveTo(30, 0);
    cross.lineTo(30, 30);
    cross.moveTo(0, 15);
    cross.lineTo(60, 15);
    p.strokePath(cross, QPen(Qt::white, 10, Qt::SolidLine, Qt::FlatCap));
    p.strokePath(cross, QPen(QColor(200, 16, 46), 6, Qt::SolidLine, Qt::FlatCap));
    return img;
}

QImage germanFlag()
{
    // Three bands of six rows each: black, red, gold.
    QImage img(kFlagSize, QImage::Format_RGB32);
    QPainter p(&img);
    const int band = kFlagSize.height() / 3;
    p.fillRect(0, 0, kFlagSize.width(), band, QColor(0, 0, 0));
    p.fillRect(0, band, kFlagSize.width(), band, QColor(221, 0, 0));
    p.fillRect(0, 2 * band, kFlagSize.width(), band, QColor(255, 206, 0));
    return img;
}

}  // namespace art
