#include "formats/text/Cp1252.h"

#include <array>

namespace {

// Bytes 0x80 to 0x9F; the five bytes that Windows leaves undefined map to
// the control character of the same number, as Windows itself does, so that
// every byte survives a read and a write.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(char16_t unicode)
{
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return unicode;
    for (int i = 0; i < int(kHighControls.size()); ++i)
        if (kHighControls[i] == unicode)
            return 0x80 + i;
    return -1;
}

}  // namespace

namespace Cp1252 {

QString decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (QChar ch : text) {
        const int b = byteFor(ch.unicode());
        *out++ = static_cast<char>(b < 0 ? '?' : b);
    }
    return bytes;
}

bool canEncode(const QString& text)
{
    for (QChar ch : text)
        if (byteFor(ch.unicode()) < 0)
            return false;
    return true;
}

}  // namespace Cp1252
