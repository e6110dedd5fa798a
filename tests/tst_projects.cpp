// Projects: choosing a project or a body picture in the project panel,
// typing a new project's names, creating its four files, every refusal and
// a failed write. Everything is driven through the real widgets.
#include "TestSupport.h"
#include "formats/picture/Colour.h"
#include "formats/project/ProjectName.h"

#include <QDirIterator>
#include <QtTest>

namespace {

constexpr int kRefused = 255;  // RGB(255, 0, 0)
constexpr int kBlue = 16711680;

QByteArray numberLine(int value)
{
    return (value < 0 ? "-" : " ") + QByteArray::number(qAbs(value)) + " ";
}

// One record of the item data file, byte for byte; each pixel is blue.
QByteArray itemRecord(const QByteArray& name, int offsetX, int offsetY, const QList<QPoint>& pixels)
{
    const QByteArray separator(38, '-');
    QByteArray bytes = "ITEM: " + name + "\r\n" + separator + "\r\n" + numberLine(offsetX) + "\r\n" +
                       numberLine(offsetY) + "\r\n" + numberLine(1) + "\r\n" + separator + "\r\n";
    for (const QPoint& p : pixels)
        bytes += numberLine(kBlue) + numberLine(p.x()) + numberLine(p.y()) + "\r\n";
    return bytes + "-------------- END ------------------\r\n";
}

// Anna's body: every pixel differs from its neighbours, and red and blue differ.
QImage annaBody()
{
    QImage image(200, 450, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y % 256, 255 - x / 2));
    return image;
}

// The settings file the tests start with; a line that is no marker stands
// among the pairs and must be kept.
QByteArray settingsWith(const QString& project)
{
    return crlfLines({"#HELPMODE#", "FALSE", "#TRANSCOLOR#", "PURPLE", "; kept as it stands", "#CURRENT_PROJECT#",
                      project, "#LANGUAGE#", "Tavolin_ENG.txt", "#EOF#"});
}

QByteArray projectFile(const QByteArray& body, const QByteArray& data, const QByteArray& figure)
{
    return "#BODYPIC#\r\n" + body + "\r\n#WARDROBE#\r\n" + data + "\r\n#BODYNAME#\r\n" + figure +
           "\r\n#VERSION#\r\n0.98 (Beta)\r\n";
}

const QStringList kDefaultItems = {"Denim jacket", "Pleated skirt", "Red shoes",   "Striped scarf",
                                   "Striped top",  "Summer dress",  "Sun hat"};

QStringList entries(const ListBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->ListCount(); ++i)
        texts.append(list->List(i));
    return texts;
}

// Whether the picture box shows image at its top left corner, and white
// around it.
bool shows(const PictureBox* box, const QImage& image)
{
    const QImage& surface = box->surface();
    if (surface.size() != QSize(200, 450))
        return false;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) {
            const QRgb expected = image.rect().contains(x, y) ? image.pixel(x, y) : qRgb(255, 255, 255);
            if (qRgb(qRed(surface.pixel(x, y)), qGreen(surface.pixel(x, y)), qBlue(surface.pixel(x, y))) !=
                qRgb(qRed(expected), qGreen(expected), qBlue(expected))) {
                qWarning("pixel (%d, %d) differs", x, y);
                return false;
            }
        }
    return true;
}

}  // namespace

class ProjectsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Choosing a project or a body picture
    void choosingAProject_data();
    void choosingAProject();
    void removeAllItemsTooltip_data();
    void removeAllItemsTooltip();
    void choosingTheCurrentProjectAgainReloadsIt();
    void projectWithoutItsBodyPicture();
    void choosingABodyPicture();
    void aBodyPictureThatFailsLeavesNothingToCreate();
    void panelsListTheirFolderAsItIsNow_data();
    void panelsListTheirFolderAsItIsNow();
    void aBodyPictureCopiedInMakesAProject();

    // Making a new project
    void openingTheProjectPanel();
    void typingTheNames_data();
    void typingTheNames();
    void creatingAProject_data();
    void creatingAProject();
    void refusedProjects_data();
    void refusedProjects();
    void failedWriteLeavesNoFileBehind_data();
    void failedWriteLeavesNoFileBehind();
    void safeProjectNames_data();
    void safeProjectNames();

private:
    // Starts the window on the folder and opens the dressing panel.
    void start();
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickEntry(ListBox* list, const QString& text);
    // Puts the first wardrobe entry on the figure.
    void dressFirstItem();
    // Opens the project panel and fills it in; an empty body is not chosen.
    void fillIn(const QString& project, const QString& figure, const QString& body);
    QImage bitmap(const QString& name) const { return QImage(folder_->path("Projects/" + name)); }

    std::unique_ptr<DataFolderFixture> folder_;
    std::unique_ptr<Form1> window_;
};

// Types text into a box as a person does. What no key gives (a tab, a
// letter beyond plain ASCII) or what typing would change on the way (a
// leading blank is emptied at once) is pasted.
void enter(TextBox* box, const QString& text)
{
    bool typeable = text == QLatin1String(" ") || !text.startsWith(QLatin1Char(' '));
    for (QChar ch : text)
        typeable = typeable && ch.unicode() >= 32 && ch.unicode() < 127;
    box->setFocus();
    if (typeable)
        QTest::keyClicks(box, text);
    else
        box->insert(text);
}

void ProjectsTest::init()
{
    folder_ = std::make_unique<DataFolderFixture>();
    QVERIFY(folder_->isValid());
    folder_->write("Tavolin.ini", settingsWith("Default.Project"));
    // A second project with one item and one outfit, and a body of its own.
    folder_->write("Projects/Anna.Project", projectFile("Anna.bmp", "Anna.Data", "Anna Lisa"));
    folder_->write("Projects/Anna.Data", itemRecord("Hat", 10, 20, {{0, 0}, {1, 0}}));
    folder_->write("Projects/Anna.Table", "ITEM: Hat\r\n 1 \r\n");
    folder_->write("Projects/Anna.Outfit", "OUTFIT: Sunday\r\nHat\r\n");
    QVERIFY(annaBody().save(folder_->path("Projects/Anna.bmp"), "BMP"));
    QVERIFY(annaBody().save(folder_->path("Projects/Anna.png"), "PNG"));
}

void ProjectsTest::cleanup()
{
    window_.reset();
    folder_.reset();
}

void ProjectsTest::start()
{
    window_ = folder_->start();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->LetsGo->click();
    QCOMPARE(window_->State.WorkMode, 1);
    folder_->resetBeeps();
}

void ProjectsTest::clickEntry(ListBox* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    QCOMPARE(list->List(list->ListIndex()), text);
}

void ProjectsTest::dressFirstItem()
{
    QVERIFY(window_->Wardrobe->ListCount() > 0);
    clickEntry(window_->Wardrobe, window_->Wardrobe->List(0));
    click(window_->DressItem);
    QCOMPARE(window_->Dressed->ListCount(), 1);
}

void ProjectsTest::fillIn(const QString& project, const QString& figure, const QString& body)
{
    click(window_->NewProject);
    QCOMPARE(window_->State.WorkMode, 2);
    if (!body.isEmpty())
        clickEntry(window_->GetBodyPic, body);
    enter(window_->EnterProjectName, project);
    enter(window_->EnterLadyName, figure);
    QCOMPARE(window_->EnterProjectName->Text(), project);
    QCOMPARE(window_->EnterLadyName->Text(), figure);
}

// ---- Choosing a project

void ProjectsTest::choosingAProject_data()
{
    QTest::addColumn<QString>("before");  // a project chosen first, or none
    QTest::addColumn<bool>("inProjectPanel");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("outfits");

    QTest::newRow("Anna in the project panel")
        << "" << true << "Anna.Project" << "Anna" << "Anna Lisa" << "Anna.bmp" << QStringList{"Hat"}
        << QStringList{"Sunday"};
    QTest::newRow("Anna in the dressing panel: the summary stays hidden")
        << "" << false << "Anna.Project" << "Anna" << "Anna Lisa" << "Anna.bmp" << QStringList{"Hat"}
        << QStringList{"Sunday"};
    QTest::newRow("an empty project counts 0") << "" << true << "Empty.Project" << "Empty" << "Emma"
                                               << "Anna.bmp" << QStringList{} << QStringList{};
    QTest::newRow("back to the default project") << "Anna.Project" << true << "Default.Project" << "Default"
                                                 << "Lina" << "Default.bmp" << kDefaultItems << QStringList{};
}

void ProjectsTest::choosingAProject()
{
    QFETCH(QString, before);
    QFETCH(bool, inProjectPanel);
    QFETCH(QString, project);
    QFETCH(QString, baseName);
    QFETCH(QString, figure);
    QFETCH(QString, body);
    QFETCH(QStringList, items);
    QFETCH(QStringList, outfits);
    folder_->write("Projects/Empty.Project", projectFile("Anna.bmp", "Empty.Data", "Emma"));
    for (const char* file : {"Projects/Empty.Data", "Projects/Empty.Table", "Projects/Empty.Outfit"})
        folder_->write(file, "");
    start();
    Form1& w = *window_;
    if (!before.isEmpty())
        clickEntry(w.ProjectFileList, before);
    dressFirstItem();
    if (inProjectPanel) {
        click(w.NewProject);
        QVERIFY(w.CreatProject->Enabled());
        QVERIFY(!w.DeleteProject->Enabled());
    }

    clickEntry(w.ProjectFileList, project);

    QCOMPARE(w.State.CurrentProject, project);
    QCOMPARE(w.State.ProjectBaseName, baseName);
    QCOMPARE(w.NameOfBody->Caption(), figure);
    QCOMPARE(w.ShadowText->Caption(), figure);
    QVERIFY(shows(w.BodyPic, bitmap(body)));
    QCOMPARE(entries(w.Wardrobe), items);
    QCOMPARE(entries(w.OutfitList), outfits);
    QCOMPARE(w.Dressed->ListCount(), 0);
    QVERIFY(!w.CreatProject->Enabled());
    QVERIFY(w.DeleteProject->Enabled());
    QCOMPARE(folder_->read("Tavolin.ini"), settingsWith(project));

    const TextTable& t = w.State.Texts;
    const QString summary = "----- " + t[12] + " ----- \r\n" + baseName + "\r\n\r\n- " + t[13] + " - \r\n" + figure +
                            "\r\n\r\n- " + t[14] + " - \r\n" + QString::number(items.size()) + "\r\n\r\n- " + t[16] +
                            " - \r\n" + QString::number(outfits.size());
    QCOMPARE(w.ProjectInfos->Caption(), summary);
    QCOMPARE(w.ProjectInfos->Visible(), inProjectPanel);
    QCOMPARE(w.BodyPic->ToolTipText(), figure);
    QCOMPARE(folder_->beeps(), 0);
}

void ProjectsTest::removeAllItemsTooltip_data()
{
    QTest::addColumn<QString>("text10");
    QTest::addColumn<QString>("text11");
    QTest::addColumn<QString>("forLina");  // the default project's figure, at start
    QTest::addColumn<QString>("forAnna");

    QTest::newRow("placeholder in the middle: what follows it is not used")
        << "Undress #NAME# now" << "and show her bare" << "Undress Lina and show her bare"
        << "Undress Anna Lisa and show her bare";
    QTest::newRow("placeholder first") << "#NAME#!" << "off" << "Lina off" << "Anna Lisa off";
    QTest::newRow("two placeholders: the first counts")
        << "Off, #NAME# and #NAME#" << "too" << "Off, Lina too" << "Off, Anna Lisa too";
    QTest::newRow("no placeholder: the whole text") << "Undress" << "now" << "UndressLina now"
                                                    << "UndressAnna Lisa now";
    QTest::newRow("a placeholder in small letters is none")
        << "Undress #name#" << "now" << "Undress #name#Lina now" << "Undress #name#Anna Lisa now";
}

void ProjectsTest::removeAllItemsTooltip()
{
    QFETCH(QString, text10);
    QFETCH(QString, text11);
    QList<QByteArray> lines = folder_->read("Tavolin_ENG.txt").split('\n');
    QVERIFY(lines.size() > 99);
    lines[9] = "10 " + text10.toLatin1() + "\r";
    lines[10] = "11 " + text11.toLatin1() + "\r";
    folder_->write("Tavolin_ENG.txt", lines.join('\n'));
    start();
    QTEST(window_->RemoveAllItems->ToolTipText(), "forLina");
    clickEntry(window_->ProjectFileList, "Anna.Project");
    QTEST(window_->RemoveAllItems->ToolTipText(), "forAnna");
}

void ProjectsTest::choosingTheCurrentProjectAgainReloadsIt()
{
    start();
    Form1& w = *window_;
    clickEntry(w.ProjectFileList, "Anna.Project");
    dressFirstItem();
    // The project's files change behind the window's back, and so does the
    // settings file.
    folder_->write("Projects/Anna.Data", folder_->read("Projects/Anna.Data") + itemRecord("Scarf", 0, 0, {{0, 0}}));
    folder_->write("Projects/Anna.Outfit", folder_->read("Projects/Anna.Outfit") + "OUTFIT: Monday\r\n");
    folder_->write("Tavolin.ini", settingsWith("Default.Project"));

    clickEntry(w.ProjectFileList, "Anna.Project");
    QCOMPARE(entries(w.Wardrobe), QStringList({"Hat", "Scarf"}));
    QCOMPARE(entries(w.OutfitList), QStringList({"Sunday", "Monday"}));
    QCOMPARE(w.Dressed->ListCount(), 0);
    QCOMPARE(folder_->read("Tavolin.ini"), settingsWith("Anna.Project"));
    QVERIFY(w.ProjectInfos->Caption().endsWith(w.State.Texts[14] + " - \r\n2\r\n\r\n- " + w.State.Texts[16] + " - \r\n2"));
    // The wardrobe is Anna's: her item is found through her item table.
    clickEntry(w.Wardrobe, "Hat");
    QCOMPARE(w.BodyPic->Point(10, 20), kBlue);
    QCOMPARE(w.BodyPic->Point(11, 20), kBlue);
}

void ProjectsTest::projectWithoutItsBodyPicture()
{
    folder_->write("Projects/Ghost.Project", projectFile("Gone.bmp", "Anna.Data", "Ghost"));
    start();
    Form1& w = *window_;
    click(w.NewProject);
    clickEntry(w.ProjectFileList, "Ghost.Project");
    QVERIFY(shows(w.BodyPic, QImage()));
    QCOMPARE(w.Warnings->Caption(), w.State.Texts[Form1::MsgBodyPictureUnreadable]);
    QVERIFY(!w.Warnings->Caption().isEmpty());
    QCOMPARE(w.State.CurrentProject, QStringLiteral("Ghost.Project"));
    QCOMPARE(w.NameOfBody->Caption(), QStringLiteral("Ghost"));
    QCOMPARE(entries(w.Wardrobe), QStringList({"Hat"}));
    QCOMPARE(folder_->read("Tavolin.ini"), settingsWith("Ghost.Project"));
    // The import panel clears the message line as it opens, and then tells
    // again that there is no figure to place the picture on.
    click(w.PlaygroundOnOff);
    click(w.AddBMPItem);
    QCOMPARE(w.Warnings->Caption(), w.State.Texts[Form1::MsgBodyPictureUnreadable]);
    QVERIFY(w.Warnings->ToolTipText().startsWith("Gone.bmp"));
    click(w.NewProject);
    QVERIFY(w.ProjectInfos->Visible());
    QVERIFY(w.ProjectInfos->Caption().contains("\r\nGhost\r\n"));
    // The window works on: another project brings its figure back.
    clickEntry(w.ProjectFileList, "Default.Project");
    QVERIFY(shows(w.BodyPic, bitmap("Default.bmp")));
    QCOMPARE(w.NameOfBody->Caption(), QStringLiteral("Lina"));
    QCOMPARE(entries(w.Wardrobe), kDefaultItems);
}

// ---- Choosing a body picture

void ProjectsTest::choosingABodyPicture()
{
    start();
    Form1& w = *window_;
    clickEntry(w.ProjectFileList, "Anna.Project");
    dressFirstItem();
    // A first try without a body picture turns the list red.
    fillIn("Mia", "Mia", "");
    click(w.CreatProject);
    QCOMPARE(w.GetBodyPic->BackColor(), kRefused);
    QCOMPARE(w.Dressed->ListCount(), 1);
    QCOMPARE(w.OutfitList->ListCount(), 1);
    QVERIFY(!w.ProjectInfos->Caption().isEmpty());
    // The two buttons as a project chosen here leaves them, so that both must change.
    w.DeleteProject->setEnabled(true);
    w.CreatProject->setEnabled(false);

    clickEntry(w.GetBodyPic, "Default.bmp");
    QCOMPARE(w.GetBodyPic->BackColor(), Colour::White);
    QVERIFY(shows(w.BodyPic, bitmap("Default.bmp")));
    QVERIFY(w.CreatProject->Enabled());
    QVERIFY(!w.DeleteProject->Enabled());
    QCOMPARE(w.Dressed->ListCount(), 0);
    QCOMPARE(w.OutfitList->ListCount(), 0);
    QCOMPARE(w.ProjectInfos->Caption(), QString());
    // Only the figure shown changed.
    QCOMPARE(entries(w.Wardrobe), QStringList({"Hat"}));
    QCOMPARE(w.State.CurrentProject, QStringLiteral("Anna.Project"));
    QCOMPARE(w.State.BodyPicFile, QStringLiteral("Anna.bmp"));
    QCOMPARE(folder_->read("Tavolin.ini"), settingsWith("Anna.Project"));
}

// A damaged picture chosen after a good one: the good one must not become
// the new project's body under the damaged one's name.
void ProjectsTest::aBodyPictureThatFailsLeavesNothingToCreate()
{
    folder_->write("Projects/Damaged.bmp", QByteArray("BM") + QByteArray(20, 'x'));
    start();
    Form1& w = *window_;
    fillIn("Mia", "Mia", "Default.bmp");
    QVERIFY(w.CreatProject->Enabled());
    clickEntry(w.GetBodyPic, "Damaged.bmp");
    QCOMPARE(w.Warnings->Caption(), w.State.Texts[Form1::MsgPictureUnreadable]);
    QVERIFY(shows(w.BodyPic, QImage()));
    QVERIFY(!w.CreatProject->Enabled());
    const Snapshot before = snapshot(folder_->path());
    w.EnterLadyName->setFocus();
    QTest::keyClick(w.EnterLadyName, Qt::Key_Return);
    QCOMPARE(snapshot(folder_->path()), before);
    QCOMPARE(w.State.WorkMode, 2);
    // A picture that loads makes the project.
    clickEntry(w.GetBodyPic, "Anna.bmp");
    QVERIFY(w.CreatProject->Enabled());
    click(w.CreatProject);
    QVERIFY(folder_->read("Projects/Mia.Project").startsWith("#BODYPIC#\r\nAnna.bmp\r\n"));
}

// Files copied into or taken out of a list's folder while the window runs
// show when the list's panel opens again; the entry chosen before stays
// chosen while its file is there.
void ProjectsTest::panelsListTheirFolderAsItIsNow_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("chosen");   // before leaving the panel; empty: none
    QTest::addColumn<QString>("added");    // into the list's folder meanwhile
    QTest::addColumn<QString>("removed");  // from it meanwhile
    QTest::addColumn<QString>("chosenAfter");

    QTest::newRow("body picture copied in") << "GetBodyPic" << "" << "Lina.png" << "" << "";
    QTest::newRow("body picture copied in, the choice kept")
        << "GetBodyPic" << "Default.bmp" << "Lina.bmp" << "" << "Default.bmp";
    QTest::newRow("chosen body picture taken out") << "GetBodyPic" << "Anna.png" << "" << "Anna.png" << "";
    QTest::newRow("project copied in, the choice kept")
        << "ProjectFileList" << "Anna.Project" << "Zoe.Project" << "" << "Anna.Project";
    QTest::newRow("another project taken out, the choice kept")
        << "ProjectFileList" << "Default.Project" << "" << "Anna.Project" << "Default.Project";
    QTest::newRow("picture to import copied in, the choice kept")
        << "SkirtFiles" << "One.bmp" << "Three.bmp" << "" << "One.bmp";
    QTest::newRow("chosen picture to import taken out") << "SkirtFiles" << "One.bmp" << "" << "One.bmp" << "";
}

void ProjectsTest::panelsListTheirFolderAsItIsNow()
{
    QFETCH(QString, list);
    QFETCH(QString, chosen);
    QFETCH(QString, added);
    QFETCH(QString, removed);
    QFETCH(QString, chosenAfter);
    for (const char* picture : {"Pictures/One.bmp", "Pictures/Two.bmp"})
        folder_->writeBitmap(picture, QSize(4, 3), qRgb(200, 30, 90));
    start();
    Form1& w = *window_;
    auto* files = qobject_cast<FileListBox*>(w.control(list));
    QWidget* panelButton = list == "SkirtFiles" ? static_cast<QWidget*>(w.AddBMPItem) : w.NewProject;
    const QString folder = list == "SkirtFiles" ? "Pictures/" : "Projects/";
    click(panelButton);
    if (list == "SkirtFiles")
        w.Harddrive->setPath(folder_->path("Pictures"));
    if (!chosen.isEmpty())
        clickEntry(files, chosen);
    QStringList expected = entries(files);
    click(w.PlaygroundOnOff);

    if (!added.isEmpty())
        folder_->writeBitmap(folder + added, QSize(4, 3), qRgb(10, 20, 30));
    if (!removed.isEmpty())
        folder_->remove(folder + removed);
    click(panelButton);

    if (!added.isEmpty())
        expected.append(added);
    expected.removeOne(removed);
    QStringList listed = entries(files);
    listed.sort(Qt::CaseInsensitive);
    expected.sort(Qt::CaseInsensitive);
    QCOMPARE(listed, expected);
    QCOMPARE(files->List(files->ListIndex()), chosenAfter);
}

// A body picture copied into the project folder while the window runs
// makes a new project without a restart.
void ProjectsTest::aBodyPictureCopiedInMakesAProject()
{
    start();
    Form1& w = *window_;
    click(w.NewProject);
    click(w.PlaygroundOnOff);
    QVERIFY(annaBody().save(folder_->path("Projects/Lina.png"), "PNG"));
    fillIn("Mia", "Mia", "Lina.png");
    QVERIFY(shows(w.BodyPic, annaBody()));
    QVERIFY(w.CreatProject->Enabled());
    click(w.CreatProject);
    QCOMPARE(folder_->read("Projects/Mia.Project"), projectFile("Lina.png", "Mia.Data", "Mia"));
    QCOMPARE(w.State.CurrentProject, QStringLiteral("Mia.Project"));
}

// ---- Making a new project

void ProjectsTest::openingTheProjectPanel()
{
    start();
    Form1& w = *window_;
    QCOMPARE(w.HelpMe->Left(), 500);
    w.AskMe->setVisible(true);
    w.LabelTMP->setCaption("old");
    w.LabelTMP->setVisible(false);
    w.Warnings->setLeft(430);
    w.Warnings->setCaption("old");

    click(w.NewProject);
    QCOMPARE(w.State.WorkMode, 2);
    QCOMPARE(w.HelpMe->Left(), 220);
    QCOMPARE(w.HelpMe->Top(), 60);
    QCOMPARE(w.HelpMe->Caption(), w.State.Texts[62] + "\r\n" + w.State.Texts[63]);
    QVERIFY(!w.AskMe->Visible());
    QCOMPARE(w.LabelTMP->Caption(), QString());
    QVERIFY(w.LabelTMP->Visible());
    QCOMPARE(w.Warnings->Left(), 230);
    QCOMPARE(w.Warnings->Caption(), QString());
    for (QWidget* on : {static_cast<QWidget*>(w.EnterProjectName), static_cast<QWidget*>(w.EnterLadyName),
                        static_cast<QWidget*>(w.CreatProject), static_cast<QWidget*>(w.GetBodyPic),
                        static_cast<QWidget*>(w.ProjectFileList)}) {
        QVERIFY2(on->isVisibleTo(&w) && on->isEnabled(), qPrintable(on->objectName()));
    }
    QVERIFY(w.DeleteProject->Visible() && !w.DeleteProject->Enabled());
    QVERIFY(w.ProjectInfos->Visible());
    QVERIFY(!w.Wardrobe->Visible());
    QVERIFY(!w.Dressed->Visible());
}

void ProjectsTest::typingTheNames_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    for (const char* box : {"EnterProjectName", "EnterLadyName"}) {
        const QString b = QLatin1String(box);
        QTest::addRow("%s: a 16th character is cut", box) << b << "ABCDEFGHIJKLMNOP" << "ABCDEFGHIJKLMNO";
        QTest::addRow("%s: twenty characters pasted", box) << b << " bcdefghijklmnopqrst" << " bcdefghijklmno";
        QTest::addRow("%s: one blank is emptied", box) << b << " " << "";
        QTest::addRow("%s: two blanks stay", box) << b << "  " << "  ";
        QTest::addRow("%s: blanks around a name stay", box) << b << " Mia " << " Mia ";
    }
}

void ProjectsTest::typingTheNames()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    start();
    Form1& w = *window_;
    click(w.NewProject);
    TextBox* text = qobject_cast<TextBox*>(w.control(box));
    QVERIFY(text);
    const bool figure = text == w.EnterLadyName;
    text->setBackColor(kRefused);
    w.Warnings->setCaption("old");

    enter(text, typed);
    QCOMPARE(text->Text(), kept);
    QCOMPARE(text->BackColor(), Colour::White);
    QCOMPARE(w.Warnings->Caption(), QString());
    // Only the figure's name shows large over the figure, in place of the old one.
    QCOMPARE(w.LabelTMP->Caption(), figure ? kept : QString());
    QCOMPARE(w.NameOfBody->Visible(), !figure);
    QCOMPARE(w.ShadowText->Visible(), !figure);
    QCOMPARE(w.NameOfBody->Caption(), QStringLiteral("Lina"));
}

void ProjectsTest::creatingAProject_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("projectBytes");  // the name and the figure's name as the file holds them
    QTest::addColumn<QByteArray>("figureBytes");

    QTest::newRow("plain names") << "Mia" << "Mia Rose" << "Anna.bmp" << QByteArray("Mia") << QByteArray("Mia Rose");
    QTest::newRow("blanks kept") << " Mia " << "  " << "Default.bmp" << QByteArray(" Mia ") << QByteArray("  ");
    QTest::newRow("fifteen characters") << "ABCDEFGHIJKLMNO" << "abcdefghijklmno" << "Anna.bmp"
                                        << QByteArray("ABCDEFGHIJKLMNO") << QByteArray("abcdefghijklmno");
    QTest::newRow("Windows-1252 letters, one byte each")
        << QStringLiteral("Zo\u00eb") << QStringLiteral("Zo\u00eb \u20ac") << "Default.bmp" << QByteArray("Zo\xeb")
        << QByteArray("Zo\xeb \x80");
    QTest::newRow("a figure named like a marker") << "Mark" << "#WARDROBE#" << "Anna.bmp" << QByteArray("Mark")
                                                  << QByteArray("#WARDROBE#");
    QTest::newRow("a PNG body picture") << "Mia" << "Mia" << "Anna.png" << QByteArray("Mia") << QByteArray("Mia");
}

void ProjectsTest::creatingAProject()
{
    QFETCH(QString, project);
    QFETCH(QString, figure);
    QFETCH(QString, body);
    QFETCH(QByteArray, projectBytes);
    QFETCH(QByteArray, figureBytes);
    start();
    Form1& w = *window_;
    // Lists to be emptied: Anna's wardrobe and outfit, an item worn.
    clickEntry(w.ProjectFileList, "Anna.Project");
    dressFirstItem();
    fillIn(project, figure, body);
    Snapshot expected = snapshot(folder_->path());

    click(w.CreatProject);

    QCOMPARE(folder_->beeps(), 0);
    QCOMPARE(w.Warnings->Caption(), QString());
    expected.insert("Projects/" + project + ".Project", projectFile(body.toLatin1(), projectBytes + ".Data", figureBytes));
    for (const char* extension : {".Data", ".Table", ".Outfit"})
        expected.insert("Projects/" + project + extension, QByteArray());
    expected.insert("Tavolin.ini", settingsWith(project + ".Project"));
    const Snapshot after = snapshot(folder_->path());
    QCOMPARE(after.keys(), expected.keys());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));

    QCOMPARE(w.State.CurrentProject, project + ".Project");
    QCOMPARE(w.State.ProjectBaseName, project);
    QCOMPARE(w.State.BodyPicFile, body);
    QCOMPARE(w.State.WardrobeFile, project + ".Data");
    QCOMPARE(w.State.BodyName, figure);
    QCOMPARE(w.State.WorkMode, 1);
    QCOMPARE(w.HelpMe->Left(), 500);
    QCOMPARE(w.HelpMe->Caption(), w.State.Texts[60] + "\r\n" + w.State.Texts[61]);
    QVERIFY(w.Wardrobe->Visible() && w.Dressed->Visible() && w.OutfitList->Visible());
    QVERIFY(!w.EnterProjectName->Visible() && !w.GetBodyPic->Visible() && !w.CreatProject->Visible());
    QCOMPARE(w.Wardrobe->ListCount(), 0);
    QCOMPARE(w.Dressed->ListCount(), 0);
    QCOMPARE(w.OutfitList->ListCount(), 0);
    for (TextBox* box : {w.EnterProjectName, w.EnterLadyName}) {
        QCOMPARE(box->Text(), QString());
        QCOMPARE(box->BackColor(), Colour::White);
    }
    QCOMPARE(w.LabelTMP->Caption(), QString());
    QCOMPARE(w.NameOfBody->Caption(), figure);
    QCOMPARE(w.ShadowText->Caption(), figure);
    QVERIFY(w.NameOfBody->Visible() && w.ShadowText->Visible());
    QVERIFY(entries(w.ProjectFileList).contains(project + ".Project"));
    QVERIFY(shows(w.BodyPic, bitmap(body)));
}

void ProjectsTest::refusedProjects_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("body");   // empty: none chosen
    QTest::addColumn<QString>("stray");  // a file put in the project folder first
    QTest::addColumn<int>("message");
    QTest::addColumn<QString>("red");    // the control that turns red, if any

    const int unsafe = Form1::MsgUnsafeProjectName;
    QTest::newRow("no project name: only its box turns red") << "" << "" << "" << "" << 20 << "EnterProjectName";
    QTest::newRow("no figure name") << "Mia" << "" << "Anna.bmp" << "" << 21 << "EnterLadyName";
    QTest::newRow("no body picture") << "Mia" << "Mia" << "" << "" << 21 << "GetBodyPic";
    // A figure name the files cannot hold never reaches its box: tst_instances.
    QTest::newRow("an existing project in capitals") << "ANNA" << "Mia" << "Anna.bmp" << "" << 34 << "";
    QTest::newRow("the default project in small letters") << "default" << "Mia" << "Anna.bmp" << "" << 34 << "";
    QTest::newRow("a stray item data file in other case") << "x" << "Mia" << "Anna.bmp" << "X.DATA" << 34 << "";
    QTest::newRow("a stray item table") << "Mia" << "Mia" << "Anna.bmp" << "mia.table" << 34 << "";
    QTest::newRow("a stray outfit file") << "Mia" << "Mia" << "Anna.bmp" << "Mia.Outfit" << 34 << "";
    const QStringList names = {"a/b", "a\\b", ".", "..", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"};
    for (const QString& name : names)
        QTest::addRow("unsafe name %s", qPrintable(name)) << name << "Mia" << "Anna.bmp" << "" << unsafe
                                                         << "EnterProjectName";
    // A project name beyond Windows-1252 or with a control character never
    // reaches its box: tst_instances; the rule itself: safeProjectNames.
}

void ProjectsTest::refusedProjects()
{
    QFETCH(QString, project);
    QFETCH(QString, figure);
    QFETCH(QString, body);
    QFETCH(QString, stray);
    QFETCH(int, message);
    QFETCH(QString, red);
    if (!stray.isEmpty())
        folder_->write("Projects/" + stray, "stray");
    start();
    Form1& w = *window_;
    fillIn(project, figure, body);
    const Snapshot before = snapshot(folder_->path());

    click(w.CreatProject);

    QCOMPARE(w.Warnings->Caption(), w.State.Texts[message]);
    QVERIFY(!w.Warnings->Caption().isEmpty());
    QCOMPARE(folder_->beeps(), 1);
    for (const char* name : {"EnterProjectName", "EnterLadyName", "GetBodyPic"}) {
        const int colour = name == red ? kRefused : Colour::White;
        if (auto* box = qobject_cast<TextBox*>(w.control(name))) {
            QCOMPARE(box->BackColor(), colour);
        } else {
            QCOMPARE(qobject_cast<ListBox*>(w.control(name))->BackColor(), colour);
        }
    }
    const Snapshot after = snapshot(folder_->path());
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
    QCOMPARE(w.State.CurrentProject, QStringLiteral("Default.Project"));
    QCOMPARE(w.State.WorkMode, 2);
    QVERIFY(w.EnterProjectName->Visible() && w.CreatProject->Visible());
    QCOMPARE(w.LabelTMP->Caption(), QString());
    QCOMPARE(w.EnterLadyName->Text(), figure);
    QCOMPARE(w.EnterProjectName->Text(), project);

    // Editing the red box makes it white and takes the message away; the
    // red list stays red until it is clicked.
    if (red == QLatin1String("EnterProjectName")) {
        QTest::keyClicks(w.EnterProjectName, "z");
        QCOMPARE(w.EnterProjectName->BackColor(), Colour::White);
        QCOMPARE(w.Warnings->Caption(), QString());
    }
    QTest::keyClicks(w.EnterLadyName, "z");
    QCOMPARE(w.EnterLadyName->BackColor(), Colour::White);
    QCOMPARE(w.Warnings->Caption(), QString());
    QCOMPARE(w.LabelTMP->Caption(), figure + "z");
    QCOMPARE(w.GetBodyPic->BackColor(), red == QLatin1String("GetBodyPic") ? kRefused : Colour::White);
}

void ProjectsTest::failedWriteLeavesNoFileBehind_data()
{
    QTest::addColumn<QString>("blocker");
    QTest::newRow("the project file cannot be written: its temporary name is a folder") << "folder";
    QTest::newRow("the item data file, the last one, cannot be made") << "link";
}

void ProjectsTest::failedWriteLeavesNoFileBehind()
{
    QFETCH(QString, blocker);
    if (blocker == QLatin1String("folder"))
        QVERIFY(QDir(folder_->path()).mkpath("Projects/Mia.Project.new"));
    else  // a link into a folder that does not exist
        QVERIFY(QFile::link("Missing/Mia.Data", folder_->path("Projects/Mia.Data")));
    start();
    Form1& w = *window_;
    fillIn("Mia", "Mia Rose", "Anna.bmp");
    const Snapshot before = snapshot(folder_->path());

    click(w.CreatProject);

    QCOMPARE(w.Warnings->Caption(), w.State.Texts[Form1::MsgProjectNotCreated]);
    QVERIFY(!w.Warnings->Caption().isEmpty());
    QCOMPARE(folder_->beeps(), 1);
    // No file of the project is left: the ones made before the failure are gone.
    const Snapshot after = snapshot(folder_->path());
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
    QCOMPARE(w.State.CurrentProject, QStringLiteral("Default.Project"));
    QCOMPARE(w.State.WorkMode, 2);
    QVERIFY(w.EnterProjectName->Visible() && w.CreatProject->Visible() && w.GetBodyPic->Visible());
    QVERIFY(!entries(w.ProjectFileList).contains("Mia.Project"));
    QCOMPARE(w.LabelTMP->Caption(), QString());
    QCOMPARE(w.NameOfBody->Caption(), QStringLiteral("Lina"));
}

// The rule CreatProject checks a new project's name by, also for a name
// that no text box would hold.
void ProjectsTest::safeProjectNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::newRow("letters, digits, blanks") << "Anna 2" << true;
    QTest::newRow("Windows-1252 letters") << QStringLiteral("Caf\u00e9 \u20ac") << true;
    QTest::newRow("a tab") << "a\tb" << false;
    QTest::newRow("a line feed") << "a\nb" << false;
    QTest::newRow("NUL") << QString("a") + QChar(0) + "b" << false;
    QTest::newRow("DEL") << "a\x7f" "b" << false;
    QTest::newRow("a C1 control character with a byte") << QStringLiteral("a\u0081b") << false;
    QTest::newRow("the last C1 control character") << QStringLiteral("a\u009fb") << false;
    QTest::newRow("a colon") << "a:b" << false;
    QTest::newRow("two dots") << ".." << false;
    QTest::newRow("beyond Windows-1252") << QStringLiteral("\u0391nna") << false;
}

void ProjectsTest::safeProjectNames()
{
    QFETCH(QString, name);
    QTEST(isSafeProjectName(name), "safe");
}

QTEST_MAIN(ProjectsTest)
#include "tst_projects.moc"
