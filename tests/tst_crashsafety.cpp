// A kill at any moment: while the program starts, while it rewrites the
// item data file, the item table or the outfit file, or in between, each
// of those files must be left exactly as it was before the action under
// way or exactly as the action leaves it, and the program must start on
// the folder again and go on working.
//
// The program is crash_worker, a person at work on a large wardrobe through
// the window's controls; its journal names, for the action under way, each
// file's hash before and the hash the action must leave. The worker itself
// fails on any surprise at start-up or after an action, so every restart
// also checks that the folder a kill left behind opens and works.
//
// TAVOLIN_CRASH_KILLS sets the number of kills (200 by default),
// TAVOLIN_CRASH_SEED the seed of the delays and the worker's choices (the
// log names the one in use).
#include "TestSupport.h"
#include "formats/picture/Colour.h"
#include "formats/wardrobe/ItemFormat.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {

constexpr int kItems = 16;  // 20 MB, a million lines: the whole test within about four minutes here
constexpr int kItemWidth = 200;
constexpr int kItemHeight = 320;
// Kills per row of the table: one row stays well within Qt Test's limit
// on the time of one test function, however many kills are asked for.
constexpr int kKillsPerRow = 25;
constexpr int kWorkerTimeoutMs = 180000;
constexpr int kKinds = 5;          // the worker's kinds of action
constexpr int kUntilKilled = -1;   // actions of a worker that runs until the kill
constexpr quint32 kDefaultSeed = 20240611;

const QStringList kProjectFiles = {"Default.Data", "Default.Table", "Default.Outfit", "Default.Project",
                                   "Default.bmp"};

int environmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

bool isKeyColour(int colour)
{
    return colour == Colour::Purple || colour == Colour::White || colour == Colour::NeutralGrey;
}

// Noise without a pixel of any key colour: every pixel is stored, one line each.
QImage opaquePicture(QRandomGenerator& random)
{
    QImage picture(kItemWidth, kItemHeight, QImage::Format_RGB32);
    for (int y = 0; y < kItemHeight; ++y) {
        for (int x = 0; x < kItemWidth; ++x) {
            QRgb pixel = random.generate() | 0xFF000000u;
            if (isKeyColour(Colour::fromQRgb(pixel)))
                pixel ^= 1u;
            picture.setPixel(x, y, pixel);
        }
    }
    return picture;
}

// Files of the project folder that are none of the project's own: the
// working files a kill left behind.
QStringList leftovers(const QString& projects)
{
    QStringList found;
    for (const QString& name : QDir(projects).entryList(QDir::Files | QDir::Hidden))
        if (!kProjectFiles.contains(name))
            found.append(name);
    return found;
}

struct Tally {
    int kills = 0;
    int beforeTheWindow = 0;     // no action begun yet
    int duringStartUp = 0;       // the window starting
    int duringARewrite = 0;      // an action that writes, under way
    QMap<QString, int> byAction;  // of these: per kind of action
    int newAlreadyInPlace = 0;   // of these: a file already its new version
    int betweenActions = 0;
    int restartsOnLeftovers = 0;  // restarts with a working file left behind
    QStringList leftoverNames;
};

}  // namespace

class CrashSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void killsLeaveEachFileOldOrNew_data();
    void killsLeaveEachFileOldOrNew();
    void cleanRunAfterTheKills();
    void cleanupTestCase();

private:
    void writeStore();
    void startWorker(QProcess& worker, int actions);
    void runToEnd(int actions, QStringList& wardrobe);
    int timedRunToEnd(int actions);
    void killOnce(int kill);
    void checkFilesAfterKill(int kill, int delay);
    QString projects() const { return folder_->path("Projects"); }
    QString journalPath() const { return journalDir_.filePath("journal.txt"); }

    std::unique_ptr<DataFolderFixture> folder_;
    QTemporaryDir journalDir_;  // outside the data folder
    quint32 seed_ = kDefaultSeed;
    QRandomGenerator random_;
    int spreadMs_ = 0;           // delays before a kill are spread over 0 to this
    CrashJournal::Hashes known_;  // the files as the last kill left them
    Tally tally_;
    bool killFailed_ = false;
};

void CrashSafetyTest::initTestCase()
{
    seed_ = quint32(environmentNumber("TAVOLIN_CRASH_SEED", int(kDefaultSeed)));
    random_.seed(seed_);
    qInfo("seed %u (set TAVOLIN_CRASH_SEED to repeat a run)", seed_);
    folder_ = std::make_unique<DataFolderFixture>();
    QVERIFY(folder_->isValid());
    QVERIFY(journalDir_.isValid());
    writeStore();

    // A clean start alone and one with an action of each kind, timed: the
    // kills are spread over a start and two actions, so that they land in
    // start-up and, as the worker begins with another kind of action each
    // time, in every kind of action.
    const int start = timedRunToEnd(0);
    const int startAndRound = timedRunToEnd(kKinds);
    if (QTest::currentTestFailed())
        return;
    spreadMs_ = start + 2 * (startAndRound - start) / kKinds;
    qInfo("a start: %d ms; a start and one action of each kind: %d ms; kills spread over %d ms", start,
          startAndRound, spreadMs_);
    known_ = CrashJournal::hashes(CrashJournal::read(folder_->path()));
}

// kItems items of a fully opaque picture each, made by the program's own
// record function, their table, three outfits, and the picture to capture.
void CrashSafetyTest::writeStore()
{
    QByteArray data;
    for (int i = 0; i < kItems; ++i)
        data += ItemFormat::record(QStringLiteral("Item %1").arg(i + 1), 0, i, 1, opaquePicture(random_),
                                   Colour::Purple);
    folder_->write("Projects/Default.Data", data);
    folder_->write("Projects/Default.Table", itemTableFor(data));
    folder_->write("Projects/Default.Outfit",
                   crlfLines({"OUTFIT: Beach", "Item 1", "Item 2", "OUTFIT: Office", "Item 3", "OUTFIT: Evening",
                              "Item 4", "Item 5", "Item 6"}));
    QVERIFY(QDir(folder_->path()).mkpath("Pictures"));
    QVERIFY(opaquePicture(random_).save(folder_->path(CrashJournal::kCapturePicture), "BMP"));
    qInfo("store: %d items, %lld lines, %.1f MB", kItems, data.count('\n'), double(data.size()) / (1 << 20));
}

void CrashSafetyTest::startWorker(QProcess& worker, int actions)
{
    QStringList arguments = {journalPath(), QString::number(random_.generate()), QString::number(kItems)};
    if (actions != kUntilKilled)
        arguments.append(QString::number(actions));
    worker.setWorkingDirectory(folder_->path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    worker.setProcessEnvironment(environment);
    worker.start(QStringLiteral(CRASH_WORKER), arguments);
}

// A worker that must run its actions to a clean end; wardrobe gets the
// names it lists at the end.
void CrashSafetyTest::runToEnd(int actions, QStringList& wardrobe)
{
    QProcess worker;
    startWorker(worker, actions);
    QVERIFY2(worker.waitForStarted(), qPrintable(worker.errorString()));
    QVERIFY2(worker.waitForFinished(kWorkerTimeoutMs), "the worker did not finish its actions");
    const QByteArray errors = worker.readAllStandardError();
    QCOMPARE(worker.exitStatus(), QProcess::NormalExit);
    QVERIFY2(worker.exitCode() == 0, errors.constData());
    for (const QByteArray& line : worker.readAllStandardOutput().split('\n'))
        if (line.startsWith("item: "))
            wardrobe.append(QString::fromUtf8(line.mid(6)));
}

int CrashSafetyTest::timedRunToEnd(int actions)
{
    QElapsedTimer timer;
    timer.start();
    QStringList wardrobe;
    runToEnd(actions, wardrobe);
    return int(timer.elapsed());
}

void CrashSafetyTest::killsLeaveEachFileOldOrNew_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    const int kills = environmentNumber("TAVOLIN_CRASH_KILLS", 200);
    for (int first = 1; first <= kills; first += kKillsPerRow) {
        const int last = qMin(kills, first + kKillsPerRow - 1);
        QTest::addRow("kills %d to %d", first, last) << first << last;
    }
}

// The rows go on from each other: each restarts on the folder the kills
// before it left.
void CrashSafetyTest::killsLeaveEachFileOldOrNew()
{
    QFETCH(int, first);
    QFETCH(int, last);
    if (killFailed_)
        QSKIP("an earlier kill failed; the folder it left would only repeat that");
    for (int kill = first; kill <= last && !QTest::currentTestFailed(); ++kill)
        killOnce(kill);
    killFailed_ = QTest::currentTestFailed();
}

void CrashSafetyTest::killOnce(int kill)
{
    const QStringList left = leftovers(projects());
    if (!left.isEmpty()) {
        ++tally_.restartsOnLeftovers;
        for (const QString& name : left)
            if (!tally_.leftoverNames.contains(name))
                tally_.leftoverNames.append(name);
    }
    QFile::remove(journalPath());
    const int delay = int(random_.bounded(quint32(spreadMs_ + 1)));

    QProcess worker;
    startWorker(worker, kUntilKilled);
    QVERIFY2(worker.waitForStarted(), qPrintable(worker.errorString()));
    // The worker only ends by itself when it met a surprise.
    if (worker.waitForFinished(delay))
        QFAIL(qPrintable(QStringLiteral("kill %1: the worker stopped by itself after %2 ms (exit code %3): %4")
                             .arg(kill)
                             .arg(delay)
                             .arg(worker.exitCode())
                             .arg(QString::fromLocal8Bit(worker.readAllStandardError()))));
    worker.kill();
    QVERIFY(worker.waitForFinished(kWorkerTimeoutMs));
    QVERIFY2(worker.exitStatus() == QProcess::CrashExit,
             qPrintable(QStringLiteral("kill %1: the worker ended by itself: %2")
                            .arg(kill)
                            .arg(QString::fromLocal8Bit(worker.readAllStandardError()))));
    ++tally_.kills;
    checkFilesAfterKill(kill, delay);
}

void CrashSafetyTest::checkFilesAfterKill(int kill, int delay)
{
    QFile journal(journalPath());
    const QByteArray lines = journal.open(QIODevice::ReadOnly) ? journal.readAll() : QByteArray();
    const CrashJournal::Entry entry = CrashJournal::lastEntry(lines);
    const CrashJournal::Hashes now = CrashJournal::hashes(CrashJournal::read(folder_->path()));
    const QString where = QStringLiteral("kill %1 after %2 ms, %3: ")
                              .arg(kill)
                              .arg(delay)
                              .arg(entry.valid ? entry.action + (entry.ended ? " ended" : " under way")
                                               : QStringLiteral("before any action"));
    bool newInPlace = false;
    for (int i = 0; i < CrashJournal::kFiles; ++i) {
        const QString file = where + QLatin1String(CrashJournal::kFileNames[i]);
        if (!entry.valid) {
            QVERIFY2(now[i] == known_[i], qPrintable(file + " changed"));
            continue;
        }
        QVERIFY2(now[i] == entry.before[i] || now[i] == entry.after[i],
                 qPrintable(file + " is neither its old nor its new version: " + now[i]));
        QVERIFY2(!entry.ended || now[i] == entry.after[i], qPrintable(file + " is not the version checked"));
        newInPlace = newInPlace || (now[i] == entry.after[i] && now[i] != entry.before[i]);
    }
    known_ = now;

    if (!entry.valid)
        ++tally_.beforeTheWindow;
    else if (entry.ended)
        ++tally_.betweenActions;
    else if (entry.action == QLatin1String("start"))
        ++tally_.duringStartUp;
    else {
        ++tally_.duringARewrite;
        ++tally_.byAction[entry.action];
        tally_.newAlreadyInPlace += newInPlace ? 1 : 0;
    }
}

// After all the kills, a worker runs one action of each kind to its end on
// the folder they left: the wardrobe it lists is the data file's, and the
// table matches.
void CrashSafetyTest::cleanRunAfterTheKills()
{
    if (killFailed_)
        QSKIP("a kill failed");
    QStringList wardrobe;
    runToEnd(kKinds, wardrobe);
    const QByteArray data = folder_->read("Projects/Default.Data");
    // The wardrobe keeps its entries sorted.
    QStringList headings = itemNames(data);
    headings.sort();
    wardrobe.sort();
    QVERIFY(!wardrobe.isEmpty());
    QCOMPARE(wardrobe, headings);
    QCOMPARE(folder_->read("Projects/Default.Table"), itemTableFor(data));
}

void CrashSafetyTest::cleanupTestCase()
{
    QStringList byAction;
    for (auto it = tally_.byAction.cbegin(); it != tally_.byAction.cend(); ++it)
        byAction.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
    qInfo("kills: %d; before the window: %d; during start-up: %d; during a rewrite: %d (%s; new version already "
          "in place: %d); between actions: %d",
          tally_.kills, tally_.beforeTheWindow, tally_.duringStartUp, tally_.duringARewrite,
          qPrintable(byAction.join(", ")), tally_.newAlreadyInPlace, tally_.betweenActions);
    qInfo("restarts on a working file left behind: %d (%s)", tally_.restartsOnLeftovers,
          qPrintable(tally_.leftoverNames.join(", ")));
}

QTEST_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
