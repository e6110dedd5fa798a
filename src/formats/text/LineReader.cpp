#include "formats/text/LineReader.h"

#include "formats/text/Cp1252.h"

#include <QIODevice>

#include <cstring>

LineReader::LineReader(QIODevice& device) : device_(device) {}

// Reads the next chunk behind the unread bytes; false at the end. The read
// bytes are dropped first, so the buffer stays near one chunk in size.
bool LineReader::more()
{
    if (eof_ || !device_.isOpen()) {
        eof_ = true;
        return false;
    }
    // The unread bytes move to the front by hand: QByteArray::remove would
    // leave the room in front, and the resize below allocate anew.
    const qsizetype kept = buffer_.size() - pos_;
    if (pos_ > 0) {
        std::memmove(buffer_.data(), buffer_.constData() + pos_, size_t(kept));
        if (lineEnd_ >= 0)
            lineEnd_ -= pos_;
        pos_ = 0;
    }
    buffer_.resize(kept + kChunk);
    const qint64 got = device_.read(buffer_.data() + kept, kChunk);
    buffer_.resize(kept + qMax<qint64>(got, 0));
    if (got <= 0)
        eof_ = true;
    return got > 0;
}

// Makes sure the buffer holds the current line up to its line end (a
// carriage return with the line feed that may follow it), or up to the end
// of the file; false when nothing is left.
bool LineReader::ensureLine()
{
    if (lineEnd_ >= pos_)
        return true;
    qsizetype from = 0;  // where to go on looking, from pos_
    for (;;) {
        const char* data = buffer_.constData();
        const char* end = findLineEnd(data + pos_ + from, data + buffer_.size());
        const qsizetype at = end - data;
        // A carriage return may be followed by its line feed in the next chunk.
        if (at < buffer_.size() && (*end == '\n' || at + 1 < buffer_.size() || eof_)) {
            lineEnd_ = at;
            return true;
        }
        if (eof_) {
            lineEnd_ = -1;
            return pos_ < buffer_.size();
        }
        if (at - pos_ > kMaxLine) {
            dropOverlongLine();
            from = 0;
            continue;
        }
        from = at - pos_;
        more();
    }
}

// The bytes of the current line are dropped, up to its line end or the
// end of the file, chunk by chunk; what is left of it is an empty line.
void LineReader::dropOverlongLine()
{
    ++overlong_;
    for (;;) {
        pos_ = buffer_.size();
        lineEnd_ = -1;
        if (!more())
            return;
        const char* data = buffer_.constData();
        const char* end = findLineEnd(data + pos_, data + buffer_.size());
        if (end < data + buffer_.size()) {
            pos_ = end - data;
            return;
        }
    }
}

bool LineReader::atEnd() { return pos_ >= buffer_.size() && !more(); }

// Takes a line end at the reading position: CR LF, CR or LF.
void LineReader::consumeLineEnd()
{
    if (pos_ >= buffer_.size())
        return;
    const char end = buffer_.at(pos_);
    if (end != '\r' && end != '\n')
        return;
    ++pos_;
    if (end == '\r' && pos_ < buffer_.size() && buffer_.at(pos_) == '\n')
        ++pos_;
    lineEnd_ = -1;
    ++lines_;
    atLineStart_ = true;
}

QByteArrayView LineReader::readLineView()
{
    ++lines_;
    atLineStart_ = true;
    if (!ensureLine())
        return {};
    const char* begin = buffer_.constData() + pos_;
    if (lineEnd_ < 0) {  // the last line, without a line end
        const QByteArrayView line(begin, buffer_.size() - pos_);
        pos_ = buffer_.size();
        return line;
    }
    const QByteArrayView line(begin, lineEnd_ - pos_);
    pos_ = lineEnd_ + 1;
    if (buffer_.at(lineEnd_) == '\r' && pos_ < buffer_.size() && buffer_.at(pos_) == '\n')
        ++pos_;
    lineEnd_ = -1;
    return line;
}

QByteArrayView LineReader::peekLine()
{
    if (!ensureLine())
        return {};
    const qsizetype end = lineEnd_ < 0 ? buffer_.size() : lineEnd_;
    return QByteArrayView(buffer_.constData() + pos_, end - pos_);
}

QString LineReader::readLine() { return Cp1252::decode(readLineView().toByteArray()); }

namespace {

bool isDelimiter(char c) { return c == ' ' || c == ',' || c == '\r' || c == '\n'; }

// A sign, then 1 to 18 digits.
bool wholeNumber(const char* from, const char* to, qint64& value)
{
    bool negative = false;
    if (from < to && (*from == '-' || *from == '+'))
        negative = *from++ == '-';
    if (from == to || to - from > 18)
        return false;
    qint64 n = 0;
    for (; from < to; ++from) {
        if (*from < '0' || *from > '9')
            return false;
        n = n * 10 + (*from - '0');
    }
    value = negative ? -n : n;
    return true;
}

}  // namespace

LineReader::Field LineReader::readField()
{
    Field field;
    atLineStart_ = false;
    // Blanks and line ends; the buffer then holds the whole line of the field.
    for (;;) {
        if (!ensureLine())
            return field;
        const qsizetype lineEnd = lineEnd_ < 0 ? buffer_.size() : lineEnd_;
        while (pos_ < lineEnd && (buffer_.at(pos_) == ' ' || buffer_.at(pos_) == '\t'))
            ++pos_;
        if (pos_ < lineEnd)
            break;
        if (lineEnd_ < 0)
            return field;
        consumeLineEnd();
        atLineStart_ = false;
    }
    const char* data = buffer_.constData();
    const char* begin = data + pos_;
    const char* lineEnd = data + (lineEnd_ < 0 ? buffer_.size() : lineEnd_);
    const char* token = begin;
    while (token < lineEnd && !isDelimiter(*token))
        ++token;
    if (wholeNumber(begin, token, field.number)) {
        field.isNumber = true;
        pos_ = token - data;
        if (token < lineEnd)
            ++pos_;  // the blank or comma
        else
            consumeLineEnd();
        return field;
    }
    // A text field runs on over blanks to the next comma or line end.
    while (token < lineEnd && *token != ',')
        ++token;
    field.text = Cp1252::decode(QByteArray(begin, token - begin));
    pos_ = token - data;
    if (token < lineEnd)
        ++pos_;
    else
        consumeLineEnd();
    return field;
}

void LineReader::skipRestOfLine()
{
    if (!atLineStart_)
        readLineView();
}
