// Undo and redo through the keys, over sequences of edits made with the
// real controls: each undo must bring back the window exactly as it was
// before the step, each redo as it was after, and a change to the files
// must end the history. A deletion is a step of its own: its undo brings
// the files back byte for byte, its redo deletes them again.
#include "FileActions.h"
#include "TestSupport.h"
#include "formats/files/FileAccess.h"

#include <QUndoStack>
#include <QUrl>
#include <QtTest>

#include <functional>

namespace {

// What the user sees and what the next click works on.
struct Look {
    QStringList dressed;
    int dressedIndex = -1;
    int wardrobeIndex = -1;
    QImage figure;
    bool saveOutfit = false, updateItem = false;
    int shiftX = 0, shiftY = 0, offsetX = 0, offsetY = 0;
    QString dressingMark, pictureMark;
    bool operator==(const Look&) const = default;
};

Look lookOf(const Form1& w)
{
    Look look;
    for (int i = 0; i < w.Dressed->ListCount(); ++i)
        look.dressed.append(w.Dressed->List(i));
    look.dressedIndex = w.Dressed->ListIndex();
    look.wardrobeIndex = w.Wardrobe->ListIndex();
    look.figure = w.BodyPic->surface().copy();
    look.saveOutfit = w.SaveOutfit->isEnabled();
    look.updateItem = w.UpdateItem->isEnabled();
    look.shiftX = w.State.ItemShiftX;
    look.shiftY = w.State.ItemShiftY;
    look.offsetX = w.State.OffsetX;
    look.offsetY = w.State.OffsetY;
    look.dressingMark = w.State.DressingMark;
    look.pictureMark = w.State.PictureMark;
    return look;
}

const char* differs(const Look& a, const Look& b)
{
    if (a.dressed != b.dressed) return "worn list";
    if (a.dressedIndex != b.dressedIndex) return "worn selection";
    if (a.wardrobeIndex != b.wardrobeIndex) return "wardrobe selection";
    if (a.figure != b.figure) return "figure";
    if (a.saveOutfit != b.saveOutfit || a.updateItem != b.updateItem) return "buttons";
    if (a.shiftX != b.shiftX || a.shiftY != b.shiftY) return "item shift";
    if (a.offsetX != b.offsetX || a.offsetY != b.offsetY) return "import offset";
    if (a.dressingMark != b.dressingMark || a.pictureMark != b.pictureMark) return "marks";
    return nullptr;
}

#define COMPARE_LOOK(actual, expected, what)                                                       \
    do {                                                                                           \
        const char* part = differs(actual, expected);                                              \
        QVERIFY2(!part, qPrintable(QStringLiteral("%1: %2 differs").arg(what, QLatin1String(part)))); \
    } while (false)

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

void undoKey(Form1& w) { QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier); }
void redoKey(Form1& w, int n)
{
    // Both redo keys, one after the other.
    if (n % 2 == 0)
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    else
        QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
}

void drag(PictureBox* figure, QPoint by)
{
    const QPoint start(80, 150);
    QTest::mousePress(figure, Qt::LeftButton, {}, start);
    QTest::mouseMove(figure, start + by / 2);
    QTest::mouseMove(figure, start + by);
    QTest::mouseRelease(figure, Qt::LeftButton, {}, start + by);
}

struct Action {
    QString name;
    std::function<void(Form1&)> run;
    bool undoable;  // false: a click that changes what is selected or shown, not an edit
};

std::unique_ptr<Form1> startWindow(DataFolderFixture& folder)
{
    folder.write("Projects/Default.Outfit", crlfLines({"OUTFIT: Beach", "Striped top", "Red shoes"}));
    for (const char* name : {"Pictures/One.bmp", "Pictures/Two.bmp"})
        folder.writeBitmap(name, QSize(4, 3), qRgb(200, 30, 90));
    auto window = folder.start();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return {};
    click(window->LetsGo);
    return window;
}

Action select(ListBox* Form1::*list, const QString& entry)
{
    return {QStringLiteral("choose ") + entry, [list, entry](Form1& w) { clickEntry(w.*list, entry); }, false};
}

template <class T> Action press(T* Form1::*control, const char* name)
{
    return {QLatin1String(name), [control](Form1& w) { click(w.*control); }, true};
}

// Plays the actions, then undoes every step and redoes every step.
void walk(Form1& w, const QList<Action>& actions)
{
    QList<Look> before, after;
    for (const Action& action : actions) {
        const Look was = lookOf(w);
        action.run(w);
        const Look is = lookOf(w);
        if (!action.undoable)
            continue;
        QVERIFY2(differs(was, is), qPrintable(action.name + QStringLiteral(" changed nothing")));
        before.append(was);
        after.append(is);
    }
    QCOMPARE(w.undoStack()->count(), before.size());
    for (qsizetype i = before.size() - 1; i >= 0; --i) {
        undoKey(w);
        COMPARE_LOOK(lookOf(w), before[i], QStringLiteral("undo to before step %1").arg(i + 1));
    }
    undoKey(w);  // nothing left to undo
    COMPARE_LOOK(lookOf(w), before.first(), QStringLiteral("undo past the first step"));
    for (qsizetype i = 0; i < after.size(); ++i) {
        redoKey(w, int(i));
        COMPARE_LOOK(lookOf(w), after[i], QStringLiteral("redo of step %1").arg(i + 1));
    }
}

// The lists, the project and the delete buttons as the window shows them,
// in words.
QStringList listsOf(const Form1& w)
{
    QStringList shown;
    for (const ListBox* list : std::initializer_list<const ListBox*>{w.Wardrobe, w.OutfitList, w.Dressed, w.ProjectFileList}) {
        QStringList entries;
        for (int i = 0; i < list->ListCount(); ++i)
            entries.append(list->List(i));
        shown.append(QStringLiteral("%1: %2 @%3").arg(list->objectName(), entries.join('|')).arg(list->ListIndex()));
    }
    shown << "current project: " + w.State.CurrentProject << "figure: " + w.NameOfBody->Caption()
          << "project infos: " + w.ProjectInfos->Caption();
    for (const Button* button : {w.DeleteSkirt, w.DeleteOutfit, w.DeleteProject, w.CreatProject})
        shown << QStringLiteral("%1 %2").arg(button->objectName(), button->isEnabled() ? "on" : "off");
    return shown;
}

// Chooses what the case deletes, as a person would: an item shown alone
// beside a dressed figure, an outfit put on, or Anna's project.
void choose(Form1& w, const QString& kind)
{
    if (kind == "item") {
        clickEntry(w.Wardrobe, "Summer dress");
        click(w.DressItem);
        clickEntry(w.Wardrobe, "Striped top");
    } else if (kind == "outfit") {
        clickEntry(w.OutfitList, "Beach");
    } else {
        click(w.NewProject);
        clickEntry(w.ProjectFileList, "Anna.Project");
    }
}

// Deletes what choose chose, answering the question with yes; the keys
// then go to the window.
void deleteChosen(Form1& w, const QString& kind)
{
    if (kind == "outfit") {
        click(w.DeleteOutfit);
    } else {
        click(kind == "item" ? w.DeleteSkirt : w.DeleteProject);
        QVERIFY(w.AskMe->Visible());
        click(w.SayYes);
    }
    w.BodyPic->setFocus();
}

const QStringList kAnnaNames = {"Anna.Data", "Anna.Outfit", "Anna.Project", "Anna.Table"};

// After a deletion the trash holds Anna's four files as they were, each
// with its note of where it came from; otherwise nothing.
void checkTrash(const DataFolderFixture& folder, const Snapshot& before, bool deleted)
{
    if (!deleted) {
        QCOMPARE(folder.trashed("files"), QStringList());
        QCOMPARE(folder.trashed("info"), QStringList());
        return;
    }
    QCOMPARE(folder.trashed("files"), kAnnaNames);
    QStringList notes;
    for (const QString& name : kAnnaNames) {
        notes << name + ".trashinfo";
        QFile file(folder.trashPath() + "/files/" + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll() == before.value("Projects/" + name), qPrintable(name));
        QFile note(folder.trashPath() + "/info/" + name + ".trashinfo");
        QVERIFY(note.open(QIODevice::ReadOnly));
        const QByteArray text = note.readAll();
        QVERIFY2(text.startsWith("[Trash Info]\n"), text.constData());
        const QByteArray origin = QUrl::toPercentEncoding(QDir::current().absoluteFilePath("Projects/" + name), "/");
        QVERIFY2(text.contains("\nPath=" + origin + "\n"), text.constData());
        QVERIFY2(text.contains("\nDeletionDate="), text.constData());
    }
    QCOMPARE(folder.trashed("info"), notes);
}

// A message of the window, with the project's name in it.
QString warningText(const Form1& w, int number)
{
    QString text = number >= 100 ? w.AddedText(number) : w.State.Texts[number];
    return text.replace("#NAME#", "Anna");
}

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedoWalkTheWornListEdits();
    void undoAndRedoWalkTheImportNudges();
    void fileChangeEndsTheHistory_data();
    void fileChangeEndsTheHistory();
    void textBoxKeepsItsOwnUndo();
    void newEditAfterUndoDropsTheRedo();
    void undoneNudgeCanBeMadeAgain();
    void deletionsComeBackByteForByte_data();
    void deletionsComeBackByteForByte();
    void undoThatCannotBeDoneChangesNothing_data();
    void undoThatCannotBeDoneChangesNothing();
    void outfitDeletionSaysWhichOutfit_data();
    void outfitDeletionSaysWhichOutfit();
};

void UndoTest::undoAndRedoWalkTheWornListEdits()
{
    DataFolderFixture folder;
    auto window = startWindow(folder);
    QVERIFY(window);
    Form1& w = *window;
    const auto wardrobe = &Form1::Wardrobe;
    const auto dressed = &Form1::Dressed;
    walk(w, {
                select(wardrobe, "Summer dress"),
                press(&Form1::DressItem, "dress"),
                select(wardrobe, "Striped top"),
                press(&Form1::DressItem, "dress"),
                select(wardrobe, "Red shoes"),
                press(&Form1::DressItem, "dress"),
                select(dressed, "Summer dress"),
                press(&Form1::MoveLayerDown, "one layer down"),
                select(dressed, "Red shoes"),
                press(&Form1::MoveUpList, "to the bottom"),
                select(dressed, "Striped top"),
                press(&Form1::MoveDownList, "to the top"),
                select(dressed, "Striped top"),
                press(&Form1::MoveLayerUp, "one layer up"),
                select(dressed, "Summer dress"),
                press(&Form1::RemoveItem, "take off"),
                {QStringLiteral("load an outfit"), [](Form1& w) { clickEntry(w.OutfitList, "Beach"); }, true},
                press(&Form1::RemoveAllItems, "take all off"),
                select(wardrobe, "Denim jacket"),
                press(&Form1::Picture2, "nudge right"),
                {QStringLiteral("drag"), [](Form1& w) { drag(w.BodyPic, {5, -4}); }, true},
                {QStringLiteral("arrow key"), [](Form1& w) { QTest::keyClick(w.BodyPic, Qt::Key_Down); }, true},
            });
}

void UndoTest::undoAndRedoWalkTheImportNudges()
{
    DataFolderFixture folder;
    auto window = startWindow(folder);
    QVERIFY(window);
    Form1& w = *window;
    click(w.AddBMPItem);
    w.Harddrive->setPath(folder.path("Pictures"));
    clickEntry(w.SkirtFiles, "One.bmp");
    walk(w, {
                press(&Form1::SkirtRight, "right"),
                {QStringLiteral("step 10"), [](Form1& w) { click(w.Option3); }, false},
                press(&Form1::SkirtDown, "down"),
                {QStringLiteral("drag"), [](Form1& w) { drag(w.BodyPic, {-7, 12}); }, true},
                press(&Form1::SkirtLeft, "left"),
            });
}

void UndoTest::fileChangeEndsTheHistory_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("outfit saved") << 0;
    QTest::newRow("item deleted") << 1;
    QTest::newRow("nudge stored") << 2;
    QTest::newRow("project chosen") << 3;
    QTest::newRow("another picture to import") << 4;
    QTest::newRow("outfit deleted, and the deletion undone") << 5;
}

// After the change Ctrl+Z leaves the window and the files as they are.
void UndoTest::fileChangeEndsTheHistory()
{
    QFETCH(int, change);
    DataFolderFixture folder;
    auto window = startWindow(folder);
    QVERIFY(window);
    Form1& w = *window;
    for (const char* item : {"Summer dress", "Striped top"}) {
        clickEntry(w.Wardrobe, item);
        click(w.DressItem);
    }
    click(w.Picture4);
    QVERIFY(w.undoStack()->canUndo());
    switch (change) {
    case 0:
        QTest::keyClicks(w.NameOfOutfit, "Picnic");
        click(w.SaveOutfit);
        w.BodyPic->setFocus();
        break;
    case 1:
        click(w.DeleteSkirt);
        click(w.SayYes);
        // The deletion is the one step left: Ctrl+Z takes it back, and
        // the edits before it are gone.
        undoKey(w);
        break;
    case 2:
        click(w.UpdateItem);
        break;
    case 3:
        clickEntry(w.ProjectFileList, w.ProjectFileList->List(0));
        break;
    case 4:
        click(w.AddBMPItem);
        w.Harddrive->setPath(folder.path("Pictures"));
        clickEntry(w.SkirtFiles, "One.bmp");
        click(w.SkirtRight);
        clickEntry(w.SkirtFiles, "Two.bmp");
        w.BodyPic->setFocus();
        break;
    case 5:
        clickEntry(w.OutfitList, "Beach");
        click(w.DeleteOutfit);
        undoKey(w);
        break;
    }
    const Look look = lookOf(w);
    const Snapshot files = snapshot(folder.path());
    undoKey(w);
    COMPARE_LOOK(lookOf(w), look, QStringLiteral("undo after the change"));
    QCOMPARE(snapshot(folder.path()), files);
    QVERIFY(!w.undoStack()->canUndo());
}

// In a text box Ctrl+Z takes back typing, and the worn list stays.
void UndoTest::textBoxKeepsItsOwnUndo()
{
    DataFolderFixture folder;
    auto window = startWindow(folder);
    QVERIFY(window);
    Form1& w = *window;
    clickEntry(w.Wardrobe, "Red shoes");
    click(w.DressItem);
    w.NameOfOutfit->setFocus();
    QTest::keyClicks(w.NameOfOutfit, "Rainy");
    const Look look = lookOf(w);
    QTest::keyClick(w.NameOfOutfit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.NameOfOutfit->Text(), QString());
    COMPARE_LOOK(lookOf(w), look, QStringLiteral("undo in the text box"));
    QCOMPARE(w.undoStack()->index(), 1);
}

void UndoTest::newEditAfterUndoDropsTheRedo()
{
    DataFolderFixture folder;
    auto window = startWindow(folder);
    QVERIFY(window);
    Form1& w = *window;
    for (const char* item : {"Summer dress", "Striped top"}) {
        clickEntry(w.Wardrobe, item);
        click(w.DressItem);
    }
    undoKey(w);
    clickEntry(w.Wardrobe, "Red shoes");
    click(w.DressItem);
    const Look look = lookOf(w);
    redoKey(w, 0);
    COMPARE_LOOK(lookOf(w), look, QStringLiteral("redo after a new edit"));
    QCOMPARE(look.dressed, QStringList({"Summer dress", "Red shoes"}));
}

// Showing the dressed figure in between forgets which item the arrows
// move; the undo brings that back with the item on show.
void UndoTest::undoneNudgeCanBeMadeAgain()
{
    DataFolderFixture folder;
    auto window = startWindow(folder);
    QVERIFY(window);
    Form1& w = *window;
    clickEntry(w.Wardrobe, "Summer dress");
    click(w.DressItem);
    clickEntry(w.Wardrobe, "Red shoes");
    click(w.Picture2);
    const Look nudged = lookOf(w);
    clickEntry(w.Dressed, "Summer dress");
    undoKey(w);
    click(w.Picture2);
    COMPARE_LOOK(lookOf(w), nudged, QStringLiteral("the nudge made again"));
}

void UndoTest::deletionsComeBackByteForByte_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("trash");  // the desktop has a trash
    QTest::newRow("item") << "item" << false;
    QTest::newRow("outfit") << "outfit" << false;
    QTest::newRow("project, to the trash") << "project" << true;
    QTest::newRow("project, without a trash") << "project" << false;
}

// Undo and redo, twice each, over one deletion: the files, the lists and
// the window as before and as after it, and a project's files in the
// trash while it is deleted.
void UndoTest::deletionsComeBackByteForByte()
{
    QFETCH(QString, kind);
    QFETCH(bool, trash);
    DataFolderFixture folder;
    FileActions::addAnna(folder);
    if (trash)
        folder.makeTrash();
    auto window = startWindow(folder);
    QVERIFY(window);
    Form1& w = *window;
    choose(w, kind);
    const Snapshot files = snapshot(folder.path());
    const QStringList lists = listsOf(w);
    const Look look = lookOf(w);

    deleteChosen(w, kind);
    const Snapshot deleted = snapshot(folder.path());
    const QStringList listsDeleted = listsOf(w);
    const Look lookDeleted = lookOf(w);
    QVERIFY(deleted != files);
    QVERIFY(listsDeleted != lists);
    QCOMPARE(w.undoStack()->count(), 1);
    if (kind == "project") {
        // Gone from the data folder, and nothing of the trash there.
        Snapshot expected = files;
        for (const QString& name : kAnnaNames)
            expected.remove("Projects/" + name);
        expected["Tavolin.ini"] = deleted.value("Tavolin.ini");
        QVERIFY(deleted == expected);
        if (trash)
            checkTrash(folder, files, true);
        else
            QVERIFY(!QFileInfo::exists(folder.trashPath()));
    }

    for (int round = 0; round < 2; ++round) {
        undoKey(w);
        QVERIFY(snapshot(folder.path()) == files);
        QCOMPARE(listsOf(w), lists);
        COMPARE_LOOK(lookOf(w), look, QStringLiteral("undo %1").arg(round + 1));
        if (trash)
            checkTrash(folder, files, false);
        redoKey(w, round);
        QVERIFY(snapshot(folder.path()) == deleted);
        QCOMPARE(listsOf(w), listsDeleted);
        COMPARE_LOOK(lookOf(w), lookDeleted, QStringLiteral("redo %1").arg(round + 1));
        if (trash)
            checkTrash(folder, files, true);
    }
    QCOMPARE(w.undoStack()->count(), 1);
}

void UndoTest::undoThatCannotBeDoneChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("redo");       // the key refused is the redo after an undo
    QTest::addColumn<QString>("changed");  // a file changed since, in the data folder
    QTest::addColumn<bool>("fromTrash");  // the project put back from the trash by hand
    QTest::addColumn<bool>("diskFull");   // every rename fails, until the disk has room again
    QTest::addColumn<int>("message");

    QTest::newRow("item, its data file changed since")
        << "item" << false << "Projects/Default.Data" << false << false << int(Form1::MsgChangedSince);
    QTest::newRow("outfit, the outfit file changed since")
        << "outfit" << false << "Projects/Default.Outfit" << false << false << int(Form1::MsgChangedSince);
    QTest::newRow("project, its name taken again, in other letters")
        << "project" << false << "Projects/anna.PROJECT" << false << false << int(Form1::MsgProjectNameTaken);
    QTest::newRow("project, put back from the trash by hand")
        << "project" << false << QString() << true << false << int(Form1::MsgProjectNameTaken);
    QTest::newRow("item, the disk full") << "item" << false << QString() << false << true << int(Form1::MsgItemNotChanged);
    QTest::newRow("outfit, the disk full")
        << "outfit" << false << QString() << false << true << int(Form1::MsgOutfitsNotSaved);
    QTest::newRow("project, the disk full")
        << "project" << false << QString() << false << true << int(Form1::MsgProjectNotBack);
    QTest::newRow("redo of an item, its data file changed since the undo")
        << "item" << true << "Projects/Default.Data" << false << false << int(Form1::MsgChangedSince);
    QTest::newRow("redo of a project, a file changed since the undo")
        << "project" << true << "Projects/Anna.Data" << false << false << int(Form1::MsgChangedSince);
    QTest::newRow("redo of an outfit, the disk full")
        << "outfit" << true << QString() << false << true << int(Form1::MsgOutfitsNotSaved);
}

// A refused undo or redo says why, changes no file, leaves the history
// where it was, and works once the disk has room again.
void UndoTest::undoThatCannotBeDoneChangesNothing()
{
    QFETCH(QString, kind);
    QFETCH(bool, redo);
    QFETCH(QString, changed);
    QFETCH(bool, fromTrash);
    QFETCH(bool, diskFull);
    QFETCH(int, message);
    DataFolderFixture folder;
    FileActions::addAnna(folder);
    folder.makeTrash();
    auto window = startWindow(folder);
    QVERIFY(window);
    Form1& w = *window;
    choose(w, kind);
    deleteChosen(w, kind);
    if (redo)
        undoKey(w);
    // A file changed in its last byte, its size kept; or a file made anew.
    if (!changed.isEmpty()) {
        QByteArray bytes = folder.read(changed);
        if (bytes.isEmpty())
            bytes = "changed\r\n";
        else
            bytes.back() = '#';
        folder.write(changed, bytes);
    }
    for (const QString& name : fromTrash ? kAnnaNames : QStringList()) {
        QVERIFY(QFile::rename(folder.trashPath() + "/files/" + name, folder.path("Projects/" + name)));
        QVERIFY(QFile::remove(folder.trashPath() + "/info/" + name + ".trashinfo"));
    }
    if (diskFull)
        FileAccess::setFaultHook([](FileAccess::Step step, const QString&) { return step == FileAccess::Step::Rename; });
    const Snapshot files = snapshot(folder.path());
    const QStringList lists = listsOf(w);
    const int index = w.undoStack()->index();
    folder.resetBeeps();

    redo ? redoKey(w, 0) : undoKey(w);
    FileAccess::setFaultHook({});
    QVERIFY(!warningText(w, message).isEmpty());
    QCOMPARE(w.Warnings->Caption(), warningText(w, message));
    QVERIFY(!w.Warnings->ToolTipText().isEmpty());
    QCOMPARE(folder.beeps(), 1);
    QVERIFY(snapshot(folder.path()) == files);
    QCOMPARE(listsOf(w), lists);
    QCOMPARE(w.undoStack()->index(), index);

    if (diskFull) {
        redo ? redoKey(w, 1) : undoKey(w);
        QVERIFY(snapshot(folder.path()) != files);
        QCOMPARE(w.undoStack()->index(), redo ? index + 1 : index - 1);
    }
}

void UndoTest::outfitDeletionSaysWhichOutfit_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("said");
    QTest::newRow("English") << false << "Outfit \"Beach\" was deleted. Ctrl+Z brings it back.";
    QTest::newRow("German") << true << QString::fromUtf8("Outfit \"Beach\" gel\u00f6scht. Strg+Z holt es zur\u00fcck.");
}

// Deleting an outfit asks nothing and takes the worn items off, as always,
// and says which outfit went and how to bring it back; once it is back,
// the message goes.
void UndoTest::outfitDeletionSaysWhichOutfit()
{
    QFETCH(bool, german);
    QFETCH(QString, said);
    DataFolderFixture folder;
    auto window = startWindow(folder);
    QVERIFY(window);
    Form1& w = *window;
    if (german)
        click(w.German);
    const QImage bare = w.BodyPic->surface().copy();
    clickEntry(w.OutfitList, "Beach");
    QCOMPARE(w.Dressed->ListCount(), 2);
    folder.resetBeeps();

    deleteChosen(w, "outfit");
    QVERIFY(!w.AskMe->Visible());
    QCOMPARE(folder.beeps(), 0);
    QCOMPARE(w.Dressed->ListCount(), 0);
    QCOMPARE(w.BodyPic->surface(), bare);
    QCOMPARE(w.Warnings->Caption(), said);
    QVERIFY(w.Warnings->isVisible());
    undoKey(w);
    QCOMPARE(w.Warnings->Caption(), QString());
    QCOMPARE(w.Dressed->ListCount(), 2);
    redoKey(w, 0);
    QCOMPARE(w.Warnings->Caption(), said);
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
