#pragma once
#include <QImage>
#include <QString>
#include <QStringList>

// What an undoable change may alter in the window: the worn list and its
// marks, the item on show and its nudge, the import offsets, the states of
// the buttons these edits turn on and off, and the figure as painted.
// Undo puts the snapshot taken before a change back; redo the one after.
struct WindowSnapshot {
    QStringList dressed;
    int dressedIndex = -1;
    int wardrobeIndex = -1;
    int outfitIndex = -1;
    QString dressingMark;
    QString pictureMark;
    QString itemToUpdate;
    QString currentItemName;  // the item the arrow pictures move
    QString dressItemTip;
    int itemShiftX = 0;
    int itemShiftY = 0;
    int offsetX = 0;
    int offsetY = 0;
    bool updateItemEnabled = false;
    bool saveOutfitEnabled = false;
    bool saveOutfitVisible = false;
    bool deleteOutfitEnabled = false;
    bool deleteSkirtEnabled = false;
    QImage figure;

    bool operator==(const WindowSnapshot&) const = default;
};
