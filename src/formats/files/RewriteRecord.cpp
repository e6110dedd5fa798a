#include "formats/files/RewriteRecord.h"

#include "formats/text/LineReader.h"

#include <QByteArrayView>
#include <QCryptographicHash>
#include <QIODevice>

namespace {

using Splice = RewriteRecord::Splice;
using Version = RewriteRecord::Version;

// Adds a splice after the others; one that begins where the last ends
// joins it, so that a run of dropped lines is one piece.
void addSplice(QList<Splice>& splices, qint64 at, qint64 drop, QByteArrayView insert)
{
    if (!splices.isEmpty() && splices.last().at + splices.last().drop == at) {
        splices.last().drop += drop;
        splices.last().insert.append(insert);
        return;
    }
    splices.append({at, drop, insert.toByteArray()});
}

// One line of a version: its bytes with the line end, and the line end's
// length (0 for a last line without one).
struct Line {
    QByteArrayView bytes;
    qsizetype endLength = 0;
    QByteArrayView text() const { return bytes.first(bytes.size() - endLength); }
    QByteArrayView end() const { return bytes.last(endLength); }
};

// The bytes of one version as they pass, split into lines as the line
// reader splits them: CR LF, a lone LF or a lone CR ends a line, and the
// last line may have no end. A line is handed out once it is whole.
class LineQueue {
public:
    void feed(QByteArrayView bytes)
    {
        // The bytes already taken go once they are half the buffer.
        if (start_ > 0 && start_ >= buffer_.size() / 2) {
            buffer_.remove(0, start_);
            start_ = 0;
        }
        buffer_.append(bytes);
        hash_.addData(bytes);
        size_ += bytes.size();
    }
    void end() { ended_ = true; }
    bool ended() const { return ended_; }

    // The next whole line; false while there is none yet.
    bool peek(Line& line) const
    {
        const char* begin = buffer_.constData() + start_;
        const char* stop = buffer_.constData() + buffer_.size();
        if (begin == stop)
            return false;
        const char* at = findLineEnd(begin, stop);
        qsizetype endLength = 0;
        if (at == stop) {
            if (!ended_)
                return false;
        } else if (*at == '\n') {
            endLength = 1;
        } else if (at + 1 < stop) {
            endLength = at[1] == '\n' ? 2 : 1;
        } else if (ended_) {
            endLength = 1;
        } else {
            return false;  // its line feed may come with the next bytes
        }
        line = {QByteArrayView(begin, at + endLength - begin), endLength};
        return true;
    }
    // Takes the line peek gave.
    void take(const Line& line)
    {
        start_ += line.bytes.size();
        position_ += line.bytes.size();
    }
    // Where the next line begins in the version.
    qint64 position() const { return position_; }
    qint64 size() const { return size_; }
    QByteArray hash() const { return hash_.result(); }

private:
    QByteArray buffer_;
    qsizetype start_ = 0;
    qint64 position_ = 0;
    qint64 size_ = 0;
    bool ended_ = false;
    QCryptographicHash hash_{QCryptographicHash::Sha1};
};

// Lines up the old and the new version as the rewrite reads the one and
// writes the other. Each new line is matched with the first old line from
// there on of the same text; the old lines passed over on the way are the
// ones the rewrite dropped. A new line is written only after the old line
// it comes from has been read, so the match is always there to be found.
class Aligner {
public:
    void oldBytes(QByteArrayView bytes) { old_.feed(bytes); }
    void newBytes(QByteArrayView bytes)
    {
        new_.feed(bytes);
        matchNewLines();
    }

    // Once the copy is done: what is left of either version is dropped
    // or added at the end.
    void finish(Version& oldVersion, Version& newVersion)
    {
        old_.end();
        new_.end();
        matchNewLines();
        Line line;
        while (old_.peek(line))
            dropOld(line);
        oldVersion.size = old_.size();
        oldVersion.hash = old_.hash();
        oldVersion.fromOther = std::move(toOld_);
        newVersion.size = new_.size();
        newVersion.hash = new_.hash();
        newVersion.fromOther = std::move(toNew_);
    }

private:
    void matchNewLines()
    {
        Line line;
        while (new_.peek(line) && matchNewLine(line))
            new_.take(line);
    }

    // False when the old version has no line left to look at yet.
    bool matchNewLine(const Line& fresh)
    {
        Line line;
        while (old_.peek(line)) {
            if (line.text() == fresh.text()) {
                if (line.end() != fresh.end()) {
                    const qint64 textLength = line.text().size();
                    addSplice(toOld_, new_.position() + textLength, fresh.endLength, line.end());
                    addSplice(toNew_, old_.position() + textLength, line.endLength, fresh.end());
                }
                old_.take(line);
                return true;
            }
            dropOld(line);
        }
        if (!old_.ended())
            return false;
        // No old line has its text: the rewrite made it.
        addSplice(toOld_, new_.position(), fresh.bytes.size(), {});
        addSplice(toNew_, old_.position(), 0, fresh.bytes);
        return true;
    }

    void dropOld(const Line& line)
    {
        addSplice(toOld_, new_.position(), 0, line.bytes);
        addSplice(toNew_, old_.position(), line.bytes.size(), {});
        old_.take(line);
    }

    LineQueue old_, new_;
    QList<Splice> toOld_, toNew_;
};

// Reads through to the file being rewritten and shows the aligner each
// byte read.
class RecordingReader : public QIODevice {
public:
    RecordingReader(QIODevice& in, Aligner& aligner) : in_(in), aligner_(aligner)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return in_.bytesAvailable(); }
    bool atEnd() const override { return in_.atEnd(); }

protected:
    qint64 readData(char* data, qint64 size) override
    {
        const qint64 got = in_.read(data, size);
        if (got > 0)
            aligner_.oldBytes(QByteArrayView(data, got));
        return got;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& in_;
    Aligner& aligner_;
};

// Writes through to the working copy and shows the aligner each byte
// written.
class RecordingWriter : public QIODevice {
public:
    RecordingWriter(QIODevice& out, Aligner& aligner) : out_(out), aligner_(aligner)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 written = out_.write(data, size);
        if (written > 0)
            aligner_.newBytes(QByteArrayView(data, written));
        return written;
    }

private:
    QIODevice& out_;
    Aligner& aligner_;
};

constexpr qint64 kPiece = LineReader::kChunk;

// Reads count bytes of in (all that is left when count is -1), passing them
// to out when out is given; false when a read or write fails, or when in
// ends first (ended is set then).
bool pass(QIODevice& in, QIODevice* out, qint64 count, QCryptographicHash& hash, qint64& position, bool& ended)
{
    while (count != 0) {
        const QByteArray piece = in.read(count < 0 ? kPiece : qMin(count, kPiece));
        if (piece.isEmpty()) {
            ended = count > 0 && in.atEnd();
            return count < 0 && in.atEnd();
        }
        hash.addData(piece);
        position += piece.size();
        if (count > 0)
            count -= piece.size();
        if (out && out->write(piece) != piece.size())
            return false;
    }
    return true;
}

// Makes version `to` of the file in holds, which must be version `from`.
bool replay(QIODevice& in, QIODevice& out, const Version& from, const Version& to, bool* differs)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    qint64 position = 0;
    bool ended = false;
    bool whole = true;
    for (const Splice& splice : to.fromOther) {
        whole = pass(in, &out, splice.at - position, hash, position, ended) &&
                pass(in, nullptr, splice.drop, hash, position, ended) &&
                out.write(splice.insert) == splice.insert.size();
        if (!whole)
            break;
    }
    whole = whole && pass(in, &out, -1, hash, position, ended);
    // A file shorter, longer or other than that version: what the copy
    // wrote is not the other version.
    if (ended || (whole && (position != from.size || hash.result() != from.hash))) {
        *differs = true;
        return false;
    }
    return whole;
}

}  // namespace

FileAccess::CopyFunction RewriteRecord::recording(FileAccess::CopyFunction copy)
{
    return [this, copy = std::move(copy)](QIODevice& in, QIODevice& out) {
        Aligner aligner;
        RecordingReader reader(in, aligner);
        RecordingWriter writer(out, aligner);
        if (!copy(reader, writer))
            return false;
        // Whatever the copy left unread counts as dropped.
        while (!reader.read(kPiece).isEmpty()) {
        }
        aligner.finish(old_, new_);
        return true;
    };
}

bool RewriteRecord::changed() const { return old_.size != new_.size || old_.hash != new_.hash; }

FileAccess::CopyFunction RewriteRecord::back(bool* differs) const
{
    return [this, differs](QIODevice& in, QIODevice& out) { return replay(in, out, new_, old_, differs); };
}

FileAccess::CopyFunction RewriteRecord::forward(bool* differs) const
{
    return [this, differs](QIODevice& in, QIODevice& out) { return replay(in, out, old_, new_, differs); };
}

qint64 RewriteRecord::keptBytes() const
{
    qint64 bytes = 0;
    for (const Version* version : {&old_, &new_})
        for (const Splice& splice : version->fromOther)
            bytes += splice.insert.size();
    return bytes;
}
