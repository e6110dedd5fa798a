// Keys that stand for clicks: the same scene is played once with the key
// and once with the click, and the files, the lists and the figure must
// come out the same.
#include "TestSupport.h"

#include <QtTest>

namespace {

enum class Scene { StoreItem, SaveOutfit, CreateProjectFromName, CreateProjectFromFigure, TakeOff };

QStringList entries(const ListBox* list)
{
    QStringList all;
    for (int i = 0; i < list->ListCount(); ++i)
        all.append(list->List(i));
    return all;
}

// What a scene leaves behind.
struct Outcome {
    Snapshot files;
    QStringList wardrobe, dressed, outfits;
    int workMode = 0;
    QString warning;
    QImage figure;
    int beeps = 0;
};

void type(TextBox* box, const QString& text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
}

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// Leads up to the key or click; returns the widget the key goes to.
QWidget* setUp(Form1& w, DataFolderFixture& folder, Scene scene)
{
    click(w.LetsGo);
    switch (scene) {
    case Scene::StoreItem:
        click(w.AddBMPItem);
        w.Harddrive->setPath(folder.path("Pictures"));
        clickEntry(w.SkirtFiles, "Tiny.bmp");
        type(w.NameSkirt, "Tiny");
        return w.NameSkirt;
    case Scene::SaveOutfit:
        clickEntry(w.Wardrobe, w.Wardrobe->List(0));
        click(w.DressItem);
        type(w.NameOfOutfit, "Picnic");
        return w.NameOfOutfit;
    case Scene::CreateProjectFromName:
    case Scene::CreateProjectFromFigure:
        click(w.NewProject);
        clickEntry(w.GetBodyPic, "Default.bmp");
        type(w.EnterProjectName, "Mia");
        type(w.EnterLadyName, "Mia Rose");
        if (scene == Scene::CreateProjectFromName) {
            w.EnterProjectName->setFocus();
            return w.EnterProjectName;
        }
        return w.EnterLadyName;
    case Scene::TakeOff:
        for (int i = 0; i < 2; ++i) {
            clickEntry(w.Wardrobe, w.Wardrobe->List(i));
            click(w.DressItem);
        }
        clickEntry(w.Dressed, w.Dressed->List(0));
        w.Dressed->setFocus();
        return w.Dressed;
    }
    return nullptr;
}

Button* buttonOf(const Form1& w, Scene scene)
{
    switch (scene) {
    case Scene::StoreItem: return w.AddToWardrobe;
    case Scene::SaveOutfit: return w.SaveOutfit;
    case Scene::CreateProjectFromName:
    case Scene::CreateProjectFromFigure: return w.CreatProject;
    case Scene::TakeOff: return w.RemoveItem;
    }
    return nullptr;
}

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void keyDoesWhatItsButtonDoes_data();
    void keyDoesWhatItsButtonDoes();

private:
    // Plays the scene and ends it with key, or with a click when key is 0.
    Outcome play(Scene scene, int key);
};

Outcome KeysTest::play(Scene scene, int key)
{
    DataFolderFixture folder;
    folder.writeBitmap("Pictures/Tiny.bmp", QSize(3, 2), qRgb(0, 120, 200));
    auto window = folder.start();
    Form1& w = *window;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return {};
    QWidget* target = setUp(w, folder, scene);
    folder.resetBeeps();
    if (key != 0)
        QTest::keyClick(target, Qt::Key(key));
    else
        click(buttonOf(w, scene));
    return {snapshot(folder.path()), entries(w.Wardrobe), entries(w.Dressed), entries(w.OutfitList),
            w.State.WorkMode, w.Warnings->Caption(), w.BodyPic->surface().copy(), folder.beeps()};
}

void KeysTest::keyDoesWhatItsButtonDoes_data()
{
    QTest::addColumn<int>("scene");
    QTest::addColumn<int>("key");
    QTest::newRow("Enter in the new item's name stores it") << int(Scene::StoreItem) << int(Qt::Key_Return);
    QTest::newRow("Enter on the keypad too") << int(Scene::StoreItem) << int(Qt::Key_Enter);
    QTest::newRow("Enter in the outfit's name saves it") << int(Scene::SaveOutfit) << int(Qt::Key_Return);
    QTest::newRow("Enter in the project's name creates it")
        << int(Scene::CreateProjectFromName) << int(Qt::Key_Return);
    QTest::newRow("Enter in the figure's name creates it")
        << int(Scene::CreateProjectFromFigure) << int(Qt::Key_Return);
    QTest::newRow("Delete on a worn item takes it off") << int(Scene::TakeOff) << int(Qt::Key_Delete);
}

void KeysTest::keyDoesWhatItsButtonDoes()
{
    QFETCH(int, scene);
    QFETCH(int, key);
    const Outcome untouched = play(Scene(scene), Qt::Key_F24);  // a key that means nothing
    const Outcome byKey = play(Scene(scene), key);
    const Outcome byClick = play(Scene(scene), 0);
    QVERIFY(!byClick.figure.isNull());
    QCOMPARE(byKey.files, byClick.files);
    QCOMPARE(byKey.wardrobe, byClick.wardrobe);
    QCOMPARE(byKey.dressed, byClick.dressed);
    QCOMPARE(byKey.outfits, byClick.outfits);
    QCOMPARE(byKey.workMode, byClick.workMode);
    QCOMPARE(byKey.warning, byClick.warning);
    QCOMPARE(byKey.beeps, byClick.beeps);
    QVERIFY(byKey.figure == byClick.figure);
    // A scene whose click changes nothing would show nothing.
    QVERIFY(byClick.files != untouched.files || byClick.dressed != untouched.dressed);
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
