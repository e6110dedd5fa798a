// Names for screen readers. A control is told by its caption or tooltip
// (the toolkit keeps them in step); the controls that have neither, or
// have one only now and then, get a name of their own here, from the
// language file.
#include "window/shell/Form1.h"

void Form1::ApplyAccessibleNames()
{
    const TextTable& text = State.Texts;
    SayYes->setAccessibleFallback(AddedText(TextYes));
    SayNo->setAccessibleFallback(AddedText(TextNo));
    AskMe->setAccessibleFallback(AddedText(TextQuestion));
    QuestionIs->setAccessibleFallback(AddedText(TextQuestion));
    for (Label* messages : {Warnings, LabelTMP})
        messages->setAccessibleFallback(AddedText(TextMessages));
    ItemRename->setAccessibleFallback(AddedText(TextItemNewName));
    ProjectInfos->setAccessibleFallback(text[12]);
    ShowHelp->setAccessibleFallback(text[15]);
    NameOfOutfit->setAccessibleFallback(text[40]);
    LetsGo->setAccessibleFallback(text[50]);
    GetBodyPic->setAccessibleFallback(text[85]);
    // Each language is named in its own words, whatever the window speaks.
    German->setAccessibleFallback(QStringLiteral("Deutsch"));
    English->setAccessibleFallback(QStringLiteral("English"));
}
