// The window's lists as a reader meets them: a chosen entry stays chosen
// whatever the user clicks, and the wardrobe is in a dictionary's order.
#include "TestSupport.h"
#include "formats/wardrobe/ItemFormat.h"
#include "window/controls/ListBoxes.h"

#include <QtTest>

namespace {

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

QStringList entries(const ListBox* list)
{
    QStringList all;
    for (int i = 0; i < list->ListCount(); ++i)
        all.append(list->List(i));
    return all;
}

// An item record of one red pixel under each name.
QByteArray storeOf(const QStringList& names)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(qRgb(255, 0, 0));
    QByteArray bytes;
    for (const QString& name : names)
        bytes += ItemFormat::record(name, 10, 50, 1, pixel, 16777215);
    return bytes;
}

// Brings the window to where the list shows with at least two entries and
// returns it.
using Opener = ListBox* (*)(Form1&, const DataFolderFixture&);

ListBox* wardrobe(Form1& w, const DataFolderFixture&) { return w.Wardrobe; }
ListBox* dressed(Form1& w, const DataFolderFixture&)
{
    for (int i = 0; i < 2; ++i) {
        clickEntry(w.Wardrobe, w.Wardrobe->List(i));
        click(w.DressItem);
    }
    return w.Dressed;
}
ListBox* outfits(Form1& w, const DataFolderFixture&) { return w.OutfitList; }
ListBox* projects(Form1& w, const DataFolderFixture&)
{
    click(w.NewProject);
    return w.ProjectFileList;
}
ListBox* bodyPictures(Form1& w, const DataFolderFixture&)
{
    click(w.NewProject);
    return w.GetBodyPic;
}
ListBox* pictures(Form1& w, const DataFolderFixture& folder)
{
    click(w.AddBMPItem);
    w.Harddrive->setPath(folder.path("Samples"));
    return w.SkirtFiles;
}

}  // namespace

class ListsTest : public QObject {
    Q_OBJECT
private slots:
    void theChosenEntryStaysChosen_data();
    void theChosenEntryStaysChosen();
    void sortedListsFollowTheDictionary_data();
    void sortedListsFollowTheDictionary();
    void theWardrobeListsUmlautsBesideTheirLetters();
};

void ListsTest::theChosenEntryStaysChosen_data()
{
    QTest::addColumn<Opener>("open");
    QTest::newRow("Wardrobe") << Opener(wardrobe);
    QTest::newRow("Dressed") << Opener(dressed);
    QTest::newRow("OutfitList") << Opener(outfits);
    QTest::newRow("ProjectFileList") << Opener(projects);
    QTest::newRow("GetBodyPic") << Opener(bodyPictures);
    QTest::newRow("SkirtFiles") << Opener(pictures);
}

// A Ctrl+click or Ctrl+Space on the chosen entry would leave the list
// without a choice while the handlers go on acting on it.
void ListsTest::theChosenEntryStaysChosen()
{
    QFETCH(Opener, open);
    DataFolderFixture folder;
    folder.write("Projects/Default.Outfit", crlfLines({"OUTFIT: Holiday", "Sun hat", "OUTFIT: Office", "Striped top"}));
    folder.writeBitmap("Projects/Second.bmp", QSize(200, 450), qRgb(255, 255, 255));
    folder.write("Projects/Second.Project", crlfLines({"#BODYPIC#", "Second.bmp", "#WARDROBE#", "Second.Data",
                                                       "#BODYNAME#", "Mia", "#VERSION#", "0.98 (Beta)"}));
    auto w = folder.start();
    click(w->LetsGo);
    ListBox* list = open(*w, folder);
    QVERIFY(list->ListCount() >= 2);
    const QString last = list->List(list->ListCount() - 1);
    clickEntry(list, last);
    const int chosen = list->ListIndex();
    QCOMPARE(list->List(chosen), last);

    const QRect entry = list->visualItemRect(list->item(chosen));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, entry.center());
    QCOMPARE(list->ListIndex(), chosen);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(list->ListIndex(), chosen);
    QCOMPARE(list->selectedItems().size(), 1);

    // Another entry can still be chosen, with or without Ctrl.
    clickEntry(list, list->List(0));
    QCOMPARE(list->ListIndex(), 0);
    list->scrollToItem(list->item(chosen));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(chosen)).center());
    QCOMPARE(list->ListIndex(), chosen);
}

void ListsTest::sortedListsFollowTheDictionary_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("umlauts beside their base letters")
        << QStringList{"Zebra top", "Überrock", "Ärmel", "Bluse", "Apron", "Unterhemd"}
        << QStringList{"Apron", "Ärmel", "Bluse", "Überrock", "Unterhemd", "Zebra top"};
    QTest::newRow("accents beside their base letters")
        << QStringList{"Espadrilles", "Zip", "écharpe", "Eton", "Çape", "Cardigan"}
        << QStringList{"Çape", "Cardigan", "écharpe", "Espadrilles", "Eton", "Zip"};
    QTest::newRow("letter case does not count")
        << QStringList{"belt", "Apron", "Boa", "anorak"} << QStringList{"anorak", "Apron", "belt", "Boa"};
    QTest::newRow("equal names keep the order they came in")
        << QStringList{"hat", "Coat", "HAT", "Hat"} << QStringList{"Coat", "hat", "HAT", "Hat"};
}

void ListsTest::sortedListsFollowTheDictionary()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, listed);
    ListBox list;
    list.setSorted(true);
    for (const QString& name : std::as_const(added))
        list.AddItem(name);
    QCOMPARE(entries(&list), listed);
}

// Through the real window: the names come from the item data file in the
// program's code page and are listed in the reader's order.
void ListsTest::theWardrobeListsUmlautsBesideTheirLetters()
{
    DataFolderFixture folder;
    folder.write("Projects/Default.Data", storeOf({"Zylinder", "Überrock", "Ärmel", "Bluse", "Umhang", "Öljacke"}));
    auto w = folder.start();
    click(w->LetsGo);
    QCOMPARE(entries(w->Wardrobe), (QStringList{"Ärmel", "Bluse", "Öljacke", "Überrock", "Umhang", "Zylinder"}));
    clickEntry(w->Wardrobe, "Überrock");
    QCOMPARE(w->State.CurrentItemName, QStringLiteral("Überrock"));
}

QTEST_MAIN(ListsTest)
#include "tst_lists.moc"
