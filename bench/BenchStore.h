#pragma once
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

    explicit BenchStore(const Shape& shape);

    QString path(const QString& relative = QString()) const;
    QString itemName(int index) const;  // in file order
    qint64 dataSize() const;
    const Shape& shape() const { return shape_; }

    // Puts the item data file, table and outfit file back as generated.
    void restore() const;

private:
    Shape shape_;
    QTemporaryDir dir_;
};
