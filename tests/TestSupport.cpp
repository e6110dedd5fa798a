#include "TestSupport.h"

#include "shell/DataFolder.h"
#include "toolkit/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray crlfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
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
