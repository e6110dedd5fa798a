// Capturing the placed picture as a new item of the wardrobe.
#include "shell/Form1.h"
#include "toolkit/Cp1252.h"
#include "toolkit/FileAccess.h"
#include "toolkit/Platform.h"
#include "wardrobe/ItemFormat.h"

namespace {
constexpr int kRefusedNameColour = 222;  // red 222
}

void Form1::AddToWardrobe_Click()
{
    if (State.TransColorName == QLatin1String("AUTO"))
        State.TransColor = Clothes->Point(1, 1);
    if (!AcceptItemName())
        return;
    ShowWarning(9);
    Platform::DoEvents();

    // The whole record is made first and appended in one write, which is
    // cut back if it fails: the file never keeps a record without its end.
    const QImage shown = Clothes->surface().copy(0, 0, Clothes->ScaleWidth(), Clothes->ScaleHeight());
    const QByteArray record =
        ItemFormat::record(NameSkirt->Text(), State.OffsetX, State.OffsetY, State.ItemReserved, shown, State.TransColor);
    const FileAccess::Result stored =
        FileAccess::append(State.BaseDir + QStringLiteral("Projects\\") + State.WardrobeFile, record);
    if (!stored) {
        Platform::Beep();
        ShowWarning(MsgItemNotStored, stored.error);
        return;
    }

    NameSkirt->setText(QString());
    FillWardrobeList();
    BodyPic->Cls();
    HideAllPanels();
    ShowDressingPanel();
    State.WorkMode = 1;
    UpdateHelpLabel();
    Warnings->setCaption(QString());
    EnterProjectName->setText(QString());
    EnterLadyName->setText(QString());
    RebuildItemTable();
}

// A new item needs a name that no stored item has, in any letter case.
bool Form1::AcceptItemName()
{
    const QString name = NameSkirt->Text();
    if (name.isEmpty()) {
        ShowWarning(38);
        Warnings->setEnabled(true);
        Warnings->setLeft(230);
        Platform::Beep();
        NameSkirt->setBackColor(kRefusedNameColour);
        return false;
    }
    // The item files hold Windows-1252 text; a name they cannot hold would
    // come back changed.
    if (!Cp1252::canEncode(name)) {
        ShowWarning(MsgNameNotStorable);
        Warnings->setLeft(230);
        Platform::Beep();
        NameSkirt->setBackColor(kRefusedNameColour);
        return false;
    }
    for (int i = 0; i < Wardrobe->ListCount(); ++i) {
        if (Wardrobe->List(i).toUpper() == name.toUpper()) {
            Platform::Beep();
            Warnings->setEnabled(true);
            Warnings->setLeft(230);
            ShowWarning(39);
            return false;
        }
    }
    return true;
}
