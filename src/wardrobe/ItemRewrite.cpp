#include "wardrobe/ItemRewrite.h"

#include "toolkit/Cp1252.h"
#include "toolkit/LineReader.h"
#include "wardrobe/ItemFormat.h"

#include <QIODevice>

namespace {

// Collects lines and writes them to the device in large pieces.
class LineWriter {
public:
    explicit LineWriter(QIODevice& out) : out_(out) {}
    void write(const QByteArray& line)
    {
        buffer_ += line;
        buffer_ += "\r\n";
        if (buffer_.size() >= (1 << 20))
            flush();
    }
    bool flush()
    {
        ok_ = ok_ && out_.write(buffer_) == buffer_.size();
        buffer_.clear();
        return ok_;
    }

private:
    QIODevice& out_;
    QByteArray buffer_;
    bool ok_ = true;
};

}  // namespace

namespace ItemRewrite {

bool copyShifted(QIODevice& in, QIODevice& out, const QString& heading, int shiftX, int shiftY)
{
    const QByteArray wanted = Cp1252::encode(heading);
    LineReader reader(in);
    LineWriter writer(out);
    while (!reader.atEnd()) {
        const QByteArray line = reader.readLineBytes();
        writer.write(line);
        if (line != wanted)
            continue;
        if (!reader.atEnd())
            writer.write(reader.readLineBytes());  // the separator
        for (int shift : {shiftX, shiftY}) {
            if (reader.atEnd())
                break;
            const qint64 moved = qint64(ItemFormat::numericValue(Cp1252::decode(reader.readLineBytes()))) + shift;
            writer.write(ItemFormat::numberLine(moved));
        }
    }
    return writer.flush();
}

bool copyWithout(QIODevice& in, QIODevice& out, const QString& heading)
{
    const QByteArray wanted = Cp1252::encode(heading);
    const QByteArray endLine(ItemFormat::kEndLine);
    LineReader reader(in);
    LineWriter writer(out);
    while (!reader.atEnd()) {
        QByteArray line = reader.readLineBytes();
        if (line == wanted) {
            while (!reader.atEnd() && reader.readLineBytes() != endLine) {
            }
            if (reader.atEnd())
                break;
            line = reader.readLineBytes();
        }
        writer.write(line);
    }
    return writer.flush();
}

bool copyAdding(QIODevice& in, QIODevice& out, const QByteArray& record)
{
    while (!in.atEnd()) {
        // Nothing read before the end is a failed read: the old file stays.
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            return false;
    }
    return out.write(record) == record.size();
}

}  // namespace ItemRewrite
