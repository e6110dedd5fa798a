// The item store of the current project: the wardrobe list, the item table
// and painting one stored item onto the figure.
#include "shell/Form1.h"
#include "toolkit/FileAccess.h"
#include "toolkit/LineReader.h"
#include "wardrobe/ItemFormat.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr char kFolder[] = "Projects\\";
constexpr int kMaxListedName = 100;

}  // namespace

// Opens a file of the item store for reading. A missing file reads as an
// empty one; a file that is there but cannot be read is told in the window,
// since an empty list would look like a lost wardrobe.
bool Form1::OpenStoreFile(QFile& file, const QString& name)
{
    const FileAccess::Result opened = FileAccess::openForReading(file, name);
    if (!opened && QFileInfo(file.fileName()).isFile())
        Report(MsgFileUnreadable, file.fileName() + QStringLiteral(": ") + opened.error);
    return opened.ok;
}

// Lists every heading of the item data file with its line number. The
// table is written whole and then put in place, so a failure leaves the old
// table, which painting can do without.
void Form1::RebuildItemTable()
{
    State.ItemLineNumber = 0;
    QFile data;
    const QString dataName = State.BaseDir + kFolder + State.ProjectBaseName + QStringLiteral(".DATA");
    // A table made from a file that could not be read would lose every entry.
    if (!OpenStoreFile(data, dataName) && QFileInfo(data.fileName()).isFile())
        return;
    LineReader reader(data);
    QByteArray table;
    while (!reader.atEnd()) {
        const QByteArray line = reader.readLineBytes();
        ++State.ItemLineNumber;
        if (line.startsWith(ItemFormat::kHeadingPrefix))
            table += line + "\r\n" + ItemFormat::numberLine(State.ItemLineNumber) + "\r\n";
    }
    const QString tableName = State.BaseDir + kFolder + State.ProjectBaseName + QStringLiteral(".TABLE");
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
    QFile data;
    OpenStoreFile(data, State.BaseDir + kFolder + State.WardrobeFile);
    LineReader reader(data);
    while (!reader.atEnd()) {
        State.LineBuffer = reader.readLine();
        if (ItemFormat::isHeading(State.LineBuffer))
            Wardrobe->AddItem(State.LineBuffer.mid(6, kMaxListedName));
    }
    data.close();
    FillOutfitList();
}

// The line number of CurrentItemName's heading by the item table, or -1.
void Form1::LocateItem()
{
    State.ItemLineNumber = -1;
    QFile table;
    OpenStoreFile(table, State.BaseDir + kFolder + State.ProjectBaseName + QStringLiteral(".TABLE"));
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
// table says where to start looking; the search goes on from there to the
// end of the file, so a missing or stale table only costs time.
void Form1::DrawItem()
{
    LocateItem();
    const int start = State.ItemLineNumber;
    QFile data;
    OpenStoreFile(data, State.BaseDir + kFolder + State.WardrobeFile);
    LineReader reader(data);
    for (State.SkipCounter = 1; State.SkipCounter <= start - 3 && !reader.atEnd(); ++State.SkipCounter)
        reader.readLineBytes();

    const QString heading = QLatin1String(ItemFormat::kHeadingPrefix) + State.CurrentItemName;
    bool found = false;
    while (!found && !reader.atEnd()) {
        State.ItemHeadLine = reader.readLine();
        found = State.ItemHeadLine == heading;
    }
    if (!found)
        return;

    State.HeaderLine = reader.readLine();
    State.OffsetX = ItemFormat::numericValue(reader.readLine());
    State.OffsetY = ItemFormat::numericValue(reader.readLine());
    State.ItemReserved = ItemFormat::numericValue(reader.readLine());
    State.HeaderLine = reader.readLine();
    PaintItemPixels(reader);
}

// The pixel lines of one record, up to its end line. A pixel whose fields
// are not whole numbers, or whose colour is not a colour, is left out with
// the rest of its line; a heading ends a record that lacks its end line.
void Form1::PaintItemPixels(LineReader& reader)
{
    const QString endLine = QLatin1String(ItemFormat::kEndLine);
    const qint64 dx = qint64(State.OffsetX) + State.ItemShiftX;
    const qint64 dy = qint64(State.OffsetY) + State.ItemShiftY;
    while (!reader.atEnd()) {
        const LineReader::Field colour = reader.readField();
        if (colour == endLine || (!colour.isNumber && ItemFormat::isHeading(colour.text)))
            break;
        if (!colour.isNumber) {
            reader.skipRestOfLine();
            continue;
        }
        const LineReader::Field x = reader.readField();
        const LineReader::Field y = reader.readField();
        if (!x.isNumber || !y.isNumber) {
            reader.skipRestOfLine();
            continue;
        }
        const qint64 px = x.number + dx, py = y.number + dy;
        if (colour.number >= 0 && colour.number <= 0xFFFFFF && px >= 0 && py >= 0 && px < BodyPic->ScaleWidth() &&
            py < BodyPic->ScaleHeight())
            BodyPic->PSet(int(px), int(py), int(colour.number));
    }
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
