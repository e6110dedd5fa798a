// Wardrobe editing and the question box: storing a nudge made with the
// arrow pictures, deleting an item, deleting a project, and the way back to
// dressing. Every rewrite must leave the old file whole when it fails.
// Everything is driven through the real widgets.
#include "TestSupport.h"
#include "formats/picture/Colour.h"
#include "window/controls/Platform.h"

#include <QContextMenuEvent>
#include <QDirIterator>
#include <QtTest>

namespace {

// Colours whose red and blue differ, so that a swap of the two shows.
constexpr int kRed = 255;
constexpr int kBlue = 16711680;
constexpr int kMixed = 1193046;  // 0x123456
constexpr int kHand = Colour::rgb(1, 2, 3);

const QByteArray kSeparator(38, '-');
const QByteArray kEnd = "-------------- END ------------------";

// One record of the item data file as the program writes it, with the
// offsets and pixel lines given as the lines themselves.
QByteArray record(const QByteArray& name, const QByteArray& x, const QByteArray& y, const QList<QByteArray>& pixels,
                  bool withEnd = true)
{
    QByteArray bytes = "ITEM: " + name + "\r\n" + kSeparator + "\r\n" + x + "\r\n" + y + "\r\n 1 \r\n" +
                       kSeparator + "\r\n";
    for (const QByteArray& pixel : pixels)
        bytes += pixel + "\r\n";
    return withEnd ? bytes + kEnd + "\r\n" : bytes;
}

// Skirt: offsets 20 and 40, three pixels, 10 lines.
const QList<QByteArray> kSkirtPixels = {" 255  0  0 ", " 16711680  0  1 ", " 1193046  1  0 "};
struct Spot {
    QPoint at;  // inside the item's picture
    int colour;
};
const QList<Spot> kSkirtSpots = {{{0, 0}, kRed}, {{0, 1}, kBlue}, {{1, 0}, kMixed}};
const QPoint kSkirtOffset(20, 40);

QByteArray skirt(const QByteArray& x = " 20 ", const QByteArray& y = " 40 ") { return record("Skirt", x, y, kSkirtPixels); }
// Blouse: 9 lines.  Hat: 8 lines.
QByteArray blouse(bool withEnd = true) { return record("Blouse", " 50 ", " 60 ", {" 255  0  0 ", " 255  1  1 "}, withEnd); }
QByteArray hat(const QByteArray& x = " 70 ", const QByteArray& y = " 10 ")
{
    return record("Hat", x, y, {" 16711680  2  3 "});
}

QByteArray table(const QList<QPair<QByteArray, int>>& entries)
{
    QByteArray bytes;
    for (const auto& [name, line] : entries)
        bytes += "ITEM: " + name + "\r\n " + QByteArray::number(line) + " \r\n";
    return bytes;
}

const QStringList kDefaultItems = {"Denim jacket", "Pleated skirt", "Red shoes",   "Striped scarf",
                                   "Striped top",  "Summer dress",  "Sun hat"};

const QStringList kProjectControls = {"ProjectFileList", "GetBodyPic", "EnterProjectName", "EnterLadyName",
                                      "CreatProject"};
const QStringList kDressingControls = {"Wardrobe", "DressItem", "RemoveAllItems", "RemoveItem",
                                       "Dressed",  "OutfitList", "SaveOutfit",   "ProjectFileList"};

// A second project, Anna, on the default body picture.
const QByteArray kAnnaProject = "#BODYPIC#\r\nDefault.bmp\r\n#WARDROBE#\r\nAnna.Data\r\n#BODYNAME#\r\nAnna\r\n"
                                "#VERSION#\r\n0.98 (Beta)\r\n";
const QByteArray kAnnaData = record("Veil", " 30 ", " 5 ", {" 255  0  0 "});
const QByteArray kAnnaTable = "ITEM: Veil\r\n 1 \r\n";
const QByteArray kAnnaOutfit = "OUTFIT: Wedding\r\nVeil\r\n";
const QStringList kAnnaFiles = {"Anna.Project", "Anna.Data", "Anna.Outfit", "Anna.Table"};

// Anna again, her items in a file whose name is not her project's.
const QByteArray kSharedProject = "#BODYPIC#\r\nDefault.bmp\r\n#WARDROBE#\r\nShared.Data\r\n#BODYNAME#\r\nAnna\r\n"
                                  "#VERSION#\r\n0.98 (Beta)\r\n";

QStringList entries(const ListBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->ListCount(); ++i)
        texts.append(list->List(i));
    return texts;
}

// The controls whose own Enabled flag differs between two moments.
using Flags = QMap<QString, bool>;

Flags enabledFlags(const Form1& window)
{
    Flags flags;
    for (auto it = window.controls().cbegin(); it != window.controls().cend(); ++it)
        flags.insert(it.key(), !it.value()->testAttribute(Qt::WA_ForceDisabled));
    return flags;
}

bool isOn(const Form1& window, const QString& name)
{
    const QWidget* control = window.control(name);
    return control && !control->testAttribute(Qt::WA_ForceDisabled);
}

QStringList changed(const Flags& before, const Flags& after)
{
    QStringList names;
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (after.value(it.key()) != it.value())
            names.append(it.key());
    names.sort();
    return names;
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// The controls that take input (not labels or frames) whose own Enabled
// flag is on.
QStringList inputsOn(const Form1& window)
{
    QStringList names;
    for (auto it = window.controls().cbegin(); it != window.controls().cend(); ++it)
        if (!qobject_cast<const Label*>(it.value()) && !qobject_cast<const Frame*>(it.value()) &&
            isOn(window, it.key()))
            names.append(it.key());
    names.sort();
    return names;
}

// What the question box must leave as it was: the files, the lists with
// their choices, the figure and the nudge.
struct Scene {
    Snapshot files;
    QStringList dressed, outfits;
    int dressedIndex, wardrobeIndex, outfitIndex, projectIndex, bodyPicIndex;
    QImage figure;
    int shiftX, shiftY;
    bool operator==(const Scene&) const = default;
};

Scene sceneOf(const Form1& w, const QString& folder)
{
    return {snapshot(folder),
            entries(w.Dressed),
            entries(w.OutfitList),
            w.Dressed->ListIndex(),
            w.Wardrobe->ListIndex(),
            w.OutfitList->ListIndex(),
            w.ProjectFileList->ListIndex(),
            w.GetBodyPic->ListIndex(),
            w.BodyPic->surface().copy(),
            w.State.ItemShiftX,
            w.State.ItemShiftY};
}

// A drag across the figure, as a user makes it.
void drag(PictureBox* figure)
{
    const QPoint start(80, 150), by(7, 5);
    QTest::mousePress(figure, Qt::LeftButton, {}, start);
    QTest::mouseMove(figure, start + by);
    QTest::mouseRelease(figure, Qt::LeftButton, {}, start + by);
}

// A language file with line number replaced by text (which starts with
// its number, as the file's lines do).
QByteArray withLine(const QByteArray& file, int number, const QByteArray& text)
{
    QList<QByteArray> lines = file.split('\n');
    lines[number - 1] = text + '\r';
    return lines.join('\n');
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Storing a nudge
    void updateStoresTheNudge_data();
    void updateStoresTheNudge();
    void updateAfterASettingsChange_data();
    void updateAfterASettingsChange();
    void updateWithoutAChoiceBeeps();
    void choosingAProjectDropsTheChosenItem_data();
    void choosingAProjectDropsTheChosenItem();
    void failedUpdateKeepsTheFile();
    void wardrobeFileOfAnotherName_data();
    void wardrobeFileOfAnotherName();

    // The arrow pictures and the way back to dressing
    void arrowsPaintTheItemShifted();
    void arrowsDecideUpdateItem_data();
    void arrowsDecideUpdateItem();
    void arrowWithoutASelectionDoesNothing();
    void playgroundReturnsToDressing();
    void playgroundShowsTheFigureName_data();
    void playgroundShowsTheFigureName();

    // Deleting an item
    void deleteSkirtAsksAndNoKeepsTheItem();
    void deleteItem_data();
    void deleteItem();
    void failedDeleteKeepsTheFile();

    // Deleting a project
    void deleteProject();
    void defaultProjectIsRefused();
    void noKeepsTheProject();
    void failedProjectDeletionKeepsAllFour_data();
    void failedProjectDeletionKeepsAllFour();
    void modeButtonsDropTheQuestion_data();
    void modeButtonsDropTheQuestion();

    // The question holds the window until it is answered or dropped
    void questionHoldsTheControls_data();
    void questionHoldsTheControls();
    void droppedQuestionLeavesTheSwitchAlone_data();
    void droppedQuestionLeavesTheSwitchAlone();
    void nothingActsBehindTheQuestion_data();
    void nothingActsBehindTheQuestion();
    void questionNamesWhatItDeletes_data();
    void questionNamesWhatItDeletes();

private:
    // The default project's data file replaced by data (when given), a
    // second project Anna (when asked), then the window on the dressing panel.
    void start(const QByteArray& data, bool withAnna = false);
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickEntry(ListBox* list, int row);
    void clickEntry(ListBox* list, const QString& text) { clickEntry(list, entries(list).indexOf(text)); }
    // One click per character: '1' top (up), '2' right, '3' left, '4' bottom (down).
    void arrows(const QString& clicks);
    void chooseProject(const QString& project);
    // The window just before its question: "item" with Skirt chosen and
    // nudged, "project" on the project panel with Anna chosen.
    void prepareQuestion(const QString& question);
    void askQuestion(const QString& question);
    void activate();
    QByteArray data() const { return folder_->read("Projects/Default.Data"); }
    QByteArray itemTable() const { return folder_->read("Projects/Default.Table"); }
    Snapshot projects() const { return snapshot(folder_->path("Projects")); }
    bool bodyIsBare() const { return window_->BodyPic->surface() == bare_; }

    std::unique_ptr<DataFolderFixture> folder_;
    std::unique_ptr<Form1> window_;
    QImage bare_;  // BodyPic as start-up leaves it
};

void EditingTest::init()
{
    folder_ = std::make_unique<DataFolderFixture>();
    QVERIFY(folder_->isValid());
}

void EditingTest::cleanup()
{
    window_.reset();
    folder_.reset();
}

void EditingTest::start(const QByteArray& itemData, bool withAnna)
{
    if (!itemData.isNull())
        folder_->write("Projects/Default.Data", itemData);
    if (withAnna) {
        folder_->write("Projects/Anna.Project", kAnnaProject);
        folder_->write("Projects/Anna.Data", kAnnaData);
        folder_->write("Projects/Anna.Table", kAnnaTable);
        folder_->write("Projects/Anna.Outfit", kAnnaOutfit);
    }
    window_ = folder_->start();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->LetsGo->click();
    QCOMPARE(window_->State.WorkMode, 1);
    bare_ = window_->BodyPic->surface().copy();
    // The body must differ from the item colours where the items paint.
    for (const Spot& spot : kSkirtSpots)
        for (int dx : {0, 2, 3})
            for (int dy : {0, -2})
                for (int colour : {kRed, kBlue, kMixed, kHand})
                    QVERIFY(Colour::fromQRgb(bare_.pixel(kSkirtOffset + spot.at + QPoint(dx, dy))) != colour);
    folder_->resetBeeps();
}

void EditingTest::clickEntry(ListBox* list, int row)
{
    QVERIFY2(row >= 0 && row < list->ListCount(), qPrintable(list->objectName()));
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QCOMPARE(list->ListIndex(), row);
}

void EditingTest::arrows(const QString& clicks)
{
    PictureBox* const pictures[] = {window_->Picture1, window_->Picture2, window_->Picture3, window_->Picture4};
    for (const QChar c : clicks) {
        const int n = c.digitValue();
        QVERIFY(n >= 1 && n <= 4);
        click(pictures[n - 1]);
    }
}

void EditingTest::chooseProject(const QString& project)
{
    clickEntry(window_->ProjectFileList, project);
    QCOMPARE(window_->State.CurrentProject, project);
}

void EditingTest::prepareQuestion(const QString& question)
{
    if (question == "item") {
        clickEntry(window_->Wardrobe, "Skirt");
        arrows("2");
    } else {
        click(window_->NewProject);
        chooseProject("Anna.Project");
    }
}

void EditingTest::askQuestion(const QString& question)
{
    click(question == "item" ? window_->DeleteSkirt : window_->DeleteProject);
    QVERIFY(window_->AskMe->Visible());
}

// Keys reach the window's shortcuts only while it is the active one.
void EditingTest::activate()
{
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

// ---- Storing a nudge

void EditingTest::updateStoresTheNudge_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("row");  // of the entry clicked in Wardrobe
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QByteArray>("after");

    const QByteArray eof = "#EOF#\r\n";
    QTest::newRow("3 right and 2 up") << skirt() + blouse() + hat() << "Skirt" << 2 << "22211"
                                      << skirt(" 23 ", " 38 ") + blouse() + hat();
    QTest::newRow("last record") << skirt() + blouse() + hat() << "Hat" << 1 << "22211"
                                 << skirt() + blouse() + hat(" 73 ", " 8 ");
    QTest::newRow("record before a #EOF# line, the rest kept")
        << skirt() + eof + blouse() + hat() << "Skirt" << 2 << "22211"
        << skirt(" 23 ", " 38 ") + eof + blouse() + hat();
    QTest::newRow("record after a #EOF# line")
        << skirt() + blouse() + eof + hat() << "Hat" << 1 << "22211" << skirt() + blouse() + eof + hat(" 73 ", " 8 ");
    QTest::newRow("below zero") << hat(" 1 ", " 0 ") << "Hat" << 0 << "3331" << hat("-2 ", "-1 ");
    QTest::newRow("left to zero, 2 down") << skirt() << "Skirt" << 0 << "3333333333333333333344"
                                  << skirt(" 0 ", " 42 ");
    QTest::newRow("every record of that name")
        << skirt() + hat() + skirt(" 5 ", " 6 ") << "Skirt" << 1 << "22211"
        << skirt(" 23 ", " 38 ") + hat() + skirt(" 8 ", " 4 ");
}

void EditingTest::updateStoresTheNudge()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, item);
    QFETCH(int, row);
    QFETCH(QString, clicks);
    QFETCH(QByteArray, after);
    start(before);
    Form1& w = *window_;
    const QByteArray tableBefore = itemTable();
    QVERIFY(tableBefore.startsWith("ITEM: "));
    const QStringList listed = entries(w.Wardrobe);
    clickEntry(w.Wardrobe, row);
    QCOMPARE(w.Wardrobe->List(row), item);
    QVERIFY(!w.UpdateItem->Enabled());
    arrows(clicks);
    QVERIFY(w.UpdateItem->Enabled());
    click(w.UpdateItem);

    QCOMPARE(data(), after);
    QCOMPARE(itemTable(), tableBefore);
    QCOMPARE(entries(w.Wardrobe), listed);
    QCOMPARE(w.Wardrobe->ListIndex(), -1);
    QVERIFY(!w.UpdateItem->Enabled());
    QCOMPARE(w.State.ItemShiftX, 0);
    QCOMPARE(w.State.ItemShiftY, 0);
    QCOMPARE(w.State.PictureMark, QStringLiteral("#"));
    QCOMPARE(w.State.DressingMark, QStringLiteral("-"));
    QVERIFY(bodyIsBare());
    QVERIFY(!folder_->exists("Projects/TMP.txt"));
    QCOMPARE(folder_->beeps(), 0);
}

// A settings change between the choice and the update: the settings writer
// takes its own key, the update still knows its item.
void EditingTest::updateAfterASettingsChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("clicksAfter");  // arrows after the change
    QTest::addColumn<QByteArray>("settingsLines");  // what the change wrote
    QTest::newRow("help mode") << "help" << "" << QByteArray("#HELPMODE#\r\nFALSE\r\n");
    QTest::newRow("key colour") << "key" << "1" << QByteArray("#TRANSCOLOR#\r\nWHITE\r\n");
}

void EditingTest::updateAfterASettingsChange()
{
    QFETCH(QString, change);
    QFETCH(QString, clicksAfter);
    QFETCH(QByteArray, settingsLines);
    start(skirt() + blouse() + hat());
    Form1& w = *window_;
    clickEntry(w.Wardrobe, "Skirt");
    arrows(QStringLiteral("22211").left(5 - clicksAfter.size()));
    if (change == "help") {
        QCOMPARE(w.ShowHelp->Value(), 1);
        click(w.ShowHelp);
        QCOMPARE(w.ShowHelp->Value(), 0);
    } else if (change == "key") {
        click(w.AddBMPItem);
        click(w.WhiteButton);
        click(w.PlaygroundOnOff);
        QVERIFY(!w.UpdateItem->Enabled());
    }
    QVERIFY(folder_->read("Tavolin.ini").contains(settingsLines));
    arrows(clicksAfter);
    QVERIFY(w.UpdateItem->Enabled());
    click(w.UpdateItem);
    QCOMPARE(data(), skirt(" 23 ", " 38 ") + blouse() + hat());
    QCOMPARE(w.State.ItemShiftX, 0);
    QCOMPARE(w.State.ItemShiftY, 0);
}

void EditingTest::choosingAProjectDropsTheChosenItem_data()
{
    QTest::addColumn<QString>("project");
    QTest::newRow("the same project again") << "Default.Project";
    QTest::newRow("another project with an item of the same name") << "Anna.Project";
}

// A nudge made in one project must never land on an item of another.
void EditingTest::choosingAProjectDropsTheChosenItem()
{
    QFETCH(QString, project);
    start(skirt() + blouse() + hat(), true);
    folder_->write("Projects/Anna.Data", skirt());
    folder_->write("Projects/Anna.Table", "ITEM: Skirt\r\n 1 \r\n");
    Form1& w = *window_;
    clickEntry(w.Wardrobe, "Skirt");
    arrows("22211");
    QVERIFY(w.UpdateItem->Enabled());
    chooseProject(project);
    QVERIFY(!w.UpdateItem->Enabled());
    const Snapshot before = projects();
    w.UpdateItem->setEnabled(true);
    click(w.UpdateItem);
    QCOMPARE(folder_->beeps(), 1);
    QCOMPARE(projects(), before);
}

void EditingTest::updateWithoutAChoiceBeeps()
{
    start(skirt() + blouse() + hat());
    Form1& w = *window_;
    const Snapshot before = projects();
    // No control path turns the button on without a choice; the handler
    // must refuse all the same.
    QVERIFY(!w.UpdateItem->Enabled());
    w.UpdateItem->setEnabled(true);
    click(w.UpdateItem);
    QCOMPARE(folder_->beeps(), 1);
    QCOMPARE(projects(), before);
}

void EditingTest::failedUpdateKeepsTheFile()
{
    const QByteArray before = skirt() + blouse() + hat();
    start(before);
    Form1& w = *window_;
    QVERIFY(QDir(folder_->path("Projects")).mkdir("TMP.txt"));
    const QByteArray tableBefore = itemTable();
    clickEntry(w.Wardrobe, "Skirt");
    arrows("22211");
    click(w.UpdateItem);
    QCOMPARE(data(), before);
    QCOMPARE(itemTable(), tableBefore);
    QVERIFY(!w.State.Texts[Form1::MsgItemNotChanged].isEmpty());
    QCOMPARE(w.Warnings->Caption(), w.State.Texts[Form1::MsgItemNotChanged]);
    QCOMPARE(w.State.ItemShiftX, 3);
    QCOMPARE(w.State.ItemShiftY, -2);
}

// The project file names the item data file: the wardrobe is listed and
// painted from it, so a nudge, a deletion and the table must use it too,
// never the file named after the project.
void EditingTest::wardrobeFileOfAnotherName_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("clicks");  // arrows before UpdateItem; empty: the item is deleted
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("afterTable");
    QTest::addColumn<QStringList>("afterList");
    QTest::addColumn<QPoint>("skirtAt");  // where the skirt is painted afterwards

    const QByteArray threeTable = table({{"Skirt", 1}, {"Blouse", 11}, {"Hat", 20}});
    const QStringList three = {"Blouse", "Hat", "Skirt"};
    QTest::newRow("nudge stored") << "Skirt" << "22211" << skirt(" 23 ", " 38 ") + blouse() + hat() << threeTable
                                  << three << QPoint(23, 38);
    QTest::newRow("nudge of the last item stored") << "Hat" << "443" << skirt() + blouse() + hat(" 69 ", " 12 ")
                                                   << threeTable << three << kSkirtOffset;
    QTest::newRow("item deleted") << "Blouse" << "" << skirt() + hat() << table({{"Skirt", 1}, {"Hat", 11}})
                                  << QStringList{"Hat", "Skirt"} << kSkirtOffset;
}

void EditingTest::wardrobeFileOfAnotherName()
{
    QFETCH(QString, item);
    QFETCH(QString, clicks);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, afterTable);
    QFETCH(QStringList, afterList);
    QFETCH(QPoint, skirtAt);
    folder_->write("Projects/Anna.Project", kSharedProject);
    folder_->write("Projects/Shared.Data", skirt() + blouse() + hat());
    // A file by the project's own name, with items of the same names.
    const QByteArray decoy = skirt(" 1 ", " 2 ") + blouse();
    folder_->write("Projects/Anna.Data", decoy);
    folder_->write("Tavolin.ini", crlfLines({"#HELPMODE#", "TRUE", "#TRANSCOLOR#", "PURPLE", "#CURRENT_PROJECT#",
                                             "Anna.Project", "#LANGUAGE#", "Tavolin_ENG.txt", "#EOF#"}));
    start(QByteArray());
    Form1& w = *window_;
    QCOMPARE(w.State.WardrobeFile, QStringLiteral("Shared.Data"));
    QCOMPARE(entries(w.Wardrobe), QStringList({"Blouse", "Hat", "Skirt"}));
    QCOMPARE(folder_->read("Projects/Anna.Table"), table({{"Skirt", 1}, {"Blouse", 11}, {"Hat", 20}}));
    Snapshot expected = projects();

    clickEntry(w.Wardrobe, item);
    if (clicks.isEmpty()) {
        click(w.DeleteSkirt);
        click(w.SayYes);
    } else {
        arrows(clicks);
        click(w.UpdateItem);
    }
    QCOMPARE(folder_->read("Projects/Shared.Data"), after);
    QCOMPARE(folder_->read("Projects/Anna.Table"), afterTable);
    QCOMPARE(entries(w.Wardrobe), afterList);
    expected["Shared.Data"] = after;
    expected["Anna.Table"] = afterTable;
    QCOMPARE(projects(), expected);  // Anna.Data among them, as it was
    QCOMPARE(folder_->read("Projects/Anna.Data"), decoy);

    // Shown again, the skirt stands where its offsets in that file say.
    clickEntry(w.Wardrobe, "Skirt");
    for (const Spot& spot : kSkirtSpots)
        QCOMPARE(w.BodyPic->Point(skirtAt.x() + spot.at.x(), skirtAt.y() + spot.at.y()), spot.colour);
}

// ---- The arrow pictures

void EditingTest::arrowsPaintTheItemShifted()
{
    start(skirt() + blouse() + hat());
    Form1& w = *window_;
    clickEntry(w.Wardrobe, "Skirt");
    for (const Spot& spot : kSkirtSpots)
        QCOMPARE(w.BodyPic->Point(kSkirtOffset.x() + spot.at.x(), kSkirtOffset.y() + spot.at.y()), spot.colour);
    arrows("222233");
    QCOMPARE(w.State.ItemShiftX, 2);
    QCOMPARE(w.State.ItemShiftY, 0);
    QVERIFY(w.UpdateItem->Enabled());
    QImage expected = bare_.copy();
    for (const Spot& spot : kSkirtSpots)
        expected.setPixel(kSkirtOffset + spot.at + QPoint(2, 0), Colour::toQRgb(spot.colour));
    QCOMPARE(w.BodyPic->surface(), expected);
}

void EditingTest::arrowsDecideUpdateItem_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("shiftX");
    QTest::addColumn<int>("shiftY");
    QTest::addColumn<bool>("updateOn");
    QTest::newRow("up") << "1" << 0 << -1 << true;
    QTest::newRow("up, down") << "14" << 0 << 0 << false;
    QTest::newRow("right, left") << "23" << 0 << 0 << false;
    QTest::newRow("right 3, up") << "2221" << 3 << -1 << true;
    QTest::newRow("right 3, up, down") << "22214" << 3 << 0 << false;
    QTest::newRow("up, right: the other axis decides") << "12" << 1 << -1 << true;
    QTest::newRow("up, right, left") << "123" << 0 << -1 << false;
}

void EditingTest::arrowsDecideUpdateItem()
{
    QFETCH(QString, clicks);
    QFETCH(int, shiftX);
    QFETCH(int, shiftY);
    QFETCH(bool, updateOn);
    start(skirt());
    Form1& w = *window_;
    clickEntry(w.Wardrobe, "Skirt");
    arrows(clicks);
    QCOMPARE(w.State.ItemShiftX, shiftX);
    QCOMPARE(w.State.ItemShiftY, shiftY);
    QCOMPARE(w.UpdateItem->Enabled(), updateOn);
}

void EditingTest::arrowWithoutASelectionDoesNothing()
{
    start(skirt());
    Form1& w = *window_;
    QCOMPARE(w.Wardrobe->ListIndex(), -1);
    w.BodyPic->PSet(5, 5, kHand);
    arrows("1234");
    QCOMPARE(w.State.ItemShiftX, 0);
    QCOMPARE(w.State.ItemShiftY, 0);
    QVERIFY(!w.UpdateItem->Enabled());
    QCOMPARE(w.BodyPic->Point(5, 5), kHand);  // not even cleared
    QCOMPARE(folder_->beeps(), 0);
}

void EditingTest::playgroundReturnsToDressing()
{
    start(skirt() + blouse() + hat());
    Form1& w = *window_;
    chooseProject("Default.Project");
    QVERIFY(w.DeleteProject->Enabled());
    clickEntry(w.Wardrobe, "Skirt");
    click(w.DressItem);
    clickEntry(w.Dressed, 0);
    // The worn items are on show: a second click in Dressed would not paint.
    QCOMPARE(w.State.PictureMark, w.State.DressingMark);
    arrows("2");
    QVERIFY(w.UpdateItem->Enabled());
    QVERIFY(w.DeleteSkirt->Enabled());

    click(w.PlaygroundOnOff);
    QCOMPARE(w.State.WorkMode, 1);
    QVERIFY(!w.UpdateItem->Enabled());
    QVERIFY(!w.DeleteProject->Enabled());
    QVERIFY(!w.DeleteSkirt->Enabled());
    QVERIFY(w.Wardrobe->Visible() && w.Wardrobe->Enabled());
    QVERIFY(bodyIsBare());
    clickEntry(w.Dressed, 0);
    for (const Spot& spot : kSkirtSpots)
        QCOMPARE(w.BodyPic->Point(kSkirtOffset.x() + spot.at.x(), kSkirtOffset.y() + spot.at.y()), spot.colour);
}

// Above the figure stands the figure's name, never the project's, after
// PlaygroundOnOff from any panel. The project Summer's figure is Mia.
void EditingTest::playgroundShowsTheFigureName_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("figure");
    QTest::newRow("from the dressing panel") << "dressing" << "Lina";
    QTest::newRow("from the import panel") << "import" << "Lina";
    QTest::newRow("from the project panel, another project chosen") << "choose Summer" << "Mia";
    QTest::newRow("after creating a project") << "create Beach with Ava" << "Ava";
}

void EditingTest::playgroundShowsTheFigureName()
{
    QFETCH(QString, way);
    QFETCH(QString, figure);
    folder_->write("Projects/Summer.Project",
                   crlfLines({"#BODYPIC#", "Default.bmp", "#WARDROBE#", "Summer.Data", "#BODYNAME#", "Mia"}));
    start(QByteArray());
    Form1& w = *window_;
    if (way == "import")
        click(w.AddBMPItem);
    if (way == "choose Summer") {
        click(w.NewProject);
        chooseProject("Summer.Project");
    }
    if (way == "create Beach with Ava") {
        click(w.NewProject);
        clickEntry(w.GetBodyPic, "Default.bmp");
        w.EnterProjectName->setFocus();
        QTest::keyClicks(w.EnterProjectName, "Beach");
        w.EnterLadyName->setFocus();
        QTest::keyClicks(w.EnterLadyName, "Ava");
        click(w.CreatProject);
        QCOMPARE(w.State.CurrentProject, QStringLiteral("Beach.Project"));
    }
    click(w.PlaygroundOnOff);
    QCOMPARE(w.NameOfBody->Caption(), figure);
    QCOMPARE(w.ShadowText->Caption(), figure);
    QVERIFY(w.NameOfBody->Visible() && w.ShadowText->Visible());
}

// ---- Deleting an item

void EditingTest::deleteSkirtAsksAndNoKeepsTheItem()
{
    start(skirt() + blouse() + hat());
    Form1& w = *window_;
    const Snapshot before = projects();
    clickEntry(w.Wardrobe, "Skirt");
    arrows("2");
    QVERIFY(w.UpdateItem->Enabled());
    QVERIFY(w.DeleteSkirt->Enabled());
    const Flags beforeAsking = enabledFlags(w);

    click(w.DeleteSkirt);
    QVERIFY(w.AskMe->Visible());
    QCOMPARE(w.QuestionIs->Caption(), QStringLiteral(R"(Delete "Skirt" for good?)"));
    QCOMPARE(folder_->beeps(), 1);
    QCOMPARE(w.State.WorkMode, 1);
    const Flags asking = enabledFlags(w);
    for (const QString& name : kDressingControls + QStringList{"UpdateItem"})
        QVERIFY2(!asking.value(name), qPrintable(name));
    QVERIFY(w.SayYes->Enabled() && w.SayNo->Enabled());

    click(w.SayNo);
    QVERIFY(!w.AskMe->Visible());
    QVERIFY(!w.UpdateItem->Enabled());
    QCOMPARE(changed(beforeAsking, enabledFlags(w)), QStringList{"UpdateItem"});
    QCOMPARE(projects(), before);
    QCOMPARE(entries(w.Wardrobe), QStringList({"Blouse", "Hat", "Skirt"}));
}

void EditingTest::deleteItem_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("row");  // of the entry clicked in Wardrobe
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("afterTable");
    QTest::addColumn<QStringList>("afterList");

    const QByteArray three = skirt() + blouse() + hat();  // Wardrobe: Blouse, Hat, Skirt
    QTest::newRow("first of three") << three << 2 << blouse() + hat() << table({{"Blouse", 1}, {"Hat", 10}})
                                    << QStringList{"Blouse", "Hat"};
    QTest::newRow("middle of three") << three << 0 << skirt() + hat() << table({{"Skirt", 1}, {"Hat", 11}})
                                     << QStringList{"Hat", "Skirt"};
    QTest::newRow("last of three") << three << 1 << skirt() + blouse() << table({{"Skirt", 1}, {"Blouse", 11}})
                                   << QStringList{"Blouse", "Skirt"};
    QTest::newRow("the only record") << skirt() << 0 << QByteArray("") << QByteArray("") << QStringList{};
    QTest::newRow("last record without its end line")
        << skirt() + hat() + blouse(false) << 0 << skirt() + hat() << table({{"Skirt", 1}, {"Hat", 11}})
        << QStringList{"Hat", "Skirt"};
    // A record without its end line ends at the next heading: one item goes.
    const QByteArray openSkirt = record("Skirt", " 20 ", " 40 ", kSkirtPixels, false);
    QTest::newRow("first record without its end line")
        << openSkirt + blouse() + hat() << 2 << blouse() + hat() << table({{"Blouse", 1}, {"Hat", 10}})
        << QStringList{"Blouse", "Hat"};
    QTest::newRow("middle record without its end line")
        << skirt() + blouse(false) + hat() << 0 << skirt() + hat() << table({{"Skirt", 1}, {"Hat", 11}})
        << QStringList{"Hat", "Skirt"};
    QTest::newRow("two records without their end lines, the first deleted")
        << openSkirt + blouse(false) + hat() << 2 << blouse(false) + hat() << table({{"Blouse", 1}, {"Hat", 9}})
        << QStringList{"Blouse", "Hat"};
    QTest::newRow("the record right after a deleted one is kept")
        << skirt() + skirt(" 5 ", " 6 ") + hat() << 1 << skirt(" 5 ", " 6 ") + hat()
        << table({{"Skirt", 1}, {"Hat", 11}}) << QStringList{"Hat", "Skirt"};
}

void EditingTest::deleteItem()
{
    QFETCH(QByteArray, before);
    QFETCH(int, row);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, afterTable);
    QFETCH(QStringList, afterList);
    start(before);
    Form1& w = *window_;
    clickEntry(w.Wardrobe, row);
    click(w.DeleteSkirt);
    QVERIFY(w.AskMe->Visible());
    click(w.SayYes);

    QCOMPARE(data(), after);
    QCOMPARE(itemTable(), afterTable);
    QCOMPARE(entries(w.Wardrobe), afterList);
    QVERIFY(!w.AskMe->Visible());
    for (const QString& name : kDressingControls + QStringList{"UpdateItem"})
        QVERIFY2(isOn(w, name), qPrintable(name));
    QVERIFY(!w.DeleteSkirt->Enabled());
    QVERIFY(bodyIsBare());
    QVERIFY(!folder_->exists("Projects/DummyData.txt"));
    QCOMPARE(sorted(projects().keys()),
             sorted({"Default.Data", "Default.Outfit", "Default.Project", "Default.Table", "Default.bmp"}));
}

void EditingTest::failedDeleteKeepsTheFile()
{
    const QByteArray before = skirt() + blouse() + hat();
    start(before);
    Form1& w = *window_;
    QVERIFY(QDir(folder_->path("Projects")).mkdir("DummyData.txt"));
    const QByteArray tableBefore = itemTable();
    clickEntry(w.Wardrobe, "Skirt");
    click(w.DeleteSkirt);
    click(w.SayYes);
    QCOMPARE(data(), before);
    QCOMPARE(itemTable(), tableBefore);
    QCOMPARE(entries(w.Wardrobe), QStringList({"Blouse", "Hat", "Skirt"}));
    QCOMPARE(w.Warnings->Caption(), w.State.Texts[Form1::MsgItemNotChanged]);
    QVERIFY(!w.AskMe->Visible());
}

// ---- Deleting a project

void EditingTest::deleteProject()
{
    start(QByteArray(), true);
    Form1& w = *window_;
    const Snapshot before = projects();
    click(w.NewProject);
    QCOMPARE(w.State.WorkMode, 2);
    chooseProject("Anna.Project");
    QCOMPARE(entries(w.Wardrobe), QStringList({"Veil"}));
    QCOMPARE(entries(w.OutfitList), QStringList({"Wedding"}));
    QVERIFY(folder_->read("Tavolin.ini").contains("#CURRENT_PROJECT#\r\nAnna.Project\r\n"));
    QVERIFY(w.DeleteProject->Enabled());
    folder_->resetBeeps();

    click(w.DeleteProject);
    QVERIFY(w.AskMe->Visible());
    QCOMPARE(w.QuestionIs->Caption(), QStringLiteral(R"(Delete "Anna" and its wardrobe?)"));
    for (const QString& name : kProjectControls)
        QVERIFY2(!isOn(w, name), qPrintable(name));
    QCOMPARE(folder_->beeps(), 1);

    click(w.SayYes);
    Snapshot expected = before;
    for (const QString& file : kAnnaFiles)
        expected.remove(file);
    QCOMPARE(projects(), expected);  // Default.bmp stays, nothing set aside is left
    QVERIFY(folder_->read("Tavolin.ini").contains("#CURRENT_PROJECT#\r\nDefault.Project\r\n"));
    QCOMPARE(w.State.CurrentProject, QStringLiteral("Default.Project"));
    QCOMPARE(w.NameOfBody->Caption(), QStringLiteral("Lina"));
    QCOMPARE(sorted(entries(w.Wardrobe)), kDefaultItems);
    QCOMPARE(entries(w.OutfitList), QStringList());
    QCOMPARE(w.ProjectInfos->Caption(), QString());
    QVERIFY(!entries(w.ProjectFileList).contains("Anna.Project"));
    QVERIFY(!w.DeleteProject->Enabled());
    QCOMPARE(w.State.WorkMode, 2);
    QVERIFY(!w.AskMe->Visible());
    for (const QString& name : kProjectControls)
        QVERIFY2(isOn(w, name), qPrintable(name));
    QCOMPARE(w.BodyPic->surface(), bare_);  // the default body picture
}

void EditingTest::defaultProjectIsRefused()
{
    start(QByteArray(), true);
    Form1& w = *window_;
    click(w.NewProject);
    chooseProject("Default.Project");
    const Snapshot before = projects();
    folder_->resetBeeps();
    click(w.DeleteProject);
    click(w.SayYes);
    QCOMPARE(projects(), before);
    QCOMPARE(w.State.CurrentProject, QStringLiteral("Default.Project"));
    QVERIFY(!w.State.Texts[19].isEmpty());
    QCOMPARE(w.Warnings->Caption(), w.State.Texts[19]);
    QCOMPARE(folder_->beeps(), 2);  // the question and the refusal
    QVERIFY(!w.DeleteProject->Enabled());
    QVERIFY(!w.CreatProject->Enabled());
    for (const char* name : {"ProjectFileList", "GetBodyPic", "EnterProjectName", "EnterLadyName"})
        QVERIFY2(isOn(w, name), name);
    QVERIFY(!w.AskMe->Visible());
}

void EditingTest::noKeepsTheProject()
{
    start(QByteArray(), true);
    Form1& w = *window_;
    click(w.NewProject);
    chooseProject("Anna.Project");
    const Snapshot before = projects();
    const QByteArray settings = folder_->read("Tavolin.ini");
    const Flags beforeAsking = enabledFlags(w);
    click(w.DeleteProject);
    const Flags asking = enabledFlags(w);
    for (const QString& name : kProjectControls)
        QVERIFY2(!asking.value(name), qPrintable(name));
    click(w.SayNo);
    QVERIFY(!w.AskMe->Visible());
    QCOMPARE(changed(beforeAsking, enabledFlags(w)), QStringList{"CreatProject"});  // no turns it on
    QCOMPARE(projects(), before);
    QCOMPARE(folder_->read("Tavolin.ini"), settings);
    QCOMPARE(w.State.CurrentProject, QStringLiteral("Anna.Project"));
}

// One of Anna's files cannot be set aside: a folder already stands where
// it would go. The files set aside before it must come back unchanged.
void EditingTest::failedProjectDeletionKeepsAllFour_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::newRow("the project file, first") << "Anna.Project";
    QTest::newRow("the outfit file, third") << "Anna.Outfit";
    QTest::newRow("the item table, last") << "Anna.Table";
}

void EditingTest::failedProjectDeletionKeepsAllFour()
{
    QFETCH(QString, blocked);
    start(QByteArray(), true);
    Form1& w = *window_;
    folder_->write("Projects/" + blocked + ".deleted/keep.txt", "keep");
    click(w.NewProject);
    chooseProject("Anna.Project");
    const Snapshot before = projects();
    const QByteArray settings = folder_->read("Tavolin.ini");
    click(w.DeleteProject);
    click(w.SayYes);
    QCOMPARE(projects(), before);
    QCOMPARE(folder_->read("Tavolin.ini"), settings);
    QVERIFY(!w.State.Texts[Form1::MsgProjectNotDeleted].isEmpty());
    QCOMPARE(w.Warnings->Caption(), w.State.Texts[Form1::MsgProjectNotDeleted]);
    QCOMPARE(w.State.CurrentProject, QStringLiteral("Anna.Project"));
    QCOMPARE(entries(w.Wardrobe), QStringList({"Veil"}));
    QVERIFY(!w.AskMe->Visible());
}

void EditingTest::modeButtonsDropTheQuestion_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("button");
    for (const char* button : {"NewProject", "AddBMPItem", "PlaygroundOnOff"}) {
        QTest::addRow("item question, %s", button) << "item" << button;
        QTest::addRow("project question, %s", button) << "project" << button;
    }
}

void EditingTest::modeButtonsDropTheQuestion()
{
    QFETCH(QString, question);
    QFETCH(QString, button);
    const QByteArray items = skirt() + blouse() + hat();
    start(items, true);
    Form1& w = *window_;
    auto poseItemQuestion = [&](const QString& item) {
        click(w.PlaygroundOnOff);
        clickEntry(w.Wardrobe, item);
        click(w.DeleteSkirt);
    };
    auto poseProjectQuestion = [&] {
        click(w.NewProject);
        chooseProject("Anna.Project");
        click(w.DeleteProject);
    };
    if (question == "item")
        poseItemQuestion("Skirt");
    else
        poseProjectQuestion();
    QVERIFY(w.AskMe->Visible());
    const Snapshot before = projects();
    click(w.control(button));
    QVERIFY(!w.AskMe->Visible());
    QCOMPARE(projects(), before);

    // The dropped question leaves no trace: a yes to the other one deletes
    // only what that one asks about.
    Snapshot expected = before;
    if (question == "item") {
        poseProjectQuestion();
        click(w.SayYes);
        for (const QString& file : kAnnaFiles)
            expected.remove(file);
    } else {
        poseItemQuestion("Veil");  // Anna is the current project now
        click(w.SayYes);
        expected["Anna.Data"] = "";
        expected["Anna.Table"] = "";
    }
    QCOMPARE(projects(), expected);
    QCOMPARE(data(), items);
}

// ---- The question holds the window

// While the question is open only its answers and the three mode buttons
// are on; each answer gives every control its own flag back, then makes
// its own changes: no on the item question turns UpdateItem off, no on the
// project question turns CreatProject on, yes deletes and turns on what
// the deletion leaves usable.
void EditingTest::questionHoldsTheControls_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("changedByAnswer");

    const QStringList projectYes = {"CreatProject", "DeleteProject", "DressItem", "Dressed",   "OutfitList",
                                    "RemoveAllItems", "RemoveItem",  "SaveOutfit", "SayNo",      "SayYes",
                                    "UpdateItem",     "Wardrobe"};
    for (const char* no : {"SayNo", "Escape"}) {
        QTest::addRow("item question, %s", no) << "item" << no << QStringList{"UpdateItem"};
        QTest::addRow("project question, %s", no) << "project" << no << QStringList{"CreatProject"};
    }
    // Yes turns the answers off until the next question.
    QTest::newRow("item question, SayYes") << "item" << "SayYes" << QStringList{"DeleteSkirt", "SayNo", "SayYes"};
    QTest::newRow("project question, SayYes") << "project" << "SayYes" << projectYes;
}

void EditingTest::questionHoldsTheControls()
{
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QStringList, changedByAnswer);
    start(skirt() + blouse() + hat(), true);
    activate();
    Form1& w = *window_;
    prepareQuestion(question);
    const Flags before = enabledFlags(w);
    QVERIFY(before.value(question == "item" ? "Wardrobe" : "GetBodyPic"));

    askQuestion(question);
    QCOMPARE(inputsOn(w), sorted({"AddBMPItem", "AskMe", "NewProject", "PlaygroundOnOff", "SayNo", "SayYes"}));

    if (answer == "Escape")
        QTest::keyClick(&w, Qt::Key_Escape);
    else
        click(w.control(answer));
    QVERIFY(!w.AskMe->Visible());
    QCOMPARE(changed(before, enabledFlags(w)).join(","), sorted(changedByAnswer).join(","));
}

// A mode button that drops the question leaves every control as the same
// button leaves it when no question was asked.
void EditingTest::droppedQuestionLeavesTheSwitchAlone_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("button");
    for (const char* button : {"NewProject", "AddBMPItem", "PlaygroundOnOff"}) {
        QTest::addRow("item question, %s", button) << "item" << button;
        QTest::addRow("project question, %s", button) << "project" << button;
    }
}

void EditingTest::droppedQuestionLeavesTheSwitchAlone()
{
    QFETCH(QString, question);
    QFETCH(QString, button);
    Flags switched[2];
    for (const bool asked : {false, true}) {
        cleanup();
        init();
        start(skirt() + blouse() + hat(), true);
        prepareQuestion(question);
        if (asked)
            askQuestion(question);
        click(window_->control(button));
        QVERIFY(!window_->AskMe->Visible());
        switched[asked] = enabledFlags(*window_);
    }
    QCOMPARE(changed(switched[false], switched[true]).join(","), QString());
}

// The question is open over a dressed figure with an outfit chosen, a name
// typed for a new outfit and an item nudged (item question), or over the
// project panel with names typed for a new project (project question).
// Nothing behind it, clicked or keyed, changes a file, a list, a choice,
// the figure or the nudge, and nothing beeps.
void EditingTest::nothingActsBehindTheQuestion_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("action");
    for (const char* action :
         {"DeleteOutfit", "SaveOutfit", "MoveLayerUp", "MoveLayerDown", "MoveUpList", "MoveDownList", "Picture1",
          "Picture2", "Picture3", "Picture4", "UpdateItem", "RemoveItem", "RemoveAllItems", "DressItem", "Wardrobe",
          "Dressed", "OutfitList", "ProjectFileList", "Enter in NameOfOutfit", "Delete on Dressed", "arrow keys",
          "drag", "Ctrl+Z", "German", "ShowHelp", "Ctrl+S", "figure menu"})
        QTest::addRow("item question, %s", action) << "item" << action;
    for (const char* action : {"ProjectFileList", "GetBodyPic", "CreatProject", "Enter in EnterProjectName",
                               "English", "German", "ShowHelp", "Ctrl+Z", "Ctrl+S"})
        QTest::addRow("project question, %s", action) << "project" << action;
}

void EditingTest::nothingActsBehindTheQuestion()
{
    QFETCH(QString, question);
    QFETCH(QString, action);
    folder_->write("Projects/Default.Outfit", crlfLines({"OUTFIT: Rain", "Skirt", "Blouse", "Hat", "OUTFIT: Sun",
                                                        "Hat"}));
    start(skirt() + blouse() + hat(), true);
    activate();
    Form1& w = *window_;
    bool saveAsked = false;
    Platform::setSaveFileHook([&](const QString&) {
        saveAsked = true;
        return folder_->path("Figure.png");
    });
    if (question == "item") {
        clickEntry(w.OutfitList, "Rain");
        clickEntry(w.Dressed, "Blouse");
        w.NameOfOutfit->setFocus();
        QTest::keyClicks(w.NameOfOutfit, "Picnic");
        clickEntry(w.Wardrobe, "Hat");
        arrows("2");
        w.Dressed->setFocus();
    } else {
        click(w.NewProject);
        chooseProject("Anna.Project");
        w.EnterLadyName->setFocus();
        QTest::keyClicks(w.EnterLadyName, "Mia");
        w.EnterProjectName->setFocus();
        QTest::keyClicks(w.EnterProjectName, "Beach");
    }
    askQuestion(question);
    folder_->resetBeeps();
    const Scene before = sceneOf(w, folder_->path());

    if (auto* list = qobject_cast<ListBox*>(w.control(action)))
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    else if (w.control(action))
        click(w.control(action));
    if (action.startsWith("Enter in "))
        QTest::keyClick(w.control(action.mid(9)), Qt::Key_Return);
    if (action == "Delete on Dressed")
        QTest::keyClick(w.Dressed, Qt::Key_Delete);
    if (action == "arrow keys")
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
            QTest::keyClick(&w, key);
    if (action == "drag")
        drag(w.BodyPic);
    if (action == "Ctrl+Z")
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    if (action == "Ctrl+S")
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    if (action == "figure menu") {
        // A menu that opens is closed again at once, and counted.
        bool menuShown = false;
        QObject whileHere;
        QTimer::singleShot(0, &whileHere, [&menuShown] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                menuShown = true;
                menu->close();
            }
        });
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(40, 40), w.BodyPic->mapToGlobal(QPoint(40, 40)));
        QApplication::sendEvent(w.BodyPic, &menu);
        QVERIFY(!menuShown);
    }
    Platform::setSaveFileHook({});

    QVERIFY(sceneOf(w, folder_->path()) == before);
    QVERIFY(!saveAsked);
    QCOMPARE(folder_->beeps(), 0);
    QVERIFY(w.AskMe->Visible());
}

// The question names the item or the project in place of "#NAME#"; a
// language file whose question has no placeholder is shown as it is.
void EditingTest::questionNamesWhatItDeletes_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QByteArray>("oldLine");  // for line 79 or 80 of the English file, when given
    QTest::addColumn<QString>("asked");

    QTest::newRow("item, English") << "item" << "English" << QByteArray() << R"(Delete "Skirt" for good?)";
    QTest::newRow("item, German") << "item" << "German" << QByteArray()
                                  << QString::fromUtf8(R"("Skirt" endgültig löschen?)");
    QTest::newRow("project, English") << "project" << "English" << QByteArray()
                                      << R"(Delete "Anna" and its wardrobe?)";
    QTest::newRow("project, German") << "project" << "German" << QByteArray()
                                     << QString::fromUtf8(R"(Projekt "Anna" samt Kleiderschrank löschen?)");
    QTest::newRow("item, older file without the placeholder")
        << "item" << "English" << QByteArray("80 Delete the selected item for good?")
        << "Delete the selected item for good?";
    QTest::newRow("project, older file without the placeholder")
        << "project" << "English" << QByteArray("79 Really delete this project and its wardrobe?")
        << "Really delete this project and its wardrobe?";
}

void EditingTest::questionNamesWhatItDeletes()
{
    QFETCH(QString, question);
    QFETCH(QString, flag);
    QFETCH(QByteArray, oldLine);
    QFETCH(QString, asked);
    if (!oldLine.isEmpty())
        folder_->write("Tavolin_ENG.txt", withLine(folder_->read("Tavolin_ENG.txt"), oldLine.left(2).toInt(), oldLine));
    start(skirt() + blouse() + hat(), true);
    click(window_->control(flag));
    prepareQuestion(question);
    askQuestion(question);
    QCOMPARE(window_->QuestionIs->Caption(), asked);
}

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"
