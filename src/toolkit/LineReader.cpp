#include "toolkit/LineReader.h"

#include "toolkit/Cp1252.h"

#include <QIODevice>

namespace {
constexpr qint64 kChunk = 1 << 16;
}

LineReader::LineReader(QIODevice& device) : device_(device) {}

// Makes sure at least one unread byte is buffered; false at the end.
bool LineReader::fill()
{
    if (pos_ < buffer_.size())
        return true;
    buffer_.clear();
    pos_ = 0;
    if (eof_ || !device_.isOpen())
        return false;
    buffer_ = device_.read(kChunk);
    if (buffer_.isEmpty()) {
        eof_ = true;
        return false;
    }
    return true;
}

bool LineReader::atEnd() { return !fill(); }

int LineReader::peek() { return fill() ? static_cast<unsigned char>(buffer_.at(pos_)) : -1; }

// Takes a line end at the reading position: CR LF, CR or LF.
void LineReader::consumeLineEnd()
{
    const int end = peek();
    if (end != '\r' && end != '\n')
        return;
    ++pos_;
    if (end == '\r' && peek() == '\n')
        ++pos_;
    ++lines_;
    atLineStart_ = true;
}

QByteArray LineReader::readLineBytes()
{
    QByteArray line;
    while (fill()) {
        const char* begin = buffer_.constData() + pos_;
        const qsizetype left = buffer_.size() - pos_;
        qsizetype n = 0;
        while (n < left && begin[n] != '\n' && begin[n] != '\r')
            ++n;
        line.append(begin, n);
        pos_ += n;
        if (n < left) {
            const char end = buffer_.at(pos_++);
            // A carriage return may be followed by its line feed in the next chunk.
            if (end == '\r' && fill() && buffer_.at(pos_) == '\n')
                ++pos_;
            break;
        }
    }
    ++lines_;
    atLineStart_ = true;
    return line;
}

QString LineReader::readLine() { return Cp1252::decode(readLineBytes()); }

namespace {

bool isWholeNumber(const QByteArray& token)
{
    qsizetype i = token.startsWith('-') || token.startsWith('+') ? 1 : 0;
    if (i == token.size() || token.size() - i > 18)
        return false;
    for (; i < token.size(); ++i)
        if (token.at(i) < '0' || token.at(i) > '9')
            return false;
    return true;
}

}  // namespace

LineReader::Field LineReader::readField()
{
    for (int c = peek(); c == ' ' || c == '\t' || c == '\r' || c == '\n'; c = peek()) {
        if (c == '\r' || c == '\n')
            consumeLineEnd();
        else
            ++pos_;
    }
    Field field;
    QByteArray token;
    int c = peek();
    for (; c >= 0 && c != ' ' && c != ',' && c != '\r' && c != '\n'; c = peek()) {
        token.append(char(c));
        ++pos_;
    }
    atLineStart_ = false;
    if (isWholeNumber(token)) {
        field.isNumber = true;
        field.number = token.toLongLong();
        if (c == ' ' || c == ',')
            ++pos_;
        else
            consumeLineEnd();
        return field;
    }
    // A text field runs on over blanks to the next comma or line end.
    for (; c >= 0 && c != ',' && c != '\r' && c != '\n'; c = peek()) {
        token.append(char(c));
        ++pos_;
    }
    if (c == ',')
        ++pos_;
    else
        consumeLineEnd();
    field.text = Cp1252::decode(token);
    return field;
}

void LineReader::skipRestOfLine()
{
    if (!atLineStart_)
        readLineBytes();
}
