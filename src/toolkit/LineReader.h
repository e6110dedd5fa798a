#pragma once
#include <QByteArray>
#include <QString>

class QIODevice;

// Reads a text file line by line, as the program's readers all do: a line
// ends at carriage return + line feed; a lone line feed or carriage return
// also ends one, and a last line without any line end is a line too.
// The device is read in large chunks, so that a file of many megabytes
// costs one pass.
class LineReader {
public:
    explicit LineReader(QIODevice& device);

    bool atEnd();

    // The next line without its line end, as bytes; an empty array at the end.
    QByteArray readLineBytes();

    // The next line decoded from Windows-1252.
    QString readLine();

    // How many lines have been read so far.
    qint64 lineCount() const { return lines_; }

private:
    bool fill();

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qint64 lines_ = 0;
    bool eof_ = false;
};
