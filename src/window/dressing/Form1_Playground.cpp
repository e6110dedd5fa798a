// Playground mode: back to dressing from any task, and the four arrow
// pictures that nudge the item on show one pixel at a time.
#include "formats/project/ProjectFile.h"
#include "window/shell/Form1.h"

void Form1::PlaygroundOnOff_Click()
{
    DropQuestion();
    State.WorkMode = 1;
    UpdateHelpLabel();
    // The figure's name above the figure, as everywhere else, not the
    // project's.
    NameOfBody->setCaption(State.BodyName);
    ShadowText->setCaption(NameOfBody->Caption());
    ShowBodyPicture();
    LabelTMP->setCaption(QString());
    LabelTMP->setVisible(false);
    Warnings->setLeft(430);
    Warnings->setCaption(QString());
    HideAllPanels();
    ShowDressingPanel();
    ProjectInfos->setVisible(false);
    State.PictureMark = QStringLiteral("2");
    State.DressingMark = QStringLiteral("1");
    UpdateItem->setEnabled(false);
    DeleteProject->setEnabled(false);
    DeleteSkirt->setEnabled(false);
}

// Moves the item on show by one pixel along one axis. Only the axis the
// arrow moves decides whether there is a change to store.
void Form1::NudgeShownItem(int& shift, int step)
{
    if (Wardrobe->ListIndex() < 0)
        return;
    shift += step;
    UpdateItem->setEnabled(false);
    if (shift != 0)
        UpdateItem->setEnabled(true);
    BodyPic->Cls();
    DrawItem();
}

// A drag moves the item on show as the arrow pictures would, across then
// down: the vertical move, if any, decides whether there is a change to
// store.
void Form1::DragShownItem(int dx, int dy)
{
    if (Wardrobe->ListIndex() < 0)
        return;
    State.ItemShiftX += dx;
    State.ItemShiftY += dy;
    UpdateItem->setEnabled((dy != 0 ? State.ItemShiftY : State.ItemShiftX) != 0);
    BodyPic->Cls();
    DrawItem();
}

void Form1::Picture1_Click() { NudgeShownItem(State.ItemShiftY, -1); }
void Form1::Picture4_Click() { NudgeShownItem(State.ItemShiftY, +1); }
void Form1::Picture3_Click() { NudgeShownItem(State.ItemShiftX, -1); }
void Form1::Picture2_Click() { NudgeShownItem(State.ItemShiftX, +1); }
