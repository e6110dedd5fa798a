// Reordering the worn list: one layer up or down, or to the bottom or the
// top layer. Each move rebuilds the list from a copy and repaints the worn
// items over the present picture. The copy is as long as the list, so any
// number of worn items keeps its order.
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

namespace {

// Refuses a move: nothing selected, or the selected entry is already at
// the end it would move to.
bool refused(int selected, int blockedAt)
{
    if (selected >= 0 && selected != blockedAt)
        return false;
    Platform::Beep();
    return true;
}

}  // namespace

void Form1::CopyDressedToLayerBuffer(int count)
{
    State.LayerBuffer.clear();
    for (State.ListPos = 0; State.ListPos < count; ++State.ListPos)
        State.LayerBuffer.append(Dressed->List(State.ListPos));
}

// Swaps the selected entry with its neighbour at offset -1 or +1.
void Form1::SwapLayer(int offset)
{
    const int i = Dressed->ListIndex();
    const int n = Dressed->ListCount();
    if (refused(i, offset < 0 ? 0 : n - 1))
        return;
    CopyDressedToLayerBuffer(n);
    State.SwapEntry = State.LayerBuffer[i];
    State.LayerBuffer[i] = State.LayerBuffer[i + offset];
    State.LayerBuffer[i + offset] = State.SwapEntry;
    State.SwapEntry = QString::number(n - 1);
    Dressed->Clear();
    for (State.ListPos = 0; State.ListPos < n; ++State.ListPos)
        Dressed->AddItem(State.LayerBuffer[State.ListPos]);
    State.DressingMark.clear();
    RedrawDressed();
}

// Moves the selected entry to the start (toStart) or the end of the list;
// the others keep their order. Entries of the same text as the moved one
// go with it.
void Form1::MoveLayerToEnd(bool toStart)
{
    const int i = Dressed->ListIndex();
    const int n = Dressed->ListCount();
    if (refused(i, toStart ? 0 : n - 1))
        return;
    State.EntryCount = n;
    CopyDressedToLayerBuffer(n + 1);  // the slot past the last entry holds the empty text
    State.MovedEntry = State.LayerBuffer[i];
    Dressed->Clear();
    if (toStart)
        Dressed->AddItem(State.MovedEntry);
    for (State.ListPos = 0; State.ListPos < n; ++State.ListPos)
        if (State.LayerBuffer[State.ListPos] != State.MovedEntry)
            Dressed->AddItem(State.LayerBuffer[State.ListPos]);
    if (!toStart)
        Dressed->AddItem(State.MovedEntry);
    State.DressingMark.clear();
    RedrawDressed();
}

void Form1::MoveLayerUp_Click() { SwapLayer(-1); }
void Form1::MoveLayerDown_Click() { SwapLayer(+1); }
void Form1::MoveUpList_Click() { MoveLayerToEnd(true); }
void Form1::MoveDownList_Click() { MoveLayerToEnd(false); }
