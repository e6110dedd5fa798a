#pragma once
#include "formats/text/LineReader.h"
#include "formats/wardrobe/ItemFormat.h"

// The pixel lines of a record, read as fields: colour, x and y, wherever
// the line ends fall. A line the program wrote holds exactly one pixel
// (" 255  3  40 "); such lines are taken whole, so that the millions of
// lines of a large wardrobe cost one look each, and every other line goes
// through the reader's fields one by one.
namespace PixelLines {

enum class Shape { Blank, Pixel, Other };

// Whether line is blanks only, exactly three whole numbers (a sign, 1 to
// 18 digits) between blanks, or anything else.
inline Shape shapeOf(QByteArrayView line, qint64 (&numbers)[3])
{
    const char* p = line.data();
    const char* const end = p + line.size();
    int count = 0;
    for (;;) {
        while (p < end && *p == ' ')
            ++p;
        if (p == end)
            return count == 0 ? Shape::Blank : count == 3 ? Shape::Pixel : Shape::Other;
        if (count == 3)
            return Shape::Other;
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+')
            ++p;
        const char* const digits = p;
        qint64 value = 0;
        while (p < end && unsigned(*p - '0') < 10u && p - digits < 18)
            value = value * 10 + (*p++ - '0');
        if (p == digits || (p < end && *p != ' '))
            return Shape::Other;
        numbers[count++] = negative ? -value : value;
    }
}

// Hands each pixel of the record to paint(colour, x, y), up to the end
// line or a heading. A pixel whose fields are not whole numbers is left
// out with the rest of its line.
template <class Paint>
void read(LineReader& reader, Paint&& paint)
{
    const QString endLine = QLatin1String(ItemFormat::kEndLine);
    qint64 numbers[3];
    while (!reader.atEnd()) {
        switch (shapeOf(reader.peekLine(), numbers)) {
        case Shape::Pixel:
            reader.readLineView();
            paint(numbers[0], numbers[1], numbers[2]);
            continue;
        case Shape::Blank:
            reader.readLineView();
            continue;
        case Shape::Other:
            break;
        }
        const LineReader::Field colour = reader.readField();
        if (colour == endLine || (!colour.isNumber && ItemFormat::isHeading(colour.text)))
            return;
        if (!colour.isNumber) {
            reader.skipRestOfLine();
            continue;
        }
        const LineReader::Field x = reader.readField();
        const LineReader::Field y = reader.readField();
        if (!x.isNumber || !y.isNumber) {
            reader.skipRestOfLine();
            continue;
        }
        paint(colour.number, x.number, y.number);
    }
}

}  // namespace PixelLines
