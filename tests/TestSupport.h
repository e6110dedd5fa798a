#pragma once
#include "shell/Form1.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Lines joined as the program's files hold them: each ended by CR LF.
QByteArray crlfLines(const QStringList& lines);

// Every file and folder under root, files with their bytes: two snapshots
// are equal when nothing was written, created or removed.
using Snapshot = QMap<QString, QByteArray>;
Snapshot snapshot(const QString& root);

// The header of a 24-bit Windows bitmap that claims width x height pixels
// and holds none of them.
QByteArray hugeBitmapHeader(int width, int height);

// A pixel of the default figure's body picture, in the handlers' colour form.
int bodyPixel(int x, int y);

// A fresh data folder in a temporary folder, laid out as a new user's data
// folder (the defaults built into the program) and made the working folder
// for the life of the fixture. Beeps and event pumps are counted.
class DataFolderFixture {
public:
    DataFolderFixture();
    ~DataFolderFixture();
    DataFolderFixture(const DataFolderFixture&) = delete;
    DataFolderFixture& operator=(const DataFolderFixture&) = delete;

    bool isValid() const { return valid_; }
    QString path(const QString& relative = QString()) const;

    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    void remove(const QString& relative) const;

    // A window started on this folder.
    std::unique_ptr<Form1> start() const;

    int beeps() const { return beeps_; }
    void resetBeeps() { beeps_ = 0; }

private:
    QTemporaryDir dir_;
    QString previous_;
    bool valid_ = false;
    int beeps_ = 0;
};
