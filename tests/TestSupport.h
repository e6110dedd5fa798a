#pragma once
#include "window/shell/Form1.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <memory>
#include <optional>

// Lines joined as the program's files hold them: each ended by CR LF.
QByteArray crlfLines(const QStringList& lines);

// A settings file that opens project in the language of language, help off
// and the purple key colour.
QByteArray settingsFile(const QString& project, const QString& language);

// Every file and folder under root, files with their bytes: two snapshots
// are equal when nothing was written, created or removed.
using Snapshot = QMap<QString, QByteArray>;
Snapshot snapshot(const QString& root);

// The header of a 24-bit Windows bitmap that claims width x height pixels
// and holds none of them.
QByteArray hugeBitmapHeader(int width, int height);

// A pixel of the default figure's body picture, in the handlers' colour form.
int bodyPixel(int x, int y);

// Clicks the one entry of list that reads text, as a user would.
void clickEntry(QListWidget* list, const QString& text);

// A fresh data folder in a temporary folder, laid out as a new user's data
// folder (the defaults built into the program) and made the working folder
// for the life of the fixture. Beeps and event pumps are counted. HOME and
// XDG_DATA_HOME name a home folder of the fixture's own, so that nothing
// reaches the real user's trash; it has no trash until makeTrash().
class DataFolderFixture {
public:
    DataFolderFixture();
    ~DataFolderFixture();
    DataFolderFixture(const DataFolderFixture&) = delete;
    DataFolderFixture& operator=(const DataFolderFixture&) = delete;

    bool isValid() const { return valid_; }
    QString path(const QString& relative = QString()) const;

    void write(const QString& relative, const QByteArray& bytes) const;
    // A bitmap of one colour, in a folder made for it if need be.
    void writeBitmap(const QString& relative, QSize size, QRgb colour) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    void remove(const QString& relative) const;

    // A window started on this folder.
    std::unique_ptr<Form1> start() const;

    // Gives the fixture's home a desktop trash (its folder; the trash itself
    // is made on the first deletion) and returns the trash's path.
    QString makeTrash() const;
    // The trash's path, and the names of what it holds in "files" and in
    // "info".
    QString trashPath() const;
    QStringList trashed(const char* part) const;

    int beeps() const { return beeps_; }
    void resetBeeps() { beeps_ = 0; }

private:
    QTemporaryDir dir_;
    QTemporaryDir home_;
    QString previous_;
    QByteArray previousHome_, previousDataHome_;
    bool hadHome_ = false, hadDataHome_ = false;
    bool valid_ = false;
    int beeps_ = 0;
};

// ---- The crash test: tst_crashsafety kills crash_worker at random moments
// and checks the store's files against the worker's journal.
namespace CrashJournal {

// The files an action may change, relative to the data folder.
inline constexpr int kFiles = 3;
inline const char* const kFileNames[kFiles] = {"Projects/Default.Data", "Projects/Default.Table",
                                               "Projects/Default.Outfit"};
enum File { Data, Table, Outfit };

// The picture the worker captures as new items, relative to the data folder.
inline constexpr char kCapturePicture[] = "Pictures/Opaque.bmp";

// Each file's bytes; nothing for a file that does not exist.
using Contents = std::array<std::optional<QByteArray>, kFiles>;
using Hashes = std::array<QByteArray, kFiles>;

Contents read(const QString& folder);
// SHA-1 in hex, or "missing".
QByteArray hash(const std::optional<QByteArray>& bytes);
Hashes hashes(const Contents& contents);

// Before an action: "begin ACTION" and, per file, the hash before and the
// hash the action must leave. After it, once the files are checked:
// "end ACTION".
QByteArray beginLine(const QString& action, const Hashes& before, const Hashes& after);
QByteArray endLine(const QString& action);

struct Entry {
    bool valid = false;  // false: no action begun yet
    QString action;
    Hashes before, after;
    bool ended = false;
};
// The last action the journal names. A line without its line end does not
// count: the kill cut it, so its action never began.
Entry lastEntry(const QByteArray& journal);

}  // namespace CrashJournal

// The item table as RebuildItemTable makes it from the item data file data.
QByteArray itemTableFor(const QByteArray& data);

// The names of the items of data, as the wardrobe lists them.
QStringList itemNames(const QByteArray& data);
