// One program per data folder, and text boxes that hold only what the
// files can: a second start on a folder in use says so and writes nothing;
// the lock a killed program leaves does not block the next start; a pasted
// name that the files cannot hold is stored as it was shown.
#include "TestSupport.h"
#include "shell/InstanceLock.h"

#include <QProcess>
#include <QtTest>

namespace {

// The program itself, started in folder on the offscreen platform.
std::unique_ptr<QProcess> startProgram(const QString& folder)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(QStringLiteral(TAVOLIN_BINARY));
    process->setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process->setProcessEnvironment(environment);
    process->start();
    return process;
}

QString lockPath(const DataFolderFixture& folder) { return folder.path(InstanceLock::kFileName); }

// The process id the lock file names.
qint64 lockOwner(const DataFolderFixture& folder)
{
    return folder.read(InstanceLock::kFileName).split('\n').value(0).toLongLong();
}

void stop(QProcess& process)
{
    process.kill();
    process.waitForFinished();
}

// A language file's text line number, without its number.
QString textOf(const DataFolderFixture& folder, const QString& file, int number)
{
    return QString::fromLatin1(folder.read(file).split('\n').value(number - 1).mid(3).chopped(1));
}

}  // namespace

class InstancesTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartLeavesTheFolderAlone_data();
    void secondStartLeavesTheFolderAlone();
    void lockOfAKilledProgramIsTakenOver();
    void pastedNameIsStoredAsShown();
    void everyTextBoxDropsWhatTheFilesCannotHold_data();
    void everyTextBoxDropsWhatTheFilesCannotHold();
};

void InstancesTest::secondStartLeavesTheFolderAlone_data()
{
    QTest::addColumn<QString>("language");  // the settings' language file
    QTest::addColumn<bool>("removeIt");
    QTest::addColumn<QString>("textFrom");  // the file whose line 54 is shown

    QTest::newRow("English") << "Tavolin_ENG.txt" << false << "Tavolin_ENG.txt";
    QTest::newRow("German") << "Tavolin_GER.txt" << false << "Tavolin_GER.txt";
    QTest::newRow("language file missing: built-in English") << "Tavolin_GER.txt" << true << "Tavolin_ENG.txt";
}

void InstancesTest::secondStartLeavesTheFolderAlone()
{
    QFETCH(QString, language);
    QFETCH(bool, removeIt);
    QFETCH(QString, textFrom);

    DataFolderFixture folder;
    const QString expected = textOf(folder, textFrom, 54);
    QVERIFY(!expected.isEmpty());
    folder.write("Tavolin.ini", crlfLines({"#HELPMODE#", "TRUE", "#TRANSCOLOR#", "PURPLE", "#CURRENT_PROJECT#",
                                           "Default.Project", "#LANGUAGE#", language, "#EOF#"}));

    auto first = startProgram(folder.path());
    QVERIFY(first->waitForStarted());
    QTRY_VERIFY(QFile::exists(lockPath(folder)));
    QTRY_COMPARE(lockOwner(folder), first->processId());
    if (removeIt)
        folder.remove(language);
    const Snapshot before = snapshot(folder.path());

    auto second = startProgram(folder.path());
    QVERIFY(second->waitForStarted());
    // Qt may say things of its own on the error stream; ours is one line.
    QByteArray said;
    QTRY_VERIFY((said += second->readAllStandardError()).contains("tavolin: "));
    QTRY_VERIFY((said += second->readAllStandardError()).indexOf('\n', said.indexOf("tavolin: ")) > 0);
    const qsizetype at = said.indexOf("tavolin: ");
    QCOMPARE(QString::fromLocal8Bit(said.mid(at, said.indexOf('\n', at) - at)), "tavolin: " + expected);
    stop(*second);  // the message box waits for a click that never comes here
    QCOMPARE(snapshot(folder.path()), before);
    QCOMPARE(first->state(), QProcess::Running);
    stop(*first);
}

void InstancesTest::lockOfAKilledProgramIsTakenOver()
{
    DataFolderFixture folder;
    auto crashed = startProgram(folder.path());
    QVERIFY(crashed->waitForStarted());
    QTRY_COMPARE(lockOwner(folder), crashed->processId());
    stop(*crashed);  // SIGKILL: the lock file stays behind
    QVERIFY(QFile::exists(lockPath(folder)));

    auto next = startProgram(folder.path());
    QVERIFY(next->waitForStarted());
    QTRY_COMPARE(lockOwner(folder), next->processId());
    QCOMPARE(next->state(), QProcess::Running);
    stop(*next);
}

// A paste into the item name keeps only what the file can hold, says so,
// and the record carries the name exactly as the box showed it.
void InstancesTest::pastedNameIsStoredAsShown()
{
    DataFolderFixture folder;
    auto owned = folder.start();
    Form1& w = *owned;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.LetsGo, Qt::LeftButton);
    QTest::mouseClick(w.AddBMPItem, Qt::LeftButton);
    w.Harddrive->setPath(folder.path("Samples"));
    clickEntry(w.SkirtFiles, "Sunglasses_on_purple.bmp");
    folder.resetBeeps();

    w.NameSkirt->setFocus();
    w.NameSkirt->insert(QString::fromUtf8("Sonnenbrille \xE2\x98\x80 Große"));
    QCOMPARE(w.NameSkirt->Text(), QString::fromUtf8("Sonnenbrille  Große"));
    QTRY_COMPARE(w.Warnings->Caption(), w.State.Texts[Form1::MsgCharactersDropped]);
    QCOMPARE(folder.beeps(), 1);

    QTest::mouseClick(w.AddToWardrobe, Qt::LeftButton);
    const QByteArray data = folder.read("Projects/Default.Data");
    QVERIFY(data.contains("\r\nITEM: Sonnenbrille  Gro\xDF" "e\r\n"));
    QVERIFY(!data.contains('?'));
    QVERIFY(!w.Wardrobe->findItems(QString::fromUtf8("Sonnenbrille  Große"), Qt::MatchExactly).isEmpty());
}

void InstancesTest::everyTextBoxDropsWhatTheFilesCannotHold_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("kept");
    for (const char* box : {"NameSkirt", "NameOfOutfit", "EnterProjectName", "EnterLadyName", "ItemRename"}) {
        QTest::addRow("%s, Greek omega", box)
            << box << QString::fromUtf8("\xCE\xA9mega \xE2\x82\xAC") << QString::fromUtf8("mega \xE2\x82\xAC");
        // A line end would split the name's line in two in the files.
        QTest::addRow("%s, control characters", box)
            << box << QString("Red\r\nITEM: \tx") + QChar(0x85) << QString("RedITEM: x");
    }
}

void InstancesTest::everyTextBoxDropsWhatTheFilesCannotHold()
{
    QFETCH(QString, box);
    QFETCH(QString, input);
    QFETCH(QString, kept);
    DataFolderFixture folder;
    auto w = folder.start();
    auto* text = qobject_cast<TextBox*>(w->control(box));
    QVERIFY(text);
    text->setTextValue(QString());
    folder.resetBeeps();
    text->insert(input);
    QCOMPARE(text->Text(), kept);
    QTRY_COMPARE(w->Warnings->Caption(), w->State.Texts[Form1::MsgCharactersDropped]);
    QCOMPARE(folder.beeps(), 1);
}

QTEST_MAIN(InstancesTest)
#include "tst_instances.moc"
