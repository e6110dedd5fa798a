// The settings file: reading at start-up, and rewriting one value through
// a temporary file while every other line stays byte for byte.
#include "TestSupport.h"
#include "formats/datafolder/SettingsFile.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

SettingsFile::Values readBytes(QByteArray bytes)
{
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    return SettingsFile::read(in);
}

QByteArray rewrite(QByteArray bytes, const QString& key, const QString& value)
{
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    QByteArray result;
    QBuffer out(&result);
    out.open(QIODevice::WriteOnly);
    SettingsFile::rewriteValue(in, out, key, value);
    return result;
}

const QStringList kNineLines = {"#HELPMODE#", "TRUE", "#TRANSCOLOR#", "PURPLE", "#CURRENT_PROJECT#",
                                "Default.Project", "#LANGUAGE#", "Tavolin_GER.txt", "#EOF#"};

ino_t inodeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

}  // namespace

using Optional = std::optional<QString>;
Q_DECLARE_METATYPE(Optional)

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void rewrite_data();
    void rewrite();
    void defaultFileHoldsEveryKey();

    void helpToggleRewritesOnlyItsValueLine();
    void unchangedValueWritesNothing();
    void failedRewriteKeepsTheOldFileAndSaysSo();
};

void SettingsTest::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Optional>("helpMode");
    QTest::addColumn<Optional>("transColor");
    QTest::addColumn<Optional>("project");
    QTest::addColumn<Optional>("language");

    QTest::newRow("nine lines") << crlfLines(kNineLines) << Optional("TRUE") << Optional("PURPLE")
                                << Optional("Default.Project") << Optional("Tavolin_GER.txt");
    QTest::newRow("any order, other lines between")
        << crlfLines({"; my settings", "#LANGUAGE#", "Tavolin_ENG.txt", "", "#TRANSCOLOR#", "WHITE", "#OTHER#",
                      "x", "#HELPMODE#", "FALSE", "#CURRENT_PROJECT#", "Anna.Project", "#EOF#"})
        << Optional("FALSE") << Optional("WHITE") << Optional("Anna.Project") << Optional("Tavolin_ENG.txt");
    QTest::newRow("marker in other case or with a blank is no marker")
        << crlfLines({"#helpmode#", "TRUE", "#TRANSCOLOR# ", "WHITE", "#EOF#"}) << Optional() << Optional()
        << Optional() << Optional();
    QTest::newRow("value keeps its blanks")
        << crlfLines({"#CURRENT_PROJECT#", " My Project.Project ", "#EOF#"}) << Optional() << Optional()
        << Optional(" My Project.Project ") << Optional();
    QTest::newRow("a value line is never a marker")
        << crlfLines({"#CURRENT_PROJECT#", "#LANGUAGE#", "Tavolin_GER.txt", "#EOF#"}) << Optional() << Optional()
        << Optional("#LANGUAGE#") << Optional();
    QTest::newRow("later of two markers wins")
        << crlfLines({"#TRANSCOLOR#", "WHITE", "#TRANSCOLOR#", "AUTO", "#EOF#"}) << Optional() << Optional("AUTO")
        << Optional() << Optional();
    QTest::newRow("nothing after #EOF# is read")
        << crlfLines({"#HELPMODE#", "TRUE", "#EOF#", "#LANGUAGE#", "Tavolin_GER.txt"}) << Optional("TRUE")
        << Optional() << Optional() << Optional();
    QTest::newRow("no #EOF#: read to the end")
        << crlfLines({"#HELPMODE#", "FALSE", "#LANGUAGE#", "Tavolin_GER.txt"}) << Optional("FALSE") << Optional()
        << Optional() << Optional("Tavolin_GER.txt");
    QTest::newRow("marker on the last line has no value")
        << crlfLines({"#HELPMODE#", "TRUE", "#LANGUAGE#"}) << Optional("TRUE") << Optional() << Optional()
        << Optional();
    QTest::newRow("marker before #EOF# has no value, and #EOF# still ends")
        << crlfLines({"#LANGUAGE#", "#EOF#", "#HELPMODE#", "TRUE"}) << Optional() << Optional() << Optional()
        << Optional();
    QTest::newRow("last line without line end") << QByteArray("#HELPMODE#\r\nFALSE") << Optional("FALSE")
                                                << Optional() << Optional() << Optional();
    QTest::newRow("lines ended by line feed alone") << QByteArray("#TRANSCOLOR#\nWHITE\n#EOF#\n") << Optional()
                                                    << Optional("WHITE") << Optional() << Optional();
    QTest::newRow("empty file") << QByteArray() << Optional() << Optional() << Optional() << Optional();
}

void SettingsTest::read()
{
    QFETCH(QByteArray, file);
    const SettingsFile::Values values = readBytes(file);
    QTEST(values.HelpMode, "helpMode");
    QTEST(values.TransColorName, "transColor");
    QTEST(values.CurrentProject, "project");
    QTEST(values.Language, "language");
}

void SettingsTest::rewrite_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");

    QStringList english = kNineLines;
    english[7] = "Tavolin_ENG.txt";
    QTest::newRow("one line of nine changes") << crlfLines(kNineLines) << "#LANGUAGE#" << "Tavolin_ENG.txt"
                                              << crlfLines(english);
    QTest::newRow("other lines stay where they are")
        << crlfLines({"; comment", "#helpmode#", "x", "#HELPMODE#", "TRUE", "", "#HELPMODE# ", "y", "#EOF#"})
        << "#HELPMODE#" << "FALSE"
        << crlfLines({"; comment", "#helpmode#", "x", "#HELPMODE#", "FALSE", "", "#HELPMODE# ", "y", "#EOF#"});
    QTest::newRow("lines after #EOF# are dropped")
        << crlfLines({"#HELPMODE#", "TRUE", "#EOF#", "left over", ""}) << "#HELPMODE#" << "FALSE"
        << crlfLines({"#HELPMODE#", "FALSE", "#EOF#"});
    QTest::newRow("missing key changes nothing")
        << crlfLines({"#HELPMODE#", "TRUE", "#EOF#"}) << "#LANGUAGE#" << "Tavolin_ENG.txt"
        << crlfLines({"#HELPMODE#", "TRUE", "#EOF#"});
    QTest::newRow("key twice: both values replaced")
        << crlfLines({"#TRANSCOLOR#", "AUTO", "#TRANSCOLOR#", "WHITE", "#EOF#"}) << "#TRANSCOLOR#" << "PURPLE"
        << crlfLines({"#TRANSCOLOR#", "PURPLE", "#TRANSCOLOR#", "PURPLE", "#EOF#"});
    QTest::newRow("no #EOF#: copied to the end, none added")
        << crlfLines({"#HELPMODE#", "TRUE", "#LANGUAGE#", "Tavolin_GER.txt"}) << "#HELPMODE#" << "FALSE"
        << crlfLines({"#HELPMODE#", "FALSE", "#LANGUAGE#", "Tavolin_GER.txt"});
    QTest::newRow("key without value before #EOF# gets one, #EOF# kept")
        << crlfLines({"#LANGUAGE#", "#EOF#"}) << "#LANGUAGE#" << "Tavolin_ENG.txt"
        << crlfLines({"#LANGUAGE#", "Tavolin_ENG.txt", "#EOF#"});
    QTest::newRow("key on the last line gets its value")
        << crlfLines({"#HELPMODE#", "TRUE", "#LANGUAGE#"}) << "#LANGUAGE#" << "Tavolin_ENG.txt"
        << crlfLines({"#HELPMODE#", "TRUE", "#LANGUAGE#", "Tavolin_ENG.txt"});
    QTest::newRow("line feeds become CR LF, last line gets its end")
        << QByteArray("#HELPMODE#\nTRUE\n#EOF#") << "#HELPMODE#" << "FALSE"
        << crlfLines({"#HELPMODE#", "FALSE", "#EOF#"});
    QTest::newRow("Windows-1252 bytes survive")
        << QByteArray("; Einstellungen f\xfcr Tavolin\r\n#HELPMODE#\r\nTRUE\r\n#EOF#\r\n") << "#HELPMODE#" << "FALSE"
        << QByteArray("; Einstellungen f\xfcr Tavolin\r\n#HELPMODE#\r\nFALSE\r\n#EOF#\r\n");
}

void SettingsTest::rewrite()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTEST(::rewrite(file, key, value), "expected");
}

void SettingsTest::defaultFileHoldsEveryKey()
{
    const QByteArray file = SettingsFile::defaultFile(QStringLiteral("Tavolin_GER.txt"));
    QCOMPARE(file, crlfLines(kNineLines));
}

void SettingsTest::helpToggleRewritesOnlyItsValueLine()
{
    DataFolderFixture folder;
    folder.write("Tavolin.ini", crlfLines(kNineLines) + "after the end\r\n");
    auto window = folder.start();
    window->LetsGo->click();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    QTest::mouseClick(window->ShowHelp, Qt::LeftButton);
    QCOMPARE(window->ShowHelp->Value(), 0);
    QCOMPARE(folder.read("Tavolin.ini"), crlfLines({"#HELPMODE#", "FALSE", "#TRANSCOLOR#", "PURPLE",
                                                   "#CURRENT_PROJECT#", "Default.Project", "#LANGUAGE#",
                                                   "Tavolin_GER.txt", "#EOF#"}));
    QTest::mouseClick(window->ShowHelp, Qt::LeftButton);
    QCOMPARE(window->ShowHelp->Value(), 1);
    QCOMPARE(folder.read("Tavolin.ini"), crlfLines(kNineLines));
    QVERIFY(!folder.exists("TMP.txt"));
}

void SettingsTest::unchangedValueWritesNothing()
{
    DataFolderFixture folder;
    folder.write("Tavolin.ini", crlfLines(kNineLines));
    const ino_t before = inodeOf(folder.path("Tavolin.ini"));
    auto window = folder.start();
    window->LetsGo->click();  // stores help mode "TRUE", which the file holds already
    QCOMPARE(window->ShowHelp->Value(), 1);
    QCOMPARE(inodeOf(folder.path("Tavolin.ini")), before);
    QCOMPARE(folder.read("Tavolin.ini"), crlfLines(kNineLines));
}

void SettingsTest::failedRewriteKeepsTheOldFileAndSaysSo()
{
    DataFolderFixture folder;
    folder.write("Tavolin.ini", crlfLines(kNineLines));
    auto window = folder.start();
    window->LetsGo->click();
    // A folder where the temporary copy should go: the copy cannot be written.
    QVERIFY(QDir(folder.path()).mkdir("TMP.txt"));
    window->ShowHelp->setValue(0);
    QCOMPARE(folder.read("Tavolin.ini"), crlfLines(kNineLines));
    QCOMPARE(window->Warnings->Caption(), window->State.Texts[Form1::MsgSettingsNotSaved]);
    QVERIFY(!window->Warnings->Caption().isEmpty());

    // Once the way is clear, the next change is stored.
    QVERIFY(QDir(folder.path()).rmdir("TMP.txt"));
    window->ShowHelp->setValue(1);
    window->ShowHelp->setValue(0);
    QVERIFY(folder.read("Tavolin.ini").contains("#HELPMODE#\r\nFALSE\r\n"));
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
