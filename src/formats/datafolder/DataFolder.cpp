#include "formats/datafolder/DataFolder.h"

#include "formats/datafolder/SettingsFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>

namespace DataFolder {

namespace {

// The defaults are built in under :/defaults, laid out as in a data folder.
constexpr char kDefaultsRoot[] = ":/defaults";

bool holdsSettings(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files))
        if (entry.compare(QLatin1String(SettingsFile::kFileName), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A default file goes in only where no file of that name exists, whatever
// its letter case.
FileAccess::Result writeIfMissing(const QString& relative, const QByteArray& content)
{
    if (FileAccess::exists(relative))
        return FileAccess::Result::success();
    const int slash = relative.lastIndexOf(QLatin1Char('/'));
    if (slash > 0) {
        const QString folder = FileAccess::resolvePath(relative.left(slash));
        if (!QDir().mkpath(folder))
            return FileAccess::Result::failure(QStringLiteral("cannot create folder %1").arg(folder));
    }
    return FileAccess::replaceWith(relative, relative + QStringLiteral(".new"), content);
}

}  // namespace

QString choose(const QString& startFolder, const QString& userDataFolder)
{
    return holdsSettings(startFolder) ? startFolder : userDataFolder;
}

QStringList defaultFiles()
{
    QStringList files = {QLatin1String(SettingsFile::kFileName)};
    QDirIterator it(QLatin1String(kDefaultsRoot), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next().mid(int(sizeof(kDefaultsRoot))));
    return files;
}

QString defaultLanguageFile()
{
    return QLocale::system().language() == QLocale::German ? QLatin1String(SettingsFile::kGermanFile)
                                                           : QLatin1String(SettingsFile::kEnglishFile);
}

FileAccess::Result fillDefaults(const QString& folder, const QString& languageFile)
{
    const QString previous = QDir::currentPath();
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder))
        return FileAccess::Result::failure(QStringLiteral("cannot use folder %1").arg(folder));

    FileAccess::Result result =
        writeIfMissing(QLatin1String(SettingsFile::kFileName), SettingsFile::defaultFile(languageFile));
    QDirIterator it(QLatin1String(kDefaultsRoot), QDir::Files, QDirIterator::Subdirectories);
    while (result && it.hasNext()) {
        const QString source = it.next();
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        result = writeIfMissing(source.mid(int(sizeof(kDefaultsRoot))), file.readAll());
    }
    QDir::setCurrent(previous);
    return result;
}

FileAccess::Result prepare(const QString& startFolder, const QString& userDataFolder)
{
    const QString folder = choose(startFolder, userDataFolder);
    if (folder != startFolder || !holdsSettings(folder)) {
        const FileAccess::Result filled = fillDefaults(folder, defaultLanguageFile());
        if (!filled)
            return filled;
    }
    if (!QDir::setCurrent(folder))
        return FileAccess::Result::failure(QStringLiteral("cannot use folder %1").arg(folder));
    return FileAccess::Result::success();
}

}  // namespace DataFolder

// Q_INIT_RESOURCE names a function of the global namespace, so it is called
// from outside DataFolder.
static void initDefaultsResources() { Q_INIT_RESOURCE(defaults); }

namespace DataFolder {

void initResources() { initDefaultsResources(); }

}  // namespace DataFolder
