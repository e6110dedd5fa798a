#include "wardrobe/ItemIndex.h"

#include "toolkit/Cp1252.h"
#include "toolkit/LineReader.h"
#include "wardrobe/ItemFormat.h"

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

void ItemIndex::Builder::beginLine(qint64 offset)
{
    ++lines_;
    lineStart_ = offset;
    inLine_ = true;
    candidate_ = true;
    current_.resize(0);
}

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
    if (current_.size() >= kPrefix.size() && !current_.startsWith(kPrefix)) {
        candidate_ = false;
        current_.resize(0);
    }
}

void ItemIndex::Builder::feed(QByteArrayView bytes)
{
    const char* const start = bytes.data();
    const char* const stop = start + bytes.size();
    const bool continuing = inLine_;
    const char* continuedTo = stop;  // where a line begun in an earlier piece ends
    const char* begunAt = nullptr;   // the last line begun in this piece
    const char* endedAt = stop;
    for (const char* p = start; p < stop;) {
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (*p == '\n') {
                ++p;
                continue;
            }
        }
        if (!inLine_) {
            beginLine(offset_ + (p - start));
            begunAt = p;
            endedAt = stop;
        }
        const char* end = findLineEnd(p, stop);
        consider(QByteArrayView(p, end - p));
        if (begunAt == nullptr)
            continuedTo = end;
        if (end == stop)
            break;
        endLine();
        if (begunAt != nullptr)
            endedAt = end;
        skipLineFeed_ = *end == '\r';
        p = end + 1;
    }
    if (begunAt != nullptr)
        lastLine_ = QByteArray(begunAt, endedAt - begunAt);
    else if (continuing)
        lastLine_.append(start, continuedTo - start);
    offset_ += bytes.size();
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
