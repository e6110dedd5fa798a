#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class QIODevice;

// The item store's routines done the straightforward way, line by line and
// field by field, one character at a time, exactly as the routines are
// described: what the program's fast paths are measured and checked
// against. Paths are real file paths.
namespace ReferenceStore {

// The names FillWardrobeList lists, in file order.
QStringList wardrobeNames(const QString& dataPath);

// The item table RebuildItemTable writes for the data file.
QByteArray itemTable(const QString& dataPath);

// LocateItem: the line number the table gives the item, or -1.
qint64 locateItem(const QString& tablePath, const QString& name);

struct Drawn {
    bool found = false;
    int offsetX = 0, offsetY = 0;
};

// DrawItem onto body: passes over the lines before the one the table
// names, searches the heading and paints the record's pixels moved by the
// shifts.
Drawn drawItem(QImage& body, const QString& tablePath, const QString& dataPath, const QString& name, int shiftX = 0,
               int shiftY = 0);

// The rewrites of updating and deleting an item, line by line.
bool copyShifted(QIODevice& in, QIODevice& out, const QString& heading, int shiftX, int shiftY);
bool copyWithout(QIODevice& in, QIODevice& out, const QString& heading);

}  // namespace ReferenceStore
