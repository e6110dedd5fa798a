// The controls the handlers stand on: colours across the Qt boundary,
// labels, buttons, check boxes, text boxes, the list boxes, picture boxes
// with their drawing surface, and the platform services (beep, event pump,
// loading pictures).
#include "formats/picture/Colour.h"
#include "formats/picture/PictureFile.h"
#include "window/controls/Controls.h"
#include "window/controls/ListBoxes.h"
#include "window/controls/PictureBox.h"
#include "window/controls/Platform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QtTest>

#include <QtEndian>

namespace {

// Makes a folder the working folder while alive.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString& folder) : previous_(QDir::currentPath())
    {
        entered_ = QDir::setCurrent(folder);
    }
    ~WorkingFolder() { QDir::setCurrent(previous_); }
    bool isEntered() const { return entered_; }

private:
    QString previous_;
    bool entered_ = false;
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// A picture whose pixels all differ, in the handlers' colours, so that red
// and blue never agree.
QImage patternPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, Colour::toQRgb(Colour::rgb(10 + 20 * x, 7 + 30 * y, 250 - 9 * x - 5 * y)));
    return image;
}

QImage filled(int width, int height, int colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Colour::toQRgb(colour));
    return image;
}

void putLE16(QByteArray& bytes, int at, quint16 value) { qToLittleEndian(value, bytes.data() + at); }
void putLE32(QByteArray& bytes, int at, qint32 value) { qToLittleEndian(value, bytes.data() + at); }

// A 24-bit Windows bitmap. The header claims width x height (a negative
// height for rows stored top-down); pixelBytes of the pixel data follow
// (-1: all of them, taken from picture).
QByteArray bitmapFile(int width, int height, const QImage& picture = QImage(), qint64 pixelBytes = -1)
{
    const int rows = std::abs(height);
    const int stride = (width * 3 + 3) / 4 * 4;
    const qint64 dataSize = qint64(stride) * rows;
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLE32(bytes, 2, qint32(qMin<qint64>(54 + dataSize, 0x7FFFFFFF)));
    putLE32(bytes, 10, 54);
    putLE32(bytes, 14, 40);
    putLE32(bytes, 18, width);
    putLE32(bytes, 22, height);
    putLE16(bytes, 26, 1);
    putLE16(bytes, 28, 24);
    putLE32(bytes, 34, qint32(qMin<qint64>(dataSize, 0x7FFFFFFF)));
    putLE32(bytes, 38, 2835);
    putLE32(bytes, 42, 2835);
    if (pixelBytes < 0)
        pixelBytes = dataSize;
    if (picture.isNull())
        return bytes + QByteArray(pixelBytes, '\xFF');  // white
    QByteArray data;
    data.reserve(pixelBytes);
    for (int row = 0; row < rows && data.size() < pixelBytes; ++row) {
        const int y = height > 0 ? rows - 1 - row : row;
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            line[3 * x] = char(qBlue(pixel));
            line[3 * x + 1] = char(qGreen(pixel));
            line[3 * x + 2] = char(qRed(pixel));
        }
        data += line;
    }
    return bytes + data.left(pixelBytes);
}

QByteArray pictureFixture(const QString& name)
{
    QFile file(QFINDTESTDATA("fixtures/pictures/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every pixel of a picture box's surface in the handlers' colours.
QList<int> surfaceColours(const PictureBox& box)
{
    QList<int> colours;
    for (int y = 0; y < box.ScaleHeight(); ++y)
        for (int x = 0; x < box.ScaleWidth(); ++x)
            colours << box.Point(x, y);
    return colours;
}

int renderedColour(QWidget& widget, int x, int y) { return Colour::fromQRgb(widget.grab().toImage().pixel(x, y)); }

}  // namespace

class ToolkitTest : public QObject {
    Q_OBJECT
private slots:
    void colourConversion_data();
    void colourConversion();
    void backColourReachesThePalette();

    void labelCaptionWithLineBreaks_data();
    void labelCaptionWithLineBreaks();
    void controlFlagsAreTheControlsOwn();
    void buttonClickRunsOnlyWhenEnabled();
    void buttonShowsItsFaces();
    void checkBoxClickAndValue();
    void textBoxChangeFollowsEveryChange();
    void textBoxTakesOnlyStorableText_data();
    void textBoxTakesOnlyStorableText();

    void sortedListBoxInsertion_data();
    void sortedListBoxInsertion();
    void listIndex();
    void listBoxClickOnAnEntry();
    void fileListBoxPattern_data();
    void fileListBoxPattern();
    void fileListBoxPathAndRefresh();
    void dirListBoxNavigation();
    void listsStartInTheWorkingFolder();

    void pictureAutoSizeAndBorder_data();
    void pictureAutoSizeAndBorder();
    void pointOutsideIsMinusOne_data();
    void pointOutsideIsMinusOne();
    void psetLandsOnTheSurfaceAndScreen();
    void clsAndPictureEraseThePainting();
    void surfaceKeptAcrossResizes_data();
    void surfaceKeptAcrossResizes();
    void andCopy_data();
    void andCopy();
    void andCopyTintsTheBody();
    void overlayIsShownButNeverRead_data();
    void overlayIsShownButNeverRead();
    void pictureBoxClick();

    void beepAndDoEventsHooks();
    void loadPicture();
    void loadPictureRefuses_data();
    void loadPictureRefuses();
};

// ---- Colours

void ToolkitTest::colourConversion_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<QColor>("qt");
    QTest::newRow("red") << 255 << QColor(255, 0, 0);
    QTest::newRow("green") << 65280 << QColor(0, 255, 0);
    QTest::newRow("blue") << 16711680 << QColor(0, 0, 255);
    QTest::newRow("white") << Colour::White << QColor(255, 255, 255);
    QTest::newRow("purple") << Colour::Purple << QColor(255, 0, 255);
    QTest::newRow("neutral grey") << Colour::NeutralGrey << QColor(100, 100, 100);
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("all channels differ") << 0x123456 << QColor(0x56, 0x34, 0x12);
}

void ToolkitTest::colourConversion()
{
    QFETCH(int, colour);
    QFETCH(QColor, qt);
    QCOMPARE(Colour::toQColor(colour), qt);
    QCOMPARE(Colour::toQRgb(colour), qt.rgb());
    QCOMPARE(Colour::fromQColor(qt), colour);
    QCOMPARE(Colour::fromQRgb(qt.rgb()), colour);
    // Alpha plays no part.
    QCOMPARE(Colour::fromQRgb(qt.rgb() & 0x00FFFFFFu), colour);
    QCOMPARE(Colour::rgb(qt.red(), qt.green(), qt.blue()), colour);
}

void ToolkitTest::backColourReachesThePalette()
{
    TextBox box;
    box.setBackColor(255);
    QCOMPARE(box.BackColor(), 255);
    QCOMPARE(box.palette().color(QPalette::Base), QColor(255, 0, 0));
    Frame frame;
    frame.setBackColor(16711680);
    QCOMPARE(frame.BackColor(), 16711680);
    QCOMPARE(frame.palette().color(QPalette::Window), QColor(0, 0, 255));
}

// ---- Controls

void ToolkitTest::labelCaptionWithLineBreaks_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF") << "Name:\r\nAnna" << "Name:\nAnna";
    QTest::newRow("two CR LF") << "a\r\n\r\nb" << "a\n\nb";
    QTest::newRow("lone CR") << "a\rb" << "a\nb";
    QTest::newRow("no break") << "Ready" << "Ready";
}

void ToolkitTest::labelCaptionWithLineBreaks()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    Label label;
    label.setCaption(caption);
    QCOMPARE(label.Caption(), caption);
    QCOMPARE(label.text(), shown);
}

// Visible and Enabled are what the handlers set on the control, whatever
// its container shows.
void ToolkitTest::controlFlagsAreTheControlsOwn()
{
    QWidget window;
    Label* label = new Label(&window);
    window.setEnabled(false);
    QVERIFY(label->Enabled());
    QVERIFY(label->Visible());
    label->setVisible(false);
    QVERIFY(!label->Visible());
    label->setEnabled(false);
    QVERIFY(!label->Enabled());
    window.setEnabled(true);
    QVERIFY(!label->Enabled());
}

void ToolkitTest::buttonClickRunsOnlyWhenEnabled()
{
    QWidget window;
    Button* button = new Button(&window);
    button->setGeometry(10, 10, 60, 31);
    button->setFaces(filled(40, 20, 255), QImage(), QImage());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QAbstractButton::clicked);

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    button->setEnabled(true);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);
}

void ToolkitTest::buttonShowsItsFaces()
{
    // Left half red, right half blue: a greyed copy keeps the two halves apart.
    QImage face = filled(20, 10, 255);
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x)
            face.setPixel(x, y, Colour::toQRgb(16711680));
    const QImage pressed = filled(20, 10, 65280);

    QWidget window;
    Button* button = new Button(&window);
    button->setGeometry(0, 0, 40, 30);
    button->setFaces(face, pressed, QImage());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The face is centred: its pixel (5, 5) is at (15, 15).
    QCOMPARE(renderedColour(*button, 15, 15), 255);
    QCOMPARE(renderedColour(*button, 25, 15), 16711680);

    QTest::mousePress(button, Qt::LeftButton);
    QCOMPARE(button->shownFace(), pressed);
    QCOMPARE(renderedColour(*button, 15, 15), 65280);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(button->shownFace(), face);

    // Disabled without a face of its own: a grey copy of the face.
    button->setEnabled(false);
    const QImage greyed = button->shownFace();
    QCOMPARE(greyed.size(), face.size());
    const QColor left = greyed.pixelColor(5, 5), right = greyed.pixelColor(15, 5);
    QVERIFY(left.red() == left.green() && left.green() == left.blue());
    QVERIFY(right.red() == right.green() && right.green() == right.blue());
    QVERIFY(left != right);
    QCOMPARE(renderedColour(*button, 15, 15), Colour::fromQColor(left));

    // With its own disabled face, that one.
    const QImage disabled = filled(20, 10, Colour::NeutralGrey);
    button->setFaces(face, pressed, disabled);
    QCOMPARE(button->shownFace(), disabled);
    QCOMPARE(renderedColour(*button, 15, 15), Colour::NeutralGrey);
    button->setEnabled(true);
    QCOMPARE(renderedColour(*button, 15, 15), 255);
}

void ToolkitTest::checkBoxClickAndValue()
{
    QWidget window;
    CheckBox* box = new CheckBox(&window);
    box->setText("Help");
    box->resize(box->sizeHint());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(box, &CheckBox::Click);

    QCOMPARE(box->Value(), 0);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->Value(), 1);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->Value(), 0);
    QCOMPARE(clicks.count(), 2);

    // Setting Value from code runs the click handler, as a click does...
    box->setValue(1);
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(box->Value(), 1);
    // ... but not when the value stays.
    box->setValue(1);
    QCOMPARE(clicks.count(), 3);
    // Where a handler must not run, its signal is blocked.
    {
        const QSignalBlocker blocker(box);
        box->setValue(0);
    }
    QCOMPARE(box->Value(), 0);
    QCOMPARE(clicks.count(), 3);

    box->setEnabled(false);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->Value(), 0);
    QCOMPARE(clicks.count(), 3);
}

void ToolkitTest::textBoxChangeFollowsEveryChange()
{
    QWidget window;
    TextBox* box = new TextBox(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy changes(box, &TextBox::Change);

    QTest::keyClicks(box, "Rock");
    QCOMPARE(box->Text(), QString("Rock"));
    QCOMPARE(changes.count(), 4);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(changes.count(), 5);

    // A change made by a handler, also one made inside the change handler.
    connect(box, &TextBox::Change, box, [box] {
        if (box->Text() == " ")
            box->setTextValue(QString());
    });
    box->setTextValue(" ");
    QCOMPARE(box->Text(), QString());
    QCOMPARE(changes.count(), 7);
}

// Put into a box that holds "Rose|" (the cursor after the e): inserted as
// a paste does, pasted from the clipboard, typed key by key, or committed
// by an input method. Only what the files can hold in a line arrives: no
// character Windows-1252 lacks, no control character (C0, DEL, C1).
void ToolkitTest::textBoxTakesOnlyStorableText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("how");  // insert, clipboard, keys, input method
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("drops");  // times CharactersDropped fires

    QTest::newRow("German and euro pasted") << QString("ßäÖ€") << "insert" << QString("RoseßäÖ€") << 0;
    QTest::newRow("Cyrillic pasted") << QString("Роза") << "insert" << QString("Rose") << 1;
    QTest::newRow("mixed pasted") << QString("-Žluť ✓ ok") << "insert" << QString("Rose-Žlu  ok") << 1;
    QTest::newRow("emoji pasted") << QString::fromUtf8("\xF0\x9F\x91\x97 dress") << "insert" << QString("Rose dress")
                                  << 1;
    QTest::newRow("snowman typed") << QString("a☃b") << "keys" << QString("Roseab") << 1;

    const QString lines = QString(" red\r\nITEM: x\n") + QChar(0x2028);  // and a Unicode line separator
    QTest::newRow("line ends pasted") << lines << "insert" << QString("Rose redITEM: x") << 1;
    QTest::newRow("line ends from the clipboard") << lines << "clipboard" << QString("Rose redITEM: x") << 1;
    QTest::newRow("line ends from an input method") << lines << "input method" << QString("Rose redITEM: x") << 1;
    QTest::newRow("tab, escape, NUL and unit separator pasted")
        << QString("a\tb") + QChar(0x1B) + QChar(0) + "c" + QChar(0x1F) << "insert" << QString("Roseabc") << 1;
    QTest::newRow("DEL and C1 controls pasted, even those with a byte")
        << QString("a") + QChar(0x7F) + QChar(0x80) + "b" + QChar(0x81) + QChar(0x85) + QChar(0x9D) + QChar(0x9F)
        << "clipboard" << QString("Roseab") << 1;
    // A key's control character is a command (Return, Tab, Backspace): the
    // box never inserts it, so nothing is dropped or told.
    QTest::newRow("control characters typed")
        << QString("a") + QChar(0x01) + QChar(0x7F) + QChar(0x85) + "b" << "keys" << QString("Roseab") << 0;
    QTest::newRow("printable neighbours of the controls stay")
        << QString(" ~") + QChar(0xA0) + QChar(0x20AC) + QChar(0x201A) + QChar(0x0178) << "clipboard"
        << QString("Rose ~") + QChar(0xA0) + QChar(0x20AC) + QChar(0x201A) + QChar(0x0178) << 0;
}

void ToolkitTest::textBoxTakesOnlyStorableText()
{
    QFETCH(QString, input);
    QFETCH(QString, how);
    QFETCH(QString, shown);
    QFETCH(int, drops);

    QWidget window;
    TextBox* box = new TextBox(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    box->setTextValue("Rose");
    box->setFocus();
    QSignalSpy dropped(box, &TextBox::CharactersDropped);
    if (how == "keys") {
        for (const QChar c : input)  // keyClicks knows only ASCII
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    } else if (how == "clipboard") {
        QGuiApplication::clipboard()->setText(input);
        QCOMPARE(QGuiApplication::clipboard()->text(), input);
        box->paste();
    } else if (how == "input method") {
        QInputMethodEvent commit;
        commit.setCommitString(input);
        QCoreApplication::sendEvent(box, &commit);
    } else {
        box->insert(input);  // what a paste does
    }
    QCOMPARE(box->Text(), shown);
    QCOMPARE(box->cursorPosition(), shown.size());
    // The box tells of a drop once its edit is over, by a posted call: it
    // is delivered here, so that a drop told when none was due shows too.
    QCoreApplication::sendPostedEvents(box, QEvent::MetaCall);
    QCOMPARE(dropped.count(), drops);
}

// ---- List boxes

void ToolkitTest::sortedListBoxInsertion_data()
{
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("sorted without regard to case")
        << true << QStringList{"pear", "Apple", "banana", "Cherry", "apricot"}
        << QStringList{"Apple", "apricot", "banana", "Cherry", "pear"};
    QTest::newRow("equal entries keep their order of arrival")
        << true << QStringList{"skirt", "Skirt", "SKIRT", "a"} << QStringList{"a", "skirt", "Skirt", "SKIRT"};
    QTest::newRow("added at the front and at the end")
        << true << QStringList{"m", "z", "a", "n"} << QStringList{"a", "m", "n", "z"};
    QTest::newRow("blanks and digits before letters")
        << true << QStringList{"b", "2 Skirt", " top", "10 Hat"} << QStringList{" top", "10 Hat", "2 Skirt", "b"};
    QTest::newRow("unsorted keeps the order of arrival")
        << false << QStringList{"pear", "Apple", "banana"} << QStringList{"pear", "Apple", "banana"};
}

void ToolkitTest::sortedListBoxInsertion()
{
    QFETCH(bool, sorted);
    QFETCH(QStringList, added);
    QFETCH(QStringList, listed);
    ListBox list;
    list.setSorted(sorted);
    for (const QString& entry : added)
        list.AddItem(entry);
    QStringList entries;
    for (int i = 0; i < list.ListCount(); ++i)
        entries << list.List(i);
    QCOMPARE(entries, listed);
}

void ToolkitTest::listIndex()
{
    ListBox list;
    QSignalSpy clicks(&list, &ListBox::Click);
    QCOMPARE(list.ListIndex(), -1);
    for (const char* entry : {"Hat", "Skirt", "Top"})
        list.AddItem(entry);
    QCOMPARE(list.ListIndex(), -1);
    QCOMPARE(list.ListCount(), 3);

    list.setListIndex(1);
    QCOMPARE(list.ListIndex(), 1);
    list.setList(1, "Dress");
    QCOMPARE(list.List(1), QString("Dress"));
    QCOMPARE(list.ListIndex(), 1);
    list.setListIndex(-1);
    QCOMPARE(list.ListIndex(), -1);
    list.setListIndex(2);
    list.setListIndex(7);
    QCOMPARE(list.ListIndex(), -1);

    list.setListIndex(0);
    list.RemoveItem(2);
    QCOMPARE(list.ListCount(), 2);
    QCOMPARE(list.ListIndex(), 0);
    list.Clear();
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(list.ListIndex(), -1);
    QCOMPARE(list.List(0), QString());
    // A selection made by code runs nothing.
    QCOMPARE(clicks.count(), 0);
}

void ToolkitTest::listBoxClickOnAnEntry()
{
    QWidget window;
    ListBox* list = new ListBox(&window);
    list->setGeometry(0, 0, 130, 132);
    list->setSorted(true);
    for (const char* entry : {"Top", "Hat", "Skirt"})
        list->AddItem(entry);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(list, &ListBox::Click);

    int indexAtClick = -2;
    connect(list, &ListBox::Click, list, [&] { indexAtClick = list->ListIndex(); });
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(indexAtClick, 1);
    QCOMPARE(list->List(list->ListIndex()), QString("Skirt"));

    // Below the last entry there is nothing to click.
    const QPoint empty(10, list->viewport()->height() - 3);
    QVERIFY(!list->itemAt(empty));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, empty);
    QCOMPARE(clicks.count(), 1);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(indexAtClick, 2);
}

void ToolkitTest::fileListBoxPattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("upper-case pattern lists every case") << "*.BMP" << QStringList{"a.bmp", "B.Bmp", "c.BMP"};
    QTest::newRow("lower-case pattern lists every case") << "*.bmp" << QStringList{"a.bmp", "B.Bmp", "c.BMP"};
    QTest::newRow("project files") << "*.project" << QStringList{"Anna.Project", "default.PROJECT"};
}

void ToolkitTest::fileListBoxPattern()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, listed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char* name : {"B.Bmp", "a.bmp", "c.BMP", "d.bmp.txt", "notes.txt", "Anna.Project", "default.PROJECT",
                             "Anna.Projects"})
        writeFile(dir.filePath(name), "x");
    // A folder is no file, whatever its name.
    QVERIFY(QDir(dir.path()).mkdir("e.bmp"));
    QVERIFY(QDir(dir.path()).mkdir("f.project"));

    FileListBox list;
    list.setPattern(pattern);
    list.setPath(dir.path());
    QStringList entries;
    for (int i = 0; i < list.ListCount(); ++i)
        entries << list.List(i);
    QCOMPARE(entries, listed);
}

void ToolkitTest::fileListBoxPathAndRefresh()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath("Projects/Body.bmp"), "x");
    writeFile(dir.filePath("Projects/Default.Project"), "x");
    WorkingFolder folder(dir.path());
    QVERIFY(folder.isEntered());

    FileListBox list;
    list.setPattern("*.BMP");
    // The handlers' form of a folder, in other case.
    list.setPath("projects\\");
    QCOMPARE(list.Path(), QString("projects\\"));
    QCOMPARE(list.ListCount(), 1);
    QCOMPARE(list.List(0), QString("Body.bmp"));

    writeFile(dir.filePath("Projects/Anna.BMP"), "x");
    QCOMPARE(list.ListCount(), 1);
    list.Refresh();
    QCOMPARE(list.ListCount(), 2);
    QCOMPARE(list.List(0), QString("Anna.BMP"));
    QCOMPARE(list.List(1), QString("Body.bmp"));

    list.setPath("Missing\\");
    QCOMPARE(list.ListCount(), 0);
}

void ToolkitTest::dirListBoxNavigation()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = QDir(dir.path()).canonicalPath();
    QVERIFY(QDir().mkpath(root + "/Alpha/Inner"));
    QVERIFY(QDir().mkpath(root + "/beta"));
    writeFile(root + "/Alpha/skirt.bmp", "x");

    QWidget window;
    DirListBox* dirs = new DirListBox(&window);
    dirs->setGeometry(0, 0, 180, 300);
    dirs->setPath(root);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy changes(dirs, &DirListBox::Change);

    const auto entryOf = [dirs](const QString& path) {
        for (int i = 0; i < dirs->ListCount(); ++i)
            if (dirs->List(i) == path)
                return i;
        return -1;
    };
    const auto doubleClick = [dirs](int index) {
        const QPoint at = dirs->visualItemRect(dirs->item(index)).center();
        QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(dirs->viewport(), Qt::LeftButton, {}, at);
    };

    QCOMPARE(dirs->Path(), root);
    QCOMPARE(dirs->List(dirs->ListIndex()), root);
    QVERIFY(entryOf(root + "/beta") >= 0);
    QCOMPARE(entryOf(root + "/Alpha/Inner"), -1);

    // Into a subfolder: a single click only points at it.
    const int alpha = entryOf(root + "/Alpha");
    QVERIFY(alpha >= 0);
    QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, dirs->visualItemRect(dirs->item(alpha)).center());
    QCOMPARE(changes.count(), 0);
    QCOMPARE(dirs->Path(), root);
    doubleClick(alpha);
    QTRY_COMPARE(changes.count(), 1);
    QCOMPARE(dirs->Path(), root + "/Alpha");
    QCOMPARE(dirs->List(dirs->ListIndex()), root + "/Alpha");
    QVERIFY(entryOf(root + "/Alpha/Inner") >= 0);
    QCOMPARE(entryOf(root + "/beta"), -1);

    // Up to the parent, shown above the chosen folder.
    const int parent = entryOf(root);
    QVERIFY(parent >= 0 && parent < dirs->ListIndex());
    doubleClick(parent);
    QTRY_COMPARE(changes.count(), 2);
    QCOMPARE(dirs->Path(), root);
    QVERIFY(entryOf(root + "/beta") >= 0);

    // Enter on an entry chooses it too.
    dirs->setListIndex(entryOf(root + "/beta"));
    QTest::keyClick(dirs, Qt::Key_Return);
    QCOMPARE(changes.count(), 3);
    QCOMPARE(dirs->Path(), root + "/beta");

    // Set in the handlers' form; setting the folder it shows runs nothing.
    dirs->setPath(root + "\\ALPHA\\inner");
    QCOMPARE(changes.count(), 4);
    QCOMPARE(dirs->Path(), root + "/Alpha/Inner");
    dirs->setPath(root + "/Alpha/Inner/");
    QCOMPARE(changes.count(), 4);
}

void ToolkitTest::listsStartInTheWorkingFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath("Skirt.bmp"), "x");
    writeFile(dir.filePath("Tavolin.ini"), "x");
    WorkingFolder folder(dir.path());
    QVERIFY(folder.isEntered());

    DirListBox dirs;
    QCOMPARE(dirs.Path(), QDir::currentPath());
    FileListBox files;
    files.setPattern("*.bmp");
    QCOMPARE(files.ListCount(), 1);
    QCOMPARE(files.List(0), QString("Skirt.bmp"));
}

// ---- Picture boxes

void ToolkitTest::pictureAutoSizeAndBorder_data()
{
    QTest::addColumn<int>("border");
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<int>("width");  // outer size
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("borderWidth");
    QTest::newRow("no border, sized to the picture") << int(PictureBox::Border::None) << true << 7 << 5 << 0;
    QTest::newRow("flat border, sized to the picture") << int(PictureBox::Border::Flat) << true << 9 << 7 << 1;
    QTest::newRow("sunken border, sized to the picture") << int(PictureBox::Border::Sunken) << true << 11 << 9 << 2;
    QTest::newRow("no border, fixed size") << int(PictureBox::Border::None) << false << 20 << 12 << 0;
    QTest::newRow("sunken border, fixed size") << int(PictureBox::Border::Sunken) << false << 20 << 12 << 2;
}

void ToolkitTest::pictureAutoSizeAndBorder()
{
    QFETCH(int, border);
    QFETCH(bool, autoSize);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, borderWidth);

    QWidget window;
    PictureBox* box = new PictureBox(&window);
    box->resize(20, 12);
    box->setBorder(PictureBox::Border(border));
    box->setAutoSize(autoSize);
    const QImage picture = patternPicture(7, 5);
    box->setPicture(picture);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(box->Width(), width);
    QCOMPARE(box->Height(), height);
    QCOMPARE(box->ScaleWidth(), width - 2 * borderWidth);
    QCOMPARE(box->ScaleHeight(), height - 2 * borderWidth);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            QCOMPARE(box->Point(x, y), Colour::fromQRgb(picture.pixel(x, y)));
    if (!autoSize)
        QCOMPARE(box->Point(10, 6), box->BackColor());
    // The surface is shown inside the border.
    QCOMPARE(renderedColour(*box, borderWidth + 3, borderWidth + 2), Colour::fromQRgb(picture.pixel(3, 2)));
}

void ToolkitTest::pointOutsideIsMinusOne_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("inside");
    QTest::newRow("top left") << 0 << 0 << true;
    QTest::newRow("bottom right") << 9 << 5 << true;
    QTest::newRow("left of it") << -1 << 0 << false;
    QTest::newRow("above it") << 0 << -1 << false;
    QTest::newRow("right of it") << 10 << 0 << false;
    QTest::newRow("below it") << 0 << 6 << false;
    QTest::newRow("in the border") << 11 << 7 << false;
    QTest::newRow("far away") << -500 << 100000 << false;
}

void ToolkitTest::pointOutsideIsMinusOne()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, inside);
    PictureBox box;
    box.setBorder(PictureBox::Border::Flat);
    box.resize(12, 8);  // inner 10 x 6
    box.setPicture(filled(10, 6, 255));
    QCOMPARE(box.Point(x, y), inside ? 255 : -1);
    // Setting a pixel outside changes nothing.
    const QList<int> before = surfaceColours(box);
    box.PSet(x, y, 16711680);
    if (!inside)
        QCOMPARE(surfaceColours(box), before);
    else
        QCOMPARE(box.Point(x, y), 16711680);
}

void ToolkitTest::psetLandsOnTheSurfaceAndScreen()
{
    QWidget window;
    PictureBox* box = new PictureBox(&window);
    box->setBorder(PictureBox::Border::Sunken);
    box->resize(24, 24);
    box->setPicture(filled(20, 20, Colour::White));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    box->PSet(0, 0, 255);
    box->PSet(1, 0, 16711680);
    box->PSet(19, 19, 0x123456);
    QCOMPARE(box->Point(0, 0), 255);
    QCOMPARE(box->Point(1, 0), 16711680);
    QCOMPARE(box->Point(19, 19), 0x123456);
    QCOMPARE(box->Point(2, 0), Colour::White);
    QCOMPARE(box->surface().pixelColor(0, 0), QColor(255, 0, 0));
    QCOMPARE(box->surface().pixelColor(1, 0), QColor(0, 0, 255));

    const QImage shown = box->grab().toImage();
    QCOMPARE(shown.pixelColor(2, 2), QColor(255, 0, 0));
    QCOMPARE(shown.pixelColor(3, 2), QColor(0, 0, 255));
    QCOMPARE(shown.pixelColor(21, 21), QColor(0x56, 0x34, 0x12));
}

void ToolkitTest::clsAndPictureEraseThePainting()
{
    PictureBox box;
    box.resize(10, 10);
    box.setBackColor(Colour::NeutralGrey);
    const QImage picture = patternPicture(6, 6);
    box.setPicture(picture);
    QCOMPARE(box.Point(8, 8), Colour::NeutralGrey);
    QCOMPARE(box.Point(2, 3), Colour::fromQRgb(picture.pixel(2, 3)));

    box.PSet(2, 3, 255);
    box.PSet(8, 8, 16711680);
    box.Cls();
    QCOMPARE(box.Point(2, 3), Colour::fromQRgb(picture.pixel(2, 3)));
    QCOMPARE(box.Point(8, 8), Colour::NeutralGrey);

    // Painting after Cls lands over the picture.
    box.PSet(2, 3, 255);
    QCOMPARE(box.Point(2, 3), 255);

    // A new picture leaves only itself showing.
    box.setPicture(filled(4, 4, 65280));
    QCOMPARE(box.Point(2, 3), 65280);
    QCOMPARE(box.Point(5, 5), Colour::NeutralGrey);
    QCOMPARE(box.Picture().size(), QSize(4, 4));
}

void ToolkitTest::surfaceKeptAcrossResizes_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("shown box") << true;
    // A hidden box gets no resize events until it is shown.
    QTest::newRow("hidden box") << false;
}

void ToolkitTest::surfaceKeptAcrossResizes()
{
    QFETCH(bool, shown);
    QWidget window;
    PictureBox* box = new PictureBox(&window);
    box->resize(10, 10);
    box->setPicture(filled(4, 4, Colour::Purple));
    if (shown) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    } else {
        box->hide();
    }
    box->PSet(2, 2, 255);
    box->PSet(9, 9, 16711680);

    box->resize(20, 16);
    QCOMPARE(box->ScaleWidth(), 20);
    QCOMPARE(box->surface().size(), QSize(20, 16));
    QCOMPARE(box->Point(2, 2), 255);
    QCOMPARE(box->Point(9, 9), 16711680);
    QCOMPARE(box->Point(3, 3), Colour::Purple);
    QCOMPARE(box->Point(19, 15), Colour::White);

    // Shrunk, what no longer fits is gone; the rest stays.
    box->resize(6, 6);
    QCOMPARE(box->Point(2, 2), 255);
    QCOMPARE(box->Point(9, 9), -1);
    box->resize(10, 10);
    QCOMPARE(box->Point(2, 2), 255);
    QCOMPARE(box->Point(9, 9), Colour::White);
}

void ToolkitTest::andCopy_data()
{
    QTest::addColumn<int>("sourceX");
    QTest::addColumn<int>("sourceY");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("changed");  // destination pixels that change

    // The source's inner area is 4 x 3; its outer size 8 x 7.
    QTest::newRow("inside") << 0 << 0 << 4 << 3 << 2 << 2 << 12;
    QTest::newRow("sticks out right and bottom") << 0 << 0 << 4 << 3 << 8 << 6 << 4;
    QTest::newRow("sticks out left and top") << 0 << 0 << 4 << 3 << -2 << -1 << 4;
    QTest::newRow("outer size of the source: only its surface counts") << 0 << 0 << 8 << 7 << 1 << 1 << 12;
    QTest::newRow("part of the source") << 1 << 1 << 2 << 2 << 0 << 0 << 4;
    QTest::newRow("source rectangle starts outside the source") << -1 << -2 << 4 << 4 << 5 << 3 << 6;
    QTest::newRow("beyond the destination") << 0 << 0 << 4 << 3 << 10 << 8 << 0;
    QTest::newRow("empty rectangle") << 0 << 0 << 0 << 0 << 1 << 1 << 0;
}

void ToolkitTest::andCopy()
{
    QFETCH(int, sourceX);
    QFETCH(int, sourceY);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, changed);

    // No colour of the source is white, so every copied pixel shows.
    PictureBox source;
    source.setBorder(PictureBox::Border::Sunken);
    source.setAutoSize(true);
    QImage clothes(4, 3, QImage::Format_RGB32);
    const int colours[] = {Colour::Purple, 0, 255, 65280, 16711680, 0x0F0F0F, 0xF0F0F0, 0x123456,
                           0x654321, 0xABCDEF, 0x00FFFF, 0x808080};
    for (int i = 0; i < 12; ++i)
        clothes.setPixel(i % 4, i / 4, Colour::toQRgb(colours[i]));
    source.setPicture(clothes);
    QCOMPARE(source.Width(), 8);

    PictureBox body;
    body.resize(10, 8);
    body.setPicture(patternPicture(10, 8));
    const QList<int> before = surfaceColours(body);

    body.AndCopyFrom(source, sourceX, sourceY, width, height, x, y);

    int count = 0;
    for (int dy = 0; dy < 8; ++dy) {
        for (int dx = 0; dx < 10; ++dx) {
            const int old = before.at(dy * 10 + dx);
            const int sx = sourceX + dx - x, sy = sourceY + dy - y;
            const bool inRectangle = dx - x >= 0 && dx - x < width && dy - y >= 0 && dy - y < height;
            const int from = source.Point(sx, sy);
            const int expected = inRectangle && from >= 0 ? (old & from) : old;
            if (body.Point(dx, dy) != old)
                ++count;
            QVERIFY2(body.Point(dx, dy) == expected, qPrintable(QString("pixel %1, %2").arg(dx).arg(dy)));
        }
    }
    QCOMPARE(count, changed);
    // The source is left as it was.
    QCOMPARE(source.Point(0, 0), Colour::Purple);
}

// The preview's combination on a body pixel of 0x336699 (blue 0x33, green
// 0x66, red 0x99).
void ToolkitTest::andCopyTintsTheBody()
{
    QWidget window;
    PictureBox* body = new PictureBox(&window);
    body->resize(4, 1);
    body->setPicture(filled(4, 1, 0x336699));
    PictureBox* clothes = new PictureBox(&window);
    clothes->setAutoSize(true);
    QImage picture(4, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, Colour::toQRgb(Colour::White));
    picture.setPixel(1, 0, Colour::toQRgb(0));
    picture.setPixel(2, 0, Colour::toQRgb(Colour::Purple));
    picture.setPixel(3, 0, Colour::toQRgb(255));
    clothes->setPicture(picture);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    body->AndCopyFrom(*clothes, 0, 0, clothes->Width(), clothes->Height(), 0, 0);
    QCOMPARE(body->Point(0, 0), 0x336699);  // white leaves the body
    QCOMPARE(body->Point(1, 0), 0);         // black stays black
    QCOMPARE(body->Point(2, 0), 0x330099);  // pink keeps red and blue
    QCOMPARE(body->Point(3, 0), 0x000099);  // red keeps red
    const QImage shown = body->grab().toImage();
    QCOMPARE(shown.pixelColor(2, 0), QColor(0x99, 0x00, 0x33));
    QCOMPARE(shown.pixelColor(3, 0), QColor(0x99, 0x00, 0x00));
}

void ToolkitTest::overlayIsShownButNeverRead_data()
{
    QTest::addColumn<int>("border");
    QTest::newRow("no border") << int(PictureBox::Border::None);
    QTest::newRow("sunken border") << int(PictureBox::Border::Sunken);
}

// The overlay lies over the surface on the screen: reads, the AND copy and
// the border never see it, and a new picture takes it away.
void ToolkitTest::overlayIsShownButNeverRead()
{
    QFETCH(int, border);
    QWidget window;
    PictureBox* box = new PictureBox(&window);
    box->setBorder(PictureBox::Border(border));
    box->setAutoSize(true);
    const QImage picture = patternPicture(6, 4);
    box->setPicture(picture);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int b = box->borderWidth();
    const QImage plain = box->grab().toImage();
    const QImage surface = box->surface();

    // One mark at (2, 1), one beyond the surface's bottom-right corner
    // where a border would be.
    QImage overlay(8, 6, QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    overlay.setPixel(2, 1, Colour::toQRgb(255));
    overlay.setPixel(6, 4, Colour::toQRgb(16711680));
    box->setOverlay(overlay);

    QCOMPARE(box->surface(), surface);
    QCOMPARE(box->Point(2, 1), Colour::fromQRgb(picture.pixel(2, 1)));
    QImage marked = plain;
    marked.setPixel(b + 2, b + 1, Colour::toQRgb(255));
    QCOMPARE(box->grab().toImage(), marked);

    PictureBox copy;
    copy.resize(6, 4);
    copy.setPicture(filled(6, 4, Colour::White));
    copy.AndCopyFrom(*box, 0, 0, 6, 4, 0, 0);
    QCOMPARE(copy.surface(), picture);

    box->Cls();  // the same picture again: the mark still belongs to it
    QCOMPARE(box->grab().toImage(), marked);
    box->setPicture(picture);
    QVERIFY(box->overlay().isNull());
    QCOMPARE(box->grab().toImage(), plain);
}

void ToolkitTest::pictureBoxClick()
{
    QWidget window;
    window.resize(100, 100);
    PictureBox* box = new PictureBox(&window);
    box->setGeometry(10, 10, 25, 18);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(box, &PictureBox::Click);

    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(box, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
    // Pressed on the box, let go beside it: no click.
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(60, 60));
    QCOMPARE(clicks.count(), 1);
}

// ---- Platform

void ToolkitTest::beepAndDoEventsHooks()
{
    int beeps = 0, pumps = 0;
    Platform::setBeepHook([&] { ++beeps; });
    Platform::Beep();
    Platform::Beep();
    Platform::setBeepHook({});
    Platform::Beep();
    QCOMPARE(beeps, 2);

    // The real event pump runs what is pending.
    QObject target;
    bool ran = false;
    QMetaObject::invokeMethod(&target, [&] { ran = true; }, Qt::QueuedConnection);
    Platform::DoEvents();
    QVERIFY(ran);

    Platform::setDoEventsHook([&] { ++pumps; });
    ran = false;
    QMetaObject::invokeMethod(&target, [&] { ran = true; }, Qt::QueuedConnection);
    Platform::DoEvents();
    QCOMPARE(pumps, 1);
    QVERIFY(!ran);
    Platform::setDoEventsHook({});
    Platform::DoEvents();
    QVERIFY(ran);
    QCOMPARE(pumps, 1);
}

void ToolkitTest::loadPicture()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QImage picture = patternPicture(3, 2);
    writeFile(dir.filePath("Pics/Red Skirt.bmp"), bitmapFile(3, 2, picture));
    writeFile(dir.filePath("Pics/top-down.bmp"), bitmapFile(3, -2, picture));
    WorkingFolder folder(dir.path());
    QVERIFY(folder.isEntered());

    for (const char* name : {"pics\\RED SKIRT.BMP", "Pics\\top-down.bmp"}) {
        const PictureFile::LoadedPicture loaded = PictureFile::load(name);
        QVERIFY2(!loaded.image.isNull(), qPrintable(loaded.error));
        QCOMPARE(loaded.image.size(), QSize(3, 2));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                QCOMPARE(Colour::fromQRgb(loaded.image.pixel(x, y)), Colour::fromQRgb(picture.pixel(x, y)));
    }
    // By an absolute path in the handlers' form, as the import builds it.
    const PictureFile::LoadedPicture loaded = PictureFile::load(dir.path() + "\\PICS\\red skirt.bmp");
    QCOMPARE(loaded.image.size(), QSize(3, 2));
}

void ToolkitTest::loadPictureRefuses_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("tooLarge");  // refused for the size its header claims
    // Claims larger than the program takes, refused from the header alone.
    QTest::newRow("header claims 60000 x 60000") << bitmapFile(60000, 60000, QImage(), 0) << true;
    QTest::newRow("header claims 60000 x 60000 top-down") << bitmapFile(60000, -60000, QImage(), 0) << true;
    QTest::newRow("wider than the limit, pixels all there") << bitmapFile(8193, 1) << true;
    QTest::newRow("taller than the limit, pixels all there") << bitmapFile(1, 8193) << true;
    QTest::newRow("more pixels than the limit") << bitmapFile(4097, 4097, QImage(), 0) << true;
    QTest::newRow("more pixels than the limit, pixels all there") << bitmapFile(4100, 4100) << true;
    QTest::newRow("header claims the lowest top-down height an int holds")
        << pictureFixture("BitmapHeightLowestInt.bmp") << true;
    // Qt tells the size of the one-pixel frame, but reads the whole screen.
    QTest::newRow("GIF screen taller than the limit, its frame one pixel")
        << pictureFixture("GifScreenTallerThanItsFrame.gif") << true;
    // Broken files.
    QTest::newRow("pixel data cut short") << bitmapFile(40, 30, QImage(), 40 * 3 * 10) << false;
    QTest::newRow("pixel data cut short, top-down") << bitmapFile(40, -30, QImage(), 40 * 3 * 29) << false;
    // Qt reads whole rows: without it, the top row would come out black.
    QTest::newRow("padding of the last row missing") << bitmapFile(3, 2).chopped(3) << false;
    QTest::newRow("header cut short") << bitmapFile(4, 4).left(30) << false;
    QTest::newRow("not a picture") << QByteArray("ITEM: Skirt\r\n 1 \r\n 2 \r\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void ToolkitTest::loadPictureRefuses()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, tooLarge);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath("broken.bmp"), file);
    const PictureFile::LoadedPicture loaded = PictureFile::load(dir.filePath("broken.bmp"));
    QVERIFY(loaded.image.isNull());
    QVERIFY(!loaded.error.isEmpty());
    QCOMPARE(loaded.tooLarge, tooLarge);

    const PictureFile::LoadedPicture missing = PictureFile::load(dir.filePath("missing.bmp"));
    QVERIFY(missing.image.isNull());
    QVERIFY(!missing.error.isEmpty());
    QVERIFY(!missing.tooLarge);
}

QTEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"
