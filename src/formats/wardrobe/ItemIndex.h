#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>

// Where the records of an item data file stand: every heading line with its
// line number and byte position, and the file's line count and last line,
// as the program's line reader counts them. It is made in one pass over the
// file, or from the bytes of a rewrite as they are written, and it lets the
// wardrobe list, the item table and painting an item do without reading
// the whole file again.
class ItemIndex {
public:
    struct Heading {
        qint64 line = 0;    // 1-based line number of the heading
        qint64 offset = 0;  // byte position of its first character
        QString text;       // the heading line, decoded
    };

    // Takes the bytes of a file in pieces of any size.
    class Builder {
    public:
        void feed(QByteArrayView bytes);
        ItemIndex finish();

    private:
        void endLine();
        void consider(QByteArrayView part);
        void extendLastLine(QByteArrayView part);
        const char* skipLineEnd(const char* end, const char* stop);

        QList<Heading> headings_;
        QByteArray current_;    // the current line while it may be a heading
        QByteArray lastLine_;   // the bytes of the last line begun
        bool lastLineOverlong_ = false;
        qint64 offset_ = 0;
        qint64 lines_ = 0;
        qint64 lineStart_ = 0;
        bool inLine_ = false;    // a line has begun and not yet ended
        bool candidate_ = false;  // the current line may still be a heading
        bool skipLineFeed_ = false;
        // The last whole line seen in the piece being fed.
        const char* lastLineStart_ = nullptr;
        const char* lastLineEnd_ = nullptr;
    };

    // Indexes what device holds from its reading position on; false when
    // reading fails part-way.
    static bool scan(QIODevice& device, ItemIndex& index);

    const QList<Heading>& headings() const { return headings_; }
    qint64 lineCount() const { return lines_; }
    qint64 size() const { return size_; }
    // The last line of the file, without its line end; empty for an empty file.
    const QString& lastLine() const { return lastLine_; }

    // The first heading at line from or later that is exactly heading.
    const Heading* find(const QString& heading, qint64 from) const;

private:
    QList<Heading> headings_;
    qint64 lines_ = 0;
    qint64 size_ = 0;
    QString lastLine_;
};

// Writes through to another device and feeds what was written to an index
// builder, so that a rewrite indexes the new file while it writes it.
class IndexingWriter : public QIODevice {
public:
    IndexingWriter(QIODevice& out, ItemIndex::Builder& builder);

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    QIODevice& out_;
    ItemIndex::Builder& builder_;
};

// The index of the one item data file in use, kept while the file is the
// one indexed: the same size, modification and change time and, where the
// system tells it, the same file identity. A file changed by another
// program, or put back by hand, is indexed again.
class ItemIndexCache {
public:
    struct Stamp {
        qint64 size = -1;
        qint64 modified = 0, changed = 0;  // nanoseconds where the system has them
        quint64 identity = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const QString& path);

    // The index of the file at path when it is still the file indexed.
    const ItemIndex* find(const QString& path) const;
    // Keeps index as the index of path, which stood as stamp when it was read.
    const ItemIndex* keep(const QString& path, const Stamp& stamp, ItemIndex index);
    void forget();

private:
    QString path_;
    Stamp stamp_;
    ItemIndex index_;
    bool valid_ = false;
};
