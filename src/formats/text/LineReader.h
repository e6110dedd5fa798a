#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <bit>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TAVOLIN_SSE2 1
#endif

class QIODevice;

// Reads a text file line by line, as the program's readers all do: a line
// ends at carriage return + line feed; a lone line feed or carriage return
// also ends one, and a last line without any line end is a line too.
// The device is read in large chunks and lines are handed out as views
// into them, so that a file of many megabytes costs one pass and no copy
// per line.
//
// It also reads fields, a stream that runs across line ends: blanks and
// line ends are skipped; if the characters up to the next blank, comma or
// line end form a whole number, that number is the field and reading goes
// on after that delimiter; otherwise the field is the text up to the next
// comma or line end.
class LineReader {
public:
    // How much is read from the device at a time.
    static constexpr qint64 kChunk = 1 << 16;
    // No line the program writes comes near this, and none could be used:
    // a longer line is damage. Its bytes are passed over and it reads as
    // an empty line, so that a file of gigabytes without a line end costs
    // no more memory than this.
    static constexpr qsizetype kMaxLine = 1 << 20;

    struct Field {
        bool isNumber = false;
        qint64 number = 0;
        QString text;  // the text of a text field; empty for a number
        bool operator==(const QString& other) const { return !isNumber && text == other; }
    };

    explicit LineReader(QIODevice& device);

    bool atEnd();

    // The next line without its line end; valid until the next read. An
    // empty view at the end.
    QByteArrayView readLineView();

    // The bytes from the reading position up to the next line end, left
    // unread: readLineView() then takes them. Valid until the next read.
    QByteArrayView peekLine();

    // Takes the lines that stand whole in the buffer, each ended by CR LF,
    // up to the first for which stop(line) is true or that ends otherwise;
    // that line is left unread. Returns the bytes taken, line ends
    // included; valid until the next read. Empty when the next line is such
    // a line or not yet read in. A copy that changes only a few lines passes
    // everything else on this way, without looking at it line by line.
    template <class Stop>
    QByteArrayView readCrLfLines(Stop&& stop);

    // The next line without its line end, as bytes; an empty array at the end.
    QByteArray readLineBytes() { return readLineView().toByteArray(); }

    // The next line decoded from Windows-1252.
    QString readLine();

    // How many lines have been read so far.
    qint64 lineCount() const { return lines_; }
    // How many lines longer than kMaxLine were passed over so far.
    qint64 overlongLines() const { return overlong_; }

    // The next field; at the end of the file an empty text field.
    Field readField();
    // Whether the last read ended at a line end (or nothing was read yet).
    bool atLineStart() const { return atLineStart_; }
    // Drops the rest of the current line, its line end included.
    void skipRestOfLine();

private:
    bool more();
    bool ensureLine();
    void dropOverlongLine();
    void consumeLineEnd();

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    // Where the current line's line end stands in the buffer once it has
    // been looked for; -1 before.
    qsizetype lineEnd_ = -1;
    qint64 lines_ = 0;
    qint64 overlong_ = 0;
    bool eof_ = false;
    bool atLineStart_ = true;
};

// The first carriage return or line feed in [from, to), or to. Sixteen
// bytes at a time where the processor can, and inline: the item data file
// is millions of short lines, and this search is most of reading it.
inline const char* findLineEnd(const char* from, const char* to)
{
#ifdef TAVOLIN_SSE2
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (to - from >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const unsigned hits =
            unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
        if (hits != 0)
            return from + std::countr_zero(hits);
        from += 16;
    }
#endif
    while (from < to && *from != '\n' && *from != '\r')
        ++from;
    return from;
}

// The line end to put between bytes and what is added after them, so that
// the addition starts a line of its own: none when they are empty or end
// with a line end (a CR or LF, as the reader takes it), else CR LF.
inline QByteArrayView lineEndBefore(QByteArrayView bytes)
{
    if (bytes.isEmpty() || bytes.back() == '\n' || bytes.back() == '\r')
        return {};
    return QByteArrayView("\r\n", 2);
}

template <class Stop>
QByteArrayView LineReader::readCrLfLines(Stop&& stop)
{
    if (!ensureLine())
        return {};
    const char* const begin = buffer_.constData() + pos_;
    const char* const end = buffer_.constData() + buffer_.size();
    const char* p = begin;
    qint64 lines = 0;
    for (;;) {
        const char* lineEnd = findLineEnd(p, end);
        if (end - lineEnd < 2 || lineEnd[0] != '\r' || lineEnd[1] != '\n' ||
            stop(QByteArrayView(p, lineEnd - p)))
            break;
        p = lineEnd + 2;
        ++lines;
    }
    if (p == begin)
        return {};
    pos_ += p - begin;
    lineEnd_ = -1;
    lines_ += lines;
    atLineStart_ = true;
    return QByteArrayView(begin, p - begin);
}
