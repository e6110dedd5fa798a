// Undo and redo for what changes the window without writing a file: the
// worn list, outfits put on, and the nudges and drags not yet stored. Each
// step keeps a snapshot of the window before and after it. A change to the
// files, a new project, another panel or another picture to import clears
// the history: what it held no longer matches what is stored or shown.
// A deletion (an item, an outfit, a project) clears it too, and is then a
// step of its own that keeps what it removed and writes it back.
#include "window/shell/Form1.h"

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

// A deletion: its files are put back or removed again before the history
// moves (see Undo and Redo), and the step then shows the window as it was.
class DeletionStep : public QUndoCommand {
public:
    DeletionStep(Form1& window, Deletion deletion) : window_(window), deletion_(std::move(deletion)) {}

    const Deletion& deletion() const { return deletion_; }
    void undo() override { window_.RestoreSnapshot(deletion_.before); }
    void redo() override
    {
        if (done_)
            window_.RestoreSnapshot(deletion_.after);
        done_ = true;
    }

private:
    Form1& window_;
    Deletion deletion_;
    bool done_ = false;
};

const DeletionStep* deletionAt(const QUndoStack& stack, int index)
{
    return dynamic_cast<const DeletionStep*>(stack.command(index));
}

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

void Form1::RunDeletion(void (Form1::*handler)())
{
    undoStack_->clear();
    deleted_.reset();
    (this->*handler)();
    if (!deleted_)
        return;
    deleted_->after = TakeSnapshot();
    undoStack_->push(new DeletionStep(*this, std::move(*deleted_)));
    deleted_.reset();
}

void Form1::KeepDeletion(std::function<bool()> putBack, std::function<bool()> removeAgain, const WindowSnapshot& before)
{
    deleted_ = Deletion{std::move(putBack), std::move(removeAgain), before, {}};
}

// While the question box waits for an answer the window stays as it is.
bool Form1::CanUndoNow() const { return !AskMe->Visible(); }

// A deletion that cannot put its files back has said why; the history
// stays where it is, so that the same key tries again.
void Form1::Undo()
{
    if (!CanUndoNow() || !undoStack_->canUndo())
        return;
    const DeletionStep* step = deletionAt(*undoStack_, undoStack_->index() - 1);
    if (step && !step->deletion().putBack())
        return;
    undoStack_->undo();
}

void Form1::Redo()
{
    if (!CanUndoNow() || !undoStack_->canRedo())
        return;
    const DeletionStep* step = deletionAt(*undoStack_, undoStack_->index());
    if (step && !step->deletion().removeAgain())
        return;
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
