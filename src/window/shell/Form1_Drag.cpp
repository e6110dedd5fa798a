// Dragging on the figure: in the import panel the preview moves as the
// nudge buttons move it, in the dressing panel the item on show moves as
// the arrow pictures move it. A whole drag is one step to undo.
#include "window/shell/Form1.h"

#include <QMouseEvent>

// The figure can be dragged where a nudge would move something.
bool Form1::CanDragFigure() const
{
    if (AskMe->Visible())
        return false;
    if (SkirtLeft->Visible())
        return true;
    return Picture1->Visible() && Wardrobe->ListIndex() >= 0;
}

void Form1::UpdateFigureCursor()
{
    if (dragging_)
        BodyPic->setCursor(Qt::ClosedHandCursor);
    else if (CanDragFigure())
        BodyPic->setCursor(Qt::OpenHandCursor);
    else
        BodyPic->unsetCursor();
}

// Mouse events on BodyPic; returns whether the event was used.
bool Form1::FigureDragEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
        UpdateFigureCursor();
        return false;
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !CanDragFigure())
            return false;
        dragging_ = true;
        dragLast_ = mouse->position().toPoint();
        dragStart_ = TakeSnapshot();
        UpdateFigureCursor();
        return false;  // the figure takes the focus as with any click
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragging_) {
            UpdateFigureCursor();
            return false;
        }
        const QPoint at = mouse->position().toPoint();
        const QPoint by = at - dragLast_;
        dragLast_ = at;
        if (by.isNull())
            return true;
        if (SkirtLeft->Visible())
            DragImportPicture(by.x(), by.y());
        else
            DragShownItem(by.x(), by.y());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragging_ || mouse->button() != Qt::LeftButton)
            return false;
        dragging_ = false;
        RecordStep(dragStart_);
        dragStart_ = WindowSnapshot();
        UpdateFigureCursor();
        return false;
    }
    default:
        return false;
    }
}
