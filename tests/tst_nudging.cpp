// Arrow keys and drags on the figure stand for the nudge buttons of the
// import panel and the arrow pictures of the dressing panel: each is played
// beside the clicks it stands for, and the offsets, the store button and
// the painted figure must come out the same.
#include "TestSupport.h"

#include <QtTest>

namespace {

enum class Panel { Import, Dressing };

// What a nudge leaves behind.
struct Outcome {
    int offsetX = 0, offsetY = 0, shiftX = 0, shiftY = 0;
    bool updateItem = false;
    QImage figure;
    Snapshot files;
};

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// The window on the panel, with a 3 x 2 picture to import or the second
// wardrobe item on show, the step size 1.
std::unique_ptr<Form1> openPanel(DataFolderFixture& folder, Panel panel)
{
    folder.writeBitmap("Pictures/Tiny.bmp", QSize(3, 2), qRgb(0, 120, 200));
    auto window = folder.start();
    Form1& w = *window;
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        return {};
    click(w.LetsGo);
    if (panel == Panel::Import) {
        click(w.AddBMPItem);
        click(w.Option1);
        w.Harddrive->setPath(folder.path("Pictures"));
        clickEntry(w.SkirtFiles, "Tiny.bmp");
    } else {
        clickEntry(w.Wardrobe, w.Wardrobe->List(1));
    }
    return window;
}

Outcome outcomeOf(const Form1& w, const DataFolderFixture& folder)
{
    return {w.State.OffsetX, w.State.OffsetY,   w.State.ItemShiftX,         w.State.ItemShiftY,
            w.UpdateItem->isEnabled(), w.BodyPic->surface().copy(), snapshot(folder.path())};
}

void compare(const Outcome& actual, const Outcome& expected)
{
    QCOMPARE(actual.offsetX, expected.offsetX);
    QCOMPARE(actual.offsetY, expected.offsetY);
    QCOMPARE(actual.shiftX, expected.shiftX);
    QCOMPARE(actual.shiftY, expected.shiftY);
    QCOMPARE(actual.updateItem, expected.updateItem);
    QVERIFY(actual.figure == expected.figure);
    QCOMPARE(actual.files, expected.files);
}

// The buttons a move of one pixel (or one step) right, left, down, up
// stands for.
QWidget* buttonFor(Form1& w, Panel panel, Qt::Key key)
{
    const bool import = panel == Panel::Import;
    switch (key) {
    case Qt::Key_Right: return import ? static_cast<QWidget*>(w.SkirtRight) : w.Picture2;
    case Qt::Key_Left: return import ? static_cast<QWidget*>(w.SkirtLeft) : w.Picture3;
    case Qt::Key_Down: return import ? static_cast<QWidget*>(w.SkirtDown) : w.Picture4;
    default: return import ? static_cast<QWidget*>(w.SkirtUp) : w.Picture1;
    }
}

// A path of points dragged through, as a list of moves from the start.
using Path = QList<QPoint>;

}  // namespace

Q_DECLARE_METATYPE(Path)

class NudgingTest : public QObject {
    Q_OBJECT
private slots:
    void arrowKeyIsItsNudge_data();
    void arrowKeyIsItsNudge();
    void dragIsItsNudges_data();
    void dragIsItsNudges();
    void listsKeepTheirArrowKeys();
    void cursorShowsTheFigureCanBeDragged();
};

void NudgingTest::arrowKeyIsItsNudge_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QList<int>>("keys");
    const auto i = int(Panel::Import), d = int(Panel::Dressing);
    QTest::newRow("import: right and down") << i << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Down};
    QTest::newRow("import: left stops at the edge") << i << QList<int>{Qt::Key_Right, Qt::Key_Left, Qt::Key_Left};
    QTest::newRow("import: up stops at the edge") << i << QList<int>{Qt::Key_Up};
    QTest::newRow("dressing: every way, one right in the end")
        << d << QList<int>{Qt::Key_Up, Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right};
    QTest::newRow("dressing: left twice, then up") << d << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Up};
}

void NudgingTest::arrowKeyIsItsNudge()
{
    QFETCH(int, panel);
    QFETCH(QList<int>, keys);
    DataFolderFixture byKeyFolder, byClickFolder;
    auto byKey = openPanel(byKeyFolder, Panel(panel));
    auto byClick = openPanel(byClickFolder, Panel(panel));
    QVERIFY(byKey && byClick);
    const Outcome before = outcomeOf(*byKey, byKeyFolder);
    byKey->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(byKey.get()));
    click(byKey->BodyPic);  // the figure takes the focus from the list
    QVERIFY(byKey->BodyPic->hasFocus());
    for (int key : keys) {
        QTest::keyClick(byKey->BodyPic, Qt::Key(key));
        click(buttonFor(*byClick, Panel(panel), Qt::Key(key)));
    }
    compare(outcomeOf(*byKey, byKeyFolder), outcomeOf(*byClick, byClickFolder));
    const Outcome after = outcomeOf(*byKey, byKeyFolder);
    QVERIFY(after.figure != before.figure || after.offsetX != before.offsetX);
}

void NudgingTest::dragIsItsNudges_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<Path>("path");
    const auto i = int(Panel::Import), d = int(Panel::Dressing);
    QTest::newRow("import: across and down") << i << Path{{3, 0}, {7, 4}};
    QTest::newRow("import: past the right edge") << i << Path{{250, 0}};
    QTest::newRow("import: left of the edge and back") << i << Path{{5, 5}, {-20, 5}, {-10, 8}};
    QTest::newRow("dressing: across and up") << d << Path{{2, 0}, {4, -3}};
    QTest::newRow("dressing: back to the start leaves nothing to store") << d << Path{{6, 0}, {0, 0}};
    QTest::newRow("dressing: only down") << d << Path{{0, 9}};
    QTest::newRow("dressing: a move back up decides, not the one across") << d << Path{{0, 3}, {2, 0}};
}

// The drag against the clicks: each move of the drag stands for its
// horizontal clicks first, then its vertical ones. The drag is played to
// its end before the clicks, which would otherwise meet the mouse grab.
void NudgingTest::dragIsItsNudges()
{
    QFETCH(int, panel);
    QFETCH(Path, path);
    DataFolderFixture byDragFolder, byClickFolder;
    auto byDrag = openPanel(byDragFolder, Panel(panel));
    auto byClick = openPanel(byClickFolder, Panel(panel));
    QVERIFY(byDrag && byClick);
    const QPoint start(60, 120);
    QList<Outcome> dragged;
    QTest::mousePress(byDrag->BodyPic, Qt::LeftButton, {}, start);
    for (const QPoint& to : path) {
        QTest::mouseMove(byDrag->BodyPic, start + to);
        dragged.append(outcomeOf(*byDrag, byDragFolder));
    }
    QTest::mouseRelease(byDrag->BodyPic, Qt::LeftButton, {}, start + path.last());
    QCOMPARE(byDrag->BodyPic->cursor().shape(), Qt::OpenHandCursor);
    compare(outcomeOf(*byDrag, byDragFolder), dragged.last());

    QPoint last;
    for (int i = 0; i < path.size(); ++i) {
        const QPoint by = path[i] - last;
        last = path[i];
        for (int n = 0; n < qAbs(by.x()); ++n)
            click(buttonFor(*byClick, Panel(panel), by.x() > 0 ? Qt::Key_Right : Qt::Key_Left));
        for (int n = 0; n < qAbs(by.y()); ++n)
            click(buttonFor(*byClick, Panel(panel), by.y() > 0 ? Qt::Key_Down : Qt::Key_Up));
        compare(dragged[i], outcomeOf(*byClick, byClickFolder));
    }
}

// After a file is chosen its list has the focus: Down chooses the next
// file, as it always has, and nudges nothing.
void NudgingTest::listsKeepTheirArrowKeys()
{
    DataFolderFixture folder;
    auto window = openPanel(folder, Panel::Import);
    QVERIFY(window);
    folder.writeBitmap("Pictures/Wide.bmp", QSize(4, 4), qRgb(10, 20, 30));
    window->SkirtFiles->Refresh();
    window->Harddrive->setPath(folder.path("Pictures"));
    clickEntry(window->SkirtFiles, "Tiny.bmp");
    window->SkirtFiles->setFocus();
    const int offsetY = window->State.OffsetY;
    QTest::keyClick(window->SkirtFiles, Qt::Key_Down);
    QCOMPARE(window->SkirtFiles->List(window->SkirtFiles->ListIndex()), QString("Wide.bmp"));
    QCOMPARE(window->State.OffsetY, offsetY);
    QCOMPARE(window->Clothes->Picture().size(), QSize(4, 4));
}

void NudgingTest::cursorShowsTheFigureCanBeDragged()
{
    DataFolderFixture folder;
    auto window = folder.start();
    Form1& w = *window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click(w.LetsGo);
    QTest::mouseMove(w.BodyPic, QPoint(50, 50));
    QCOMPARE(w.BodyPic->cursor().shape(), Qt::ArrowCursor);  // nothing on show to move
    clickEntry(w.Wardrobe, w.Wardrobe->List(0));
    QTest::mouseMove(w.BodyPic, QPoint(51, 50));
    QCOMPARE(w.BodyPic->cursor().shape(), Qt::OpenHandCursor);
    QTest::mousePress(w.BodyPic, Qt::LeftButton, {}, QPoint(51, 50));
    QCOMPARE(w.BodyPic->cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseRelease(w.BodyPic, Qt::LeftButton, {}, QPoint(51, 50));
    QCOMPARE(w.BodyPic->cursor().shape(), Qt::OpenHandCursor);
}

QTEST_MAIN(NudgingTest)
#include "tst_nudging.moc"
