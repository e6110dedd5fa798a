#pragma once
#include <QString>

class QIODevice;

// The rewrites of the item data file. They stream from in to out, so a
// file of many megabytes is copied in one pass.
namespace ItemRewrite {

// Copies every line; in each record whose heading is exactly heading the
// two offset lines become their values plus shiftX and shiftY.
bool copyShifted(QIODevice& in, QIODevice& out, const QString& heading, int shiftX, int shiftY);

// Copies every line except the records whose heading is exactly heading,
// each up to and including its end line; a record without its end line
// goes up to the next heading (or to the end of the file). The line after
// a dropped record is copied without being compared.
bool copyWithout(QIODevice& in, QIODevice& out, const QString& heading);

// Copies every byte and adds record at the end: the bytes an append would
// leave, made in the working file, since a kill in the middle of an append
// leaves part of a record in the data file. A last line without its line
// end gets CR LF first, so that the record starts a line of its own.
bool copyAdding(QIODevice& in, QIODevice& out, const QByteArray& record);

}  // namespace ItemRewrite
