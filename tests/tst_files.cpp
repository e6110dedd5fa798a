// File access below the handlers: names matched without regard to case,
// whole-file rewrites through a temporary file, appends that are cut back
// when they fail, files made together, the record that takes a rewrite
// back, Windows-1252 text and the line reader.
#include "FileSizeLimit.h"
#include "formats/dressing/OutfitFile.h"
#include "formats/files/FileAccess.h"
#include "formats/files/RewriteRecord.h"
#include "formats/text/Cp1252.h"
#include "formats/text/LineReader.h"
#include "formats/wardrobe/ItemRewrite.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using ByteLines = QList<QByteArray>;
Q_DECLARE_METATYPE(ByteLines)

namespace {

ino_t inodeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

ByteLines readLines(QIODevice& device)
{
    LineReader reader(device);
    ByteLines lines;
    while (!reader.atEnd())
        lines << reader.readLineBytes();
    return lines;
}

// Some text of every byte value but the line ends.
QByteArray binaryText(int size)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < size; ++i) {
        const char c = char(i * 7 + 3);
        if (c != '\r' && c != '\n')
            bytes += c;
    }
    return bytes;
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void resolvePath_data();
    void resolvePath();
    void operationsReachTheFileInAnyCase();
    void readAllOfMissingFileFails();

    void replaceWithPutsTheNewFileInPlace();
    void replaceWithCreatesANewFileInAFolderOfOtherCase();
    void aRewriteKeepsThePermissionBits_data();
    void aRewriteKeepsThePermissionBits();
    void rewriteThroughStreamsTheOldFileIntoTheNew();
    void failedRewriteLeavesTheOldFileAndNoTemporary_data();
    void failedRewriteLeavesTheOldFileAndNoTemporary();

    void rewriteRecordGivesBothVersionsBack_data();
    void rewriteRecordGivesBothVersionsBack();
    void createTogetherMakesAllOrNone_data();
    void createTogetherMakesAllOrNone();

    void appendAddsAtTheEndOrCreates();
    void failedAppendIsCutBack_data();
    void failedAppendIsCutBack();

    void cp1252RoundTripsEveryByte();
    void cp1252Decode_data();
    void cp1252Decode();
    void cp1252Encode_data();
    void cp1252Encode();

    void lineReader_data();
    void lineReader();
    void lineReaderReadsAFileAcrossChunks();
    void lineReaderDecodesCp1252();

private:
    QString path(const QString& relative) const { return dir_->filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    QStringList entries(const QString& folder = QString()) const;

    std::unique_ptr<QTemporaryDir> dir_;
    QString previous_;
};

void FilesTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    previous_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_->path()));
}

void FilesTest::cleanup()
{
    QDir::setCurrent(previous_);
    dir_.reset();
}

void FilesTest::write(const QString& relative, const QByteArray& bytes) const
{
    QVERIFY(QDir().mkpath(QFileInfo(path(relative)).path()));
    QFile file(path(relative));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray FilesTest::read(const QString& relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList FilesTest::entries(const QString& folder) const
{
    return QDir(path(folder.isEmpty() ? QStringLiteral(".") : folder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// ---- Names

void FilesTest::resolvePath_data()
{
    // Layout: files, and folders ending in "/". "@" stands for the temporary
    // folder, for absolute names.
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("backslash separates folders")
        << QStringList{"Projects/Default.Data"} << "Projects\\Default.Data" << "Projects/Default.Data";
    QTest::newRow("file in other case")
        << QStringList{"Projects/Default.Data"} << "Projects\\Default.DATA" << "Projects/Default.Data";
    QTest::newRow("every part of a nested name in other case")
        << QStringList{"Projects/Anna/Old/Skirt.Table"} << "PROJECTS\\anna\\OLD\\skirt.table"
        << "Projects/Anna/Old/Skirt.Table";
    QTest::newRow("exact spelling wins over other case")
        << QStringList{"Projects/a.txt", "Projects/A.TXT"} << "projects\\A.TXT" << "Projects/A.TXT";
    QTest::newRow("exact spelling wins, other way round")
        << QStringList{"Projects/a.txt", "Projects/A.TXT"} << "projects\\a.txt" << "Projects/a.txt";
    QTest::newRow("new file in existing folder of other case keeps its name")
        << QStringList{"Projects/"} << "PROJECTS\\New Lady.Outfit" << "Projects/New Lady.Outfit";
    QTest::newRow("below a missing folder everything as given")
        << QStringList{"Projects/"} << "Projects\\Nowhere\\PROJECTS\\x.txt" << "Projects/Nowhere/PROJECTS/x.txt";
    QTest::newRow("folder with trailing backslash")
        << QStringList{"Projects/"} << "projects\\" << "Projects";
    QTest::newRow("doubled separators")
        << QStringList{"Projects/Default.Data"} << "projects\\\\default.data" << "Projects/Default.Data";
    QTest::newRow("hidden file in other case")
        << QStringList{".Hidden"} << ".HIDDEN" << ".Hidden";
    QTest::newRow("absolute name")
        << QStringList{"Pics/Red Skirt.bmp"} << "@\\pics\\RED SKIRT.BMP" << "@/Pics/Red Skirt.bmp";
    QTest::newRow("absolute name of a new file")
        << QStringList{"Pics/"} << "@\\PICS\\New.bmp" << "@/Pics/New.bmp";
}

void FilesTest::resolvePath()
{
    QFETCH(QStringList, layout);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    for (const QString& entry : layout) {
        if (entry.endsWith('/'))
            QVERIFY(QDir().mkpath(path(entry)));
        else
            write(entry, "x");
    }
    name.replace('@', dir_->path());
    expected.replace('@', dir_->path());
    QCOMPARE(FileAccess::resolvePath(name), expected);
}

// One file, reached through a name in other case, is read, appended to
// and removed, and is never created anew over; no second file appears
// beside it.
void FilesTest::operationsReachTheFileInAnyCase()
{
    const QByteArray old = "ITEM: Skirt\r\n\x80\xE4\xFF\r\n";
    write("Projects/Default.Data", old);
    const QString otherCase = QStringLiteral("projects\\DEFAULT.data");

    QVERIFY(FileAccess::exists(otherCase));
    QByteArray bytes;
    QVERIFY(FileAccess::readAll(otherCase, bytes));
    QCOMPARE(bytes, old);

    QVERIFY(FileAccess::append(otherCase, "more\r\n"));
    QCOMPARE(read("Projects/Default.Data"), old + "more\r\n");

    QVERIFY(!FileAccess::createEmpty(otherCase));
    QCOMPARE(read("Projects/Default.Data"), old + "more\r\n");
    QCOMPARE(entries("Projects"), QStringList{"Default.Data"});
    QVERIFY(FileAccess::createEmpty("PROJECTS\\New.Table"));
    QCOMPARE(entries("Projects"), (QStringList{"Default.Data", "New.Table"}));
    QVERIFY(FileAccess::remove("projects\\new.table"));

    QVERIFY(FileAccess::remove(otherCase));
    QCOMPARE(entries("Projects"), QStringList());
    QVERIFY(!FileAccess::exists(otherCase));
    QVERIFY(!FileAccess::remove(otherCase));
}

void FilesTest::readAllOfMissingFileFails()
{
    QByteArray bytes = "untouched";
    const FileAccess::Result result = FileAccess::readAll(QStringLiteral("Projects\\Missing.Data"), bytes);
    QVERIFY(!result);
    QVERIFY(!result.error.isEmpty());
}

// ---- Rewrites

void FilesTest::replaceWithPutsTheNewFileInPlace()
{
    write("Projects/Default.Outfit", "OUTFIT: old\r\n");
    // A second name for the old file: it keeps the old bytes when the new
    // file is renamed into place, while a write into the old file would
    // show through it.
    QVERIFY(::link(QFile::encodeName(path("Projects/Default.Outfit")).constData(),
                   QFile::encodeName(path("old-link")).constData()) == 0);
    const ino_t before = inodeOf(path("Projects/Default.Outfit"));

    QVERIFY(FileAccess::replaceWith("PROJECTS\\default.OUTFIT", "projects\\Default.txt", "OUTFIT: new\r\n"));

    QCOMPARE(read("Projects/Default.Outfit"), QByteArray("OUTFIT: new\r\n"));
    QCOMPARE(read("old-link"), QByteArray("OUTFIT: old\r\n"));
    QVERIFY(inodeOf(path("Projects/Default.Outfit")) != before);
    QCOMPARE(entries("Projects"), QStringList{"Default.Outfit"});
}

void FilesTest::aRewriteKeepsThePermissionBits_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("private to the user") << 0600;
    QTest::newRow("readable by the group") << 0640;
    QTest::newRow("read-only for others, group writable") << 0664;
}

// A file the user made private stays private after the program rewrote it.
void FilesTest::aRewriteKeepsThePermissionBits()
{
    QFETCH(int, mode);
    write("Projects/Default.Outfit", "OUTFIT: old\r\n");
    QVERIFY(::chmod(QFile::encodeName(path("Projects/Default.Outfit")).constData(), mode_t(mode)) == 0);
    QVERIFY(FileAccess::replaceWith("Projects\\Default.Outfit", "Projects\\Default.Outfit.new", "OUTFIT: new\r\n"));
    struct stat info;
    QVERIFY(::stat(QFile::encodeName(path("Projects/Default.Outfit")).constData(), &info) == 0);
    QCOMPARE(int(info.st_mode & 07777), mode);
    QCOMPARE(read("Projects/Default.Outfit"), QByteArray("OUTFIT: new\r\n"));
}

void FilesTest::replaceWithCreatesANewFileInAFolderOfOtherCase()
{
    QVERIFY(QDir().mkpath(path("Projects")));
    QVERIFY(FileAccess::replaceWith("PROJECTS\\Anna.Outfit", "PROJECTS\\Anna.txt", "x\r\n"));
    QCOMPARE(entries(), QStringList{"Projects"});
    QCOMPARE(entries("Projects"), QStringList{"Anna.Outfit"});
    QCOMPARE(read("Projects/Anna.Outfit"), QByteArray("x\r\n"));
}

void FilesTest::rewriteThroughStreamsTheOldFileIntoTheNew()
{
    // Drops every line "b", as a deletion does.
    const auto dropB = [](QIODevice& in, QIODevice& out) {
        LineReader reader(in);
        while (!reader.atEnd()) {
            const QByteArray line = reader.readLineBytes();
            if (line != "b" && out.write(line + "\r\n") < 0)
                return false;
        }
        return true;
    };
    write("Tavolin.ini", "a\r\nb\r\nc");
    QVERIFY(FileAccess::rewriteThrough("tavolin.INI", "tmp.txt", dropB));
    QCOMPARE(read("Tavolin.ini"), QByteArray("a\r\nc\r\n"));
    QCOMPARE(entries(), QStringList{"Tavolin.ini"});

    // A missing file reads as empty: only what the copy adds is written.
    const auto addLine = [](QIODevice& in, QIODevice& out) {
        return in.readAll().isEmpty() && out.write("first\r\n") == 7;
    };
    QVERIFY(FileAccess::rewriteThrough("New.ini", "tmp.txt", addLine));
    QCOMPARE(read("New.ini"), QByteArray("first\r\n"));
    QCOMPARE(entries(), (QStringList{"New.ini", "Tavolin.ini"}));
}

void FilesTest::failedRewriteLeavesTheOldFileAndNoTemporary_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tempName");
    QTest::addColumn<QString>("failure");

    QTest::newRow("temporary name is a folder") << "Projects\\Default.Data" << "Projects\\TMP.txt" << "folder";
    QTest::newRow("temporary name is a folder in other case")
        << "Projects\\Default.Data" << "projects\\tmp.TXT" << "folder";
    QTest::newRow("copy gives up half-way") << "Projects\\Default.Data" << "Projects\\TMP.txt" << "copy";
    // A large copy fails as it is written, a small one when it is flushed.
    QTest::newRow("disk full while writing a large copy")
        << "Projects\\Default.Data" << "Projects\\TMP.txt" << "full";
    QTest::newRow("disk full when the copy is flushed")
        << "Projects\\Default.Data" << "Projects\\TMP.txt" << "full at flush";
    QTest::newRow("target folder missing: rename fails")
        << "Projects\\Missing\\Default.Data" << "Projects\\TMP.txt" << "rename";
}

void FilesTest::failedRewriteLeavesTheOldFileAndNoTemporary()
{
    QFETCH(QString, name);
    QFETCH(QString, tempName);
    QFETCH(QString, failure);

    const QByteArray old = "ITEM: Skirt\r\n 1 \r\n 2 \r\n";
    write("Projects/Default.Data", old);
    if (failure == "folder")
        QVERIFY(QDir().mkpath(path("Projects/TMP.txt")));
    const QStringList before = entries("Projects");

    const QByteArray big = binaryText(failure == "full at flush" ? 2000 : 20000);
    const auto copy = [&](QIODevice& in, QIODevice& out) {
        if (failure == "copy") {
            out.write(in.readAll());
            return false;
        }
        return out.write(big) == big.size();
    };

    FileAccess::Result result;
    if (failure.startsWith("full")) {
        FileSizeLimit limit(100);
        QVERIFY(limit.isActive());
        result = FileAccess::rewriteThrough(name, tempName, copy);
    } else {
        result = FileAccess::rewriteThrough(name, tempName, copy);
    }

    QVERIFY(!result);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(read("Projects/Default.Data"), old);
    QCOMPARE(entries("Projects"), before);
    if (failure == "folder")
        QVERIFY(QFileInfo(path("Projects/TMP.txt")).isDir());
}

// ---- Appends

// ---- Taking a rewrite back

// An item record as the item data file holds it, with pixel lines of a
// pattern of its own.
static QByteArray itemRecord(const QByteArray& name, int pixels, const QByteArray& end = "\r\n")
{
    QByteArray bytes = "ITEM: " + name + end + "--------------" + end + " 20 " + end + " 40 " + end + " 0 " + end;
    for (int i = 0; i < pixels; ++i)
        bytes += QByteArray::number(i % 200) + "," + QByteArray::number(i * 7 % 450) + ", " +
                 QByteArray::number(i * 31 % 16777216) + end;
    return bytes + "-------------- END ------------------" + end;
}

void FilesTest::rewriteRecordGivesBothVersionsBack_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<QString>("kind");  // which deletion rewrites the file: "item" or "outfit"
    QTest::addColumn<QString>("heading");
    QTest::addColumn<qint64>("mostKept");  // the record keeps no more than this

    const QByteArray three = itemRecord("Skirt", 20) + itemRecord("Hat", 30) + itemRecord("Belt", 10);
    QTest::newRow("an item from the middle") << three << "item" << "ITEM: Hat" << qint64(itemRecord("Hat", 30).size());
    QTest::newRow("the last item, without its end line")
        << itemRecord("Skirt", 20) + itemRecord("Hat", 30).chopped(39) << "item" << "ITEM: Hat" << qint64(itemRecord("Hat", 30).size());
    QTest::newRow("an item in several places")
        << itemRecord("Hat", 5) + itemRecord("Skirt", 20) + itemRecord("Hat", 6) << "item" << "ITEM: Hat"
        << qint64(itemRecord("Hat", 5).size() + itemRecord("Hat", 6).size());
    // Each line the rewrite ends anew keeps its old line end and its new one.
    QTest::newRow("lines ended by a line feed alone: the rewrite ends them anew")
        << itemRecord("Skirt", 20, "\n") + itemRecord("Hat", 30, "\n") << "item" << "ITEM: Hat"
        << qint64(itemRecord("Hat", 30, "\n").size() + 3 * itemRecord("Skirt", 20).count('\n'));
    QTest::newRow("lines ended by a carriage return alone")
        << itemRecord("Skirt", 20, "\r") + itemRecord("Hat", 30, "\r") << "item" << "ITEM: Skirt"
        << qint64(itemRecord("Skirt", 20, "\r").size() + 3 * itemRecord("Hat", 30).count('\n'));
    // The dropped record runs across the reader's chunks of 64 KB.
    const QByteArray big = itemRecord("Skirt", 9000) + itemRecord("Hat", 9000) + itemRecord("Belt", 9000);
    QTest::newRow("a large file, read in many chunks") << big << "item" << "ITEM: Hat" << qint64(itemRecord("Hat", 9000).size());
    QTest::newRow("a line longer than any the reader takes")
        << itemRecord("Skirt", 2) + QByteArray(LineReader::kMaxLine + 10, 'x') + "\r\n" + itemRecord("Hat", 2) << "item"
        << "ITEM: Skirt" << qint64(3 * LineReader::kMaxLine);
    QTest::newRow("nothing of that heading") << three << "item" << "ITEM: Coat" << qint64(0);
    const QByteArray outfits = "OUTFIT: Beach\r\nSun hat\r\nOUTFIT: Office\r\nStriped top\r\nOUTFIT: Evening\r\n";
    QTest::newRow("an outfit") << outfits << "outfit" << "OUTFIT: Office" << qint64(29);
    QTest::newRow("the last outfit, its last line without an end")
        << outfits + "Summer dress" << "outfit" << "OUTFIT: Evening" << qint64(31);
}

// Deletes with the program's own rewrite, recording it; then the record
// turns the file back into the old version and forward into the new one,
// byte for byte, and refuses a file that is neither.
void FilesTest::rewriteRecordGivesBothVersionsBack()
{
    QFETCH(QByteArray, old);
    QFETCH(QString, kind);
    QFETCH(QString, heading);
    QFETCH(qint64, mostKept);

    const FileAccess::CopyFunction deletion = [&](QIODevice& in, QIODevice& out) {
        return kind == "item" ? ItemRewrite::copyWithout(in, out, heading) : OutfitFile::copyWithout(in, out, heading);
    };
    write("Store.Data", old);
    RewriteRecord record;
    QVERIFY(FileAccess::rewriteThrough("Store.Data", "tmp.txt", record.recording(deletion)));
    const QByteArray fresh = read("Store.Data");
    QByteArray expected;
    {
        QBuffer in(&old), out(&expected);
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        QVERIFY(deletion(in, out));
    }
    QCOMPARE(fresh, expected);  // the recording changes nothing of the rewrite
    QCOMPARE(record.changed(), fresh != old);
    QVERIFY2(record.keptBytes() <= mostKept, qPrintable(QString::number(record.keptBytes())));

    bool differs = false;
    for (int round = 0; round < 2; ++round) {
        QVERIFY(FileAccess::rewriteThrough("Store.Data", "tmp.txt", record.back(&differs)));
        QVERIFY(read("Store.Data") == old);
        QVERIFY(FileAccess::rewriteThrough("Store.Data", "tmp.txt", record.forward(&differs)));
        QVERIFY(read("Store.Data") == fresh);
    }
    QVERIFY(!differs);
    QCOMPARE(entries(), QStringList{"Store.Data"});

    // One byte more, or one byte other: neither version.
    for (const QByteArray& other : {fresh + "x", QByteArray(fresh).replace(0, 1, "#")}) {
        write("Store.Data", other);
        differs = false;
        QVERIFY(!FileAccess::rewriteThrough("Store.Data", "tmp.txt", record.back(&differs)));
        QVERIFY(differs);
        QVERIFY(read("Store.Data") == other);
    }
    QCOMPARE(entries(), QStringList{"Store.Data"});
}

void FilesTest::createTogetherMakesAllOrNone_data()
{
    QTest::addColumn<QString>("blocked");  // a name taken beforehand, or the one whose write fails
    QTest::addColumn<bool>("writeFails");
    QTest::newRow("all made") << QString() << false;
    QTest::newRow("the last name taken already") << "Anna.Table" << false;
    QTest::newRow("the first write fails") << "Anna.Project" << true;
    QTest::newRow("the last write fails") << "Anna.Table" << true;
}

void FilesTest::createTogetherMakesAllOrNone()
{
    QFETCH(QString, blocked);
    QFETCH(bool, writeFails);
    const QStringList names = {"Anna.Project", "Anna.Data", "Anna.Outfit", "Anna.Table"};
    if (!blocked.isEmpty() && !writeFails)
        write(blocked, "the user's");
    QList<FileAccess::NewFile> files;
    for (const QString& name : names)
        files.append({name, [name, fails = writeFails && name == blocked](QIODevice& out) {
                          return !fails && out.write(name.toLatin1() + "\r\n") > 0;
                      }, 0600});
    const FileAccess::Result made = FileAccess::createTogether(files);
    QCOMPARE(made.ok, blocked.isEmpty());
    if (!made) {
        QCOMPARE(entries(), writeFails ? QStringList() : QStringList{blocked});
        return;
    }
    QCOMPARE(entries(), (QStringList{"Anna.Data", "Anna.Outfit", "Anna.Project", "Anna.Table"}));
    for (const QString& name : names) {
        QCOMPARE(read(name), name.toLatin1() + "\r\n");
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path(name)).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), 0600);
    }
}

void FilesTest::appendAddsAtTheEndOrCreates()
{
    write("Projects/Default.Data", "one\r\n");
    QVERIFY(FileAccess::append("projects\\default.DATA", "two\r\n"));
    QVERIFY(FileAccess::append("projects\\default.DATA", QByteArray()));
    QCOMPARE(read("Projects/Default.Data"), QByteArray("one\r\ntwo\r\n"));

    QVERIFY(FileAccess::append("PROJECTS\\Anna.Outfit", "OUTFIT: x\r\n"));
    QCOMPARE(read("Projects/Anna.Outfit"), QByteArray("OUTFIT: x\r\n"));
    QCOMPARE(entries("Projects"), (QStringList{"Anna.Outfit", "Default.Data"}));
}

void FilesTest::failedAppendIsCutBack_data()
{
    QTest::addColumn<int>("size");
    // A small append waits in the file's buffer and fails when flushed; a
    // large one is written at once and fails part-way.
    QTest::newRow("small append") << 200;
    QTest::newRow("large append") << 100000;
}

void FilesTest::failedAppendIsCutBack()
{
    QFETCH(int, size);
    const QByteArray old = "ITEM: Skirt\r\n 1 \r\n";
    write("Default.Data", old);

    FileAccess::Result result;
    {
        FileSizeLimit limit(old.size() + 50);
        QVERIFY(limit.isActive());
        result = FileAccess::append("default.data", binaryText(size));
    }
    QVERIFY(!result);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(read("Default.Data"), old);
    QCOMPARE(entries(), QStringList{"Default.Data"});

    // The file takes the next append as usual.
    QVERIFY(FileAccess::append("default.data", "2\r\n"));
    QCOMPARE(read("Default.Data"), old + "2\r\n");
}

// ---- Windows-1252

void FilesTest::cp1252RoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = Cp1252::decode(all);
    QCOMPARE(text.size(), 256);
    QVERIFY(Cp1252::canEncode(text));
    QCOMPARE(Cp1252::encode(text), all);
    // Every byte is its own character.
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    // Bytes 80 to 9F, where Windows-1252 and Latin-1 part.
    QCOMPARE(text.mid(0x80, 32),
             QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
    QCOMPARE(text.mid(0xA0), QString::fromLatin1(all.mid(0xA0)));
}

void FilesTest::cp1252Decode_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("ASCII") << 0x41 << 0x41;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("single low quote") << 0x82 << 0x201A;
    QTest::newRow("S caron") << 0x8A << 0x0160;
    QTest::newRow("left single quote") << 0x91 << 0x2018;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("no-break space") << 0xA0 << 0xA0;
    QTest::newRow("a umlaut") << 0xE4 << 0xE4;
    QTest::newRow("sharp s") << 0xDF << 0xDF;
    QTest::newRow("y diaeresis") << 0xFF << 0xFF;
    // The five bytes Windows leaves undefined stand for themselves.
    QTest::newRow("undefined 81") << 0x81 << 0x81;
    QTest::newRow("undefined 8D") << 0x8D << 0x8D;
    QTest::newRow("undefined 8F") << 0x8F << 0x8F;
    QTest::newRow("undefined 90") << 0x90 << 0x90;
    QTest::newRow("undefined 9D") << 0x9D << 0x9D;
}

void FilesTest::cp1252Decode()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const QString text = Cp1252::decode(QByteArray(1, char(byte)));
    QCOMPARE(text.size(), 1);
    QCOMPARE(int(text.at(0).unicode()), unicode);
    QCOMPARE(Cp1252::encode(text), QByteArray(1, char(byte)));
}

void FilesTest::cp1252Encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("encodable");
    QTest::newRow("German name") << QString::fromUtf8("Größe Äpfel") << QByteArray("Gr\xF6\xDF" "e \xC4pfel") << true;
    QTest::newRow("euro and dashes") << QString::fromUtf8("5 € – “x”") << QByteArray("5 \x80 \x96 \x93x\x94") << true;
    QTest::newRow("Latin-1 byte of a Windows character is not the character")
        << QString(QChar(0x80)) << QByteArray("?") << false;
    QTest::newRow("Cyrillic") << QString::fromUtf8("Юбка") << QByteArray("????") << false;
    QTest::newRow("mixed") << QString::fromUtf8("A\u0100B") << QByteArray("A?B") << false;
    QTest::newRow("empty") << QString() << QByteArray() << true;
}

void FilesTest::cp1252Encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, encodable);
    QCOMPARE(Cp1252::encode(text), bytes);
    QCOMPARE(Cp1252::canEncode(text), encodable);
}

// ---- Line reader

void FilesTest::lineReader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ByteLines>("lines");

    const QByteArray chunk(65536, 'x');
    const QByteArray chunkLess1(65535, 'x');
    const QByteArray chunkLess2(65534, 'x');

    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << ByteLines{"a", "b"};
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << ByteLines{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << ByteLines{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << ByteLines{"a", "b"};
    QTest::newRow("empty lines count") << QByteArray("\r\n\r\nx\r\n\r\n") << ByteLines{"", "", "x", ""};
    QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << ByteLines{"a", "", "b"};
    QTest::newRow("CR CR LF is two line ends") << QByteArray("a\r\r\nb") << ByteLines{"a", "", "b"};
    QTest::newRow("blanks kept") << QByteArray(" 12 \r\n-3 \r\n") << ByteLines{" 12 ", "-3 "};
    QTest::newRow("empty file") << QByteArray() << ByteLines{};
    QTest::newRow("one empty line") << QByteArray("\r\n") << ByteLines{""};

    QTest::newRow("CR LF split across the chunk boundary")
        << chunkLess1 + "\r\nnext\r\n" << ByteLines{chunkLess1, "next"};
    QTest::newRow("CR LF ends the first chunk") << chunkLess2 + "\r\nnext" << ByteLines{chunkLess2, "next"};
    QTest::newRow("lone CR ends the first chunk") << chunkLess1 + "\rnext" << ByteLines{chunkLess1, "next"};
    QTest::newRow("CR at chunk end, then CR LF")
        << chunkLess1 + "\r\r\nz" << ByteLines{chunkLess1, "", "z"};
    QTest::newRow("file ends with CR at the chunk end") << chunkLess1 + "\r" << ByteLines{chunkLess1};
    QTest::newRow("line of exactly one chunk without end") << chunk << ByteLines{chunk};
    QTest::newRow("line longer than three chunks")
        << QByteArray(200000, 'y') + "\r\nz" << ByteLines{QByteArray(200000, 'y'), "z"};
}

void FilesTest::lineReader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ByteLines, lines);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    LineReader reader(buffer);
    ByteLines read;
    while (!reader.atEnd())
        read << reader.readLineBytes();
    QCOMPARE(read.size(), lines.size());
    QCOMPARE(read, lines);
    QCOMPARE(reader.lineCount(), qint64(lines.size()));
    QVERIFY(reader.atEnd());
}

// Many lines in a real file: no line is lost or split where the chunks meet.
void FilesTest::lineReaderReadsAFileAcrossChunks()
{
    QByteArray bytes;
    ByteLines expected;
    for (int i = 0; bytes.size() < 5 * 65536; ++i) {
        const QByteArray line = " " + QByteArray::number(i) + " ";
        expected << line;
        bytes += line + "\r\n";
    }
    write("Big.Data", bytes);
    QFile file(path("Big.Data"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(readLines(file), expected);
}

void FilesTest::lineReaderDecodesCp1252()
{
    QByteArray bytes = "\x80 5\r\nGr\xF6\xDF" "e";
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    LineReader reader(buffer);
    QCOMPARE(reader.readLine(), QString::fromUtf8("€ 5"));
    QCOMPARE(reader.readLine(), QString::fromUtf8("Größe"));
    QVERIFY(reader.atEnd());
}

QTEST_GUILESS_MAIN(FilesTest)
#include "tst_files.moc"
