// One program per data folder, and text boxes that hold only what the
// files can: a second start on a folder in use says so and writes nothing;
// a lock that names no running Tavolin (a killed program's, an empty or
// damaged one) does not block the next start; where no lock can be made,
// the program starts and says so; a pasted name that the files cannot hold
// is stored as it was shown.
#include "FileSizeLimit.h"
#include "TestSupport.h"
#include "formats/datafolder/DataFolder.h"
#include "formats/datafolder/InstanceLock.h"

#include <QProcess>
#include <QScopeGuard>
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
QString textOf(const QString& path, int number)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray line = file.readAll().split('\n').value(number - 1).chopped(1);
    return QString::fromLatin1(line.mid(line.indexOf(' ') + 1));
}

QString textOf(const DataFolderFixture& folder, const QString& file, int number)
{
    return textOf(folder.path(file), number);
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The id of a process that has run and is gone.
qint64 goneProcessId()
{
    QProcess process;
    process.start(QStringLiteral("true"));
    process.waitForStarted();
    const qint64 id = process.processId();
    process.waitForFinished();
    return id;
}

// The lock file a Tavolin of process id would leave.
QByteArray lockNaming(qint64 id)
{
    return QByteArray::number(id) + '\n' + QFileInfo(QStringLiteral(TAVOLIN_BINARY)).fileName().toUtf8() + "\n\n";
}

// Lock files that name no running Tavolin.
void addStaleLockRows()
{
    QTest::addColumn<QByteArray>("contents");
    const char garbage[] = "\x00\xff\x13\x37garbage\n\x80";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage bytes") << QByteArray(garbage, sizeof garbage - 1);
    QTest::newRow("no number for the process") << QByteArray("Tavolin\ntavolin\n\n");
    QTest::newRow("a process that is gone") << lockNaming(goneProcessId());
    // The id taken over by another program (this test) after a crash.
    QTest::newRow("a running process of another program") << lockNaming(QCoreApplication::applicationPid());
}

// Whether a file can be created in folder, which a read-only folder does
// not stop for root.
bool canCreateFileIn(const QString& folder)
{
    const QString probe = QDir(folder).filePath(QStringLiteral("probe"));
    const bool created = writeFile(probe, "x");
    QFile::remove(probe);
    return created;
}

}  // namespace

class InstancesTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartLeavesTheFolderAlone_data();
    void secondStartLeavesTheFolderAlone();
    void lockOfAKilledProgramIsTakenOver();
    void staleLockIsTakenOver_data();
    void staleLockIsTakenOver();
    void programStartsOverAStaleLock_data();
    void programStartsOverAStaleLock();
    void lockOfARunningProgramIsKept();
    void lockThatCannotBeMadeIsSaid_data();
    void lockThatCannotBeMadeIsSaid();
    void programWithoutALockStartsAndSaysSo();
    void windowSaysThereIsNoLock_data();
    void windowSaysThereIsNoLock();
    void inUseMessageReadsOnlyAFileOfTheFolder_data();
    void inUseMessageReadsOnlyAFileOfTheFolder();
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

void InstancesTest::staleLockIsTakenOver_data() { addStaleLockRows(); }

void InstancesTest::staleLockIsTakenOver()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lockFile = dir.filePath(InstanceLock::kFileName);
    QVERIFY(writeFile(lockFile, contents));

    const InstanceLock::Outcome outcome = InstanceLock::acquire(dir.path());
    QVERIFY(outcome.lock);
    QVERIFY(!outcome.inUse);
    QVERIFY(!outcome.noLock);
    QCOMPARE(contentsOf(lockFile).split('\n').value(0).toLongLong(), QCoreApplication::applicationPid());
}

void InstancesTest::programStartsOverAStaleLock_data() { addStaleLockRows(); }

void InstancesTest::programStartsOverAStaleLock()
{
    QFETCH(QByteArray, contents);
    DataFolderFixture folder;
    folder.write(InstanceLock::kFileName, contents);

    auto program = startProgram(folder.path());
    QVERIFY(program->waitForStarted());
    QTRY_COMPARE(lockOwner(folder), program->processId());
    QCOMPARE(program->state(), QProcess::Running);
    stop(*program);
}

// A lock that a running Tavolin holds keeps the folder, and trying it
// leaves the lock file as it was.
void InstancesTest::lockOfARunningProgramIsKept()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lockFile = dir.filePath(InstanceLock::kFileName);
    QLockFile held(lockFile);
    QVERIFY(held.tryLock(0));
    const QByteArray before = contentsOf(lockFile);

    const InstanceLock::Outcome outcome = InstanceLock::acquire(dir.path());
    QVERIFY(!outcome.lock);
    QVERIFY(outcome.inUse);
    QVERIFY(!outcome.noLock);
    QCOMPARE(contentsOf(lockFile), before);
}

void InstancesTest::lockThatCannotBeMadeIsSaid_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("a folder in the lock file's place") << "folder";
    QTest::newRow("a full disk") << "full disk";
    QTest::newRow("a read-only folder") << "read-only";
}

// No lock: neither held nor taken for a running program's, and the reason
// names the lock file.
void InstancesTest::lockThatCannotBeMadeIsSaid()
{
    QFETCH(QString, obstacle);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lockFile = dir.filePath(InstanceLock::kFileName);
    if (obstacle == "folder")
        QVERIFY(QDir().mkdir(lockFile));
    std::optional<FileSizeLimit> full;
    if (obstacle == "full disk") {
        full.emplace(0);
        QVERIFY(full->isActive());
    }
    const auto writable = qScopeGuard(
        [&] { QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    if (obstacle == "read-only") {
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        if (canCreateFileIn(dir.path()))
            QSKIP("this user (root) writes to a read-only folder all the same");
    }

    const InstanceLock::Outcome outcome = InstanceLock::acquire(dir.path());
    full.reset();
    QVERIFY(!outcome.lock);
    QVERIFY(!outcome.inUse);
    QVERIFY(outcome.noLock);
    QVERIFY2(outcome.noLockReason.contains(InstanceLock::kFileName), qPrintable(outcome.noLockReason));
}

// Without a lock the program starts all the same, and says so.
void InstancesTest::programWithoutALockStartsAndSaysSo()
{
    DataFolderFixture folder;
    const QString message = textOf(folder, "Tavolin_ENG.txt", Form1::MsgNoLock);
    QVERIFY(!message.isEmpty());
    QVERIFY(QDir().mkdir(lockPath(folder)));

    auto program = startProgram(folder.path());
    QVERIFY(program->waitForStarted());
    QByteArray said;
    QTRY_VERIFY((said += program->readAllStandardError()).contains("tavolin: " + message.toLocal8Bit()));
    QCOMPARE(program->state(), QProcess::Running);
    stop(*program);
}

void InstancesTest::windowSaysThereIsNoLock_data()
{
    QTest::addColumn<QString>("project");  // the project the settings name
    QTest::addColumn<int>("shown");        // the text the welcome screen shows

    QTest::newRow("no other problem") << "Default.Project" << int(Form1::MsgNoLock);
    QTest::newRow("an unreadable project shown first") << "Missing.Project" << int(Form1::MsgProjectUnreadable);
}

// The welcome screen tells of the missing lock; where it already shows an
// earlier problem, that stays, and the missing lock is in its tooltip.
void InstancesTest::windowSaysThereIsNoLock()
{
    QFETCH(QString, project);
    QFETCH(int, shown);
    DataFolderFixture folder;
    folder.write("Tavolin.ini", crlfLines({"#HELPMODE#", "FALSE", "#TRANSCOLOR#", "PURPLE", "#CURRENT_PROJECT#",
                                           project, "#LANGUAGE#", "Tavolin_ENG.txt", "#EOF#"}));
    const QString noLock = textOf(folder, "Tavolin_ENG.txt", Form1::MsgNoLock);
    const QString expected = textOf(folder, "Tavolin_ENG.txt", shown);
    QVERIFY(!noLock.isEmpty());
    QVERIFY(!expected.isEmpty());
    const QString why = QStringLiteral("Tavolin.lock: no permission to create it");

    auto w = folder.start();
    w->ReportNoLock(why);
    QCOMPARE(w->Warnings->Caption(), expected);
    QVERIFY(w->Warnings->ToolTipText().contains(why));
    if (shown != Form1::MsgNoLock)
        QVERIFY(w->Warnings->ToolTipText().contains(noLock));
}

void InstancesTest::inUseMessageReadsOnlyAFileOfTheFolder_data()
{
    QTest::addColumn<QString>("language");  // {root}: the folder that holds the data folder
    QTest::addColumn<QString>("textFrom");  // the data folder's file whose line 54 is shown

    QTest::newRow("a file of the folder") << "Tavolin_GER.txt" << "Tavolin_GER.txt";
    QTest::newRow("up and out") << "../outside/Tavolin_GER.txt" << "Tavolin_ENG.txt";
    QTest::newRow("up and out, Windows separators") << "..\\outside\\Tavolin_GER.txt" << "Tavolin_ENG.txt";
    QTest::newRow("from the root") << "{root}/outside/Tavolin_GER.txt" << "Tavolin_ENG.txt";
    QTest::newRow("the folder itself") << ".." << "Tavolin_ENG.txt";
}

// The settings' language value names a file of the data folder; a path
// that leads out of it is not followed.
void InstancesTest::inUseMessageReadsOnlyAFileOfTheFolder()
{
    QFETCH(QString, language);
    QFETCH(QString, textFrom);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString data = root.filePath("data");
    QVERIFY(QDir().mkpath(data) && QDir().mkpath(root.filePath("outside")));
    QVERIFY(DataFolder::fillDefaults(data, QStringLiteral("Tavolin_ENG.txt")).ok);
    QVERIFY(QFile::copy(data + "/Tavolin_GER.txt", root.filePath("outside/Tavolin_GER.txt")));
    language.replace("{root}", root.path());
    QVERIFY(writeFile(data + "/Tavolin.ini", crlfLines({"#HELPMODE#", "TRUE", "#TRANSCOLOR#", "PURPLE",
                                                         "#CURRENT_PROJECT#", "Default.Project", "#LANGUAGE#",
                                                         language, "#EOF#"})));

    const QString expected = textOf(data + '/' + textFrom, 54);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(InstanceLock::inUseMessage(data), expected);
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
