// Keys that reach the handlers as the clicks they stand for: Enter in a
// name box presses the button that stores what it names, Delete on a worn
// item takes it off.
#include "shell/Form1.h"

#include <QShortcut>

namespace {

// Presses button as a click would, only while a click could reach it.
void press(Button* button)
{
    if (button->isEnabled() && button->Visible())
        button->click();
}

}  // namespace

void Form1::ConnectKeys()
{
    const std::pair<TextBox*, Button*> stores[] = {
        {NameSkirt, AddToWardrobe},  {NameOfOutfit, SaveOutfit}, {EnterProjectName, CreatProject},
        {EnterLadyName, CreatProject}, {ItemRename, UpdateItem},
    };
    for (const auto& [box, button] : stores)
        connect(box, &QLineEdit::returnPressed, button, [button = button] { press(button); });

    // Only while the worn list has the focus: Delete in a text box deletes
    // characters.
    auto* takeOff = new QShortcut(QKeySequence::Delete, Dressed);
    takeOff->setContext(Qt::WidgetShortcut);
    connect(takeOff, &QShortcut::activated, this, [this] {
        if (Dressed->ListIndex() >= 0)
            press(RemoveItem);
    });
}
