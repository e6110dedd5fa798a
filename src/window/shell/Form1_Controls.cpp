#include "window/controls/Fonts.h"
#include "window/controls/Platform.h"
#include "window/shell/ControlTable.h"
#include "window/shell/Form1.h"

#include <QDebug>

#include <algorithm>

namespace {

using ControlTable::Kind;
using ControlTable::Row;

QImage faceImage(const QString& name, const char* suffix)
{
    return QImage(QStringLiteral(":/faces/%1%2.bmp").arg(name, QLatin1String(suffix)));
}

PictureBox::Border pictureBorder(ControlTable::Border border)
{
    switch (border) {
    case ControlTable::Border::None: return PictureBox::Border::None;
    case ControlTable::Border::Flat: return PictureBox::Border::Flat;
    case ControlTable::Border::Sunken: return PictureBox::Border::Sunken;
    }
    return PictureBox::Border::None;
}

QWidget* makeControl(const Row& row, QWidget* parent)
{
    const QString name = QLatin1String(row.name);
    switch (row.kind) {
    case Kind::Label: {
        auto* label = new Label(parent);
        label->setCaption(QLatin1String(row.caption));
        if (row.foreColour != ControlTable::kNoColour)
            label->setForeColor(row.foreColour);
        if (row.centred)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    }
    case Kind::Button: {
        auto* button = new Button(parent);
        button->setFaces(faceImage(name, ""), row.pressedFace ? faceImage(name, "_pressed") : QImage(),
                         row.disabledFace ? faceImage(name, "_disabled") : QImage());
        return button;
    }
    case Kind::CheckBox: {
        auto* box = new CheckBox(parent);
        box->setValue(row.value);
        if (row.backColour != ControlTable::kNoColour)
            box->setBackColor(row.backColour);
        return box;
    }
    case Kind::OptionButton: {
        auto* option = new OptionButton(parent);
        option->setCaption(QLatin1String(row.caption));
        option->setValue(row.value);
        if (row.foreColour != ControlTable::kNoColour)
            option->setForeColor(row.foreColour);
        if (row.backColour != ControlTable::kNoColour)
            option->setBackColor(row.backColour);
        return option;
    }
    case Kind::Frame: {
        auto* frame = new Frame(parent);
        frame->setCaption(QLatin1String(row.caption));
        if (row.backColour != ControlTable::kNoColour)
            frame->setBackColor(row.backColour);
        return frame;
    }
    case Kind::TextBox: {
        auto* box = new TextBox(parent);
        box->setText(QLatin1String(row.caption));
        if (row.centred)
            box->setAlignment(Qt::AlignHCenter);
        if (row.backColour != ControlTable::kNoColour)
            box->setBackColor(row.backColour);
        return box;
    }
    case Kind::ListBox: {
        auto* list = new ListBox(parent);
        list->setSorted(row.sorted);
        return list;
    }
    case Kind::FileListBox: {
        auto* list = new FileListBox(parent);
        list->setPattern(QLatin1String(row.pattern));
        if (row.backColour != ControlTable::kNoColour)
            setBackColour(list, row.backColour);
        return list;
    }
    case Kind::DirListBox:
        return new DirListBox(parent);
    case Kind::PictureBox: {
        auto* box = new PictureBox(parent);
        box->setBorder(pictureBorder(row.border));
        box->setAutoSize(row.autoSize);
        if (row.backColour != ControlTable::kNoColour)
            box->setBackColor(row.backColour);
        box->resize(row.w, row.h);
        if (row.face)
            box->setPicture(faceImage(name, ""));
        else
            box->Cls();
        return box;
    }
    }
    return nullptr;
}

}  // namespace

void Form1::BuildControls()
{
    const auto rows = ControlTable::rows();
    for (const Row& row : rows) {
        QWidget* parent = row.container ? controls_.value(QLatin1String(row.container)) : this;
        QWidget* widget = makeControl(row, parent);
        widget->setObjectName(QLatin1String(row.name));
        if (!(row.kind == Kind::PictureBox && row.autoSize && row.face))
            widget->setGeometry(row.x, row.y, row.w, row.h);
        else
            widget->move(row.x, row.y);
        if (row.font != 0) {
            const ControlTable::Font& font = ControlTable::font(row.font);
            widget->setFont(Fonts::designFont(QLatin1String(font.face), font.points, font.bold));
            widget->setProperty("DesignFont", row.font);
        }
        widget->setVisible(row.visible);
        widget->setEnabled(row.enabled);
        controls_.insert(widget->objectName(), widget);
    }

    // Stacking: labels lie beneath every other control, and within each
    // group an earlier row lies in front of a later one.
    for (bool labels : {true, false})
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            if ((row->kind == Kind::Label) == labels)
                controls_.value(QLatin1String(row->name))->raise();

    // Keyboard focus order by tab index, among the controls that take the
    // focus (labels and pictures do not).
    std::vector<const Row*> byTab;
    for (const Row& row : rows)
        if (controls_.value(QLatin1String(row.name))->focusPolicy() != Qt::NoFocus)
            byTab.push_back(&row);
    std::sort(byTab.begin(), byTab.end(), [](const Row* a, const Row* b) { return a->tab < b->tab; });
    for (size_t i = 1; i < byTab.size(); ++i)
        QWidget::setTabOrder(controls_.value(QLatin1String(byTab[i - 1]->name)),
                             controls_.value(QLatin1String(byTab[i]->name)));
}

template <class T>
void Form1::bind(T*& member, const char* name)
{
    member = qobject_cast<T*>(controls_.value(QLatin1String(name)));
    Q_ASSERT_X(member, name, "control missing from the control table");
}

void Form1::BindControls()
{
    bind(AskMe, "AskMe");
    bind(SayYes, "SayYes");
    bind(SayNo, "SayNo");
    bind(QuestionIs, "QuestionIs");
    bind(MoveDownList, "MoveDownList");
    bind(MoveUpList, "MoveUpList");
    bind(ItemRename, "ItemRename");
    bind(English, "English");
    bind(German, "German");
    bind(ShowHelp, "ShowHelp");
    bind(AutoButton, "AutoButton");
    bind(WhiteButton, "WhiteButton");
    bind(PinkButton, "PinkButton");
    bind(UpdateItem, "UpdateItem");
    bind(Picture4, "Picture4");
    bind(Picture3, "Picture3");
    bind(Picture2, "Picture2");
    bind(Picture1, "Picture1");
    bind(DeleteOutfit, "DeleteOutfit");
    bind(SaveOutfit, "SaveOutfit");
    bind(NameOfOutfit, "NameOfOutfit");
    bind(OutfitList, "OutfitList");
    bind(GetBodyPic, "GetBodyPic");
    bind(PlaygroundOnOff, "PlaygroundOnOff");
    bind(LetsGo, "LetsGo");
    bind(DeleteProject, "DeleteProject");
    bind(CreatProject, "CreatProject");
    bind(EnterLadyName, "EnterLadyName");
    bind(EnterProjectName, "EnterProjectName");
    bind(AddBMPItem, "AddBMPItem");
    bind(ProjectFileList, "ProjectFileList");
    bind(NewProject, "NewProject");
    bind(RemoveItem, "RemoveItem");
    bind(MoveLayerUp, "MoveLayerUp");
    bind(MoveLayerDown, "MoveLayerDown");
    bind(DressItem, "DressItem");
    bind(Dressed, "Dressed");
    bind(Harddrive, "Harddrive");
    bind(SkirtFiles, "SkirtFiles");
    bind(DeleteSkirt, "DeleteSkirt");
    bind(Option3, "Option3");
    bind(Option2, "Option2");
    bind(Option1, "Option1");
    bind(Wardrobe, "Wardrobe");
    bind(NameSkirt, "NameSkirt");
    bind(AddToWardrobe, "AddToWardrobe");
    bind(Clothes, "Clothes");
    bind(SkirtUp, "SkirtUp");
    bind(SkirtDown, "SkirtDown");
    bind(SkirtLeft, "SkirtLeft");
    bind(SkirtRight, "SkirtRight");
    bind(RemoveAllItems, "RemoveAllItems");
    bind(BodyPic, "BodyPic");
    bind(TransColorInfo, "TransColorInfo");
    bind(WelcomeText, "WelcomeText");
    bind(BasePic, "BasePic");
    bind(DollyLabel, "DollyLabel");
    bind(ProjectLabel, "ProjectLabel");
    bind(ShowHelpLabel, "ShowHelpLabel");
    bind(HelpMe, "HelpMe");
    bind(LabelTMP, "LabelTMP");
    bind(ProjectInfos, "ProjectInfos");
    bind(Warnings, "Warnings");
    bind(NameOfBody, "NameOfBody");
    bind(VersionText, "VersionText");
    bind(ShadowText, "ShadowText");
    bind(WelcomeShadow, "WelcomeShadow");
    bind(Welcome_Shadow2, "Welcome_Shadow2");
    bind(WelcomeRealShadow, "WelcomeRealShadow");
}

// Each subsystem's handlers join here as they are built.
void Form1::ConnectHandlers()
{
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);
    connect(LetsGo, &QAbstractButton::clicked, this, barrier(&Form1::LetsGo_Click));
    connect(ShowHelp, &CheckBox::Click, this, &Form1::ShowHelp_Click);
    connect(Wardrobe, &ListBox::Click, this, &Form1::Wardrobe_Click);
    connect(DressItem, &QAbstractButton::clicked, this, undoable(&Form1::DressItem_Click));
    connect(Dressed, &ListBox::Click, this, &Form1::Dressed_Click);
    connect(RemoveItem, &QAbstractButton::clicked, this, undoable(&Form1::RemoveItem_Click));
    connect(RemoveAllItems, &QAbstractButton::clicked, this, undoable(&Form1::RemoveAllItems_Click));
    connect(MoveLayerUp, &QAbstractButton::clicked, this, undoable(&Form1::MoveLayerUp_Click));
    connect(MoveLayerDown, &QAbstractButton::clicked, this, undoable(&Form1::MoveLayerDown_Click));
    connect(MoveUpList, &QAbstractButton::clicked, this, undoable(&Form1::MoveUpList_Click));
    connect(MoveDownList, &QAbstractButton::clicked, this, undoable(&Form1::MoveDownList_Click));
    connect(AddBMPItem, &QAbstractButton::clicked, this, barrier(&Form1::AddBMPItem_Click));
    connect(Harddrive, &DirListBox::Change, this, &Form1::Harddrive_Change);
    connect(SkirtFiles, &ListBox::Click, this, barrier(&Form1::SkirtFiles_Click));
    connect(AutoButton, &PictureBox::Click, this, &Form1::AutoButton_Click);
    connect(PinkButton, &PictureBox::Click, this, &Form1::PinkButton_Click);
    connect(WhiteButton, &PictureBox::Click, this, &Form1::WhiteButton_Click);
    connect(SkirtLeft, &QAbstractButton::clicked, this, undoable(&Form1::SkirtLeft_Click));
    connect(SkirtRight, &QAbstractButton::clicked, this, undoable(&Form1::SkirtRight_Click));
    connect(SkirtUp, &QAbstractButton::clicked, this, undoable(&Form1::SkirtUp_Click));
    connect(SkirtDown, &QAbstractButton::clicked, this, undoable(&Form1::SkirtDown_Click));
    connect(NameSkirt, &TextBox::Change, this, &Form1::NameSkirt_Change);
    connect(AddToWardrobe, &QAbstractButton::clicked, this, barrier(&Form1::AddToWardrobe_Click));
    connect(SaveOutfit, &QAbstractButton::clicked, this, barrier(&Form1::SaveOutfit_Click));
    connect(OutfitList, &ListBox::Click, this, undoable(&Form1::OutfitList_Click));
    connect(DeleteOutfit, &QAbstractButton::clicked, this, deletion(&Form1::DeleteOutfit_Click));
    connect(NameOfOutfit, &TextBox::Change, this, &Form1::NameOfOutfit_Change);
    connect(ProjectFileList, &ListBox::Click, this, barrier(&Form1::ProjectFileList_Click));
    connect(GetBodyPic, &ListBox::Click, this, &Form1::GetBodyPic_Click);
    connect(NewProject, &QAbstractButton::clicked, this, barrier(&Form1::NewProject_Click));
    connect(EnterProjectName, &TextBox::Change, this, &Form1::EnterProjectName_Change);
    connect(EnterLadyName, &TextBox::Change, this, &Form1::EnterLadyName_Change);
    connect(CreatProject, &QAbstractButton::clicked, this, barrier(&Form1::CreatProject_Click));
    connect(SayYes, &QAbstractButton::clicked, this, deletion(&Form1::SayYes_Click));
    connect(SayNo, &QAbstractButton::clicked, this, &Form1::SayNo_Click);
    connect(UpdateItem, &QAbstractButton::clicked, this, barrier(&Form1::UpdateItem_Click));
    connect(ItemRename, &TextBox::Change, this, &Form1::ItemRename_Change);
    connect(DeleteSkirt, &QAbstractButton::clicked, this, &Form1::DeleteSkirt_Click);
    connect(DeleteProject, &QAbstractButton::clicked, this, &Form1::DeleteProject_Click);
    connect(PlaygroundOnOff, &QAbstractButton::clicked, this, barrier(&Form1::PlaygroundOnOff_Click));
    connect(Picture1, &PictureBox::Click, this, undoable(&Form1::Picture1_Click));
    connect(Picture2, &PictureBox::Click, this, undoable(&Form1::Picture2_Click));
    connect(Picture3, &PictureBox::Click, this, undoable(&Form1::Picture3_Click));
    connect(Picture4, &PictureBox::Click, this, undoable(&Form1::Picture4_Click));
    connect(German, &PictureBox::Click, this, &Form1::German_Click);
    connect(English, &PictureBox::Click, this, &Form1::English_Click);
    // Characters the files cannot hold never reach a text box; the user
    // hears and reads that they were left out.
    for (TextBox* box : {NameSkirt, NameOfOutfit, EnterProjectName, EnterLadyName, ItemRename})
        connect(box, &TextBox::CharactersDropped, this, [this] {
            Platform::Beep();
            ShowWarning(MsgCharactersDropped);
        });
}
