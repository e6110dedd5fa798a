// The project file of the current project and its body picture.
#include "formats/files/FileAccess.h"
#include "formats/project/ProjectFile.h"
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

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

// The message for a picture that did not load.
int Form1::PictureProblem(const PictureFile::LoadedPicture& loaded)
{
    if (loaded.notRegular)
        return MsgNotARegularFile;
    return loaded.tooLarge ? MsgPictureTooLarge : MsgPictureUnreadable;
}

// Shows the current project's body picture on BodyPic. A picture that is
// missing or will not load leaves a plain white figure and says so.
void Form1::ShowBodyPicture()
{
    bodyPictureProblem_.clear();
    bodyPictureMessage_ = MsgBodyPictureUnreadable;
    // The name comes from the project file: only a picture of the project
    // folder is loaded.
    if (!State.BodyPicFile.isEmpty() && !FileAccess::isPlainName(State.BodyPicFile)) {
        BodyPic->setPicture(QImage());
        bodyPictureMessage_ = MsgNotAPlainName;
        bodyPictureProblem_ = QStringLiteral("#BODYPIC#: ") + State.BodyPicFile;
        Report(bodyPictureMessage_, bodyPictureProblem_);
        return;
    }
    const PictureFile::LoadedPicture loaded =
        PictureFile::load(State.BaseDir + QLatin1String(ProjectFile::kFolder) + State.BodyPicFile);
    BodyPic->setPicture(loaded.image);
    if (loaded.image.isNull()) {
        // What the window shows instead matters most here; the detail
        // says why.
        bodyPictureMessage_ = loaded.tooLarge ? MsgPictureTooLarge : MsgBodyPictureUnreadable;
        bodyPictureProblem_ = State.BodyPicFile + QStringLiteral(": ") + loaded.error;
        Report(bodyPictureMessage_, bodyPictureProblem_);
    }
}
