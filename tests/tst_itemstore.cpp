// The item store: the item data file and item table formats byte for byte,
// the field reader, the wardrobe list, and painting one stored item,
// damaged files included.
#include "TestSupport.h"
#include "formats/picture/Colour.h"
#include "formats/text/LineReader.h"
#include "formats/wardrobe/ItemFormat.h"

#include <QtTest>

#include <limits>

namespace {

QByteArray fixture(const QString& name)
{
    QFile file(QFINDTESTDATA("fixtures/items/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray record(const QByteArray& name, int x, int y, const QList<std::array<int, 3>>& pixels, bool end = true)
{
    QByteArray bytes = "ITEM: " + name + "\r\n" + ItemFormat::kSeparator + "\r\n" + ItemFormat::numberLine(x) +
                       "\r\n" + ItemFormat::numberLine(y) + "\r\n 1 \r\n" + ItemFormat::kSeparator + "\r\n";
    for (const auto& p : pixels)
        bytes += ItemFormat::pixelLine(p[0], p[1], p[2]);
    if (end)
        bytes += QByteArray(ItemFormat::kEndLine) + "\r\n";
    return bytes;
}

// A started window whose default project holds data (and, when given, table).
std::unique_ptr<Form1> windowWith(DataFolderFixture& folder, const QByteArray& data,
                                  const QByteArray& table = QByteArray())
{
    folder.write("Projects/Default.Data", data);
    auto window = folder.start();  // start-up rebuilds the table
    if (!table.isNull())
        folder.write("Projects/Default.Table", table);
    return window;
}

// Paints name alone on the bare body, as a click in the wardrobe does.
void paintAlone(Form1& window, const QString& name)
{
    window.BodyPic->Cls();
    window.State.CurrentItemName = name;
    window.DrawItem();
}

}  // namespace

class ItemStoreTest : public QObject {
    Q_OBJECT
private slots:
    void numberLines_data();
    void numberLines();
    void pixelLineOfTheExample();
    void recordOfAPicture_data();
    void recordOfAPicture();
    void numericValueOfALine_data();
    void numericValueOfALine();
    void fieldsRunAcrossLineEnds();

    void rebuildsTheTableByteForByte_data();
    void rebuildsTheTableByteForByte();
    void wardrobeListsHeadingsInAlphabeticalOrder();
    void drawsAnItemAtItsPlace();
    void drawFindsAnItemWhateverTheTableSays_data();
    void drawFindsAnItemWhateverTheTableSays();
    void drawWithShiftsAndClipping();
    void damagedDataPaintsWhatItCan_data();
    void damagedDataPaintsWhatItCan();
    void missingDataFileIsAnEmptyStore();
    void wardrobeClickShowsTheItemAlone();
};

void ItemStoreTest::numberLines_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("10") << qint64(10) << QByteArray(" 10 ");
    QTest::newRow("0") << qint64(0) << QByteArray(" 0 ");
    QTest::newRow("-3") << qint64(-3) << QByteArray("-3 ");
    QTest::newRow("white") << qint64(16777215) << QByteArray(" 16777215 ");
    QTest::newRow("highest") << std::numeric_limits<qint64>::max() << QByteArray(" 9223372036854775807 ");
    QTest::newRow("lowest") << std::numeric_limits<qint64>::min() << QByteArray("-9223372036854775808 ");
}

void ItemStoreTest::numberLines()
{
    QFETCH(qint64, value);
    QTEST(ItemFormat::numberLine(value), "line");
}

void ItemStoreTest::pixelLineOfTheExample()
{
    const QByteArray line = ItemFormat::pixelLine(16711935, 10, 20);
    QCOMPARE(line, QByteArray(" 16711935  10  20 \r\n"));
    QCOMPARE(line.size() - 2, 18);
}

void ItemStoreTest::recordOfAPicture_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("expected");

    QImage opaque(3, 2, QImage::Format_RGB32);
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            opaque.setPixel(x, y, qRgb(10 * x, 0, 100 + y));  // red varies with x, blue with y
    QByteArray pixels;
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            pixels += ItemFormat::pixelLine(Colour::rgb(10 * x, 0, 100 + y), x, y);
    const QByteArray head = QByteArray("ITEM: Top\r\n") + ItemFormat::kSeparator + "\r\n 10 \r\n 50 \r\n 1 \r\n" +
                            ItemFormat::kSeparator + "\r\n";
    const QByteArray end = QByteArray(ItemFormat::kEndLine) + "\r\n";
    QTest::newRow("3 x 2, all opaque, column by column") << opaque << Colour::Purple << head + pixels + end;

    QImage keyed(2, 2, QImage::Format_RGB32);
    keyed.fill(Colour::toQRgb(Colour::Purple));
    QTest::newRow("every pixel the key colour: seven lines") << keyed << Colour::Purple << head + end;

    keyed.setPixel(1, 0, qRgb(255, 0, 254));  // one step from the key colour is opaque
    QTest::newRow("no tolerance") << keyed << Colour::Purple
                                  << head + ItemFormat::pixelLine(Colour::rgb(255, 0, 254), 1, 0) + end;
}

void ItemStoreTest::recordOfAPicture()
{
    QFETCH(QImage, picture);
    QFETCH(int, key);
    QTEST(ItemFormat::record(QStringLiteral("Top"), 10, 50, 1, picture, key), "expected");
}

void ItemStoreTest::numericValueOfALine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("value");
    QTest::newRow("number line") << " 10 " << 10;
    QTest::newRow("negative") << "-3 " << -3;
    QTest::newRow("blanks first") << "   25" << 25;
    QTest::newRow("trailing text") << " 60 px" << 60;
    QTest::newRow("no number") << "--------" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("absurd") << " 99999999999999999999 " << std::numeric_limits<int>::max();
}

void ItemStoreTest::numericValueOfALine()
{
    QFETCH(QString, line);
    QTEST(ItemFormat::numericValue(line), "value");
}

void ItemStoreTest::fieldsRunAcrossLineEnds()
{
    QByteArray bytes = " 255  3  4 \r\n 16711680\r\n 7 \r\n 8 \r\n-------------- END ------------------\r\n"
                       "ITEM: Skirt, red\r\n 12abc  5\r\n-2,x y\r\n";
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer);
    QList<qint64> numbers;
    for (int i = 0; i < 6; ++i) {
        const LineReader::Field field = reader.readField();
        QVERIFY(field.isNumber);
        numbers.append(field.number);
    }
    QCOMPARE(numbers, QList<qint64>({255, 3, 4, 16711680, 7, 8}));
    QVERIFY(reader.readField() == QStringLiteral("-------------- END ------------------"));
    QVERIFY(reader.readField() == QStringLiteral("ITEM: Skirt"));
    QVERIFY(reader.readField() == QStringLiteral("red"));
    QVERIFY(reader.readField() == QStringLiteral("12abc  5"));
    const LineReader::Field minus = reader.readField();
    QVERIFY(minus.isNumber);
    QCOMPARE(minus.number, -2);
    QVERIFY(reader.readField() == QStringLiteral("x y"));
    QVERIFY(reader.atEnd());
}

void ItemStoreTest::rebuildsTheTableByteForByte_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("first record of 500 pixels gives 508") << "FirstOf500Pixels";
    QTest::newRow("headings in the wrong case are not indexed") << "HeadingsInWrongCase";
    QTest::newRow("a comma in a name") << "CommaInName";
}

void ItemStoreTest::rebuildsTheTableByteForByte()
{
    QFETCH(QString, name);
    DataFolderFixture folder;
    const QByteArray data = fixture(name + ".Data");
    QVERIFY(!data.isEmpty());
    auto window = windowWith(folder, data, "stale table\r\n");
    window->RebuildItemTable();
    QCOMPARE(folder.read("Projects/Default.Table"), fixture(name + ".Table"));
    QCOMPARE(folder.read("Projects/Default.Data"), data);
    QVERIFY(!folder.exists("Projects/Default.Table.new"));
}

void ItemStoreTest::wardrobeListsHeadingsInAlphabeticalOrder()
{
    DataFolderFixture folder;
    const QByteArray longName(120, 'x');
    auto window = windowWith(folder, fixture("HeadingsInWrongCase.Data") + record("apron", 0, 0, {}) +
                                         record("Belt", 0, 0, {}) + record(longName, 0, 0, {}));
    QStringList listed;
    for (int i = 0; i < window->Wardrobe->ListCount(); ++i)
        listed.append(window->Wardrobe->List(i));
    QCOMPARE(listed, QStringList({"apron", "Belt", "Hat", "shoes", QString(100, 'x')}));
    // Start-up indexed the same file.
    QVERIFY(folder.read("Projects/Default.Table").startsWith("ITEM: Hat\r\n 1 \r\nITEM: shoes\r\n 13 \r\n"));
}

void ItemStoreTest::drawsAnItemAtItsPlace()
{
    DataFolderFixture folder;
    auto window = windowWith(folder, fixture("FirstOf500Pixels.Data"));
    paintAlone(*window, "Second");
    // Offset -3: the pixels at x 3 and 4 land in the first two columns.
    QCOMPARE(window->BodyPic->Point(0, 0), 16711680);
    QCOMPARE(window->BodyPic->Point(0, 1), 16711680);
    QCOMPARE(window->BodyPic->Point(1, 0), 65280);
    QCOMPARE(window->BodyPic->Point(1, 1), bodyPixel(1, 1));
    QCOMPARE(window->State.OffsetX, -3);
    QCOMPARE(window->State.OffsetY, 0);
    QCOMPARE(window->State.ItemReserved, 1);

    paintAlone(*window, "First");
    for (int x : {0, 7, 19})
        for (int y : {0, 12, 24})
            QCOMPARE(window->BodyPic->Point(10 + x, 50 + y), 255 + 256 * x);
    QCOMPARE(window->BodyPic->Point(30, 50), bodyPixel(30, 50));
    QCOMPARE(window->State.OffsetX, 10);
    QCOMPARE(window->State.OffsetY, 50);

    // Painting twice leaves the picture as one painting does.
    const QImage once = window->BodyPic->surface();
    window->DrawItem();
    QCOMPARE(window->BodyPic->surface(), once);
    // An empty name paints nothing and keeps the offsets.
    window->BodyPic->Cls();
    window->State.CurrentItemName.clear();
    window->DrawItem();
    QCOMPARE(window->BodyPic->Point(10, 50), bodyPixel(10, 50));
    QCOMPARE(window->State.OffsetX, 10);
}

void ItemStoreTest::drawFindsAnItemWhateverTheTableSays_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<int>("line");
    QTest::newRow("right table") << fixture("FirstOf500Pixels.Table") << 508;
    QTest::newRow("table without the item") << crlfLines({"ITEM: First", " 1 "}) << -1;
    QTest::newRow("line number too small") << crlfLines({"ITEM: Second", " 100 "}) << 100;
    QTest::newRow("table missing") << QByteArray() << -1;
    QTest::newRow("number field of text") << crlfLines({"ITEM: Second", "here"}) << 0;
}

void ItemStoreTest::drawFindsAnItemWhateverTheTableSays()
{
    QFETCH(QByteArray, table);
    QFETCH(int, line);
    DataFolderFixture folder;
    auto window = windowWith(folder, fixture("FirstOf500Pixels.Data"), table);
    if (table.isEmpty())
        folder.remove("Projects/Default.Table");
    window->State.CurrentItemName = "Second";
    window->LocateItem();
    QCOMPARE(window->State.ItemLineNumber, line);
    paintAlone(*window, "Second");
    QCOMPARE(window->BodyPic->Point(0, 0), 16711680);
    QCOMPARE(window->BodyPic->Point(0, 1), 16711680);
}

void ItemStoreTest::drawWithShiftsAndClipping()
{
    DataFolderFixture folder;
    auto window = windowWith(folder, fixture("CommaInName.Data") +
                                         record("Edge", 198, 449, {{Colour::rgb(0, 0, 255), 0, 0},
                                                                   {Colour::rgb(0, 0, 255), 1, 0},
                                                                   {Colour::rgb(0, 0, 255), 0, 1}}));
    // A name with a comma is not found in the table, but is painted.
    window->State.CurrentItemName = "Skirt, red";
    window->LocateItem();
    QCOMPARE(window->State.ItemLineNumber, -1);
    paintAlone(*window, "Skirt, red");
    QCOMPARE(window->BodyPic->Point(20, 40), 255);
    QCOMPARE(window->BodyPic->Point(21, 40), 255);

    window->State.ItemShiftX = 3;
    window->State.ItemShiftY = -2;
    paintAlone(*window, "Skirt, red");
    QCOMPARE(window->BodyPic->Point(23, 38), 255);
    QCOMPARE(window->BodyPic->Point(24, 38), 255);
    QCOMPARE(window->BodyPic->Point(20, 40), bodyPixel(20, 40));

    // Only what overlaps the box is painted.
    window->State.ItemShiftX = window->State.ItemShiftY = 0;
    paintAlone(*window, "Edge");
    QCOMPARE(window->BodyPic->Point(198, 449), Colour::rgb(0, 0, 255));
    QCOMPARE(window->BodyPic->Point(199, 449), Colour::rgb(0, 0, 255));
}

void ItemStoreTest::damagedDataPaintsWhatItCan_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QList<QPoint>>("painted");    // offset 10, 20: these show 255
    QTest::addColumn<QList<QPoint>>("unpainted");  // these show the body

    const QByteArray head = "ITEM: Bad\r\n" + QByteArray(ItemFormat::kSeparator) + "\r\n 10 \r\n 20 \r\n 1 \r\n" +
                            ItemFormat::kSeparator + "\r\n";
    const QByteArray end = QByteArray(ItemFormat::kEndLine) + "\r\n";
    QTest::newRow("a pixel field that is not a number")
        << head + " 255  0  0 \r\n 255  x1  1 \r\n 25z  2  2 \r\n 255  3  3 \r\n" + end << "Bad"
        << QList<QPoint>{{10, 20}, {13, 23}} << QList<QPoint>{{11, 21}, {12, 22}};
    QTest::newRow("record without end line, another record after it")
        << record("Bad", 10, 20, {{255, 0, 0}}, false) + record("Next", 10, 20, {{255, 5, 5}}) << "Bad"
        << QList<QPoint>{{10, 20}} << QList<QPoint>{{15, 25}};
    QTest::newRow("last record without end line") << record("Bad", 10, 20, {{255, 0, 0}, {255, 1, 1}}, false)
                                                  << "Bad" << QList<QPoint>{{10, 20}, {11, 21}} << QList<QPoint>{};
    QTest::newRow("absurd coordinates and colours")
        << head + " 255  99999999999  0 \r\n 255  -2147483648  0 \r\n 99999999  1  1 \r\n-5  2  2 \r\n 255  4  4 \r\n" +
               end
        << "Bad" << QList<QPoint>{{14, 24}} << QList<QPoint>{{11, 21}, {12, 22}};
    QTest::newRow("binary junk among the pixels")
        << head + QByteArray(" 255  0  0 \r\n\x00\x01\xff\xfe,,\x80\r\n\r\n\x1a 255  1  1 \r\n 255  2  2 \r\n", 51) + end
        << "Bad" << QList<QPoint>{{10, 20}, {12, 22}} << QList<QPoint>{{11, 21}};
    QTest::newRow("whole file of junk") << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16) << "Bad"
                                        << QList<QPoint>{} << QList<QPoint>{{10, 20}};
    QTest::newRow("header cut short") << QByteArray("ITEM: Bad\r\n---\r\n 10 \r\n") << "Bad" << QList<QPoint>{}
                                      << QList<QPoint>{{10, 20}};
}

void ItemStoreTest::damagedDataPaintsWhatItCan()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, item);
    QFETCH(QList<QPoint>, painted);
    QFETCH(QList<QPoint>, unpainted);
    DataFolderFixture folder;
    auto window = windowWith(folder, data);
    paintAlone(*window, item);
    for (const QPoint& p : painted)
        QCOMPARE(window->BodyPic->Point(p.x(), p.y()), 255);
    for (const QPoint& p : unpainted)
        QCOMPARE(window->BodyPic->Point(p.x(), p.y()), bodyPixel(p.x(), p.y()));
    QCOMPARE(folder.read("Projects/Default.Data"), data);
}

void ItemStoreTest::missingDataFileIsAnEmptyStore()
{
    DataFolderFixture folder;
    folder.remove("Projects/Default.Data");
    auto window = folder.start();
    QCOMPARE(window->Wardrobe->ListCount(), 0);
    QCOMPARE(folder.read("Projects/Default.Table"), QByteArray());
    paintAlone(*window, "Anything");
    QCOMPARE(window->BodyPic->surface(), QImage(":/defaults/Projects/Default.bmp").convertToFormat(QImage::Format_RGB32));
    QVERIFY(!folder.exists("Projects/Default.Data"));
}

void ItemStoreTest::wardrobeClickShowsTheItemAlone()
{
    DataFolderFixture folder;
    auto window = windowWith(folder, fixture("FirstOf500Pixels.Data"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->LetsGo->click();
    window->State.ItemShiftX = 4;
    window->BodyPic->PSet(100, 300, 0);  // something painted before
    ListBox* list = window->Wardrobe;
    QCOMPARE(list->List(0), QStringLiteral("First"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QCOMPARE(window->State.CurrentItemName, QStringLiteral("First"));
    QCOMPARE(window->State.ItemShiftX, 0);
    QCOMPARE(window->State.DressingMark, QStringLiteral("#"));
    QCOMPARE(window->State.PictureMark, QStringLiteral("7"));
    QCOMPARE(window->BodyPic->Point(10, 50), 255);
    QCOMPARE(window->BodyPic->Point(100, 300), bodyPixel(100, 300));
}

QTEST_MAIN(ItemStoreTest)
#include "tst_itemstore.moc"
