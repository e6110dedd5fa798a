#pragma once
#include <QByteArray>
#include <QString>

class QIODevice;

// Reads a text file line by line, as the program's readers all do: a line
// ends at carriage return + line feed; a lone line feed or carriage return
// also ends one, and a last line without any line end is a line too.
// The device is read in large chunks, so that a file of many megabytes
// costs one pass.
//
// It also reads fields, a stream that runs across line ends: blanks and
// line ends are skipped; if the characters up to the next blank, comma or
// line end form a whole number, that number is the field and reading goes
// on after that delimiter; otherwise the field is the text up to the next
// comma or line end.
class LineReader {
public:
    struct Field {
        bool isNumber = false;
        qint64 number = 0;
        QString text;  // the text of a text field; empty for a number
        bool operator==(const QString& other) const { return !isNumber && text == other; }
    };

    explicit LineReader(QIODevice& device);

    bool atEnd();

    // The next line without its line end, as bytes; an empty array at the end.
    QByteArray readLineBytes();

    // The next line decoded from Windows-1252.
    QString readLine();

    // How many lines have been read so far.
    qint64 lineCount() const { return lines_; }

    // The next field; at the end of the file an empty text field.
    Field readField();
    // Whether the last read ended at a line end (or nothing was read yet).
    bool atLineStart() const { return atLineStart_; }
    // Drops the rest of the current line, its line end included.
    void skipRestOfLine();

private:
    bool fill();
    int peek();
    void consumeLineEnd();

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qint64 lines_ = 0;
    bool eof_ = false;
    bool atLineStart_ = true;
};
