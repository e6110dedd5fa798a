// The question box inside the window: it confirms deleting the chosen
// wardrobe item (WorkMode 1) or the current project (WorkMode 2). While it
// waits for the answer, nothing behind it can act.
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

#include <QShortcut>

#include <initializer_list>

namespace {

void turnOn(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        control->setEnabled(true);
}

// Labels and frames take no input; they stay as they are.
bool takesInput(const QWidget* control)
{
    return !qobject_cast<const Label*>(control) && !qobject_cast<const Frame*>(control);
}

}  // namespace

// Shows the question of text textNumber, naming what it would delete in
// place of "#NAME#" (a text without it is shown whole; a name too long for
// the box is shortened there and given whole in the tooltip). No is the
// answer the keyboard is on: it changes nothing.
void Form1::AskQuestion(int textNumber, const QString& name)
{
    HoldWindowForQuestion();
    const QString text = State.Texts[textNumber];
    const QString whole = QString(text).replace(QLatin1String("#NAME#"), name);
    const QString fitted = QuestionIs->fittedCaption(text, QStringLiteral("#NAME#"), name, Qt::ElideRight);
    QuestionIs->setCaption(fitted);
    QuestionIs->setToolTipText(fitted == whole ? QString() : whole);
    SayYes->setEnabled(true);
    SayNo->setEnabled(true);
    AskMe->setVisible(true);
    SayNo->setFocus(Qt::OtherFocusReason);
    Platform::Beep();
}

// Every control that takes input goes off, except the answers and the
// three mode buttons, which drop the question. The figure goes off too:
// neither a drag nor its menu acts behind the question.
void Form1::HoldWindowForQuestion()
{
    if (!heldByQuestion_.isEmpty())
        return;  // already held: the flags kept are the ones from before
    const QList<QWidget*> staysOn = {AskMe, SayYes, SayNo, PlaygroundOnOff, NewProject, AddBMPItem};
    for (QWidget* control : std::as_const(controls_)) {
        if (staysOn.contains(control) || !takesInput(control))
            continue;
        heldByQuestion_.append({control, !control->testAttribute(Qt::WA_ForceDisabled)});
        control->setEnabled(false);
    }
    escapeAnswersNo_->setEnabled(true);
}

// Each control gets its own Enabled flag back; what the answer itself
// turns on or off comes after.
void Form1::ReleaseWindowFromQuestion()
{
    for (const auto& [control, enabled] : std::as_const(heldByQuestion_))
        control->setEnabled(enabled);
    heldByQuestion_.clear();
    escapeAnswersNo_->setEnabled(false);
}

void Form1::DropQuestion()
{
    ReleaseWindowFromQuestion();
    AskMe->setVisible(false);
}

void Form1::SayYes_Click()
{
    SayYes->setEnabled(false);
    SayNo->setEnabled(false);
    ReleaseWindowFromQuestion();
    if (State.WorkMode == 1) {
        DeleteItemData();
        AskMe->setVisible(false);
        turnOn({UpdateItem, Wardrobe, DressItem, RemoveAllItems, RemoveItem, Dressed, OutfitList, SaveOutfit,
                ProjectFileList});
    }
    if (State.WorkMode == 2) {
        AskMe->setVisible(false);
        turnOn({UpdateItem, Wardrobe, DressItem, RemoveAllItems, RemoveItem, Dressed, OutfitList, SaveOutfit,
                ProjectFileList});
        DeleteCurrentProject();
    }
}

void Form1::SayNo_Click()
{
    ReleaseWindowFromQuestion();
    if (State.WorkMode == 1) {
        AskMe->setVisible(false);
        UpdateItem->setEnabled(false);
        turnOn({Wardrobe, DressItem, RemoveAllItems, RemoveItem, Dressed, OutfitList, SaveOutfit, ProjectFileList});
    }
    if (State.WorkMode == 2) {
        turnOn({ProjectFileList, GetBodyPic, EnterProjectName, EnterLadyName, CreatProject});
        AskMe->setVisible(false);
    }
}
