// Undo and redo for what changes the window without writing a file: the
// worn list, outfits put on, and the nudges and drags not yet stored. Each
// step keeps a snapshot of the window before and after it. A change to the
// files, a new project, another panel or another picture to import clears
// the history: what it held no longer matches what is stored or shown.
#include "shell/Form1.h"

#include <QKeySequence>
#include <QShortcut>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(Form1& window, WindowSnapshot before, WindowSnapshot after)
        : window_(window), before_(std::move(before)), after_(std::move(after))
    {
    }

    void undo() override { window_.RestoreSnapshot(before_); }
    void redo() override
    {
        // The change itself has just been made; only a redo after an undo
        // puts it back.
        if (done_)
            window_.RestoreSnapshot(after_);
        done_ = true;
    }

private:
    Form1& window_;
    WindowSnapshot before_, after_;
    bool done_ = false;
};

}  // namespace

WindowSnapshot Form1::TakeSnapshot() const
{
    WindowSnapshot s;
    for (int i = 0; i < Dressed->ListCount(); ++i)
        s.dressed.append(Dressed->List(i));
    s.dressedIndex = Dressed->ListIndex();
    s.wardrobeIndex = Wardrobe->ListIndex();
    s.outfitIndex = OutfitList->ListIndex();
    s.dressingMark = State.DressingMark;
    s.pictureMark = State.PictureMark;
    s.itemToUpdate = State.ItemToUpdate;
    s.currentItemName = State.CurrentItemName;
    s.dressItemTip = DressItem->ToolTipText();
    s.itemShiftX = State.ItemShiftX;
    s.itemShiftY = State.ItemShiftY;
    s.offsetX = State.OffsetX;
    s.offsetY = State.OffsetY;
    s.updateItemEnabled = UpdateItem->isEnabled();
    s.saveOutfitEnabled = SaveOutfit->isEnabled();
    s.saveOutfitVisible = SaveOutfit->Visible();
    s.deleteOutfitEnabled = DeleteOutfit->isEnabled();
    s.deleteSkirtEnabled = DeleteSkirt->isEnabled();
    s.figure = BodyPic->surface();
    return s;
}

// Selections are put back by code, which runs no click handler.
void Form1::RestoreSnapshot(const WindowSnapshot& s)
{
    Dressed->Clear();
    for (const QString& entry : s.dressed)
        Dressed->AddItem(entry);
    Dressed->setListIndex(s.dressedIndex);
    Wardrobe->setListIndex(s.wardrobeIndex);
    OutfitList->setListIndex(s.outfitIndex);
    State.DressingMark = s.dressingMark;
    State.PictureMark = s.pictureMark;
    State.ItemToUpdate = s.itemToUpdate;
    State.CurrentItemName = s.currentItemName;
    DressItem->setToolTipText(s.dressItemTip);
    State.ItemShiftX = s.itemShiftX;
    State.ItemShiftY = s.itemShiftY;
    State.OffsetX = s.offsetX;
    State.OffsetY = s.offsetY;
    UpdateItem->setEnabled(s.updateItemEnabled);
    SaveOutfit->setEnabled(s.saveOutfitEnabled);
    SaveOutfit->setVisible(s.saveOutfitVisible);
    DeleteOutfit->setEnabled(s.deleteOutfitEnabled);
    DeleteSkirt->setEnabled(s.deleteSkirtEnabled);
    BodyPic->restoreSurface(s.figure);
}

void Form1::RecordStep(const WindowSnapshot& before)
{
    WindowSnapshot after = TakeSnapshot();
    if (after == before)
        return;
    undoStack_->push(new SnapshotStep(*this, before, std::move(after)));
}

void Form1::RunUndoable(void (Form1::*handler)())
{
    const WindowSnapshot before = TakeSnapshot();
    (this->*handler)();
    RecordStep(before);
}

void Form1::RunBarrier(void (Form1::*handler)())
{
    (this->*handler)();
    undoStack_->clear();
}

// While the question box waits for an answer the window stays as it is.
bool Form1::CanUndoNow() const { return !AskMe->Visible(); }

void Form1::Undo()
{
    if (CanUndoNow())
        undoStack_->undo();
}

void Form1::Redo()
{
    if (CanUndoNow())
        undoStack_->redo();
}

// A text box with the focus keeps these keys for its own typing.
void Form1::ConnectUndo()
{
    undoStack_ = new QUndoStack(this);
    undoStack_->setUndoLimit(kUndoLimit);
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, this, &Form1::Undo);
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        auto* redo = new QShortcut(keys, this);
        connect(redo, &QShortcut::activated, this, &Form1::Redo);
    }
}
