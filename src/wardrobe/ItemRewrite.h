#pragma once
#include <QString>

class QIODevice;

// The two rewrites of the item data file. Both stream from in to out line
// by line, so a file of many megabytes is copied in one pass.
namespace ItemRewrite {

// Copies every line; in each record whose heading is exactly heading the
// two offset lines become their values plus shiftX and shiftY.
bool copyShifted(QIODevice& in, QIODevice& out, const QString& heading, int shiftX, int shiftY);

// Copies every line except the records whose heading is exactly heading,
// each up to and including its end line (to the end of the file when it
// has none). The line after a dropped record is copied without being
// compared.
bool copyWithout(QIODevice& in, QIODevice& out, const QString& heading);

}  // namespace ItemRewrite
