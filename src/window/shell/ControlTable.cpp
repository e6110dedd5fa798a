#include "window/shell/ControlTable.h"

#include "formats/picture/Colour.h"

#include <array>

namespace ControlTable {

namespace {

using Colour::rgb;

// Front first: among the labels and among the other controls, an earlier
// row lies in front of every later one; every label lies behind every
// control of another kind.
constexpr Row kRows[] = {
    {.name = "AskMe", .kind = Kind::PictureBox, .x = 400, .y = 168, .w = 234, .h = 113, .tab = 56, .face = true, .autoSize = true, .border = Border::Flat, .visible = false},
    {.name = "SayYes", .kind = Kind::Button, .container = "AskMe", .x = 152, .y = 68, .w = 60, .h = 31, .tab = 58, .face = true, .pressedFace = true},
    {.name = "SayNo", .kind = Kind::Button, .container = "AskMe", .x = 16, .y = 68, .w = 60, .h = 31, .tab = 57, .face = true, .pressedFace = true},
    {.name = "QuestionIs", .kind = Kind::Label, .container = "AskMe", .x = 8, .y = 22, .w = 217, .h = 43, .tab = 59, .font = 1, .centred = true},
    {.name = "MoveDownList", .kind = Kind::Button, .x = 400, .y = 352, .w = 31, .h = 31, .tab = 64, .face = true},
    {.name = "MoveUpList", .kind = Kind::Button, .x = 400, .y = 272, .w = 31, .h = 31, .tab = 63, .face = true},
    {.name = "ItemRename", .kind = Kind::TextBox, .x = 360, .y = 200, .w = 121, .h = 19, .tab = 60, .caption = "*Dummy*", .visible = false},
    {.name = "English", .kind = Kind::PictureBox, .x = 368, .y = 504, .w = 25, .h = 18, .tab = 55, .face = true, .autoSize = true},
    {.name = "German", .kind = Kind::PictureBox, .x = 400, .y = 504, .w = 25, .h = 18, .tab = 54, .face = true, .autoSize = true},
    {.name = "ShowHelp", .kind = Kind::CheckBox, .x = 640, .y = 542, .w = 16, .h = 17, .tab = 52, .backColour = rgb(128, 128, 128), .enabled = false, .value = true},
    {.name = "AutoButton", .kind = Kind::PictureBox, .x = 496, .y = 336, .w = 45, .h = 20, .tab = 49, .face = true},
    {.name = "WhiteButton", .kind = Kind::PictureBox, .x = 496, .y = 360, .w = 44, .h = 20, .tab = 48, .face = true, .backColour = rgb(255, 255, 255)},
    {.name = "PinkButton", .kind = Kind::PictureBox, .x = 496, .y = 312, .w = 45, .h = 20, .tab = 47, .face = true, .backColour = rgb(255, 0, 255), .border = Border::Sunken},
    {.name = "UpdateItem", .kind = Kind::Button, .x = 360, .y = 120, .w = 60, .h = 31, .tab = 46, .face = true, .pressedFace = true, .enabled = false},
    {.name = "Picture4", .kind = Kind::PictureBox, .x = 384, .y = 96, .w = 17, .h = 17, .tab = 45, .face = true},
    {.name = "Picture3", .kind = Kind::PictureBox, .x = 368, .y = 80, .w = 17, .h = 17, .tab = 44, .face = true},
    {.name = "Picture2", .kind = Kind::PictureBox, .x = 400, .y = 80, .w = 17, .h = 17, .tab = 43, .face = true},
    {.name = "Picture1", .kind = Kind::PictureBox, .x = 384, .y = 64, .w = 17, .h = 17, .tab = 42, .face = true},
    {.name = "DeleteOutfit", .kind = Kind::Button, .x = 360, .y = 456, .w = 60, .h = 31, .tab = 40, .face = true, .pressedFace = true},
    {.name = "SaveOutfit", .kind = Kind::Button, .x = 360, .y = 395, .w = 60, .h = 31, .tab = 39, .face = true, .pressedFace = true},
    {.name = "NameOfOutfit", .kind = Kind::TextBox, .x = 224, .y = 400, .w = 130, .h = 19, .tab = 38},
    {.name = "OutfitList", .kind = Kind::ListBox, .x = 224, .y = 424, .w = 130, .h = 84, .tab = 37, .font = 2},
    {.name = "GetBodyPic", .kind = Kind::FileListBox, .x = 432, .y = 144, .w = 120, .h = 71, .tab = 34, .backColour = rgb(255, 255, 255), .pattern = "*.BMP;*.PNG"},
    {.name = "PlaygroundOnOff", .kind = Kind::Button, .x = 276, .y = 8, .w = 73, .h = 33, .tab = 33, .face = true, .pressedFace = true, .enabled = false},
    {.name = "LetsGo", .kind = Kind::Button, .x = 424, .y = 440, .w = 60, .h = 31, .tab = 32, .face = true},
    {.name = "DeleteProject", .kind = Kind::Button, .x = 560, .y = 64, .w = 60, .h = 31, .tab = 29, .face = true, .pressedFace = true, .disabledFace = true},
    {.name = "CreatProject", .kind = Kind::Button, .x = 464, .y = 296, .w = 60, .h = 31, .tab = 28, .face = true, .pressedFace = true},
    {.name = "EnterLadyName", .kind = Kind::TextBox, .x = 432, .y = 272, .w = 120, .h = 19, .tab = 27, .centred = true},
    {.name = "EnterProjectName", .kind = Kind::TextBox, .x = 432, .y = 232, .w = 120, .h = 19, .tab = 26, .centred = true},
    {.name = "AddBMPItem", .kind = Kind::Button, .x = 644, .y = 8, .w = 73, .h = 33, .tab = 24, .face = true, .pressedFace = true, .disabledFace = true, .enabled = false},
    {.name = "ProjectFileList", .kind = Kind::FileListBox, .x = 432, .y = 48, .w = 121, .h = 70, .tab = 23, .font = 2, .pattern = "*.project"},
    {.name = "NewProject", .kind = Kind::Button, .x = 460, .y = 8, .w = 73, .h = 33, .tab = 22, .face = true, .pressedFace = true, .enabled = false},
    {.name = "RemoveItem", .kind = Kind::Button, .x = 360, .y = 313, .w = 60, .h = 31, .tab = 21, .face = true, .disabledFace = true},
    {.name = "MoveLayerUp", .kind = Kind::Button, .x = 360, .y = 272, .w = 31, .h = 31, .tab = 20, .face = true},
    {.name = "MoveLayerDown", .kind = Kind::Button, .x = 360, .y = 352, .w = 31, .h = 31, .tab = 19, .face = true},
    {.name = "DressItem", .kind = Kind::Button, .x = 224, .y = 224, .w = 60, .h = 31, .tab = 18, .face = true, .disabledFace = true},
    {.name = "Dressed", .kind = Kind::ListBox, .x = 224, .y = 264, .w = 130, .h = 132, .tab = 17, .font = 2},
    {.name = "Harddrive", .kind = Kind::DirListBox, .x = 550, .y = 48, .w = 180, .h = 81, .tab = 16, .visible = false, .enabled = false},
    {.name = "SkirtFiles", .kind = Kind::FileListBox, .x = 550, .y = 136, .w = 180, .h = 71, .tab = 14, .pattern = "*.bmp;*.png;*.gif;*.jpg;*.jpeg", .visible = false, .enabled = false},
    {.name = "DeleteSkirt", .kind = Kind::Button, .x = 360, .y = 160, .w = 60, .h = 31, .tab = 13, .face = true, .pressedFace = true, .enabled = false},
    {.name = "Option3", .kind = Kind::OptionButton, .x = 439, .y = 360, .w = 57, .h = 17, .tab = 12, .foreColour = rgb(128, 128, 128), .caption = "10 Pixel"},
    {.name = "Option2", .kind = Kind::OptionButton, .x = 439, .y = 344, .w = 52, .h = 17, .tab = 11, .foreColour = rgb(128, 128, 128), .caption = "5 Pixel"},
    {.name = "Option1", .kind = Kind::OptionButton, .x = 439, .y = 328, .w = 52, .h = 17, .tab = 10, .foreColour = rgb(128, 128, 128), .backColour = rgb(255, 255, 255), .caption = "1 Pixel", .value = true},
    {.name = "Wardrobe", .kind = Kind::ListBox, .x = 224, .y = 64, .w = 129, .h = 148, .tab = 9, .font = 2, .sorted = true},
    {.name = "NameSkirt", .kind = Kind::TextBox, .x = 400, .y = 392, .w = 129, .h = 19, .tab = 8, .backColour = rgb(255, 255, 255), .centred = true, .visible = false, .enabled = false},
    {.name = "AddToWardrobe", .kind = Kind::Button, .x = 424, .y = 416, .w = 60, .h = 31, .tab = 7, .face = true, .pressedFace = true, .visible = false, .enabled = false},
    {.name = "Clothes", .kind = Kind::PictureBox, .x = 550, .y = 210, .w = 180, .h = 308, .tab = 6, .autoSize = true, .visible = false, .enabled = false},
    {.name = "SkirtUp", .kind = Kind::Button, .x = 474, .y = 188, .w = 30, .h = 30, .tab = 5, .face = true, .visible = false, .enabled = false},
    {.name = "SkirtDown", .kind = Kind::Button, .x = 474, .y = 252, .w = 30, .h = 30, .tab = 4, .face = true, .visible = false, .enabled = false},
    {.name = "SkirtLeft", .kind = Kind::Button, .x = 442, .y = 220, .w = 30, .h = 30, .tab = 3, .face = true, .visible = false, .enabled = false},
    {.name = "SkirtRight", .kind = Kind::Button, .x = 506, .y = 220, .w = 30, .h = 30, .tab = 2, .face = true, .visible = false, .enabled = false},
    {.name = "RemoveAllItems", .kind = Kind::Button, .x = 296, .y = 224, .w = 60, .h = 31, .tab = 1, .face = true},
    {.name = "BodyPic", .kind = Kind::PictureBox, .x = 16, .y = 56, .w = 200, .h = 450, .tab = 0, .foreColour = rgb(255, 255, 255), .backColour = rgb(255, 255, 255)},
    {.name = "TransColorInfo", .kind = Kind::Frame, .x = 431, .y = 296, .w = 113, .h = 89, .tab = 50, .backColour = rgb(224, 224, 224), .caption = "PINK"},
    {.name = "WelcomeText", .kind = Kind::Label, .x = 240, .y = 56, .w = 385, .h = 370, .tab = 31, .font = 3, .foreColour = rgb(128, 0, 0), .centred = true},
    {.name = "BasePic", .kind = Kind::Label, .x = 432, .y = 130, .w = 81, .h = 17, .tab = 65, .foreColour = rgb(255, 255, 255)},
    {.name = "DollyLabel", .kind = Kind::Label, .x = 432, .y = 258, .w = 105, .h = 17, .tab = 62, .foreColour = rgb(255, 255, 255), .caption = "Name of Body"},
    {.name = "ProjectLabel", .kind = Kind::Label, .x = 432, .y = 219, .w = 121, .h = 17, .tab = 61, .foreColour = rgb(255, 255, 255), .caption = "Name of Project"},
    {.name = "ShowHelpLabel", .kind = Kind::Label, .x = 664, .y = 544, .w = 81, .h = 17, .tab = 53, .caption = "XXXX"},
    {.name = "HelpMe", .kind = Kind::Label, .x = 430, .y = 130, .w = 209, .h = 377, .tab = 51, .font = 4, .centred = true, .visible = false},
    {.name = "LabelTMP", .kind = Kind::Label, .x = 16, .y = 16, .w = 220, .h = 40, .tab = 41, .font = 5, .centred = true},
    {.name = "ProjectInfos", .kind = Kind::Label, .x = 568, .y = 120, .w = 169, .h = 273, .tab = 36, .font = 6, .centred = true},
    {.name = "Warnings", .kind = Kind::Label, .x = 230, .y = 448, .w = 297, .h = 65, .tab = 30, .font = 6, .foreColour = rgb(0, 0, 0)},
    {.name = "NameOfBody", .kind = Kind::Label, .x = 16, .y = 16, .w = 220, .h = 40, .tab = 25, .font = 7, .foreColour = rgb(192, 64, 0), .centred = true},
    {.name = "VersionText", .kind = Kind::Label, .x = 224, .y = 544, .w = 401, .h = 17, .tab = 15, .font = 8, .foreColour = rgb(0, 0, 0), .centred = true},
    {.name = "ShadowText", .kind = Kind::Label, .x = 19, .y = 19, .w = 220, .h = 40, .tab = 35, .font = 7, .foreColour = rgb(181, 181, 181), .centred = true},
    {.name = "WelcomeShadow", .kind = Kind::Label, .x = 242, .y = 58, .w = 385, .h = 370, .tab = 66, .font = 3, .foreColour = rgb(128, 128, 255), .centred = true},
    {.name = "Welcome_Shadow2", .kind = Kind::Label, .x = 240, .y = 56, .w = 385, .h = 370, .tab = 67, .font = 3, .centred = true},
    {.name = "WelcomeRealShadow", .kind = Kind::Label, .x = 232, .y = 48, .w = 337, .h = 417, .tab = 68, .font = 3, .centred = true},
};

constexpr std::array<Font, 8> kFonts = {{
    {"MS Sans Serif", 12, false},          // F1
    {"MS Sans Serif", 9.75, false},        // F2
    {"Microsoft Sans Serif", 14.25, false},  // F3
    {"Arial", 12, false},                  // F4
    {"Microsoft Sans Serif", 24, false},   // F5
    {"OpenSymbol", 14.25, false},          // F6
    {"OpenSymbol", 27.75, false},          // F7
    {"MS Sans Serif", 8.25, true},         // F8
}};

}  // namespace

std::span<const Row> rows() { return kRows; }

const Font& font(int number) { return kFonts.at(number - 1); }

}  // namespace ControlTable
