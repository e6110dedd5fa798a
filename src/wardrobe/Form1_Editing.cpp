// Wardrobe editing: the chosen item's tooltip and buttons, storing its
// nudged position, and deleting it after the question box's yes.
#include "shell/Form1.h"
#include "toolkit/FileAccess.h"
#include "toolkit/Platform.h"
#include "wardrobe/ItemFormat.h"
#include "wardrobe/ItemRewrite.h"

namespace {
QString heading(const QString& name) { return QLatin1String(ItemFormat::kHeadingPrefix) + name; }
}  // namespace

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
    const QString data = WardrobePath();
    const FileAccess::Result rewritten =
        !FileAccess::exists(data)
            ? FileAccess::Result::success()
            : RewriteStore(data, State.BaseDir + QStringLiteral("Projects\\DummyData.txt"),
                                         [&](QIODevice& in, QIODevice& out) {
                                             return ItemRewrite::copyWithout(in, out, doomed);
                                         });
    if (!rewritten) {
        Platform::Beep();
        ShowWarning(MsgItemNotChanged, rewritten.error);
        return;
    }
    RebuildItemTable();
    FillWardrobeList();
    BodyPic->Cls();
    DeleteSkirt->setEnabled(false);
}
