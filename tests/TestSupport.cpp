#include "TestSupport.h"

#include "formats/datafolder/DataFolder.h"
#include "formats/picture/Colour.h"
#include "formats/text/Cp1252.h"
#include "formats/text/LineReader.h"
#include "formats/wardrobe/ItemFormat.h"
#include "window/controls/Platform.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <tuple>

QByteArray crlfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QByteArray settingsFile(const QString& project, const QString& language)
{
    return crlfLines({"#HELPMODE#", "FALSE", "#TRANSCOLOR#", "PURPLE", "#CURRENT_PROJECT#", project, "#LANGUAGE#",
                      language, "#EOF#"});
}

Snapshot snapshot(const QString& root)
{
    Snapshot found;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QByteArray content = "<folder>";
        if (it.fileInfo().isFile()) {
            QFile file(path);
            content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
        }
        found.insert(QDir(root).relativeFilePath(path), content);
    }
    return found;
}

QByteArray hugeBitmapHeader(int width, int height)
{
    QByteArray bytes(54, '\0');
    const auto put32 = [&bytes](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((value >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    bytes[26] = 1;
    bytes[28] = 24;
    return bytes;
}

int bodyPixel(int x, int y)
{
    static const QImage body(QStringLiteral(":/defaults/Projects/Default.bmp"));
    return Colour::fromQRgb(body.pixel(x, y));
}

void clickEntry(QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

DataFolderFixture::DataFolderFixture()
    : previous_(QDir::currentPath()),
      previousHome_(qgetenv("HOME")),
      previousDataHome_(qgetenv("XDG_DATA_HOME")),
      hadHome_(qEnvironmentVariableIsSet("HOME")),
      hadDataHome_(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
{
    Platform::initResources();
    qputenv("HOME", QFile::encodeName(home_.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath(".local/share")));
    valid_ = dir_.isValid() && home_.isValid() &&
             DataFolder::fillDefaults(dir_.path(), QStringLiteral("Tavolin_ENG.txt")).ok &&
             QDir::setCurrent(dir_.path());
    Platform::setBeepHook([this] { ++beeps_; });
}

DataFolderFixture::~DataFolderFixture()
{
    Platform::setBeepHook({});
    QDir::setCurrent(previous_);
    for (const auto& [name, had, value] : {std::tuple{"HOME", hadHome_, previousHome_},
                                           std::tuple{"XDG_DATA_HOME", hadDataHome_, previousDataHome_}}) {
        if (had)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
}

QString DataFolderFixture::makeTrash() const
{
    QDir().mkpath(home_.filePath(".local/share"));
    return trashPath();
}

QString DataFolderFixture::trashPath() const { return home_.filePath(".local/share/Trash"); }

QStringList DataFolderFixture::trashed(const char* part) const
{
    return QDir(trashPath() + QLatin1Char('/') + QLatin1String(part)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QString DataFolderFixture::path(const QString& relative) const
{
    return relative.isEmpty() ? dir_.path() : dir_.filePath(relative);
}

void DataFolderFixture::write(const QString& relative, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(path(relative)).path());
    QFile file(path(relative));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void DataFolderFixture::writeBitmap(const QString& relative, QSize size, QRgb colour) const
{
    QDir().mkpath(QFileInfo(path(relative)).path());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    picture.save(path(relative), "BMP");
}

QByteArray DataFolderFixture::read(const QString& relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool DataFolderFixture::exists(const QString& relative) const { return QFileInfo::exists(path(relative)); }

void DataFolderFixture::remove(const QString& relative) const { QFile::remove(path(relative)); }

std::unique_ptr<Form1> DataFolderFixture::start() const { return std::make_unique<Form1>(); }

namespace CrashJournal {

Contents read(const QString& folder)
{
    Contents contents;
    for (int i = 0; i < kFiles; ++i) {
        QFile file(QDir(folder).filePath(QLatin1String(kFileNames[i])));
        if (file.open(QIODevice::ReadOnly))
            contents[i] = file.readAll();
    }
    return contents;
}

QByteArray hash(const std::optional<QByteArray>& bytes)
{
    if (!bytes)
        return "missing";
    return QCryptographicHash::hash(*bytes, QCryptographicHash::Sha1).toHex();
}

Hashes hashes(const Contents& contents)
{
    Hashes result;
    for (int i = 0; i < kFiles; ++i)
        result[i] = hash(contents[i]);
    return result;
}

QByteArray beginLine(const QString& action, const Hashes& before, const Hashes& after)
{
    QByteArray line = "begin " + action.toLatin1();
    for (int i = 0; i < kFiles; ++i)
        line += ' ' + before[i] + ' ' + after[i];
    return line + '\n';
}

QByteArray endLine(const QString& action) { return "end " + action.toLatin1() + '\n'; }

Entry lastEntry(const QByteArray& journal)
{
    Entry entry;
    const QByteArray complete = journal.left(journal.lastIndexOf('\n') + 1);
    for (const QByteArray& line : complete.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2 + 2 * kFiles && words[0] == "begin") {
            entry = Entry{true, QString::fromLatin1(words[1]), {}, {}, false};
            for (int i = 0; i < kFiles; ++i) {
                entry.before[i] = words[2 + 2 * i];
                entry.after[i] = words[3 + 2 * i];
            }
        } else if (words.size() == 2 && words[0] == "end" && entry.valid && words[1] == entry.action.toLatin1()) {
            entry.ended = true;
        }
    }
    return entry;
}

}  // namespace CrashJournal

QByteArray itemTableFor(const QByteArray& data)
{
    QBuffer in;
    in.setData(data);
    in.open(QIODevice::ReadOnly);
    LineReader reader(in);
    QByteArray table;
    qint64 lineNumber = 0;
    while (!reader.atEnd()) {
        const QByteArray line = reader.readLineBytes();
        ++lineNumber;
        if (line.startsWith(ItemFormat::kHeadingPrefix))
            table += line + "\r\n" + ItemFormat::numberLine(lineNumber) + "\r\n";
    }
    return table;
}

QStringList itemNames(const QByteArray& data)
{
    QBuffer in;
    in.setData(data);
    in.open(QIODevice::ReadOnly);
    LineReader reader(in);
    QStringList names;
    while (!reader.atEnd()) {
        const QByteArray line = reader.readLineBytes();
        if (line.startsWith(ItemFormat::kHeadingPrefix))
            names.append(Cp1252::decode(line).mid(6, 100));
    }
    return names;
}
