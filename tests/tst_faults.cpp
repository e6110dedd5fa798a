// A failing file step in every action that changes a file: each open,
// write, flush, rename and delete of the action fails in turn, as a full
// disk or a refused permission would make it. Afterwards every file is as
// before the action or as after it succeeded (a project's four files all
// one or all the other), the window says what failed, and the next try
// works.
#include "FileActions.h"
#include "TestSupport.h"
#include "formats/files/FileAccess.h"

#include <QtTest>

#include <functional>

namespace {

using Step = FileAccess::Step;
using namespace FileActions;

// Counts the file steps an action takes, and makes the one numbered
// failAt fail (0: none).
class FaultPlan {
public:
    explicit FaultPlan(int failAt) : failAt_(failAt)
    {
        FileAccess::setFaultHook([this](Step step, const QString& path) {
            steps_.append({step, path});
            return steps_.size() == failAt_;
        });
    }
    ~FaultPlan() { FileAccess::setFaultHook({}); }
    FaultPlan(const FaultPlan&) = delete;
    FaultPlan& operator=(const FaultPlan&) = delete;

    const QList<QPair<Step, QString>>& steps() const { return steps_; }

private:
    int failAt_;
    QList<QPair<Step, QString>> steps_;
};

const char* stepName(Step step)
{
    switch (step) {
    case Step::Open: return "open";
    case Step::Write: return "write";
    case Step::Flush: return "flush";
    case Step::Rename: return "rename";
    case Step::Remove: return "delete";
    }
    return "?";
}

bool isAside(const QString& file) { return file.endsWith(QLatin1String(FileAccess::kAsideSuffix)); }

// The headings of the item data file the window shows, as Wardrobe lists them.
QStringList storedItems(const DataFolderFixture& folder, const Form1& w)
{
    QStringList names;
    const QString data = QStringLiteral("Projects/") + w.State.WardrobeFile;
    for (const QByteArray& line : folder.read(data).split('\n'))
        if (line.startsWith("ITEM: "))
            names.append(QString::fromLatin1(line.mid(6).chopped(1)));
    names.sort(Qt::CaseInsensitive);
    return names;
}

QStringList listed(const ListBox* list)
{
    QStringList names;
    for (int i = 0; i < list->ListCount(); ++i)
        names.append(list->List(i));
    names.sort(Qt::CaseInsensitive);
    return names;
}

}  // namespace

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    void everyFailingStepKeepsTheFiles_data();
    void everyFailingStepKeepsTheFiles();
    void appendCutBackAfterAHalfWrite();
    void leftoversGoAtTheNextStart_data();
    void leftoversGoAtTheNextStart();
};

void FaultsTest::everyFailingStepKeepsTheFiles_data()
{
    QTest::addColumn<int>("action");
    for (int i = 0; i < actions().size(); ++i)
        QTest::newRow(actions()[i].name) << i;
}

// First the action runs without a fault, to learn its steps and the files
// after it; then once per step with that step failing.
void FaultsTest::everyFailingStepKeepsTheFiles()
{
    QFETCH(int, action);
    const Action& a = actions()[action];

    Snapshot before, after;
    QList<QPair<Step, QString>> steps;
    {
        DataFolderFixture folder;
        a.lay(folder);
        auto w = folder.start();
        a.prepare(*w);
        before = snapshot(folder.path());
        FaultPlan plan(0);
        a.act(*w);
        steps = plan.steps();
        after = snapshot(folder.path());
    }
    QVERIFY2(before != after, "the action changes no file");
    QVERIFY(!steps.isEmpty());

    QMap<QString, int> kinds;
    for (const auto& step : steps)
        ++kinds[stepName(step.first)];
    QStringList counts;
    for (auto it = kinds.cbegin(); it != kinds.cend(); ++it)
        counts.append(QStringLiteral("%1 %2").arg(it.value()).arg(it.key()));
    qInfo("%s: %lld fault points (%s)", a.name, qlonglong(steps.size()), qPrintable(counts.join(", ")));

    QStringList files = before.keys() + after.keys();
    files.removeDuplicates();
    for (int failAt = 1; failAt <= steps.size(); ++failAt) {
        const QByteArray where = QByteArray(a.name) + ", step " + QByteArray::number(failAt) + " (" +
                                 stepName(steps[failAt - 1].first) + " " + steps[failAt - 1].second.toUtf8() + ")";
        DataFolderFixture folder;
        a.lay(folder);
        auto w = folder.start();
        a.prepare(*w);
        QVERIFY2(snapshot(folder.path()) == before, where);
        {
            FaultPlan plan(failAt);
            a.act(*w);
        }
        const Snapshot faulted = snapshot(folder.path());

        // Each file as before or as after; a group all one or all the other.
        QStringList asideLeft;
        for (const QString& file : faulted.keys())
            if (!files.contains(file)) {
                QVERIFY2(isAside(file), where + ": stray file " + file.toUtf8());
                asideLeft.append(file);
            }
        int groupNew = 0, groupOld = 0;
        for (const QString& file : files) {
            const bool isOld = faulted.contains(file) == before.contains(file) && faulted.value(file) == before.value(file);
            const bool isNew = faulted.contains(file) == after.contains(file) && faulted.value(file) == after.value(file);
            QVERIFY2(isOld || isNew, where + ": " + file.toUtf8() + " is neither old nor new");
            if (a.together.contains(file) && isOld != isNew)
                (isNew ? groupNew : groupOld) += 1;
        }
        QVERIFY2(groupNew == 0 || groupOld == 0, where + ": the project's files are torn");

        // Told in the window unless the fault did no harm at all.
        const bool unharmed = faulted == after && listed(w->Wardrobe) == storedItems(folder, *w);
        if (!unharmed) {
            QVERIFY2(!w->Warnings->Caption().isEmpty(), where + ": nothing said");
            QVERIFY2(w->Warnings->ToolTipText().contains("Permission denied") ||
                         w->Warnings->ToolTipText().contains("No space left on device"),
                     where + ": the reason is not given: " + w->Warnings->ToolTipText().toUtf8());
        }

        // The next try works: again where nothing changed, after a
        // restart (which clears what was set aside) where a part did.
        if (faulted == before) {
            (a.retry ? a.retry : a.act)(*w);
            QVERIFY2(snapshot(folder.path()) == after, where + ": the second try differs");
        } else if (!unharmed) {
            w.reset();
            w = folder.start();
            // Settings left naming a project that is gone are told, and
            // the default project is shown.
            const bool staleSettings = faulted.value("Tavolin.ini") == before.value("Tavolin.ini") &&
                                       w->Warnings->Caption() == w->State.Texts[Form1::MsgProjectUnreadable];
            QVERIFY2(w->Warnings->Caption().isEmpty() || staleSettings,
                     where + ": the restart reports " + w->Warnings->Caption().toUtf8());
            const Snapshot restarted = snapshot(folder.path());
            for (const QString& aside : asideLeft)
                QVERIFY2(!restarted.contains(aside), where + ": left aside after a restart");
            for (const QString& file : files)
                QVERIFY2(restarted.value(file) == before.value(file) || restarted.value(file) == after.value(file),
                         where + ": " + file.toUtf8() + " changed by the restart");
            click(w->LetsGo);
            QCOMPARE(listed(w->Wardrobe), storedItems(folder, *w));
        }
    }
}

// A write that stops half-way leaves no part of its bytes in the file.
void FaultsTest::appendCutBackAfterAHalfWrite()
{
    DataFolderFixture folder;
    folder.write("log.txt", "first\r\n");
    FaultPlan plan(2);  // the open passes, the write fails
    const FileAccess::Result result = FileAccess::append("log.txt", QByteArray(1000, 'x'));
    QVERIFY(!result);
    QCOMPARE(result.error, QStringLiteral("No space left on device"));
    QCOMPARE(plan.steps().size(), 2);
    QCOMPARE(folder.read("log.txt"), QByteArray("first\r\n"));
}

void FaultsTest::leftoversGoAtTheNextStart_data()
{
    QTest::addColumn<QStringList>("left");  // files an interruption left
    QTest::addColumn<QStringList>("users");  // the user's files, named like leftovers
    QTest::addColumn<bool>("annaProject");  // Anna.Project exists
    QTest::addColumn<QStringList>("gone");  // of the fixture's files, those the start removes

    const QStringList annaRest = {"Projects/Anna.Data", "Projects/Anna.Table", "Projects/Anna.Outfit"};
    QTest::newRow("working copy of an item rewrite")
        << QStringList{"Projects/TMP.txt", "Projects/DummyData.txt", "Projects/Default.Data.new"}
        << QStringList{"Projects/notes.new", "Projects/Default.bmp.deleted"} << true << QStringList();
    QTest::newRow("working copy of the settings and the table")
        << QStringList{"TMP.txt", "Projects/Default.Table.new", "Projects/Default.txt"}
        << QStringList{"notes.new", "Holiday.bmp.deleted", "Projects/Holiday.txt"} << true << QStringList();
    QTest::newRow("working copies of another project's files, in any letter case")
        << QStringList{"Projects/anna.outfit.NEW", "Projects/Anna.Project.new", "Projects/Anna.txt"}
        << QStringList{"Projects/Anna.bmp.new", "Projects/Anna.Data.deleted"} << true << QStringList();
    QTest::newRow("working copy of a project file never made")
        << QStringList{"Projects/Beach.Project.new"} << QStringList{"Projects/Beach.Data", "Projects/Beach.txt"}
        << true << QStringList();
    QTest::newRow("working copies of the first start")
        << QStringList{"Tavolin_ENG.txt.new", "Samples/Sunglasses_on_purple.bmp.new"}
        << QStringList{"Samples/mine.bmp.new", "Samples/TMP.txt"} << true << QStringList();
    QTest::newRow("deletion stopped after the project file")
        << QStringList{"Projects/Anna.Project.deleted", "Projects/Anna.Data.deleted"}
        << QStringList{"Projects/Other.Data.deleted"} << false << QStringList{"Projects/Anna.Table", "Projects/Anna.Outfit"};
    QTest::newRow("project made again under the deleted name")
        << QStringList{"Projects/Anna.Project.deleted"} << QStringList{} << true << QStringList();
}

// The start removes what the program left and nothing else, whatever the
// user's files are called.
void FaultsTest::leftoversGoAtTheNextStart()
{
    QFETCH(QStringList, left);
    QFETCH(QStringList, users);
    QFETCH(bool, annaProject);
    QFETCH(QStringList, gone);

    DataFolderFixture folder;
    addAnna(folder);
    if (!annaProject)
        folder.remove("Projects/Anna.Project");
    if (left.contains("Projects/Anna.Data.deleted"))
        folder.remove("Projects/Anna.Data");
    for (const QString& file : users)
        folder.write(file, "the user's own");
    Snapshot expected = snapshot(folder.path());
    for (const QString& file : gone)
        expected.remove(file);
    for (const QString& file : left)
        folder.write(file, "half a copy");

    auto w = folder.start();
    QCOMPARE(snapshot(folder.path()), expected);
    QVERIFY(w->Warnings->Caption().isEmpty());
}

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
