#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// The item data file: item records one after the other. A record is its
// heading "ITEM: " + name, a separator, the horizontal and vertical offset
// and a reserved value as number lines, a separator, one pixel line per
// opaque pixel (colour, x, y; column by column, each column top to bottom),
// and the end line. Every line ends with CR LF.
//
// The item table lists each heading with the number of its line in the data
// file (the first line is line 1), as a pair of lines.
namespace ItemFormat {

inline constexpr char kHeadingPrefix[] = "ITEM: ";
inline constexpr char kSeparator[] = "--------------------------------------";
inline constexpr char kEndLine[] = "-------------- END ------------------";

// A number as the item files write it: a sign position (blank or "-"),
// the digits, one trailing blank. 10 is " 10 ", -3 is "-3 ".
QByteArray numberLine(qint64 value);

// Colour, x and y as number lines one after the other, with CR LF.
QByteArray pixelLine(int colour, int x, int y);

bool isHeading(const QString& line);

// A whole record for the pixels of picture whose colour (in the handlers'
// form) differs from keyColour and that are not set in the one-bit mask
// seeThrough (where the picture's file was see-through; may be null).
QByteArray record(const QString& name, int offsetX, int offsetY, int reserved, const QImage& picture,
                  int keyColour, const QImage& seeThrough = QImage());

// The value of a number line read as a whole line: its leading number after
// any blanks; 0 when the line has none. Values beyond the range of int are
// held at its ends.
int numericValue(const QString& line);

}  // namespace ItemFormat
