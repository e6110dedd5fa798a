// The window as designed: every control at its place with its size, tab
// index, look and design state, in its stacking order, and the window's
// own size, flags, icon and background.
#include "TestSupport.h"
#include "formats/picture/Colour.h"
#include "window/controls/Fonts.h"

#include <QtTest>

namespace {

struct Expected {
    const char* name;
    const char* kind;
    const char* container;
    int x, y, w, h;
    int tab;
    bool visible, enabled;
};

// Written out from the window's design, independently of the program's table.
const Expected kDesign[] = {
    {"AskMe", "PictureBox", "", 400, 168, 234, 113, 56, false, true},
    {"SayYes", "Button", "AskMe", 152, 68, 60, 31, 58, true, true},
    {"SayNo", "Button", "AskMe", 16, 68, 60, 31, 57, true, true},
    {"QuestionIs", "Label", "AskMe", 8, 22, 217, 43, 59, true, true},
    {"MoveDownList", "Button", "", 400, 352, 31, 31, 64, true, true},
    {"MoveUpList", "Button", "", 400, 272, 31, 31, 63, true, true},
    {"ItemRename", "TextBox", "", 360, 200, 121, 19, 60, false, true},
    {"English", "PictureBox", "", 368, 504, 25, 18, 55, true, true},
    {"German", "PictureBox", "", 400, 504, 25, 18, 54, true, true},
    {"ShowHelp", "CheckBox", "", 640, 542, 16, 17, 52, true, false},
    {"AutoButton", "PictureBox", "", 496, 336, 45, 20, 49, true, true},
    {"WhiteButton", "PictureBox", "", 496, 360, 44, 20, 48, true, true},
    {"PinkButton", "PictureBox", "", 496, 312, 45, 20, 47, true, true},
    {"UpdateItem", "Button", "", 360, 120, 60, 31, 46, true, false},
    {"Picture4", "PictureBox", "", 384, 96, 17, 17, 45, true, true},
    {"Picture3", "PictureBox", "", 368, 80, 17, 17, 44, true, true},
    {"Picture2", "PictureBox", "", 400, 80, 17, 17, 43, true, true},
    {"Picture1", "PictureBox", "", 384, 64, 17, 17, 42, true, true},
    {"DeleteOutfit", "Button", "", 360, 456, 60, 31, 40, true, true},
    {"SaveOutfit", "Button", "", 360, 395, 60, 31, 39, true, true},
    {"NameOfOutfit", "TextBox", "", 224, 400, 130, 19, 38, true, true},
    {"OutfitList", "ListBox", "", 224, 424, 130, 84, 37, true, true},
    {"GetBodyPic", "FileListBox", "", 432, 144, 120, 71, 34, true, true},
    {"PlaygroundOnOff", "Button", "", 276, 8, 73, 33, 33, true, false},
    {"LetsGo", "Button", "", 424, 440, 60, 31, 32, true, true},
    {"DeleteProject", "Button", "", 560, 64, 60, 31, 29, true, true},
    {"CreatProject", "Button", "", 464, 296, 60, 31, 28, true, true},
    {"EnterLadyName", "TextBox", "", 432, 272, 120, 19, 27, true, true},
    {"EnterProjectName", "TextBox", "", 432, 232, 120, 19, 26, true, true},
    {"AddBMPItem", "Button", "", 644, 8, 73, 33, 24, true, false},
    {"ProjectFileList", "FileListBox", "", 432, 48, 121, 70, 23, true, true},
    {"NewProject", "Button", "", 460, 8, 73, 33, 22, true, false},
    {"RemoveItem", "Button", "", 360, 313, 60, 31, 21, true, true},
    {"MoveLayerUp", "Button", "", 360, 272, 31, 31, 20, true, true},
    {"MoveLayerDown", "Button", "", 360, 352, 31, 31, 19, true, true},
    {"DressItem", "Button", "", 224, 224, 60, 31, 18, true, true},
    {"Dressed", "ListBox", "", 224, 264, 130, 132, 17, true, true},
    {"Harddrive", "DirListBox", "", 550, 48, 180, 81, 16, false, false},
    {"SkirtFiles", "FileListBox", "", 550, 136, 180, 71, 14, false, false},
    {"DeleteSkirt", "Button", "", 360, 160, 60, 31, 13, true, false},
    {"Option3", "OptionButton", "", 439, 360, 57, 17, 12, true, true},
    {"Option2", "OptionButton", "", 439, 344, 52, 17, 11, true, true},
    {"Option1", "OptionButton", "", 439, 328, 52, 17, 10, true, true},
    {"Wardrobe", "ListBox", "", 224, 64, 129, 148, 9, true, true},
    {"NameSkirt", "TextBox", "", 400, 392, 129, 19, 8, false, false},
    {"AddToWardrobe", "Button", "", 424, 416, 60, 31, 7, false, false},
    {"Clothes", "PictureBox", "", 550, 210, 180, 308, 6, false, false},
    {"SkirtUp", "Button", "", 474, 188, 30, 30, 5, false, false},
    {"SkirtDown", "Button", "", 474, 252, 30, 30, 4, false, false},
    {"SkirtLeft", "Button", "", 442, 220, 30, 30, 3, false, false},
    {"SkirtRight", "Button", "", 506, 220, 30, 30, 2, false, false},
    {"RemoveAllItems", "Button", "", 296, 224, 60, 31, 1, true, true},
    {"BodyPic", "PictureBox", "", 16, 56, 200, 450, 0, true, true},
    {"TransColorInfo", "Frame", "", 431, 296, 113, 89, 50, true, true},
    {"WelcomeText", "Label", "", 240, 56, 385, 370, 31, true, true},
    {"BasePic", "Label", "", 432, 130, 81, 17, 65, true, true},
    {"DollyLabel", "Label", "", 432, 258, 105, 17, 62, true, true},
    {"ProjectLabel", "Label", "", 432, 219, 121, 17, 61, true, true},
    {"ShowHelpLabel", "Label", "", 664, 544, 81, 17, 53, true, true},
    {"HelpMe", "Label", "", 430, 130, 209, 377, 51, false, true},
    {"LabelTMP", "Label", "", 16, 16, 220, 40, 41, true, true},
    {"ProjectInfos", "Label", "", 568, 120, 169, 273, 36, true, true},
    {"Warnings", "Label", "", 230, 448, 297, 65, 30, true, true},
    {"NameOfBody", "Label", "", 16, 16, 220, 40, 25, true, true},
    {"VersionText", "Label", "", 224, 544, 401, 17, 15, true, true},
    {"ShadowText", "Label", "", 19, 19, 220, 40, 35, true, true},
    {"WelcomeShadow", "Label", "", 242, 58, 385, 370, 66, true, true},
    {"Welcome_Shadow2", "Label", "", 240, 56, 385, 370, 67, true, true},
    {"WelcomeRealShadow", "Label", "", 232, 48, 337, 417, 68, true, true},
};

int indexInDesign(const QString& name)
{
    for (int i = 0; i < int(std::size(kDesign)); ++i)
        if (name == QLatin1String(kDesign[i].name))
            return i;
    return -1;
}

// True when a lies in front of b among siblings.
bool inFront(QWidget* a, QWidget* b)
{
    const QObjectList& siblings = a->parentWidget()->children();
    return siblings.indexOf(a) > siblings.indexOf(b);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(fixture_.isValid()); }

    void everyControlHasItsRow_data();
    void everyControlHasItsRow();
    void theWindowHoldsExactlyTheDesignedControls();
    void labelsLieBehindOtherControlsInTableOrder();
    void tabOrderFollowsTabIndex();
    void fontsAreTheDesignedFacesAtDesignSize_data();
    void fontsAreTheDesignedFacesAtDesignSize();
    void faceSizesAreAsDesigned_data();
    void faceSizesAreAsDesigned();
    void designLook();
    void windowIsFixedAndCarriesItsPictures();

private:
    DataFolderFixture fixture_;
};

void WindowTest::everyControlHasItsRow_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kDesign)); ++i)
        QTest::newRow(kDesign[i].name) << i;
}

void WindowTest::everyControlHasItsRow()
{
    QFETCH(int, row);
    const Expected& want = kDesign[row];
    Form1 window(Form1::Start::DesignOnly);
    QWidget* control = window.control(QLatin1String(want.name));
    QVERIFY(control);
    QCOMPARE(QLatin1String(control->metaObject()->className()), QLatin1String(want.kind));
    QWidget* container = *want.container ? window.control(QLatin1String(want.container)) : &window;
    QCOMPARE(control->parentWidget(), container);
    QCOMPARE(control->geometry(), QRect(want.x, want.y, want.w, want.h));
    QCOMPARE(control->isVisibleTo(container), want.visible);
    QCOMPARE(control->isEnabledTo(container), want.enabled);
}

void WindowTest::theWindowHoldsExactlyTheDesignedControls()
{
    Form1 window(Form1::Start::DesignOnly);
    QCOMPARE(window.controls().size(), 69);
    for (const QString& name : window.controls().keys())
        QVERIFY2(indexInDesign(name) >= 0, qPrintable(name));
}

void WindowTest::labelsLieBehindOtherControlsInTableOrder()
{
    Form1 window(Form1::Start::DesignOnly);
    for (const Expected& a : kDesign) {
        for (const Expected& b : kDesign) {
            QWidget* wa = window.control(QLatin1String(a.name));
            QWidget* wb = window.control(QLatin1String(b.name));
            if (wa == wb || wa->parentWidget() != wb->parentWidget())
                continue;
            const bool aLabel = QLatin1String(a.kind) == QLatin1String("Label");
            const bool bLabel = QLatin1String(b.kind) == QLatin1String("Label");
            const bool aFirst = indexInDesign(QLatin1String(a.name)) < indexInDesign(QLatin1String(b.name));
            const bool expectFront = aLabel == bLabel ? aFirst : bLabel;
            QVERIFY2(inFront(wa, wb) == expectFront, qPrintable(QStringLiteral("%1 / %2").arg(a.name, b.name)));
        }
    }
    // The cases a person sees.
    QVERIFY(inFront(window.AskMe, window.GetBodyPic));
    QVERIFY(inFront(window.NameOfBody, window.ShadowText));
    QVERIFY(inFront(window.LabelTMP, window.NameOfBody));
    QVERIFY(inFront(window.WelcomeText, window.WelcomeRealShadow));
    QVERIFY(inFront(window.Wardrobe, window.HelpMe));
}

void WindowTest::tabOrderFollowsTabIndex()
{
    Form1 window(Form1::Start::DesignOnly);
    // Walk the focus chain of the controls that Tab reaches (the figure
    // takes the focus only when clicked).
    QList<int> tabs;
    QWidget* first = window.RemoveAllItems;
    QWidget* next = first;
    do {
        const int i = indexInDesign(next->objectName());
        if (i >= 0 && (next->focusPolicy() & Qt::TabFocus))
            tabs.append(kDesign[i].tab);
        next = next->nextInFocusChain();
    } while (next != first && tabs.size() < 200);
    QList<int> sorted = tabs;
    std::sort(sorted.begin(), sorted.end());
    const auto wrap = std::find(tabs.begin(), tabs.end(), sorted.first());
    std::rotate(tabs.begin(), wrap, tabs.end());
    QCOMPARE(tabs, sorted);
}

void WindowTest::fontsAreTheDesignedFacesAtDesignSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("F1 QuestionIs") << "QuestionIs" << "MS Sans Serif" << 12.0 << false;
    QTest::newRow("F2 Wardrobe") << "Wardrobe" << "MS Sans Serif" << 9.75 << false;
    QTest::newRow("F2 ProjectFileList") << "ProjectFileList" << "MS Sans Serif" << 9.75 << false;
    QTest::newRow("F3 WelcomeText") << "WelcomeText" << "Microsoft Sans Serif" << 14.25 << false;
    QTest::newRow("F3 WelcomeRealShadow") << "WelcomeRealShadow" << "Microsoft Sans Serif" << 14.25 << false;
    QTest::newRow("F4 HelpMe") << "HelpMe" << "Arial" << 12.0 << false;
    QTest::newRow("F5 LabelTMP") << "LabelTMP" << "Microsoft Sans Serif" << 24.0 << false;
    QTest::newRow("F6 Warnings") << "Warnings" << "OpenSymbol" << 14.25 << false;
    QTest::newRow("F7 NameOfBody") << "NameOfBody" << "OpenSymbol" << 27.75 << false;
    QTest::newRow("F8 VersionText") << "VersionText" << "MS Sans Serif" << 8.25 << true;
    QTest::newRow("default font SkirtFiles") << "SkirtFiles" << "MS Sans Serif" << 8.25 << false;
}

void WindowTest::fontsAreTheDesignedFacesAtDesignSize()
{
    QFETCH(QString, name);
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(bool, bold);
    Form1 window(Form1::Start::DesignOnly);
    const QFont font = window.control(name)->font();
    QCOMPARE(font.family(), Fonts::substituteFor(face));
    QCOMPARE(font.pixelSize(), Fonts::pixelSize(points));
    QCOMPARE(font.bold(), bold);
    // The substitute is installed, so the text is drawn in it and not in a fallback.
    QCOMPARE(QFontInfo(font).family(), Fonts::substituteFor(face));
}

void WindowTest::faceSizesAreAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("face");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("disabled");
    const QSize wide(60, 30), mode(75, 34), square(30, 30);
    for (const char* name : {"SayYes", "SayNo", "UpdateItem", "DeleteOutfit", "SaveOutfit", "CreatProject",
                             "DeleteSkirt", "AddToWardrobe"})
        QTest::newRow(name) << name << wide << true << false;
    QTest::newRow("LetsGo") << "LetsGo" << wide << false << false;
    QTest::newRow("RemoveAllItems") << "RemoveAllItems" << wide << false << false;
    QTest::newRow("DeleteProject") << "DeleteProject" << wide << true << true;
    QTest::newRow("RemoveItem") << "RemoveItem" << wide << false << true;
    QTest::newRow("DressItem") << "DressItem" << wide << false << true;
    QTest::newRow("PlaygroundOnOff") << "PlaygroundOnOff" << mode << true << false;
    QTest::newRow("NewProject") << "NewProject" << mode << true << false;
    QTest::newRow("AddBMPItem") << "AddBMPItem" << mode << true << true;
    for (const char* name : {"MoveUpList", "MoveDownList", "MoveLayerUp", "MoveLayerDown", "SkirtUp", "SkirtDown",
                             "SkirtLeft", "SkirtRight"})
        QTest::newRow(name) << name << square << false << false;
}

void WindowTest::faceSizesAreAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QSize, face);
    QFETCH(bool, pressed);
    QFETCH(bool, disabled);
    Form1 window(Form1::Start::DesignOnly);
    auto* button = qobject_cast<Button*>(window.control(name));
    QVERIFY(button);
    QCOMPARE(button->face().size(), face);
    QCOMPARE(button->pressedFace().isNull(), !pressed);
    QCOMPARE(button->disabledFace().isNull(), !disabled);
    if (pressed)
        QCOMPARE(button->pressedFace().size(), face);
    if (disabled)
        QCOMPARE(button->disabledFace().size(), face);
    // A disabled button never shows its plain face.
    button->setEnabled(false);
    QVERIFY(button->shownFace() != button->face());
}

void WindowTest::designLook()
{
    Form1 window(Form1::Start::DesignOnly);
    // Picture boxes that size themselves to their pictures.
    QCOMPARE(window.AskMe->Picture().size(), QSize(232, 111));
    QCOMPARE(window.AskMe->ScaleWidth(), 232);
    QCOMPARE(window.English->Picture().size(), QSize(25, 18));
    QCOMPARE(window.German->Picture().size(), QSize(25, 18));
    for (PictureBox* arrow : {window.Picture1, window.Picture2, window.Picture3, window.Picture4})
        QCOMPARE(arrow->Picture().size(), QSize(17, 17));
    for (PictureBox* key : {window.AutoButton, window.WhiteButton, window.PinkButton})
        QCOMPARE(key->Picture().size(), QSize(41, 17));
    // BodyPic draws in pixels over its full 200 x 450.
    QCOMPARE(window.BodyPic->ScaleWidth(), 200);
    QCOMPARE(window.BodyPic->ScaleHeight(), 450);
    QCOMPARE(window.BodyPic->BackColor(), Colour::White);
    QCOMPARE(window.PinkButton->BackColor(), Colour::Purple);
    // Colours and captions of the design.
    QCOMPARE(window.NameOfBody->ForeColor(), Colour::rgb(192, 64, 0));
    QCOMPARE(window.ShadowText->ForeColor(), Colour::rgb(181, 181, 181));
    QCOMPARE(window.WelcomeText->ForeColor(), Colour::rgb(128, 0, 0));
    QCOMPARE(window.TransColorInfo->Caption(), QStringLiteral("PINK"));
    QCOMPARE(window.TransColorInfo->BackColor(), Colour::rgb(224, 224, 224));
    QCOMPARE(window.ShowHelp->Value(), 1);
    QCOMPARE(window.ShowHelp->BackColor(), Colour::rgb(128, 128, 128));
    QCOMPARE(window.Option1->Value(), true);
    QCOMPARE(window.Option1->BackColor(), Colour::White);
    QCOMPARE(window.Option3->Caption(), QStringLiteral("10 Pixel"));
    QCOMPARE(window.Option2->ForeColor(), Colour::rgb(128, 128, 128));
    QCOMPARE(window.ItemRename->Text(), QStringLiteral("*Dummy*"));
    QCOMPARE(window.DollyLabel->Caption(), QStringLiteral("Name of Body"));
    QCOMPARE(window.ProjectLabel->Caption(), QStringLiteral("Name of Project"));
    QCOMPARE(window.GetBodyPic->Pattern(), QStringLiteral("*.BMP;*.PNG"));
    QCOMPARE(window.ProjectFileList->Pattern(), QStringLiteral("*.project"));
    QCOMPARE(window.SkirtFiles->Pattern(), QStringLiteral("*.bmp;*.png;*.gif;*.jpg;*.jpeg"));
    QVERIFY(window.Wardrobe->Sorted());
    QVERIFY(!window.Dressed->Sorted());
    QVERIFY(window.EnterProjectName->alignment() & Qt::AlignHCenter);
    QVERIFY(window.VersionText->alignment() & Qt::AlignHCenter);
    QVERIFY(!window.Warnings->autoFillBackground());  // transparent labels
}

void WindowTest::windowIsFixedAndCarriesItsPictures()
{
    Form1 window(Form1::Start::DesignOnly);
    QCOMPARE(window.size(), QSize(752, 561));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QList<int> iconSizes;
    for (const QSize& size : window.windowIcon().availableSizes())
        iconSizes.append(size.width());
    std::sort(iconSizes.begin(), iconSizes.end());
    QCOMPARE(iconSizes, QList<int>({16, 24, 32, 48, 64}));

    // The background shows through at a copper bar and in a mode button's slot.
    const QImage shown = window.grab().toImage();
    const QImage background(QStringLiteral(":/background.bmp"));
    QCOMPARE(background.size(), QSize(792, 588));
    QCOMPARE(shown.pixel(100, 12), background.pixel(100, 12));
    QVERIFY(qRed(background.pixel(100, 12)) > qBlue(background.pixel(100, 12)));  // copper, not metal
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
