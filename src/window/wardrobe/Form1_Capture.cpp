// Capturing the placed picture as a new item of the wardrobe.
#include "formats/dressing/OutfitFile.h"
#include "formats/files/FileAccess.h"
#include "formats/text/Cp1252.h"
#include "formats/wardrobe/ItemFormat.h"
#include "formats/wardrobe/ItemRewrite.h"
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

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

    // The old file and the record go to a working file that then takes the
    // file's place: a kill in the middle of an append of a megabyte record
    // would leave a record without its end, and the next item's heading
    // run on from its last line.
    const QImage shown = Clothes->surface().copy(0, 0, Clothes->ScaleWidth(), Clothes->ScaleHeight());
    const QByteArray record =
        ItemFormat::record(NameSkirt->Text(), State.OffsetX, State.OffsetY, State.ItemReserved, shown, State.TransColor,
                           importSeeThrough_);
    const QString data = WardrobePath();
    const FileAccess::Result stored =
        RewriteStore(data, data + QStringLiteral(".new"), [&record](QIODevice& in, QIODevice& out) {
            return ItemRewrite::copyAdding(in, out, record);
        });
    if (!stored) {
        Platform::Beep();
        ShowWarning(MsgItemNotStored, stored.error);
        return;
    }

    // The "storing" message goes before the lists are read again, so that
    // a problem reading them stays on show.
    Warnings->setCaption(QString());
    NameSkirt->setText(QString());
    FillWardrobeList();
    BodyPic->Cls();
    HideAllPanels();
    ShowDressingPanel();
    State.WorkMode = 1;
    UpdateHelpLabel();
    EnterProjectName->setText(QString());
    EnterLadyName->setText(QString());
    RebuildItemTable();
}

// A new item needs a name that no stored item has, in any letter case,
// and that its files can hold.
bool Form1::AcceptItemName()
{
    const QString name = NameSkirt->Text();
    const auto refuse = [this](int textNumber) {
        ShowWarning(textNumber);
        Warnings->setLeft(230);
        Platform::Beep();
        NameSkirt->setBackColor(kRefusedNameColour);
        return false;
    };
    if (name.isEmpty()) {
        Warnings->setEnabled(true);
        return refuse(38);
    }
    // The item files hold Windows-1252 text; a name they cannot hold would
    // come back changed.
    if (!Cp1252::canEncode(name))
        return refuse(MsgNameNotStorable);
    // Every line of the outfit file that begins so is an outfit's heading:
    // a worn item of this name would be read as another outfit.
    if (name.startsWith(QLatin1String(OutfitFile::kHeadingWord)))
        return refuse(MsgNameLikeOutfit);
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
