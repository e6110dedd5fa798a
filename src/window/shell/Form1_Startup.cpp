// Start-up: the load sequence that brings the window from its design state
// to the welcome screen, and the step options.
#include "formats/datafolder/DataFolder.h"
#include "formats/datafolder/Leftovers.h"
#include "formats/files/FileAccess.h"
#include "formats/picture/Colour.h"
#include "formats/project/ProjectFile.h"
#include "window/shell/Form1.h"

#include <QSignalBlocker>
#include <QStringList>

namespace {
constexpr char kBanner[] = "Tavolin - paper doll editor / Version ";
}

void Form1::Form_Load()
{
    State.AppVersion = QStringLiteral("0.98 (Beta)");
    VersionText->setCaption(QLatin1String(kBanner) + State.AppVersion);
    setWindowTitle(VersionText->Caption());
    State.LineBreak = QStringLiteral("\r\n");
    State.BaseDir = QString();
    SweepInterruptedWrites();
    ReadIniFile();
    Warnings->setLeft(430);

    State.TransColor = Colour::rgb(100, 100, 100);
    if (State.TransColorName == QLatin1String("WHITE"))
        State.TransColor = Colour::White;
    if (State.TransColorName == QLatin1String("PURPLE"))
        State.TransColor = Colour::Purple;

    State.WorkMode = 1;
    HelpMe->setVisible(false);
    {
        // Only the box is reset; the stored help setting stays as read.
        const QSignalBlocker quiet(ShowHelp);
        ShowHelp->setValue(0);
    }
    Option1->setBackColor(State.TransColor);
    Option2->setBackColor(State.TransColor);
    Option3->setBackColor(State.TransColor);
    TransColorInfo->setCaption(State.TransColorName);

    const bool projectLoaded = LoadStartupProject();
    State.ItemReserved = 1;
    State.OffsetX = 10;
    State.OffsetY = 50;
    State.ItemLineNumber = 0;
    State.StepSize = 1;
    State.ProjectBaseName = ProjectFile::baseName(State.CurrentProject);
    FillWardrobeList();
    if (projectLoaded)
        ShowBodyPicture();
    ProjectFileList->setPath(State.BaseDir + QStringLiteral("Projects\\"));
    GetBodyPic->setPath(State.BaseDir + QStringLiteral("Projects\\"));
    LoadLanguageFile();
    ApplyLanguageTexts();
    HideAllPanels();
    RebuildItemTable();
    ShowStartupProblems();
}

// Removes what a crash or a failed write left behind: working copies that
// never took their file's place and files set aside by a project deletion,
// by the names the program gives them and no others. A project whose file
// was set aside had its deletion confirmed, so its other files, if the
// deletion stopped before them, go too; a project made again since under
// the same name keeps its files.
void Form1::SweepInterruptedWrites()
{
    const QString projects = State.BaseDir + QLatin1String(ProjectFile::kFolder);
    for (const QString& base : Leftovers::interruptedDeletions(State.BaseDir))
        for (const char* extension : {".Data", ".Outfit", ".Table"})
            if (FileAccess::exists(projects + base + QLatin1String(extension)))
                FileAccess::remove(projects + base + QLatin1String(extension));
    for (const QString& leftover : Leftovers::find(State.BaseDir, DataFolder::defaultFiles()))
        FileAccess::remove(State.BaseDir + leftover);
}

// Loads the project the settings name. When its file is missing, is not a
// project file, or holds none of a project's markers, the default project
// is shown instead for this run; the settings file is left as it is.
bool Form1::LoadStartupProject()
{
    const QString wanted = State.CurrentProject;
    const QString fallback = QStringLiteral("Default.Project");
    // An empty value names no file at all; it is told as unreadable below.
    const bool plain = wanted.isEmpty() || FileAccess::isPlainName(wanted);
    if (!plain) {
        // A path is not followed: not read, and no table is made beside it.
        Report(MsgNotAPlainName, QStringLiteral("#CURRENT_PROJECT#: ") + wanted);
        State.CurrentProject = fallback;
        LoadProjectFile();
        if (projectFileLoaded_)
            return true;
    } else if (wanted.endsWith(QLatin1String(".Project"), Qt::CaseInsensitive)) {
        LoadProjectFile();
        if (projectFileLoaded_)
            return true;
    }
    if (plain && wanted != fallback) {
        Report(MsgProjectUnreadable, wanted);
        State.CurrentProject = fallback;
        LoadProjectFile();
        if (projectFileLoaded_)
            return true;
    }
    Report(MsgDefaultProjectMissing, fallback);
    BodyPic->setPicture(QImage());
    return false;
}

// The first problem is the one shown; the others would only repeat that
// something is wrong with the same files. On the welcome screen the message
// stands in the free room above LetsGo, which would cover its place.
void Form1::ShowStartupProblems()
{
    starting_ = false;
    if (startupProblems_.isEmpty())
        return;
    Warnings->setLeft(230);
    Warnings->setTop(kStartupWarningTop);
    ShowWarning(startupProblems_.first().first, startupProblems_.first().second);
}

void Form1::Report(int textNumber, const QString& detail)
{
    if (starting_)
        startupProblems_.append({textNumber, detail});
    else
        ShowWarning(textNumber, detail);
}

// The lock is taken before the window exists, so its failure comes in
// after the load sequence. An earlier problem keeps its place on the
// welcome screen; the missing lock then joins its tooltip, so that it is
// not lost behind it.
void Form1::ReportNoLock(const QString& detail)
{
    startupProblems_.append({MsgNoLock, detail});
    if (startupProblems_.size() == 1) {
        ShowStartupProblems();
        return;
    }
    QStringList tip{Warnings->ToolTipText(), AddedText(MsgNoLock), detail};
    tip.removeAll(QString());
    Warnings->setToolTipText(tip.join(QLatin1Char('\n')));
}

void Form1::Option1_Click() { State.StepSize = 1; }
void Form1::Option2_Click() { State.StepSize = 5; }
void Form1::Option3_Click() { State.StepSize = 10; }
