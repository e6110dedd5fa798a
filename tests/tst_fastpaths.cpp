// The item store's fast paths against the line-by-line routines of
// ReferenceStore: the index of the item data file (kept while the file
// stays the same, made again when it changes), painting an item from its
// own lines, the wardrobe list and item table made from the index, and the
// rewrites that index the bytes they write. The window is driven through
// its real widgets; what it paints and writes must be what the reference
// computes on the same files, pixel for pixel and byte for byte.
#include "ReferenceStore.h"
#include "TestSupport.h"
#include "formats/picture/Colour.h"
#include "formats/text/LineReader.h"
#include "formats/wardrobe/ItemFormat.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QtTest>

#include <algorithm>
#include <cstdio>

// Stops the test when a check in a helper failed.
#define RETURN_IF_FAILED()                \
    do {                                  \
        if (QTest::currentTestFailed())   \
            return;                       \
    } while (false)

namespace {

const QString kDataFile = QStringLiteral("Projects/Default.Data");
const QString kTableFile = QStringLiteral("Projects/Default.Table");
const QByteArray kCrLf = "\r\n";

// In a case's data or table column: the file is removed, not written.
const QByteArray kRemoved = "<removed>";

// How much the line reader takes from a file at a time.
constexpr qint64 kChunk = LineReader::kChunk;
// The piece a capture copies the old data file in.
constexpr qint64 kCopyPiece = qint64(1) << 20;

// A modification time that survives a round trip through QDateTime whole:
// set on the file before the window starts and again after a change by
// hand, it leaves the file's modification time exactly as it was.
const QDateTime kFixedTime = QDateTime::fromMSecsSinceEpoch(1614834367000, Qt::UTC);

// ---- Records

// A small picture whose colours vary with x, y and seed; every pixel with
// (x + 2y + seed) % 4 == 0 is in the key colour and left out of the record.
QImage picture(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            QRgb colour = qRgb((40 * x + 17 * seed) % 256, (60 * y + 29 * seed) % 200, (25 * x * y + 71 * seed) % 250);
            if ((x + 2 * y + seed) % 4 == 0)
                colour = Colour::toQRgb(Colour::Purple);
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

QByteArray item(const QString& name, int x, int y, int width, int height, int seed)
{
    return ItemFormat::record(name, x, y, 1, picture(width, height, seed), Colour::Purple);
}

// The lines before a record's pixel lines.
QByteArray recordHead(const QByteArray& name, int x, int y)
{
    return "ITEM: " + name + kCrLf + ItemFormat::kSeparator + kCrLf + ItemFormat::numberLine(x) + kCrLf +
           ItemFormat::numberLine(y) + kCrLf + " 1 " + kCrLf + ItemFormat::kSeparator + kCrLf;
}

const QByteArray kEnd = QByteArray(ItemFormat::kEndLine) + kCrLf;

// A record with its pixel lines given as the lines themselves.
QByteArray rawRecord(const QByteArray& name, int x, int y, const QList<QByteArray>& pixels, bool withEnd = true)
{
    QByteArray bytes = recordHead(name, x, y);
    for (const QByteArray& line : pixels)
        bytes += line + kCrLf;
    return withEnd ? bytes + kEnd : bytes;
}

QByteArray withLineEnds(QByteArray crlf, const QByteArray& eol) { return crlf.replace(kCrLf, eol); }

// Each line ended by CR LF, LF or CR in turn.
QByteArray mixedLineEnds(const QByteArray& crlf)
{
    const QByteArray ends[] = {"\r\n", "\n", "\r"};
    QList<QByteArray> lines = crlf.split('\n');
    lines.removeLast();  // behind the last line end
    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i)
        bytes += lines[i].chopped(1) + ends[i % 3];
    return bytes;
}

// ---- Stores laid out to the byte

int digits(qint64 value) { return int(QByteArray::number(value).size()); }

// Pixel lines that fill an exact number of bytes: the number of digits of
// each colour makes up the length. Every pixel has a place of its own, so
// a line lost or read twice shows in the painting.
class PixelFill {
public:
    explicit PixelFill(const QByteArray& eol) : eol_(eol) {}

    QByteArray lines(qint64 size)
    {
        QList<int> base;
        qint64 least = 0, most = 0;
        while (most < size) {
            const int length = fixedLength(next_ + int(base.size()));
            base.append(length);
            least += length + 1;
            most += length + 8;
        }
        if (least > size)
            qFatal("no pixel lines fill %lld bytes", size);
        qint64 extra = size - least;
        QByteArray bytes;
        for (qsizetype i = 0; i < base.size(); ++i) {
            const int colourDigits = 1 + int(qMin<qint64>(7, extra));
            extra -= colourDigits - 1;
            bytes += line(next_++, colourDigits);
        }
        return bytes;
    }

private:
    static int x(int i) { return i % 200; }
    static int y(int i) { return i / 200; }
    // The bytes of pixel line i besides its colour's digits.
    int fixedLength(int i) const { return 6 + digits(x(i)) + digits(y(i)) + int(eol_.size()); }
    QByteArray line(int i, int colourDigits) const
    {
        qint64 low = 1;
        for (int d = 1; d < colourDigits; ++d)
            low *= 10;
        const qint64 high = qMin<qint64>(low * 10, 0x1000000);
        const qint64 colour = (colourDigits == 1 ? 1 : low) + (qint64(i) * 7919) % (high - low);
        return ItemFormat::numberLine(colour) + ItemFormat::numberLine(x(i)) + ItemFormat::numberLine(y(i)) + eol_;
    }

    QByteArray eol_;
    int next_ = 0;
};

// An item data file built so that chosen bytes fall at chosen offsets.
class Layout {
public:
    explicit Layout(const QByteArray& eol = kCrLf) : eol_(eol) {}

    // A record of its own ("Filler n") that ends right before offset.
    Layout& padTo(qint64 offset)
    {
        const QByteArray head = withLineEnds(recordHead("Filler " + QByteArray::number(++fillers_), 0, 0), eol_);
        const QByteArray end = withLineEnds(kEnd, eol_);
        PixelFill fill(eol_);
        bytes_ += head + fill.lines(offset - bytes_.size() - head.size() - end.size()) + end;
        return *this;
    }

    // Bytes whose lines end with CR LF, in this layout's line ends.
    Layout& add(const QByteArray& crlf)
    {
        bytes_ += withLineEnds(crlf, eol_);
        return *this;
    }

    // A record whose pixel lines have a line end starting at each offset of ends.
    Layout& addLineEndsAt(const QByteArray& name, int x, int y, const QList<qint64>& ends)
    {
        bytes_ += withLineEnds(recordHead(name, x, y), eol_);
        PixelFill fill(eol_);
        for (qint64 end : ends) {
            bytes_ += fill.lines(end + eol_.size() - bytes_.size());
            if (bytes_.mid(end, eol_.size()) != eol_)
                qFatal("no line end at %lld", end);
        }
        bytes_ += withLineEnds(kEnd, eol_);
        return *this;
    }

    qint64 size() const { return bytes_.size(); }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray eol_;
    QByteArray bytes_;
    int fillers_ = 0;
};

// ---- The stores of the cases

// Pictures of 3 x 4 to 10 x 10 pixels; Scarf overlaps Summer dress, Shoes
// and Glove reach over the edges of the body.
QByteArray goodStore()
{
    return item("Summer dress", 34, 100, 10, 10, 1) + item("Sun hat", 60, 10, 3, 4, 2) +
           item("Belt", 70, 200, 8, 4, 3) + item("Scarf", 38, 98, 5, 7, 4) + item("Skirt", 20, 40, 9, 6, 5) +
           item("Shoes", 195, 444, 10, 10, 6) + item("Glove", -4, -2, 7, 5, 7);
}

QByteArray goodStoreWithout(const QString& name)
{
    QByteArray store = goodStore();
    const qsizetype from = store.indexOf("ITEM: " + name.toLatin1() + kCrLf);
    const qsizetype to = store.indexOf(kEnd, from) + kEnd.size();
    return store.remove(from, to - from);
}

QByteArray duplicatesStore()
{
    return item("Skirt", 20, 40, 5, 5, 1) + item("Hat", 60, 10, 4, 4, 2) + item("Skirt", 100, 200, 6, 6, 3);
}

QByteArray commaStore()
{
    return item("Skirt, red", 20, 40, 6, 6, 4) + item("Skirt", 80, 90, 5, 5, 5) + item("Hat", 60, 10, 4, 4, 2);
}

QByteArray openRecordStore()
{
    return rawRecord("Open", 10, 20, {" 255  0  0 ", " 16711680  1  1 "}, false) + item("Next", 40, 60, 4, 4, 2) +
           item("Last", 90, 120, 5, 5, 3);
}

const QString kLongName = QString(120, QLatin1Char('x'));

QByteArray oddNamesStore()
{
    return item("", 10, 10, 4, 4, 1) + item("Hat ", 30, 30, 4, 4, 2) + item("Hat", 50, 50, 4, 4, 3) +
           item(QString::fromUtf8("Café crème €"), 70, 70, 4, 4, 4) +
           item(QString(QChar(0x81)) + QStringLiteral("odd byte"), 90, 90, 4, 4, 5) + item(kLongName, 110, 110, 4, 4, 6) +
           "item: lower case\r\nITEM:Belt\r\n" + item("Last", 130, 130, 4, 4, 7);
}

// "I|TEM: ...", "ITE|M: ..." and so on: a heading cut by each of the first
// four 64 KiB boundaries, the last of them where the index's first 256 KiB
// of reading end.
QByteArray headingsStraddlingStore()
{
    Layout layout;
    for (int k = 1; k <= 4; ++k)
        layout.padTo(k * kChunk - (2 * k - 1)).add(item(QStringLiteral("Straddling %1").arg(k), 10 * k, 20 * k, 4, 4, k));
    // A line counted wrong at the last boundary shows in the next heading's number.
    return layout.add(item("Behind", 150, 20, 4, 4, 9)).bytes();
}

// A heading's CR at the last byte of every 64 KiB, its LF at the first of the next.
QByteArray headingLineEndsSplitStore()
{
    Layout layout;
    for (int k = 1; k <= 4; ++k) {
        const QString name = QStringLiteral("Split %1").arg(k);
        layout.padTo(k * kChunk - 1 - 6 - name.size()).add(item(name, 15 * k, 25 * k, 5, 4, k));
        if (layout.bytes().mid(k * kChunk - 1, 2) != kCrLf)
            qFatal("heading line end not split");
    }
    return layout.add(item("Behind", 150, 20, 4, 4, 9)).bytes();
}

// A record of 256 KiB of pixel lines whose CR LF are split at the chunk
// boundaries counted from the start of the file (where a rewrite reads)
// and from the record's heading (where painting it reads).
QByteArray pixelLineEndsSplitStore()
{
    Layout layout;
    layout.padTo(3000);
    const qint64 heading = layout.size();
    layout.addLineEndsAt("Long gown", 0, 300,
                         {kChunk - 1, heading + kChunk - 1, 2 * kChunk - 1, heading + 2 * kChunk - 1, 3 * kChunk - 1,
                          4 * kChunk - 1, heading + 4 * kChunk - 1});
    layout.add(item("After the gown", 120, 150, 6, 6, 2));
    return layout.bytes();
}

// Over 1 MiB, a heading cut by the piece a capture copies in.
QByteArray largeStraddlingStore()
{
    return Layout().padTo(kCopyPiece - 3).add(item("Past the piece", 40, 200, 6, 5, 3)).bytes();
}

// Over 1 MiB, the CR LF of an end line split by the piece.
QByteArray largeSplitStore()
{
    return Layout().padTo(kCopyPiece + 1).add(item("Behind the split", 40, 200, 6, 5, 5)).bytes();
}

// Over 1 MiB with CR alone: a line end is the last byte of the piece.
QByteArray largeCrStore()
{
    return Layout("\r").padTo(kCopyPiece).add(item("After the piece", 40, 200, 6, 5, 4)).bytes();
}

struct Store {
    const char* name;
    QByteArray data;
    QStringList unpainted;  // entries the search does not find
};

QList<Store> stores()
{
    const QByteArray torn = item("Patch", 30, 60, 4, 4, 8);
    return {
        {"good store", goodStore(), {}},
        {"lines ended by LF alone", withLineEnds(goodStore(), "\n"), {}},
        {"lines ended by CR alone", withLineEnds(goodStore(), "\r"), {}},
        {"line ends mixed", mixedLineEnds(goodStore()), {}},
        {"last line without its line end", goodStore().chopped(2), {}},
        {"a comma in a name: missed in the table, found by the search", commaStore(), {}},
        {"two records with one heading: the first from the search's start", duplicatesStore(), {}},
        {"a pixel field that is not a number",
         rawRecord("Torn", 10, 20, {" 255  0  0 ", " 255  x1  1 ", " 25z  2  2 ", " 255  3  3 ", ",, 4  4 ", "-5  5  5 ",
                                    " 99999999  6  6 ", " 65280  7  7 "}) +
             torn,
         {}},
        {"a pixel line missing a field",
         rawRecord("Torn", 10, 20, {" 255  0  0 ", " 255  1 ", " 16711680  2  2 ", " 65280  3  3 ", "", " 255 ",
                                    " 4  4 ", " 16711680  5  5 "}) +
             torn,
         {}},
        {"pixel fields spaced, signed and split across lines otherwise than written",
         rawRecord("Torn", 10, 20, {"255 0 0 16711680", "1 1", "+255  2  +2", "255,3,3", "255\t4 4", "   ", "  65280   5   5   ",
                                    "0000000000000000255 6 6", "000000000000000255 7 7", "-0 8 8", " 255  9", "  9 ",
                                    "255 10 10 255 11 11"}) +
             torn,
         {}},
        {"a line like a heading among the pixels ends the record",
         rawRecord("Torn", 10, 20, {" 255  0  0 ", "  ITEM: Ghost", " 255  1  1 "}) + torn, {}},
        {"a record without its end line, another record after it", openRecordStore(), {}},
        {"odd names: empty, trailing blank, Windows-1252, cut in the list", oddNamesStore(), {kLongName.left(100)}},
        {"headings straddle each 64 KiB boundary", headingsStraddlingStore(), {}},
        {"headings' CR LF split at each 64 KiB boundary", headingLineEndsSplitStore(), {}},
        {"pixel lines' CR LF split at the chunk boundaries", pixelLineEndsSplitStore(), {}},
        {"over 1 MiB, a heading straddling the copied piece", largeStraddlingStore(), {}},
        {"over 1 MiB, CR alone at the end of the copied piece", largeCrStore(), {}},
        {"over 1 MiB, CR LF split by the copied piece", largeSplitStore(), {}},
        {"empty store", QByteArray(""), {}},
    };
}

// The table of a store whose lines all end with CR LF, every line number
// moved by delta (or set to line when given).
QByteArray tableOf(const QByteArray& data, qint64 delta, qint64 line = -1)
{
    QByteArray table;
    QList<QByteArray> lines = data.split('\n');
    lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith("ITEM: "))
            table += lines[i].chopped(1) + kCrLf + ItemFormat::numberLine(line >= 0 ? line : i + 1 + delta) + kCrLf;
    return table;
}

// The table behind one junk line, so that its byte index lands at offset.
QByteArray tableMovedTo(const QByteArray& table, qsizetype index, qint64 offset)
{
    return QByteArray(offset - index - 2, '#') + kCrLf + table;
}

// ---- Comparing

QStringList entries(const ListBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->ListCount(); ++i)
        texts.append(list->List(i));
    return texts;
}

QStringList sorted(QStringList names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// Empty when the pictures are equal; else how they differ.
QString difference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1 x %2, expected %3 x %4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    int count = 0;
    QPoint first;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (Colour::fromQRgb(actual.pixel(x, y)) != Colour::fromQRgb(expected.pixel(x, y)) && count++ == 0)
                first = QPoint(x, y);
    if (count == 0)
        return QString();
    return QStringLiteral("%1 pixels differ, the first at (%2, %3): %4 painted, %5 expected")
        .arg(count)
        .arg(first.x())
        .arg(first.y())
        .arg(Colour::fromQRgb(actual.pixel(first)))
        .arg(Colour::fromQRgb(expected.pixel(first)));
}

QByteArray shiftedByReference(const QByteArray& before, const QString& name, int dx, int dy)
{
    QBuffer in, out;
    in.setData(before);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    if (!ReferenceStore::copyShifted(in, out, QLatin1String(ItemFormat::kHeadingPrefix) + name, dx, dy))
        return "<copy failed>";
    return out.data();
}

QByteArray withoutByReference(const QByteArray& before, const QString& name)
{
    QBuffer in, out;
    in.setData(before);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    if (!ReferenceStore::copyWithout(in, out, QLatin1String(ItemFormat::kHeadingPrefix) + name))
        return "<copy failed>";
    return out.data();
}

bool setModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime);
}

}  // namespace

class FastPathsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void paintsAsReference_data();
    void paintsAsReference();
    void wornListAsReference_data();
    void wornListAsReference();
    void listAndTableAsReference_data();
    void listAndTableAsReference();
    void rewritesAsReference_data();
    void rewritesAsReference();
    void changedByHandBetweenClicks_data();
    void changedByHandBetweenClicks();

private:
    // The data file written (unless data is null), then the window started
    // and on the dressing panel.
    void start(const QByteArray& data);
    void writeOrRemove(const QString& file, const QByteArray& bytes);
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickRow(ListBox* list, int row);
    // The first entry of that text.
    void clickFirst(ListBox* list, const QString& text) { clickRow(list, int(entries(list).indexOf(text))); }
    void chooseProjectAgain();
    // BodyPic against body with names painted one over the other by the
    // reference, moved by the shifts; drawn is the last one found. The
    // window's offsets are the last found item's, or the ones before when
    // none was found.
    void comparePainting(QPoint offsetsBefore, const QImage& body, const QStringList& names, int dx = 0, int dy = 0,
                         ReferenceStore::Drawn* drawn = nullptr);
    QPoint offsets() const { return QPoint(window_->State.OffsetX, window_->State.OffsetY); }
    // Clicks every wardrobe entry and compares what it paints; with
    // unpainted, also that the reference finds every other entry.
    void paintEveryEntry(const QStringList* unpainted = nullptr);
    void compareListWithReference();
    // BodyPic cleared, as a click in the wardrobe clears it first.
    QImage bare();

    QString dataPath() const { return folder_->path(kDataFile); }
    QString tablePath() const { return folder_->path(kTableFile); }

    std::unique_ptr<DataFolderFixture> folder_;
    std::unique_ptr<Form1> window_;
};

void FastPathsTest::init()
{
    folder_ = std::make_unique<DataFolderFixture>();
    QVERIFY(folder_->isValid());
    QDir(folder_->path()).mkdir("Pictures");
    QVERIFY(picture(6, 5, 11).save(folder_->path("Pictures/Capture.bmp"), "BMP"));
}

void FastPathsTest::cleanup()
{
    window_.reset();
    folder_.reset();
}

void FastPathsTest::start(const QByteArray& data)
{
    if (!data.isNull())
        writeOrRemove(kDataFile, data);
    window_ = folder_->start();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->LetsGo->click();
    QCOMPARE(window_->State.WorkMode, 1);
}

void FastPathsTest::writeOrRemove(const QString& file, const QByteArray& bytes)
{
    if (bytes == kRemoved)
        folder_->remove(file);
    else
        folder_->write(file, bytes);
}

void FastPathsTest::clickRow(ListBox* list, int row)
{
    QVERIFY2(row >= 0 && row < list->ListCount(), qPrintable(list->objectName()));
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QCOMPARE(list->ListIndex(), row);
}

void FastPathsTest::chooseProjectAgain()
{
    clickEntry(window_->ProjectFileList, "Default.Project");
    QCOMPARE(window_->State.CurrentProject, QStringLiteral("Default.Project"));
}

QImage FastPathsTest::bare()
{
    window_->BodyPic->Cls();
    return window_->BodyPic->surface().copy();
}

void FastPathsTest::comparePainting(QPoint offsetsBefore, const QImage& body, const QStringList& names, int dx, int dy,
                                    ReferenceStore::Drawn* drawn)
{
    QImage expected = body.copy();
    ReferenceStore::Drawn last;
    for (const QString& name : names)
        if (const ReferenceStore::Drawn one = ReferenceStore::drawItem(expected, tablePath(), dataPath(), name, dx, dy);
            one.found)
            last = one;
    const QString why = difference(window_->BodyPic->surface(), expected);
    QVERIFY2(why.isEmpty(), qPrintable(names.join(" + ") + ": " + why));
    QCOMPARE(offsets(), last.found ? QPoint(last.offsetX, last.offsetY) : offsetsBefore);
    if (drawn)
        *drawn = last;
}

void FastPathsTest::paintEveryEntry(const QStringList* unpainted)
{
    Form1& w = *window_;
    const QImage body = bare();
    for (int row = 0; row < w.Wardrobe->ListCount(); ++row) {
        const QString name = w.Wardrobe->List(row);
        const QPoint before = offsets();
        clickRow(w.Wardrobe, row);
        RETURN_IF_FAILED();
        ReferenceStore::Drawn drawn;
        comparePainting(before, body, {name}, 0, 0, &drawn);
        RETURN_IF_FAILED();
        if (unpainted) {
            // The case shows what it is named after.
            QVERIFY2(drawn.found != unpainted->contains(name), qPrintable(name));
            QVERIFY2(!drawn.found || w.BodyPic->surface() != body, qPrintable(name + ": nothing to see"));
        }
    }
}

void FastPathsTest::compareListWithReference()
{
    QCOMPARE(sorted(entries(window_->Wardrobe)), sorted(ReferenceStore::wardrobeNames(dataPath())));
}

// ---- Painting one item

void FastPathsTest::paintsAsReference_data()
{
    QTest::addColumn<QByteArray>("data");      // before the start
    QTest::addColumn<QByteArray>("handData");  // after it, then the project chosen again; null: none
    QTest::addColumn<QByteArray>("table");     // after it; null: as the start wrote it
    QTest::addColumn<QStringList>("unpainted");

    for (const Store& store : stores())
        QTest::newRow(store.name) << store.data << QByteArray() << QByteArray() << store.unpainted;

    const QByteArray good = goodStore();
    const QStringList all = {"Summer dress", "Sun hat", "Belt", "Scarf", "Skirt", "Shoes", "Glove"};
    const QByteArray none;
    QTest::newRow("table missing: searched from the first line") << good << none << kRemoved << QStringList();
    QTest::newRow("table empty") << good << none << QByteArray("") << QStringList();
    QTest::newRow("line numbers too small") << good << none << tableOf(good, -30) << QStringList();
    // The search starts two lines before the line the table gives.
    QTest::newRow("line numbers 2 past the headings: still found") << good << none << tableOf(good, 2) << QStringList();
    QTest::newRow("line numbers 3 past the headings: missed") << good << none << tableOf(good, 3) << all;
    // The last line, a heading without its line end, is beyond the search too.
    const QByteArray lastLineHeading = good + "ITEM: Last line";
    QTest::newRow("line numbers beyond the end of the file")
        << lastLineHeading << none << tableOf(good, 0, 1000000) + "ITEM: Last line\r\n 1000000 \r\n"
        << all + QStringList{"Last line"};
    QTest::newRow("line number field of text: searched from the first line")
        << good << none << crlfLines({"ITEM: Skirt", "here", "ITEM: Belt", "-", "ITEM: Glove"}) << QStringList();
    const QByteArray table = tableOf(good, 0);
    QTest::newRow("table entry straddles the chunk it is read in")
        << good << none << tableMovedTo(table, table.indexOf("ITEM: Belt"), kChunk - 5) << QStringList();
    QTest::newRow("table number straddles the chunk it is read in")
        << good << none << tableMovedTo(table, table.indexOf("ITEM: Belt\r\n") + 14, kChunk) << QStringList();
    QTest::newRow("table entry's CR LF split by the chunk it is read in")
        << good << none << tableMovedTo(table, table.indexOf("ITEM: Belt\r\n") + 10, kChunk - 1) << QStringList();

    const QByteArray duplicates = duplicatesStore();
    QTest::newRow("two records with one heading, the table naming the second")
        << duplicates << none << tableOf(duplicates, 0).replace("ITEM: Skirt\r\n 1 \r\n", "") << QStringList();

    QTest::newRow("stale table: items added by hand in front")
        << good << item("Veil", 30, 5, 6, 6, 8) + item("Cap", 80, 0, 4, 3, 9) + good << none << QStringList();
    QTest::newRow("stale table: an item added by hand at the end")
        << good << good + item("Veil", 30, 5, 6, 6, 8) << none << QStringList();
    QTest::newRow("stale table: an item removed by hand, the items behind it missed")
        << good << goodStoreWithout("Belt") << none << QStringList({"Scarf", "Skirt", "Shoes", "Glove"});
}

void FastPathsTest::paintsAsReference()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, handData);
    QFETCH(QByteArray, table);
    QFETCH(QStringList, unpainted);
    start(data);
    if (!handData.isNull()) {
        writeOrRemove(kDataFile, handData);
        chooseProjectAgain();
        RETURN_IF_FAILED();
        compareListWithReference();
        RETURN_IF_FAILED();
    }
    if (!table.isNull())
        writeOrRemove(kTableFile, table);
    if (!data.isEmpty())
        QVERIFY(window_->Wardrobe->ListCount() > 0);
    paintEveryEntry(&unpainted);
}

// ---- The worn list, layer over layer

void FastPathsTest::wornListAsReference_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("worn");
    QTest::addColumn<QByteArray>("handData");  // written after dressing; null: none

    const QByteArray good = goodStore();
    QTest::newRow("overlapping items, worn out of list order")
        << good << QStringList{"Skirt", "Summer dress", "Scarf", "Glove", "Shoes"} << QByteArray();
    QTest::newRow("two records with one heading and a comma in a name")
        << commaStore() + item("Skirt", 30, 44, 7, 7, 6) << QStringList{"Hat", "Skirt, red", "Skirt"} << QByteArray();
    QTest::newRow("lines ended by CR alone")
        << withLineEnds(good, "\r") << QStringList{"Glove", "Belt", "Sun hat", "Scarf"} << QByteArray();
    QTest::newRow("headings straddling the chunk boundaries")
        << headingsStraddlingStore() << QStringList{"Straddling 4", "Straddling 1", "Straddling 3"} << QByteArray();
    QTest::newRow("worn items changed and removed by hand before the repaint")
        << good << QStringList{"Sun hat", "Scarf", "Belt", "Summer dress"}
        << item("Scarf", 60, 90, 5, 7, 9) + goodStoreWithout("Belt");
}

void FastPathsTest::wornListAsReference()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, worn);
    QFETCH(QByteArray, handData);
    start(data);
    Form1& w = *window_;
    for (const QString& name : worn) {
        clickFirst(w.Wardrobe, name);
        RETURN_IF_FAILED();
        click(w.DressItem);
    }
    QCOMPARE(entries(w.Dressed), worn);
    if (!handData.isNull())
        writeOrRemove(kDataFile, handData);
    const QImage body = bare();
    QVERIFY(w.State.PictureMark != w.State.DressingMark);  // the click repaints

    QPoint before = offsets();
    clickRow(w.Dressed, 0);
    RETURN_IF_FAILED();
    comparePainting(before, body, entries(w.Dressed));
    RETURN_IF_FAILED();
    QVERIFY(w.BodyPic->surface() != body);

    // Taking the first one off repaints the rest.
    before = offsets();
    click(w.RemoveItem);
    QCOMPARE(entries(w.Dressed), worn.mid(1));
    comparePainting(before, body, entries(w.Dressed));
}

// ---- The wardrobe list and the item table

void FastPathsTest::listAndTableAsReference_data()
{
    QTest::addColumn<QByteArray>("data");
    for (const Store& store : stores())
        QTest::newRow(store.name) << store.data;
    QTest::newRow("data file missing") << kRemoved;
}

void FastPathsTest::listAndTableAsReference()
{
    QFETCH(QByteArray, data);
    folder_->write(kTableFile, "stale table\r\n 1 \r\n");
    start(data);
    compareListWithReference();
    QCOMPARE(folder_->read(kTableFile), ReferenceStore::itemTable(dataPath()));
}

// ---- Rewrites: the nudge stored, an item deleted, an item captured

void FastPathsTest::rewritesAsReference_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("action");  // update, delete or capture
    QTest::addColumn<QString>("item");    // captured under that name
    QTest::addColumn<QString>("arrows");  // '1' up, '2' right, '3' left, '4' down

    const QByteArray good = goodStore();
    QTest::newRow("update in a good store") << good << "update" << "Skirt" << "22211";
    QTest::newRow("update every record of one heading") << duplicatesStore() << "update" << "Skirt" << "3334";
    QTest::newRow("update, lines ended by LF alone") << withLineEnds(good, "\n") << "update" << "Belt" << "44";
    QTest::newRow("update, lines ended by CR alone") << withLineEnds(good, "\r") << "update" << "Glove" << "1112";
    QTest::newRow("update, line ends mixed") << mixedLineEnds(good) << "update" << "Scarf" << "2";
    QTest::newRow("update, last line without its line end") << good.chopped(2) << "update" << "Glove" << "3";
    QTest::newRow("update a name with a comma") << commaStore() << "update" << "Skirt, red" << "3";
    QTest::newRow("update a record without its end line") << openRecordStore() << "update" << "Open" << "2";
    QTest::newRow("update behind split CR LF") << pixelLineEndsSplitStore() << "update" << "After the gown" << "22";
    QTest::newRow("update the record of split CR LF") << pixelLineEndsSplitStore() << "update" << "Long gown" << "4";
    QTest::newRow("update in a store over 1 MiB") << largeStraddlingStore() << "update" << "Past the piece" << "1";

    QTest::newRow("delete from a good store") << good << "delete" << "Belt" << "";
    QTest::newRow("delete every record of one heading") << duplicatesStore() << "delete" << "Skirt" << "";
    QTest::newRow("delete two adjacent records of one heading: the second is kept")
        << item("Skirt", 20, 40, 5, 5, 1) + item("Skirt", 100, 200, 6, 6, 3) + item("Hat", 60, 10, 4, 4, 2) << "delete"
        << "Skirt" << "";
    QTest::newRow("delete a record without its end line: the next stays")
        << openRecordStore() << "delete" << "Open" << "";
    QTest::newRow("delete a record without its end line, lines ended by CR alone")
        << withLineEnds(openRecordStore(), "\r") << "delete" << "Open" << "";
    QTest::newRow("delete, lines ended by CR alone") << withLineEnds(good, "\r") << "delete" << "Summer dress" << "";
    QTest::newRow("delete a heading straddling a chunk boundary")
        << headingsStraddlingStore() << "delete" << "Straddling 2" << "";
    QTest::newRow("delete in a store over 1 MiB, CR alone") << largeCrStore() << "delete" << "Filler 1" << "";

    QTest::newRow("capture onto a good store") << good << "capture" << "Apron" << "";
    QTest::newRow("capture behind a last line without its line end") << good.chopped(2) << "capture" << "Apron" << "";
    QTest::newRow("capture onto a store over 1 MiB, heading straddling the copied piece")
        << largeStraddlingStore() << "capture" << "Apron" << "";
    QTest::newRow("capture onto a store over 1 MiB, CR alone at the end of the copied piece")
        << largeCrStore() << "capture" << "Apron" << "";
    QTest::newRow("capture onto a store over 1 MiB, CR LF split by the copied piece")
        << largeSplitStore() << "capture" << "Apron" << "";
    QTest::newRow("capture onto an empty store") << QByteArray("") << "capture" << "Apron" << "";
    QTest::newRow("capture behind a heading without its line end")
        << goodStore() + "ITEM: Bare" << "capture" << "Apron" << "";
    QTest::newRow("capture onto a store of exactly 1 MiB, its last line without its line end")
        << Layout().padTo(kCopyPiece + 2).bytes().chopped(2) << "capture" << "Apron" << "";
}

void FastPathsTest::rewritesAsReference()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, action);
    QFETCH(QString, item);
    QFETCH(QString, arrows);
    start(data);
    Form1& w = *window_;
    const QByteArray before = folder_->read(kDataFile);
    const QByteArray tableBefore = folder_->read(kTableFile);
    const QImage body = bare();

    if (action == "update") {
        clickFirst(w.Wardrobe, item);
        RETURN_IF_FAILED();
        PictureBox* const pictures[] = {w.Picture1, w.Picture2, w.Picture3, w.Picture4};
        int dx = 0, dy = 0;
        for (const QChar c : arrows) {
            const int n = c.digitValue();
            QVERIFY(n >= 1 && n <= 4);
            const QPoint before = offsets();
            click(pictures[n - 1]);
            dx += n == 2 ? 1 : n == 3 ? -1 : 0;
            dy += n == 4 ? 1 : n == 1 ? -1 : 0;
            // Each nudge shows the item moved.
            comparePainting(before, body, {item}, dx, dy);
            RETURN_IF_FAILED();
        }
        QCOMPARE(w.State.ItemShiftX, dx);
        QCOMPARE(w.State.ItemShiftY, dy);
        QVERIFY(w.UpdateItem->Enabled());
        click(w.UpdateItem);
        QCOMPARE(folder_->read(kDataFile), shiftedByReference(before, item, dx, dy));
    } else if (action == "delete") {
        clickFirst(w.Wardrobe, item);
        RETURN_IF_FAILED();
        click(w.DeleteSkirt);
        QVERIFY(w.AskMe->Visible());
        click(w.SayYes);
        QVERIFY(!w.AskMe->Visible());
        QCOMPARE(folder_->read(kDataFile), withoutByReference(before, item));
    } else {
        click(w.AddBMPItem);
        QCOMPARE(w.State.WorkMode, 3);
        w.Harddrive->setPath(folder_->path("Pictures"));
        clickEntry(w.SkirtFiles, "Capture.bmp");
        RETURN_IF_FAILED();
        w.NameSkirt->setText(item);
        QVERIFY(w.AddToWardrobe->Enabled());
        click(w.AddToWardrobe);
        QCOMPARE(w.State.WorkMode, 1);
        const QByteArray after = folder_->read(kDataFile);
        // A last line without its line end (neither CR nor LF) gets CR LF,
        // so that the new heading starts a line of its own.
        const bool ended = before.isEmpty() || before.endsWith('\n') || before.endsWith('\r');
        const QByteArray joined = ended ? before : before + kCrLf;
        QVERIFY(after.size() > joined.size());
        QVERIFY(after.startsWith(joined));
        QCOMPARE(after.mid(joined.size()).left(6 + item.size() + 2), "ITEM: " + item.toLatin1() + kCrLf);
        QCOMPARE(ReferenceStore::wardrobeNames(dataPath()).last(), item);
    }
    QCOMPARE(folder_->read(kTableFile), ReferenceStore::itemTable(dataPath()));
    compareListWithReference();
    RETURN_IF_FAILED();
    paintEveryEntry();
    if (action != "delete")
        return;

    // Ctrl+Z puts every byte back, the table as it was too, and the list
    // and painting follow the file again.
    RETURN_IF_FAILED();
    w.BodyPic->setFocus();
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(folder_->read(kDataFile) == before);
    QCOMPARE(folder_->read(kTableFile), tableBefore);
    compareListWithReference();
    RETURN_IF_FAILED();
    paintEveryEntry();
}

// ---- The data file changed by hand between two clicks

void FastPathsTest::changedByHandBetweenClicks_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("item");          // clicked before and after the change
    QTest::addColumn<QByteArray>("handData");   // kRemoved: the file removed
    QTest::addColumn<bool>("keepTimes");        // the same size and modification time
    QTest::addColumn<bool>("replace");          // another file renamed into its place
    QTest::addColumn<bool>("foundAfter");

    // Skirt and Shirt are of one size: swapped, Skirt's heading moves.
    const QByteArray belt = item("Belt", 70, 200, 8, 4, 3);
    const QByteArray glove = item("Glove", 140, 300, 7, 5, 7);
    const QByteArray skirt = item("Skirt", 20, 40, 6, 5, 9);
    const QByteArray movedSkirt = item("Skirt", 30, 50, 6, 5, 9);
    const QByteArray shirt = item("Shirt", 60, 80, 6, 5, 9);
    const QByteArray store = belt + skirt + shirt + glove;
    const QByteArray swapped = belt + shirt + movedSkirt + glove;

    QTest::newRow("same size, the heading moved") << store << "Skirt" << swapped << false << false << true;
    QTest::newRow("same size and modification time, the heading moved")
        << store << "Skirt" << swapped << true << false << true;
    QTest::newRow("same size and modification time, the item changed in place")
        << store << "Skirt" << belt + movedSkirt + shirt + glove << true << false << true;
    QTest::newRow("same size and modification time, the heading at its byte 3 lines earlier")
        << belt + "\n\n\n\n\n\n" + skirt + glove << "Skirt" << belt + "\r\n\r\n\r\n" + movedSkirt + glove << true
        << false << false;
    QTest::newRow("same size and modification time, another file put in its place")
        << store << "Skirt" << swapped << true << true << true;
    QTest::newRow("larger: a record added in front")
        << store << "Skirt" << item("Veil", 30, 5, 6, 6, 8) + swapped << false << false << true;
    QTest::newRow("smaller: the record in front removed, the stale table misses")
        << store << "Skirt" << skirt + shirt + glove << false << false << false;
    QTest::newRow("smaller: a record behind removed") << store << "Skirt" << belt + skirt + glove << false << false
                                                      << true;
    QTest::newRow("the file removed") << store << "Skirt" << kRemoved << false << false << false;
}

void FastPathsTest::changedByHandBetweenClicks()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, item);
    QFETCH(QByteArray, handData);
    QFETCH(bool, keepTimes);
    QFETCH(bool, replace);
    QFETCH(bool, foundAfter);
    writeOrRemove(kDataFile, data);
    if (keepTimes)
        QVERIFY(setModified(dataPath(), kFixedTime));
    start(QByteArray());
    Form1& w = *window_;
    const QImage body = bare();
    const int row = int(entries(w.Wardrobe).indexOf(item));
    QPoint before = offsets();
    clickRow(w.Wardrobe, row);
    RETURN_IF_FAILED();
    ReferenceStore::Drawn drawn;
    comparePainting(before, body, {item}, 0, 0, &drawn);
    RETURN_IF_FAILED();
    QVERIFY(drawn.found);

    if (replace) {
        const QString hand = folder_->path("Projects/Default.Data.hand");
        folder_->write("Projects/Default.Data.hand", handData);
        QVERIFY(setModified(hand, kFixedTime));
        QVERIFY(std::rename(QFile::encodeName(hand).constData(), QFile::encodeName(dataPath()).constData()) == 0);
    } else {
        writeOrRemove(kDataFile, handData);
        if (keepTimes)
            QVERIFY(setModified(dataPath(), kFixedTime));
    }
    if (keepTimes) {
        QCOMPARE(handData.size(), data.size());
        QCOMPARE(QFileInfo(dataPath()).size(), qint64(data.size()));
        QCOMPARE(QFileInfo(dataPath()).lastModified(), kFixedTime);
    }

    before = offsets();
    clickRow(w.Wardrobe, row);
    RETURN_IF_FAILED();
    comparePainting(before, body, {item}, 0, 0, &drawn);
    RETURN_IF_FAILED();
    QCOMPARE(drawn.found, foundAfter);

    // The wardrobe read again lists the file as it is now.
    chooseProjectAgain();
    RETURN_IF_FAILED();
    compareListWithReference();
    RETURN_IF_FAILED();
    paintEveryEntry();
}

QTEST_MAIN(FastPathsTest)
#include "tst_fastpaths.moc"
