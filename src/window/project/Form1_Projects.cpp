// The project panel: choosing a project or a body picture, and creating a
// project from a name, a figure's name and a body picture.
#include "formats/files/FileAccess.h"
#include "formats/picture/Colour.h"
#include "formats/project/ProjectFile.h"
#include "formats/project/ProjectName.h"
#include "formats/text/Cp1252.h"
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

namespace {

constexpr int kMaxName = 15;
constexpr int kRefused = Colour::rgb(255, 0, 0);
// The project file comes last: until it exists the project is not listed,
// so an interruption never leaves a project without its other files.
const char* const kProjectFiles[] = {".Project", ".Data", ".Table", ".Outfit"};

QString inFolder(const QString& name) { return QStringLiteral("Projects\\") + name; }

}  // namespace

void Form1::ProjectFileList_Click()
{
    State.CurrentProject = ProjectFileList->List(ProjectFileList->ListIndex());
    LoadProjectFile();
    if (!projectFileLoaded_)
        ShowWarning(MsgProjectUnreadable, projectFileProblem_);
    ShowBodyPicture();
    FillWardrobeList();
    FillOutfitList();
    CreatProject->setEnabled(false);
    State.IniKey = QStringLiteral("#CURRENT_PROJECT#");
    State.IniValue = State.CurrentProject;
    WriteIniValue();
    Dressed->Clear();
    UpdateItem->setEnabled(false);  // the item chosen before belongs to the old project
    DeleteProject->setEnabled(true);
    ProjectInfos->setVisible(false);
    if (State.WorkMode == 2)
        ProjectInfos->setVisible(true);
    ShowProjectSummary();
    RemoveAllItems->setToolTipText(FigureNameTooltip());
    BodyPic->setToolTipText(NameOfBody->Caption());
    ShadowText->setCaption(NameOfBody->Caption());
}

// The summary of the current project: its name, the figure's name and the
// numbers of stored items and outfits.
void Form1::ShowProjectSummary()
{
    const TextTable& text = State.Texts;
    const QString& br = State.LineBreak;
    ProjectInfos->setCaption(QStringLiteral("----- ") + text[12] + QStringLiteral(" ----- ") + br +
                             State.ProjectBaseName + br);
    ProjectInfos->setCaption(ProjectInfos->Caption() + br + QStringLiteral("- ") + text[13] + QStringLiteral(" - ") +
                             br + NameOfBody->Caption() + br);
    ProjectInfos->setCaption(ProjectInfos->Caption() + br + QStringLiteral("- ") + text[14] + QStringLiteral(" - ") +
                             br + QString::number(Wardrobe->ListCount()) + br);
    ProjectInfos->setCaption(ProjectInfos->Caption() + br + QStringLiteral("- ") + text[16] + QStringLiteral(" - ") +
                             br + QString::number(OutfitList->ListCount()));
}

// Trying a bitmap of the project folder as the figure of a new project.
void Form1::GetBodyPic_Click()
{
    GetBodyPic->setBackColor(Colour::White);
    const QString name = GetBodyPic->List(GetBodyPic->ListIndex());
    const PictureFile::LoadedPicture loaded = PictureFile::load(State.BaseDir + inFolder(name));
    BodyPic->setPicture(loaded.image);
    chosenBodyPictureLoaded_ = !loaded.image.isNull();
    if (!chosenBodyPictureLoaded_)
        ShowWarning(PictureProblem(loaded), name + QStringLiteral(": ") + loaded.error);
    // A project is made only on a body picture that shows.
    CreatProject->setEnabled(chosenBodyPictureLoaded_);
    Dressed->Clear();
    OutfitList->Clear();
    DeleteProject->setEnabled(false);
    ProjectInfos->setCaption(QString());
}

void Form1::NewProject_Click()
{
    State.WorkMode = 2;
    UpdateHelpLabel();
    DropQuestion();
    LabelTMP->setCaption(QString());
    LabelTMP->setVisible(true);
    Warnings->setLeft(230);
    Warnings->setCaption(QString());
    // Projects and body pictures may have come or gone while the program
    // ran; a choice whose file is still there stays.
    ProjectFileList->RefreshKeepingChoice();
    GetBodyPic->RefreshKeepingChoice();
    HideAllPanels();
    ShowProjectPanel();
    ProjectFileList->setVisible(true);
    ProjectFileList->setEnabled(true);
}

void Form1::EnterProjectName_Change()
{
    EnterProjectName->setBackColor(Colour::White);
    Warnings->setCaption(QString());
    if (EnterProjectName->Text() == QLatin1String(" "))
        EnterProjectName->setText(QString());
    if (EnterProjectName->Text().size() > kMaxName)
        EnterProjectName->setText(EnterProjectName->Text().left(kMaxName));
}

void Form1::EnterLadyName_Change()
{
    EnterLadyName->setBackColor(Colour::White);
    NameOfBody->setVisible(false);
    ShadowText->setVisible(false);
    LabelTMP->setCaption(EnterLadyName->Text());
    Warnings->setCaption(QString());
    if (EnterLadyName->Text() == QLatin1String(" "))
        EnterLadyName->setText(QString());
    if (EnterLadyName->Text().size() > kMaxName)
        EnterLadyName->setText(EnterLadyName->Text().left(kMaxName));
}

void Form1::CreatProject_Click()
{
    if (AcceptNewProject()) {
        const QString name = EnterProjectName->Text();
        const QString figure = EnterLadyName->Text();
        if (WriteNewProjectFiles(name, figure))
            EnterNewProject(name, figure);
    }
    LabelTMP->setCaption(QString());
}

// The checks before anything is created: a project name, a figure's name,
// a body picture, a name that can become file names, and no file of the
// new project's names in the folder already.
bool Form1::AcceptNewProject()
{
    const QString name = EnterProjectName->Text();
    if (name.isEmpty() || !isSafeProjectName(name)) {
        EnterProjectName->setBackColor(kRefused);
        Platform::Beep();
        ShowWarning(name.isEmpty() ? 20 : MsgUnsafeProjectName);
        return false;
    }
    if (EnterLadyName->Text().isEmpty() || !Cp1252::canEncode(EnterLadyName->Text())) {
        EnterLadyName->setBackColor(kRefused);
        ShowWarning(EnterLadyName->Text().isEmpty() ? 21 : MsgNameNotStorable);
        Platform::Beep();
        return false;
    }
    if (GetBodyPic->ListIndex() < 0 || !chosenBodyPictureLoaded_) {
        GetBodyPic->setBackColor(kRefused);
        if (GetBodyPic->ListIndex() < 0)
            ShowWarning(21);
        else
            ShowWarning(MsgPictureUnreadable, GetBodyPic->List(GetBodyPic->ListIndex()));
        Platform::Beep();
        return false;
    }
    Dressed->Clear();
    OutfitList->Clear();
    ProjectInfos->setVisible(false);
    bool taken = false;
    for (int i = 0; i < ProjectFileList->ListCount(); ++i)
        taken = taken || ProjectFileList->List(i).compare(name + QStringLiteral(".project"), Qt::CaseInsensitive) == 0;
    for (const char* extension : kProjectFiles)
        taken = taken || FileAccess::exists(State.BaseDir + inFolder(name + QLatin1String(extension)));
    if (taken) {
        Platform::Beep();
        ShowWarning(34);
        return false;
    }
    return true;
}

// The four files of the new project: the project file, then the empty item
// data, table and outfit files. Either all four are made or, after a
// failure, none is left behind. The project file comes first and goes last:
// a power cut in between leaves a project whose missing files read as the
// empty ones, never files of no project that would block its name.
bool Form1::WriteNewProjectFiles(const QString& name, const QString& figure)
{
    const QByteArray project = ProjectFile::write(GetBodyPic->List(GetBodyPic->ListIndex()),
                                                  name + QStringLiteral(".Data"), figure, State.AppVersion);
    QStringList made;
    for (const char* extension : kProjectFiles) {
        const QString file = State.BaseDir + inFolder(name + QLatin1String(extension));
        const FileAccess::Result result =
            QLatin1String(extension) == QLatin1String(".Project")
                ? FileAccess::replaceWith(file, State.BaseDir + inFolder(name + QStringLiteral(".Project.new")), project)
                : FileAccess::createEmpty(file);
        if (!result) {
            for (auto done = made.crbegin(); done != made.crend(); ++done)
                FileAccess::remove(*done);
            Platform::Beep();
            ShowWarning(MsgProjectNotCreated, result.error);
            return false;
        }
        made.append(file);
    }
    return true;
}

// The new project becomes the current one, shown in the dressing panel.
void Form1::EnterNewProject(const QString& name, const QString& figure)
{
    ProjectFileList->Refresh();
    HideAllPanels();
    ShowDressingPanel();
    State.CurrentProject = name + QLatin1String(ProjectFile::kExtension);
    LoadProjectFile();
    if (!projectFileLoaded_) {
        // The file was written a moment ago, so what it holds is known even
        // when reading it back fails; the old project's files stay untouched.
        State.WardrobeFile = name + QStringLiteral(".Data");
        State.BodyPicFile = GetBodyPic->List(GetBodyPic->ListIndex());
        State.BodyName = figure;
        ShowWarning(MsgFileUnreadable, projectFileProblem_);
    }
    Wardrobe->Clear();
    Dressed->Clear();
    State.ProjectBaseName = name;
    // The name boxes clear Warnings as they empty, so they go first and a
    // settings file that cannot be written stays told.
    EnterLadyName->setText(QString());
    EnterProjectName->setText(QString());
    State.IniKey = QStringLiteral("#CURRENT_PROJECT#");
    State.IniValue = name + QLatin1String(ProjectFile::kExtension);
    WriteIniValue();
    NameOfBody->setCaption(figure);
    NameOfBody->setVisible(true);
    ShadowText->setCaption(figure);
    ShadowText->setVisible(true);
    State.WorkMode = 1;
    UpdateHelpLabel();
}
