// Outfits: saving the worn list under a name, putting an outfit on again by
// a click in OutfitList, deleting one, the rules of the name box, and what
// missing or damaged outfit files do. Everything goes through the real
// widgets; the outfit file is compared byte for byte.
#include "TestSupport.h"
#include "formats/picture/Colour.h"

#include <QtTest>

namespace {

const QString kOutfitFile = QStringLiteral("Projects/Default.Outfit");
const QString kWorkingFile = QStringLiteral("Projects/Default.txt");

// The items of the default wardrobe that the outfits below wear.
const QStringList kItems{"Summer dress", "Striped top", "Sun hat", "Red shoes", "Pleated skirt"};

QByteArray fixture(const QString& name)
{
    QFile file(QFINDTESTDATA("fixtures/outfits/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const ListBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->ListCount(); ++i)
        texts.append(list->List(i));
    return texts;
}

}  // namespace

class OutfitsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void saving_data();
    void saving();
    void savingLeavesOutEmptyEntries();
    void savedOutfitStartsALineOfItsOwn_data();
    void savedOutfitStartsALineOfItsOwn();
    void savingRefused_data();
    void savingRefused();

    void loading_data();
    void loading();

    void deleting_data();
    void deleting();

    void nameBox_data();
    void nameBox();

    void missingOutfitFile();
    void damagedOutfitFileIsOnlyRead();

private:
    // Starts the window on the data folder, with the outfit file holding
    // outfits (left as the defaults have it when null), and opens dressing.
    void start(const QByteArray& outfits = QByteArray());
    void clickEntry(ListBox* list, int row);
    void clickButton(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Puts the items on through Wardrobe and DressItem and repaints with a
    // click in Dressed.
    void wear(const QStringList& names);
    void typeName(const QString& name) { QTest::keyClicks(window_->NameOfOutfit, name); }
    // Whether BodyPic shows the body with these items painted over it, in
    // this order, at every probe point.
    bool shows(const QStringList& order) const;
    QStringList projectFiles() const { return QDir(folder_->path("Projects")).entryList(QDir::Files); }

    std::unique_ptr<DataFolderFixture> folder_;
    std::unique_ptr<Form1> window_;

    QImage bare_;                    // the body alone
    QHash<QString, QImage> alone_;   // BodyPic with one item painted alone
    QList<QPoint> probes_;           // a point of each item that no other paints, and a shared one
};

// Paints each item alone once, as a click in Wardrobe does, to learn where
// it paints and in which colour.
void OutfitsTest::initTestCase()
{
    bare_ = QImage(QStringLiteral(":/defaults/Projects/Default.bmp"));
    QCOMPARE(bare_.size(), QSize(200, 450));
    init();
    start();
    for (const QString& item : kItems) {
        clickEntry(window_->Wardrobe, entries(window_->Wardrobe).indexOf(item));
        alone_.insert(item, window_->BodyPic->surface().copy());
    }
    cleanup();

    auto paints = [this](const QString& item, int x, int y) {
        return alone_[item].pixel(x, y) != bare_.pixel(x, y);
    };
    for (const QString& item : kItems) {
        bool found = false;
        for (int y = 0; y < bare_.height() && !found; ++y) {
            for (int x = 0; x < bare_.width() && !found; ++x) {
                found = paints(item, x, y) &&
                        std::none_of(kItems.begin(), kItems.end(), [&](const QString& other) {
                            return other != item && paints(other, x, y);
                        });
                if (found)
                    probes_.append(QPoint(x, y));
            }
        }
        QVERIFY2(found, qPrintable(item));
    }
    // Where the top lies over the dress, the layer order shows.
    bool shared = false;
    for (int y = 0; y < bare_.height() && !shared; ++y) {
        for (int x = 0; x < bare_.width() && !shared; ++x) {
            shared = paints("Summer dress", x, y) && paints("Striped top", x, y) &&
                     alone_["Summer dress"].pixel(x, y) != alone_["Striped top"].pixel(x, y);
            if (shared)
                probes_.append(QPoint(x, y));
        }
    }
    QVERIFY(shared);
}

void OutfitsTest::init()
{
    folder_ = std::make_unique<DataFolderFixture>();
    QVERIFY(folder_->isValid());
}

void OutfitsTest::cleanup()
{
    window_.reset();
    folder_.reset();
}

void OutfitsTest::start(const QByteArray& outfits)
{
    if (!outfits.isNull())
        folder_->write(kOutfitFile, outfits);
    window_ = folder_->start();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->LetsGo->click();
    QVERIFY(window_->OutfitList->Visible() && window_->NameOfOutfit->Visible());
    QCOMPARE(window_->BodyPic->surface().convertToFormat(bare_.format()), bare_);
    folder_->resetBeeps();
}

void OutfitsTest::clickEntry(ListBox* list, int row)
{
    QVERIFY(row >= 0 && row < list->ListCount());
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QCOMPARE(list->ListIndex(), row);
}

void OutfitsTest::wear(const QStringList& names)
{
    for (const QString& name : names) {
        clickEntry(window_->Wardrobe, entries(window_->Wardrobe).indexOf(name));
        clickButton(window_->DressItem);
    }
    QCOMPARE(entries(window_->Dressed), names);
    clickEntry(window_->Dressed, 0);
    QVERIFY(shows(names));
}

bool OutfitsTest::shows(const QStringList& order) const
{
    bool shown = true;
    for (const QPoint& p : probes_) {
        QRgb expected = bare_.pixel(p);
        for (const QString& item : order)
            if (alone_.contains(item) && alone_.value(item).pixel(p) != bare_.pixel(p))
                expected = alone_.value(item).pixel(p);
        const int colour = window_->BodyPic->Point(p.x(), p.y());
        if (colour != Colour::fromQRgb(expected)) {
            qWarning("at (%d, %d): %d, expected %d", p.x(), p.y(), colour, Colour::fromQRgb(expected));
            shown = false;
        }
    }
    return shown;
}

// ---- Saving

void OutfitsTest::saving_data()
{
    QTest::addColumn<QString>("before");  // fixture; empty: the empty file of a new project
    QTest::addColumn<QStringList>("worn");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("appended");
    QTest::addColumn<QStringList>("listed");

    const QStringList three{"Beach", "Office", "Evening"};
    QTest::newRow("worn order into the empty file")
        << "" << QStringList{"Sun hat", "Summer dress"} << "Picnic"
        << QByteArray("OUTFIT: Picnic\r\nSun hat\r\nSummer dress\r\n") << QStringList{"Picnic"};
    QTest::newRow("after the outfits already there")
        << "ThreeOutfits.Outfit" << QStringList{"Red shoes", "Striped top", "Summer dress"} << "Sunday"
        << QByteArray("OUTFIT: Sunday\r\nRed shoes\r\nStriped top\r\nSummer dress\r\n")
        << three + QStringList{"Sunday"};
    QTest::newRow("nothing worn: a heading alone")
        << "ThreeOutfits.Outfit" << QStringList() << "Bare" << QByteArray("OUTFIT: Bare\r\n")
        << three + QStringList{"Bare"};
    QTest::newRow("blanks and a comma in the name")
        << "" << QStringList{"Red shoes"} << "Beach, day 2" << QByteArray("OUTFIT: Beach, day 2\r\nRed shoes\r\n")
        << QStringList{"Beach, day 2"};
    const QString longest(30, QLatin1Char('N'));
    QTest::newRow("thirty characters")
        << "" << QStringList{"Sun hat"} << longest << ("OUTFIT: " + longest.toLatin1() + "\r\nSun hat\r\n")
        << QStringList{longest};
    QTest::newRow("a listed name with a blank after it")
        << "ThreeOutfits.Outfit" << QStringList{"Sun hat"} << "Beach " << QByteArray("OUTFIT: Beach \r\nSun hat\r\n")
        << three + QStringList{"Beach "};
}

void OutfitsTest::saving()
{
    QFETCH(QString, before);
    QFETCH(QStringList, worn);
    QFETCH(QString, name);
    QFETCH(QByteArray, appended);
    QFETCH(QStringList, listed);

    const QByteArray old = before.isEmpty() ? QByteArray("") : fixture(before);
    start(old);
    if (worn.isEmpty()) {
        // The button stays enabled when the worn list is emptied after typing.
        wear({"Sun hat"});
        typeName(name);
        clickButton(window_->RemoveAllItems);
    } else {
        wear(worn);
        typeName(name);
    }
    QCOMPARE(window_->NameOfOutfit->Text(), name);
    QVERIFY(window_->SaveOutfit->Enabled() && window_->DeleteOutfit->Enabled());
    window_->Warnings->setCaption("old");

    clickButton(window_->SaveOutfit);
    QCOMPARE(folder_->read(kOutfitFile), old + appended);
    QCOMPARE(entries(window_->OutfitList), listed);
    QCOMPARE(window_->NameOfOutfit->Text(), QString());
    QCOMPARE(window_->Warnings->Caption(), QString());
    QVERIFY(!window_->SaveOutfit->Enabled());
    QVERIFY(!window_->DeleteOutfit->Enabled());
    QCOMPARE(entries(window_->Dressed), worn);
    QCOMPARE(folder_->beeps(), 0);

    // Put on again, it is the same worn list.
    clickButton(window_->RemoveAllItems);
    clickEntry(window_->OutfitList, listed.size() - 1);
    QCOMPARE(entries(window_->Dressed), worn);
    QVERIFY(shows(worn));
}

// An outfit put on from the file may bring an empty entry; it is not saved.
void OutfitsTest::savingLeavesOutEmptyEntries()
{
    const QByteArray old = fixture("EmptyLineAmongEntries.Outfit");
    start(old);
    clickEntry(window_->OutfitList, 0);
    QCOMPARE(entries(window_->Dressed), QStringList({"Sun hat", "", "Red shoes"}));
    typeName("Again");
    QVERIFY(window_->SaveOutfit->Enabled());

    clickButton(window_->SaveOutfit);
    QCOMPARE(folder_->read(kOutfitFile), old + "OUTFIT: Again\r\nSun hat\r\nRed shoes\r\n");
    QCOMPARE(entries(window_->OutfitList), QStringList({"Beach", "Office", "Again"}));
    QCOMPARE(entries(window_->Dressed), QStringList({"Sun hat", "", "Red shoes"}));
}

// A file edited by hand may end in the middle of its last entry; the new
// heading must still start a line of its own, and the outfit before it
// keep its entries.
void OutfitsTest::savedOutfitStartsALineOfItsOwn_data()
{
    QTest::addColumn<QByteArray>("ending");  // after the fixture's last entry
    QTest::addColumn<QByteArray>("joint");   // what saving puts before the new heading

    QTest::newRow("no line end") << QByteArray("") << QByteArray("\r\n");
    QTest::newRow("CR LF") << QByteArray("\r\n") << QByteArray();
    QTest::newRow("LF alone") << QByteArray("\n") << QByteArray();
    QTest::newRow("CR alone") << QByteArray("\r") << QByteArray();
}

void OutfitsTest::savedOutfitStartsALineOfItsOwn()
{
    QFETCH(QByteArray, ending);
    QFETCH(QByteArray, joint);
    const QByteArray old = fixture("LastLineWithoutLineEnd.Outfit") + ending;
    QVERIFY(old.contains("Red shoes"));
    start(old);
    wear({"Sun hat", "Summer dress"});
    typeName("Picnic");

    clickButton(window_->SaveOutfit);
    QCOMPARE(folder_->read(kOutfitFile), old + joint + "OUTFIT: Picnic\r\nSun hat\r\nSummer dress\r\n");
    QCOMPARE(entries(window_->OutfitList), QStringList({"Beach", "Shoes", "Picnic"}));
    clickEntry(window_->OutfitList, 1);
    QCOMPARE(entries(window_->Dressed), QStringList({"Striped top", "Red shoes"}));
    clickEntry(window_->OutfitList, 2);
    QCOMPARE(entries(window_->Dressed), QStringList({"Sun hat", "Summer dress"}));
    QVERIFY(shows({"Sun hat", "Summer dress"}));
}

void OutfitsTest::savingRefused_data()
{
    QTest::addColumn<QString>("savedFirst");  // saved through the window first; empty: nothing
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("text");
    QTest::addColumn<int>("left");

    QTest::newRow("no name") << "" << "" << 40 << 300;
    QTest::newRow("a listed name") << "" << "Beach" << 41 << 230;
    QTest::newRow("a listed name in small letters") << "" << "beach" << 41 << 230;
    QTest::newRow("a listed name in capitals") << "" << "BEACH" << 41 << 230;
    QTest::newRow("saved twice, the second time in other case") << "Picnic" << "pICNIC" << 41 << 230;
}

void OutfitsTest::savingRefused()
{
    QFETCH(QString, savedFirst);
    QFETCH(QString, name);
    QFETCH(int, text);
    QFETCH(int, left);

    start(fixture("ThreeOutfits.Outfit"));
    wear({"Sun hat"});
    if (!savedFirst.isEmpty()) {
        typeName(savedFirst);
        clickButton(window_->SaveOutfit);
        QCOMPARE(entries(window_->OutfitList).last(), savedFirst);
    }
    clickEntry(window_->Dressed, 0);
    typeName(name);
    QVERIFY(window_->SaveOutfit->Enabled());
    window_->Warnings->setLeft(230);
    const QByteArray old = folder_->read(kOutfitFile);
    const QStringList listed = entries(window_->OutfitList);
    QVERIFY(!window_->State.Texts[text].isEmpty());
    QVERIFY(window_->State.Texts[40] != window_->State.Texts[41]);

    clickButton(window_->SaveOutfit);
    QCOMPARE(folder_->beeps(), 1);
    QCOMPARE(window_->Warnings->Caption(), window_->State.Texts[text]);
    QCOMPARE(window_->Warnings->Left(), left);
    QCOMPARE(folder_->read(kOutfitFile), old);
    QCOMPARE(entries(window_->OutfitList), listed);
    QCOMPARE(window_->NameOfOutfit->Text(), name);
    QCOMPARE(entries(window_->Dressed), QStringList{"Sun hat"});
}

// ---- Loading

void OutfitsTest::loading_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("worn");

    const QStringList three{"Beach", "Office", "Evening"};
    QTest::newRow("first of three") << "ThreeOutfits.Outfit" << three << 0 << QStringList{"Sun hat", "Summer dress"};
    QTest::newRow("middle of three") << "ThreeOutfits.Outfit" << three << 1
                                     << QStringList{"Summer dress", "Striped top"};
    QTest::newRow("last of three, to the last line")
        << "ThreeOutfits.Outfit" << three << 2 << QStringList{"Striped top", "Summer dress", "Red shoes"};
    QTest::newRow("last line without a line end")
        << "LastLineWithoutLineEnd.Outfit" << QStringList{"Beach", "Shoes"} << 1
        << QStringList{"Striped top", "Red shoes"};
    QTest::newRow("no entries, between two")
        << "EmptyOutfitBetween.Outfit" << QStringList{"Beach", "Nothing", "Office"} << 1 << QStringList();
    QTest::newRow("no entries, last")
        << "EmptyOutfitLast.Outfit" << QStringList{"Beach", "Office", "Nothing"} << 2 << QStringList();
    QTest::newRow("an entry with the heading word is a heading")
        << "EntryReadAsHeading.Outfit" << QStringList{"Beach", "Summer dress"} << 0 << QStringList{"Sun hat"};
    QTest::newRow("after an entry read as a heading")
        << "EntryReadAsHeading.Outfit" << QStringList{"Beach", "Summer dress"} << 1 << QStringList{"Red shoes"};
    QTest::newRow("the heading word without its blank is an entry")
        << "HeadingWordWithoutBlank.Outfit" << QStringList{"Beach", "ummer dress", "Shoes"} << 0
        << QStringList{"Sun hat", "OUTFIT:Summer dress"};
    QTest::newRow("items gone from the wardrobe")
        << "GoneFromWardrobe.Outfit" << QStringList{"Old things"} << 0
        << QStringList{"Sun hat", "Velvet cape", "Red shoes"};
    QTest::newRow("headings compared with letter case")
        << "HeadingsDifferingInCase.Outfit" << QStringList{"BEACH", "Beach"} << 1 << QStringList{"Sun hat"};
    QTest::newRow("same heading twice: the first is put on")
        << "TwoAdjacentSameHeading.Outfit" << QStringList{"Beach", "Beach", "Office"} << 1 << QStringList{"Sun hat"};
    QTest::newRow("an empty line is an entry")
        << "EmptyLineAmongEntries.Outfit" << QStringList{"Beach", "Office"} << 0
        << QStringList{"Sun hat", "", "Red shoes"};
}

void OutfitsTest::loading()
{
    QFETCH(QString, file);
    QFETCH(QStringList, listed);
    QFETCH(int, row);
    QFETCH(QStringList, worn);

    const QByteArray bytes = fixture(file);
    QVERIFY(!bytes.isEmpty());
    start(bytes);
    QCOMPARE(entries(window_->OutfitList), listed);

    // A worn item that the outfit does not hold, then a wardrobe preview
    // with its marks, a pixel painted by hand and shifted items.
    wear({"Pleated skirt"});
    clickEntry(window_->Wardrobe, entries(window_->Wardrobe).indexOf("Pleated skirt"));
    QCOMPARE(window_->State.DressingMark, QStringLiteral("#"));
    const QPoint hand(199, 449);
    window_->BodyPic->PSet(hand.x(), hand.y(), Colour::rgb(1, 2, 3));
    window_->State.ItemShiftX = 7;
    window_->State.ItemShiftY = -4;
    window_->DeleteOutfit->setEnabled(false);
    QVERIFY(window_->SaveOutfit->Enabled());

    clickEntry(window_->OutfitList, row);
    QCOMPARE(entries(window_->Dressed), worn);
    QCOMPARE(window_->Dressed->ListIndex(), -1);
    QCOMPARE(window_->BodyPic->Point(hand.x(), hand.y()), Colour::fromQRgb(bare_.pixel(hand)));
    QVERIFY(shows(worn));
    QVERIFY(!window_->SaveOutfit->Enabled());
    QVERIFY(window_->DeleteOutfit->Enabled());
    QCOMPARE(window_->State.DressingMark, QString());
    QCOMPARE(window_->State.ItemShiftX, 0);
    QCOMPARE(window_->State.ItemShiftY, 0);
    QCOMPARE(window_->State.CurrentItemName, QString());
    QCOMPARE(folder_->read(kOutfitFile), bytes);
    QCOMPARE(folder_->beeps(), 0);
}

// ---- Deleting

void OutfitsTest::deleting_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("row");  // -1: clicked, then nothing selected
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("first") << "ThreeOutfits.Outfit" << 0 << "ThreeOutfitsFirstDeleted.Outfit"
                           << QStringList{"Office", "Evening"};
    QTest::newRow("middle") << "ThreeOutfits.Outfit" << 1 << "ThreeOutfitsMiddleDeleted.Outfit"
                            << QStringList{"Beach", "Evening"};
    QTest::newRow("last") << "ThreeOutfits.Outfit" << 2 << "ThreeOutfitsLastDeleted.Outfit"
                          << QStringList{"Beach", "Office"};
    QTest::newRow("last, without entries") << "EmptyOutfitLast.Outfit" << 2 << "EmptyOutfitLastDeleted.Outfit"
                                           << QStringList{"Beach", "Office"};
    QTest::newRow("followed by one without entries at the end")
        << "EmptyOutfitLast.Outfit" << 1 << "EmptyOutfitLastOneBeforeDeleted.Outfit"
        << QStringList{"Beach", "Nothing"};
    QTest::newRow("same heading twice, first clicked")
        << "TwoAdjacentSameHeading.Outfit" << 0 << "TwoAdjacentSameHeadingFirstDeleted.Outfit"
        << QStringList{"Beach", "Office"};
    QTest::newRow("same heading twice, second clicked")
        << "TwoAdjacentSameHeading.Outfit" << 1 << "TwoAdjacentSameHeadingFirstDeleted.Outfit"
        << QStringList{"Beach", "Office"};
    QTest::newRow("nothing selected") << "ThreeOutfits.Outfit" << -1 << "ThreeOutfits.Outfit"
                                      << QStringList{"Beach", "Office", "Evening"};
    QTest::newRow("nothing selected, an empty line among the entries")
        << "EmptyLineAmongEntries.Outfit" << -1 << "EmptyLineAmongEntries.Outfit" << QStringList{"Beach", "Office"};
}

void OutfitsTest::deleting()
{
    QFETCH(QString, file);
    QFETCH(int, row);
    QFETCH(QString, after);
    QFETCH(QStringList, listed);

    start(fixture(file));
    const QStringList filesBefore = projectFiles();
    clickEntry(window_->OutfitList, qMax(row, 0));
    if (row < 0)
        window_->OutfitList->setListIndex(-1);
    window_->Dressed->AddItem("Red shoes");
    window_->BodyPic->PSet(10, 10, Colour::rgb(1, 2, 3));
    window_->SaveOutfit->setEnabled(true);
    QVERIFY(window_->DeleteOutfit->Enabled());

    clickButton(window_->DeleteOutfit);
    QCOMPARE(folder_->read(kOutfitFile), fixture(after));
    QVERIFY(!folder_->exists(kWorkingFile));
    QCOMPARE(projectFiles(), filesBefore);
    QCOMPARE(window_->Dressed->ListCount(), 0);
    QCOMPARE(window_->BodyPic->surface().convertToFormat(bare_.format()), bare_);
    QCOMPARE(entries(window_->OutfitList), listed);
    QCOMPARE(window_->OutfitList->ListIndex(), -1);
    QVERIFY(!window_->SaveOutfit->Enabled());
    QVERIFY(!window_->DeleteOutfit->Enabled());
    QCOMPARE(folder_->beeps(), 0);
}

// ---- The name box

void OutfitsTest::nameBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("dressed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("saveEnabled");

    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDE");
    QTest::newRow("31 characters leave 29") << letters << true << letters.left(29) << true;
    QTest::newRow("30 characters stay") << letters.left(30) << true << letters.left(30) << true;
    QTest::newRow("a blank alone is taken away") << " " << true << "" << true;
    QTest::newRow("two blanks are taken away") << "  " << true << "" << true;
    QTest::newRow("a name cannot start with a blank") << " Beach" << true << "Beach" << true;
    QTest::newRow("a blank after a letter stays") << "a b " << true << "a b " << true;
    QTest::newRow("nothing worn: no saving") << "Beach" << false << "Beach" << false;
}

void OutfitsTest::nameBox()
{
    QFETCH(QString, typed);
    QFETCH(bool, dressed);
    QFETCH(QString, text);
    QFETCH(bool, saveEnabled);

    start();
    if (dressed)
        wear({"Sun hat"});
    window_->SaveOutfit->setEnabled(!saveEnabled);
    window_->Warnings->setCaption("old");

    typeName(typed);
    QCOMPARE(window_->NameOfOutfit->Text(), text);
    QCOMPARE(window_->SaveOutfit->Enabled(), saveEnabled);
    QCOMPARE(window_->Warnings->Caption(), QString());
    QCOMPARE(folder_->beeps(), 0);
}

// ---- Missing and damaged outfit files

void OutfitsTest::missingOutfitFile()
{
    folder_->remove(kOutfitFile);
    const QStringList filesBefore = projectFiles();
    start();
    QCOMPARE(window_->OutfitList->ListCount(), 0);
    window_->FillOutfitList();
    QCOMPARE(window_->OutfitList->ListCount(), 0);
    QVERIFY(!folder_->exists(kOutfitFile));

    // The file goes away while its outfits are listed.
    folder_->write(kOutfitFile, fixture("ThreeOutfits.Outfit"));
    window_->FillOutfitList();
    QCOMPARE(window_->OutfitList->ListCount(), 3);
    folder_->remove(kOutfitFile);
    wear({"Pleated skirt"});
    window_->BodyPic->PSet(10, 10, Colour::rgb(1, 2, 3));

    clickEntry(window_->OutfitList, 0);
    QCOMPARE(entries(window_->Dressed), QStringList{"Pleated skirt"});
    QCOMPARE(window_->BodyPic->Point(10, 10), Colour::fromQRgb(bare_.pixel(10, 10)));
    QVERIFY(shows({"Pleated skirt"}));
    QVERIFY(window_->DeleteOutfit->Enabled());
    QVERIFY(!folder_->exists(kOutfitFile));
    QCOMPARE(projectFiles(), filesBefore);
}

void OutfitsTest::damagedOutfitFileIsOnlyRead()
{
    const QByteArray junk = fixture("BinaryJunk.Outfit");
    QVERIFY(!junk.isEmpty());
    start(junk);
    const QStringList filesBefore = projectFiles();
    QCOMPARE(entries(window_->OutfitList),
             QStringList({"Beach", "", "ight", QStringLiteral("Caf\u00e9 \u20ac"),
                          "Long" + QString(96, QLatin1Char('o')), "Last"}));
    QCOMPARE(folder_->read(kOutfitFile), junk);

    clickEntry(window_->OutfitList, 5);
    QCOMPARE(entries(window_->Dressed), QStringList{"Red shoes"});
    QVERIFY(shows({"Red shoes"}));
    clickEntry(window_->OutfitList, 0);
    QCOMPARE(entries(window_->Dressed).first(), QStringLiteral("Sun hat"));
    QCOMPARE(folder_->read(kOutfitFile), junk);
    QCOMPARE(projectFiles(), filesBefore);
    QCOMPARE(folder_->beeps(), 0);
}

QTEST_MAIN(OutfitsTest)
#include "tst_outfits.moc"
