// Start-up: the load sequence, the editor state it leaves, the project file
// it reads, and what it does with missing or damaged files.
#include "TestSupport.h"
#include "formats/picture/Colour.h"

#include <QDirIterator>
#include <QtTest>

namespace {

QByteArray settingsWith(const QString& transColor, const QString& project, const QString& language)
{
    return crlfLines({"#HELPMODE#", "TRUE", "#TRANSCOLOR#", transColor, "#CURRENT_PROJECT#", project, "#LANGUAGE#",
                      language, "#EOF#"});
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void defaultFolderReachesTheWelcomeScreen();
    void settingsFileIsNotWrittenByStarting();
    void keyColourFromSettings_data();
    void keyColourFromSettings();
    void stepOptionsSetTheNudgeStep_data();
    void stepOptionsSetTheNudgeStep();
    void loadProjectFile_data();
    void loadProjectFile();
    void loadProjectFileKeepsFieldsTheFileLacks();
    void germanTextsKeepTheirUmlauts();
    void badInputStartsWithAMessage_data();
    void badInputStartsWithAMessage();
};

void StartupTest::defaultFolderReachesTheWelcomeScreen()
{
    DataFolderFixture folder;
    auto window = folder.start();
    const EditorState& s = window->State;

    QCOMPARE(s.AppVersion, QStringLiteral("0.98 (Beta)"));
    QVERIFY(window->VersionText->Caption().endsWith(QLatin1String(" / Version 0.98 (Beta)")));
    QCOMPARE(window->windowTitle(), window->VersionText->Caption());
    QCOMPARE(s.LineBreak, QStringLiteral("\r\n"));
    QCOMPARE(s.BaseDir, QString());
    QCOMPARE(s.WorkMode, 1);
    QCOMPARE(s.OffsetX, 10);
    QCOMPARE(s.OffsetY, 50);
    QCOMPARE(s.ItemReserved, 1);
    QCOMPARE(s.StepSize, 1);
    // Rebuilding the item table last counted the lines of the data file.
    QCOMPARE(s.ItemLineNumber, int(folder.read("Projects/Default.Data").count("\r\n")));
    QCOMPARE(s.HelpMode, QStringLiteral("TRUE"));
    QCOMPARE(s.CurrentProject, QStringLiteral("Default.Project"));
    QCOMPARE(s.ProjectBaseName, QStringLiteral("Default"));
    QCOMPARE(s.WardrobeFile, QStringLiteral("Default.Data"));
    QCOMPARE(s.BodyPicFile, QStringLiteral("Default.bmp"));
    QCOMPARE(s.Language, QStringLiteral("Tavolin_ENG.txt"));

    // The figure and its name.
    QCOMPARE(window->NameOfBody->Caption(), QStringLiteral("Lina"));
    QCOMPARE(window->ShadowText->Caption(), QStringLiteral("Lina"));
    QCOMPARE(window->BodyPic->ToolTipText(), QStringLiteral("Lina"));
    QCOMPARE(window->BodyPic->Picture().size(), QSize(200, 450));
    QCOMPARE(window->BodyPic->Point(0, 0), Colour::White);
    QVERIFY(window->BodyPic->Point(100, 200) != Colour::White);  // she stands in the middle

    // Both file lists show the project folder.
    QCOMPARE(window->ProjectFileList->ListCount(), 1);
    QCOMPARE(window->ProjectFileList->List(0), QStringLiteral("Default.Project"));
    QCOMPARE(window->GetBodyPic->List(0), QStringLiteral("Default.bmp"));

    // Help is off until the welcome panel closes.
    QVERIFY(!window->HelpMe->Visible());
    QCOMPARE(window->ShowHelp->Value(), 0);
    QVERIFY(!window->ShowHelp->Enabled());

    // The texts are on the window and the welcome panel is up.
    QCOMPARE(s.Texts[0], QString());
    QCOMPARE(s.Texts[100], QString());
    QVERIFY(!s.Texts[45].isEmpty());
    QVERIFY(window->WelcomeText->Caption().startsWith(s.Texts[45] + "\r\n\r\n" + s.Texts[46]));
    QCOMPARE(window->ShowHelpLabel->Caption(), s.Texts[15]);
    QCOMPARE(window->ProjectLabel->Caption(), s.Texts[81]);
    QVERIFY(window->WelcomeText->Visible());
    QVERIFY(window->LetsGo->Visible() && window->LetsGo->Enabled());
    QCOMPARE(window->Warnings->Left(), 430);
    QCOMPARE(window->Warnings->Caption(), QString());

    // Working controls are hidden and off; the mode buttons wait for LetsGo.
    for (QWidget* control : std::initializer_list<QWidget*>{window->Wardrobe, window->Dressed, window->SkirtFiles,
                                                            window->CreatProject, window->UpdateItem})
        QVERIFY2(!control->isVisibleTo(window.get()) && !control->isEnabledTo(window.get()),
                 qPrintable(control->objectName()));
    QVERIFY(!window->PlaygroundOnOff->Enabled());
    QVERIFY(!window->AddBMPItem->Enabled());
}

void StartupTest::settingsFileIsNotWrittenByStarting()
{
    DataFolderFixture folder;
    const auto before = snapshot(folder.path());
    auto window = folder.start();
    QCOMPARE(snapshot(folder.path()), before);
}

void StartupTest::keyColourFromSettings_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("caption");
    const int grey = Colour::rgb(100, 100, 100);
    QTest::newRow("WHITE") << settingsWith("WHITE", "Default.Project", "Tavolin_ENG.txt") << Colour::White << "WHITE";
    QTest::newRow("PURPLE") << settingsWith("PURPLE", "Default.Project", "Tavolin_ENG.txt") << Colour::Purple
                            << "PURPLE";
    QTest::newRow("AUTO gives the grey") << settingsWith("AUTO", "Default.Project", "Tavolin_ENG.txt") << grey
                                         << "AUTO";
    QTest::newRow("white in small letters") << settingsWith("white", "Default.Project", "Tavolin_ENG.txt") << grey
                                            << "white";
    QTest::newRow("no marker") << crlfLines({"#CURRENT_PROJECT#", "Default.Project", "#LANGUAGE#",
                                             "Tavolin_ENG.txt", "#EOF#"})
                               << grey << "";
}

void StartupTest::keyColourFromSettings()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, colour);
    QFETCH(QString, caption);
    DataFolderFixture folder;
    folder.write("Tavolin.ini", settings);
    auto window = folder.start();
    QCOMPARE(window->State.TransColor, colour);
    QCOMPARE(window->TransColorInfo->Caption(), caption);
    for (OptionButton* option : {window->Option1, window->Option2, window->Option3})
        QCOMPARE(option->BackColor(), colour);
    // The frame keeps its design colour at start-up.
    QCOMPARE(window->TransColorInfo->BackColor(), Colour::rgb(224, 224, 224));
}

void StartupTest::stepOptionsSetTheNudgeStep_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("step");
    QTest::newRow("10 Pixel") << "Option3" << 10;
    QTest::newRow("5 Pixel") << "Option2" << 5;
    QTest::newRow("1 Pixel after 5") << "Option1" << 1;
}

void StartupTest::stepOptionsSetTheNudgeStep()
{
    QFETCH(QString, option);
    QFETCH(int, step);
    DataFolderFixture folder;
    auto window = folder.start();
    window->ShowImportPanel();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(window->Option2, Qt::LeftButton);
    QTest::mouseClick(window->control(option), Qt::LeftButton);
    QCOMPARE(window->State.StepSize, step);
    QVERIFY(qobject_cast<OptionButton*>(window->control(option))->Value());
}

void StartupTest::loadProjectFile_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("bodyPic");
    QTest::addColumn<QString>("wardrobe");
    QTest::addColumn<QString>("bodyName");
    QTest::addColumn<QString>("baseName");

    QTest::newRow("as written")
        << "Anna.Project"
        << crlfLines({"#BODYPIC#", "Anna.bmp", "#WARDROBE#", "Anna.Data", "#BODYNAME#", "Anna", "#VERSION#",
                      "0.98 (Beta)"})
        << "Anna.bmp" << "Anna.Data" << "Anna" << "Anna";
    QTest::newRow("other order, other lines between, no version")
        << "Mix.Project"
        << crlfLines({"#BODYNAME#", "Mia", "comment", "#WARDROBE#", "Mix.Data", "", "#BODYPIC#", "Mia.bmp"})
        << "Mia.bmp" << "Mix.Data" << "Mia" << "Mix";
    QTest::newRow("small-letter marker and marker with a blank are skipped")
        << "Case.Project"
        << crlfLines({"#bodypic#", "wrong.bmp", "#BODYPIC# ", "wrong2.bmp", "#BODYPIC#", "Right.bmp", "#WARDROBE#",
                      "Case.Data", "#BODYNAME#", "Eve"})
        << "Right.bmp" << "Case.Data" << "Eve" << "Case";
    QTest::newRow("a figure named #WARDROBE#")
        << "Odd.Project"
        << crlfLines({"#BODYPIC#", "Odd.bmp", "#BODYNAME#", "#WARDROBE#", "Odd.Data", "#WARDROBE#", "Odd.Data"})
        << "Odd.bmp" << "Odd.Data" << "#WARDROBE#" << "Odd";
    QTest::newRow("later marker wins")
        << "Two.Project" << crlfLines({"#BODYNAME#", "First", "#BODYNAME#", "Second", "#BODYPIC#", "a.bmp"})
        << "a.bmp" << "" << "Second" << "Two";
    QTest::newRow("any characters in the name")
        << "My Doll, 2.Project" << crlfLines({"#BODYPIC#", "x.bmp", "#BODYNAME#", QStringLiteral("D\u00f6rte")}) << "x.bmp" << ""
        << "D\u00f6rte" << "My Doll, 2";
}

void StartupTest::loadProjectFile()
{
    QFETCH(QString, project);
    QFETCH(QByteArray, file);
    DataFolderFixture folder;
    folder.write("Projects/" + project, file);
    auto window = folder.start();
    window->State.CurrentProject = project;
    window->State.WardrobeFile.clear();
    window->LoadProjectFile();
    QTEST(window->State.BodyPicFile, "bodyPic");
    QTEST(window->State.WardrobeFile, "wardrobe");
    QTEST(window->State.BodyName, "bodyName");
    QTEST(window->NameOfBody->Caption(), "bodyName");
    QTEST(window->ShadowText->Caption(), "bodyName");
    QTEST(window->State.ProjectBaseName, "baseName");
}

void StartupTest::loadProjectFileKeepsFieldsTheFileLacks()
{
    DataFolderFixture folder;
    folder.write("Projects/Bare.Project", crlfLines({"#BODYPIC#", "Bare.bmp"}));
    auto window = folder.start();
    window->State.CurrentProject = "Bare.Project";
    window->LoadProjectFile();
    QCOMPARE(window->State.BodyPicFile, QStringLiteral("Bare.bmp"));
    QCOMPARE(window->State.WardrobeFile, QStringLiteral("Default.Data"));
    QCOMPARE(window->State.BodyName, QStringLiteral("Lina"));
    QCOMPARE(window->NameOfBody->Caption(), QStringLiteral("Lina"));
    QCOMPARE(window->ShadowText->Caption(), QStringLiteral("Lina"));
    QCOMPARE(window->State.ProjectBaseName, QStringLiteral("Bare"));
    // The file is opened whatever the letter case of its name.
    window->State.CurrentProject = "DEFAULT.project";
    window->LoadProjectFile();
    QCOMPARE(window->State.BodyPicFile, QStringLiteral("Default.bmp"));
}

void StartupTest::germanTextsKeepTheirUmlauts()
{
    DataFolderFixture folder;
    folder.write("Tavolin.ini", settingsWith("PURPLE", "Default.Project", "Tavolin_GER.txt"));
    auto window = folder.start();
    QCOMPARE(window->State.Texts[19], QStringLiteral("Das Standardprojekt kann nicht gel\u00f6scht werden."));
    QCOMPARE(window->BasePic->Caption(), window->State.Texts[85]);
    QVERIFY(window->FigureNameTooltip().contains(QLatin1String("Lina")));
}

void StartupTest::badInputStartsWithAMessage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");  // a null array removes the file
    QTest::addColumn<int>("message");         // 0: no message
    QTest::addColumn<QString>("project");     // the project shown
    QTest::addColumn<bool>("figure");         // the body picture is shown

    const QByteArray removed;
    QTest::newRow("settings file missing")
        << "Tavolin.ini" << removed << int(Form1::MsgSettingsUnreadable) << "Default.Project" << true;
    QTest::newRow("settings file without #EOF#")
        << "Tavolin.ini" << crlfLines({"#HELPMODE#", "TRUE", "#CURRENT_PROJECT#", "Default.Project", "#LANGUAGE#",
                                       "Tavolin_ENG.txt"})
        << 0 << "Default.Project" << true;
    QTest::newRow("marker on the last line")
        << "Tavolin.ini" << crlfLines({"#LANGUAGE#", "Tavolin_ENG.txt", "#CURRENT_PROJECT#"})
        << int(Form1::MsgProjectUnreadable) << "Default.Project" << true;
    QTest::newRow("current project shorter than 8 characters")
        << "Tavolin.ini" << settingsWith("PURPLE", "abc", "Tavolin_ENG.txt") << int(Form1::MsgProjectUnreadable)
        << "Default.Project" << true;
    QTest::newRow("current project file missing")
        << "Tavolin.ini" << settingsWith("PURPLE", "Gone.Project", "Tavolin_ENG.txt")
        << int(Form1::MsgProjectUnreadable) << "Default.Project" << true;
    QTest::newRow("settings file of binary junk")
        << "Tavolin.ini" << QByteArray("\x00\xff\x13\x10#EOF\x00\r\n\x81\x8d", 12) << int(Form1::MsgProjectUnreadable)
        << "Default.Project" << true;
    QTest::newRow("project file of binary junk")
        << "Projects/Default.Project" << QByteArray("\x89PNG\r\n\x1a\n\x00\x00", 10)
        << int(Form1::MsgDefaultProjectMissing) << "Default.Project" << false;
    QTest::newRow("default project missing")
        << "Projects/Default.Project" << removed << int(Form1::MsgDefaultProjectMissing) << "Default.Project"
        << false;
    QTest::newRow("marker on the project file's last line")
        << "Projects/Default.Project" << crlfLines({"#BODYNAME#", "Lina", "#BODYPIC#"})
        << int(Form1::MsgBodyPictureUnreadable) << "Default.Project" << false;
    QTest::newRow("body picture missing")
        << "Projects/Default.bmp" << removed << int(Form1::MsgBodyPictureUnreadable) << "Default.Project" << false;
    QTest::newRow("body picture is not a picture")
        << "Projects/Default.bmp" << QByteArray("BM this is text") << int(Form1::MsgBodyPictureUnreadable)
        << "Default.Project" << false;
    QTest::newRow("body picture claims 60000 x 60000 pixels")
        << "Projects/Default.bmp" << hugeBitmapHeader(60000, 60000) << int(Form1::MsgPictureTooLarge) << "Default.Project"
        << false;
    QTest::newRow("language file missing")
        << "Tavolin_ENG.txt" << removed << int(Form1::MsgLanguageUnreadable) << "Default.Project" << true;
    QTest::newRow("language file of three lines") << "Tavolin_ENG.txt" << crlfLines({"01 One", "02", "03 Three"})
                                                  << 0 << "Default.Project" << true;
}

void StartupTest::badInputStartsWithAMessage()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, message);
    QFETCH(QString, project);
    QFETCH(bool, figure);

    DataFolderFixture folder;
    if (content.isNull())
        folder.remove(file);
    else
        folder.write(file, content);
    const auto before = snapshot(folder.path());

    auto window = folder.start();
    QCOMPARE(window->State.CurrentProject, project);
    if (message == 0) {
        QCOMPARE(window->Warnings->Caption(), QString());
    } else {
        QVERIFY(!window->State.Texts[message].isEmpty());
        QCOMPARE(window->Warnings->Caption(), window->State.Texts[message]);
        QCOMPARE(window->Warnings->Left(), 230);
        QVERIFY(!window->Warnings->geometry().intersects(window->LetsGo->geometry()));
    }
    QCOMPARE(!window->BodyPic->Picture().isNull(), figure);
    if (!figure) {
        QCOMPARE(window->BodyPic->Point(0, 0), Colour::White);
        QCOMPARE(window->BodyPic->Point(100, 200), Colour::White);
    }
    // The window works on: the welcome panel closes onto the dressing panel.
    window->LetsGo->click();
    QVERIFY(window->Wardrobe->isVisibleTo(window.get()));
    QCOMPARE(window->Warnings->geometry(), QRect(430, 448, 297, 65));
    // Starting and closing the welcome panel wrote no file the user did not change.
    const auto after = snapshot(folder.path());
    if (file != QLatin1String("Tavolin.ini") || !content.isNull())
        QCOMPARE(after, before);
    else
        QCOMPARE(after.keys(), before.keys());
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
