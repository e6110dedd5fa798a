#include "BenchStore.h"

#include "formats/datafolder/DataFolder.h"
#include "formats/picture/Colour.h"
#include "formats/wardrobe/ItemFormat.h"
#include "window/controls/Platform.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {

const QStringList kStoreFiles = {"Default.Data", "Default.Table", "Default.Outfit"};

// Colours that are never a key colour; the rest of the picture is purple.
QImage itemPicture(const BenchStore::Shape& shape, QRandomGenerator& random)
{
    QImage picture(shape.width, shape.height, QImage::Format_RGB32);
    for (int y = 0; y < shape.height; ++y)
        for (int x = 0; x < shape.width; ++x)
            picture.setPixel(x, y, random.bounded(1.0) < shape.opaque
                                       ? Colour::toQRgb(Colour::rgb(10 + random.bounded(200), 20 + x % 200, 30 + y % 200))
                                       : Colour::toQRgb(Colour::Purple));
    return picture;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

BenchStore::BenchStore(const Shape& shape) : shape_(shape)
{
    Platform::initResources();
    if (!dir_.isValid() || !DataFolder::fillDefaults(dir_.path(), QStringLiteral("Tavolin_ENG.txt")))
        qFatal("cannot make a data folder");
    QRandomGenerator random(42);
    QByteArray data, table, outfit = "OUTFIT: Ten\r\n";
    qint64 line = 1;
    for (int i = 0; i < shape.items; ++i) {
        const QByteArray record = ItemFormat::record(itemName(i), 0, 0, 1, itemPicture(shape, random), Colour::Purple);
        table += "ITEM: " + itemName(i).toLatin1() + "\r\n" + ItemFormat::numberLine(line) + "\r\n";
        line += record.count('\n');
        records_.append({data.size(), record.size(), int(record.count('\n')) - 7});
        data += record;
    }
    for (const QString& name : tenSpread(shape.items))
        outfit += name.toLatin1() + "\r\n";
    writeFile(path("Projects/Default.Data"), data);
    writeFile(path("Projects/Default.Table"), table);
    writeFile(path("Projects/Default.Outfit"), outfit);
    BenchStore::Shape opaque = shape;
    opaque.opaque = 1.0;
    QDir().mkpath(path("Pictures"));
    if (!itemPicture(opaque, random).save(picturePath(), "BMP"))
        qFatal("cannot write the picture to import");
    // The generated files are kept beside, for restore() after a change.
    QDir().mkpath(path("generated"));
    for (const QString& name : kStoreFiles)
        QFile::copy(path("Projects/" + name), path("generated/" + name));
}

QString BenchStore::path(const QString& relative) const
{
    return relative.isEmpty() ? dir_.path() : dir_.filePath(relative);
}

QString BenchStore::itemName(int index) { return QStringLiteral("Item %1").arg(index, 3, 10, QLatin1Char('0')); }

QList<int> BenchStore::tenSpreadIndices(int items)
{
    QList<int> indices;
    for (int i = 0; i < 10; ++i)
        indices.append(i * items / 10);
    return indices;
}

QStringList BenchStore::tenSpread(int items)
{
    QStringList names;
    for (const int index : tenSpreadIndices(items))
        names.append(itemName(index));
    return names;
}

qint64 BenchStore::dataSize() const { return QFile(dataPath()).size(); }

void BenchStore::restore() const
{
    for (const QString& name : kStoreFiles) {
        QFile::remove(path("Projects/" + name));
        QFile::copy(path("generated/" + name), path("Projects/" + name));
    }
}
