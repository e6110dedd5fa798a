// A power cut at any moment of any action that changes a file. What
// survives a power cut is only what reached the disk for good: a file's
// bytes once the file was synced, a folder's entries once the folder was
// synced. DiskModel follows the file layer's reports of both and works out,
// at each file step of the action, what the disk would hold if the power
// went then; everything else is dropped.
//
// After each cut the program starts again on what is left, and every file
// is as before the action or as after it (a project's files all one or all
// the other). A cut after the action has ended, when the window has told it
// done, loses nothing of it.
#include "FileActions.h"
#include "TestSupport.h"
#include "formats/files/FileAccess.h"

#include <QDirIterator>
#include <QtTest>

#include <sys/stat.h>

namespace {

using namespace FileActions;
using Inode = quint64;

Inode inodeOf(const QString& path, bool* folder = nullptr)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    if (folder)
        *folder = S_ISDIR(info.st_mode);
    return Inode(info.st_ino);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The disk as a power cut would leave it: the folders' entries as last
// synced, each naming a file by its inode, and each file's bytes as last
// synced (nothing for a file never synced, as a journaling file system
// brings back a new file that was never flushed).
class DiskModel {
public:
    // Everything under root counts as on the disk to begin with.
    explicit DiskModel(const QString& root) : root_(root)
    {
        rootInode_ = inodeOf(root);
        takeFolder(root);
        QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            bytes_.insert(inodeOf(path), bytesOf(path));
        }
        FileAccess::setDurabilityHook([this](FileAccess::Durable what, const QString& path) {
            if (what == FileAccess::Durable::FileBytes)
                bytes_.insert(inodeOf(path), bytesOf(path));
            else
                takeFolder(path);
            if (changed_)
                changed_(path);
        });
    }
    ~DiskModel() { FileAccess::setDurabilityHook({}); }
    DiskModel(const DiskModel&) = delete;
    DiskModel& operator=(const DiskModel&) = delete;

    // What the disk holds after a cut now, in the form of snapshot().
    Snapshot afterCut() const
    {
        Snapshot image;
        addFolder(image, rootInode_, QString());
        return image;
    }

    // Called each time more reached the disk, with the file or folder.
    void onChange(std::function<void(const QString&)> changed) { changed_ = std::move(changed); }

private:
    struct Entry {
        Inode inode;
        bool folder;
    };

    // The folder's entries as they are now become the ones on the disk;
    // a folder found below it for the first time starts with all it holds.
    void takeFolder(const QString& path)
    {
        QMap<QString, Entry> entries;
        const QDir dir(path);
        for (const QString& name : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
            bool folder = false;
            const Inode inode = inodeOf(dir.filePath(name), &folder);
            entries.insert(name, {inode, folder});
            if (folder && !folders_.contains(inode))
                takeFolder(dir.filePath(name));
        }
        folders_.insert(inodeOf(path), entries);
    }

    void addFolder(Snapshot& image, Inode folder, const QString& prefix) const
    {
        const QMap<QString, Entry> entries = folders_.value(folder);
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            const QString path = prefix + it.key();
            if (it->folder) {
                image.insert(path, "<folder>");
                addFolder(image, it->inode, path + QLatin1Char('/'));
            } else {
                image.insert(path, bytes_.value(it->inode));
            }
        }
    }

    QString root_;
    Inode rootInode_ = 0;
    QHash<Inode, QMap<QString, Entry>> folders_;
    QHash<Inode, QByteArray> bytes_;
    std::function<void(const QString&)> changed_;
};

// Takes a picture of the disk before every file step and after each sync:
// every state the disk passes through.
class CutPlan {
public:
    explicit CutPlan(DiskModel& disk) : disk_(disk)
    {
        FileAccess::setFaultHook([this](FileAccess::Step, const QString& path) {
            cuts_.append({QStringLiteral("before a step on ") + path, disk_.afterCut()});
            return false;
        });
        disk_.onChange([this](const QString& path) {
            cuts_.append({QStringLiteral("after syncing ") + path, disk_.afterCut()});
        });
    }
    ~CutPlan()
    {
        FileAccess::setFaultHook({});
        disk_.onChange({});
    }
    CutPlan(const CutPlan&) = delete;
    CutPlan& operator=(const CutPlan&) = delete;

    struct Cut {
        QString when;
        Snapshot disk;
    };
    const QList<Cut>& cuts() const { return cuts_; }

private:
    DiskModel& disk_;
    QList<Cut> cuts_;
};

// A fresh folder that holds exactly the files of image.
void lay(const DataFolderFixture& folder, const Snapshot& image)
{
    QDir root(folder.path());
    for (const QString& entry : root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        QFileInfo info(root.filePath(entry));
        if (info.isDir())
            QDir(info.filePath()).removeRecursively();
        else
            root.remove(entry);
    }
    for (auto it = image.cbegin(); it != image.cend(); ++it) {
        if (it.value() == "<folder>")
            root.mkpath(it.key());
        else
            folder.write(it.key(), it.value());
    }
}

// The program reads a missing item data, table or outfit file as an empty
// one, so a project's files count as the same when one of the two is
// missing and the other empty.
bool sameFile(const Snapshot& a, const Snapshot& b, const QString& file)
{
    if (a.contains(file) == b.contains(file))
        return a.value(file) == b.value(file);
    const bool readsEmpty = !file.endsWith(QLatin1String(".Project"));
    return readsEmpty && a.value(file).isEmpty() && b.value(file).isEmpty();
}

}  // namespace

class PowerCutTest : public QObject {
    Q_OBJECT
private slots:
    void everyCutLeavesOldOrNew_data();
    void everyCutLeavesOldOrNew();
    void theDiskHoldsOnlyWhatWasSynced();
};

void PowerCutTest::everyCutLeavesOldOrNew_data()
{
    QTest::addColumn<int>("action");
    for (int i = 0; i < actions().size(); ++i)
        QTest::newRow(actions()[i].name) << i;
}

void PowerCutTest::everyCutLeavesOldOrNew()
{
    QFETCH(int, action);
    const Action& a = actions()[action];

    Snapshot before, after;
    QList<CutPlan::Cut> cuts;
    {
        DataFolderFixture folder;
        a.lay(folder);
        auto w = folder.start();
        a.prepare(*w);
        before = snapshot(folder.path());
        DiskModel disk(folder.path());
        {
            CutPlan plan(disk);
            a.act(*w);
            cuts = plan.cuts();
        }
        after = snapshot(folder.path());
        QVERIFY2(before != after, "the action changes no file");
        // Told done: a cut now loses nothing.
        const Snapshot done = disk.afterCut();
        for (const QString& file : after.keys())
            QVERIFY2(done.value(file) == after.value(file), qPrintable(QStringLiteral("%1 is lost after the action").arg(file)));
        for (const QString& file : done.keys())
            QVERIFY2(after.contains(file), qPrintable(QStringLiteral("%1 comes back after the action").arg(file)));
    }
    QVERIFY(!cuts.isEmpty());
    qInfo("%s: %lld cut points", a.name, qlonglong(cuts.size()));

    QStringList files = before.keys() + after.keys();
    files.removeDuplicates();
    for (int i = 0; i < cuts.size(); ++i) {
        const QByteArray where =
            QByteArray(a.name) + ", cut " + QByteArray::number(i + 1) + " " + cuts[i].when.toUtf8();
        DataFolderFixture folder;
        lay(folder, cuts[i].disk);
        auto w = folder.start();
        const Snapshot restarted = snapshot(folder.path());
        for (const QString& file : restarted.keys())
            QVERIFY2(files.contains(file), where + ": stray file " + file.toUtf8());
        int groupNew = 0, groupOld = 0;
        for (const QString& file : files) {
            const bool isOld = sameFile(restarted, before, file);
            const bool isNew = sameFile(restarted, after, file);
            QVERIFY2(isOld || isNew, where + ": " + file.toUtf8() + " is neither old nor new");
            if (a.together.contains(file) && isOld != isNew)
                (isNew ? groupNew : groupOld) += 1;
        }
        QVERIFY2(groupNew == 0 || groupOld == 0, where + ": the project's files are torn");
    }
}

// The model itself: a file renamed into place is on the disk only once its
// folder is synced, so a layer that stopped syncing folders fails above.
void PowerCutTest::theDiskHoldsOnlyWhatWasSynced()
{
    DataFolderFixture folder;
    folder.write("notes.txt", "old\r\n");
    DiskModel disk(folder.path());
    QVERIFY(::rename(QFile::encodeName(folder.path("notes.txt")).constData(),
                     QFile::encodeName(folder.path("kept.txt")).constData()) == 0);
    folder.write("notes.txt", "new\r\n");
    QCOMPARE(disk.afterCut().value("notes.txt"), QByteArray("old\r\n"));
    QVERIFY(!disk.afterCut().contains("kept.txt"));

    QVERIFY(FileAccess::replaceWith("notes.txt", "notes.txt.new", "newer\r\n"));
    const Snapshot cut = disk.afterCut();
    QCOMPARE(cut.value("notes.txt"), QByteArray("newer\r\n"));
    QVERIFY(cut.contains("kept.txt"));
    QVERIFY(!cut.contains("notes.txt.new"));
}

QTEST_MAIN(PowerCutTest)
#include "tst_powercut.moc"
