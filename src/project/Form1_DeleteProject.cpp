// Deleting the current project after the question box's yes; the default
// project takes its place and can itself never be deleted.
#include "project/ProjectFile.h"
#include "shell/Form1.h"
#include "toolkit/FileAccess.h"
#include "toolkit/Platform.h"

// Asks whether the current project is to be deleted, by its name.
void Form1::DeleteProject_Click() { AskQuestion(79, ProjectFile::baseName(State.CurrentProject)); }

void Form1::DeleteCurrentProject()
{
    AskMe->setVisible(false);
    const QList<QWidget*> projectControls = {ProjectFileList, GetBodyPic, EnterProjectName, EnterLadyName};
    if (State.CurrentProject == QLatin1String(ProjectFile::kDefaultProject)) {
        Platform::Beep();
        ShowWarning(19);
        for (QWidget* control : projectControls)
            control->setEnabled(true);
        CreatProject->setEnabled(false);
        AskMe->setVisible(false);
    } else if (RemoveProjectFiles()) {
        for (QWidget* control : projectControls)
            control->setEnabled(true);
        CreatProject->setEnabled(true);
        ProjectFileList->Refresh();
        State.IniKey = QStringLiteral("#CURRENT_PROJECT#");
        State.IniValue = QLatin1String(ProjectFile::kDefaultProject);
        WriteIniValue();
        State.CurrentProject = QLatin1String(ProjectFile::kDefaultProject);
        ProjectInfos->setCaption(QString());
        LoadProjectFile();
        FillWardrobeList();
        ShowBodyPicture();
    } else {
        for (QWidget* control : projectControls)
            control->setEnabled(true);
    }
    DeleteProject->setEnabled(false);
}

// The project file and its item data, outfit and item table files go
// together or not at all; the body picture stays. A file already missing
// is passed over.
bool Form1::RemoveProjectFiles()
{
    const QString base = ProjectFile::baseName(State.CurrentProject);
    QStringList files = {State.CurrentProject};
    for (const char* extension : {".Data", ".Outfit", ".Table"})
        files.append(base + QLatin1String(extension));
    for (QString& file : files)
        file = State.BaseDir + QStringLiteral("Projects\\") + file;
    QStringList leftovers;
    const FileAccess::Result removed = FileAccess::removeTogether(files, &leftovers);
    if (!removed) {
        Platform::Beep();
        ShowWarning(MsgProjectNotDeleted, removed.error);
    } else if (!leftovers.isEmpty()) {
        ShowWarning(MsgLeftoverNotRemoved, leftovers.join(QLatin1Char('\n')));
    }
    return removed.ok;
}
