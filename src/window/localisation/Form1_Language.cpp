// The texts of the window: the language file into the text table, and the
// table's texts onto the controls.
#include "formats/datafolder/SettingsFile.h"
#include "formats/files/FileAccess.h"
#include "formats/localisation/LanguageFile.h"
#include "window/shell/Form1.h"

#include <QBuffer>
#include <QFile>

// Reads the file named by Language. When it cannot be read, or holds no
// text, the texts built into the program are loaded instead (of the same
// language where the name is one of the program's, else English), so that
// the window always speaks.
void Form1::LoadLanguageFile()
{
    QByteArray bytes;
    // The name comes from the settings file: only a file of the data
    // folder is read.
    const bool plain = FileAccess::isPlainName(State.Language);
    const FileAccess::Result read = plain ? FileAccess::readAll(State.BaseDir + State.Language, bytes)
                                          : FileAccess::Result::failure(QStringLiteral("not a file name"));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    TextTable texts = State.Texts;  // a short file leaves the texts it lacks as they were
    State.LangLineNo = LanguageFile::read(in, texts, &laterTexts_);
    const bool usable = read && LanguageFile::hasTexts(texts);
    if (!usable) {
        texts = State.Texts;
        QByteArray builtIn = LanguageFile::builtInFile(read ? State.Language : QString());
        QBuffer fallback(&builtIn);
        fallback.open(QIODevice::ReadOnly);
        State.LangLineNo = LanguageFile::read(fallback, texts, &laterTexts_);
    }
    State.Texts = texts;
    if (!plain)
        Report(MsgNotAPlainName, QStringLiteral("#LANGUAGE#: ") + State.Language);
    else if (!read)
        Report(MsgLanguageUnreadable, State.Language + QStringLiteral(": ") + read.error);
    else if (!usable)
        Report(MsgLanguageWithoutTexts, State.Language);
}

// A flag switches the window's language and stores the choice; the help
// label keeps its place and shows the current task's text.
void Form1::SwitchLanguage(const QString& languageFile)
{
    State.Language = languageFile;
    State.IniKey = QStringLiteral("#LANGUAGE#");
    State.IniValue = State.Language;
    WriteIniValue();
    LoadLanguageFile();
    ApplyLanguageTexts();
    ShowTaskHelpText();
}

QString Form1::AddedText(int number) const
{
    const QString text = number >= LanguageFile::kFirstLaterText
                             ? laterTexts_.value(number - LanguageFile::kFirstLaterText)
                             : State.Texts[number];
    return text.isEmpty() ? LanguageFile::builtInText(State.Language, number) : text;
}

void Form1::German_Click() { SwitchLanguage(QLatin1String(SettingsFile::kGermanFile)); }
void Form1::English_Click() { SwitchLanguage(QLatin1String(SettingsFile::kEnglishFile)); }

void Form1::ApplyLanguageTexts()
{
    const TextTable& text = State.Texts;
    const QString& br = State.LineBreak;
    BodyPic->setToolTipText(NameOfBody->Caption());
    ShadowText->setCaption(NameOfBody->Caption());
    Dressed->setToolTipText(text[2]);
    Wardrobe->setToolTipText(text[3]);
    DeleteSkirt->setToolTipText(text[4]);
    MoveLayerUp->setToolTipText(text[5]);
    MoveLayerDown->setToolTipText(text[6]);
    RemoveItem->setToolTipText(text[7]);
    DressItem->setToolTipText(text[8]);
    RemoveAllItems->setToolTipText(FigureNameTooltip());
    ShowHelpLabel->setToolTipText(text[15]);
    ShowHelpLabel->setCaption(text[15]);
    CreatProject->setToolTipText(text[17]);
    DeleteProject->setToolTipText(text[18]);
    EnterProjectName->setToolTipText(text[20]);
    EnterLadyName->setToolTipText(text[21]);
    ProjectFileList->setToolTipText(text[22]);
    Harddrive->setToolTipText(text[23]);
    SkirtFiles->setToolTipText(text[24]);
    Clothes->setToolTipText(text[26]);
    SkirtRight->setToolTipText(text[27]);
    SkirtLeft->setToolTipText(text[28]);
    SkirtUp->setToolTipText(text[29]);
    SkirtDown->setToolTipText(text[30]);
    NameSkirt->setToolTipText(text[32]);
    AddToWardrobe->setToolTipText(text[33]);
    OutfitList->setToolTipText(text[42]);
    SaveOutfit->setToolTipText(text[43]);
    DeleteOutfit->setToolTipText(text[44]);
    LayOutWelcomeText();
    PlaygroundOnOff->setToolTipText(text[35]);
    NewProject->setToolTipText(text[36]);
    AddBMPItem->setToolTipText(text[37]);
    HelpMe->setCaption(text[60] + br + text[61]);
    PinkButton->setToolTipText(text[71]);
    WhiteButton->setToolTipText(text[72]);
    AutoButton->setToolTipText(text[73]);
    Picture1->setToolTipText(text[74]);
    Picture2->setToolTipText(text[75]);
    Picture3->setToolTipText(text[76]);
    Picture4->setToolTipText(text[77]);
    UpdateItem->setToolTipText(text[78]);
    ProjectLabel->setCaption(text[81]);
    DollyLabel->setCaption(text[82]);
    MoveUpList->setToolTipText(text[83]);
    MoveDownList->setToolTipText(text[84]);
    BasePic->setCaption(text[85]);
    ApplyAccessibleNames();
}

// The tooltip of RemoveAllItems names the figure: the part of text 10 before
// "#NAME#", the figure's name, a blank and text 11. A text 10 without the
// placeholder is used whole.
QString Form1::FigureNameTooltip() const
{
    const QString& start = State.Texts[10];
    const qsizetype at = start.indexOf(QLatin1String("#NAME#"));
    return (at < 0 ? start : start.left(at)) + NameOfBody->Caption() + QLatin1Char(' ') + State.Texts[11];
}

// The warning about enclosed pixels of the key colour: text 70 with the
// number in place of "#COUNT#". A text 70 without the placeholder is used
// whole; an empty one gives way to the English words.
QString Form1::EnclosedKeyPixelsText(qint64 count) const
{
    QString text = AddedText(MsgEnclosedKeyPixels);
    return text.replace(QLatin1String("#COUNT#"), QString::number(count));
}

// The welcome text as four stacked labels: the main copy, a light copy one
// pixel up and left, a dark copy one pixel down and right, and a grey-blue
// copy three pixels down and right.
void Form1::LayOutWelcomeText()
{
    const TextTable& text = State.Texts;
    const QString& br = State.LineBreak;
    WelcomeRealShadow->setWidth(WelcomeText->Width());
    WelcomeRealShadow->setHeight(WelcomeText->Height());
    WelcomeShadow->setTop(WelcomeText->Top() - 1);
    WelcomeShadow->setLeft(WelcomeText->Left() - 1);
    Welcome_Shadow2->setTop(WelcomeText->Top() + 1);
    Welcome_Shadow2->setLeft(WelcomeText->Left() + 1);
    WelcomeRealShadow->setLeft(WelcomeText->Left() + 3);
    WelcomeRealShadow->setTop(WelcomeText->Top() + 3);
    WelcomeText->setForeColor(683700);
    WelcomeShadow->setForeColor(8578790);
    Welcome_Shadow2->setForeColor(986985);
    WelcomeRealShadow->setForeColor(11507350);
    WelcomeText->setCaption(text[45] + br + br + text[46] + br + text[47] + br + text[48] + br + text[49] + br +
                            br + text[50] + br);
    WelcomeShadow->setCaption(WelcomeText->Caption());
    Welcome_Shadow2->setCaption(WelcomeText->Caption());
    WelcomeRealShadow->setCaption(WelcomeText->Caption());
}
