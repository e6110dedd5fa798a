#include "FileActions.h"

#include <QtTest>

namespace FileActions {

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

void type(TextBox* box, const QString& text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
}

const QStringList kAnnaFiles = {"Projects/Anna.Project", "Projects/Anna.Data", "Projects/Anna.Table",
                                "Projects/Anna.Outfit"};
void addAnna(const DataFolderFixture& folder)
{
    folder.write("Projects/Anna.Project", crlfLines({"#BODYPIC#", "Default.bmp", "#WARDROBE#", "Anna.Data",
                                                     "#BODYNAME#", "Anna", "#VERSION#", "0.98 (Beta)"}));
    folder.write("Projects/Anna.Data", folder.read("Projects/Default.Data"));
    folder.write("Projects/Anna.Table", folder.read("Projects/Default.Table"));
    folder.write("Projects/Anna.Outfit", crlfLines({"OUTFIT: Walk", "Sun hat"}));
}

static void addOutfits(const DataFolderFixture& folder)
{
    folder.write("Projects/Default.Outfit",
                 crlfLines({"OUTFIT: Holiday", "Sun hat", "Summer dress", "OUTFIT: Office", "Striped top"}));
}

static void dressingPanel(Form1& w) { click(w.LetsGo); }

static void chooseAnna(Form1& w)
{
    dressingPanel(w);
    click(w.NewProject);
    clickEntry(w.ProjectFileList, "Anna.Project");
}

static void addAnnaAndTrash(const DataFolderFixture& folder)
{
    addAnna(folder);
    folder.makeTrash();
}

// The keys reach the window's shortcuts only while it is the active
// window, and go to the window, not to a text box's own undo.
static void pressOnWindow(Form1& w, Qt::KeyboardModifiers modifiers)
{
    if (!w.isActiveWindow()) {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    w.BodyPic->setFocus();
    QTest::keyClick(&w, Qt::Key_Z, modifiers);
}

static void undo(Form1& w) { pressOnWindow(w, Qt::ControlModifier); }
static void redo(Form1& w) { pressOnWindow(w, Qt::ControlModifier | Qt::ShiftModifier); }

static void deleteSunHat(Form1& w)
{
    dressingPanel(w);
    clickEntry(w.Wardrobe, "Sun hat");
    click(w.DeleteSkirt);
    click(w.SayYes);
}

static void deleteAnna(Form1& w)
{
    chooseAnna(w);
    click(w.DeleteProject);
    click(w.SayYes);
}

const QList<Action>& actions()
{
    static const QList<Action> list = {
        {.name = "help setting",
         .prepare = dressingPanel,
         .act = [](Form1& w) { click(w.ShowHelp); },
         .retry = [](Form1& w) { click(w.ShowHelp); click(w.ShowHelp); }},
        {.name = "key colour",
         .prepare = [](Form1& w) { dressingPanel(w); click(w.AddBMPItem); },
         .act = [](Form1& w) { click(w.WhiteButton); }},
        {.name = "language", .prepare = dressingPanel, .act = [](Form1& w) { click(w.German); }},
        {.name = "current project",
         .lay = addAnna,
         .prepare = dressingPanel,
         .act = [](Form1& w) { clickEntry(w.ProjectFileList, "Anna.Project"); }},
        {.name = "capture",
         .prepare =
             [](Form1& w) {
                 dressingPanel(w);
                 click(w.AddBMPItem);
                 w.Harddrive->setPath(QDir::current().filePath("Samples"));
                 clickEntry(w.SkirtFiles, "Sunglasses_on_purple.bmp");
                 click(w.PinkButton);
                 type(w.NameSkirt, "Sunglasses");
             },
         .act = [](Form1& w) { click(w.AddToWardrobe); }},
        {.name = "outfit save",
         .prepare =
             [](Form1& w) {
                 dressingPanel(w);
                 clickEntry(w.Wardrobe, "Sun hat");
                 click(w.DressItem);
                 type(w.NameOfOutfit, "Garden");
             },
         .act = [](Form1& w) { click(w.SaveOutfit); }},
        {.name = "outfit delete",
         .lay = addOutfits,
         .prepare = [](Form1& w) { dressingPanel(w); clickEntry(w.OutfitList, "Holiday"); },
         .act = [](Form1& w) { click(w.DeleteOutfit); },
         .retry = [](Form1& w) { clickEntry(w.OutfitList, "Holiday"); click(w.DeleteOutfit); }},
        {.name = "item update",
         .prepare = [](Form1& w) { dressingPanel(w); clickEntry(w.Wardrobe, "Sun hat"); click(w.Picture1); },
         .act = [](Form1& w) { click(w.UpdateItem); }},
        {.name = "item delete",
         .prepare = [](Form1& w) { dressingPanel(w); clickEntry(w.Wardrobe, "Sun hat"); click(w.DeleteSkirt); },
         .act = [](Form1& w) { click(w.SayYes); },
         .retry = [](Form1& w) { clickEntry(w.Wardrobe, "Sun hat"); click(w.DeleteSkirt); click(w.SayYes); }},
        {.name = "project create",
         .prepare =
             [](Form1& w) {
                 dressingPanel(w);
                 click(w.NewProject);
                 clickEntry(w.GetBodyPic, "Default.bmp");
                 type(w.EnterProjectName, "Beach");
                 type(w.EnterLadyName, "Mia");
             },
         .act = [](Form1& w) { click(w.CreatProject); },
         .together = {"Projects/Beach.Project", "Projects/Beach.Data", "Projects/Beach.Table",
                      "Projects/Beach.Outfit"}},
        {.name = "project delete",
         .lay = addAnna,
         .prepare = [](Form1& w) { chooseAnna(w); click(w.DeleteProject); },
         .act = [](Form1& w) { click(w.SayYes); },
         .retry = [](Form1& w) { clickEntry(w.ProjectFileList, "Anna.Project"); click(w.DeleteProject); click(w.SayYes); },
         .together = kAnnaFiles},
        {.name = "project delete to the trash",
         .lay = addAnnaAndTrash,
         .prepare = [](Form1& w) { chooseAnna(w); click(w.DeleteProject); },
         .act = [](Form1& w) { click(w.SayYes); },
         .retry = [](Form1& w) { clickEntry(w.ProjectFileList, "Anna.Project"); click(w.DeleteProject); click(w.SayYes); },
         .together = kAnnaFiles},
        {.name = "item delete undone", .prepare = deleteSunHat, .act = undo},
        {.name = "item delete redone", .prepare = [](Form1& w) { deleteSunHat(w); undo(w); }, .act = redo},
        {.name = "outfit delete undone",
         .lay = addOutfits,
         .prepare = [](Form1& w) { dressingPanel(w); clickEntry(w.OutfitList, "Holiday"); click(w.DeleteOutfit); },
         .act = undo},
        {.name = "project delete undone", .lay = addAnnaAndTrash, .prepare = deleteAnna, .act = undo, .together = kAnnaFiles},
        {.name = "project delete redone",
         .lay = addAnnaAndTrash,
         .prepare = [](Form1& w) { deleteAnna(w); undo(w); },
         .act = redo,
         .together = kAnnaFiles},
    };
    return list;
}


}  // namespace FileActions
