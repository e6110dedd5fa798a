// Undo and redo through the keys, over sequences of edits made with the
// real controls: each undo must bring back the window exactly as it was
// before the step, each redo as it was after, and a change to the files
// must end the history.
#include "TestSupport.h"

#include <QUndoStack>
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

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
