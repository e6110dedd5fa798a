// Dressing: the worn list, its layered repaint and the two marks that
// decide when a click in the list repaints, and the four buttons that
// reorder the worn list. Everything is driven through the real widgets.
#include "TestSupport.h"
#include "formats/picture/Colour.h"

#include <QtTest>

#include <algorithm>

namespace {

// Colours whose red and blue differ, so that a swap of the two shows.
constexpr int kRed = 255;                 // Alpha
constexpr int kBlue = 16711680;           // Beta
constexpr int kMixed = 0x123456;          // Gamma: red 0x56, green 0x34, blue 0x12
constexpr int kHand = Colour::rgb(1, 2, 3);  // painted by hand in the tests

struct Pixel {
    int colour, x, y;  // x and y inside the item's picture
};

QByteArray numberLine(int value)
{
    return (value < 0 ? "-" : " ") + QByteArray::number(qAbs(value)) + " ";
}

// One record of the item data file, byte for byte.
QByteArray itemRecord(const QByteArray& name, int offsetX, int offsetY, const QList<Pixel>& pixels)
{
    const QByteArray separator(38, '-');
    QByteArray bytes = "ITEM: " + name + "\r\n" + separator + "\r\n" + numberLine(offsetX) + "\r\n" +
                       numberLine(offsetY) + "\r\n" + numberLine(1) + "\r\n" + separator + "\r\n";
    for (const Pixel& p : pixels)
        bytes += numberLine(p.colour) + numberLine(p.x) + numberLine(p.y) + "\r\n";
    return bytes + "-------------- END ------------------\r\n";
}

// Points on BodyPic. Every item has a pixel of its own; each pair of items
// shares one pixel, and all three share one.
const QPoint kOwnA(20, 40), kOwnB(30, 50), kOwnC(40, 60);
const QPoint kAll(60, 100), kAB(61, 100), kAC(62, 100), kBC(63, 100);
const QPoint kUntouched(150, 400);  // no item paints here

struct Item {
    QString name;
    int colour;
    QPoint offset;
    QList<QPoint> points;  // on BodyPic
};

const Item kItems[] = {
    {"Alpha", kRed, {20, 40}, {kOwnA, kAll, kAB, kAC}},
    {"Beta", kBlue, {30, 50}, {kOwnB, kAll, kAB, kBC}},
    {"Gamma", kMixed, {40, 60}, {kOwnC, kAll, kAC, kBC}},
};

const Item& item(const QString& name)
{
    for (const Item& it : kItems)
        if (it.name == name)
            return it;
    return kItems[0];
}

// The three items, stored column by column as capturing stores them.
QByteArray itemData()
{
    QByteArray bytes;
    for (const Item& it : kItems) {
        QList<Pixel> pixels;
        for (const QPoint& p : it.points)
            pixels.append({it.colour, p.x() - it.offset.x(), p.y() - it.offset.y()});
        std::sort(pixels.begin(), pixels.end(),
                  [](const Pixel& a, const Pixel& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
        bytes += itemRecord(it.name.toLatin1(), it.offset.x(), it.offset.y(), pixels);
    }
    return bytes;
}

QStringList entries(const ListBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->ListCount(); ++i)
        texts.append(list->List(i));
    return texts;
}

// The points the items paint, and the colour one of them shows with the
// worn items painted in this order over the bare body.
const QPoint kPainted[] = {kOwnA, kOwnB, kOwnC, kAll, kAB, kAC, kBC};

int expectedAt(const QPoint& p, const QStringList& order, const QImage& bare)
{
    int colour = Colour::fromQRgb(bare.pixel(p));
    for (const QString& name : order)
        if (item(name).points.contains(p))
            colour = item(name).colour;
    return colour;
}

}  // namespace

class DressingTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void wardrobeClickShowsOneItemAlone();
    void dressedClickPaintsEveryLayer_data();
    void dressedClickPaintsEveryLayer();
    void marksThroughADressingSequence();
    void dressItemRefusesSilently_data();
    void dressItemRefusesSilently();
    void dressItemComparesNamesExactly();
    void removeItem();
    void removeItemWithoutSelection();
    void removeAllItemsLeavesTheBareBody();
    void entryNotInTheStorePaintsNothing_data();
    void entryNotInTheStorePaintsNothing();

    void reorder_data();
    void reorder();
    void reorderALongList();

private:
    void clickEntry(ListBox* list, int row);
    void clickWardrobe(const QString& name);
    void clickButton(Button* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Puts the items on through Wardrobe and DressItem, then repaints with
    // a click on the first worn entry.
    void wear(const QStringList& names);
    int at(const QPoint& p) const { return window_->BodyPic->Point(p.x(), p.y()); }
    int bareAt(const QPoint& p) const { return Colour::fromQRgb(bare_.pixel(p)); }
    bool showsOrder(const QStringList& order) const;

    std::unique_ptr<DataFolderFixture> folder_;
    std::unique_ptr<Form1> window_;
    QImage bare_;  // BodyPic as start-up leaves it
};

void DressingTest::init()
{
    folder_ = std::make_unique<DataFolderFixture>();
    QVERIFY(folder_->isValid());
    folder_->write("Projects/Default.Data", itemData());
    window_ = folder_->start();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->LetsGo->click();
    QCOMPARE(entries(window_->Wardrobe), QStringList({"Alpha", "Beta", "Gamma"}));
    QVERIFY(window_->Dressed->Visible() && window_->Dressed->Enabled());
    bare_ = window_->BodyPic->surface().copy();
    QCOMPARE(bare_.size(), QSize(200, 450));
    // The body must differ from every item colour where the items paint.
    for (const Item& it : kItems)
        for (const QPoint& p : it.points)
            for (int colour : {kRed, kBlue, kMixed, kHand})
                QVERIFY(bareAt(p) != colour);
    folder_->resetBeeps();
}

void DressingTest::cleanup()
{
    window_.reset();
    folder_.reset();
}

void DressingTest::clickEntry(ListBox* list, int row)
{
    QVERIFY(row >= 0 && row < list->ListCount());
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QCOMPARE(list->ListIndex(), row);
}

void DressingTest::clickWardrobe(const QString& name)
{
    clickEntry(window_->Wardrobe, entries(window_->Wardrobe).indexOf(name));
}

void DressingTest::wear(const QStringList& names)
{
    for (const QString& name : names) {
        clickWardrobe(name);
        clickButton(window_->DressItem);
    }
    QCOMPARE(entries(window_->Dressed), names);
    clickEntry(window_->Dressed, 0);
    QVERIFY(showsOrder(names));
}

bool DressingTest::showsOrder(const QStringList& order) const
{
    bool shown = true;
    for (const QPoint& p : kPainted) {
        const int expected = expectedAt(p, order, bare_);
        if (at(p) != expected) {
            qWarning("at (%d, %d): %d, expected %d", p.x(), p.y(), at(p), expected);
            shown = false;
        }
    }
    return shown;
}

// ---- Putting items on

void DressingTest::wardrobeClickShowsOneItemAlone()
{
    wear({"Alpha", "Gamma"});
    clickWardrobe("Beta");
    // Beta alone at its offset plus pixel position; the worn items are gone.
    QVERIFY(showsOrder({"Beta"}));
    QCOMPARE(at(kOwnB), kBlue);
    QCOMPARE(at(kOwnA), bareAt(kOwnA));
    QCOMPARE(at(kOwnC), bareAt(kOwnC));
    QCOMPARE(window_->State.PictureMark, QStringLiteral("7"));
    QCOMPARE(window_->State.DressingMark, QStringLiteral("#"));
    QCOMPARE(window_->State.OffsetX, 30);
    QCOMPARE(window_->State.OffsetY, 50);
    QCOMPARE(entries(window_->Dressed), QStringList({"Alpha", "Gamma"}));
}

void DressingTest::dressedClickPaintsEveryLayer_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<int>("clicked");
    QTest::newRow("Alpha under Beta") << QStringList{"Alpha", "Beta"} << 0;
    QTest::newRow("Beta under Alpha") << QStringList{"Beta", "Alpha"} << 0;
    QTest::newRow("three, last entry clicked") << QStringList{"Gamma", "Alpha", "Beta"} << 2;
}

void DressingTest::dressedClickPaintsEveryLayer()
{
    QFETCH(QStringList, order);
    QFETCH(int, clicked);
    for (const QString& name : order) {
        clickWardrobe(name);
        QVERIFY(showsOrder({name}));
        const QPoint own = item(name).points.first();
        window_->BodyPic->PSet(own.x(), own.y(), kHand);
        clickButton(window_->DressItem);
        // Nothing painted yet.
        QCOMPARE(at(own), kHand);
        QCOMPARE(window_->State.PictureMark, QStringLiteral("-"));
    }
    QCOMPARE(entries(window_->Dressed), order);
    window_->SaveOutfit->setEnabled(false);
    window_->SaveOutfit->setVisible(false);

    clickEntry(window_->Dressed, clicked);
    QVERIFY(showsOrder(order));
    QCOMPARE(at(kAll), item(order.last()).colour);
    QCOMPARE(window_->State.PictureMark, QStringLiteral("#"));
    QCOMPARE(window_->State.CurrentItemName, QString());
    QVERIFY(window_->SaveOutfit->Enabled() && window_->SaveOutfit->Visible());

    // The marks are equal now: a second click leaves the picture alone.
    window_->BodyPic->PSet(kAll.x(), kAll.y(), kHand);
    clickEntry(window_->Dressed, order.size() - 1 - clicked);
    QCOMPARE(at(kAll), kHand);
    QCOMPARE(folder_->beeps(), 0);
}

void DressingTest::marksThroughADressingSequence()
{
    const EditorState& s = window_->State;
    auto marks = [&s] { return QStringList{s.PictureMark, s.DressingMark}; };
    QCOMPARE(marks(), QStringList({"", ""}));

    clickWardrobe("Alpha");
    QCOMPARE(marks(), QStringList({"7", "#"}));
    clickButton(window_->DressItem);
    QCOMPARE(marks(), QStringList({"-", "#"}));
    clickWardrobe("Beta");
    QCOMPARE(marks(), QStringList({"7", "#"}));
    clickButton(window_->DressItem);
    QCOMPARE(marks(), QStringList({"-", "#"}));
    clickEntry(window_->Dressed, 1);
    QCOMPARE(marks(), QStringList({"#", "#"}));
    clickButton(window_->RemoveItem);
    QCOMPARE(marks(), QStringList({"#", ""}));
    QCOMPARE(entries(window_->Dressed), QStringList({"Alpha"}));
    clickEntry(window_->Dressed, 0);
    QCOMPARE(marks(), QStringList({"", ""}));
    clickWardrobe("Gamma");
    clickButton(window_->DressItem);
    QCOMPARE(marks(), QStringList({"-", "#"}));
    clickButton(window_->RemoveAllItems);
    QCOMPARE(marks(), QStringList({"", ""}));
    QCOMPARE(window_->Dressed->ListCount(), 0);
    QCOMPARE(folder_->beeps(), 0);
}

void DressingTest::dressItemRefusesSilently_data()
{
    QTest::addColumn<QString>("selected");  // Wardrobe entry clicked last; empty: none
    QTest::addColumn<bool>("emptyNameStored");
    QTest::newRow("already worn") << "Alpha" << false;
    QTest::newRow("no wardrobe selection") << "" << false;
    QTest::newRow("selected entry has an empty name") << "" << true;
}

void DressingTest::dressItemRefusesSilently()
{
    QFETCH(QString, selected);
    QFETCH(bool, emptyNameStored);
    if (emptyNameStored) {
        folder_->write("Projects/Default.Data", itemRecord("", 0, 0, {{kRed, 0, 0}}) + itemData());
        window_->RebuildItemTable();
        window_->FillWardrobeList();
        QCOMPARE(entries(window_->Wardrobe), QStringList({"", "Alpha", "Beta", "Gamma"}));
    }
    wear({"Alpha", "Beta"});
    if (emptyNameStored)
        clickEntry(window_->Wardrobe, 0);
    else if (selected.isEmpty())
        window_->Wardrobe->setListIndex(-1);
    else
        clickWardrobe(selected);
    const QString pictureMark = window_->State.PictureMark;
    const QString dressingMark = window_->State.DressingMark;

    clickButton(window_->DressItem);
    QCOMPARE(entries(window_->Dressed), QStringList({"Alpha", "Beta"}));
    QCOMPARE(window_->State.PictureMark, pictureMark);
    QCOMPARE(window_->State.DressingMark, dressingMark);
    QCOMPARE(folder_->beeps(), 0);
}

void DressingTest::dressItemComparesNamesExactly()
{
    folder_->write("Projects/Default.Data", itemData() + itemRecord("alpha", 0, 0, {{kRed, 0, 0}}));
    window_->RebuildItemTable();
    window_->FillWardrobeList();
    wear({"Alpha"});
    clickWardrobe("alpha");
    clickButton(window_->DressItem);
    QCOMPARE(entries(window_->Dressed), QStringList({"Alpha", "alpha"}));
    QCOMPARE(window_->State.PictureMark, QStringLiteral("-"));
}

// ---- Taking items off

void DressingTest::removeItem()
{
    wear({"Alpha", "Beta", "Gamma"});
    clickEntry(window_->Dressed, 2);
    window_->BodyPic->PSet(kUntouched.x(), kUntouched.y(), kHand);

    clickButton(window_->RemoveItem);
    QCOMPARE(entries(window_->Dressed), QStringList({"Alpha", "Beta"}));
    QCOMPARE(window_->Dressed->ListIndex(), -1);
    // Cleared, then the rest painted again.
    QCOMPARE(at(kUntouched), bareAt(kUntouched));
    QVERIFY(showsOrder({"Alpha", "Beta"}));
    QCOMPARE(window_->State.CurrentItemName, QString());
    QCOMPARE(folder_->beeps(), 0);

    // Nothing is selected now.
    clickButton(window_->RemoveItem);
    QCOMPARE(folder_->beeps(), 1);
    QCOMPARE(entries(window_->Dressed), QStringList({"Alpha", "Beta"}));

    // Taking off the last worn item leaves the bare body.
    clickEntry(window_->Dressed, 0);
    clickButton(window_->RemoveItem);
    clickEntry(window_->Dressed, 0);
    clickButton(window_->RemoveItem);
    QCOMPARE(window_->Dressed->ListCount(), 0);
    QVERIFY(showsOrder({}));
    QCOMPARE(window_->State.CurrentItemName, QString());

    clickButton(window_->RemoveItem);
    QCOMPARE(folder_->beeps(), 2);
}

void DressingTest::removeItemWithoutSelection()
{
    wear({"Alpha", "Beta"});
    QCOMPARE(window_->State.DressingMark, QStringLiteral("#"));
    window_->Dressed->setListIndex(-1);
    window_->BodyPic->PSet(kAll.x(), kAll.y(), kHand);

    clickButton(window_->RemoveItem);
    QCOMPARE(folder_->beeps(), 1);
    QCOMPARE(entries(window_->Dressed), QStringList({"Alpha", "Beta"}));
    QCOMPARE(window_->State.DressingMark, QString());
    QCOMPARE(window_->State.PictureMark, QStringLiteral("#"));
    QCOMPARE(at(kAll), kHand);

    // The marks differ now, so the next click repaints.
    clickEntry(window_->Dressed, 0);
    QCOMPARE(at(kAll), kBlue);
    QCOMPARE(window_->State.PictureMark, QString());
}

void DressingTest::removeAllItemsLeavesTheBareBody()
{
    wear({"Alpha", "Beta", "Gamma"});
    window_->BodyPic->PSet(kUntouched.x(), kUntouched.y(), kHand);
    window_->SaveOutfit->setEnabled(false);

    clickButton(window_->RemoveAllItems);
    QCOMPARE(window_->Dressed->ListCount(), 0);
    QVERIFY(window_->BodyPic->surface() == bare_);
    QCOMPARE(at(kAll), bareAt(kAll));
    QCOMPARE(window_->State.PictureMark, QString());
    QCOMPARE(window_->State.DressingMark, QString());
    QVERIFY(!window_->SaveOutfit->Enabled());

    // Also on an empty list: no beep.
    clickButton(window_->RemoveAllItems);
    QCOMPARE(folder_->beeps(), 0);
    QVERIFY(window_->BodyPic->surface() == bare_);
}

void DressingTest::entryNotInTheStorePaintsNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("unknown name") << "Ghost";
    QTest::newRow("start of a stored name") << "Alp";
    QTest::newRow("stored name in other case") << "ALPHA";
    QTest::newRow("stored name with a trailing blank") << "Alpha ";
}

void DressingTest::entryNotInTheStorePaintsNothing()
{
    QFETCH(QString, entry);
    clickWardrobe("Beta");
    const QImage betaAlone = window_->BodyPic->surface().copy();

    window_->Dressed->AddItem(entry);
    clickEntry(window_->Dressed, 0);
    QVERIFY(window_->BodyPic->surface() == bare_);
    QCOMPARE(window_->State.CurrentItemName, QString());

    clickWardrobe("Beta");
    clickButton(window_->DressItem);
    QCOMPARE(entries(window_->Dressed), QStringList({entry, "Beta"}));
    clickEntry(window_->Dressed, 1);
    QVERIFY(window_->BodyPic->surface() == betaAlone);
    QCOMPARE(window_->State.CurrentItemName, QString());
}

// ---- Reordering

namespace {
enum Move { LayerUp, LayerDown, UpList, DownList };
const char* const kMoveNames[] = {"MoveLayerUp", "MoveLayerDown", "MoveUpList", "MoveDownList"};

Button* moveButton(Form1& window, int move)
{
    switch (move) {
    case LayerUp: return window.MoveLayerUp;
    case LayerDown: return window.MoveLayerDown;
    case UpList: return window.MoveUpList;
    default: return window.MoveDownList;
    }
}
}  // namespace

void DressingTest::reorder_data()
{
    QTest::addColumn<int>("move");
    QTest::addColumn<QStringList>("worn");
    QTest::addColumn<int>("selected");  // -1: none
    QTest::addColumn<QStringList>("after");  // empty: refused with a beep

    const QStringList two{"Alpha", "Beta"}, three{"Alpha", "Beta", "Gamma"};
    auto row = [](int move, const char* what) -> QTestData& {
        return QTest::addRow("%s: %s", kMoveNames[move], what) << move;
    };

    row(LayerUp, "second of two becomes first") << two << 1 << QStringList{"Beta", "Alpha"};
    row(LayerUp, "second of three becomes first") << three << 1 << QStringList{"Beta", "Alpha", "Gamma"};
    row(LayerUp, "last of three") << three << 2 << QStringList{"Alpha", "Gamma", "Beta"};
    row(LayerDown, "second-to-last becomes last") << three << 1 << QStringList{"Alpha", "Gamma", "Beta"};
    row(LayerDown, "first of two") << two << 0 << QStringList{"Beta", "Alpha"};
    row(UpList, "last of three becomes first") << three << 2 << QStringList{"Gamma", "Alpha", "Beta"};
    row(UpList, "middle of three") << three << 1 << QStringList{"Beta", "Alpha", "Gamma"};
    row(DownList, "first of three becomes last") << three << 0 << QStringList{"Beta", "Gamma", "Alpha"};
    row(DownList, "middle of three") << three << 1 << QStringList{"Alpha", "Gamma", "Beta"};

    for (int move : {LayerUp, LayerDown, UpList, DownList}) {
        row(move, "single entry") << QStringList{"Beta"} << 0 << QStringList();
        row(move, "no selection") << three << -1 << QStringList();
    }
    row(LayerUp, "first entry") << three << 0 << QStringList();
    row(UpList, "first entry") << three << 0 << QStringList();
    row(LayerDown, "last entry") << three << 2 << QStringList();
    row(DownList, "last entry") << three << 2 << QStringList();
}

void DressingTest::reorder()
{
    QFETCH(int, move);
    QFETCH(QStringList, worn);
    QFETCH(int, selected);
    QFETCH(QStringList, after);
    const bool refused = after.isEmpty();

    wear(worn);
    if (selected >= 0)
        clickEntry(window_->Dressed, selected);
    else
        window_->Dressed->setListIndex(-1);
    // A pixel painted by hand shows whether the picture is cleared.
    window_->BodyPic->PSet(kUntouched.x(), kUntouched.y(), kHand);
    window_->State.CurrentItemName = QStringLiteral("Alpha");
    const QString pictureMark = window_->State.PictureMark;
    QCOMPARE(pictureMark, QStringLiteral("#"));

    clickButton(moveButton(*window_, move));
    QCOMPARE(at(kUntouched), kHand);
    QCOMPARE(window_->State.PictureMark, pictureMark);
    if (refused) {
        QCOMPARE(folder_->beeps(), 1);
        QCOMPARE(entries(window_->Dressed), worn);
        QCOMPARE(window_->Dressed->ListIndex(), selected);
        QCOMPARE(window_->State.DressingMark, QStringLiteral("#"));
        QCOMPARE(window_->State.CurrentItemName, QStringLiteral("Alpha"));
        QVERIFY(showsOrder(worn));
        return;
    }
    QCOMPARE(folder_->beeps(), 0);
    QCOMPARE(entries(window_->Dressed), after);
    QCOMPARE(window_->Dressed->ListIndex(), -1);
    QCOMPARE(window_->State.DressingMark, QString());
    QCOMPARE(window_->State.CurrentItemName, QString());
    QVERIFY(showsOrder(after));

    // The rebuild left nothing selected.
    clickButton(moveButton(*window_, move));
    QCOMPARE(folder_->beeps(), 1);
    QCOMPARE(entries(window_->Dressed), after);
}

void DressingTest::reorderALongList()
{
    QStringList expected;
    for (int i = 0; i < 150; ++i)
        expected.append(QStringLiteral("Layer %1").arg(i, 3, 10, QLatin1Char('0')));
    for (const QString& entry : expected)
        window_->Dressed->AddItem(entry);
    QCOMPARE(window_->Dressed->ListCount(), 150);

    clickEntry(window_->Dressed, 120);
    clickButton(window_->MoveUpList);
    expected.move(120, 0);
    QCOMPARE(entries(window_->Dressed), expected);

    clickEntry(window_->Dressed, 5);
    clickButton(window_->MoveDownList);
    expected.move(5, 149);
    QCOMPARE(entries(window_->Dressed), expected);

    clickEntry(window_->Dressed, 130);
    clickButton(window_->MoveLayerDown);
    expected.swapItemsAt(130, 131);
    QCOMPARE(entries(window_->Dressed), expected);

    clickEntry(window_->Dressed, 149);
    clickButton(window_->MoveLayerUp);
    expected.swapItemsAt(148, 149);
    QCOMPARE(entries(window_->Dressed), expected);
    QCOMPARE(folder_->beeps(), 0);
}

QTEST_MAIN(DressingTest)
#include "tst_dressing.moc"
