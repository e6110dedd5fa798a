// Deleting the current project after the question box's yes; the default
// project takes its place and can itself never be deleted. The project's
// files go to the desktop's trash where there is one, so that the file
// manager can put them back later; and the deletion can be undone: the
// window keeps the four files open, so their bytes stay readable wherever
// their names went, and writes them back on Ctrl+Z.
#include "formats/files/FileAccess.h"
#include "formats/project/ProjectFile.h"
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

#include <QFile>

#include <memory>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr qint64 kPiece = 1 << 20;

// Copies every byte of a kept file, from its start.
bool copyAll(QFile& kept, QIODevice& out)
{
    if (!kept.seek(0))
        return false;
    while (!kept.atEnd()) {
        const QByteArray piece = kept.read(kPiece);
        if (piece.isEmpty() || out.write(piece) != piece.size())
            return false;
    }
    return true;
}

// Whether the file of the given name holds exactly the kept file's bytes
// (same); fails with the reason when it cannot be read.
FileAccess::Result compareWithKept(const QString& name, QFile& kept, bool& same)
{
    same = false;
    QFile file;
    const FileAccess::Result opened = FileAccess::openForReading(file, name);
    if (!opened || file.size() != kept.size() || !kept.seek(0))
        return opened;
    bool equal = true;
    while (equal && !kept.atEnd())
        equal = kept.read(kPiece) == file.read(kPiece);
    if (file.error() != QFileDevice::NoError)
        return FileAccess::Result::failure(file.errorString());
    same = equal && file.atEnd();
    return FileAccess::Result::success();
}

int permissionsOf(const QFile& kept)
{
    struct stat info;
    return ::fstat(kept.handle(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

}  // namespace

// What a project deletion removed: the project file's name, its four files
// (the project file first), each kept open as it was (null where it was
// missing), where the trash holds them, and the project panel around it.
struct RemovedProject {
    QString project;
    QStringList files;
    std::vector<std::unique_ptr<QFile>> kept;
    QStringList trashed;
    Form1::ProjectView before, after;
};

// Asks whether the current project is to be deleted, by its name; the
// window as it was before asking is kept for the undo step.
void Form1::DeleteProject_Click()
{
    askedWindow_ = TakeSnapshot();
    askedProject_ = TakeProjectView();
    AskQuestion(79, ProjectFile::baseName(State.CurrentProject));
}

void Form1::DeleteCurrentProject()
{
    AskMe->setVisible(false);
    const QList<QWidget*> projectControls = {ProjectFileList, GetBodyPic, EnterProjectName, EnterLadyName};
    auto removed = std::make_shared<RemovedProject>();
    bool deleted = false;
    if (State.CurrentProject == QLatin1String(ProjectFile::kDefaultProject)) {
        Platform::Beep();
        ShowWarning(19);
        for (QWidget* control : projectControls)
            control->setEnabled(true);
        CreatProject->setEnabled(false);
        AskMe->setVisible(false);
    } else if (KeepProjectFiles(*removed) && RemoveProjectFiles(*removed)) {
        for (QWidget* control : projectControls)
            control->setEnabled(true);
        CreatProject->setEnabled(true);
        ShowDefaultProject();
        deleted = true;
    } else {
        for (QWidget* control : projectControls)
            control->setEnabled(true);
    }
    DeleteProject->setEnabled(false);
    if (!deleted)
        return;
    removed->before = askedProject_;
    removed->after = TakeProjectView();
    KeepDeletion([this, removed] { return BringProjectBack(*removed); },
                 [this, removed] { return RemoveProjectAgain(*removed); }, askedWindow_);
}

// Opens the current project's files for the undo; nothing is deleted when
// one that is there cannot be read.
bool Form1::KeepProjectFiles(RemovedProject& removed)
{
    removed.project = State.CurrentProject;
    const QString base = ProjectFile::baseName(State.CurrentProject);
    removed.files = QStringList{State.CurrentProject};
    for (const char* extension : {".Data", ".Outfit", ".Table"})
        removed.files.append(base + QLatin1String(extension));
    for (QString& file : removed.files) {
        file = State.BaseDir + QStringLiteral("Projects\\") + file;
        auto kept = std::make_unique<QFile>();
        if (!FileAccess::exists(file)) {
            kept.reset();
        } else if (const FileAccess::Result opened = FileAccess::openForReading(*kept, file); !opened) {
            Platform::Beep();
            ShowWarning(MsgProjectNotDeleted, FileAccess::resolvePath(file) + QStringLiteral(": ") + opened.error);
            return false;
        }
        removed.kept.push_back(std::move(kept));
    }
    return true;
}

// The project file and its item data, outfit and item table files go
// together or not at all, to the trash where there is one; the body
// picture stays. A file already missing is passed over.
bool Form1::RemoveProjectFiles(RemovedProject& removed)
{
    removed.trashed.clear();
    QStringList leftovers;
    FileAccess::Result gone = FileAccess::moveToTrash(removed.files, &removed.trashed);
    if (!gone)
        gone = FileAccess::removeTogether(removed.files, &leftovers);
    if (!gone) {
        Platform::Beep();
        ShowWarning(MsgProjectNotDeleted, gone.error);
    } else if (!leftovers.isEmpty()) {
        ShowWarning(MsgLeftoverNotRemoved, leftovers.join(QLatin1Char('\n')));
    }
    return gone.ok;
}

// The window once the current project is gone: the default project, in
// the settings file too.
void Form1::ShowDefaultProject()
{
    ProjectFileList->Refresh();
    State.IniKey = QStringLiteral("#CURRENT_PROJECT#");
    State.IniValue = QLatin1String(ProjectFile::kDefaultProject);
    WriteIniValue();
    State.CurrentProject = QLatin1String(ProjectFile::kDefaultProject);
    ProjectInfos->setCaption(QString());
    LoadProjectFile();
    FillWardrobeList();
    ShowBodyPicture();
}

// Writes the kept files back under their names, all together, and makes
// the project current again as it was. Nothing is written over: where a
// file of one of the names is there again (the project made anew, or put
// back from the trash), the project does not come back.
bool Form1::BringProjectBack(RemovedProject& removed)
{
    const QString name = ProjectFile::baseName(removed.project);
    QList<FileAccess::NewFile> files;
    for (qsizetype i = 0; i < removed.files.size(); ++i) {
        const QString path = FileAccess::resolvePath(removed.files[i]);
        if (FileAccess::isThere(path)) {
            Platform::Beep();
            ShowNamedWarning(MsgProjectNameTaken, name, path);
            return false;
        }
        if (QFile* kept = removed.kept[size_t(i)].get())
            files.append({removed.files[i], [kept](QIODevice& out) { return copyAll(*kept, out); },
                          permissionsOf(*kept)});
    }
    const FileAccess::Result written = FileAccess::createTogether(files);
    if (!written) {
        Platform::Beep();
        ShowNamedWarning(MsgProjectNotBack, name, written.error);
        return false;
    }
    // The copies in the trash would only offer the project a second time.
    const FileAccess::Result cleared = FileAccess::removeFromTrash(removed.trashed);
    removed.trashed.clear();
    if (!cleared)
        ShowNamedWarning(MsgTrashCopyLeft, name, cleared.error);
    State.IniKey = QStringLiteral("#CURRENT_PROJECT#");
    State.IniValue = removed.project;
    WriteIniValue();
    State.CurrentProject = removed.project;
    LoadProjectFile();
    FillWardrobeList();
    ShowBodyPicture();
    ProjectFileList->Refresh();
    ShowProjectView(removed.before);
    return true;
}

// Deletes the project again, once its files are still those the undo
// wrote: a file changed since would be lost, and the next undo could not
// give it back.
bool Form1::RemoveProjectAgain(RemovedProject& removed)
{
    for (qsizetype i = 0; i < removed.files.size(); ++i) {
        QFile* kept = removed.kept[size_t(i)].get();
        const QString path = FileAccess::resolvePath(removed.files[i]);
        bool same = !kept && !FileAccess::isThere(path);
        if (kept && FileAccess::isThere(path)) {
            const FileAccess::Result read = compareWithKept(removed.files[i], *kept, same);
            if (!read) {
                Platform::Beep();
                ShowWarning(MsgProjectNotDeleted, path + QStringLiteral(": ") + read.error);
                return false;
            }
        }
        if (!same) {
            Platform::Beep();
            ShowWarning(MsgChangedSince, path);
            return false;
        }
    }
    if (!RemoveProjectFiles(removed))
        return false;
    ShowDefaultProject();
    ShowProjectView(removed.after);
    return true;
}

Form1::ProjectView Form1::TakeProjectView() const
{
    const int chosen = ProjectFileList->ListIndex();
    return {chosen >= 0 ? ProjectFileList->List(chosen) : QString(), ProjectInfos->Caption(), ProjectInfos->Visible(),
            DeleteProject->isEnabled(), CreatProject->isEnabled()};
}

// Selections are put back by code, which runs no click handler.
void Form1::ShowProjectView(const ProjectView& view)
{
    int chosen = -1;
    for (int i = 0; i < ProjectFileList->ListCount() && chosen < 0 && !view.chosen.isEmpty(); ++i)
        if (ProjectFileList->List(i) == view.chosen)
            chosen = i;
    ProjectFileList->setListIndex(chosen);
    ProjectInfos->setCaption(view.infos);
    ProjectInfos->setVisible(view.infosVisible);
    DeleteProject->setEnabled(view.deleteOn);
    CreatProject->setEnabled(view.createOn);
}
