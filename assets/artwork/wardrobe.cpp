// The default project's wardrobe and the sample bitmaps for trying the
// import: which garment in which colours, under what name, on which key
// colour. The item data file is written with the editor's own record
// writer, so its bytes are exactly what a capture would have appended.
#include "clothes.h"

#include "formats/picture/Colour.h"
#include "formats/wardrobe/ItemFormat.h"

#include <QFile>

namespace art {

namespace {

const QColor kPurple(255, 0, 255);
const QColor kWhite(255, 255, 255);
// The AUTO sample's background: the editor takes the key colour from the
// picture's pixel at column 1, row 1, so that pixel is left bare.
const QColor kLightGreen(204, 236, 198);

Layer defaultDress()
{
    return summerDress(fabric(QColor(242, 112, 102)), fabric(QColor(250, 198, 72)),
                       QColor(252, 238, 222));
}

Layer defaultTop()
{
    return stripedTop(fabric(QColor(250, 247, 238)), fabric(QColor(214, 58, 64)));
}

Layer defaultJacket() { return denimJacket(fabric(QColor(74, 118, 178)), QColor(232, 164, 86)); }

QByteArray numberLineWithCrLf(qint64 value) { return ItemFormat::numberLine(value) + "\r\n"; }

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace

QVector<Garment> defaultWardrobe()
{
    // The order is the order of the records: the editor lists them sorted
    // anyway, and this way the table's line numbers read top to bottom.
    return {
        {"Summer dress", defaultDress(), kPurple},
        {"Pleated skirt", pleatedSkirt(fabric(QColor(50, 68, 138))), kPurple},
        {"Striped top", defaultTop(), kPurple},
        {"Denim jacket", defaultJacket(), kPurple},
        {"Red shoes", shoes(fabric(QColor(206, 36, 48))), kPurple},
        {"Sun hat", sunHat(fabric(QColor(236, 204, 128)), fabric(QColor(60, 90, 172))), kPurple},
        {"Striped scarf", scarf(fabric(QColor(38, 150, 150)), fabric(QColor(238, 182, 54))), kPurple},
    };
}

QVector<SampleBitmap> sampleBitmaps()
{
    const Layer glasses = sunglasses();
    const Layer greenSkirt = pleatedSkirt(fabric(QColor(46, 128, 84)));
    const Layer blueTop = stripedTop(fabric(QColor(250, 247, 238)), fabric(QColor(44, 62, 124)));
    const Layer yellowJacket = denimJacket(fabric(QColor(244, 198, 58)), QColor(170, 104, 40));
    const Layer pinkDress = summerDress(fabric(QColor(240, 140, 182)), fabric(QColor(150, 108, 200)),
                                        QColor(255, 230, 240));
    const QSize jacketCanvas = yellowJacket.area.size() + QSize(8, 8);
    return {
        {"Summer_dress_on_purple.bmp", keyedPicture(defaultDress().image, kPurple)},
        {"Sunglasses_on_purple.bmp", keyedPicture(glasses.image, kPurple)},
        {"Green_pleated_skirt_on_white.bmp", keyedPicture(greenSkirt.image, kWhite)},
        {"Blue_striped_top_on_white.bmp", keyedPicture(blueTop.image, kWhite)},
        {"Yellow_jacket_on_light_green.bmp",
         keyedPictureOn(yellowJacket.image, jacketCanvas, QPoint(4, 4), kLightGreen)},
        // Larger than the 200 x 320 the editor keeps: the dress stands in
        // the top-left part, so the cut takes away only background.
        {"Pink_dress_on_white_220x340.bmp",
         keyedPictureOn(pinkDress.image, QSize(220, 340), QPoint(0, 0), kWhite)},
    };
}

bool writeWardrobeFiles(const QString &dataPath, const QString &tablePath)
{
    QByteArray data, table;
    qint64 lineNumber = 1;  // the line the next record's heading lands on
    for (const Garment &g : defaultWardrobe()) {
        const QImage picture = keyedPicture(g.layer.image, g.key);
        const QByteArray record =
            ItemFormat::record(g.name, g.layer.area.x(), g.layer.area.y(), 1, picture,
                               Colour::fromQRgb(g.key.rgb()));
        table += QByteArray(ItemFormat::kHeadingPrefix) + g.name.toLatin1() + "\r\n";
        table += numberLineWithCrLf(lineNumber);
        data += record;
        lineNumber += record.count('\n');
    }
    return writeBytes(dataPath, data) && writeBytes(tablePath, table);
}

}  // namespace art
