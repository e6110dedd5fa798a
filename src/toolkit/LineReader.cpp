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
    return line;
}

QString LineReader::readLine() { return Cp1252::decode(readLineBytes()); }
