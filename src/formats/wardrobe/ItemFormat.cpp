#include "formats/wardrobe/ItemFormat.h"

#include "formats/picture/Colour.h"
#include "formats/text/Cp1252.h"

#include <limits>

namespace ItemFormat {

namespace {
const QByteArray kCrLf("\r\n");

// Writes value as a number line's text at out; returns the end. Room for
// 22 characters is needed.
char* putNumber(char* out, qint64 value)
{
    *out++ = value < 0 ? '-' : ' ';
    quint64 rest = value < 0 ? 0 - quint64(value) : quint64(value);
    char digits[20];
    int count = 0;
    do {
        digits[count++] = char('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    while (count > 0)
        *out++ = digits[--count];
    *out++ = ' ';
    return out;
}

// A pixel line is written in place: a record holds one for every opaque
// pixel, tens of thousands of them.
void appendPixelLine(QByteArray& bytes, int colour, int x, int y)
{
    char line[3 * 22 + 2];
    char* end = putNumber(putNumber(putNumber(line, colour), x), y);
    *end++ = '\r';
    *end++ = '\n';
    bytes.append(line, end - line);
}
}  // namespace

QByteArray numberLine(qint64 value)
{
    char text[22];
    return QByteArray(text, putNumber(text, value) - text);
}

QByteArray pixelLine(int colour, int x, int y)
{
    QByteArray line;
    appendPixelLine(line, colour, x, y);
    return line;
}

bool isHeading(const QString& line) { return line.startsWith(QLatin1String(kHeadingPrefix)); }

QByteArray record(const QString& name, int offsetX, int offsetY, int reserved, const QImage& picture,
                  int keyColour, const QImage& seeThrough)
{
    QByteArray bytes;
    bytes.reserve(64 + qsizetype(picture.width()) * picture.height() * 20);
    bytes += QByteArray(kHeadingPrefix) + Cp1252::encode(name) + kCrLf;
    bytes += QByteArray(kSeparator) + kCrLf;
    bytes += numberLine(offsetX) + kCrLf;
    bytes += numberLine(offsetY) + kCrLf;
    bytes += numberLine(reserved) + kCrLf;
    bytes += QByteArray(kSeparator) + kCrLf;
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const uchar* const top = pixels.constBits();
    const qsizetype stride = pixels.bytesPerLine();
    for (int x = 0; x < pixels.width(); ++x) {
        for (int y = 0; y < pixels.height(); ++y) {
            const int colour = Colour::fromQRgb(reinterpret_cast<const QRgb*>(top + y * stride)[x]);
            if (colour != keyColour && !(seeThrough.valid(x, y) && seeThrough.pixelIndex(x, y) == 1))
                appendPixelLine(bytes, colour, x, y);
        }
    }
    bytes += QByteArray(kEndLine) + kCrLf;
    return bytes;
}

int numericValue(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && line.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < line.size() && (line.at(i) == QLatin1Char('-') || line.at(i) == QLatin1Char('+')))
        negative = line.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    bool any = false;
    for (; i < line.size() && line.at(i).isDigit() && line.at(i).unicode() < 128; ++i) {
        any = true;
        value = qMin<qint64>(value * 10 + (line.at(i).unicode() - '0'), qint64(1) << 40);
    }
    if (!any)
        return 0;
    value = negative ? -value : value;
    const qint64 lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
    return int(qBound(lowest, value, highest));
}

}  // namespace ItemFormat
