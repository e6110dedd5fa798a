// Help mode: the help text of the current task in HelpMe.
#include "window/shell/Form1.h"

void Form1::ShowHelp_Click()
{
    const bool on = ShowHelp->Value() == 1;
    HelpMe->setVisible(on);
    State.IniKey = QStringLiteral("#HELPMODE#");
    State.IniValue = on ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    WriteIniValue();
}

void Form1::UpdateHelpLabel()
{
    if (State.WorkMode == 1) {
        HelpMe->setLeft(500);
        HelpMe->setTop(130);
    }
    if (State.WorkMode == 2 || State.WorkMode == 3) {
        HelpMe->setLeft(220);
        HelpMe->setTop(60);
    }
    ShowTaskHelpText();
}

// The two help texts of the current task; the label keeps its place.
void Form1::ShowTaskHelpText()
{
    const TextTable& text = State.Texts;
    if (State.WorkMode == 1)
        HelpMe->setCaption(text[60] + State.LineBreak + text[61]);
    if (State.WorkMode == 2)
        HelpMe->setCaption(text[62] + State.LineBreak + text[63]);
    if (State.WorkMode == 3)
        HelpMe->setCaption(text[64] + State.LineBreak + text[65]);
}
