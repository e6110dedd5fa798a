// The question box inside the window: it confirms deleting the chosen
// wardrobe item (WorkMode 1) or the current project (WorkMode 2).
#include "shell/Form1.h"

#include <initializer_list>

namespace {

void turnOn(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        control->setEnabled(true);
}

}  // namespace

void Form1::SayYes_Click()
{
    SayYes->setEnabled(false);
    SayNo->setEnabled(false);
    if (State.WorkMode == 1) {
        DeleteItemData();
        AskMe->setVisible(false);
        turnOn({UpdateItem, Wardrobe, DressItem, RemoveAllItems, RemoveItem, Dressed, OutfitList, SaveOutfit,
                ProjectFileList});
    }
    if (State.WorkMode == 2) {
        AskMe->setVisible(false);
        turnOn({UpdateItem, Wardrobe, DressItem, RemoveAllItems, RemoveItem, Dressed, OutfitList, SaveOutfit,
                ProjectFileList});
        DeleteCurrentProject();
    }
}

void Form1::SayNo_Click()
{
    if (State.WorkMode == 1) {
        AskMe->setVisible(false);
        UpdateItem->setEnabled(false);
        turnOn({Wardrobe, DressItem, RemoveAllItems, RemoveItem, Dressed, OutfitList, SaveOutfit, ProjectFileList});
    }
    if (State.WorkMode == 2) {
        turnOn({ProjectFileList, GetBodyPic, EnterProjectName, EnterLadyName, CreatProject});
        AskMe->setVisible(false);
    }
}
