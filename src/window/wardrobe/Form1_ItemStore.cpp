// The item store of the current project: the wardrobe list, the item table
// and painting one stored item onto the figure.
#include "formats/files/FileAccess.h"
#include "formats/text/Cp1252.h"
#include "formats/text/LineReader.h"
#include "formats/wardrobe/ItemFormat.h"
#include "formats/wardrobe/PixelLines.h"
#include "window/shell/Form1.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

namespace {

constexpr char kFolder[] = "Projects\\";
constexpr int kMaxListedName = 100;

}  // namespace

QString Form1::WardrobePath() const { return State.BaseDir + kFolder + State.WardrobeFile; }

// The item table is the project's own, whatever the data file is called;
// spelt as a new project's, so that one made here has the same name.
QString Form1::ItemTablePath() const
{
    return State.BaseDir + kFolder + State.ProjectBaseName + QStringLiteral(".Table");
}

// Opens a file of the item store for reading. A missing file reads as an
// empty one; a file that is there but cannot be read is told in the window,
// since an empty list would look like a lost wardrobe.
bool Form1::OpenStoreFile(QFile& file, const QString& name)
{
    const FileAccess::Result opened = FileAccess::openForReading(file, name);
    const QString path = FileAccess::resolvePath(name);
    if (!opened && FileAccess::isThere(path))
        Report(MsgFileUnreadable, path + QStringLiteral(": ") + opened.error);
    return opened.ok;
}

// The index of the item data file of the given name: the one kept when the
// file is still the file indexed, else made by one pass over it. Null when
// the file is there but cannot be read; a missing file has an empty index.
const ItemIndex* Form1::StoreIndex(const QString& name)
{
    static const ItemIndex kEmpty;
    if (name.isEmpty())
        return &kEmpty;
    // The name comes from the project file: only a file of the project
    // folder is read.
    if (!FileAccess::isPlainName(name)) {
        Report(MsgNotAPlainName, QStringLiteral("#WARDROBE#: ") + name);
        return &kEmpty;
    }
    const QString path = FileAccess::resolvePath(State.BaseDir + kFolder + name);
    if (const ItemIndex* kept = storeIndex_.find(path))
        return kept;
    // Stamped before reading: a change made while it is read shows next time.
    const ItemIndexCache::Stamp stamp = ItemIndexCache::stampOf(path);
    QFile data;
    if (!OpenStoreFile(data, State.BaseDir + kFolder + name))
        return FileAccess::isThere(path) ? nullptr : &kEmpty;
    ItemIndex index;
    if (!ItemIndex::scan(data, index)) {
        Report(MsgFileUnreadable, path + QStringLiteral(": ") + data.errorString());
        return nullptr;
    }
    return storeIndex_.keep(path, stamp, std::move(index));
}

// Rewrites the item data file through copy and keeps the index of the
// bytes written, so that the list and the table that follow a change of
// the wardrobe need no further pass over the file.
FileAccess::Result Form1::RewriteStore(const QString& name, const QString& tempName,
                                       const FileAccess::CopyFunction& copy)
{
    // An item data file named by a path in the project file is never
    // written: the wardrobe shows empty and nothing can be stored.
    if (!FileAccess::isPlainName(State.WardrobeFile))
        return FileAccess::Result::failure(AddedText(MsgWardrobeNotWritable) + QStringLiteral(" #WARDROBE#: ") +
                                           State.WardrobeFile);
    ItemIndex::Builder builder;
    const FileAccess::Result result = FileAccess::rewriteThrough(name, tempName, [&](QIODevice& in, QIODevice& out) {
        IndexingWriter indexed(out, builder);
        return copy(in, indexed);
    });
    if (result) {
        const QString path = FileAccess::resolvePath(name);
        storeIndex_.keep(path, ItemIndexCache::stampOf(path), builder.finish());
    }
    return result;
}

// Lists every heading of the item data file with its line number. The
// table is written whole and then put in place, so a failure leaves the old
// table, which painting can do without. It indexes the file the wardrobe
// is painted from, whatever its name; the table keeps the project's name.
void Form1::RebuildItemTable()
{
    State.ItemLineNumber = 0;
    // A project file without a data file's name leaves nothing to index;
    // the table stays as it is.
    if (State.WardrobeFile.isEmpty())
        return;
    // A table made from a file that could not be read would lose every entry.
    const ItemIndex* index = StoreIndex(State.WardrobeFile);
    if (!index)
        return;
    QByteArray table;
    for (const ItemIndex::Heading& heading : index->headings())
        table += Cp1252::encode(heading.text) + "\r\n" + ItemFormat::numberLine(heading.line) + "\r\n";
    State.ItemLineNumber = int(qMin<qint64>(index->lineCount(), std::numeric_limits<int>::max()));
    const QString tableName = ItemTablePath();
    QByteArray old;
    if (FileAccess::readAll(tableName, old) && old == table)
        return;
    const FileAccess::Result written = FileAccess::replaceWith(tableName, tableName + QStringLiteral(".new"), table);
    if (!written)
        Report(MsgItemTableNotSaved, written.error);
}

void Form1::FillWardrobeList()
{
    Wardrobe->Clear();
    if (const ItemIndex* index = StoreIndex(State.WardrobeFile)) {
        for (const ItemIndex::Heading& heading : index->headings())
            Wardrobe->AddItem(heading.text.mid(6, kMaxListedName));
        if (index->lineCount() > 0)
            State.LineBuffer = index->lastLine();
    }
    FillOutfitList();
}

// The line number of CurrentItemName's heading by the item table, or -1.
void Form1::LocateItem()
{
    State.ItemLineNumber = -1;
    QFile table;
    OpenStoreFile(table, ItemTablePath());
    LineReader reader(table);
    const QString heading = QLatin1String(ItemFormat::kHeadingPrefix) + State.CurrentItemName;
    while (!reader.atEnd()) {
        if (reader.readField() == heading) {
            const LineReader::Field number = reader.readField();
            State.ItemLineNumber = number.isNumber ? int(qBound(qint64(-1), number.number, qint64(1) << 30)) : 0;
            break;
        }
    }
}

// Paints CurrentItemName over what BodyPic shows, moved by the shifts. The
// table says where to start looking, two lines before the heading it
// names; the search goes on from there to the end of the file, so a
// missing or stale table only makes it start earlier or find nothing. The
// index of the file tells where the first matching heading from there on
// stands, so only the item's own lines are read.
void Form1::DrawItem()
{
    LocateItem();
    const qint64 start = State.ItemLineNumber;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const ItemIndex* index = StoreIndex(State.WardrobeFile);
        if (!index || DrawIndexedItem(*index, start))
            return;
        // The heading is not where the index says: the file was changed
        // without its size or times telling it. It is indexed again.
        storeIndex_.forget();
    }
}

// False when the index does not fit the file.
bool Form1::DrawIndexedItem(const ItemIndex& index, qint64 start)
{
    const qint64 skipped = qBound<qint64>(0, start - 3, index.lineCount());
    State.SkipCounter = int(skipped + 1);
    const QString heading = QLatin1String(ItemFormat::kHeadingPrefix) + State.CurrentItemName;
    const ItemIndex::Heading* found = index.find(heading, skipped + 1);
    if (!found) {
        // The search read every line from its start to the end of the file.
        if (skipped < index.lineCount())
            State.ItemHeadLine = index.lastLine();
        return true;
    }
    QFile data;
    if (!OpenStoreFile(data, WardrobePath()))
        return true;
    char before = '\n';
    if (found->offset > 0 && (!data.seek(found->offset - 1) || !data.getChar(&before)))
        return false;
    if (before != '\n' && before != '\r')
        return false;
    if (!data.seek(found->offset))
        return false;
    LineReader reader(data);
    if (reader.readLine() != heading)
        return false;
    State.ItemHeadLine = heading;

    State.HeaderLine = reader.readLine();
    State.OffsetX = ItemFormat::numericValue(reader.readLine());
    State.OffsetY = ItemFormat::numericValue(reader.readLine());
    State.ItemReserved = ItemFormat::numericValue(reader.readLine());
    State.HeaderLine = reader.readLine();
    PaintItemPixels(reader);
    return true;
}

// The pixel lines of one record, up to its end line. A pixel whose fields
// are not whole numbers, or whose colour is not a colour, is left out with
// the rest of its line; a heading ends a record that lacks its end line.
void Form1::PaintItemPixels(LineReader& reader)
{
    const qint64 dx = qint64(State.OffsetX) + State.ItemShiftX;
    const qint64 dy = qint64(State.OffsetY) + State.ItemShiftY;
    PictureBox::Pixels body = BodyPic->pixels();
    PixelLines::read(reader, [&body, dx, dy](qint64 colour, qint64 x, qint64 y) {
        if (colour >= 0 && colour <= 0xFFFFFF)
            body.set(x + dx, y + dy, int(colour));
    });
}

// A click in the wardrobe shows that item alone on the bare body.
void Form1::Wardrobe_Click()
{
    State.ItemShiftY = 0;
    State.ItemShiftX = 0;
    BodyPic->Cls();
    State.CurrentItemName = Wardrobe->List(Wardrobe->ListIndex());
    State.DressingMark = QStringLiteral("#");
    State.PictureMark = QStringLiteral("7");
    DrawItem();
    ChooseWardrobeItem();
}
