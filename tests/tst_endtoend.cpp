// The whole road of a new user, through the real widgets: start, import a
// sample picture, dress the figure, keep an outfit, switch the language,
// make a project and delete it again.
#include "TestSupport.h"
#include "formats/picture/Colour.h"
#include "formats/wardrobe/ItemFormat.h"

#include <QtTest>

namespace {

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void theWholeRoad();

private:
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickEntry(QListWidget* list, const QString& text);
    void doubleClickEntry(QListWidget* list, int row);
};

void EndToEndTest::clickEntry(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

void EndToEndTest::doubleClickEntry(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void EndToEndTest::theWholeRoad()
{
    DataFolderFixture folder;
    auto owned = folder.start();
    Form1& w = *owned;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // Welcome, then dressing.
    QVERIFY(w.WelcomeText->Visible());
    click(w.LetsGo);
    QVERIFY(w.Wardrobe->Visible());
    QCOMPARE(w.Wardrobe->ListCount(), 7);

    // Import the sunglasses from the samples folder, keyed purple.
    click(w.AddBMPItem);
    QCOMPARE(w.State.WorkMode, 3);
    int samples = -1;
    for (int i = 0; i < w.Harddrive->ListCount(); ++i)
        if (w.Harddrive->List(i).endsWith(QLatin1String("/Samples")))
            samples = i;
    QVERIFY(samples >= 0);
    doubleClickEntry(w.Harddrive, samples);
    QCOMPARE(w.SkirtFiles->ListCount(), 6);
    clickEntry(w.SkirtFiles, "Sunglasses_on_purple.bmp");
    QCOMPARE(w.Clothes->Picture().size(), QSize(56, 17));
    click(w.PinkButton);
    QCOMPARE(w.State.TransColor, Colour::Purple);
    click(w.Option3);
    for (int i = 0; i < 2; ++i)
        click(w.SkirtRight);  // 10 -> 30
    click(w.Option1);
    for (int i = 0; i < 5; ++i)
        click(w.SkirtRight);  // -> 35
    click(w.SkirtDown);       // 50 -> 51
    QCOMPARE(QPoint(w.State.OffsetX, w.State.OffsetY), QPoint(35, 51));
    w.NameSkirt->setFocus();
    QTest::keyClicks(w.NameSkirt, "Sunglasses");
    const QByteArray dataBefore = folder.read("Projects/Default.Data");
    click(w.AddToWardrobe);
    QCOMPARE(w.State.WorkMode, 1);
    const QByteArray data = folder.read("Projects/Default.Data");
    QVERIFY(data.startsWith(dataBefore));
    const QByteArray record = data.mid(dataBefore.size());
    QVERIFY(record.startsWith("ITEM: Sunglasses\r\n" + QByteArray(ItemFormat::kSeparator) + "\r\n 35 \r\n 51 \r\n 1 \r\n"));
    QVERIFY(record.endsWith(QByteArray(ItemFormat::kEndLine) + "\r\n"));
    QVERIFY(!record.contains(" 16711935 "));  // no key-coloured pixel is stored
    QVERIFY(folder.read("Projects/Default.Table").contains("ITEM: Sunglasses\r\n"));

    // Show it alone: its first stored pixel lands at offset plus position.
    clickEntry(w.Wardrobe, "Sunglasses");
    const QList<QByteArray> firstPixel = record.split('\n').at(6).simplified().split(' ');
    const int colour = firstPixel.at(0).toInt(), px = firstPixel.at(1).toInt(), py = firstPixel.at(2).toInt();
    QCOMPARE(w.BodyPic->Point(35 + px, 51 + py), colour);

    // Dress it with the hat, then the glasses over the hat's brim.
    click(w.DressItem);
    clickEntry(w.Wardrobe, "Sun hat");
    click(w.DressItem);
    QCOMPARE(w.Dressed->ListCount(), 2);
    clickEntry(w.Dressed, "Sunglasses");
    QCOMPARE(w.BodyPic->Point(35 + px, 51 + py), colour);  // the hat does not reach the glasses
    const QImage dressed = w.BodyPic->surface();

    // Reorder: the hat to the bottom layer.
    clickEntry(w.Dressed, "Sun hat");
    click(w.MoveUpList);
    QCOMPARE(w.Dressed->List(0), QStringLiteral("Sun hat"));
    QCOMPARE(w.Dressed->List(1), QStringLiteral("Sunglasses"));

    // Keep the look as an outfit and recall it after taking everything off.
    w.NameOfOutfit->setFocus();
    QTest::keyClicks(w.NameOfOutfit, "Holiday");
    click(w.SaveOutfit);
    QCOMPARE(folder.read("Projects/Default.Outfit"), QByteArray("OUTFIT: Holiday\r\nSun hat\r\nSunglasses\r\n"));
    click(w.RemoveAllItems);
    QCOMPARE(w.Dressed->ListCount(), 0);
    QCOMPARE(w.BodyPic->Point(35 + px, 51 + py), bodyPixel(35 + px, 51 + py));
    clickEntry(w.OutfitList, "Holiday");
    QCOMPARE(w.Dressed->ListCount(), 2);
    QCOMPARE(w.BodyPic->Point(35 + px, 51 + py), colour);
    QCOMPARE(w.BodyPic->surface(), dressed);  // the two do not overlap, so the order does not show

    // German.
    click(w.German);
    QVERIFY(folder.read("Tavolin.ini").contains("#LANGUAGE#\r\nTavolin_GER.txt\r\n"));
    QCOMPARE(w.ShowHelpLabel->Caption(), QStringLiteral("Hilfe"));

    // A new project from the default body picture.
    click(w.NewProject);
    QCOMPARE(w.State.WorkMode, 2);
    clickEntry(w.GetBodyPic, "Default.bmp");
    w.EnterProjectName->setFocus();
    QTest::keyClicks(w.EnterProjectName, "Beach");
    w.EnterLadyName->setFocus();
    QTest::keyClicks(w.EnterLadyName, "Mia");
    QCOMPARE(w.LabelTMP->Caption(), QStringLiteral("Mia"));
    click(w.CreatProject);
    QCOMPARE(folder.read("Projects/Beach.Project"),
             crlfLines({"#BODYPIC#", "Default.bmp", "#WARDROBE#", "Beach.Data", "#BODYNAME#", "Mia", "#VERSION#",
                        "0.98 (Beta)"}));
    for (const char* empty : {"Projects/Beach.Data", "Projects/Beach.Table", "Projects/Beach.Outfit"}) {
        QVERIFY(folder.exists(empty));
        QCOMPARE(folder.read(empty), QByteArray());
    }
    QVERIFY(folder.read("Tavolin.ini").contains("#CURRENT_PROJECT#\r\nBeach.Project\r\n"));
    QCOMPARE(w.NameOfBody->Caption(), QStringLiteral("Mia"));
    QCOMPARE(w.Wardrobe->ListCount(), 0);

    // And delete it again.
    click(w.NewProject);
    clickEntry(w.ProjectFileList, "Beach.Project");
    QVERIFY(w.DeleteProject->Enabled());
    click(w.DeleteProject);
    QVERIFY(w.AskMe->Visible());
    QCOMPARE(w.QuestionIs->Caption(), QString::fromUtf8(R"(Projekt "Beach" samt Kleiderschrank löschen?)"));
    click(w.SayYes);
    for (const char* gone : {"Projects/Beach.Project", "Projects/Beach.Data", "Projects/Beach.Table",
                             "Projects/Beach.Outfit"})
        QVERIFY2(!folder.exists(gone), gone);
    QVERIFY(folder.exists("Projects/Default.bmp"));
    QVERIFY(folder.read("Tavolin.ini").contains("#CURRENT_PROJECT#\r\nDefault.Project\r\n"));
    QCOMPARE(w.NameOfBody->Caption(), QStringLiteral("Lina"));
    QCOMPARE(w.Wardrobe->ListCount(), 8);
    QCOMPARE(w.OutfitList->ListCount(), 1);
}

QTEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
