// Panels: the groups of controls shown for each task, and the close of the
// welcome panel. The routines set Visible and Enabled flags only, in the
// order of the panel table.
#include "window/shell/Form1.h"

#include <initializer_list>

namespace {

using Controls = std::initializer_list<QWidget*>;

void hideOff(Controls controls)
{
    for (QWidget* control : controls) {
        control->setVisible(false);
        control->setEnabled(false);
    }
}

void showOn(Controls controls)
{
    for (QWidget* control : controls) {
        control->setVisible(true);
        control->setEnabled(true);
    }
}

void showOff(QWidget* control)
{
    control->setVisible(true);
    control->setEnabled(false);
}

void setShown(Controls controls, bool visible)
{
    for (QWidget* control : controls)
        control->setVisible(visible);
}

}  // namespace

void Form1::HideAllPanels()
{
    setShown({NameOfBody, ShadowText}, true);
    hideOff({Harddrive, SkirtFiles, Clothes, SkirtUp, SkirtDown, SkirtLeft, SkirtRight, NameSkirt,
             AddToWardrobe, Option1, Option2, Option3, PinkButton, WhiteButton, AutoButton,
             MoveDownList, MoveUpList});
    setShown({TransColorInfo}, false);
    hideOff({EnterProjectName});
    setShown({ProjectInfos}, false);
    hideOff({EnterLadyName, CreatProject, DeleteProject, DressItem, Wardrobe, Dressed, MoveLayerUp,
             MoveLayerDown, RemoveItem, RemoveAllItems, GetBodyPic});
    setShown({DeleteSkirt}, false);  // keeps its Enabled flag
    hideOff({ProjectFileList, OutfitList, NameOfOutfit, DeleteOutfit, SaveOutfit, Picture1, Picture2,
             Picture3, Picture4, UpdateItem});
    setShown({ProjectLabel, DollyLabel, BasePic}, false);
}

void Form1::ShowImportPanel()
{
    showOn({Harddrive, SkirtFiles, Clothes, SkirtUp, SkirtDown, SkirtLeft, SkirtRight, NameSkirt,
            AddToWardrobe, Option1, Option2, Option3, PinkButton, WhiteButton, AutoButton});
    setShown({TransColorInfo}, true);
}

void Form1::ShowProjectPanel()
{
    showOn({EnterProjectName, ProjectInfos, EnterLadyName, CreatProject});
    showOff(DeleteProject);
    showOn({GetBodyPic});
    setShown({ProjectLabel, DollyLabel, BasePic}, true);
}

void Form1::ShowDressingPanel()
{
    showOn({MoveDownList, MoveUpList, DressItem, Wardrobe, Dressed, MoveLayerUp, MoveLayerDown,
            RemoveItem, RemoveAllItems});
    showOff(DeleteSkirt);
    showOn({ProjectFileList, OutfitList, NameOfOutfit, DeleteOutfit, SaveOutfit, Picture1, Picture2,
            Picture3, Picture4});
    showOff(UpdateItem);
}

void Form1::LetsGo_Click()
{
    setShown({WelcomeText, WelcomeShadow, Welcome_Shadow2, WelcomeRealShadow}, false);
    LetsGo->setEnabled(false);
    LetsGo->setVisible(false);
    if (Warnings->Top() != kWarningsTop) {
        // A start-up message moves back to the message line of the panels.
        Warnings->setTop(kWarningsTop);
        Warnings->setLeft(430);
    }
    HideAllPanels();
    ShowDressingPanel();
    for (QWidget* control : Controls{PlaygroundOnOff, ShowHelp, NewProject, AddBMPItem})
        control->setEnabled(true);
    // Checking the box runs its click handling: help shows and is stored.
    if (State.HelpMode == QLatin1String("TRUE"))
        ShowHelp->setValue(1);
    UpdateHelpLabel();
}
