// Bringing a new item in: the import panel, the key colour and the pixels
// of it that lie inside the item, placing the picture over the body, its
// name, and storing it in the wardrobe.
#include "TestSupport.h"
#include "formats/picture/Colour.h"
#include "formats/wardrobe/ItemFormat.h"
#include "formats/wardrobe/KeyColourSafety.h"

#include <QtTest>

namespace {

// A picture with colours whose red and blue differ; pixel (1, 1) is the
// background colour.
QImage picture(int width, int height, QRgb background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    for (int x = 2; x < width; ++x)
        image.setPixel(x, height / 2, qRgb(200, 10 * (x % 20), 30));
    return image;
}

QImage keyedPicture(QRgb key);

// ---- Pictures drawn in letters, one a pixel: W white, P purple, R red,
// B blue, G green, ~ see-through in the file (white once loaded). A lower
// case letter is a pixel of the key colour that lies inside the item: the
// one the check must find.
struct Drawing {
    QImage picture;     // as the program holds it once loaded
    QImage seeThrough;  // 1 where the file is see-through; null without any
    QImage file;        // as saved: see-through pixels have alpha 0
    QList<QPoint> enclosed;  // row by row
};

QRgb letterColour(QChar letter)
{
    switch (letter.toUpper().unicode()) {
    case 'W': return Colour::toQRgb(Colour::White);
    case 'P': return Colour::toQRgb(Colour::Purple);
    case 'R': return Colour::toQRgb(Colour::rgb(255, 0, 0));
    case 'B': return Colour::toQRgb(Colour::rgb(0, 0, 255));
    case 'G': return Colour::toQRgb(Colour::rgb(0, 128, 64));
    }
    return Colour::toQRgb(Colour::White);  // '~'
}

Drawing drawing(const QStringList& rows)
{
    const int width = rows.first().size(), height = rows.size();
    Drawing drawn{QImage(width, height, QImage::Format_RGB32), QImage(width, height, QImage::Format_Mono),
                  QImage(width, height, QImage::Format_ARGB32), {}};
    drawn.seeThrough.setColor(0, qRgb(255, 255, 255));
    drawn.seeThrough.setColor(1, qRgb(0, 0, 0));
    drawn.seeThrough.fill(0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QChar letter = rows.at(y).at(x);
            drawn.picture.setPixel(x, y, letterColour(letter));
            const bool clear = letter == QLatin1Char('~');
            drawn.seeThrough.setPixel(x, y, clear ? 1 : 0);
            // Blue under the see-through pixels: only the alpha may count.
            drawn.file.setPixel(x, y, clear ? qRgba(0, 0, 255, 0) : letterColour(letter));
            if (letter.isLower())
                drawn.enclosed.append(QPoint(x, y));
        }
    }
    if (!rows.join(QString()).contains(QLatin1Char('~')))
        drawn.seeThrough = QImage();
    return drawn;
}

// The same drawing with nothing expected inside: for a key colour that
// the lower-case pixels do not have.
QStringList nothingInside(QStringList rows)
{
    for (QString& row : rows)
        row = row.toUpper();
    return rows;
}

// A green collar round a white middle, on white.
const QStringList kEnclosedWhite = {
    "WWWWWWWWWW",
    "WWWWWWWWWW",
    "WWGGGGGGWW",
    "WWGwwwwGWW",
    "WWGwwwwGWW",
    "WWGwwwwGWW",
    "WWGwwwwGWW",
    "WWGGGGGGWW",
    "WWWWWWWWWW",
    "WWWWWWWWWW",
};
// The collar open to the right: its middle is background.
const QStringList kWhiteOpenToTheEdge = {
    "WWWWWWWWWW",
    "WWWWWWWWWW",
    "WWGGGGGGWW",
    "WWGWWWWGWW",
    "WWGWWWWWWW",
    "WWGWWWWGWW",
    "WWGWWWWGWW",
    "WWGGGGGGWW",
    "WWWWWWWWWW",
    "WWWWWWWWWW",
};
// White inside a see-through frame: the frame leads to the white margin,
// not into the collar.
const QStringList kSeeThroughFrameLeadsIn = {
    "~~~~~~~~",
    "~WWWWWW~",
    "~WGGGGW~",
    "~WGwwGW~",
    "~WGwwGW~",
    "~WGGGGW~",
    "~WWWWWW~",
    "~~~~~~~~",
};
// A collar round a see-through hole and some white: the white is lost,
// the hole was meant to be see-through.
const QStringList kSeeThroughHoleUncounted = {
    "WWWWWWWW",
    "WGGGGGGW",
    "WG~~wwGW",
    "WG~~wwGW",
    "WGGGGGGW",
    "WWWWWWWW",
};
// Purple inside a blue ring, on purple.
const QStringList kEnclosedPurple = {
    "PPPPPP",
    "PBBBBP",
    "PBppBP",
    "PBBBBP",
    "PPPPPP",
};
// Nothing but the key colour: all of it background.
const QStringList kAllWhite = {"WWWW", "WWWW", "WWWW"};

// Text 70 as the window's language file gives it, for count pixels.
QString enclosedMessage(const Form1& w, qint64 count)
{
    return QString(w.State.Texts[Form1::MsgEnclosedKeyPixels]).replace("#COUNT#", QString::number(count));
}

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { window_.reset(); folder_.reset(); }

    void openingThePanel();
    void choosingAFolderListsItsBitmapsAndResetsTheKey();
    void choosingAPicture_data();
    void choosingAPicture();
    void previewAndsThePictureWithTheBody();
    void nudgesKeepTheirOwnLimit_data();
    void nudgesKeepTheirOwnLimit();
    void keyColourButtonsStoreTheirChoice_data();
    void keyColourButtonsStoreTheirChoice();
    void nameRules_data();
    void nameRules();
    void refusedNames_data();
    void refusedNames();
    void namesNearAnOutfitHeadingAreWorn_data();
    void namesNearAnOutfitHeadingAreWorn();
    void storingAnItem();
    void storedRecordStartsALineOfItsOwn_data();
    void storedRecordStartsALineOfItsOwn();
    void recordForEachKeyColour_data();
    void recordForEachKeyColour();
    void seeThroughPixelsOfAPicture_data();
    void seeThroughPixelsOfAPicture();
    void seeThroughColourOfAGif();
    void previewOnKnownPixels();
    void autoKeyIsTakenAtStoringTime();
    void failedStoreKeepsEverything();
    void unloadablePicturesAreRefused_data();
    void unloadablePicturesAreRefused();
    void findingEnclosedKeyPixels_data();
    void findingEnclosedKeyPixels();
    void enclosedKeyPixelsAreMarked_data();
    void enclosedKeyPixelsAreMarked();
    void enclosedMarkComesAndGoes();
    void enclosedMessageLeavesOthersAlone_data();
    void enclosedMessageLeavesOthersAlone();
    void enclosedMessageText_data();
    void enclosedMessageText();
    void markNeverReachesTheRecord();

private:
    void openImport();
    void choose(const QString& file);
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    std::unique_ptr<DataFolderFixture> folder_;
    std::unique_ptr<Form1> window_;
};

void ImportTest::init()
{
    folder_ = std::make_unique<DataFolderFixture>();
    QDir(folder_->path()).mkdir("Pictures");
    picture(3, 2, qRgb(255, 0, 255)).save(folder_->path("Pictures/Small.bmp"), "BMP");
    picture(300, 400, qRgb(255, 255, 255)).save(folder_->path("Pictures/Large.BMP"), "BMP");
    picture(180, 320, qRgb(0, 200, 50)).save(folder_->path("Pictures/Green.bmp"), "BMP");
    folder_->write("Pictures/Notes.txt", "not a picture");
    // Only listed, never loaded.
    for (const char* name : {"Alpha.PNG", "Anim.gif", "Photo.jpg", "Scan.JPEG"})
        folder_->write(QString("Pictures/") + name, "listed only");
    window_ = folder_->start();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->LetsGo->click();
}

void ImportTest::openImport() { click(window_->AddBMPItem); }

// Picks a picture of the Pictures folder through the two lists.
void ImportTest::choose(const QString& file)
{
    window_->Harddrive->setPath(folder_->path("Pictures"));
    FileListBox* files = window_->SkirtFiles;
    const QList<QListWidgetItem*> found = files->findItems(file, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(file));
    files->scrollToItem(found.first());
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
}

void ImportTest::openingThePanel()
{
    Form1& w = *window_;
    w.BodyPic->PSet(100, 200, 0);
    w.Warnings->setCaption("old");
    w.AskMe->setVisible(true);
    openImport();
    QCOMPARE(w.State.WorkMode, 3);
    QVERIFY(!w.LabelTMP->Visible());
    QCOMPARE(w.BodyPic->Point(100, 200), bodyPixel(100, 200));
    QCOMPARE(w.State.TransColor, Colour::Purple);  // the frame says PURPLE
    QCOMPARE(w.TransColorInfo->BackColor(), Colour::Purple);
    QCOMPARE(w.Option2->BackColor(), Colour::Purple);
    QCOMPARE(w.HelpMe->Left(), 220);
    QCOMPARE(w.HelpMe->Caption(), w.State.Texts[64] + "\r\n" + w.State.Texts[65]);
    QCOMPARE(w.Warnings->Caption(), QString());
    QCOMPARE(w.Warnings->Left(), 230);
    QVERIFY(!w.AskMe->Visible());
    QVERIFY(w.SkirtFiles->Visible() && w.SkirtFiles->Enabled());
    QVERIFY(w.TransColorInfo->Visible());
    QVERIFY(!w.Wardrobe->Visible());
    QVERIFY(!w.DeleteProject->Enabled());
}

void ImportTest::choosingAFolderListsItsBitmapsAndResetsTheKey()
{
    openImport();
    Form1& w = *window_;
    QSignalSpy changes(w.Harddrive, &DirListBox::Change);
    // Into the folder by a double click on it, as a person does.
    const int row = [&] {
        for (int i = 0; i < w.Harddrive->ListCount(); ++i)
            if (w.Harddrive->List(i).endsWith("/Pictures"))
                return i;
        return -1;
    }();
    QVERIFY(row >= 0);
    QListWidgetItem* entry = w.Harddrive->item(row);
    w.Harddrive->scrollToItem(entry);
    const QPoint at = w.Harddrive->visualItemRect(entry).center();
    QTest::mouseClick(w.Harddrive->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(w.Harddrive->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(w.SkirtFiles->Path(), folder_->path("Pictures"));
    QStringList listed;
    for (int i = 0; i < w.SkirtFiles->ListCount(); ++i)
        listed.append(w.SkirtFiles->List(i));
    QCOMPARE(listed, QStringList({"Alpha.PNG", "Anim.gif", "Green.bmp", "Large.BMP", "Photo.jpg", "Scan.JPEG", "Small.bmp"}));
    QCOMPARE(w.State.TransColor, Colour::NeutralGrey);
    QCOMPARE(w.TransColorInfo->BackColor(), Colour::NeutralGrey);
    QCOMPARE(w.Option1->BackColor(), Colour::NeutralGrey);
    QCOMPARE(w.TransColorInfo->Caption(), QStringLiteral("PURPLE"));
}

void ImportTest::choosingAPicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("small") << "Small.bmp" << QSize(3, 2);
    QTest::newRow("300 x 400 is cut to 200 x 320") << "Large.BMP" << QSize(200, 320);
    QTest::newRow("180 x 320") << "Green.bmp" << QSize(180, 320);
}

void ImportTest::choosingAPicture()
{
    QFETCH(QString, file);
    QFETCH(QSize, shown);
    openImport();
    choose(file);
    Form1& w = *window_;
    QCOMPARE(w.Clothes->Picture().size().boundedTo(QSize(300, 400)), w.Clothes->Picture().size());
    QCOMPARE(QSize(w.Clothes->Width(), w.Clothes->Height()), shown);
    QCOMPARE(QSize(w.Clothes->ScaleWidth(), w.Clothes->ScaleHeight()), shown);
    QVERIFY(w.AddToWardrobe->Enabled());
    QCOMPARE(w.State.TransColor, Colour::NeutralGrey);  // the setting is not AUTO
}

void ImportTest::previewAndsThePictureWithTheBody()
{
    openImport();
    choose("Green.bmp");
    Form1& w = *window_;
    const int x = w.State.OffsetX, y = w.State.OffsetY;
    const int green = Colour::rgb(0, 200, 50);
    // The background colour ANDs into the body; the stripe does too.
    QCOMPARE(w.BodyPic->Point(x + 1, y + 1), bodyPixel(x + 1, y + 1) & green);
    const int stripe = Colour::fromQRgb(w.Clothes->Picture().pixel(5, 160));
    QCOMPARE(w.BodyPic->Point(x + 5, y + 160), bodyPixel(x + 5, y + 160) & stripe);
    // Outside the picture the body is bare.
    QCOMPARE(w.BodyPic->Point(x + 185, y + 10), bodyPixel(x + 185, y + 10));
}

void ImportTest::nudgesKeepTheirOwnLimit_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("step");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::newRow("left 5 from 3 stops at 0") << "SkirtLeft" << "Small.bmp" << 5 << QPoint(3, 50) << QPoint(0, 50);
    QTest::newRow("right 10 from 15, width 180, stops at 20")
        << "SkirtRight" << "Green.bmp" << 10 << QPoint(15, 50) << QPoint(20, 50);
    QTest::newRow("down never beyond 130 for 320 high") << "SkirtDown" << "Green.bmp" << 10 << QPoint(10, 125)
                                                        << QPoint(10, 130);
    QTest::newRow("up 1") << "SkirtUp" << "Small.bmp" << 1 << QPoint(10, 50) << QPoint(10, 49);
    QTest::newRow("left keeps an offset beyond the right limit")
        << "SkirtLeft" << "Green.bmp" << 1 << QPoint(60, 50) << QPoint(59, 50);
    QTest::newRow("right brings it back to the limit") << "SkirtRight" << "Green.bmp" << 1 << QPoint(60, 50)
                                                       << QPoint(20, 50);
}

void ImportTest::nudgesKeepTheirOwnLimit()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(int, step);
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    openImport();
    choose(file);
    Form1& w = *window_;
    click(step == 10 ? static_cast<QWidget*>(w.Option3) : step == 5 ? w.Option2 : w.Option1);
    QCOMPARE(w.State.StepSize, step);
    w.State.OffsetX = start.x();
    w.State.OffsetY = start.y();
    w.BodyPic->PSet(199, 449, 0);
    click(w.control(button));
    QCOMPARE(QPoint(w.State.OffsetX, w.State.OffsetY), end);
    // The preview is drawn anew at the new place, on the bare body.
    QCOMPARE(w.BodyPic->Point(199, 449), bodyPixel(199, 449));
    const int first = Colour::fromQRgb(w.Clothes->surface().pixel(0, 0));
    if (end.x() >= 0 && end.x() < 200)
        QCOMPARE(w.BodyPic->Point(end.x(), end.y()), bodyPixel(end.x(), end.y()) & first);
}

void ImportTest::keyColourButtonsStoreTheirChoice_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("colour");
    QTest::newRow("purple") << "PinkButton" << "PURPLE" << Colour::Purple;
    QTest::newRow("white") << "WhiteButton" << "WHITE" << Colour::White;
    QTest::newRow("auto") << "AutoButton" << "AUTO" << Colour::rgb(0, 200, 50);
}

void ImportTest::keyColourButtonsStoreTheirChoice()
{
    QFETCH(QString, button);
    QFETCH(QString, word);
    QFETCH(int, colour);
    openImport();
    choose("Green.bmp");
    Form1& w = *window_;
    click(w.control(button));
    QCOMPARE(w.State.TransColor, colour);
    QCOMPARE(w.TransColorInfo->Caption(), word);
    QCOMPARE(w.TransColorInfo->BackColor(), colour);
    QCOMPARE(w.Option3->BackColor(), colour);
    QCOMPARE(w.State.TransColorName, QStringLiteral("PURPLE"));  // as read at start-up
    QVERIFY(folder_->read("Tavolin.ini").contains("#TRANSCOLOR#\r\n" + word.toLatin1() + "\r\n"));
}

void ImportTest::nameRules_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");  // the text arrives at once instead of key by key
    QTest::addColumn<QString>("kept");
    QTest::newRow("a 26th character drops the first") << "abcdefghijklmnopqrstuvwxyZ" << false
                                                       << "bcdefghijklmnopqrstuvwxyZ";
    QTest::newRow("a single blank is no name") << " " << false << "";
    QTest::newRow("typing cannot start with a blank") << "  Coat" << false << "Coat";
    QTest::newRow("two blanks at once stay") << "  " << true << "  ";
    QTest::newRow("blanks around a name stay") << " Coat " << true << " Coat ";
    QTest::newRow("a long paste keeps its end") << QString(30, 'a') + "END" << true << QString(22, 'a') + "END";
}

void ImportTest::nameRules()
{
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    openImport();
    Form1& w = *window_;
    w.NameSkirt->setBackColor(222);
    w.Warnings->setCaption("old");
    w.NameSkirt->setFocus();
    if (pasted)
        w.NameSkirt->insert(typed);
    else
        QTest::keyClicks(w.NameSkirt, typed);
    QTEST(w.NameSkirt->Text(), "kept");
    QCOMPARE(w.NameSkirt->BackColor(), Colour::White);
    QCOMPARE(w.Warnings->Caption(), QString());
}

void ImportTest::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("message");
    QTest::addColumn<bool>("red");
    QTest::newRow("empty") << "" << 38 << true;
    QTest::newRow("a stored name in other case") << "SUMMER DRESS" << 39 << false;
    // Read back as the heading of an outfit, from the outfit file.
    QTest::newRow("an outfit heading") << "OUTFIT: Party" << int(Form1::MsgNameLikeOutfit) << true;
    QTest::newRow("the heading word without its blank") << "OUTFIT:Party" << int(Form1::MsgNameLikeOutfit) << true;
    QTest::newRow("the heading word alone") << "OUTFIT:" << int(Form1::MsgNameLikeOutfit) << true;
    // Characters the files cannot hold never reach the box: tst_instances.
}

void ImportTest::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(int, message);
    QFETCH(bool, red);
    openImport();
    choose("Small.bmp");
    Form1& w = *window_;
    w.NameSkirt->setText(name);
    const QByteArray before = folder_->read("Projects/Default.Data");
    folder_->resetBeeps();
    click(w.AddToWardrobe);
    QCOMPARE(folder_->beeps(), 1);
    QVERIFY(!w.AddedText(message).isEmpty());
    QCOMPARE(w.Warnings->Caption(), w.AddedText(message));
    QCOMPARE(w.Warnings->Left(), 230);
    QCOMPARE(w.NameSkirt->BackColor(), red ? 222 : Colour::White);
    QCOMPARE(w.NameSkirt->Text(), name);
    QCOMPARE(folder_->read("Projects/Default.Data"), before);
    QCOMPARE(w.State.WorkMode, 3);
}

// Only a name that begins with the heading word itself is refused; one
// near it is stored, worn, and comes back from the outfit file whole.
void ImportTest::namesNearAnOutfitHeadingAreWorn_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("other letter case") << "Outfit: Party";
    QTest::newRow("the word without its colon") << "OUTFIT Party";
    QTest::newRow("the heading later in the name") << "My OUTFIT: Party";
}

void ImportTest::namesNearAnOutfitHeadingAreWorn()
{
    QFETCH(QString, name);
    openImport();
    choose("Small.bmp");
    Form1& w = *window_;
    w.NameSkirt->setText(name);
    folder_->resetBeeps();
    click(w.AddToWardrobe);
    QCOMPARE(folder_->beeps(), 0);
    QCOMPARE(w.State.WorkMode, 1);
    const QList<QListWidgetItem*> listed = w.Wardrobe->findItems(name, Qt::MatchExactly);
    QCOMPARE(listed.size(), 1);

    QTest::mouseClick(w.Wardrobe->viewport(), Qt::LeftButton, {}, w.Wardrobe->visualItemRect(listed.first()).center());
    click(w.DressItem);
    QTest::keyClicks(w.NameOfOutfit, "Evening");
    click(w.SaveOutfit);
    QCOMPARE(w.OutfitList->ListCount(), 1);
    click(w.RemoveAllItems);
    QTest::mouseClick(w.OutfitList->viewport(), Qt::LeftButton, {},
                      w.OutfitList->visualItemRect(w.OutfitList->item(0)).center());
    QCOMPARE(w.Dressed->ListCount(), 1);
    QCOMPARE(w.Dressed->List(0), name);
}

void ImportTest::storingAnItem()
{
    openImport();
    choose("Small.bmp");
    Form1& w = *window_;
    click(w.PinkButton);
    w.State.OffsetX = 10;
    w.State.OffsetY = 50;
    w.NameSkirt->setText("Summer dress ");  // a trailing blank makes it another name
    const QByteArray before = folder_->read("Projects/Default.Data");
    const int linesBefore = before.count("\r\n");
    click(w.AddToWardrobe);

    // The record: heading, offsets, the non-key pixels column by column.
    QByteArray expected = "ITEM: Summer dress \r\n" + QByteArray(ItemFormat::kSeparator) + "\r\n 10 \r\n 50 \r\n 1 \r\n" +
                          ItemFormat::kSeparator + "\r\n";
    const QImage small = w.Clothes->Picture();
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            if (Colour::fromQRgb(small.pixel(x, y)) != Colour::Purple)
                expected += ItemFormat::pixelLine(Colour::fromQRgb(small.pixel(x, y)), x, y);
    expected += QByteArray(ItemFormat::kEndLine) + "\r\n";
    QCOMPARE(folder_->read("Projects/Default.Data"), before + expected);
    QVERIFY(folder_->read("Projects/Default.Table")
                .endsWith("ITEM: Summer dress \r\n" + ItemFormat::numberLine(linesBefore + 1) + "\r\n"));

    // Back in the dressing panel, the new item in its alphabetical place.
    QCOMPARE(w.State.WorkMode, 1);
    QVERIFY(w.Wardrobe->Visible());
    QCOMPARE(w.Wardrobe->findItems("Summer dress ", Qt::MatchExactly).size(), 1);
    QCOMPARE(w.Wardrobe->row(w.Wardrobe->findItems("Summer dress ", Qt::MatchExactly).first()),
             w.Wardrobe->row(w.Wardrobe->findItems("Summer dress", Qt::MatchExactly).first()) + 1);
    QCOMPARE(w.NameSkirt->Text(), QString());
    QCOMPARE(w.Warnings->Caption(), QString());
    QCOMPARE(w.HelpMe->Left(), 500);
    QCOMPARE(w.BodyPic->Point(12, 51), bodyPixel(12, 51));
}

// A data file edited by hand may end in the middle of its last line; the
// new record must still start a line of its own, be listed, indexed in the
// table at its line and painted from its own lines.
void ImportTest::storedRecordStartsALineOfItsOwn_data()
{
    QTest::addColumn<QByteArray>("tail");   // after the default items' last end line, in place of its CR LF
    QTest::addColumn<QByteArray>("joint");  // what the capture puts before the new heading

    QTest::newRow("CR LF") << QByteArray("\r\n") << QByteArray();
    QTest::newRow("LF alone") << QByteArray("\n") << QByteArray();
    QTest::newRow("CR alone") << QByteArray("\r") << QByteArray();
    QTest::newRow("no line end") << QByteArray("") << QByteArray("\r\n");
    QTest::newRow("a heading without its line end") << QByteArray("\r\nITEM: Scrap") << QByteArray("\r\n");
    QTest::newRow("a pixel line without its line end")
        << QByteArray("\r\nITEM: Dot\r\n" + QByteArray(ItemFormat::kSeparator) + "\r\n 0 \r\n 0 \r\n 1 \r\n" +
                      ItemFormat::kSeparator + "\r\n 255  5  6 ")
        << QByteArray("\r\n");
}

void ImportTest::storedRecordStartsALineOfItsOwn()
{
    QFETCH(QByteArray, tail);
    QFETCH(QByteArray, joint);
    Form1& w = *window_;
    const QByteArray defaults = folder_->read("Projects/Default.Data");
    QVERIFY(defaults.endsWith(QByteArray(ItemFormat::kEndLine) + "\r\n"));
    const QByteArray before = defaults.chopped(2) + tail;
    folder_->write("Projects/Default.Data", before);
    openImport();
    choose("Small.bmp");
    w.State.OffsetX = 10;
    w.State.OffsetY = 50;
    w.NameSkirt->setText("Tiny");
    click(w.AddToWardrobe);

    const QByteArray after = folder_->read("Projects/Default.Data");
    QVERIFY(after.startsWith(before + joint + "ITEM: Tiny\r\n"));
    QVERIFY(after.endsWith(QByteArray(ItemFormat::kEndLine) + "\r\n"));
    QCOMPARE(itemNames(after), itemNames(before) + QStringList{"Tiny"});
    QCOMPARE(folder_->read("Projects/Default.Table"), itemTableFor(after));
    QCOMPARE(w.Wardrobe->ListCount(), itemNames(after).size());
    const QList<QListWidgetItem*> listed = w.Wardrobe->findItems("Tiny", Qt::MatchExactly);
    QCOMPARE(listed.size(), 1);
    QTest::mouseClick(w.Wardrobe->viewport(), Qt::LeftButton, {}, w.Wardrobe->visualItemRect(listed.first()).center());
    const int painted = Colour::fromQRgb(qRgb(200, 20, 30));  // Small.bmp at (2, 1)
    QVERIFY(bodyPixel(12, 51) != painted);
    QCOMPARE(w.BodyPic->Point(12, 51), painted);
}

// A 3 x 2 picture whose pixels (0, 0) and (1, 1) have the key colour.
QImage keyedPicture(QRgb key)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, key);
    image.setPixel(0, 1, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 0, 255));
    image.setPixel(1, 1, key);
    image.setPixel(2, 0, qRgb(0, 255, 0));
    image.setPixel(2, 1, qRgb(0, 0, 0));
    return image;
}

void ImportTest::recordForEachKeyColour_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QRgb>("key");
    QTest::newRow("purple") << "PinkButton" << qRgb(255, 0, 255);
    QTest::newRow("white") << "WhiteButton" << qRgb(255, 255, 255);
    QTest::newRow("auto, a light green") << "AutoButton" << qRgb(204, 236, 198);
}

void ImportTest::recordForEachKeyColour()
{
    QFETCH(QString, button);
    QFETCH(QRgb, key);
    keyedPicture(key).save(folder_->path("Pictures/Keyed.bmp"), "BMP");
    openImport();
    choose("Keyed.bmp");
    Form1& w = *window_;
    click(w.control(button));
    click(w.Option2);
    click(w.SkirtRight);  // 10 + 5
    click(w.SkirtDown);   // 50 + 5
    click(w.SkirtUp);
    click(w.SkirtUp);     // 50 - 5
    w.NameSkirt->setFocus();
    QTest::keyClicks(w.NameSkirt, "Tiny");
    const QByteArray before = folder_->read("Projects/Default.Data");
    click(w.AddToWardrobe);
    const QByteArray expected = "ITEM: Tiny\r\n"
                                "--------------------------------------\r\n"
                                " 15 \r\n"
                                " 45 \r\n"
                                " 1 \r\n"
                                "--------------------------------------\r\n"
                                " 255  0  1 \r\n"
                                " 16711680  1  0 \r\n"
                                " 65280  2  0 \r\n"
                                " 0  2  1 \r\n"
                                "-------------- END ------------------\r\n";
    QCOMPARE(folder_->read("Projects/Default.Data"), before + expected);
}

// A 3 x 2 picture with an alpha channel: (0, 0) and (1, 0) are less than
// half opaque, (1, 1) just half; (2, 0) is purple and (2, 1) white.
QImage translucentPicture()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 0));
    image.setPixel(0, 1, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 0, 255, 127));
    image.setPixel(1, 1, qRgba(0, 0, 255, 128));
    image.setPixel(2, 0, qRgba(255, 0, 255, 255));
    image.setPixel(2, 1, qRgba(255, 255, 255, 255));
    return image;
}

// Pixels less than half opaque are left out like the key colour's, and
// show white in Clothes; a bitmap chosen afterwards keeps all its pixels.
void ImportTest::seeThroughPixelsOfAPicture_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("pixels");
    QTest::newRow("PNG, purple key") << "Alpha.png" << "PinkButton"
                                     << QStringList{" 255  0  1 ", " 16711680  1  1 ", " 16777215  2  1 "};
    QTest::newRow("PNG, white key") << "Alpha.png" << "WhiteButton"
                                    << QStringList{" 255  0  1 ", " 16711680  1  1 ", " 16711935  2  0 "};
    QTest::newRow("a bitmap chosen after the PNG") << "Alpha.bmp" << "PinkButton"
                                                   << QStringList{" 255  0  0 ", " 255  0  1 ", " 16711680  1  0 ",
                                                                  " 16711680  1  1 ", " 16777215  2  1 "};
}

void ImportTest::seeThroughPixelsOfAPicture()
{
    QFETCH(QString, chosen);
    QFETCH(QString, button);
    QFETCH(QStringList, pixels);
    QVERIFY(translucentPicture().save(folder_->path("Pictures/Alpha.png"), "PNG"));
    QVERIFY(translucentPicture().convertToFormat(QImage::Format_RGB32).save(folder_->path("Pictures/Alpha.bmp"), "BMP"));
    openImport();
    Form1& w = *window_;
    w.State.OffsetX = 100;  // over the figure's leotard
    w.State.OffsetY = 200;
    choose("Alpha.png");
    QCOMPARE(w.Clothes->Point(0, 0), Colour::White);
    QCOMPARE(w.Clothes->Point(1, 0), Colour::White);
    QCOMPARE(w.Clothes->Point(1, 1), Colour::rgb(0, 0, 255));
    QCOMPARE(w.BodyPic->Point(100, 200), bodyPixel(100, 200));  // white leaves the body
    if (chosen != "Alpha.png")
        choose(chosen);
    click(w.control(button));  // choosing the folder reset the key
    w.NameSkirt->setText("Veil");
    const QByteArray before = folder_->read("Projects/Default.Data");
    click(w.AddToWardrobe);
    QByteArray expected = "ITEM: Veil\r\n--------------------------------------\r\n" + ItemFormat::numberLine(100) +
                          "\r\n" + ItemFormat::numberLine(200) + "\r\n 1 \r\n--------------------------------------\r\n";
    for (const QString& line : pixels)
        expected += line.toLatin1() + "\r\n";
    expected += "-------------- END ------------------\r\n";
    const QByteArray after = folder_->read("Projects/Default.Data");
    QVERIFY(after.startsWith(before));
    QCOMPARE(after.mid(before.size()), expected);
}

// A GIF's see-through colour index counts as see-through: the one pixel of
// this GIF (black, index 0, the see-through index) is left out.
void ImportTest::seeThroughColourOfAGif()
{
    folder_->write("Pictures/Clear.gif", QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff"
                                                    "!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00"
                                                    "\x01\x00\x00\x02\x02" "D\x01\x00;",
                                                    43));
    openImport();
    Form1& w = *window_;
    choose("Clear.gif");
    QCOMPARE(w.Warnings->Caption(), QString());
    QCOMPARE(w.Clothes->Point(0, 0), Colour::White);
    click(w.PinkButton);
    w.NameSkirt->setText("Nothing");
    const QByteArray before = folder_->read("Projects/Default.Data");
    click(w.AddToWardrobe);
    const QByteArray after = folder_->read("Projects/Default.Data");
    QVERIFY(after.startsWith(before));
    QVERIFY2(after.mid(before.size()).endsWith("--------------------------------------\r\n"
                                                "-------------- END ------------------\r\n"),
             after.mid(before.size()).constData());
}

// White leaves the body, black shows black, purple keeps red and blue.
void ImportTest::previewOnKnownPixels()
{
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 255, 255));
    image.setPixel(1, 0, qRgb(0, 0, 0));
    image.setPixel(2, 0, qRgb(255, 0, 255));
    image.save(folder_->path("Pictures/Tints.bmp"), "BMP");
    openImport();
    Form1& w = *window_;
    w.State.OffsetX = 100;  // over the figure's leotard
    w.State.OffsetY = 200;
    choose("Tints.bmp");
    const int body = bodyPixel(102, 200);
    QVERIFY((body & 0x00FF00) != 0);  // the body pixel has green to lose
    QCOMPARE(w.BodyPic->Point(100, 200), bodyPixel(100, 200));
    QCOMPARE(w.BodyPic->Point(101, 200), 0);
    QCOMPARE(w.BodyPic->Point(102, 200), body & Colour::Purple);
}

void ImportTest::autoKeyIsTakenAtStoringTime()
{
    folder_->write("Tavolin.ini", crlfLines({"#HELPMODE#", "FALSE", "#TRANSCOLOR#", "AUTO", "#CURRENT_PROJECT#",
                                             "Default.Project", "#LANGUAGE#", "Tavolin_ENG.txt", "#EOF#"}));
    window_ = folder_->start();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->LetsGo->click();
    openImport();
    choose("Green.bmp");
    Form1& w = *window_;
    QCOMPARE(w.State.TransColor, Colour::rgb(0, 200, 50));
    click(w.PinkButton);
    QCOMPARE(w.State.TransColor, Colour::Purple);
    w.NameSkirt->setText("Green");
    click(w.AddToWardrobe);
    const QByteArray data = folder_->read("Projects/Default.Data");
    const QByteArray record = data.mid(data.indexOf("ITEM: Green\r\n"));
    // Only the stripe is stored: the green background was the key.
    QCOMPARE(record.count("\r\n"), 7 + 178);
}

void ImportTest::failedStoreKeepsEverything()
{
    openImport();
    choose("Small.bmp");
    Form1& w = *window_;
    w.NameSkirt->setText("Blocked");
    // The item data file cannot be opened for writing.
    folder_->remove("Projects/Default.Data");
    QVERIFY(QDir(folder_->path()).mkdir("Projects/Default.Data"));
    folder_->resetBeeps();
    click(w.AddToWardrobe);
    QCOMPARE(folder_->beeps(), 1);
    QCOMPARE(w.Warnings->Caption(), w.State.Texts[Form1::MsgItemNotStored]);
    QCOMPARE(w.State.WorkMode, 3);
    QVERIFY(w.AddToWardrobe->Visible());
    QCOMPARE(w.NameSkirt->Text(), QStringLiteral("Blocked"));
    QCOMPARE(w.Clothes->Picture().size(), QSize(3, 2));
    QVERIFY(!w.Wardrobe->findItems("Blocked", Qt::MatchExactly).size());

    // Once the file can be written again, the same click stores the item.
    QVERIFY(QDir(folder_->path()).rmdir("Projects/Default.Data"));
    click(w.AddToWardrobe);
    QVERIFY(folder_->read("Projects/Default.Data").startsWith("ITEM: Blocked\r\n"));
    QCOMPARE(w.State.WorkMode, 1);
}

void ImportTest::unloadablePicturesAreRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("message");
    QTest::newRow("text file named .bmp") << "Text.bmp" << QByteArray("just some text\r\n") << 93;
    QTest::newRow("header claims 50000 x 50000") << "Huge.bmp" << hugeBitmapHeader(50000, 50000) << 94;
    QTest::newRow("empty file") << "Empty.bmp" << QByteArray("") << 93;
    QByteArray whole;
    QBuffer buffer(&whole);
    buffer.open(QIODevice::WriteOnly);
    picture(40, 40, qRgb(255, 255, 255)).save(&buffer, "BMP");
    QTest::newRow("bitmap cut short") << "Cut.bmp" << whole.left(whole.size() / 2) << 93;
}

void ImportTest::unloadablePicturesAreRefused()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, message);
    folder_->write("Pictures/" + file, content);
    openImport();
    choose("Small.bmp");
    Form1& w = *window_;
    folder_->resetBeeps();
    choose(file);
    QCOMPARE(folder_->beeps(), 1);
    QCOMPARE(w.Warnings->Caption(), w.State.Texts[message]);
    // The picture chosen before goes with the failed choice: nothing is
    // left to store under a new name, and the figure shows its bare body.
    QVERIFY(w.Clothes->Picture().isNull());
    QVERIFY(!w.AddToWardrobe->isEnabled());
    for (const QPoint& at : {QPoint(0, 0), QPoint(100, 200), QPoint(199, 449)})
        QCOMPARE(w.BodyPic->Point(at.x(), at.y()), bodyPixel(at.x(), at.y()));
    const QByteArray stored = folder_->read("Projects/Default.Data");
    w.NameSkirt->setFocus();
    QTest::keyClicks(w.NameSkirt, "Stale");
    QTest::keyClick(w.NameSkirt, Qt::Key_Return);
    QCOMPARE(folder_->read("Projects/Default.Data"), stored);
    QCOMPARE(w.State.WorkMode, 3);
    // The panel goes on working.
    choose("Green.bmp");
    QCOMPARE(w.Clothes->Picture().size(), QSize(180, 320));
    QVERIFY(w.AddToWardrobe->isEnabled());
}

// ---- Key-colour pixels inside the item

void ImportTest::findingEnclosedKeyPixels_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("key");
    QTest::newRow("white middle of a collar, white key") << kEnclosedWhite << Colour::White;
    QTest::newRow("the same on a purple key") << nothingInside(kEnclosedWhite) << Colour::Purple;
    QTest::newRow("a way out to the edge") << kWhiteOpenToTheEdge << Colour::White;
    QTest::newRow("a corner is no way out") << QStringList{"WWWWW", "WGGGW", "WGwGW", "WGGWW", "WWWWW"}
                                            << Colour::White;
    QTest::newRow("a winding way up, down and back") << QStringList{"GWGGGGG", "GWGWWWG", "GWGWGWG", "GWGGGWG",
                                                                     "GWWWWWG", "GGGGGGG"}
                                                     << Colour::White;
    QTest::newRow("out at the right edge") << QStringList{"GGGG", "GWWW", "GGGG"} << Colour::White;
    QTest::newRow("out at the bottom edge") << QStringList{"GGG", "GWG", "GWG"} << Colour::White;
    QTest::newRow("a see-through frame leads in") << kSeeThroughFrameLeadsIn << Colour::White;
    QTest::newRow("see-through pixels are not counted") << kSeeThroughHoleUncounted << Colour::White;
    QTest::newRow("purple inside, purple key") << kEnclosedPurple << Colour::Purple;
    QTest::newRow("red inside is no blue key") << QStringList{"BBBBB", "BGGGB", "BGRGB", "BGGGB", "BBBBB"}
                                               << Colour::rgb(0, 0, 255);
    QTest::newRow("blue inside, blue key") << QStringList{"RRRRR", "RGGGR", "RGbGR", "RGGGR", "RRRRR"}
                                           << Colour::rgb(0, 0, 255);
    QTest::newRow("all of the key colour") << kAllWhite << Colour::White;
    QTest::newRow("one pixel") << QStringList{"W"} << Colour::White;
}

void ImportTest::findingEnclosedKeyPixels()
{
    QFETCH(QStringList, rows);
    QFETCH(int, key);
    const Drawing drawn = drawing(rows);
    const KeyColourSafety::Enclosed found = KeyColourSafety::findEnclosed(drawn.picture, key, drawn.seeThrough);
    QCOMPARE(found.count, qint64(drawn.enclosed.size()));
    QCOMPARE(found.mask.size(), drawn.picture.size());
    QList<QPoint> marked;
    for (int y = 0; y < found.mask.height(); ++y)
        for (int x = 0; x < found.mask.width(); ++x)
            if (found.mask.pixelIndex(x, y) == 1)
                marked.append(QPoint(x, y));
    QCOMPARE(marked, drawn.enclosed);

    // The hatch covers the enclosed pixels in red or black, and nothing else.
    const QImage hatch = KeyColourSafety::hatch(found.mask);
    QCOMPARE(hatch.size(), drawn.picture.size());
    for (int y = 0; y < hatch.height(); ++y) {
        for (int x = 0; x < hatch.width(); ++x) {
            const QRgb pixel = hatch.pixel(x, y);
            if (drawn.enclosed.contains(QPoint(x, y)))
                QVERIFY(pixel == Colour::toQRgb(Colour::rgb(255, 0, 0)) || pixel == Colour::toQRgb(0));
            else
                QCOMPARE(qAlpha(pixel), 0);
        }
    }
}

void ImportTest::enclosedKeyPixelsAreMarked_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("button");
    QTest::newRow("white collar middle, white key") << "EnclosedWhite.bmp" << kEnclosedWhite << "WhiteButton";
    QTest::newRow("auto takes white from (1, 1)") << "EnclosedWhite.bmp" << kEnclosedWhite << "AutoButton";
    QTest::newRow("the collar on a purple key")
        << "EnclosedWhite.bmp" << nothingInside(kEnclosedWhite) << "PinkButton";
    QTest::newRow("an open collar") << "OpenToTheEdge.bmp" << kWhiteOpenToTheEdge << "WhiteButton";
    QTest::newRow("a see-through frame leads in")
        << "SeeThroughFrame.png" << kSeeThroughFrameLeadsIn << "WhiteButton";
    QTest::newRow("a see-through hole is not counted")
        << "SeeThroughHole.png" << kSeeThroughHoleUncounted << "WhiteButton";
    QTest::newRow("purple inside, purple key") << "EnclosedPurple.bmp" << kEnclosedPurple << "PinkButton";
    QTest::newRow("all white") << "Plain.bmp" << kAllWhite << "WhiteButton";
}

// The count in Warnings; on the screen the enclosed pixels, and they alone,
// drawn over in red or black; and the picture itself unchanged for every
// read: the surface, the preview on the body.
void ImportTest::enclosedKeyPixelsAreMarked()
{
    QFETCH(QString, file);
    QFETCH(QStringList, rows);
    QFETCH(QString, button);
    const Drawing drawn = drawing(rows);
    QVERIFY(drawn.file.save(folder_->path("Pictures/" + file)));
    openImport();
    choose(file);
    Form1& w = *window_;
    click(w.control(button));

    const qint64 count = drawn.enclosed.size();
    QCOMPARE(w.Warnings->Caption(), count ? enclosedMessage(w, count) : QString());
    QCOMPARE(w.Warnings->ToolTipText(), w.Warnings->Caption());  // longer than the label's lines
    QCOMPARE(w.Clothes->overlay().isNull(), count == 0);
    QCOMPARE(w.Clothes->surface(), drawn.picture);
    for (const QPoint& at : drawn.enclosed)
        QCOMPARE(w.Clothes->Point(at.x(), at.y()), w.State.TransColor);
    for (int y = 0; y < drawn.picture.height(); ++y) {
        for (int x = 0; x < drawn.picture.width(); ++x) {
            const int bx = w.State.OffsetX + x, by = w.State.OffsetY + y;
            QCOMPARE(w.BodyPic->Point(bx, by), bodyPixel(bx, by) & Colour::fromQRgb(drawn.picture.pixel(x, y)));
        }
    }

    const QImage shown = w.Clothes->grab().toImage();
    QCOMPARE(shown.size(), drawn.picture.size());
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const int colour = Colour::fromQRgb(shown.pixel(x, y));
            const QByteArray where = QByteArray::number(x) + ", " + QByteArray::number(y);
            if (drawn.enclosed.contains(QPoint(x, y)))
                QVERIFY2(colour == Colour::rgb(255, 0, 0) || colour == 0, where);
            else
                QVERIFY2(colour == Colour::fromQRgb(drawn.picture.pixel(x, y)), where);
        }
    }
}

// The mark and its message follow the picture and the key colour: they go
// with a key or a picture that leaves nothing inside, stay hidden with
// Clothes while another task is up, and come back with the panel.
void ImportTest::enclosedMarkComesAndGoes()
{
    QVERIFY(drawing(kEnclosedWhite).file.save(folder_->path("Pictures/EnclosedWhite.bmp")));
    QVERIFY(drawing(kAllWhite).file.save(folder_->path("Pictures/Plain.bmp")));
    openImport();
    choose("EnclosedWhite.bmp");
    Form1& w = *window_;
    const QString message = enclosedMessage(w, 16);
    const auto marked = [&w] { return !w.Clothes->overlay().isNull(); };
    QCOMPARE(w.State.TransColor, Colour::NeutralGrey);  // the folder changed
    QCOMPARE(w.Warnings->Caption(), QString());
    QVERIFY(!marked());

    click(w.WhiteButton);
    QCOMPARE(w.Warnings->Caption(), message);
    QVERIFY(marked());
    click(w.PinkButton);
    QCOMPARE(w.Warnings->Caption(), QString());
    QCOMPARE(w.Warnings->ToolTipText(), QString());
    QVERIFY(!marked());
    QCOMPARE(w.Clothes->grab().toImage().convertToFormat(QImage::Format_RGB32), w.Clothes->surface());

    click(w.WhiteButton);
    click(w.NewProject);
    QVERIFY(!w.Clothes->isVisible());
    QCOMPARE(w.Warnings->Caption(), QString());
    openImport();  // the frame says WHITE
    QCOMPARE(w.Warnings->Caption(), message);
    QVERIFY(marked());

    choose("Plain.bmp");
    QCOMPARE(w.Warnings->Caption(), QString());
    QVERIFY(!marked());
    choose("EnclosedWhite.bmp");
    QCOMPARE(w.Warnings->Caption(), message);
    QVERIFY(marked());

    QSignalSpy folderChanges(w.Harddrive, &DirListBox::Change);
    w.Harddrive->setPath(folder_->path());
    QCOMPARE(folderChanges.count(), 1);
    QCOMPARE(w.State.TransColor, Colour::NeutralGrey);
    QCOMPARE(w.Warnings->Caption(), QString());
    QVERIFY(!marked());
}

void ImportTest::enclosedMessageLeavesOthersAlone_data()
{
    QTest::addColumn<bool>("settingsBlocked");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("shown");  // text number; -1 for none
    QTest::newRow("the check takes its own message away") << false << QStringList{"WhiteButton", "PinkButton"}
                                                           << -1;
    QTest::newRow("settings not saved, nothing enclosed")
        << true << QStringList{"PinkButton"} << int(Form1::MsgSettingsNotSaved);
    QTest::newRow("settings not saved, pixels enclosed: the count comes last")
        << true << QStringList{"WhiteButton"} << int(Form1::MsgEnclosedKeyPixels);
    QTest::newRow("a refused name stays when the key changes")
        << false << QStringList{"WhiteButton", "AddToWardrobe", "PinkButton"} << 38;
}

void ImportTest::enclosedMessageLeavesOthersAlone()
{
    QFETCH(bool, settingsBlocked);
    QFETCH(QStringList, clicks);
    QFETCH(int, shown);
    QVERIFY(drawing(kEnclosedWhite).file.save(folder_->path("Pictures/EnclosedWhite.bmp")));
    openImport();
    choose("EnclosedWhite.bmp");
    Form1& w = *window_;
    if (settingsBlocked) {
        folder_->remove("Tavolin.ini");
        QVERIFY(QDir(folder_->path()).mkdir("Tavolin.ini"));
    }
    for (const QString& name : clicks)
        click(w.control(name));
    const QString expected = shown == Form1::MsgEnclosedKeyPixels ? enclosedMessage(w, 16)
                             : shown < 0                          ? QString()
                                                                  : w.State.Texts[shown];
    QCOMPARE(w.Warnings->Caption(), expected);
}

QByteArray withEmptyLine70(QByteArray bytes)
{
    const qsizetype start = bytes.indexOf("\r\n70 ") + 5;
    return bytes.remove(start, bytes.indexOf("\r\n", start) - start);
}

void ImportTest::enclosedMessageText_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("fileFromBefore");  // its line 70 is empty
    const QString english =
        QStringLiteral("16 pixels inside will turn see-through (hatched).");
    const QString german =
        QStringLiteral("16 Pixel innen werden durchsichtig (schraffiert).");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << "English" << false << english;
    QTest::newRow("German") << "German" << false << german;
    QTest::newRow("an English file from before the message") << "English" << true << english;
    // The program's own German file fills in for an older one.
    QTest::newRow("a German file from before the message") << "German" << true << german;
}

void ImportTest::enclosedMessageText()
{
    QFETCH(QString, flag);
    QFETCH(bool, fileFromBefore);
    QFETCH(QString, message);
    const QString file = flag == "German" ? "Tavolin_GER.txt" : "Tavolin_ENG.txt";
    if (fileFromBefore)
        folder_->write(file, withEmptyLine70(folder_->read(file)));
    QVERIFY(drawing(kEnclosedWhite).file.save(folder_->path("Pictures/EnclosedWhite.bmp")));
    Form1& w = *window_;
    click(w.control(flag));
    QCOMPARE(w.State.Language, file);
    QCOMPARE(w.State.Texts[Form1::MsgEnclosedKeyPixels].isEmpty(), fileFromBefore);
    openImport();
    choose("EnclosedWhite.bmp");
    click(w.WhiteButton);
    QCOMPARE(w.Warnings->Caption(), message);
}

// Stored with the mark on show, the item holds the collar's pixels: the
// mark is on the screen only.
void ImportTest::markNeverReachesTheRecord()
{
    QVERIFY(drawing(kEnclosedWhite).file.save(folder_->path("Pictures/EnclosedWhite.bmp")));
    openImport();
    choose("EnclosedWhite.bmp");
    Form1& w = *window_;
    click(w.WhiteButton);
    QVERIFY(!w.Clothes->overlay().isNull());
    w.NameSkirt->setText("Collar");
    const QByteArray before = folder_->read("Projects/Default.Data");
    click(w.AddToWardrobe);
    QByteArray pixels;
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            if (kEnclosedWhite.at(y).at(x) == QLatin1Char('G'))
                pixels += ItemFormat::pixelLine(Colour::rgb(0, 128, 64), x, y);
    const QByteArray after = folder_->read("Projects/Default.Data");
    QVERIFY(after.startsWith(before));
    const QByteArray record = after.mid(before.size());
    QVERIFY2(record.endsWith("--------------------------------------\r\n" + pixels +
                             "-------------- END ------------------\r\n"),
             record.constData());
}

}  // namespace

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
