#include "formats/datafolder/Leftovers.h"

#include "formats/datafolder/SettingsFile.h"
#include "formats/files/FileAccess.h"
#include "formats/project/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace Leftovers {

namespace {

constexpr char kProjects[] = "Projects";
constexpr char kNew[] = ".new";
const char* const kProjectExtensions[] = {".Project", ".Data", ".Table", ".Outfit"};
// No project file the program writes comes near this; a larger one is not
// read for its wardrobe name.
constexpr qint64 kMaxProjectFile = 64 * 1024;

// Keys of a case-blind set of names.
QString key(const QString& name) { return name.toLower(); }

QStringList filesIn(const QDir& dir)
{
    return dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// The project base names a folder's entries speak of: those of project
// files, of their working copies and of project files set aside.
QStringList projectBases(const QStringList& entries)
{
    QStringList bases;
    const QString project = QLatin1String(ProjectFile::kExtension);
    for (const QString& suffix : {project, project + QLatin1String(kNew), project + QLatin1String(FileAccess::kAsideSuffix)})
        for (const QString& entry : entries)
            if (entry.endsWith(suffix, Qt::CaseInsensitive))
                bases.append(entry.chopped(suffix.size()));
    return bases;
}

// The item data file a project file names, when it is a plain name in the
// project folder.
QString wardrobeOf(const QString& projectPath)
{
    QFile file;
    if (!FileAccess::openForReading(file, projectPath) || file.size() > kMaxProjectFile)
        return QString();
    const QString wardrobe = ProjectFile::read(file).Wardrobe.value_or(QString());
    const bool plain = !wardrobe.contains(QLatin1Char('/')) && !wardrobe.contains(QLatin1Char('\\')) &&
                       wardrobe != QLatin1String("..") && wardrobe != QLatin1String(".");
    return plain ? wardrobe : QString();
}

// The program's working names in the project folder.
QSet<QString> projectFolderNames(const QDir& dir, const QStringList& entries)
{
    QSet<QString> names = {key(QStringLiteral("TMP.txt")), key(QStringLiteral("DummyData.txt"))};
    // An outfit deletion works in P + ".txt" beside the outfit file.
    for (const QString& entry : entries)
        if (entry.endsWith(QLatin1String(".Outfit"), Qt::CaseInsensitive))
            names.insert(key(entry.chopped(6) + QLatin1String("txt")));
    const QSet<QString> present = [&entries] {
        QSet<QString> set;
        for (const QString& entry : entries)
            set.insert(key(entry));
        return set;
    }();
    const QString aside = QLatin1String(FileAccess::kAsideSuffix);
    for (const QString& base : projectBases(entries)) {
        const bool setAside = present.contains(key(base + QLatin1String(ProjectFile::kExtension) + aside));
        for (const char* extension : kProjectExtensions) {
            names.insert(key(base + QLatin1String(extension) + QLatin1String(kNew)));
            // The first name a deletion sets aside is the project file, and
            // its copy is the last to go.
            if (setAside)
                names.insert(key(base + QLatin1String(extension) + aside));
        }
    }
    for (const QString& entry : entries)
        if (entry.endsWith(QLatin1String(ProjectFile::kExtension), Qt::CaseInsensitive)) {
            const QString wardrobe = wardrobeOf(dir.filePath(entry));
            if (!wardrobe.isEmpty())
                names.insert(key(wardrobe + QLatin1String(kNew)));
        }
    return names;
}

}  // namespace

QStringList find(const QString& dataFolder, const QStringList& defaultFiles)
{
    const QDir root(dataFolder.isEmpty() ? QStringLiteral(".") : dataFolder);
    // Working names by folder (relative, "" for the data folder itself).
    QMap<QString, QSet<QString>> names;
    names[QString()].insert(key(QLatin1String(SettingsFile::kTempName)));
    for (const QString& file : defaultFiles) {
        const int slash = file.lastIndexOf(QLatin1Char('/'));
        names[slash < 0 ? QString() : file.left(slash)].insert(key(file.mid(slash + 1) + QLatin1String(kNew)));
    }

    QStringList found;
    QStringList folders = names.keys();
    if (!folders.contains(QLatin1String(kProjects)))
        folders.append(QLatin1String(kProjects));
    for (const QString& folder : folders) {
        const QString path = FileAccess::resolvePath(root.filePath(folder));
        const QDir dir(path);
        if (!folder.isEmpty() && !QFileInfo(path).isDir())
            continue;
        const QStringList entries = filesIn(folder.isEmpty() ? root : dir);
        QSet<QString> wanted = names.value(folder);
        if (folder.compare(QLatin1String(kProjects), Qt::CaseInsensitive) == 0)
            wanted.unite(projectFolderNames(dir, entries));
        const QString prefix = folder.isEmpty() ? QString() : QDir(root).relativeFilePath(path) + QLatin1Char('/');
        for (const QString& entry : entries)
            if (wanted.contains(key(entry)))
                found.append(prefix + entry);
    }
    return found;
}

QStringList interruptedDeletions(const QString& dataFolder)
{
    const QDir root(dataFolder.isEmpty() ? QStringLiteral(".") : dataFolder);
    const QDir dir(FileAccess::resolvePath(root.filePath(QLatin1String(kProjects))));
    const QString asideProject = QLatin1String(ProjectFile::kExtension) + QLatin1String(FileAccess::kAsideSuffix);
    QStringList bases;
    for (const QString& entry : filesIn(dir))
        if (entry.endsWith(asideProject, Qt::CaseInsensitive)) {
            const QString base = entry.chopped(asideProject.size());
            if (!FileAccess::exists(dir.filePath(base + QLatin1String(ProjectFile::kExtension))))
                bases.append(base);
        }
    return bases;
}

}  // namespace Leftovers
