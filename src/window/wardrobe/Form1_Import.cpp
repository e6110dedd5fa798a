// Importing a clothing item: choosing a folder and a picture, the key
// colour, placing the picture over the bare body, and its name.
#include "formats/picture/Colour.h"
#include "formats/project/ProjectFile.h"
#include "formats/wardrobe/KeyColourSafety.h"
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

namespace {
constexpr int kBodyWidth = 200;
constexpr int kBodyHeight = 450;
constexpr int kMaxItemWidth = 200;
constexpr int kMaxItemHeight = 320;
constexpr int kMaxItemName = 25;
}  // namespace

void Form1::AddBMPItem_Click()
{
    State.WorkMode = 3;
    LabelTMP->setVisible(false);
    ShowBodyPicture();
    if (TransColorInfo->Caption() == QLatin1String("PURPLE"))
        State.TransColor = Colour::Purple;
    if (TransColorInfo->Caption() == QLatin1String("WHITE"))
        State.TransColor = Colour::White;
    ShowKeyColour();
    UpdateHelpLabel();
    Warnings->setCaption(QString());
    Warnings->setLeft(230);
    DropQuestion();
    // The folders and pictures as they are now; the picture chosen before
    // stays chosen while its file is there, as Clothes still shows it.
    Harddrive->Refresh();
    SkirtFiles->RefreshKeepingChoice();
    HideAllPanels();
    ShowImportPanel();
    DeleteProject->setEnabled(false);
    // The message line was cleared above; a body picture that could not be
    // shown is told now, where it stays to be read.
    if (!bodyPictureProblem_.isEmpty())
        ShowWarning(bodyPictureMessage_, bodyPictureProblem_);
    // Clothes keeps its picture, but the key may have changed with the frame.
    MarkEnclosedKeyPixels();
}

// The key colour shows on the frame and behind the step options.
void Form1::ShowKeyColour()
{
    TransColorInfo->setBackColor(State.TransColor);
    Option1->setBackColor(State.TransColor);
    Option2->setBackColor(State.TransColor);
    Option3->setBackColor(State.TransColor);
}

void Form1::Harddrive_Change()
{
    SkirtFiles->setPath(Harddrive->Path());
    State.TransColor = Colour::NeutralGrey;
    ShowKeyColour();
    MarkEnclosedKeyPixels();
}

// Loads the chosen picture into Clothes and previews it over the body. A
// file that is no loadable picture is refused, and the picture chosen
// before goes too: storing now would put it under the new choice's name.
void Form1::SkirtFiles_Click()
{
    const QString name = SkirtFiles->List(SkirtFiles->ListIndex());
    if (name.isEmpty())
        return;
    const PictureFile::LoadedPicture loaded = PictureFile::load(Harddrive->Path() + QLatin1Char('\\') + name);
    if (loaded.image.isNull()) {
        DropImportPicture();
        Platform::Beep();
        Warnings->setLeft(230);
        ShowWarning(PictureProblem(loaded), name + QStringLiteral(": ") + loaded.error);
        return;
    }
    Warnings->setCaption(QString());
    Clothes->Cls();
    Clothes->setPicture(loaded.image);
    importSeeThrough_ = loaded.seeThrough;
    AddToWardrobe->setEnabled(true);
    if (State.TransColorName == QLatin1String("AUTO")) {
        State.TransColor = Clothes->Point(1, 1);
        ShowKeyColour();
        Platform::DoEvents();
    }
    if (Clothes->Width() > kMaxItemWidth)
        Clothes->setWidth(kMaxItemWidth);
    if (Clothes->Height() > kMaxItemHeight)
        Clothes->setHeight(kMaxItemHeight);
    PreviewItemOnBody();
    MarkEnclosedKeyPixels();
}

// Nothing is left to store or to preview: Clothes shows its bare
// background and the figure its bare body.
void Form1::DropImportPicture()
{
    Clothes->setPicture(QImage());
    importSeeThrough_ = QImage();
    enclosedKeyWarning_.clear();
    AddToWardrobe->setEnabled(false);
    BodyPic->Cls();
}

// Each key-colour button stores its choice as the setting for the next start.
void Form1::ChooseKeyColour(int colour, const QString& settingsWord)
{
    State.TransColor = colour;
    State.IniKey = QStringLiteral("#TRANSCOLOR#");
    State.IniValue = settingsWord;
    WriteIniValue();
    TransColorInfo->setCaption(State.IniValue);
    ShowKeyColour();
    MarkEnclosedKeyPixels();
}

void Form1::AutoButton_Click() { ChooseKeyColour(Clothes->Point(1, 1), QStringLiteral("AUTO")); }
void Form1::PinkButton_Click() { ChooseKeyColour(Colour::Purple, QStringLiteral("PURPLE")); }
void Form1::WhiteButton_Click() { ChooseKeyColour(Colour::White, QStringLiteral("WHITE")); }

// Pixels of the key colour that the picture's edge cannot reach through the
// key colour lie inside the item (a white collar on a white key), and
// storing would leave them out with the background. Their number goes to
// Warnings and a hatch over Clothes shows where they are, on the screen
// only: the preview and the stored pixels stay the picture's. The check
// looks at the surface of Clothes, the piece of the picture that is stored,
// with the current key colour. Pixels see-through in the file lead the
// background on, as storing leaves them out too, but are not counted:
// they were meant to vanish. When nothing is enclosed the hatch goes, and
// the message too if it is still this check's: a message another handler
// showed meanwhile stays.
void Form1::MarkEnclosedKeyPixels()
{
    const KeyColourSafety::Enclosed enclosed =
        KeyColourSafety::findEnclosed(Clothes->surface(), State.TransColor, importSeeThrough_);
    if (enclosed.count == 0) {
        Clothes->clearOverlay();
        if (!enclosedKeyWarning_.isEmpty() && Warnings->Caption() == enclosedKeyWarning_) {
            Warnings->setCaption(QString());
            Warnings->setToolTipText(QString());
        }
        enclosedKeyWarning_.clear();
        return;
    }
    Clothes->setOverlay(KeyColourSafety::hatch(enclosed.mask));
    enclosedKeyWarning_ = EnclosedKeyPixelsText(enclosed.count);
    Warnings->setLeft(230);
    Warnings->setCaption(enclosedKeyWarning_);
    // Its tooltip tells the same, as the tooltips of other messages tell
    // their detail.
    Warnings->setToolTipText(enclosedKeyWarning_);
}

// Each nudge applies only its own limit, so an offset beyond the far edge
// (taken over from a painted item) stays until the nudge towards that edge.
void Form1::SkirtLeft_Click()
{
    State.OffsetX -= State.StepSize;
    if (State.OffsetX < 0)
        State.OffsetX = 0;
    PreviewItemOnBody();
}

void Form1::SkirtRight_Click()
{
    State.OffsetX += State.StepSize;
    if (State.OffsetX > kBodyWidth - Clothes->Width())
        State.OffsetX = kBodyWidth - Clothes->Width();
    PreviewItemOnBody();
}

void Form1::SkirtUp_Click()
{
    State.OffsetY -= State.StepSize;
    if (State.OffsetY < 0)
        State.OffsetY = 0;
    PreviewItemOnBody();
}

void Form1::SkirtDown_Click()
{
    State.OffsetY += State.StepSize;
    if (State.OffsetY > kBodyHeight - Clothes->Height())
        State.OffsetY = kBodyHeight - Clothes->Height();
    PreviewItemOnBody();
}

// A drag moves the preview as the nudge buttons would by the distance
// dragged: each direction with its own limit, across then down.
void Form1::DragImportPicture(int dx, int dy)
{
    State.OffsetX += dx;
    if (dx < 0 && State.OffsetX < 0)
        State.OffsetX = 0;
    if (dx > 0 && State.OffsetX > kBodyWidth - Clothes->Width())
        State.OffsetX = kBodyWidth - Clothes->Width();
    State.OffsetY += dy;
    if (dy < 0 && State.OffsetY < 0)
        State.OffsetY = 0;
    if (dy > 0 && State.OffsetY > kBodyHeight - Clothes->Height())
        State.OffsetY = kBodyHeight - Clothes->Height();
    PreviewItemOnBody();
}

// The name is kept to its last 25 characters; a single blank is no name.
void Form1::NameSkirt_Change()
{
    NameSkirt->setBackColor(Colour::White);
    Warnings->setCaption(QString());
    if (NameSkirt->Text() == QLatin1String(" "))
        NameSkirt->setText(QString());
    if (NameSkirt->Text().size() > kMaxItemName)
        NameSkirt->setText(NameSkirt->Text().right(kMaxItemName));
}

// The picture over the bare body, each body pixel ANDed with the picture's:
// white leaves the body, black shows black, colours tint it.
void Form1::PreviewItemOnBody()
{
    BodyPic->Cls();
    BodyPic->AndCopyFrom(*Clothes, 0, 0, Clothes->Width(), Clothes->Height(), State.OffsetX, State.OffsetY);
}
