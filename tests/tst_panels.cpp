// Panels: which flags each panel routine sets and which it leaves, and the
// close of the welcome panel.
#include "TestSupport.h"

#include <QtTest>

namespace {

// What a routine does to one control: show or hide it, turn it on or off,
// or leave a flag as it was ('-').
struct Effect {
    char visible;  // 's' show, 'h' hide, '-'
    char enabled;  // '1' on, '0' off, '-'
};

struct PanelRow {
    const char* name;
    Effect hideAll, importPanel, projectPanel, dressingPanel;
};

constexpr Effect kHideOff{'h', '0'}, kShowOn{'s', '1'}, kShowOff{'s', '0'}, kHide{'h', '-'}, kShow{'s', '-'},
    kNone{'-', '-'};

// The panel table of the window's design.
const PanelRow kPanels[] = {
    {"NameOfBody", kShow, kNone, kNone, kNone},
    {"ShadowText", kShow, kNone, kNone, kNone},
    {"Harddrive", kHideOff, kShowOn, kNone, kNone},
    {"SkirtFiles", kHideOff, kShowOn, kNone, kNone},
    {"Clothes", kHideOff, kShowOn, kNone, kNone},
    {"SkirtUp", kHideOff, kShowOn, kNone, kNone},
    {"SkirtDown", kHideOff, kShowOn, kNone, kNone},
    {"SkirtLeft", kHideOff, kShowOn, kNone, kNone},
    {"SkirtRight", kHideOff, kShowOn, kNone, kNone},
    {"NameSkirt", kHideOff, kShowOn, kNone, kNone},
    {"AddToWardrobe", kHideOff, kShowOn, kNone, kNone},
    {"Option1", kHideOff, kShowOn, kNone, kNone},
    {"Option2", kHideOff, kShowOn, kNone, kNone},
    {"Option3", kHideOff, kShowOn, kNone, kNone},
    {"PinkButton", kHideOff, kShowOn, kNone, kNone},
    {"WhiteButton", kHideOff, kShowOn, kNone, kNone},
    {"AutoButton", kHideOff, kShowOn, kNone, kNone},
    {"MoveDownList", kHideOff, kNone, kNone, kShowOn},
    {"MoveUpList", kHideOff, kNone, kNone, kShowOn},
    {"TransColorInfo", kHide, kShow, kNone, kNone},
    {"EnterProjectName", kHideOff, kNone, kShowOn, kNone},
    {"ProjectInfos", kHide, kNone, kShowOn, kNone},
    {"EnterLadyName", kHideOff, kNone, kShowOn, kNone},
    {"CreatProject", kHideOff, kNone, kShowOn, kNone},
    {"DeleteProject", kHideOff, kNone, kShowOff, kNone},
    {"DressItem", kHideOff, kNone, kNone, kShowOn},
    {"Wardrobe", kHideOff, kNone, kNone, kShowOn},
    {"Dressed", kHideOff, kNone, kNone, kShowOn},
    {"MoveLayerUp", kHideOff, kNone, kNone, kShowOn},
    {"MoveLayerDown", kHideOff, kNone, kNone, kShowOn},
    {"RemoveItem", kHideOff, kNone, kNone, kShowOn},
    {"RemoveAllItems", kHideOff, kNone, kNone, kShowOn},
    {"GetBodyPic", kHideOff, kNone, kShowOn, kNone},
    {"DeleteSkirt", kHide, kNone, kNone, kShowOff},
    {"ProjectFileList", kHideOff, kNone, kNone, kShowOn},
    {"OutfitList", kHideOff, kNone, kNone, kShowOn},
    {"NameOfOutfit", kHideOff, kNone, kNone, kShowOn},
    {"DeleteOutfit", kHideOff, kNone, kNone, kShowOn},
    {"SaveOutfit", kHideOff, kNone, kNone, kShowOn},
    {"Picture1", kHideOff, kNone, kNone, kShowOn},
    {"Picture2", kHideOff, kNone, kNone, kShowOn},
    {"Picture3", kHideOff, kNone, kNone, kShowOn},
    {"Picture4", kHideOff, kNone, kNone, kShowOn},
    {"UpdateItem", kHideOff, kNone, kNone, kShowOff},
    {"ProjectLabel", kHide, kNone, kShow, kNone},
    {"DollyLabel", kHide, kNone, kShow, kNone},
    {"BasePic", kHide, kNone, kShow, kNone},
};

void setAll(Form1& window, bool visible, bool enabled)
{
    for (QWidget* control : window.controls()) {
        control->setVisible(visible);
        control->setEnabled(enabled);
    }
}

Effect effectIn(const PanelRow& row, int routine)
{
    switch (routine) {
    case 0: return row.hideAll;
    case 1: return row.importPanel;
    case 2: return row.projectPanel;
    default: return row.dressingPanel;
    }
}

const PanelRow* rowFor(const QString& name)
{
    for (const PanelRow& row : kPanels)
        if (name == QLatin1String(row.name))
            return &row;
    return nullptr;
}

}  // namespace

class PanelsTest : public QObject {
    Q_OBJECT
private slots:
    void routineSetsExactlyItsColumn_data();
    void routineSetsExactlyItsColumn();
    void hideAllAfterHandlersHidBodyNames();
    void letsGo_data();
    void letsGo();

private:
    DataFolderFixture fixture_;
};

void PanelsTest::routineSetsExactlyItsColumn_data()
{
    QTest::addColumn<int>("routine");
    QTest::addColumn<bool>("presetVisible");
    QTest::addColumn<bool>("presetEnabled");
    const char* names[] = {"HideAllPanels", "ShowImportPanel", "ShowProjectPanel", "ShowDressingPanel"};
    for (int routine = 0; routine < 4; ++routine)
        for (bool preset : {false, true})
            for (bool enabled : {false, true})
                QTest::addRow("%s, before: %s %s", names[routine], preset ? "shown" : "hidden",
                              enabled ? "on" : "off")
                    << routine << preset << enabled;
}

void PanelsTest::routineSetsExactlyItsColumn()
{
    QFETCH(int, routine);
    QFETCH(bool, presetVisible);
    QFETCH(bool, presetEnabled);
    auto window = fixture_.start();
    setAll(*window, presetVisible, presetEnabled);
    switch (routine) {
    case 0: window->HideAllPanels(); break;
    case 1: window->ShowImportPanel(); break;
    case 2: window->ShowProjectPanel(); break;
    default: window->ShowDressingPanel(); break;
    }
    for (QWidget* control : window->controls()) {
        const PanelRow* row = rowFor(control->objectName());
        const Effect effect = row ? effectIn(*row, routine) : kNone;
        const bool visible = effect.visible == '-' ? presetVisible : effect.visible == 's';
        const bool enabled = effect.enabled == '-' ? presetEnabled : effect.enabled == '1';
        QWidget* parent = control->parentWidget();
        QVERIFY2(control->isVisibleTo(parent) == visible, qPrintable(control->objectName() + " visible"));
        QVERIFY2(control->isEnabledTo(parent) == enabled, qPrintable(control->objectName() + " enabled"));
    }
}

void PanelsTest::hideAllAfterHandlersHidBodyNames()
{
    auto window = fixture_.start();
    window->NameOfBody->setVisible(false);
    window->ShadowText->setVisible(false);
    window->DeleteSkirt->setEnabled(true);
    window->HideAllPanels();
    QVERIFY(window->NameOfBody->Visible());
    QVERIFY(window->ShadowText->Visible());
    QVERIFY(!window->DeleteSkirt->Visible());
    QVERIFY(window->DeleteSkirt->Enabled());
    window->ShowDressingPanel();
    QVERIFY(window->DeleteSkirt->Visible());
    QVERIFY(!window->DeleteSkirt->Enabled());
}

void PanelsTest::letsGo_data()
{
    QTest::addColumn<QString>("helpMode");
    QTest::addColumn<bool>("helpShown");
    QTest::newRow("help on") << "TRUE" << true;
    QTest::newRow("help off") << "FALSE" << false;
    QTest::newRow("no help setting") << "" << false;
}

void PanelsTest::letsGo()
{
    QFETCH(QString, helpMode);
    QFETCH(bool, helpShown);
    DataFolderFixture folder;
    QStringList settings = {"#TRANSCOLOR#", "PURPLE", "#CURRENT_PROJECT#", "Default.Project", "#LANGUAGE#",
                            "Tavolin_ENG.txt", "#EOF#"};
    if (!helpMode.isEmpty())
        settings = QStringList{"#HELPMODE#", helpMode} + settings;
    folder.write("Tavolin.ini", crlfLines(settings));
    auto window = folder.start();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(window->LetsGo, Qt::LeftButton);

    for (Label* welcome : {window->WelcomeText, window->WelcomeShadow, window->Welcome_Shadow2,
                           window->WelcomeRealShadow})
        QVERIFY(!welcome->Visible());
    QVERIFY(!window->LetsGo->Visible());
    QVERIFY(!window->LetsGo->Enabled());
    QVERIFY(window->Wardrobe->Visible() && window->Wardrobe->Enabled());
    QVERIFY(window->DeleteSkirt->Visible() && !window->DeleteSkirt->Enabled());
    for (Button* mode : {window->PlaygroundOnOff, window->NewProject, window->AddBMPItem})
        QVERIFY(mode->Enabled());
    QVERIFY(window->ShowHelp->Enabled());

    QCOMPARE(window->ShowHelp->Value(), helpShown ? 1 : 0);
    QCOMPARE(window->HelpMe->Visible(), helpShown);
    // The help label is placed and filled for dressing either way.
    QCOMPARE(window->HelpMe->Left(), 500);
    QCOMPARE(window->HelpMe->Top(), 130);
    QCOMPARE(window->HelpMe->Caption(), window->State.Texts[60] + "\r\n" + window->State.Texts[61]);
    QCOMPARE(window->State.WorkMode, 1);
    // The stored help setting is as it was.
    QCOMPARE(folder.read("Tavolin.ini"), crlfLines(settings));
}

QTEST_MAIN(PanelsTest)
#include "tst_panels.moc"
