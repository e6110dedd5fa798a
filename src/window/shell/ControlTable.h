#pragma once
#include <span>

// The window's controls as designed: one row a control, in stacking order,
// front first. Form1 builds its controls from this table.
namespace ControlTable {

enum class Kind { Label, Button, CheckBox, OptionButton, Frame, TextBox, ListBox, FileListBox, DirListBox, PictureBox };
enum class Border { None, Flat, Sunken };

constexpr int kNoColour = -1;

struct Row {
    const char* name;
    Kind kind;
    const char* container = nullptr;  // nullptr: the window
    int x = 0, y = 0, w = 0, h = 0;   // inside the container's inner area
    int tab = 0;
    // Look
    bool face = false;          // shows the picture faces/<name>.bmp
    bool pressedFace = false;   // and faces/<name>_pressed.bmp while pressed
    bool disabledFace = false;  // and faces/<name>_disabled.bmp while disabled
    int font = 0;               // F1 to F8 of the font table, 0 for the default font
    int foreColour = kNoColour;
    int backColour = kNoColour;
    bool centred = false;
    bool autoSize = false;      // a picture box that takes its picture's size
    Border border = Border::None;
    const char* caption = "";   // design caption or text
    const char* pattern = "";   // file list pattern; several are separated by ";"
    bool sorted = false;
    // Design state
    bool visible = true;
    bool enabled = true;
    bool value = false;         // check box ticked, option button selected
};

struct Font {
    const char* face;
    double points;
    bool bold;
};

std::span<const Row> rows();
// Font n of the table, 1 to 8.
const Font& font(int number);

}  // namespace ControlTable
