#include "ReferenceStore.h"

#include "formats/picture/Colour.h"
#include "formats/text/Cp1252.h"
#include "formats/wardrobe/ItemFormat.h"

#include <QFile>

namespace {

// Reads a device one character at a time.
class SlowText {
public:
    explicit SlowText(QIODevice& device) : device_(device) {}

    bool atEnd() { return peek() < 0; }

    QByteArray readLine()
    {
        QByteArray line;
        for (int c = take(); c >= 0; c = take()) {
            if (c == '\r') {
                if (peek() == '\n')
                    take();
                break;
            }
            if (c == '\n')
                break;
            line += char(c);
        }
        lineStart_ = true;
        return line;
    }

    struct Field {
        bool isNumber = false;
        qint64 number = 0;
        QByteArray text;
    };

    // Blanks and line ends are skipped; a token up to a blank, comma or
    // line end that is a whole number is a number field, else the field
    // runs on to the next comma or line end.
    Field readField()
    {
        while (peek() == ' ' || peek() == '\t' || peek() == '\r' || peek() == '\n') {
            if (peek() == '\r' || peek() == '\n')
                takeLineEnd();
            else
                take();
        }
        lineStart_ = false;
        Field field;
        QByteArray token;
        while (peek() >= 0 && !isDelimiter(peek()))
            token += char(take());
        if (isNumber(token)) {
            field.isNumber = true;
            field.number = token.toLongLong();
            if (peek() == ' ' || peek() == ',')
                take();
            else
                takeLineEnd();
            return field;
        }
        while (peek() >= 0 && peek() != ',' && peek() != '\r' && peek() != '\n')
            token += char(take());
        if (peek() == ',')
            take();
        else
            takeLineEnd();
        field.text = token;
        return field;
    }

    void skipRestOfLine()
    {
        if (!lineStart_)
            readLine();
    }

private:
    static bool isDelimiter(int c) { return c == ' ' || c == ',' || c == '\r' || c == '\n'; }
    static bool isNumber(const QByteArray& token)
    {
        const qsizetype sign = token.startsWith('-') || token.startsWith('+') ? 1 : 0;
        if (token.size() == sign || token.size() - sign > 18)
            return false;
        for (qsizetype i = sign; i < token.size(); ++i)
            if (token[i] < '0' || token[i] > '9')
                return false;
        return true;
    }
    int peek()
    {
        if (!hasNext_) {
            char c;
            hasNext_ = true;
            next_ = device_.getChar(&c) ? (unsigned char)c : -1;
        }
        return next_;
    }
    int take()
    {
        const int c = peek();
        hasNext_ = false;
        return c;
    }
    void takeLineEnd()
    {
        const int c = peek();
        if (c != '\r' && c != '\n')
            return;
        take();
        if (c == '\r' && peek() == '\n')
            take();
        lineStart_ = true;
    }

    QIODevice& device_;
    int next_ = -1;
    bool hasNext_ = false;
    bool lineStart_ = true;
};

QByteArray headingOf(const QString& name) { return ItemFormat::kHeadingPrefix + Cp1252::encode(name); }

}  // namespace

namespace ReferenceStore {

QStringList wardrobeNames(const QString& dataPath)
{
    QStringList names;
    QFile data(dataPath);
    if (!data.open(QIODevice::ReadOnly))
        return names;
    SlowText text(data);
    while (!text.atEnd()) {
        const QString line = Cp1252::decode(text.readLine());
        if (line.startsWith(QLatin1String(ItemFormat::kHeadingPrefix)))
            names << line.mid(6, 100);
    }
    return names;
}

QByteArray itemTable(const QString& dataPath)
{
    QByteArray table;
    QFile data(dataPath);
    if (!data.open(QIODevice::ReadOnly))
        return table;
    SlowText text(data);
    qint64 lineNumber = 0;
    while (!text.atEnd()) {
        const QByteArray line = text.readLine();
        ++lineNumber;
        if (line.startsWith(ItemFormat::kHeadingPrefix))
            table += line + "\r\n" + ItemFormat::numberLine(lineNumber) + "\r\n";
    }
    return table;
}

qint64 locateItem(const QString& tablePath, const QString& name)
{
    QFile table(tablePath);
    if (!table.open(QIODevice::ReadOnly))
        return -1;
    SlowText text(table);
    const QByteArray heading = headingOf(name);
    while (!text.atEnd()) {
        const SlowText::Field field = text.readField();
        if (!field.isNumber && field.text == heading) {
            const SlowText::Field number = text.readField();
            return number.isNumber ? qBound(qint64(-1), number.number, qint64(1) << 30) : 0;
        }
    }
    return -1;
}

Drawn drawItem(QImage& body, const QString& tablePath, const QString& dataPath, const QString& name, int shiftX,
               int shiftY)
{
    Drawn drawn;
    const qint64 start = locateItem(tablePath, name);
    QFile data(dataPath);
    if (!data.open(QIODevice::ReadOnly))
        return drawn;
    SlowText text(data);
    for (qint64 skip = 1; skip <= start - 3 && !text.atEnd(); ++skip)
        text.readLine();
    const QByteArray heading = headingOf(name);
    while (!drawn.found && !text.atEnd())
        drawn.found = text.readLine() == heading;
    if (!drawn.found)
        return drawn;
    text.readLine();
    drawn.offsetX = ItemFormat::numericValue(Cp1252::decode(text.readLine()));
    drawn.offsetY = ItemFormat::numericValue(Cp1252::decode(text.readLine()));
    text.readLine();
    text.readLine();
    while (!text.atEnd()) {
        const SlowText::Field colour = text.readField();
        if (!colour.isNumber && (colour.text == ItemFormat::kEndLine || colour.text.startsWith(ItemFormat::kHeadingPrefix)))
            break;
        if (!colour.isNumber) {
            text.skipRestOfLine();
            continue;
        }
        const SlowText::Field x = text.readField();
        const SlowText::Field y = text.readField();
        if (!x.isNumber || !y.isNumber) {
            text.skipRestOfLine();
            continue;
        }
        const qint64 px = x.number + drawn.offsetX + shiftX, py = y.number + drawn.offsetY + shiftY;
        if (colour.number >= 0 && colour.number <= 0xFFFFFF && body.valid(int(px), int(py)) && px == int(px) &&
            py == int(py))
            body.setPixel(int(px), int(py), Colour::toQRgb(int(colour.number)));
    }
    return drawn;
}

bool copyShifted(QIODevice& in, QIODevice& out, const QString& heading, int shiftX, int shiftY)
{
    const QByteArray wanted = Cp1252::encode(heading);
    SlowText text(in);
    bool ok = true;
    auto write = [&](const QByteArray& line) { ok = ok && out.write(line + "\r\n") == line.size() + 2; };
    while (!text.atEnd()) {
        const QByteArray line = text.readLine();
        write(line);
        if (line != wanted)
            continue;
        if (!text.atEnd())
            write(text.readLine());
        for (int shift : {shiftX, shiftY}) {
            if (text.atEnd())
                break;
            write(ItemFormat::numberLine(qint64(ItemFormat::numericValue(Cp1252::decode(text.readLine()))) + shift));
        }
    }
    return ok;
}

bool copyWithout(QIODevice& in, QIODevice& out, const QString& heading)
{
    const QByteArray wanted = Cp1252::encode(heading);
    SlowText text(in);
    bool ok = true;
    while (!text.atEnd()) {
        QByteArray line = text.readLine();
        if (line == wanted) {
            // Up to the end line, or up to the next heading, which stays.
            line = QByteArray();
            while (!text.atEnd()) {
                line = text.readLine();
                if (line == ItemFormat::kEndLine || line.startsWith(ItemFormat::kHeadingPrefix))
                    break;
            }
            if (line == ItemFormat::kEndLine) {
                if (text.atEnd())
                    break;
                line = text.readLine();
            } else if (!line.startsWith(ItemFormat::kHeadingPrefix)) {
                break;
            }
        }
        ok = ok && out.write(line + "\r\n") == line.size() + 2;
    }
    return ok;
}

}  // namespace ReferenceStore
