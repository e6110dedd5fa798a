#include "formats/wardrobe/ItemIndex.h"

#include "formats/text/Cp1252.h"
#include "formats/text/LineReader.h"
#include "formats/wardrobe/ItemFormat.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
constexpr qint64 kScanChunk = 1 << 18;
// Its length given, so that no build needs the text at compile time.
constexpr QByteArrayView kPrefix(ItemFormat::kHeadingPrefix, sizeof(ItemFormat::kHeadingPrefix) - 1);
}  // namespace

void ItemIndex::Builder::endLine()
{
    inLine_ = false;
    if (candidate_ && current_.startsWith(kPrefix))
        headings_.append({lines_, lineStart_, Cp1252::decode(current_)});
    candidate_ = false;
}

// Keeps the current line's bytes only while they may still begin with the
// heading prefix: a pixel line is given up at its first byte.
void ItemIndex::Builder::consider(QByteArrayView part)
{
    if (!candidate_)
        return;
    if (current_.isEmpty() && part.size() >= kPrefix.size() && !part.startsWith(kPrefix)) {
        candidate_ = false;
        return;
    }
    current_.append(part);
    // A heading longer than any line the program reads is damage, not an item.
    if ((current_.size() >= kPrefix.size() && !current_.startsWith(kPrefix)) || current_.size() > LineReader::kMaxLine) {
        candidate_ = false;
        current_.resize(0);
    }
}

// The part of the last line that ran on into this piece. A line longer
// than any the program reads is kept as an empty one, as the line reader
// hands it out, so that memory stays bounded.
void ItemIndex::Builder::extendLastLine(QByteArrayView part)
{
    if (lastLine_.size() + part.size() > LineReader::kMaxLine) {
        lastLine_.resize(0);
        lastLineOverlong_ = true;
    }
    if (!lastLineOverlong_)
        lastLine_.append(part);
}

// Most lines begin and end within one piece; they are looked at in place,
// and only a line that runs on into the next piece is kept in part.
void ItemIndex::Builder::feed(QByteArrayView bytes)
{
    const char* const start = bytes.data();
    const char* const stop = start + bytes.size();
    const char* p = start;
    if (skipLineFeed_ && p < stop) {
        skipLineFeed_ = false;
        if (*p == '\n')
            ++p;
    }
    if (inLine_ && p < stop) {  // the line begun in an earlier piece
        const char* end = findLineEnd(p, stop);
        consider(QByteArrayView(p, end - p));
        extendLastLine(QByteArrayView(p, end - p));
        if (end < stop) {
            endLine();
            p = skipLineEnd(end, stop);
        } else {
            p = stop;
        }
    }
    while (p < stop) {
        const char* end = findLineEnd(p, stop);
        ++lines_;
        if (end == stop) {  // it runs on into the next piece
            lineStart_ = offset_ + (p - start);
            inLine_ = true;
            candidate_ = true;
            current_.resize(0);
            consider(QByteArrayView(p, end - p));
            lastLine_.resize(0);
            lastLineOverlong_ = false;
            extendLastLine(QByteArrayView(p, end - p));
            break;
        }
        if (*p == kPrefix.front() && end - p >= kPrefix.size() && QByteArrayView(p, kPrefix.size()) == kPrefix)
            headings_.append({lines_, offset_ + (p - start), Cp1252::decode(QByteArray(p, end - p))});
        lastLineStart_ = p;
        lastLineEnd_ = end;
        // CR LF, the end of nearly every line, without the call.
        p = stop - end > 1 && end[0] == '\r' && end[1] == '\n' ? end + 2 : skipLineEnd(end, stop);
    }
    if (lastLineStart_ != nullptr) {
        // The last whole line of this piece is the last line so far, unless
        // a line runs on from it into the next piece.
        if (!inLine_) {
            lastLine_ = QByteArray(lastLineStart_, lastLineEnd_ - lastLineStart_);
            lastLineOverlong_ = false;
        }
        lastLineStart_ = lastLineEnd_ = nullptr;
    }
    offset_ += bytes.size();
}

// Steps over the line end at end: CR LF, or a lone CR or LF. A CR at the
// end of the piece may have its LF in the next.
const char* ItemIndex::Builder::skipLineEnd(const char* end, const char* stop)
{
    if (*end == '\r') {
        if (end + 1 == stop) {
            skipLineFeed_ = true;
            return stop;
        }
        if (end[1] == '\n')
            return end + 2;
    }
    return end + 1;
}

ItemIndex ItemIndex::Builder::finish()
{
    if (inLine_)
        endLine();
    ItemIndex index;
    index.headings_ = std::move(headings_);
    index.lines_ = lines_;
    index.size_ = offset_;
    index.lastLine_ = Cp1252::decode(lastLine_);
    *this = Builder();
    return index;
}

bool ItemIndex::scan(QIODevice& device, ItemIndex& index)
{
    Builder builder;
    QByteArray chunk(kScanChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 got = device.read(chunk.data(), chunk.size());
        if (got < 0)
            return false;
        if (got == 0)
            break;
        builder.feed(QByteArrayView(chunk.constData(), got));
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device); file && file->error() != QFileDevice::NoError)
        return false;
    index = builder.finish();
    return true;
}

const ItemIndex::Heading* ItemIndex::find(const QString& heading, qint64 from) const
{
    for (const Heading& entry : headings_)
        if (entry.line >= from && entry.text == heading)
            return &entry;
    return nullptr;
}

IndexingWriter::IndexingWriter(QIODevice& out, ItemIndex::Builder& builder) : out_(out), builder_(builder)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 IndexingWriter::writeData(const char* data, qint64 size)
{
    const qint64 written = out_.write(data, size);
    if (written > 0)
        builder_.feed(QByteArrayView(data, written));
    return written;
}

ItemIndexCache::Stamp ItemIndexCache::stampOf(const QString& path)
{
    Stamp stamp;
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return stamp;
    stamp.size = status.st_size;
    stamp.modified = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    stamp.changed = qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec;
    stamp.identity = quint64(status.st_ino) ^ (quint64(status.st_dev) << 40);
#else
    const QFileInfo info(path);
    if (!info.isFile())
        return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch();
    stamp.changed = info.metadataChangeTime().toMSecsSinceEpoch();
#endif
    return stamp;
}

const ItemIndex* ItemIndexCache::find(const QString& path) const
{
    if (!valid_ || path != path_ || stampOf(path) != stamp_)
        return nullptr;
    return &index_;
}

const ItemIndex* ItemIndexCache::keep(const QString& path, const Stamp& stamp, ItemIndex index)
{
    path_ = path;
    stamp_ = stamp;
    index_ = std::move(index);
    // A file that is not there is not kept: it may appear with any content.
    valid_ = stamp.size >= 0;
    return &index_;
}

void ItemIndexCache::forget()
{
    valid_ = false;
    index_ = ItemIndex();
}
