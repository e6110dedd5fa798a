// Files someone else made: a data folder shared by a stranger must never
// lead the program outside it, corrupt what is inside, hang it or make it
// take memory without end. Each row lays one hostile thing into a fresh
// data folder that has a folder "outside" beside it, starts the window and
// does what a user would; then nothing outside has changed (bytes, links
// and modes), the files named as kept are as they were, the window said
// what it refused, and the peak memory grew by less than the limit.
#include "TestSupport.h"
#include "formats/datafolder/DataFolder.h"
#include "formats/datafolder/InstanceLock.h"
#include "formats/files/FileAccess.h"
#include "formats/localisation/LanguageFile.h"
#include "formats/picture/PictureFile.h"
#include "formats/text/LineReader.h"
#include "formats/wardrobe/ItemFormat.h"
#include "window/controls/Platform.h"

#include <QDirIterator>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kMemoryLimit = 64 << 20;  // growth of the peak, in bytes
constexpr qint64 kSparseSize = qint64(3) << 30;

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// Each entry under root: its kind, mode and bytes (a link: its target).
QMap<QString, QByteArray> stateOf(const QString& root)
{
    QMap<QString, QByteArray> state;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info;
        ::lstat(QFile::encodeName(path).constData(), &info);
        QByteArray entry = QByteArray::number(int(info.st_mode), 8) + ' ';
        if (S_ISLNK(info.st_mode)) {
            entry += QFile::encodeName(QFile::symLinkTarget(path));
        } else if (S_ISREG(info.st_mode) && info.st_size > (16 << 20)) {
            // The sparse files of gigabytes: their size and time stand for them.
            entry += QByteArray::number(qint64(info.st_size)) + ' ' + QByteArray::number(qint64(info.st_mtim.tv_sec)) +
                     '.' + QByteArray::number(qint64(info.st_mtim.tv_nsec));
        } else if (S_ISREG(info.st_mode)) {
            QFile file(path);
            entry += file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
        }
        state.insert(QDir(root).relativeFilePath(path), entry);
    }
    return state;
}

qint64 peakMemory()
{
    struct rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

// A data folder "data" with the defaults, and "outside" beside it with a
// few files a climbing path would reach. The data folder is the working
// folder for the fixture's life.
class HostileFolder {
public:
    HostileFolder() : previous_(QDir::currentPath())
    {
        Platform::initResources();
        QDir(root_.path()).mkpath("outside");
        write("outside/victim.txt", "precious\r\n");
        write("outside/evil.Project", "#BODYPIC#\r\nDefault.bmp\r\n#WARDROBE#\r\nevil.Data\r\n");
        write("outside/evil.TABLE", "old table\r\n");
        write("outside/lang.txt", "01 Evil\r\n");
        QFile::copy(":/defaults/Projects/Default.bmp", path("outside/body.bmp"));
        ::chmod(QFile::encodeName(path("outside/victim.txt")).constData(), 0600);
        valid_ = DataFolder::fillDefaults(path("data"), QStringLiteral("Tavolin_ENG.txt")).ok &&
                 QDir::setCurrent(path("data"));
        Platform::setBeepHook([] {});
    }
    ~HostileFolder()
    {
        Platform::setBeepHook({});
        QDir::setCurrent(previous_);
    }

    bool isValid() const { return valid_; }
    QString path(const QString& relative) const { return root_.filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        QFile::remove(path(relative));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    QByteArray read(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void link(const QString& relative, const QString& target) const
    {
        QFile::remove(path(relative));
        QVERIFY(QFile::link(target, path(relative)));
    }

private:
    QTemporaryDir root_;
    QString previous_;
    bool valid_ = false;
};

QByteArray project(const QString& body, const QString& wardrobe)
{
    return crlfLines({"#BODYPIC#", body, "#WARDROBE#", wardrobe, "#BODYNAME#", "Lina", "#VERSION#", "0.98 (Beta)"});
}

// A file of size bytes that takes no room on the disk and has no line end.
void sparse(const HostileFolder& folder, const QString& relative)
{
    folder.write(relative, QByteArray());
    QVERIFY(::truncate(QFile::encodeName(folder.path(relative)).constData(), kSparseSize) == 0);
}

void fifo(const HostileFolder& folder, const QString& relative)
{
    QFile::remove(folder.path(relative));
    QVERIFY(::mkfifo(QFile::encodeName(folder.path(relative)).constData(), 0600) == 0);
}

// Stores a sample picture under a name, as a user does.
void capture(Form1& w)
{
    click(w.LetsGo);
    click(w.AddBMPItem);
    w.Harddrive->setPath(QDir::current().filePath("Samples"));
    clickEntry(w.SkirtFiles, "Sunglasses_on_purple.bmp");
    w.NameSkirt->setFocus();
    QTest::keyClicks(w.NameSkirt, "Shades");
    click(w.AddToWardrobe);
}

void dressingPanel(Form1& w) { click(w.LetsGo); }

void chooseKeyColour(Form1& w)
{
    click(w.LetsGo);
    click(w.AddBMPItem);
    click(w.WhiteButton);
}

QByteArray readData(const QString& relative)
{
    QFile file(relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList headings(const QByteArray& data)
{
    QStringList found;
    for (const QByteArray& line : data.split('\n'))
        if (line.startsWith("ITEM: "))
            found.append(QString::fromLatin1(line.mid(6)).remove(QLatin1Char('\r')));
    return found;
}

// The default item data file with its last line end cut off.
void dataWithoutLastLineEnd(const HostileFolder& f)
{
    QByteArray data = f.read("data/Projects/Default.Data");
    data.chop(2);
    f.write("data/Projects/Default.Data", data);
}

// Two records, the first of them without its end line.
void recordWithoutEndLine(const HostileFolder& f)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(qRgb(255, 0, 0));
    QByteArray first = ItemFormat::record("Broken", 10, 50, 1, pixel, 16777215);
    first.chop(int(sizeof(ItemFormat::kEndLine)) + 1);
    f.write("data/Projects/Default.Data", first + ItemFormat::record("Whole", 10, 50, 1, pixel, 16777215));
}

using Lay = void (*)(const HostileFolder&);
using Act = void (*)(Form1&);

struct Row {
    Lay lay;
    Act act;
    int message;        // the text the window shows at the end; 0: none
    QStringList kept;   // files of the data folder that must stay as they were
};

}  // namespace

Q_DECLARE_METATYPE(Lay)
Q_DECLARE_METATYPE(Act)

class HostileTest : public QObject {
    Q_OBJECT
private slots:
    void nothingOutsideChanges_data();
    void nothingOutsideChanges();
    void aPlainNameIsOnlyAName_data();
    void aPlainNameIsOnlyAName();
    void aLockFileThatNamesNoProgramIsTakenOver_data();
    void aLockFileThatNamesNoProgramIsTakenOver();
    void aLongLineIsPassedOverWithinBoundedMemory();
    void aPictureThatIsNoFileIsRefusedAtOnce_data();
    void aPictureThatIsNoFileIsRefusedAtOnce();
};

void HostileTest::nothingOutsideChanges_data()
{
    QTest::addColumn<Lay>("lay");
    QTest::addColumn<Act>("act");
    QTest::addColumn<int>("message");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("#WARDROBE# climbs out, then a capture")
        << Lay([](const HostileFolder& f) {
               f.write("data/Projects/Default.Project", project("Default.bmp", "..\\..\\outside\\victim.txt"));
           })
        << Act(capture) << int(Form1::MsgItemNotStored) << QStringList{"Projects/Default.Project"};
    QTest::newRow("#WARDROBE# is an absolute path")
        << Lay([](const HostileFolder& f) {
               f.write("data/Projects/Default.Project", project("Default.bmp", f.path("outside/victim.txt")));
           })
        << Act(dressingPanel) << int(Form1::MsgNotAPlainName) << QStringList{};
    QTest::newRow("#CURRENT_PROJECT# climbs out")
        << Lay([](const HostileFolder& f) {
               f.write("data/Tavolin.ini", settingsFile("..\\..\\outside\\evil.Project", "Tavolin_ENG.txt"));
           })
        << Act([](Form1&) {}) << int(Form1::MsgNotAPlainName) << QStringList{"Tavolin.ini"};
    QTest::newRow("#CURRENT_PROJECT# with a drive letter")
        << Lay([](const HostileFolder& f) { f.write("data/Tavolin.ini", settingsFile("C:evil.Project", "Tavolin_ENG.txt")); })
        << Act([](Form1&) {}) << int(Form1::MsgNotAPlainName) << QStringList{"Tavolin.ini"};
    QTest::newRow("#LANGUAGE# is an absolute path")
        << Lay([](const HostileFolder& f) { f.write("data/Tavolin.ini", settingsFile("Default.Project", f.path("outside/lang.txt"))); })
        << Act([](Form1&) {}) << int(Form1::MsgNotAPlainName) << QStringList{"Tavolin.ini"};
    QTest::newRow("#BODYPIC# climbs out")
        << Lay([](const HostileFolder& f) {
               f.write("data/Projects/Default.Project", project("../../outside/body.bmp", "Default.Data"));
           })
        << Act(dressingPanel) << int(Form1::MsgNotAPlainName) << QStringList{"Projects/Default.Data"};
    QTest::newRow("a link named like the settings' working copy")
        << Lay([](const HostileFolder& f) { f.link("data/TMP.txt", f.path("outside/victim.txt")); })
        << Act(chooseKeyColour) << 0 << QStringList{"Projects/Default.Data"};
    QTest::newRow("a dangling link named like the table's working copy")
        << Lay([](const HostileFolder& f) {
               f.write("data/Projects/Default.Table", "stale\r\n");
               f.link("data/Projects/Default.Table.new", f.path("outside/made.txt"));
           })
        << Act(dressingPanel) << 0 << QStringList{"Projects/Default.Data"};
    QTest::newRow("a link named like the item file's working copy")
        << Lay([](const HostileFolder& f) { f.link("data/Projects/Default.Data.new", f.path("outside/victim.txt")); })
        << Act(capture) << 0 << QStringList{};
    QTest::newRow("the item data file is a link to outside")
        << Lay([](const HostileFolder& f) { f.link("data/Projects/Default.Data", f.path("outside/victim.txt")); })
        << Act(capture) << int(Form1::MsgItemNotStored) << QStringList{"Projects/Default.Data"};
    QTest::newRow("a FIFO in place of the outfit file")
        << Lay([](const HostileFolder& f) { fifo(f, "data/Projects/Default.Outfit"); })
        << Act(dressingPanel) << int(Form1::MsgFileUnreadable) << QStringList{"Projects/Default.Outfit"};
    QTest::newRow("a FIFO in place of the settings file")
        << Lay([](const HostileFolder& f) { fifo(f, "data/Tavolin.ini"); })
        << Act([](Form1&) {}) << int(Form1::MsgSettingsUnreadable) << QStringList{"Tavolin.ini"};
    QTest::newRow("a FIFO in place of the item data file")
        << Lay([](const HostileFolder& f) { fifo(f, "data/Projects/Default.Data"); })
        << Act(dressingPanel) << int(Form1::MsgFileUnreadable) << QStringList{"Projects/Default.Data"};
    QTest::newRow("a FIFO as the body picture")
        << Lay([](const HostileFolder& f) { fifo(f, "data/Projects/Default.bmp"); })
        << Act([](Form1& w) {
               click(w.LetsGo);
               click(w.AddBMPItem);
           })
        << int(Form1::MsgBodyPictureUnreadable) << QStringList{"Projects/Default.bmp"};
    QTest::newRow("a device as the language file, through a link")
        << Lay([](const HostileFolder& f) { f.link("data/Tavolin_ENG.txt", "/dev/zero"); })
        << Act([](Form1&) {}) << int(Form1::MsgLanguageUnreadable) << QStringList{"Tavolin_ENG.txt"};
    QTest::newRow("a folder in place of the project file")
        << Lay([](const HostileFolder& f) {
               QFile::remove(f.path("data/Projects/Default.Project"));
               QDir().mkpath(f.path("data/Projects/Default.Project"));
           })
        << Act([](Form1&) {}) << int(Form1::MsgDefaultProjectMissing) << QStringList{};
    QTest::newRow("an item data file of gigabytes without a line end")
        << Lay([](const HostileFolder& f) { sparse(f, "data/Projects/Default.Data"); })
        << Act([](Form1& w) {
               click(w.LetsGo);
               QCOMPARE(w.Wardrobe->ListCount(), 0);
           })
        << 0 << QStringList{"Projects/Default.Data"};
    QTest::newRow("a language file of gigabytes without a line end")
        << Lay([](const HostileFolder& f) { sparse(f, "data/Tavolin_ENG.txt"); })
        << Act([](Form1&) {}) << int(Form1::MsgLanguageUnreadable) << QStringList{"Tavolin_ENG.txt"};
    QTest::newRow("an outfit file of gigabytes without a line end")
        << Lay([](const HostileFolder& f) { sparse(f, "data/Projects/Default.Outfit"); })
        << Act(dressingPanel) << int(Form1::MsgFileUnreadable) << QStringList{"Projects/Default.Outfit"};
    QTest::newRow("an item table of gigabytes without a line end")
        << Lay([](const HostileFolder& f) { sparse(f, "data/Projects/Default.Table"); })
        << Act([](Form1& w) {
               click(w.LetsGo);
               clickEntry(w.Wardrobe, "Sun hat");
           })
        << 0 << QStringList{"Projects/Default.Data"};

    // Records a stranger's file or a pasted name could splice.
    QTest::newRow("an item data file without its last line end, then a capture")
        << Lay(dataWithoutLastLineEnd)
        << Act([](Form1& w) {
               capture(w);
               QCOMPARE(headings(readData("Projects/Default.Data")).size(), 8);
               QCOMPARE(w.Wardrobe->ListCount(), 8);
           })
        << 0 << QStringList{};
    QTest::newRow("an outfit file without its last line end, then an outfit save")
        << Lay([](const HostileFolder& f) { f.write("data/Projects/Default.Outfit", "OUTFIT: Walk\r\nSun hat"); })
        << Act([](Form1& w) {
               click(w.LetsGo);
               clickEntry(w.Wardrobe, "Red shoes");
               click(w.DressItem);
               w.NameOfOutfit->setFocus();
               QTest::keyClicks(w.NameOfOutfit, "Park");
               click(w.SaveOutfit);
               QCOMPARE(readData("Projects/Default.Outfit"),
                        QByteArray("OUTFIT: Walk\r\nSun hat\r\nOUTFIT: Park\r\nRed shoes\r\n"));
               QCOMPARE(w.OutfitList->ListCount(), 2);
           })
        << 0 << QStringList{};
    QTest::newRow("a name with CR LF pasted")
        << Lay([](const HostileFolder&) {})
        << Act([](Form1& w) {
               click(w.LetsGo);
               click(w.AddBMPItem);
               w.Harddrive->setPath(QDir::current().filePath("Samples"));
               clickEntry(w.SkirtFiles, "Sunglasses_on_purple.bmp");
               w.NameSkirt->setFocus();
               w.NameSkirt->insert("Sha\r\nITEM: des");
               QCOMPARE(w.NameSkirt->Text(), QString("ShaITEM: des"));
               click(w.AddToWardrobe);
               QVERIFY(headings(readData("Projects/Default.Data")).contains("ShaITEM: des"));
               QVERIFY(!headings(readData("Projects/Default.Data")).contains("des"));
           })
        << 0 << QStringList{};
    QTest::newRow("an item named like an outfit")
        << Lay([](const HostileFolder&) {})
        << Act([](Form1& w) {
               click(w.LetsGo);
               click(w.AddBMPItem);
               w.Harddrive->setPath(QDir::current().filePath("Samples"));
               clickEntry(w.SkirtFiles, "Sunglasses_on_purple.bmp");
               w.NameSkirt->setFocus();
               QTest::keyClicks(w.NameSkirt, "OUTFIT: Evil");
               click(w.AddToWardrobe);
           })
        << int(Form1::MsgNameLikeOutfit) << QStringList{"Projects/Default.Data", "Projects/Default.Outfit"};
    QTest::newRow("a record without its end line, deleted")
        << Lay(recordWithoutEndLine)
        << Act([](Form1& w) {
               click(w.LetsGo);
               clickEntry(w.Wardrobe, "Broken");
               click(w.DeleteSkirt);
               click(w.SayYes);
               QCOMPARE(headings(readData("Projects/Default.Data")), QStringList{"Whole"});
               QCOMPARE(w.Wardrobe->ListCount(), 1);
           })
        << 0 << QStringList{};
}

void HostileTest::nothingOutsideChanges()
{
    QFETCH(Lay, lay);
    QFETCH(Act, act);
    QFETCH(int, message);
    QFETCH(QStringList, kept);

    HostileFolder folder;
    QVERIFY(folder.isValid());
    lay(folder);
    const auto outside = stateOf(folder.path("outside"));
    const auto inside = stateOf(folder.path("data"));
    const qint64 memory = peakMemory();

    auto w = std::make_unique<Form1>();
    act(*w);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(stateOf(folder.path("outside")), outside);
    const auto after = stateOf(folder.path("data"));
    for (const QString& file : kept)
        QVERIFY2(after.value(file) == inside.value(file), qPrintable(file + " changed"));
    if (message == 0) {
        QCOMPARE(w->Warnings->Caption(), QString());
    } else {
        const QString text = message >= LanguageFile::kFirstLaterText ? w->AddedText(message) : w->State.Texts[message];
        QVERIFY(!text.isEmpty());
        QCOMPARE(w->Warnings->Caption(), text);
    }
    const qint64 grown = peakMemory() - memory;
    QVERIFY2(grown < kMemoryLimit, qPrintable(QStringLiteral("the peak memory grew by %1 bytes").arg(grown)));
    // No working copy is left where a link stood.
    for (const char* name : {"TMP.txt", "Projects/Default.Table.new", "Projects/Default.Data.new"})
        QVERIFY2(!QFileInfo(folder.path(QStringLiteral("data/") + QLatin1String(name))).isSymLink(), name);
}

void HostileTest::aPlainNameIsOnlyAName_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("plain");
    QTest::newRow("a project file") << "Anna.Project" << true;
    QTest::newRow("blanks and dots inside") << "My new. project.Project" << true;
    QTest::newRow("umlauts") << "Jürgen.Data" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("climbs with backslashes") << "..\\..\\outside\\victim.txt" << false;
    QTest::newRow("climbs with slashes") << "../outside" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("a subfolder") << "Projects\\Default.Data" << false;
    QTest::newRow("a drive letter") << "C:evil.Project" << false;
    QTest::newRow("a line feed") << "Anna\nProject" << false;
    QTest::newRow("a tab") << "Anna\t.Data" << false;
    QTest::newRow("a C1 control") << QString("Anna") + QChar(0x85) << false;
}

void HostileTest::aPlainNameIsOnlyAName()
{
    QFETCH(QString, value);
    QFETCH(bool, plain);
    QCOMPARE(FileAccess::isPlainName(value), plain);
}

void HostileTest::aLockFileThatNamesNoProgramIsTakenOver_data()
{
    QTest::addColumn<QByteArray>("lock");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x00\xff\x13 not a lock\r\n");
    QTest::newRow("a pid that is no number") << QByteArray("abc\ntavolin\nhost\n");
    // On this machine: a lock from another host may be held over a share.
    QTest::newRow("a process that is gone")
        << QByteArray("999999999\ntavolin\n") + QSysInfo::machineHostName().toUtf8() + "\n";
}

// A stranger's folder may come with its lock file: one that names no
// running program must not keep the program out of the folder for ever.
void HostileTest::aLockFileThatNamesNoProgramIsTakenOver()
{
    QFETCH(QByteArray, lock);
    HostileFolder folder;
    QVERIFY(folder.isValid());
    folder.write("data/Tavolin.lock", lock);
    const InstanceLock::Outcome taken = InstanceLock::acquire(folder.path("data"));
    QVERIFY(!taken.inUse);
    QVERIFY(taken.lock);
}

// The reader passes over a line longer than any the program can use and
// goes on with the next, however long the line is.
void HostileTest::aLongLineIsPassedOverWithinBoundedMemory()
{
    HostileFolder folder;
    QVERIFY(folder.isValid());
    folder.write("data/long.txt", "first\r\n");
    QFile file(folder.path("data/long.txt"));
    QVERIFY(file.open(QIODevice::Append));
    const QByteArray block(1 << 20, 'x');
    for (int i = 0; i < 300; ++i)
        file.write(block);
    file.write("\r\nlast\r\n");
    file.close();

    const qint64 memory = peakMemory();
    QFile in(folder.path("data/long.txt"));
    QVERIFY(in.open(QIODevice::ReadOnly));
    LineReader reader(in);
    QCOMPARE(reader.readLine(), QString("first"));
    QCOMPARE(reader.readLine(), QString());
    QCOMPARE(reader.readLine(), QString("last"));
    QVERIFY(reader.atEnd());
    QCOMPARE(reader.lineCount(), 3);
    QCOMPARE(reader.overlongLines(), 1);
    QVERIFY(peakMemory() - memory < kMemoryLimit);
}

void HostileTest::aPictureThatIsNoFileIsRefusedAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a link to a device") << "device";
}

// A picture is read only from a regular file (through a link too): a FIFO
// would keep the program waiting for a writer that never comes.
void HostileTest::aPictureThatIsNoFileIsRefusedAtOnce()
{
    QFETCH(QString, kind);
    HostileFolder folder;
    QVERIFY(folder.isValid());
    const QString name = folder.path("data/Samples/Odd.bmp");
    if (kind == "fifo")
        fifo(folder, "data/Samples/Odd.bmp");
    else if (kind == "folder")
        QVERIFY(QDir().mkpath(name));
    else
        folder.link("data/Samples/Odd.bmp", "/dev/zero");
    const PictureFile::LoadedPicture loaded = PictureFile::load(name);
    QVERIFY(loaded.image.isNull());
    QVERIFY(loaded.notRegular);
    QCOMPARE(Form1::PictureProblem(loaded), int(Form1::MsgNotARegularFile));
}

QTEST_MAIN(HostileTest)
#include "tst_hostile.moc"
