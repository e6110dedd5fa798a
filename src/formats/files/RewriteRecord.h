#pragma once
#include "formats/files/FileAccess.h"

#include <QByteArray>
#include <QList>

// What a rewrite of a text file changed, kept so that the file can be
// turned back into either version byte for byte: the lines the rewrite
// dropped, with their places, and the line ends it wrote anew. The lines
// both versions share are not kept; they are read from the file again.
// A deletion keeps this rather than the whole file, which may run to many
// megabytes.
//
// The two versions are lined up line by line, as the program's line
// reader splits them, each new line with the first old line from there on
// that has the same characters. A rewrite that only drops lines and
// rewrites line ends is recorded in the dropped lines alone; whatever else
// a rewrite did is recorded too, at the cost of keeping more.
class RewriteRecord {
public:
    // The rewrite's copy, unchanged in what it reads and writes, recording
    // the old and the new version as the bytes pass. A record made before
    // is replaced.
    FileAccess::CopyFunction recording(FileAccess::CopyFunction copy);

    // Whether the recorded rewrite changed a byte.
    bool changed() const;

    // Copies that turn the new version into the old one, and the old one
    // into the new one. Each fails when the file it reads is not byte for
    // byte that version, and sets *differs then: what the file holds now
    // was not made by the rewrite, and the copy would not give back what
    // it replaced.
    FileAccess::CopyFunction back(bool* differs) const;
    FileAccess::CopyFunction forward(bool* differs) const;

    // How many bytes the record keeps.
    qint64 keptBytes() const;

    // A piece of one version that differs in the other: the bytes from at
    // on, drop of them, are replaced by insert.
    struct Splice {
        qint64 at = 0;
        qint64 drop = 0;
        QByteArray insert;
    };
    // One version: its size and SHA-1, and the splices that make it of
    // the other version, in the order of the file.
    struct Version {
        qint64 size = 0;
        QByteArray hash;
        QList<Splice> fromOther;
    };

private:
    Version old_, new_;
};
