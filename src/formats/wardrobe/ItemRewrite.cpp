#include "formats/wardrobe/ItemRewrite.h"

#include "formats/text/Cp1252.h"
#include "formats/text/LineReader.h"
#include "formats/wardrobe/ItemFormat.h"

#include <QIODevice>

namespace {

// Collects lines and writes them to the device in large pieces; each line
// gets CR LF, whatever ended it in the old file.
class LineWriter {
public:
    explicit LineWriter(QIODevice& out) : out_(out) { buffer_.reserve(kPiece + 4096); }
    void write(QByteArrayView line)
    {
        buffer_.append(line);
        buffer_.append("\r\n", 2);
        if (buffer_.size() >= kPiece)
            flush();
    }
    // Whole lines with their line ends, passed on as they are.
    void writeLines(QByteArrayView lines)
    {
        if (lines.size() < kPiece - buffer_.size()) {
            buffer_.append(lines);
            return;
        }
        flush();
        ok_ = ok_ && out_.write(lines.data(), lines.size()) == lines.size();
    }
    bool flush()
    {
        ok_ = ok_ && out_.write(buffer_) == buffer_.size();
        buffer_.resize(0);
        return ok_;
    }

private:
    static constexpr qsizetype kPiece = 1 << 20;
    QIODevice& out_;
    QByteArray buffer_;
    bool ok_ = true;
};

// A heading as the wardrobe list and the item table know it.
bool isHeading(QByteArrayView line)
{
    return line.startsWith(QByteArrayView(ItemFormat::kHeadingPrefix, sizeof(ItemFormat::kHeadingPrefix) - 1));
}

}  // namespace

namespace ItemRewrite {

bool copyShifted(QIODevice& in, QIODevice& out, const QString& heading, int shiftX, int shiftY)
{
    const QByteArray wanted = Cp1252::encode(heading);
    LineReader reader(in);
    LineWriter writer(out);
    const auto isWanted = [&wanted](QByteArrayView line) { return line == wanted; };
    while (!reader.atEnd()) {
        writer.writeLines(reader.readCrLfLines(isWanted));
        if (reader.atEnd())
            break;
        const QByteArrayView line = reader.readLineView();
        writer.write(line);
        if (line != wanted)
            continue;
        if (!reader.atEnd())
            writer.write(reader.readLineView());  // the separator
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
    const auto isWanted = [&wanted](QByteArrayView line) { return line == wanted; };
    // A record without its end line ends at the next heading, as painting
    // takes it: the items after it stay.
    const auto endsRecord = [&endLine](QByteArrayView line) { return line == endLine || isHeading(line); };
    while (!reader.atEnd()) {
        writer.writeLines(reader.readCrLfLines(isWanted));
        if (reader.atEnd())
            break;
        QByteArrayView line = reader.readLineView();
        if (line == wanted) {
            // The record's lines up to its end line are dropped: runs of
            // plain lines at once, any other line by itself.
            for (;;) {
                if (!reader.readCrLfLines(endsRecord).isEmpty())
                    continue;
                if (reader.atEnd() || isHeading(reader.peekLine()) || reader.readLineView() == endLine)
                    break;
            }
            if (reader.atEnd())
                break;
            line = reader.readLineView();
        }
        writer.write(line);
    }
    return writer.flush();
}

bool copyAdding(QIODevice& in, QIODevice& out, const QByteArray& record)
{
    QByteArray chunk;
    while (!in.atEnd()) {
        // Nothing read before the end is a failed read: the old file stays.
        chunk = in.read(1 << 20);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size())
            return false;
    }
    // A file edited by hand may stop in the middle of its last line; the
    // heading must not run on from it, or the item is lost from the list.
    const QByteArrayView lineEnd = lineEndBefore(chunk);
    if (!lineEnd.isEmpty() && out.write(lineEnd.data(), lineEnd.size()) != lineEnd.size())
        return false;
    return out.write(record) == record.size();
}

}  // namespace ItemRewrite
