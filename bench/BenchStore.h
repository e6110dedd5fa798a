#pragma once
#include <QList>
#include <QString>
#include <QTemporaryDir>

// A data folder with a generated wardrobe, made in a temporary folder for
// the benchmarks: the defaults of a new data folder, with the default
// project's item data file, item table and outfit file replaced.
class BenchStore {
public:
    struct Shape {
        int items;
        int width, height;
        double opaque;  // the share of pixels that are not the key colour
    };
    // 60 fully opaque items of 200 x 320: about 60 MB, 3.8 million lines.
    static constexpr Shape kLarge{60, 200, 320, 1.0};
    // 30 items of 200 x 320 with 40 % of their pixels opaque.
    static constexpr Shape kTypical{30, 200, 320, 0.4};

    // Where one generated record stands in the item data file.
    struct Record {
        qint64 offset = 0, size = 0;
        int pixels = 0;
    };

    explicit BenchStore(const Shape& shape);

    QString path(const QString& relative = QString()) const;
    static QString itemName(int index);  // in file order
    // Ten names spread evenly through a store of that many items: the
    // outfit "Ten" and the items worn in the runs.
    static QList<int> tenSpreadIndices(int items);
    static QStringList tenSpread(int items);
    QString dataPath() const { return path(QStringLiteral("Projects/Default.Data")); }
    QString tablePath() const { return path(QStringLiteral("Projects/Default.Table")); }
    qint64 dataSize() const;
    const QList<Record>& records() const { return records_; }
    // A fully opaque picture of the store's item size, to import.
    QString picturePath() const { return path(QStringLiteral("Pictures/New.bmp")); }
    const Shape& shape() const { return shape_; }

    // Puts the item data file, table and outfit file back as generated.
    void restore() const;

private:
    Shape shape_;
    QTemporaryDir dir_;
    QList<Record> records_;
};
