#include "wardrobe/ItemFormat.h"

#include "toolkit/Colour.h"
#include "toolkit/Cp1252.h"

#include <limits>

namespace ItemFormat {

namespace {
const QByteArray kCrLf("\r\n");
}

QByteArray numberLine(qint64 value)
{
    QByteArray text = value < 0 ? QByteArray("-") : QByteArray(" ");
    text += QByteArray::number(value < 0 ? -value : value);
    text += ' ';
    return text;
}

QByteArray pixelLine(int colour, int x, int y)
{
    return numberLine(colour) + numberLine(x) + numberLine(y) + kCrLf;
}

bool isHeading(const QString& line) { return line.startsWith(QLatin1String(kHeadingPrefix)); }

QByteArray record(const QString& name, int offsetX, int offsetY, int reserved, const QImage& picture,
                  int keyColour)
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
    for (int x = 0; x < pixels.width(); ++x) {
        for (int y = 0; y < pixels.height(); ++y) {
            const int colour = Colour::fromQRgb(pixels.pixel(x, y));
            if (colour != keyColour)
                bytes += pixelLine(colour, x, y);
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
