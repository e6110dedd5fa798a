#include "TestSupport.h"

#include "shell/DataFolder.h"
#include "toolkit/Colour.h"
#include "toolkit/Platform.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QByteArray crlfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
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

DataFolderFixture::DataFolderFixture() : previous_(QDir::currentPath())
{
    Platform::initResources();
    valid_ = dir_.isValid() &&
             DataFolder::fillDefaults(dir_.path(), QStringLiteral("Tavolin_ENG.txt")).ok &&
             QDir::setCurrent(dir_.path());
    Platform::setBeepHook([this] { ++beeps_; });
}

DataFolderFixture::~DataFolderFixture()
{
    Platform::setBeepHook({});
    QDir::setCurrent(previous_);
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

QByteArray DataFolderFixture::read(const QString& relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool DataFolderFixture::exists(const QString& relative) const { return QFileInfo::exists(path(relative)); }

void DataFolderFixture::remove(const QString& relative) const { QFile::remove(path(relative)); }

std::unique_ptr<Form1> DataFolderFixture::start() const { return std::make_unique<Form1>(); }
