// What a screen reader is told of the window: every control has a name and
// a description, in the window's language, the buttons can be told apart,
// and the names follow the captions and tooltips as the handlers change them.
#include "TestSupport.h"

#include <QAccessible>
#include <QtTest>

namespace {

QString accessible(QWidget* control, QAccessible::Text what)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(what) : QString();
}

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasANameAndDescription_data();
    void everyControlHasANameAndDescription();
    void namesFollowTheHandlers();
    void olderLanguageFileStillNamesEveryControl();
};

void AccessibilityTest::everyControlHasANameAndDescription_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("yes");
    QTest::newRow("English") << "English" << "Yes";
    QTest::newRow("German") << "German" << "Ja";
}

void AccessibilityTest::everyControlHasANameAndDescription()
{
    QFETCH(QString, flag);
    QFETCH(QString, yes);
    DataFolderFixture folder;
    auto window = folder.start();
    click(window->control(flag));
    QStringList nameless;
    QHash<QString, QString> buttonByName;
    for (auto it = window->controls().cbegin(); it != window->controls().cend(); ++it) {
        const QString name = accessible(it.value(), QAccessible::Name);
        if (name.trimmed().isEmpty() || accessible(it.value(), QAccessible::Description).trimmed().isEmpty())
            nameless.append(it.key());
        if (qobject_cast<Button*>(it.value())) {
            QVERIFY2(!buttonByName.contains(name),
                     qPrintable(it.key() + " and " + buttonByName.value(name) + " are both called " + name));
            buttonByName.insert(name, it.key());
        }
    }
    nameless.sort();
    QCOMPARE(nameless, QStringList());
    QCOMPARE(accessible(window->SayYes, QAccessible::Name), yes);
    // A control with a tooltip is described by it.
    QCOMPARE(accessible(window->Wardrobe, QAccessible::Description), window->Wardrobe->ToolTipText());
    QCOMPARE(accessible(window->Wardrobe, QAccessible::Name), window->Wardrobe->ToolTipText());
}

void AccessibilityTest::namesFollowTheHandlers()
{
    DataFolderFixture folder;
    auto window = folder.start();
    Form1& w = *window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click(w.LetsGo);
    clickEntry(w.Wardrobe, "Red shoes");
    QVERIFY(accessible(w.DressItem, QAccessible::Name).startsWith("Red shoes "));
    // Warnings says what it shows, and its own name while it is empty.
    QCOMPARE(accessible(w.Warnings, QAccessible::Name), w.State.Texts[Form1::TextMessages]);
    click(w.RemoveItem);  // nothing chosen among the worn items
    click(w.NameOfOutfit);
    click(w.SaveOutfit);
    QVERIFY(!w.Warnings->Caption().isEmpty());
    QCOMPARE(accessible(w.Warnings, QAccessible::Name), w.Warnings->Caption());
}

// Lines 31 to 70 of a file from before the names were added are empty: the
// program's own file of that language fills in.
void AccessibilityTest::olderLanguageFileStillNamesEveryControl()
{
    DataFolderFixture folder;
    QList<QByteArray> lines = folder.read("Tavolin_GER.txt").split('\n');
    for (int number : {31, 57, 58, 59, 66})
        lines[number - 1] = QByteArray::number(number) + " \r";
    folder.write("Tavolin_GER.txt", lines.join('\n'));
    auto window = folder.start();
    click(window->German);
    QVERIFY(window->State.Texts[Form1::TextYes].isEmpty());
    QCOMPARE(accessible(window->SayYes, QAccessible::Name), QString("Ja"));
    QCOMPARE(accessible(window->SayNo, QAccessible::Name), QString("Nein"));
    QCOMPARE(accessible(window->ItemRename, QAccessible::Name), QString("Neuer Name für das gezeigte Stück"));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
