// The worn list: putting items on and taking them off, and the layered
// repaint of the figure, first entry lowest. Two marks tell whether the
// figure already shows the worn items.
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

// Paints every worn item over what BodyPic shows, in list order.
void Form1::RedrawDressed()
{
    for (State.ListPos = 0; State.ListPos < Dressed->ListCount(); ++State.ListPos) {
        State.CurrentItemName = Dressed->List(State.ListPos);
        DrawItem();
    }
    State.CurrentItemName.clear();
}

void Form1::DressItem_Click()
{
    const int selected = Wardrobe->ListIndex();
    if (selected < 0)
        return;
    const QString item = Wardrobe->List(selected);
    if (item.isEmpty())
        return;
    for (int i = 0; i < Dressed->ListCount(); ++i)
        if (Dressed->List(i) == item)
            return;
    Dressed->AddItem(item);
    State.PictureMark = QStringLiteral("-");
}

void Form1::Dressed_Click()
{
    State.ItemShiftX = 0;
    State.ItemShiftY = 0;
    if (State.PictureMark != State.DressingMark) {
        BodyPic->Cls();
        State.PictureMark = State.DressingMark;
        RedrawDressed();
    }
    SaveOutfit->setEnabled(true);
    SaveOutfit->setVisible(true);
}

void Form1::RemoveItem_Click()
{
    const int selected = Dressed->ListIndex();
    if (selected < 0 || Dressed->ListCount() == 0) {
        Platform::Beep();
    } else {
        BodyPic->Cls();
        Dressed->RemoveItem(selected);
        Dressed->setListIndex(-1);
        RedrawDressed();
    }
    State.DressingMark.clear();
}

void Form1::RemoveAllItems_Click()
{
    BodyPic->Cls();
    Dressed->Clear();
    State.DressingMark.clear();
    State.PictureMark.clear();
}
