// Wardrobe editing: the chosen item's tooltip and buttons, storing its
// nudged position, and deleting it after the question box's yes. A
// deletion can be undone: it keeps the record it dropped and the item
// table as it was.
#include "formats/files/FileAccess.h"
#include "formats/files/RewriteRecord.h"
#include "formats/wardrobe/ItemFormat.h"
#include "formats/wardrobe/ItemRewrite.h"
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

namespace {
QString heading(const QString& name) { return QLatin1String(ItemFormat::kHeadingPrefix) + name; }

// The table is a list of headings; one that cannot be read is made again
// from the data file instead.
std::optional<QByteArray> readTable(const QString& table)
{
    QByteArray bytes;
    if (!FileAccess::readAll(table, bytes))
        return std::nullopt;
    return bytes;
}
}  // namespace

// What an item deletion changed: the item data file, as a record of the
// lines dropped, and the item table before and after.
struct RemovedItem {
    QString data;
    QString table;
    RewriteRecord record;
    std::optional<QByteArray> tableBefore, tableAfter;
};

// The rest of a click in the wardrobe, after the item is shown alone.
void Form1::ChooseWardrobeItem()
{
    DressItem->setToolTipText(State.CurrentItemName + QLatin1Char(' ') + State.Texts[8]);
    UpdateItem->setEnabled(false);
    DeleteSkirt->setEnabled(true);
    State.ItemToUpdate = State.CurrentItemName;
}

// Writes the nudge made with the arrow pictures into the item's offsets.
void Form1::UpdateItem_Click()
{
    if (State.ItemToUpdate.isEmpty()) {
        Platform::Beep();
        return;
    }
    const QString name = heading(State.ItemToUpdate);
    const int dx = State.ItemShiftX, dy = State.ItemShiftY;
    // The file the wardrobe was painted from, where the nudge was seen. A
    // missing data file has no record to change and is not made here.
    const QString data = WardrobePath();
    const FileAccess::Result rewritten =
        !FileAccess::exists(data)
            ? FileAccess::Result::success()
            : RewriteStore(data, State.BaseDir + QStringLiteral("Projects\\TMP.txt"),
                                         [&](QIODevice& in, QIODevice& out) {
                                             return ItemRewrite::copyShifted(in, out, name, dx, dy);
                                         });
    if (!rewritten) {
        Platform::Beep();
        ShowWarning(MsgItemNotChanged, rewritten.error);
        return;
    }
    RebuildItemTable();
    UpdateItem->setEnabled(false);
    State.ItemShiftX = 0;
    State.ItemShiftY = 0;
    FillWardrobeList();
    BodyPic->Cls();
    Wardrobe->Refresh();
    State.PictureMark = QStringLiteral("#");
    State.DressingMark = QStringLiteral("-");
}

void Form1::ItemRename_Change() { UpdateItem->setEnabled(true); }

// Asks whether the chosen item is to be deleted, by its name.
void Form1::DeleteSkirt_Click()
{
    askedWindow_ = TakeSnapshot();
    State.WorkMode = 1;
    const QString item = Wardrobe->List(Wardrobe->ListIndex());
    State.PictureMark = QStringLiteral("#");
    State.DressingMark = QStringLiteral("-");
    State.ItemHeadLine = heading(item);
    AskQuestion(80, item);
}

// Removes the record asked about from the item data file, through the
// working file; the old file stays whole until the copy is complete.
void Form1::DeleteItemData()
{
    const QString doomed = State.ItemHeadLine;
    auto removed = std::make_shared<RemovedItem>();
    removed->data = WardrobePath();
    removed->table = ItemTablePath();
    removed->tableBefore = readTable(removed->table);
    const FileAccess::Result rewritten =
        !FileAccess::exists(removed->data)
            ? FileAccess::Result::success()
            : RewriteStore(removed->data, State.BaseDir + QStringLiteral("Projects\\DummyData.txt"),
                           removed->record.recording([&](QIODevice& in, QIODevice& out) {
                               return ItemRewrite::copyWithout(in, out, doomed);
                           }));
    if (!rewritten) {
        Platform::Beep();
        ShowWarning(MsgItemNotChanged, rewritten.error);
        return;
    }
    RebuildItemTable();
    FillWardrobeList();
    BodyPic->Cls();
    DeleteSkirt->setEnabled(false);
    if (!removed->record.changed())
        return;
    removed->tableAfter = readTable(removed->table);
    KeepDeletion([this, removed] { return ReplayItemDeletion(*removed, true); },
                 [this, removed] { return ReplayItemDeletion(*removed, false); }, askedWindow_);
}

// Puts the record back in the item data file (back), or drops it again,
// through the same working file; then the table and the list as they were
// on that side.
bool Form1::ReplayItemDeletion(const RemovedItem& removed, bool back)
{
    bool differs = false;
    const FileAccess::Result rewritten =
        RewriteStore(removed.data, State.BaseDir + QStringLiteral("Projects\\DummyData.txt"),
                     back ? removed.record.back(&differs) : removed.record.forward(&differs));
    if (!rewritten) {
        Platform::Beep();
        if (differs)
            ShowWarning(MsgChangedSince, FileAccess::resolvePath(removed.data));
        else
            ShowWarning(MsgItemNotChanged, rewritten.error);
        return false;
    }
    PutItemTable(removed.table, back ? removed.tableBefore : removed.tableAfter);
    FillWardrobeList();
    BodyPic->Cls();
    return true;
}

// The table as it was kept; made from the data file where it could not be
// read then. Like every table, it is only an aid to finding items.
void Form1::PutItemTable(const QString& table, const std::optional<QByteArray>& bytes)
{
    if (!bytes) {
        RebuildItemTable();
        return;
    }
    QByteArray now;
    if (FileAccess::readAll(table, now) && now == *bytes)
        return;
    const FileAccess::Result written = FileAccess::replaceWith(table, table + QStringLiteral(".new"), *bytes);
    if (!written)
        Report(MsgItemTableNotSaved, written.error);
}
