// The project file of the current project and its body picture.
#include "project/ProjectFile.h"
#include "shell/Form1.h"
#include "toolkit/FileAccess.h"
#include "toolkit/Platform.h"

#include <QBuffer>

// Reads "Projects\" + CurrentProject. Nothing is cleared first: a field
// whose marker the file lacks keeps the previous project's value.
void Form1::LoadProjectFile()
{
    QByteArray bytes;
    const FileAccess::Result read =
        FileAccess::readAll(State.BaseDir + QLatin1String(ProjectFile::kFolder) + State.CurrentProject, bytes);
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    const ProjectFile::Values values = ProjectFile::read(in);
    projectFileLoaded_ = read.ok && values.anyMarker();
    projectFileProblem_ = State.CurrentProject + QStringLiteral(": ") +
                          (read.ok ? QStringLiteral("not a project file") : read.error);

    if (values.BodyPic)
        State.BodyPicFile = *values.BodyPic;
    if (values.Wardrobe)
        State.WardrobeFile = *values.Wardrobe;
    if (values.BodyName) {
        State.BodyName = *values.BodyName;
        NameOfBody->setCaption(State.BodyName);
    }
    ShadowText->setCaption(NameOfBody->Caption());
    State.ProjectBaseName = ProjectFile::baseName(State.CurrentProject);
    // An item chosen for an update belongs to the project it was chosen in.
    State.ItemToUpdate.clear();
}

// Shows the current project's body picture on BodyPic. A picture that is
// missing or will not load leaves a plain white figure and says so.
void Form1::ShowBodyPicture()
{
    const Platform::LoadedPicture loaded =
        Platform::LoadPicture(State.BaseDir + QLatin1String(ProjectFile::kFolder) + State.BodyPicFile);
    BodyPic->setPicture(loaded.image);
    bodyPictureProblem_.clear();
    if (loaded.image.isNull()) {
        bodyPictureProblem_ = State.BodyPicFile + QStringLiteral(": ") + loaded.error;
        Report(MsgBodyPictureUnreadable, bodyPictureProblem_);
    }
}
