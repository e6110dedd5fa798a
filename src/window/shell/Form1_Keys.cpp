// Keys that reach the handlers as the clicks they stand for: Enter in a
// name box presses the button that stores what it names, Delete on a worn
// item takes it off, the arrow keys nudge as the arrow buttons of the
// panel on show do, and Escape answers the question box no. The window's
// event filter lives here too: it hands the figure's mouse events to the
// drag and its right click to the menu.
#include "window/shell/Form1.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

namespace {

// Presses button as a click would, only while a click could reach it.
void press(Button* button)
{
    if (button->isEnabled() && button->Visible())
        button->click();
}

void press(PictureBox* picture)
{
    if (picture->isEnabled() && picture->Visible())
        emit picture->Click();
}

// Lists and text boxes keep the arrow keys for moving through their
// entries and characters.
bool keepsArrows(const QObject* control)
{
    return qobject_cast<const QAbstractItemView*>(control) || qobject_cast<const QLineEdit*>(control);
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

    // Escape answers the question box no, as its button does; it is on
    // only while the question is open, and nothing else uses the key.
    escapeAnswersNo_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escapeAnswersNo_->setEnabled(false);
    connect(escapeAnswersNo_, &QShortcut::activated, this, [this] { press(SayNo); });

    // Buttons would move the focus with the arrows; every control but the
    // lists and text boxes hands them to the nudges instead. A click on the
    // figure gives it the focus, away from the list last used.
    for (QWidget* control : std::as_const(controls_))
        if (!keepsArrows(control))
            control->installEventFilter(this);
    installEventFilter(this);
    BodyPic->setFocusPolicy(Qt::ClickFocus);
    // The cursor over the figure follows whether it can be dragged.
    BodyPic->setMouseTracking(true);
}

// The import panel nudges by the chosen step, the dressing panel moves the
// item on show by one pixel. Returns whether the key was used.
bool Form1::ArrowKey(int key)
{
    if (AskMe->Visible())
        return false;
    if (SkirtLeft->Visible()) {
        switch (key) {
        case Qt::Key_Left: press(SkirtLeft); return true;
        case Qt::Key_Right: press(SkirtRight); return true;
        case Qt::Key_Up: press(SkirtUp); return true;
        case Qt::Key_Down: press(SkirtDown); return true;
        }
    } else if (Picture1->Visible()) {
        switch (key) {
        case Qt::Key_Up: press(Picture1); return true;
        case Qt::Key_Right: press(Picture2); return true;
        case Qt::Key_Left: press(Picture3); return true;
        case Qt::Key_Down: press(Picture4); return true;
        }
    }
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A key a list or text box passed on to the window stays unused.
        if (watched == this && keepsArrows(focusWidget()))
            return false;
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier)
            if (ArrowKey(key->key()))
                return true;
    }
    if (watched == BodyPic && event->type() == QEvent::ContextMenu) {
        ShowFigureMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (watched == BodyPic)
        return FigureDragEvent(event);
    return QWidget::eventFilter(watched, event);
}
